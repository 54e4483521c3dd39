#include "shell/frmMain.h"

#include "catalogue/tiles.h"
#include "platform/menus.h"
#include "platform/units.h"
#include "shell/wiring.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

using catalogue::Group;
using platform::LabelStyle;

namespace {

const QColor kRed(0xC0, 0x00, 0x00);    // information and legend labels
const QColor kGreen(0x00, 0xC0, 0x00);  // information headings
const QColor kPurple(0xC0, 0x00, 0xC0); // clock and score labels

struct ScoreRank {
    ScoreArray frmMain::*name;
    ScoreArray frmMain::*minutes;
    ScoreArray frmMain::*seconds;
};

constexpr ScoreRank kRanks[9] = {
    {&frmMain::lblFirstName, &frmMain::lblFirstMin, &frmMain::lblFirstSec},
    {&frmMain::lblSecondName, &frmMain::lblSecondMin, &frmMain::lblSecondSec},
    {&frmMain::lblThirdName, &frmMain::lblThirdMin, &frmMain::lblThirdSec},
    {&frmMain::lblFourthName, &frmMain::lblFourthMin, &frmMain::lblFourthSec},
    {&frmMain::lblFifthName, &frmMain::lblFifthMin, &frmMain::lblFifthSec},
    {&frmMain::lblSixthName, &frmMain::lblSixthMin, &frmMain::lblSixthSec},
    {&frmMain::lblSeventhName, &frmMain::lblSeventhMin, &frmMain::lblSeventhSec},
    {&frmMain::lblEighthName, &frmMain::lblEighthMin, &frmMain::lblEighthSec},
    {&frmMain::lblNinthName, &frmMain::lblNinthMin, &frmMain::lblNinthSec},
};

struct LegendRow {
    Group group;
    Label* frmMain::*label;
    QAction* frmMain::*menuItem;
    const char* caption;
    QRect rect; // layout units
    Qt::Alignment align;
    bool autoSize;
};

const LegendRow kLegends[catalogue::kGroupCount] = {
    {Group::Alkali, &frmMain::lblAlkali, &frmMain::mnuAlkali, "Alkali Metals", {120, 0, 1080, 840}, Qt::AlignHCenter, false},
    {Group::Alkaline, &frmMain::lblAlkaline, &frmMain::mnuAlkaline, "Alkaline Metals", {960, 600, 1080, 840}, Qt::AlignHCenter, false},
    {Group::Transition, &frmMain::lblTransition, &frmMain::mnuTransition, "Transition Metals", {3022, 2040, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Aluminum, &frmMain::lblAluminum, &frmMain::mnuAluminum, "Aluminum Group", {5640, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Carbon, &frmMain::lblCarbon, &frmMain::mnuCarbon, "Carbon Group", {6120, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Nitrogen, &frmMain::lblNitrogen, &frmMain::mnuNitrogen, "Nitrogen Group", {6600, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Oxygen, &frmMain::lblOxygen, &frmMain::mnuOxygen, "Oxygen Group", {7080, 600, 1440, 840}, Qt::AlignHCenter, false},
    {Group::Halogens, &frmMain::lblHalogens, &frmMain::mnuHalogens, "Halogens", {7080, 960, 1440, 480}, Qt::AlignHCenter, false},
    // "Nobel (Inert) Gases" is the spelling players have always seen; kept on purpose.
    {Group::Nobel, &frmMain::lblNobel, &frmMain::mnuNobel, "Nobel (Inert) Gases", {7800, 0, 1800, 840}, Qt::AlignHCenter, false},
    {Group::Lanthanide, &frmMain::lblLanthanide, &frmMain::mnuLanthanide, "Lanthanide Series", {600, 6240, 1560, 720}, Qt::AlignHCenter, false},
    {Group::Actinide, &frmMain::lblActinide, &frmMain::mnuActinide, "Actinide Series", {840, 6960, 1050, 720}, Qt::AlignHCenter, false},
    {Group::Metals, &frmMain::lblMetals, &frmMain::mnuMetals, "Metals", {1800, 840, 810, 360}, Qt::AlignHCenter, true},
    {Group::NonMetals, &frmMain::lblNonMetals, &frmMain::mnuNonMetals, "Nonmetals", {6645, 840, 1365, 360}, Qt::AlignHCenter, true},
    {Group::RareEarth, &frmMain::lblRareEarth, &frmMain::mnuRare, "Rare-Earth Elements", {2400, 5760, 2610, 360}, Qt::AlignLeft, true},
};

const LegendRow& LegendOf(Group group)
{
    for (const LegendRow& row : kLegends)
        if (row.group == group)
            return row;
    return kLegends[0];
}

struct InfoRow {
    Label* frmMain::*heading;
    const char* headingCaption;
    QRect headingRect;
    Label* frmMain::*value;
    const char* valueCaption;
    QRect valueRect;
};

const InfoRow kInfoRows[5] = {
    {&frmMain::lblElementHeading, "Element", {9480, 4680, 1215, 255}, &frmMain::lblName, "Element Name", {9480, 4920, 1890, 360}},
    {&frmMain::lblAtomicnum, "Atomic Number", {6960, 5400, 1815, 255}, &frmMain::lblNumber, "Atomic Number", {6960, 5640, 1980, 360}},
    {&frmMain::lblAtomicMassHeading, "Atomic Mass", {9480, 5400, 2295, 375}, &frmMain::lblAtomicMass, "AtomicMass", {9480, 5640, 1530, 360}},
    // "Celcius" in both headings is the spelling players have always seen; kept on purpose.
    {&frmMain::lblMeltingHeading, "Melting Point Celcius", {9480, 6120, 2295, 375}, &frmMain::lblMelting, "MeltingPoint", {9480, 6360, 1905, 360}},
    {&frmMain::lblBoilingHeading, "Boiling Point Celcius", {9480, 6840, 2295, 375}, &frmMain::lblBoiling, "BoilingPoint", {9480, 7080, 1725, 360}},
};

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Periodic Table"));
    setWindowIcon(catalogue::AppIcon());
    CreateControls();
    CreateMenus();
    // The status bar belongs to the client area; the surface takes the rest of it.
    sbStatusBar = new platform::StatusBar(this, QStringLiteral("Status"));
    setStatusBar(sbStatusBar);
    // The design size shows every cell whole, whatever height the platform's status bar takes.
    resize(platform::UnitsToPixels(kClientWidth), menuBar()->sizeHint().height()
                                                      + platform::UnitsToPixels(kSurfaceHeight)
                                                      + sbStatusBar->sizeHint().height());
    shell::WireEvents(*this);
}

frmMain::~frmMain() = default;

void frmMain::CreateControls()
{
    Surface = new platform::Surface(this);
    QPalette pal = Surface->palette();
    // The window background is the system colour for menu text.
    pal.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText));
    Surface->setPalette(pal);
    Surface->setMinimumSize(0, 0);
    setCentralWidget(Surface);

    // Labels first, so cells and the holder lie above any label they share pixels with.
    const LabelStyle clockBig{kPurple, 18, Qt::AlignHCenter, true};
    const LabelStyle clockRight{kPurple, 13.5, Qt::AlignRight, false};
    const LabelStyle clockColon{kPurple, 13.5, Qt::AlignLeft, true};
    lblTime = new Label(Surface, QStringLiteral("Time"), {2160, 1440, 855, 435}, clockBig);
    lblMin = new Label(Surface, QStringLiteral("00"), {2160, 1800, 375, 375}, clockRight);
    lblColon = new Label(Surface, QStringLiteral(":"), {2520, 1800, 135, 345}, clockColon);
    lblSec = new Label(Surface, QStringLiteral("00"), {2520, 1800, 375, 375}, clockRight);
    for (Label* label : {lblTime, lblMin, lblColon, lblSec})
        label->hide();

    const LabelStyle heading{kGreen, 12, Qt::AlignLeft, false};
    const LabelStyle value{kRed, 13.5, Qt::AlignLeft, true};
    for (const InfoRow& row : kInfoRows) {
        this->*row.heading = new Label(Surface, QString::fromLatin1(row.headingCaption), row.headingRect, heading);
        this->*row.value = new Label(Surface, QString::fromLatin1(row.valueCaption), row.valueRect, value);
    }

    for (const LegendRow& row : kLegends) {
        const LabelStyle style{kRed, 13.5, row.align, row.autoSize};
        Label* label = new Label(Surface, QString::fromLatin1(row.caption), row.rect, style);
        label->hide();
        this->*row.label = label;
    }

    const LabelStyle scoreName{kPurple, 9.75, Qt::AlignLeft, false};
    const LabelStyle scoreMin{kPurple, 9.75, Qt::AlignRight, false};
    const LabelStyle scoreSec{kPurple, 9.75, Qt::AlignLeft, false};
    for (int r = 0; r < 9; ++r) {
        const int top = 120 + 480 * r;
        for (int k = 0; k < 4; ++k) {
            Label* name = new Label(Surface, QStringLiteral("Name"), {9120, top, 1695, 375}, scoreName);
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
    Carry = new platform::PointerCarry(this);

    Timer1 = new platform::Timer(this, 1000);
}

void frmMain::CreateMenus()
{
    using platform::AddItem;
    using platform::AddMenu;
    using platform::AddSeparator;
    using platform::Item;
    QMenuBar* bar = menuBar();

    mnuFile = AddMenu(bar, QStringLiteral("&File"));
    // The unavailable items are shown greyed, so the File separator that goes with them is not shown.
    mnuFileBar5 = AddSeparator(mnuFile, false);
    mnuFileExit = AddItem(mnuFile, QStringLiteral("E&xit"), Item::Available);

    mnuView = AddMenu(bar, QStringLiteral("&View"));
    mnuMetals = AddItem(mnuView, QStringLiteral("Show &Metals"), Item::Available);
    mnuNonMetals = AddItem(mnuView, QStringLiteral("Show &Nonmetals"), Item::Available);
    mnuRare = AddItem(mnuView, QStringLiteral("Show &Rare-Earth"), Item::Available);
    Seperator[0] = AddSeparator(mnuView);
    mnuAlkali = AddItem(mnuView, QStringLiteral("&Alkali Metals"), Item::Unavailable);
    mnuAlkaline = AddItem(mnuView, QStringLiteral("A&lkaline Earth"), Item::Unavailable);
    mnuTransition = AddItem(mnuView, QStringLiteral("&Transition Metals"), Item::Unavailable);
    mnuAluminum = AddItem(mnuView, QStringLiteral("Al&uminum Group"), Item::Unavailable);
    mnuCarbon = AddItem(mnuView, QStringLiteral("&Carbon Group"), Item::Unavailable);
    mnuNitrogen = AddItem(mnuView, QStringLiteral("N&itrogen Group"), Item::Unavailable);
    mnuOxygen = AddItem(mnuView, QStringLiteral("&Oxygen Group"), Item::Unavailable);
    mnuHalogens = AddItem(mnuView, QStringLiteral("&Halogens"), Item::Unavailable);
    // "Nobel(Inert) Gases" is the spelling players have always seen; kept on purpose.
    mnuNobel = AddItem(mnuView, QStringLiteral("No&bel(Inert) Gases"), Item::Unavailable);
    mnuLanthanide = AddItem(mnuView, QStringLiteral("&Lanthanide Series"), Item::Unavailable);
    mnuActinide = AddItem(mnuView, QStringLiteral("Actini&de Series"), Item::Unavailable);
    Sepera = AddSeparator(mnuView);
    mnuAll = AddItem(mnuView, QStringLiteral("Show &All"), Item::Available);

    mnuPlayGame = AddMenu(bar, QStringLiteral("&Play Game"));
    mnuPlayCommon = AddItem(mnuPlayGame, QStringLiteral("Play &Common Elements"), Item::Available);
    mnuPlay = AddItem(mnuPlayGame, QStringLiteral("P&lay All"), Item::Unavailable, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuWONumber = AddItem(mnuPlayGame, QStringLiteral("Play C&ommon w/o Atomic Number"), Item::Unavailable);
    mnuPlayAtomic = AddItem(mnuPlayGame, QStringLiteral("Play &All w/o Atomic Number"), Item::Unavailable);
}

int frmMain::CellOf(const QWidget* widget) const
{
    for (int i = 0; i < catalogue::kElementCount; ++i)
        if (Image1[i] == widget)
            return i;
    return -1;
}

Label* frmMain::NameLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].name)[mode]; }
Label* frmMain::MinLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].minutes)[mode]; }
Label* frmMain::SecLabel(int rank, int mode) const { return (this->*kRanks[rank - 1].seconds)[mode]; }

Label* frmMain::LegendLabel(Group group) const { return this->*LegendOf(group).label; }
QAction* frmMain::GroupMenuItem(Group group) const { return this->*LegendOf(group).menuItem; }

void frmMain::Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (onUnload)
        onUnload();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused; the unload runs once however the window is closed.
    Unload();
    event->accept();
}
