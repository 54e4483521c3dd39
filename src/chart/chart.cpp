#include "chart/chart.h"

#include "catalogue/tiles.h"
#include "platform/units.h"

#include <QApplication>
#include <QCoreApplication>

using catalogue::Group;
using platform::LabelStyle;

namespace chart {
namespace {

const QColor kRed(0xC0, 0x00, 0x00);    // information and legend labels
const QColor kGreen(0x00, 0xC0, 0x00);  // information headings
const QColor kPurple(0xC0, 0x00, 0xC0); // clock and score labels


struct ScoreRank {
    ScoreArray Chart::*name;
    ScoreArray Chart::*minutes;
    ScoreArray Chart::*seconds;
};

constexpr ScoreRank kRanks[9] = {
    {&Chart::lblFirstName, &Chart::lblFirstMin, &Chart::lblFirstSec},
    {&Chart::lblSecondName, &Chart::lblSecondMin, &Chart::lblSecondSec},
    {&Chart::lblThirdName, &Chart::lblThirdMin, &Chart::lblThirdSec},
    {&Chart::lblFourthName, &Chart::lblFourthMin, &Chart::lblFourthSec},
    {&Chart::lblFifthName, &Chart::lblFifthMin, &Chart::lblFifthSec},
    {&Chart::lblSixthName, &Chart::lblSixthMin, &Chart::lblSixthSec},
    {&Chart::lblSeventhName, &Chart::lblSeventhMin, &Chart::lblSeventhSec},
    {&Chart::lblEighthName, &Chart::lblEighthMin, &Chart::lblEighthSec},
    {&Chart::lblNinthName, &Chart::lblNinthMin, &Chart::lblNinthSec},
};

struct LegendRow {
    Group group;
    Label* Chart::*label;
    const char* caption;
    QRect rect; // layout units
    Qt::Alignment align;
    bool autoSize;
};

const LegendRow kLegends[catalogue::kGroupCount] = {
    {Group::Alkali, &Chart::lblAlkali, QT_TRANSLATE_NOOP("Legend", "Alkali Metals"), {120, 0, 1080, 840}, Qt::AlignHCenter, false},
    {Group::Alkaline, &Chart::lblAlkaline, QT_TRANSLATE_NOOP("Legend", "Alkaline Metals"), {960, 600, 1080, 840}, Qt::AlignHCenter, false},
    {Group::Transition, &Chart::lblTransition, QT_TRANSLATE_NOOP("Legend", "Transition Metals"), {3022, 2040, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Aluminum, &Chart::lblAluminum, QT_TRANSLATE_NOOP("Legend", "Aluminum Group"), {5640, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Carbon, &Chart::lblCarbon, QT_TRANSLATE_NOOP("Legend", "Carbon Group"), {6120, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Nitrogen, &Chart::lblNitrogen, QT_TRANSLATE_NOOP("Legend", "Nitrogen Group"), {6600, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Oxygen, &Chart::lblOxygen, QT_TRANSLATE_NOOP("Legend", "Oxygen Group"), {7080, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Halogens, &Chart::lblHalogens, QT_TRANSLATE_NOOP("Legend", "Halogens"), {7080, 960, 1440, 480}, Qt::AlignHCenter, false},
    // "Nobel (Inert) Gases" is the spelling players have always seen; kept on purpose.
    {Group::Nobel, &Chart::lblNobel, QT_TRANSLATE_NOOP("Legend", "Nobel (Inert) Gases"), {7800, 0, 1800, 840}, Qt::AlignHCenter, false},
    {Group::Lanthanide, &Chart::lblLanthanide, QT_TRANSLATE_NOOP("Legend", "Lanthanide Series"), {600, 6240, 1560, 720}, Qt::AlignHCenter, false},
    {Group::Actinide, &Chart::lblActinide, QT_TRANSLATE_NOOP("Legend", "Actinide Series"), {840, 6960, 1050, 720}, Qt::AlignHCenter, false},
    {Group::Metals, &Chart::lblMetals, QT_TRANSLATE_NOOP("Legend", "Metals"), {1800, 840, 810, 360}, Qt::AlignHCenter, true},
    {Group::NonMetals, &Chart::lblNonMetals, QT_TRANSLATE_NOOP("Legend", "Nonmetals"), {6645, 840, 1365, 360}, Qt::AlignHCenter, true},
    {Group::RareEarth, &Chart::lblRareEarth, QT_TRANSLATE_NOOP("Legend", "Rare-Earth Elements"), {2400, 5760, 2610, 360}, Qt::AlignLeft, true},
};

const LegendRow& LegendOf(Group group)
{
    for (const LegendRow& row : kLegends)
        if (row.group == group)
            return row;
    return kLegends[0];
}

struct InfoRow {
    Label* Chart::*heading;
    const char* headingCaption;
    QRect headingRect;
    Label* Chart::*value;
    const char* valueCaption;
    QRect valueRect;
};

const InfoRow kInfoRows[5] = {
    {&Chart::lblElementHeading, QT_TRANSLATE_NOOP("Panel", "Element"), {9480, 4680, 1215, 255},
     &Chart::lblName, QT_TRANSLATE_NOOP("Panel", "Element Name"), {9480, 4920, 1890, 360}},
    {&Chart::lblAtomicnum, QT_TRANSLATE_NOOP("Panel", "Atomic Number"), {6960, 5400, 1815, 255},
     &Chart::lblNumber, QT_TRANSLATE_NOOP("Panel", "Atomic Number"), {6960, 5640, 1980, 360}},
    {&Chart::lblAtomicMassHeading, QT_TRANSLATE_NOOP("Panel", "Atomic Mass"), {9480, 5400, 2295, 375},
     &Chart::lblAtomicMass, QT_TRANSLATE_NOOP("Panel", "AtomicMass"), {9480, 5640, 1530, 360}},
    // "Celcius" in both headings is the spelling players have always seen; kept on purpose.
    {&Chart::lblMeltingHeading, QT_TRANSLATE_NOOP("Panel", "Melting Point Celcius"), {9480, 6120, 2295, 375},
     &Chart::lblMelting, QT_TRANSLATE_NOOP("Panel", "MeltingPoint"), {9480, 6360, 1905, 360}},
    {&Chart::lblBoilingHeading, QT_TRANSLATE_NOOP("Panel", "Boiling Point Celcius"), {9480, 6840, 2295, 375},
     &Chart::lblBoiling, QT_TRANSLATE_NOOP("Panel", "BoilingPoint"), {9480, 7080, 1725, 360}},
};

} // namespace

QString VacantCaption() { return QCoreApplication::translate("Scores", "Name"); }

QSize LayoutSize() { return {platform::UnitsToPixels(kClientWidth), platform::UnitsToPixels(kSurfaceHeight)}; }

Chart::Chart(QWidget* window) : Surface(new platform::Surface(window)) { CreateControls(); }

void Chart::CreateControls()
{
    QPalette pal = Surface->palette();
    // The window background is the system colour for menu text.
    pal.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText));
    Surface->setPalette(pal);
    Surface->setMinimumSize(0, 0);

    // Labels first, so cells and the holder lie above any label they share pixels with.
    const LabelStyle clockBig{kPurple, 18, Qt::AlignHCenter, true};
    const LabelStyle clockRight{kPurple, 13.5, Qt::AlignRight, false};
    const LabelStyle clockColon{kPurple, 13.5, Qt::AlignLeft, true};
    lblTime = new Label(Surface, QCoreApplication::translate("Clock", "Time"), {2160, 1440, 855, 435}, clockBig);
    lblMin = new Label(Surface, QStringLiteral("00"), {2160, 1800, 375, 375}, clockRight);
    lblColon = new Label(Surface, QStringLiteral(":"), {2520, 1800, 135, 345}, clockColon);
    lblSec = new Label(Surface, QStringLiteral("00"), {2520, 1800, 375, 375}, clockRight);
    for (Label* label : {lblTime, lblMin, lblColon, lblSec})
        label->hide();

    const LabelStyle heading{kGreen, 12, Qt::AlignLeft, false};
    const LabelStyle value{kRed, 13.5, Qt::AlignLeft, true};
    for (const InfoRow& row : kInfoRows) {
        this->*row.heading = new Label(Surface, QCoreApplication::translate("Panel", row.headingCaption), row.headingRect, heading);
        this->*row.value = new Label(Surface, QCoreApplication::translate("Panel", row.valueCaption), row.valueRect, value);
    }

    for (const LegendRow& row : kLegends) {
        const LabelStyle style{kRed, 13.5, row.align, row.autoSize};
        Label* label = new Label(Surface, QCoreApplication::translate("Legend", row.caption), row.rect, style);
        label->hide();
        this->*row.label = label;
    }

    const LabelStyle scoreName{kPurple, 9.75, Qt::AlignLeft, false};
    const LabelStyle scoreMin{kPurple, 9.75, Qt::AlignRight, false};
    const LabelStyle scoreSec{kPurple, 9.75, Qt::AlignLeft, false};
    for (int r = 0; r < 9; ++r) {
        const int top = 120 + 480 * r;
        for (int k = 0; k < 4; ++k) {
            Label* name = new Label(Surface, VacantCaption(), {9120, top, 1695, 375}, scoreName);
            Label* minutes = new Label(Surface, QString(), {10920, top, 375, 375}, scoreMin);
            Label* seconds = new Label(Surface, QString(), {11280, top, 375, 375}, scoreSec);
            // Names are never wrapped onto a second line that the next rank would cover.
            name->setWordWrap(false);
            for (Label* label : {name, minutes, seconds})
                label->hide();
            (this->*kRanks[r].name)[k] = name;
            (this->*kRanks[r].minutes)[k] = minutes;
            (this->*kRanks[r].seconds)[k] = seconds;
        }
    }

    // Cells in index order: within a row that is left to right, so of two overlapping neighbours
    // the right-hand one lies on top and takes the pointer in their shared strip.
    for (int i = 0; i < catalogue::kElementCount; ++i)
        Image1[i] = new PictureBox(Surface, catalogue::CellRect(i), PictureBox::Fit::Scale);

    imgHolder = new PictureBox(Surface, {4320, 1320, 495, 660}, PictureBox::Fit::OwnSize);
    imgHolder->setDragSource(true);
    Image2 = new PictureBox(Surface, {120, 7320, 1215, 495}, PictureBox::Fit::Scale);
    Image2->hide();
    shpMark = new platform::FocusMark(Surface);
    Carry = new platform::PointerCarry(Surface);

    Timer1 = new platform::Timer(Surface, 1000);
}

int Chart::CellOf(const QWidget* widget) const
{
    for (int i = 0; i < catalogue::kElementCount; ++i)
        if (Image1[i] == widget)
            return i;
    return -1;
}

Label* Chart::NameLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].name)[mode]; }
Label* Chart::MinLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].minutes)[mode]; }
Label* Chart::SecLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].seconds)[mode]; }

Label* Chart::LegendLabel(Group group) const { return this->*LegendOf(group).label; }

qreal Chart::DevicePixelRatio() const { return Surface->devicePixelRatioF(); }

} // namespace chart
