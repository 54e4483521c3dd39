// Placing the holder's tile without dragging, on a real X server (a private Xvfb) with real input
// from xdotool: a click picks the tile up and a click on a cell puts it down; Space, the arrow keys
// and Enter do the same from the keyboard. Both give the same counts, pictures and next draw as a
// drag; Escape and clicks elsewhere give the tile back; a whole game is finished by the keyboard
// alone, through the congratulation box and the name box to File, Exit.
#include "platform/testing.h"
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "game/game.h"
#include "platform/dialogs.h"
#include "platform/focusmark.h"
#include "platform/random.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include <map>
#include <queue>
#include <random>
#include <utility>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kHydrogen = 0, kScandium = 20, kIron = 25, kCopper = 28, kRadon = 85;
enum Way { Pointer, Keys };
enum Target { OwnCell, WrongEmptyCell, WrongTiledCell };
enum GiveBack { EscapeKey, BareWindow, HeadingLabel, StatusBar, MenuBar };

bool CursorShowsTile(const frmMain& f)
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->pixmap().toImage() == f.chart->imgHolder->dragImage().toImage();
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void placeWithoutDragging_data();
    void placeWithoutDragging();
    void tileGoesBack_data();
    void tileGoesBack();
    void wholeGameByKeyboard();

private:
    void Play(std::vector<Step> steps);
    void StartCommonGame();
    std::vector<Step> PickUp(Way way);
    std::vector<Step> MarkCell(int cell);

    std::unique_ptr<frmMain> form_;
    EventLog log_;
    SeededDraws draws_{20250611};
};

void PlacementTest::initTestCase()
{
    RequireXdotool();
    if (QTest::currentTestFailed())
        return;
    // Every draw goes through a replayable source that counts the values taken.
    draws_.route();
    StartMainWindow(form_, log_);
}

void PlacementTest::cleanupTestCase()
{
    CloseMainWindow(form_, log_);
    SeededDraws::unroute();
}

void PlacementTest::Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }

// A game of common elements, the window holding the keyboard and the pointer resting on the chart.
void PlacementTest::StartCommonGame()
{
    frmMain& f = *form_;
    game::StartGame(*f.chart, 1);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    // By bare window below the holder, where no other step goes, so that each move is a real one.
    const QRect holder = f.chart->imgHolder->geometry();
    const QPoint bare = f.chart->Surface->mapToGlobal(QPoint(holder.center().x(), holder.bottom() + 16));
    Play({Input(MoveTo(bare), [this, &f] { return log_.seen(f.chart->Surface, QEvent::MouseMove); }, "the pointer on bare window"),
          Input(MoveTo(CentreOf(f.chart->Image1[kRadon])), [this, &f] { return log_.seen(f.chart->Image1[kRadon], QEvent::MouseMove); },
                "the pointer rests on the chart")});
}

std::vector<Step> PlacementTest::PickUp(Way way)
{
    frmMain& f = *form_;
    PictureBox* holder = f.chart->imgHolder;
    if (way == Keys)
        return {Input({"key", "space"},
                      [&f] { return game::MarkedCell(*f.chart) == kHydrogen && f.chart->lblName->caption() == Name(kHydrogen); },
                      "Space picks the tile up and marks hydrogen's cell")};
    return {Input(MoveTo(CentreOf(holder)), [this, holder] { return log_.seen(holder, QEvent::MouseMove); },
                  "pointer on the holder"),
            Input({"click", "1"}, [&f, holder] { return f.chart->Carry->active() && !holder->shown() && CursorShowsTile(f); },
                  "a click lifts the tile onto the pointer")};
}

std::vector<Step> PlacementTest::MarkCell(int cell)
{
    frmMain& f = *form_;
    const QStringList keys = ArrowKeys(game::MarkedCell(*f.chart) < 0 ? kHydrogen : game::MarkedCell(*f.chart), cell);
    if (keys.isEmpty())
        return {};
    return {Input(QStringList{"key"} + keys, [&f, cell] { return game::MarkedCell(*f.chart) == cell && f.chart->lblName->caption() == Name(cell); },
                  QStringLiteral("the arrow keys take the mark to ") + Name(cell))};
}

void PlacementTest::placeWithoutDragging_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("target");
    for (const auto& [way, wayName] : {std::pair{Pointer, "click"}, std::pair{Keys, "keys"}}) {
        QTest::addRow("%s: own cell places the tile", wayName) << int(way) << int(OwnCell);
        QTest::addRow("%s: wrong empty cell draws again", wayName) << int(way) << int(WrongEmptyCell);
        QTest::addRow("%s: wrong cell with a tile draws again", wayName) << int(way) << int(WrongTiledCell);
    }
}

void PlacementTest::placeWithoutDragging()
{
    QFETCH(int, way);
    QFETCH(int, target);
    StartCommonGame();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    const qint16 offered = f.chart->CurrentElement;
    const qint16 placedBefore = f.chart->PlacedCount;
    const int cell = target == OwnCell ? offered : target == WrongTiledCell ? kScandium : offered == kIron ? kCopper : kIron;
    const qint64 cellPicture = f.chart->Image1[cell]->picture().cacheKey();
    const int drawsBefore = draws_.count();

    std::vector<Step> steps = PickUp(Way(way));
    if (way == Keys) {
        Play(std::move(steps));
        if (QTest::currentTestFailed())
            return;
        steps = MarkCell(cell);
        // The mark on screen: its frame over the cell's two-pixel border, a black keyline either side.
        const QPoint border = f.chart->Image1[cell]->mapToGlobal(QPoint(0, f.chart->Image1[cell]->height() / 2));
        steps.push_back({[] { return true; },
                         [border] {
                             return ScreenPixel(border - QPoint(1, 0)) == platform::FocusMark::kKeyline
                                 && ScreenPixel(border) == platform::FocusMark::kColour
                                 && ScreenPixel(border + QPoint(1, 0)) == platform::FocusMark::kColour
                                 && ScreenPixel(border + QPoint(2, 0)) == platform::FocusMark::kKeyline;
                         },
                         QStringLiteral("the mark is drawn round the cell")});
        steps.push_back(Input({"key", "Return"}, [this, drawsBefore] { return draws_.count() > drawsBefore; }, "Enter drops the tile"));
    } else {
        steps.push_back(Input(MoveTo(CentreOf(f.chart->Image1[cell])),
                              [this, &f, cell] { return log_.seen(f.chart->Image1[cell], QEvent::MouseMove) && f.chart->lblName->caption() == Name(cell); },
                              "the carried tile over the cell shows its element"));
        steps.push_back(Input({"click", "1"}, [&f] { return !f.chart->Carry->active(); }, "a click on the cell drops the tile"));
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;

    const bool places = target == OwnCell;
    QVERIFY(f.chart->imgHolder->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(f.chart->PlacedCount, qint16(placedBefore + (places ? 1 : 0)));
    QVERIFY(draws_.count() > drawsBefore);
    if (places) {
        QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), f.chart->frmHold.Picture(cell).cacheKey());
        QVERIFY(!f.chart->frmHold.Pending(cell));
        QVERIFY(f.chart->CurrentElement != offered);
    } else {
        QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), cellPicture);
        QVERIFY(f.chart->frmHold.Pending(offered));
    }
    QVERIFY(f.chart->frmHold.Pending(f.chart->CurrentElement));
    QCOMPARE(f.chart->imgHolder->picture().cacheKey(), f.chart->frmHold.Picture(f.chart->CurrentElement).cacheKey());
    // The keyboard goes on placing the next tile from the same cell; the pointer carries nothing.
    QCOMPARE(game::MarkedCell(*f.chart), way == Keys ? cell : -1);
    if (way == Keys)
        game::EndKeyboardPlacement(*f.chart);
}

void PlacementTest::tileGoesBack_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("giveBack");
    QTest::newRow("keys: Escape") << int(Keys) << int(EscapeKey);
    QTest::newRow("click: Escape") << int(Pointer) << int(EscapeKey);
    QTest::newRow("click: bare window") << int(Pointer) << int(BareWindow);
    QTest::newRow("click: heading label") << int(Pointer) << int(HeadingLabel);
    QTest::newRow("click: status bar") << int(Pointer) << int(StatusBar);
    QTest::newRow("click: menu bar, which stays shut") << int(Pointer) << int(MenuBar);
}

void PlacementTest::tileGoesBack()
{
    QFETCH(int, way);
    QFETCH(int, giveBack);
    StartCommonGame();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    const qint16 offered = f.chart->CurrentElement;
    const qint16 placedBefore = f.chart->PlacedCount;
    const int drawsBefore = draws_.count();

    std::vector<Step> steps = PickUp(Way(way));
    const auto back = [&f] { return !f.chart->Carry->active() && game::MarkedCell(*f.chart) < 0 && f.chart->imgHolder->shown(); };
    QPoint at;
    switch (GiveBack(giveBack)) {
    case EscapeKey: break;
    case BareWindow: {
        const QRect radon = f.chart->Image1[kRadon]->geometry();
        at = f.chart->Surface->mapToGlobal(QPoint(radon.right() + 14, radon.center().y()));
        break;
    }
    case HeadingLabel: at = CentreOf(f.chart->lblElementHeading); break;
    case StatusBar: at = CentreOf(f.sbStatusBar); break;
    case MenuBar: at = f.menuBar()->mapToGlobal(f.menuBar()->actionGeometry(f.mnuFile->menuAction()).center()); break;
    }
    if (GiveBack(giveBack) == EscapeKey) {
        steps.push_back(Input({"key", "Escape"}, back, "Escape gives the tile back"));
    } else {
        steps.push_back(Input(MoveTo(at), [] { return true; }, "to the place of the click"));
        steps.push_back(Input({"click", "1"}, back, "the click gives the tile back"));
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(f.chart->imgHolder->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(f.chart->shpMark->isHidden());
    QCOMPARE(f.chart->CurrentElement, offered);
    QCOMPARE(f.chart->PlacedCount, placedBefore);
    QCOMPARE(draws_.count(), drawsBefore);
    QVERIFY(!f.mnuFile->isVisible());
}

// Alt+P and C start the game; three tiles are left (the rest are counted as placed, as if played
// already); Space, the arrows and Enter place them; Return closes the congratulation, a typed name
// and Return enter the row; the keyboard is back on the game window, and Alt+F, X ends the game.
void PlacementTest::wholeGameByKeyboard()
{
    frmMain& f = *form_;
    game::ClearBoard(*f.chart);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    platform::testing::RouteDialogs({}, {}); // the real dialogs
    const QString name = QStringLiteral("Ada Keys");
    QString prompt;
    std::vector<Step> steps = {
        Input({"key", "alt+p"}, [&f] { return f.mnuPlayGame->isVisible(); }, "Alt+P opens the Play Game menu"),
        Input({"key", "c"}, [&f] { return !f.mnuPlayGame->isVisible() && game::ActiveMode(*f.chart) == 1; },
              "C starts a game of common elements"),
        {[&f] {
             int left = 0;
             for (int i = 0; i < catalogue::kElementCount; ++i) {
                 const bool pending = i == f.chart->CurrentElement || (catalogue::IsCommon(i) && i != kHydrogen && left < 2);
                 left += pending && i != f.chart->CurrentElement;
                 f.chart->frmHold.SetPending(i, pending);
                 if (!pending)
                     f.chart->Image1[i]->setPicture(f.chart->frmHold.Picture(i));
             }
             f.chart->PlacedCount = catalogue::kElementCount - 3;
             return true;
         },
         [] { return true; }, "three tiles are left"},
    };
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    Play(PickUp(Keys));
    for (int n = 0; n < 3 && !QTest::currentTestFailed(); ++n) {
        const int cell = f.chart->CurrentElement;
        steps = MarkCell(cell);
        if (n < 2)
            steps.push_back(Input({"key", "Return"}, [&f, cell] { return !f.chart->frmHold.Pending(cell) && f.chart->PlacedCount < 109; },
                                  "Enter places the tile"));
        Play(std::move(steps));
    }
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.chart->PlacedCount, qint16(catalogue::kElementCount - 1));
    const QString minutes = f.chart->lblMin->caption();
    Play({Input({"key", "Return"},
                [&f] {
                    QMessageBox* box = OpenDialog<QMessageBox>();
                    return HasKeyboard(box) && box->text() == QStringLiteral("Congratulations for completing the Periodic Table")
                        && !f.chart->Timer1->enabled() && game::MarkedCell(*f.chart) < 0;
                },
                "Enter places the last tile and the congratulation opens"),
          Input({"key", "Return"},
                [&prompt] {
                    QInputDialog* input = OpenDialog<QInputDialog>();
                    if (OpenDialog<QMessageBox>() || !HasKeyboard(input))
                        return false;
                    prompt = input->labelText();
                    return true;
                },
                "Return closes the congratulation and the name box opens"),
          Input({"type", "--delay", "30", name}, [name] { return OpenDialog<QInputDialog>() && OpenDialog<QInputDialog>()->textValue() == name; },
                "the name is typed"),
          Input({"key", "Return"}, [&f, name] { return !OpenDialog<QInputDialog>() && f.chart->lblFirstName[1]->caption() == name; },
                "Return enters the row"),
          // With no click in between: the keyboard player goes on to File, Exit, which ends the
          // program (so this case comes last).
          {[] { return true; }, [&f] { return HasKeyboard(&f); }, "the keyboard is back on the game window"},
          Input({"key", "alt+f"}, [&f] { return f.mnuFile->isVisible(); }, "Alt+F opens the File menu"),
          Input({"key", "x"}, [&f] { return !f.isVisible(); }, "X chooses Exit and the window closes")});
    testsupport::RouteDialogsToLog();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.chart->PlacedCount, qint16(catalogue::kElementCount));
    QCOMPARE(prompt, QStringLiteral("Enter your Name."));
    QCOMPARE(f.chart->lblFirstMin[1]->caption(), minutes);
    QCOMPARE(f.chart->lblFirstSec[1]->caption(), QStringLiteral(":") + f.chart->lblSec->caption());
    QVERIFY(!f.chart->imgHolder->shown());
}

VELMOR08_TEST_MAIN(PlacementTest)
#include "xtest_placement.moc"
