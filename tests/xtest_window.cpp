// The main window on a real X server (a private Xvfb), driven by real pointer and key input from
// xdotool: the window as the program opens it, pointing at the chart, the Play menu's keys and the
// holder's tile dragged for real. A child copy of this executable, started as the program starts,
// shows that a stored size far beyond the screen opens a window that fits it, and is saved so. With VELMOR08_SCREENSHOT=path set, the last case also writes a
// picture of a game in progress to that path.
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/tiles.h"
#include "game/game.h"
#include "platform/app.h"
#include "platform/random.h"
#include "platform/units.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kHydrogen = 0, kScandium = 20, kIron = 25, kCobalt = 26, kCopper = 28, kRadon = 85, kMeitnerium = 108;

enum Target {
    OwnCell,
    WrongEmptyCell,
    WrongTiledCell,
    HeadingLabel,
    ScoreLabel,
    ClockLabel,
    StatusBar,
    BareWindow,
    OutsideWindow,
    EscapeOverCell
};
enum Pointing { AtCell, AtOverlap, AtLabel, AtStatusBar, AtBare };
constexpr int kAll = -1, kPlay = -2; // what an access key chooses besides one group

// A child copy of this executable set this variable runs the program instead of the tests.
const char* const kGameVariable = "VELMOR08_XTEST_GAME";

// Child: the program's start; says "ready" and its window's id once the window is up, then runs.
int GameChild()
{
    const std::unique_ptr<frmMain> form = shell::StartUp();
    if (!QTest::qWaitForWindowExposed(form.get(), kWait))
        return 1;
    std::printf("ready %llu\n", static_cast<unsigned long long>(form->winId()));
    std::fflush(stdout);
    return QApplication::exec();
}

// Resident memory of a process in kB, from the kernel's account of it.
qint64 ResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The size of an X window as the server knows it (xdotool getwindowgeometry).
QSize ServerSize(const QString& window)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", window});
    if (!xdotool.waitForFinished(kWait))
        return {};
    QSize size;
    for (const QString& line : QString::fromLatin1(xdotool.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            size.setWidth(line.mid(6).toInt());
        if (line.startsWith(QLatin1String("HEIGHT=")))
            size.setHeight(line.mid(7).toInt());
    }
    return size;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowComesUpWithTheChart();
    void chartShowsFamilyColours_data();
    void chartShowsFamilyColours();
    void pointingFillsAndEmptiesThePanel_data();
    void pointingFillsAndEmptiesThePanel();
    void commonGameStartsFromTheKeyboard();
    void greyedPlayItemsIgnoreTheirKeys();
    void accessKeyOfTheOnlyAvailableItemChoosesIt_data();
    void accessKeyOfTheOnlyAvailableItemChoosesIt();
    void dragOfTheHoldersTile_data();
    void dragOfTheHoldersTile();
    void rightDropsInARow();
    void hugeStoredSizeFitsTheScreen();

private:
    void Play(std::vector<Step> steps);
    void StartCommonGameFromKeyboard();
    std::vector<Step> PressAndCross(bool viaRadon);
    std::vector<Step> DragTo(QWidget* target, QPoint global, bool viaRadon);
    QPoint BareBelowHolder() const;
    QPoint BareBesideChart() const;
    void Settle();

    std::unique_ptr<frmMain> form_;
    EventLog log_;
    SeededDraws draws_{20240817};
};

void WindowTest::initTestCase()
{
    RequireXdotool();
    if (QTest::currentTestFailed())
        return;
    // Every draw goes through a replayable source that counts the values taken.
    draws_.route();
    StartMainWindow(form_, log_);
}

void WindowTest::cleanupTestCase()
{
    CloseMainWindow(form_, log_);
    SeededDraws::unroute();
}

void WindowTest::Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }

// Lets every reaction that is already queued (a drop on a cell runs once the drag is over) happen.
void WindowTest::Settle()
{
    bool done = false;
    QTimer::singleShot(0, this, [this, &done] { QTimer::singleShot(0, this, [&done] { done = true; }); });
    QTRY_VERIFY_WITH_TIMEOUT(done, kWait);
}

QPoint WindowTest::BareBelowHolder() const
{
    const QRect holder = form_->chart->imgHolder->geometry();
    return QPoint(holder.center().x(), holder.bottom() + 16);
}

// Between column 18 and the information panel, level with radon.
QPoint WindowTest::BareBesideChart() const
{
    const QRect radon = form_->chart->Image1[kRadon]->geometry();
    return QPoint(radon.right() + 14, radon.center().y());
}

void WindowTest::StartCommonGameFromKeyboard()
{
    frmMain& f = *form_;
    game::ClearBoard(*f.chart); // no game before the keys, so the start below is theirs
    QCOMPARE(game::ActiveMode(*f.chart), game::kNoMode);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    Play({Input({"key", "alt+p"}, [&f] { return f.mnuPlayGame->isVisible(); }, "Alt+P opens the Play Game menu"),
          Input({"key", "c"}, [&f] { return !f.mnuPlayGame->isVisible() && game::ActiveMode(*f.chart) == 1; },
                "C chooses Play Common Elements")});
}

// Presses on the holder and crosses bare window (and then radon's cell), the button held.
std::vector<Step> WindowTest::PressAndCross(bool viaRadon)
{
    frmMain& f = *form_;
    PictureBox* holder = f.chart->imgHolder;
    PictureBox* radon = f.chart->Image1[kRadon];
    const QPoint start = CentreOf(holder);
    const QPoint bare = f.chart->Surface->mapToGlobal(BareBelowHolder());
    const QSize tile = holder->dragImage().deviceIndependentSize().toSize();
    const QPoint tileCorner = bare + QPoint(0, 1) - QPoint(tile.width() / 2, tile.height() / 2) + QPoint(3, 4);
    const QRgb fill = catalogue::FamilyColour(f.chart->CurrentElement).rgb();
    std::vector<Step> steps = {
        Input(MoveTo(start - QPoint(1, 0)) + MoveTo(start), [this, holder] { return log_.seen(holder, QEvent::MouseMove); },
              "pointer on the holder"),
        Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); },
              "a press on the holder begins the drag gesture"),
        Input(MoveTo(bare), [this, &f, holder] { return log_.seen(f.chart->Surface, QEvent::DragMove) && !holder->shown(); },
              "over bare window the holder hides"),
        // The drag image is the offered tile, centred on the pointer: its fill shows near its corner.
        Input(MoveTo(bare + QPoint(0, 1)), [tileCorner, fill] { return Near(ScreenPixel(tileCorner), fill); },
              "the offered tile follows the pointer"),
    };
    if (viaRadon)
        steps.push_back(Input(MoveTo(CentreOf(radon)),
                              [this, &f, radon] {
                                  return log_.seen(radon, QEvent::DragMove) && f.chart->lblName->caption() == Name(kRadon);
                              },
                              "the drag over radon's cell shows radon"));
    return steps;
}

// The whole drag: press, cross, and release over the target (or outside the window: no target).
std::vector<Step> WindowTest::DragTo(QWidget* target, QPoint global, bool viaRadon)
{
    PictureBox* holder = form_->chart->imgHolder;
    PictureBox* radon = form_->chart->Image1[kRadon];
    std::vector<Step> steps = PressAndCross(viaRadon);
    if (target)
        steps.push_back(Input(MoveTo(global), [this, target] { return log_.seen(target, QEvent::DragMove); }, "over the target"));
    else // leaving the window: the last widget under the tile learns that the drag left it
        steps.push_back(Input(MoveTo(global), [this, radon] { return log_.seen(radon, QEvent::DragLeave); }, "out of the window"));
    steps.push_back(Input({"mouseup", "1"}, [holder] { return !holder->inDragLoop(); }, "the release ends the drag"));
    return steps;
}

void WindowTest::windowComesUpWithTheChart()
{
    frmMain& f = *form_;
    QCOMPARE(f.windowTitle(), QStringLiteral("Periodic Table"));
    // The X server knows the window under that title.
    QProcess search;
    search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^Periodic Table$"});
    QVERIFY(search.waitForFinished(kWait));
    const QStringList ids = QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(ids, QStringList{QString::number(f.winId())});
    QCOMPARE(f.geometry(), QRect(0, 0, 900, 700)); // the stored placement

    // Every cell lies whole inside the window's client area and on the screen.
    const QRect client(f.chart->Surface->mapToGlobal(QPoint(0, 0)), f.chart->Surface->size());
    const QRect screen = f.screen()->geometry();
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        const QRect cell(f.chart->Image1[i]->mapToGlobal(QPoint(0, 0)), f.chart->Image1[i]->size());
        QVERIFY2(client.contains(cell) && screen.contains(cell), qPrintable(Name(i)));
        QVERIFY2(!f.chart->Image1[i]->picture().isNull() && f.chart->Image1[i]->isVisible(), qPrintable(Name(i)));
    }
    QVERIFY(!f.chart->imgHolder->shown());
}

void WindowTest::chartShowsFamilyColours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("hydrogen light grey") << 0 << QRgb(0xD5D5D5);
    QTest::newRow("helium yellow") << 1 << QRgb(0xF0F130);
    QTest::newRow("lithium red") << 2 << QRgb(0xFF0101);
    QTest::newRow("barium mauve") << 55 << QRgb(0xCB6699);
    QTest::newRow("aluminium green") << 12 << QRgb(0x33CD33);
    QTest::newRow("tin olive") << 49 << QRgb(0xCDCD33);
    QTest::newRow("nitrogen peach") << 6 << QRgb(0xFFCD99);
    QTest::newRow("sulphur orange") << 15 << QRgb(0xFF9934);
    QTest::newRow("iodine brown") << 52 << QRgb(0xCB6633);
    QTest::newRow("iron blue") << 25 << QRgb(0x0199FF);
    QTest::newRow("meitnerium blue") << 108 << QRgb(0x0199FF);
    QTest::newRow("cerium cyan") << 57 << QRgb(0x01CDCD);
    QTest::newRow("thorium sea green") << 89 << QRgb(0x339967);
}

void WindowTest::chartShowsFamilyColours()
{
    QFETCH(int, index);
    QFETCH(QRgb, fill);
    const PictureBox* cell = form_->chart->Image1[index];
    // Inside the fill, clear of the digits (which start 6 pixels in) and of the symbol below them:
    // near the top-left and the top-right corners of the tile, past the cell's border.
    const int in = PictureBox::kBorder;
    for (const QPoint local : {QPoint(in + 3, in + 4), QPoint(cell->width() - in - 4, in + 4)}) {
        const QPoint at = cell->mapToGlobal(local);
        QTRY_VERIFY2_WITH_TIMEOUT(Near(ScreenPixel(at), fill),
                                  qPrintable(QStringLiteral("%1 at %2,%3").arg(ScreenPixel(at).name()).arg(at.x()).arg(at.y())),
                                  kWait);
    }
}

void WindowTest::pointingFillsAndEmptiesThePanel_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("toCell");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::newRow("hydrogen, then bare window empties") << kHydrogen << int(AtBare) << -1 << "" << "";
    QTest::newRow("iron, then a heading label keeps iron") << kIron << int(AtLabel) << -1 << "Iron" << "26";
    QTest::newRow("iron, then the status bar keeps iron") << kIron << int(AtStatusBar) << -1 << "Iron" << "26";
    QTest::newRow("hydrogen, then meitnerium") << kHydrogen << int(AtCell) << kMeitnerium << "Meitnerium" << "109";
    QTest::newRow("iron, then its strip shared with cobalt") << kIron << int(AtOverlap) << kCobalt << "Cobalt" << "27";
}

void WindowTest::pointingFillsAndEmptiesThePanel()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, toCell);
    QFETCH(QString, name);
    QFETCH(QString, number);
    frmMain& f = *form_;
    PictureBox* start = f.chart->Image1[from];

    QWidget* target = nullptr;
    QPoint local; // in the surface
    switch (Pointing(to)) {
    case AtCell:
        target = f.chart->Image1[toCell];
        local = target->geometry().center();
        break;
    case AtOverlap: // the right-hand neighbour lies on top in the strip two cells share
        target = f.chart->Image1[toCell];
        local = QPoint(start->geometry().right(), start->geometry().center().y());
        break;
    case AtLabel:
        target = f.chart->lblElementHeading;
        local = target->geometry().center();
        break;
    case AtStatusBar:
        target = f.sbStatusBar;
        local = f.chart->Surface->mapFromGlobal(CentreOf(target));
        break;
    case AtBare:
        target = f.chart->Surface;
        local = BareBesideChart();
        break;
    }
    if (target != f.sbStatusBar)
        QCOMPARE(f.chart->Surface->childAt(local) ? f.chart->Surface->childAt(local) : f.chart->Surface, target);

    Play({Input(MoveTo(CentreOf(start)),
                [&] { return log_.seen(start, QEvent::MouseMove) && f.chart->lblName->caption() == Name(from); },
                "pointing at the first cell shows it"),
          Input(MoveTo(f.chart->Surface->mapToGlobal(local)), [&] { return log_.seen(target, QEvent::MouseMove); },
                "the pointer reaches the target")});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.chart->lblName->caption(), name);
    QCOMPARE(f.chart->lblNumber->caption(), number);
}

void WindowTest::commonGameStartsFromTheKeyboard()
{
    StartCommonGameFromKeyboard();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    QVERIFY(f.chart->lblFirstName[1]->isVisible());
    QVERIFY(f.chart->lblTime->isVisible() && f.chart->lblMin->isVisible() && f.chart->lblColon->isVisible() && f.chart->lblSec->isVisible());
    QCOMPARE(f.chart->PlacedCount, qint16(59));
    QVERIFY(catalogue::IsCommon(f.chart->CurrentElement));
    QVERIFY(f.chart->imgHolder->isVisible());
    QCOMPARE(f.chart->imgHolder->picture().cacheKey(), f.chart->frmHold.Picture(f.chart->CurrentElement).cacheKey());

    // On screen: the holder shows the offered tile's colour, an empty common cell the black window,
    // a cell outside the common set its tile.
    const auto pixelOf = [](const QWidget* w) { return w->mapToGlobal(QPoint(PictureBox::kBorder + 3, PictureBox::kBorder + 4)); };
    const QRgb offered = catalogue::FamilyColour(f.chart->CurrentElement).rgb();
    QTRY_VERIFY_WITH_TIMEOUT(Near(ScreenPixel(pixelOf(f.chart->imgHolder)), offered), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(Near(ScreenPixel(CentreOf(f.chart->Image1[kHydrogen])), 0x000000), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(Near(ScreenPixel(pixelOf(f.chart->Image1[kScandium])), 0x0199FF), kWait);
    // The clock runs.
    QTRY_VERIFY_WITH_TIMEOUT(f.chart->lblSec->caption() != QStringLiteral("00"), kWait);
}

void WindowTest::greyedPlayItemsIgnoreTheirKeys()
{
    frmMain& f = *form_;
    game::ClearBoard(*f.chart);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    const auto menuOpen = [&f] { return f.mnuPlayGame->isVisible(); };
    std::vector<Step> steps = {Input({"key", "ctrl+p"}, [] { return true; }, "Ctrl+P")};
    // The access keys of "P&lay All", "Play C&ommon w/o Atomic Number", "Play &All w/o Atomic Number".
    for (const char* key : {"l", "o", "a"}) {
        steps.push_back(Input({"key", "alt+p"}, menuOpen, "Alt+P opens the Play Game menu"));
        steps.push_back(Input({"key", key}, [] { return true; }, "the access key of a greyed item"));
        steps.push_back(Input({"key", "Escape"}, [menuOpen] { return !menuOpen(); }, "Escape closes the menu"));
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    Settle();
    QCOMPARE(game::ActiveMode(*f.chart), game::kNoMode);
    QVERIFY(!f.chart->imgHolder->shown());
}

// "Show &All" shares its key with the greyed "&Alkali Metals"; the greyed item does not count.
void WindowTest::accessKeyOfTheOnlyAvailableItemChoosesIt_data()
{
    QTest::addColumn<QString>("menuKey");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("group"); // the group shown, kAll for the whole chart, kPlay for a game
    QTest::newRow("View, A shows all") << "alt+v" << "a" << kAll;
    QTest::newRow("View, M shows the metals") << "alt+v" << "m" << int(catalogue::Group::Metals);
    QTest::newRow("View, N shows the nonmetals") << "alt+v" << "n" << int(catalogue::Group::NonMetals);
    QTest::newRow("View, R shows the rare earths") << "alt+v" << "r" << int(catalogue::Group::RareEarth);
    QTest::newRow("Play Game, C starts the game") << "alt+p" << "c" << kPlay;
}

void WindowTest::accessKeyOfTheOnlyAvailableItemChoosesIt()
{
    QFETCH(QString, menuKey);
    QFETCH(QString, key);
    QFETCH(int, group);
    frmMain& f = *form_;
    game::ClearBoard(*f.chart); // every cell empty, no game: whatever shows afterwards is the key's doing
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    QMenu* menu = menuKey == QLatin1String("alt+v") ? f.mnuView : f.mnuPlayGame;
    const auto chosen = [&f, menu, group] {
        if (menu->isVisible())
            return false;
        if (group == kPlay)
            return game::ActiveMode(*f.chart) == 1;
        return group == kAll ? f.chart->lblMetals->shown() && f.chart->lblNonMetals->shown() && f.chart->lblRareEarth->shown()
                             : f.chart->LegendLabel(catalogue::Group(group))->shown();
    };
    Play({Input({"key", menuKey}, [menu] { return menu->isVisible(); }, "the access key opens the menu"),
          Input({"key", key}, chosen, "the item's access key chooses it at once")});
    if (QTest::currentTestFailed())
        return;
    if (group == kPlay)
        return;
    int tiles = 0;
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        const bool shown = group == kAll || catalogue::IsMember(catalogue::Group(group), i);
        QCOMPARE(f.chart->Image1[i]->picture().isNull(), !shown);
        if (shown)
            QCOMPARE(f.chart->Image1[i]->picture().cacheKey(), f.chart->frmHold.Picture(i).cacheKey());
        tiles += shown;
    }
    QCOMPARE(tiles, group == kAll ? catalogue::kElementCount : int(catalogue::Members(catalogue::Group(group)).size()));
}

void WindowTest::dragOfTheHoldersTile_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("places");
    QTest::addColumn<bool>("draws");
    QTest::newRow("own cell places the tile") << int(OwnCell) << true << true;
    QTest::newRow("wrong empty cell draws again") << int(WrongEmptyCell) << false << true;
    QTest::newRow("wrong cell that shows a tile draws again") << int(WrongTiledCell) << false << true;
    // After the tile has crossed bare window: the holder comes back with the same element.
    QTest::newRow("heading label gives the tile back") << int(HeadingLabel) << false << false;
    QTest::newRow("score label gives the tile back") << int(ScoreLabel) << false << false;
    QTest::newRow("clock gives the tile back") << int(ClockLabel) << false << false;
    QTest::newRow("status bar gives the tile back") << int(StatusBar) << false << false;
    QTest::newRow("bare window gives the tile back") << int(BareWindow) << false << false;
    QTest::newRow("outside the window gives the tile back") << int(OutsideWindow) << false << false;
    QTest::newRow("escape over a cell gives the tile back") << int(EscapeOverCell) << false << false;
}

void WindowTest::dragOfTheHoldersTile()
{
    QFETCH(int, target);
    QFETCH(bool, places);
    QFETCH(bool, draws);
    StartCommonGameFromKeyboard();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    const qint16 offered = f.chart->CurrentElement;
    const qint16 placedBefore = f.chart->PlacedCount;

    int cell = -1; // the cell released over
    QWidget* widget = nullptr;
    QPoint global;
    switch (Target(target)) {
    case OwnCell: cell = offered; break;
    case WrongEmptyCell: cell = offered == kIron ? kCopper : kIron; break;
    case WrongTiledCell: cell = kScandium; break; // outside the common set: shows its tile
    case HeadingLabel: widget = f.chart->lblElementHeading; break;
    case ScoreLabel: widget = f.chart->lblFirstName[1]; break;
    case ClockLabel: widget = f.chart->lblMin; break;
    case StatusBar: widget = f.sbStatusBar; break;
    case BareWindow:
        widget = f.chart->Surface;
        global = f.chart->Surface->mapToGlobal(BareBesideChart());
        break;
    case OutsideWindow: global = f.frameGeometry().bottomRight() + QPoint(40, 40); break;
    case EscapeOverCell: break;
    }
    if (cell >= 0)
        widget = f.chart->Image1[cell];
    if (widget && widget != f.chart->Surface)
        global = CentreOf(widget);
    const qint64 cellPicture = cell >= 0 ? f.chart->Image1[cell]->picture().cacheKey() : 0;
    if (cell >= 0)
        QCOMPARE(f.chart->Image1[cell]->picture().isNull(), cell != kScandium);

    const int drawsBefore = draws_.count();
    std::vector<Step> steps;
    if (Target(target) == EscapeOverCell) {
        steps = PressAndCross(true);
        steps.push_back(Input({"key", "Escape"}, [&f] { return !f.chart->imgHolder->inDragLoop(); }, "Escape ends the drag"));
        steps.push_back(Input({"mouseup", "1"}, [] { return true; }, "release"));
    } else {
        steps = DragTo(widget, global, true);
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    Settle();

    QVERIFY(f.chart->imgHolder->isVisible());
    QCOMPARE(f.chart->PlacedCount, qint16(placedBefore + (places ? 1 : 0)));
    QCOMPARE(draws_.count() > drawsBefore, draws);
    // The panel shows the last cell the tile passed over; bare window does not empty it.
    QCOMPARE(f.chart->lblName->caption(), cell >= 0 ? Name(cell) : Name(kRadon));
    if (places) {
        QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), f.chart->frmHold.Picture(cell).cacheKey());
        QVERIFY(!f.chart->frmHold.Pending(cell));
        QVERIFY(f.chart->CurrentElement != offered);
    } else if (cell >= 0) {
        QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), cellPicture);
    }
    if (!draws)
        QCOMPARE(f.chart->CurrentElement, offered);
    QVERIFY(f.chart->frmHold.Pending(f.chart->CurrentElement));
    QCOMPARE(f.chart->imgHolder->picture().cacheKey(), f.chart->frmHold.Picture(f.chart->CurrentElement).cacheKey());
}

// Several right drops one after the other: each places its tile on screen, and each next drag
// carries the newly offered tile. With VELMOR08_SCREENSHOT set, the game in progress (window at
// the layout's size, clock running, pointer on a cell) is then written there as the README picture.
void WindowTest::rightDropsInARow()
{
    frmMain& f = *form_;
    const QString screenshot = qEnvironmentVariable("VELMOR08_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        // The layout's size: its surface above the platform's status bar (a smaller one would
        // draw the chart at a smaller scale).
        const QSize size(platform::UnitsToPixels(chart::kClientWidth),
                         f.menuBar()->height() + platform::UnitsToPixels(chart::kSurfaceHeight) + f.sbStatusBar->height());
        f.resize(size);
        QTRY_COMPARE_WITH_TIMEOUT(f.size(), size, kWait);
    }
    StartCommonGameFromKeyboard();
    if (QTest::currentTestFailed())
        return;
    for (int n = 0; n < 6; ++n) {
        const int cell = f.chart->CurrentElement;
        const qint16 before = f.chart->PlacedCount;
        Play(DragTo(f.chart->Image1[cell], CentreOf(f.chart->Image1[cell]), false));
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(f.chart->PlacedCount, qint16(before + 1), kWait);
        const QPoint fill = f.chart->Image1[cell]->mapToGlobal(QPoint(PictureBox::kBorder + 3, PictureBox::kBorder + 4));
        QTRY_VERIFY2_WITH_TIMEOUT(Near(ScreenPixel(fill), catalogue::FamilyColour(cell).rgb()), qPrintable(Name(cell)),
                                  kWait);
    }
    if (screenshot.isEmpty())
        return;

    Play({Input(MoveTo(CentreOf(f.chart->Image1[kIron])), [&] { return f.chart->lblName->caption() == Name(kIron); }, "point at iron")});
    QTRY_VERIFY_WITH_TIMEOUT(f.chart->ElapsedSeconds >= 3, kWait);
    // The screen once the window has painted everything: the same as the window's own rendering.
    const QRect frame = f.frameGeometry();
    QImage shot;
    QTRY_VERIFY_WITH_TIMEOUT(
        (shot = f.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage()
                    .convertToFormat(QImage::Format_RGB32)) == f.grab().toImage().convertToFormat(QImage::Format_RGB32),
        kWait);
    QVERIFY(shot.save(screenshot, "PNG", 0)); // quality 0: the strongest PNG compression
}

// MainWidth and MainHeight of 2000000000 units, with no window manager to hold the window to the
// screen: the window takes the screen's room, not 32767 pixels square and gigabytes of memory,
// and the exit saves that size, so the next start is a normal one.
void WindowTest::hugeStoredSizeFitsTheScreen()
{
    testsupport::ResetSettings();
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("velmor08"), QStringLiteral("velmor08"));
    const std::pair<const char*, const char*> placement[] = {
        {"MainLeft", "0"}, {"MainTop", "0"}, {"MainWidth", "2000000000"}, {"MainHeight", "2000000000"}};
    for (const auto& [key, value] : placement)
        store.setValue(QStringLiteral("Settings/") + QLatin1String(key), QLatin1String(value));
    store.sync();
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();

    QProcess game;
    QProcessEnvironment environment = testsupport::ChildEnvironment();
    environment.insert(QString::fromLatin1(kGameVariable), QStringLiteral("1"));
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(QCoreApplication::applicationFilePath(), {});
    QElapsedTimer clock;
    clock.start();
    while (!game.canReadLine() && game.state() != QProcess::NotRunning && clock.elapsed() < 10 * kWait)
        game.waitForReadyRead(100);
    const QStringList ready = QString::fromLatin1(game.readLine()).trimmed().split(QLatin1Char(' '));
    QCOMPARE(ready.value(0), QStringLiteral("ready"));
    QCOMPARE(ServerSize(ready.value(1)), room);
    const qint64 residentKb = ResidentKb(game.processId());
    QVERIFY2(residentKb > 0 && residentKb < 400 * 1024, qPrintable(QString::number(residentKb)));

    QCOMPARE(::kill(pid_t(game.processId()), SIGTERM), 0);
    QVERIFY(game.waitForFinished(kWait));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
    store.sync();
    QCOMPARE(store.value(QStringLiteral("Settings/MainWidth")).toString(), QString::number(room.width() * 15));
    QCOMPARE(store.value(QStringLiteral("Settings/MainHeight")).toString(), QString::number(room.height() * 15));
}

int main(int argc, char** argv)
{
    testsupport::Prepare(argc, argv);
    // Opened as the program opens it.
    const auto app = platform::OpenApplication(argc, argv);
    if (qEnvironmentVariableIsSet(kGameVariable))
        return GameChild();
    testsupport::RouteDialogsToLog();
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "xtest_window.moc"
