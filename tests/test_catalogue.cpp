// The element table, board geometry, families, common set and tile art.
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/picturestore.h"
#include "catalogue/tiles.h"

#include <QImage>
#include <cmath>
#include <set>

using namespace catalogue;

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Element indices from a list of atomic numbers and inclusive runs of them.
std::set<int> Numbers(std::initializer_list<std::pair<int, int>> runs)
{
    std::set<int> indices;
    for (auto [first, last] : runs)
        for (int n = first; n <= last; ++n)
            indices.insert(n - 1);
    return indices;
}

std::set<int> MemberSet(Group group)
{
    const std::vector<int> members = Members(group);
    return std::set<int>(members.begin(), members.end());
}
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void everyRecordHasItsNumberAndUnknownValuesAsDash();
    void cellRectangles_data();
    void cellRectangles();
    void boardInvariants();
    void familiesAndClasses_data();
    void familiesAndClasses();
    void groupsPartitionTheElements();
    void commonSet();
    void tileSizes_data();
    void tileSizes();
    void tileFrameAndFill();
    void numberedAndPlainDifferOnlyInTheDigits();
    void tilesPaintedForTheDevicePixelRatio();
    void appIconShowsTheFamilyColours();
    void storePaintsItsSetWhenFirstAskedFor_data();
    void storePaintsItsSetWhenFirstAskedFor();
};

void CatalogueTest::records_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("melting");
    QTest::addColumn<QString>("boiling");
    QTest::newRow("hydrogen, first") << 0 << "H" << "Hydrogen" << "1.00794" << "-259.19" << "-252.76";
    QTest::newRow("fluorine as written") << 8 << "F" << "Florine" << "18.9984032" << "-219.7" << "-188.2";
    QTest::newRow("krypton keeps 83.8") << 35 << "Kr" << "Krypton" << "83.8" << "-157.2" << "-153.35";
    QTest::newRow("tellurium keeps 127.6") << 51 << "Te" << "Tellurium" << "127.6" << "450" << "990";
    QTest::newRow("thulium's chosen texts") << 68 << "Tm" << "Thulium" << "168.93421" << "1545" << "1947";
    QTest::newRow("berkelium, no boiling point") << 96 << "Bk" << "Berkelium" << "247.0703" << "986" << "-";
    QTest::newRow("fermium, no temperatures") << 99 << "Fm" << "Fermium" << "257.0951" << "-" << "-";
    QTest::newRow("dubnium 262") << 104 << "Db" << "Dubnium" << "262" << "-" << "-";
    QTest::newRow("bohrium 262 too") << 106 << "Bh" << "Bohrium" << "262" << "-" << "-";
    QTest::newRow("meitnerium, last") << 108 << "Mt" << "Meitnerium" << "266" << "-" << "-";
}

void CatalogueTest::records()
{
    QFETCH(int, index);
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    QFETCH(QString, mass);
    QFETCH(QString, melting);
    QFETCH(QString, boiling);
    const ElementRecord& e = Element(index);
    QCOMPARE(e.number, index + 1);
    QCOMPARE(Q(e.symbol), symbol);
    QCOMPARE(Q(e.name), name);
    QCOMPARE(Q(e.atomicMass), mass);
    QCOMPARE(Q(e.meltingPoint), melting);
    QCOMPARE(Q(e.boilingPoint), boiling);
}

void CatalogueTest::everyRecordHasItsNumberAndUnknownValuesAsDash()
{
    for (int i = 0; i < kElementCount; ++i) {
        const ElementRecord& e = Element(i);
        QCOMPARE(e.number, i + 1);
        QVERIFY(!e.name.empty() && !e.atomicMass.empty());
        QCOMPARE(e.meltingPoint == "-", e.number >= 100);
        QCOMPARE(e.boilingPoint == "-", e.number >= 97);
        // Texts keep their digits as given: no trailing zero after a decimal point.
        for (std::string_view text : {e.atomicMass, e.meltingPoint, e.boilingPoint})
            QVERIFY2(text.find('.') == std::string_view::npos || text.back() != '0', e.name.data());
    }
}

void CatalogueTest::cellRectangles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("hydrogen") << 0 << QRect(360, 720, 525, 660);
    QTest::newRow("helium, column 18") << 1 << QRect(8520, 720, 495, 660);
    QTest::newRow("iron, column 8") << 25 << QRect(3720, 2880, 510, 690);
    QTest::newRow("cobalt, column 9") << 26 << QRect(4200, 2880, 540, 690);
    QTest::newRow("nickel, column 10") << 27 << QRect(4680, 2880, 510, 690);
    QTest::newRow("lanthanum, main body") << 56 << QRect(1320, 4320, 525, 660);
    QTest::newRow("cerium, first lanthanide") << 57 << QRect(2160, 6240, 525, 690);
    QTest::newRow("radon") << 85 << QRect(8520, 4320, 495, 660);
    QTest::newRow("thorium, first actinide") << 89 << QRect(2160, 6960, 525, 675);
    QTest::newRow("lawrencium") << 102 << QRect(8400, 6960, 525, 675);
    QTest::newRow("rutherfordium") << 103 << QRect(1800, 5040, 525, 690);
    QTest::newRow("meitnerium") << 108 << QRect(4200, 5040, 540, 690);
}

void CatalogueTest::cellRectangles()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QCOMPARE(CellRect(index), rect);
}

void CatalogueTest::boardInvariants()
{
    std::set<std::pair<int, int>> cells;
    std::set<std::pair<int, int>> corners; // no two cells share a rectangle
    for (int i = 0; i < kElementCount; ++i) {
        const ElementRecord& e = Element(i);
        QVERIFY(cells.insert({e.row, e.column}).second);
        corners.insert({CellRect(i).x(), CellRect(i).y()});
        switch (e.row) {
        case 1: QVERIFY(e.column == 1 || e.column == 18); break;
        case 2:
        case 3: QVERIFY(e.column <= 2 || e.column >= 13); break;
        case 7: QVERIFY(e.column <= 9); break;
        case 8:
        case 9: QVERIFY(e.column >= 1 && e.column <= 14); break;
        default: QVERIFY(e.column >= 1 && e.column <= 18); break;
        }
    }
    QCOMPARE(int(corners.size()), kElementCount);
    QCOMPARE(std::make_pair(Element(56).row, Element(56).column), std::make_pair(6, 3));
    QCOMPARE(std::make_pair(Element(88).row, Element(88).column), std::make_pair(7, 3));
    QCOMPARE(std::make_pair(Element(57).row, Element(57).column), std::make_pair(8, 1));
    QCOMPARE(std::make_pair(Element(89).row, Element(89).column), std::make_pair(9, 1));
    // The holder's stretch above the transition metals is free of cells.
    const QRect holder(4320, 1320, 495, 660);
    for (int i = 0; i < kElementCount; ++i)
        QVERIFY(!CellRect(i).intersects(holder));
}

void CatalogueTest::familiesAndClasses_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("inside");
    QTest::addColumn<QList<int>>("outside");
    QTest::addColumn<int>("count");
    QTest::newRow("alkali holds hydrogen") << int(Group::Alkali) << QList<int>{0, 2, 86} << QList<int>{3} << 7;
    QTest::newRow("noble gases hold helium") << int(Group::Nobel) << QList<int>{1, 85} << QList<int>{0} << 6;
    QTest::newRow("transition ends at mercury")
        << int(Group::Transition) << QList<int>{20, 29, 38, 47, 71, 79} << QList<int>{56, 88, 80, 103} << 29;
    QTest::newRow("lanthanides hold lanthanum") << int(Group::Lanthanide) << QList<int>{56, 70} << QList<int>{71} << 15;
    QTest::newRow("actinides hold actinium") << int(Group::Actinide) << QList<int>{88, 102} << QList<int>{103} << 15;
    QTest::newRow("metals") << int(Group::Metals) << QList<int>{2, 31, 50, 83, 103, 108}
                            << QList<int>{0, 4, 13, 56, 88} << 57;
    QTest::newRow("nonmetals") << int(Group::NonMetals) << QList<int>{1, 4, 13, 32, 51} << QList<int>{0, 31, 83}
                               << 21;
    QTest::newRow("rare earth") << int(Group::RareEarth) << QList<int>{56, 70, 88, 102} << QList<int>{0, 71} << 30;
}

void CatalogueTest::familiesAndClasses()
{
    QFETCH(int, group);
    QFETCH(QList<int>, inside);
    QFETCH(QList<int>, outside);
    QFETCH(int, count);
    const std::vector<int> members = Members(Group(group));
    QCOMPARE(int(members.size()), count);
    QVERIFY(std::is_sorted(members.begin(), members.end()));
    QCOMPARE(int(MemberSet(Group(group)).size()), count); // no repeats
    for (int i : inside)
        QVERIFY2(IsMember(Group(group), i), qPrintable(QString::number(i)));
    for (int i : outside)
        QVERIFY2(!IsMember(Group(group), i), qPrintable(QString::number(i)));
}

void CatalogueTest::groupsPartitionTheElements()
{
    // Each element 0-102 in exactly one family, each element 1-108 in exactly one class.
    for (int i = 0; i < kElementCount; ++i) {
        int families = 0, classes = 0;
        for (int g = 0; g < kGroupCount; ++g) {
            const bool isClass = Group(g) == Group::Metals || Group(g) == Group::NonMetals || Group(g) == Group::RareEarth;
            (isClass ? classes : families) += IsMember(Group(g), i) ? 1 : 0;
        }
        QCOMPARE(families, i <= 102 ? 1 : 0);
        QCOMPARE(classes, i == 0 ? 0 : 1);
    }
    QCOMPARE(MemberSet(Group::RareEarth), [] {
        std::set<int> both = MemberSet(Group::Lanthanide);
        both.merge(MemberSet(Group::Actinide));
        return both;
    }());
}

void CatalogueTest::commonSet()
{
    const std::set<int> expected = Numbers({{1, 20}, {24, 33}, {35, 36}, {47, 47}, {50, 51}, {53, 54}, {56, 56},
                                            {74, 74}, {79, 80}, {82, 83}, {86, 88}, {92, 92}, {94, 94},
                                            {96, 96}, {102, 102}});
    std::set<int> common;
    for (int i = 0; i < kElementCount; ++i)
        if (IsCommon(i))
            common.insert(i);
    QCOMPARE(common, expected);
    QCOMPARE(int(common.size()), kCommonCount);
}

void CatalogueTest::tileSizes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    QTest::newRow("row 1") << 0 << QSize(31, 40);
    QTest::newRow("row 1 column 18") << 1 << QSize(29, 40);
    QTest::newRow("row 2") << 2 << QSize(31, 41);
    QTest::newRow("row 3 column 18") << 17 << QSize(29, 39);
    QTest::newRow("row 4 column 8") << 25 << QSize(30, 42);
    QTest::newRow("row 4 column 9") << 26 << QSize(32, 42);
    QTest::newRow("row 5 column 10") << 45 << QSize(30, 41);
    QTest::newRow("row 6 column 18") << 85 << QSize(29, 40);
    QTest::newRow("row 7 column 9") << 108 << QSize(32, 42);
    QTest::newRow("lanthanide row") << 60 << QSize(31, 42);
    QTest::newRow("actinide row") << 95 << QSize(31, 41);
}

void CatalogueTest::tileSizes()
{
    QFETCH(int, index);
    QFETCH(QSize, size);
    QCOMPARE(TileSize(index), size);
    QCOMPARE(PaintTile(index, true, 1.0).size(), size);
    QCOMPARE(PaintTile(index, false, 1.0).size(), size);
}

void CatalogueTest::tileFrameAndFill()
{
    const std::pair<int, QRgb> samples[] = {{0, 0xD5D5D5}, {1, 0xF0F130}, {2, 0xFF0101}, {3, 0xCB6699},
                                            {4, 0x33CD33}, {5, 0xCDCD33}, {6, 0xFFCD99}, {7, 0xFF9934},
                                            {8, 0xCB6633}, {25, 0x0199FF}, {57, 0x01CDCD}, {89, 0x339967}};
    for (auto [index, rgb] : samples) {
        const QImage tile = PaintTile(index, true, 1.0).toImage();
        QCOMPARE(QColor(tile.pixel(0, 0)), kFrameColour);
        QCOMPARE(QColor(tile.pixel(tile.width() - 1, tile.height() - 1)), kFrameColour);
        QCOMPARE(QColor(tile.pixel(0, tile.height() / 2)), kFrameColour);
        // Just inside the frame, at the lower left, away from the digits and the symbol.
        QCOMPARE(tile.pixel(1, tile.height() - 3) & 0xFFFFFF, rgb);
        QCOMPARE(FamilyColour(index).rgb() & 0xFFFFFF, rgb);
    }
}

void CatalogueTest::numberedAndPlainDifferOnlyInTheDigits()
{
    const QRect digits(4, 2, 24, 14); // the digits stand within this corner
    for (int index : {0, 25, 56, 108}) {
        const QImage numbered = PaintTile(index, true, 1.0).toImage();
        const QImage plain = PaintTile(index, false, 1.0).toImage();
        QCOMPARE(numbered.size(), plain.size());
        int inDigits = 0;
        for (int y = 0; y < numbered.height(); ++y)
            for (int x = 0; x < numbered.width(); ++x)
                if (numbered.pixel(x, y) != plain.pixel(x, y)) {
                    QVERIFY2(digits.contains(x, y), qPrintable(QStringLiteral("%1 at %2,%3").arg(index).arg(x).arg(y)));
                    ++inDigits;
                }
        QVERIFY(inDigits > 5); // the numbered tile does carry digits
        // Where the digits stand, the plain tile shows the fill.
        QCOMPARE(plain.pixel(8, 9) & 0xFFFFFF, FamilyColour(index).rgb() & 0xFFFFFF);
    }
}

void CatalogueTest::tilesPaintedForTheDevicePixelRatio()
{
    for (qreal ratio : {1.5, 2.0}) {
        const QPixmap tile = PaintTile(0, true, ratio);
        QCOMPARE(tile.deviceIndependentSize().toSize(), QSize(31, 40));
        QCOMPARE(tile.size(), (QSizeF(31, 40) * ratio).toSize());
    }
}

void CatalogueTest::appIconShowsTheFamilyColours()
{
    const QImage icon = PaintAppIcon(32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(icon.pixel(x, y) & 0xFFFFFF);
    for (QRgb rgb : {0xFF0101u, 0x0199FFu, 0x01CDCDu, 0x339967u, 0xF0F130u})
        QVERIFY(colours.count(rgb));
}

void CatalogueTest::storePaintsItsSetWhenFirstAskedFor_data()
{
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("scale"); // set after the store opens, before a picture is asked for
    QTest::addColumn<qreal>("later"); // a scale set after the first pictures were given out
    QTest::newRow("plain, as opened at the load") << false << 1.0 << 1.0 << 0.75;
    QTest::newRow("plain on a 200 % screen") << false << 2.0 << 1.0 << 1.5;
    QTest::newRow("plain, the chart shrunk before the first plain game") << false << 1.0 << 0.75 << 1.0;
    QTest::newRow("plain, zoomed at 150 % on a 125 % screen") << false << 1.25 << 1.5 << 2.0;
    QTest::newRow("numbered, zoomed before the first picture") << true << 1.0 << 2.0 << 1.0;
}

// A set painted on first use is the set painted at once: every tile pixel for pixel, for the
// ratio the store was opened with and the scale it has by then. Until then it has given out no
// picture, so no picture is taken for one of its tiles.
void CatalogueTest::storePaintsItsSetWhenFirstAskedFor()
{
    QFETCH(bool, numbered);
    QFETCH(qreal, ratio);
    QFETCH(qreal, scale);
    QFETCH(qreal, later);
    const QPixmap other = PaintTile(0, numbered, ratio, scale);
    PictureStore store(numbered);
    store.Open(ratio);
    store.SetPending(3, false);
    store.SetScale(scale);
    QVERIFY(!store.IsTile(other, 0));
    QVERIFY(!store.IsTile(QPixmap(), 0));

    std::vector<qint64> keys;
    for (int i = 0; i < kElementCount; ++i) {
        QCOMPARE(store.Picture(i).toImage(), PaintTile(i, numbered, ratio, scale).toImage());
        QVERIFY(store.IsTile(store.Picture(i), i));
        QVERIFY(!store.IsTile(store.Picture(i), (i + 1) % kElementCount));
        keys.push_back(store.Picture(i).cacheKey());
    }
    QVERIFY(!store.IsTile(other, 0)); // the same pixels, but not the store's picture
    // Asked again, the same pictures: the set is painted once.
    for (int i = 0; i < kElementCount; ++i)
        QCOMPARE(store.Picture(i).cacheKey(), keys[std::size_t(i)]);

    // At another scale the set is painted anew; what was given out before is no longer its tile.
    // The pending flags stay through it all.
    const QPixmap before = store.Picture(57);
    store.SetScale(later);
    QVERIFY(!store.IsTile(before, 57));
    QCOMPARE(store.Picture(57).toImage(), PaintTile(57, numbered, ratio, later).toImage());
    QVERIFY(!store.Pending(3) && store.Pending(4));
    QCOMPARE(store.PendingCount(), kElementCount - 1);
    // A closed store answers for none of its tiles.
    const QPixmap shown = store.Picture(57);
    store.Close();
    QVERIFY(!store.IsTile(shown, 57));
}

VELMOR08_TEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
