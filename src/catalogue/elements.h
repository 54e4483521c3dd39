#pragma once
// The fixed catalogue of the 109 elements, hydrogen to meitnerium, indexed by ElementIndex
// (atomic number minus one). The four value texts are shown exactly as written and never parsed.
// The catalogue folder holds the fixed data: elements, board cells, tiles, picture stores, groups.
// May use: platform.
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <array>
#include <string_view>

namespace catalogue {

using ElementIndex = qint16;
constexpr int kElementCount = 109;

struct ElementRecord {
    int number;
    std::string_view symbol;
    std::string_view name;         // English; ElementName gives it in the player's language
    std::string_view atomicMass;
    std::string_view meltingPoint; // degrees Celsius; "-" where no value is known
    std::string_view boilingPoint; // degrees Celsius; "-" where no value is known
    int row;                       // 1-7 periods, 8 lanthanide row, 9 actinide row
    int column;                    // 1-18 in rows 1-7, 1-14 in rows 8 and 9
};

inline constexpr std::array<ElementRecord, kElementCount> kElements{{
    {  1, "H", QT_TRANSLATE_NOOP("Element", "Hydrogen"), "1.00794", "-259.19", "-252.76", 1,  1},
    {  2, "He", QT_TRANSLATE_NOOP("Element", "Helium"), "4.002602", "-269.7", "-268.93", 1, 18},
    {  3, "Li", QT_TRANSLATE_NOOP("Element", "Lithium"), "6.941", "180.5", "1347", 2,  1},
    {  4, "Be", QT_TRANSLATE_NOOP("Element", "Beryllium"), "9.012182", "1287", "2468", 2,  2},
    {  5, "B", QT_TRANSLATE_NOOP("Element", "Boron"), "10.811", "2080", "3865", 2, 13},
    {  6, "C", QT_TRANSLATE_NOOP("Element", "Carbon"), "12.011", "3620", "4200", 2, 14},
    {  7, "N", QT_TRANSLATE_NOOP("Element", "Nitrogen"), "14.00674", "-210", "-195.8", 2, 15},
    {  8, "O", QT_TRANSLATE_NOOP("Element", "Oxygen"), "15.9994", "-218.8", "-183", 2, 16},
    // "Florine" is the spelling players have always seen; kept on purpose.
    {  9, "F", QT_TRANSLATE_NOOP("Element", "Florine"), "18.9984032", "-219.7", "-188.2", 2, 17},
    { 10, "Ne", QT_TRANSLATE_NOOP("Element", "Neon"), "20.1797", "-248.61", "-246.05", 2, 18},
    { 11, "Na", QT_TRANSLATE_NOOP("Element", "Sodium"), "22.989768", "97.83", "897.4", 3,  1},
    { 12, "Mg", QT_TRANSLATE_NOOP("Element", "Magnesium"), "24.305", "650", "1105", 3,  2},
    { 13, "Al", QT_TRANSLATE_NOOP("Element", "Aluminum"), "26.981539", "660.37", "2517.6", 3, 13},
    { 14, "Si", QT_TRANSLATE_NOOP("Element", "Silicon"), "28.0855", "1411", "3231", 3, 14},
    { 15, "P", QT_TRANSLATE_NOOP("Element", "Phosphorus"), "30.9737762", "44.2", "280.5", 3, 15},
    { 16, "S", QT_TRANSLATE_NOOP("Element", "Sulfur"), "32.066", "115.2", "444.7", 3, 16},
    { 17, "Cl", QT_TRANSLATE_NOOP("Element", "Chlorine"), "35.4527", "-101", "-34", 3, 17},
    { 18, "Ar", QT_TRANSLATE_NOOP("Element", "Argon"), "39.948", "-189.37", "-185.86", 3, 18},
    { 19, "K", QT_TRANSLATE_NOOP("Element", "Potassium"), "39.0983", "63.2", "766.4", 4,  1},
    { 20, "Ca", QT_TRANSLATE_NOOP("Element", "Calcium"), "40.078", "841.5", "1500.5", 4,  2},
    { 21, "Sc", QT_TRANSLATE_NOOP("Element", "Scandium"), "44.95591", "1539", "2831", 4,  3},
    { 22, "Ti", QT_TRANSLATE_NOOP("Element", "Titanium"), "47.88", "1666", "3358", 4,  4},
    { 23, "V", QT_TRANSLATE_NOOP("Element", "Vanadium"), "50.9415", "1917", "3417", 4,  5},
    { 24, "Cr", QT_TRANSLATE_NOOP("Element", "Chromium"), "51.9961", "1860", "2679", 4,  6},
    { 25, "Mn", QT_TRANSLATE_NOOP("Element", "Manganese"), "54.93805", "1246", "2061", 4,  7},
    { 26, "Fe", QT_TRANSLATE_NOOP("Element", "Iron"), "55.847", "1536", "2860", 4,  8},
    { 27, "Co", QT_TRANSLATE_NOOP("Element", "Cobalt"), "58.9332", "1495", "2912", 4,  9},
    { 28, "Ni", QT_TRANSLATE_NOOP("Element", "Nickel"), "58.6934", "1455", "2883", 4, 10},
    { 29, "Cu", QT_TRANSLATE_NOOP("Element", "Copper"), "63.546", "1085", "2570", 4, 11},
    { 30, "Zn", QT_TRANSLATE_NOOP("Element", "Zinc"), "65.39", "419.6", "907", 4, 12},
    { 31, "Ga", QT_TRANSLATE_NOOP("Element", "Gallium"), "69.723", "29.77", "2203", 4, 13},
    { 32, "Ge", QT_TRANSLATE_NOOP("Element", "Germanium"), "72.61", "945", "2850", 4, 14},
    { 33, "As", QT_TRANSLATE_NOOP("Element", "Arsenic"), "74.92159", "816", "615", 4, 15},
    { 34, "Se", QT_TRANSLATE_NOOP("Element", "Selenium"), "78.96", "221", "685", 4, 16},
    { 35, "Br", QT_TRANSLATE_NOOP("Element", "Bromine"), "79.904", "-7.25", "59.35", 4, 17},
    { 36, "Kr", QT_TRANSLATE_NOOP("Element", "Krypton"), "83.8", "-157.2", "-153.35", 4, 18},
    { 37, "Rb", QT_TRANSLATE_NOOP("Element", "Rubidium"), "85.4678", "39.5", "697", 5,  1},
    { 38, "Sr", QT_TRANSLATE_NOOP("Element", "Strontium"), "87.62", "776.9", "1412", 5,  2},
    { 39, "Y", QT_TRANSLATE_NOOP("Element", "Yttrium"), "88.90585", "1530", "3264", 5,  3},
    { 40, "Zr", QT_TRANSLATE_NOOP("Element", "Zirconium"), "91.224", "1852", "4400", 5,  4},
    { 41, "Nb", QT_TRANSLATE_NOOP("Element", "Niobium"), "92.90638", "2477", "4858", 5,  5},
    { 42, "Mo", QT_TRANSLATE_NOOP("Element", "Molybdenum"), "95.94", "2623", "4679", 5,  6},
    { 43, "Tc", QT_TRANSLATE_NOOP("Element", "Technetium"), "97.9072", "2200", "4567", 5,  7},
    { 44, "Ru", QT_TRANSLATE_NOOP("Element", "Ruthenium"), "101.07", "2310", "4119", 5,  8},
    { 45, "Rh", QT_TRANSLATE_NOOP("Element", "Rhodium"), "102.9055", "1960", "3727", 5,  9},
    { 46, "Pd", QT_TRANSLATE_NOOP("Element", "Palladium"), "106.42", "1552", "2940", 5, 10},
    { 47, "Ag", QT_TRANSLATE_NOOP("Element", "Silver"), "107.8682", "961", "2195", 5, 11},
    { 48, "Cd", QT_TRANSLATE_NOOP("Element", "Cadmium"), "112.411", "320.8", "770", 5, 12},
    { 49, "In", QT_TRANSLATE_NOOP("Element", "Indium"), "114.82", "156.61", "2080", 5, 13},
    { 50, "Sn", QT_TRANSLATE_NOOP("Element", "Tin"), "118.71", "232", "2623", 5, 14},
    { 51, "Sb", QT_TRANSLATE_NOOP("Element", "Antimony"), "121.757", "630.7", "1635", 5, 15},
    { 52, "Te", QT_TRANSLATE_NOOP("Element", "Tellurium"), "127.6", "450", "990", 5, 16},
    { 53, "I", QT_TRANSLATE_NOOP("Element", "Iodine"), "126.90447", "113.6", "184.5", 5, 17},
    { 54, "Xe", QT_TRANSLATE_NOOP("Element", "Xenon"), "131.29", "-111.8", "-108.09", 5, 18},
    { 55, "Cs", QT_TRANSLATE_NOOP("Element", "Cesium"), "132.90543", "28.4", "674.8", 6,  1},
    { 56, "Ba", QT_TRANSLATE_NOOP("Element", "Barium"), "137.327", "726.9", "1845", 6,  2},
    { 57, "La", QT_TRANSLATE_NOOP("Element", "Lanthanum"), "138.9055", "920", "3420", 6,  3},
    { 58, "Ce", QT_TRANSLATE_NOOP("Element", "Cerium"), "140.115", "804", "3470", 8,  1},
    { 59, "Pr", QT_TRANSLATE_NOOP("Element", "Praseodymium"), "140.90765", "935", "3343", 8,  2},
    { 60, "Nd", QT_TRANSLATE_NOOP("Element", "Neodymium"), "144.24", "1024", "3111", 8,  3},
    { 61, "Pm", QT_TRANSLATE_NOOP("Element", "Promethium"), "144.9128", "1168", "2460", 8,  4},
    { 62, "Sm", QT_TRANSLATE_NOOP("Element", "Samarium"), "150.36", "1072", "1800", 8,  5},
    { 63, "Eu", QT_TRANSLATE_NOOP("Element", "Europium"), "151.965", "826", "1439", 8,  6},
    { 64, "Gd", QT_TRANSLATE_NOOP("Element", "Gadolinium"), "157.25", "1312", "3000", 8,  7},
    { 65, "Tb", QT_TRANSLATE_NOOP("Element", "Terbium"), "158.92534", "1356", "2800", 8,  8},
    { 66, "Dy", QT_TRANSLATE_NOOP("Element", "Dysprosium"), "162.5", "1407", "2600", 8,  9},
    { 67, "Ho", QT_TRANSLATE_NOOP("Element", "Holmium"), "164.9032", "1461", "2600", 8, 10},
    { 68, "Er", QT_TRANSLATE_NOOP("Element", "Erbium"), "167.26", "1497", "2900", 8, 11},
    { 69, "Tm", QT_TRANSLATE_NOOP("Element", "Thulium"), "168.93421", "1545", "1947", 8, 12},
    { 70, "Yb", QT_TRANSLATE_NOOP("Element", "Ytterbium"), "173.04", "824", "1427", 8, 13},
    { 71, "Lu", QT_TRANSLATE_NOOP("Element", "Lutetium"), "174.967", "1652", "3327", 8, 14},
    { 72, "Hf", QT_TRANSLATE_NOOP("Element", "Hafnium"), "178.49", "2227", "4691", 6,  4},
    { 73, "Ta", QT_TRANSLATE_NOOP("Element", "Tantalum"), "180.9479", "2980", "5505", 6,  5},
    { 74, "W", QT_TRANSLATE_NOOP("Element", "Tungsten"), "183.85", "3680", "6000", 6,  6},
    { 75, "Re", QT_TRANSLATE_NOOP("Element", "Rhenium"), "186.207", "3180", "5650", 6,  7},
    { 76, "Os", QT_TRANSLATE_NOOP("Element", "Osmium"), "190.2", "3045", "5025", 6,  8},
    { 77, "Ir", QT_TRANSLATE_NOOP("Element", "Iridium"), "192.22", "2447", "4550", 6,  9},
    { 78, "Pt", QT_TRANSLATE_NOOP("Element", "Platinum"), "195.08", "1769", "3824", 6, 10},
    { 79, "Au", QT_TRANSLATE_NOOP("Element", "Gold"), "196.96654", "1064", "2808", 6, 11},
    { 80, "Hg", QT_TRANSLATE_NOOP("Element", "Mercury"), "200.59", "-38.9", "357", 6, 12},
    { 81, "Tl", QT_TRANSLATE_NOOP("Element", "Thallium"), "204.3833", "303.5", "1457", 6, 13},
    { 82, "Pb", QT_TRANSLATE_NOOP("Element", "Lead"), "207.2", "327", "1746", 6, 14},
    { 83, "Bi", QT_TRANSLATE_NOOP("Element", "Bismuth"), "208.98037", "271.4", "1564", 6, 15},
    { 84, "Po", QT_TRANSLATE_NOOP("Element", "Polonium"), "208.9824", "254", "962", 6, 16},
    { 85, "At", QT_TRANSLATE_NOOP("Element", "Astatine"), "209.98037", "300", "350", 6, 17},
    { 86, "Rn", QT_TRANSLATE_NOOP("Element", "Radon"), "222.0176", "-71", "-62", 6, 18},
    { 87, "Fr", QT_TRANSLATE_NOOP("Element", "Francium"), "223.0197", "24", "650", 7,  1},
    { 88, "Ra", QT_TRANSLATE_NOOP("Element", "Radium"), "226.0254", "700", "1630", 7,  2},
    { 89, "Ac", QT_TRANSLATE_NOOP("Element", "Actinium"), "227.0278", "1050", "3300", 7,  3},
    { 90, "Th", QT_TRANSLATE_NOOP("Element", "Thorium"), "232.0381", "1750", "4787", 9,  1},
    { 91, "Pa", QT_TRANSLATE_NOOP("Element", "Protactinium"), "231.03588", "1552", "4227", 9,  2},
    { 92, "U", QT_TRANSLATE_NOOP("Element", "Uranium"), "238.0289", "1130", "3930", 9,  3},
    { 93, "Np", QT_TRANSLATE_NOOP("Element", "Neptunium"), "237.0482", "640", "3900", 9,  4},
    { 94, "Pu", QT_TRANSLATE_NOOP("Element", "Plutonium"), "244.0642", "640", "3230", 9,  5},
    { 95, "Am", QT_TRANSLATE_NOOP("Element", "Americium"), "243.0614", "994", "2600", 9,  6},
    { 96, "Cm", QT_TRANSLATE_NOOP("Element", "Curium"), "247.0703", "1340", "3540", 9,  7},
    { 97, "Bk", QT_TRANSLATE_NOOP("Element", "Berkelium"), "247.0703", "986", "-", 9,  8},
    { 98, "Cf", QT_TRANSLATE_NOOP("Element", "Californium"), "251.0796", "900", "-", 9,  9},
    { 99, "Es", QT_TRANSLATE_NOOP("Element", "Einsteinium"), "252.0828", "860", "-", 9, 10},
    {100, "Fm", QT_TRANSLATE_NOOP("Element", "Fermium"), "257.0951", "-", "-", 9, 11},
    {101, "Md", QT_TRANSLATE_NOOP("Element", "Mendelevium"), "258.0986", "-", "-", 9, 12},
    {102, "No", QT_TRANSLATE_NOOP("Element", "Nobelium"), "259.1009", "-", "-", 9, 13},
    {103, "Lr", QT_TRANSLATE_NOOP("Element", "Lawrencium"), "260.1054", "-", "-", 9, 14},
    {104, "Rf", QT_TRANSLATE_NOOP("Element", "Rutherfordium"), "261", "-", "-", 7,  4},
    {105, "Db", QT_TRANSLATE_NOOP("Element", "Dubnium"), "262", "-", "-", 7,  5},
    {106, "Sg", QT_TRANSLATE_NOOP("Element", "Seaborgium"), "263", "-", "-", 7,  6},
    {107, "Bh", QT_TRANSLATE_NOOP("Element", "Bohrium"), "262", "-", "-", 7,  7},
    {108, "Hs", QT_TRANSLATE_NOOP("Element", "Hassium"), "265", "-", "-", 7,  8},
    {109, "Mt", QT_TRANSLATE_NOOP("Element", "Meitnerium"), "266", "-", "-", 7,  9},
}};

constexpr const ElementRecord& Element(int index) { return kElements[index]; }

// The element's name in the language the program speaks ("Iron", "Eisen", "Fer"); the symbol is
// the same in every language.
QString ElementName(int index);

// The board cell of an element, in layout units (1/1440 inch) from the client area's corner.
constexpr QRect CellRect(int index)
{
    const ElementRecord& e = kElements[index];
    constexpr int kRowHeights[10] = {0, 660, 675, 645, 690, 675, 660, 690, 690, 675};
    if (e.row >= 8) {
        const int left = 2160 + 480 * (e.column - 1);
        return QRect(left, e.row == 8 ? 6240 : 6960, 525, kRowHeights[e.row]);
    }
    const int left = 360 + 480 * (e.column - 1);
    int width = 525;
    switch (e.column) {
    case 8: width = 510; break;
    case 9: width = 540; break;
    case 10: width = 510; break;
    case 18: width = 495; break;
    default: break;
    }
    return QRect(left, 720 * e.row, width, kRowHeights[e.row]);
}

} // namespace catalogue
