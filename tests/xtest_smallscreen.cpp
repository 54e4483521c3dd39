// The chart on small and scaled screens, on a real X server (a private Xvfb) with real input from
// xdotool. The window takes the whole screen, as a window manager maximising it would; the chart
// must show whole in it and a player must be able to place tiles on the actinide row, the bottom
// one, by a real drag, by click-then-click and by the keyboard. The suite runs this test on the
// tests' usual screen (the window larger than the layout: the chart as designed), on a 640x480
// screen, and with QT_SCALE_FACTOR=2 on the usual 1280x1024 screen (a 640x512 logical screen).
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/tiles.h"
#include "game/game.h"
#include "platform/focusmark.h"
#include "shell/frmMain.h"
#include "chart/scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <deque>
#include <random>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kThorium = 89, kUranium = 91, kLawrencium = 102; // the actinide row's first, third and last
enum Way { Drag, Click, Keys };

} // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void wholeChartShows();
    void placeOnTheActinideRow_data();
    void placeOnTheActinideRow();

private:
    void Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }

    std::unique_ptr<frmMain> form_;
    EventLog log_;
    std::deque<int> wanted_; // the elements the next draws give
    std::mt19937 rng_{20250301};
};

void SmallScreenTest::initTestCase()
{
    RequireXdotool();
    if (QTest::currentTestFailed())
        return;
    // A draw gives the next wanted element (both draw formulas take r = (index + 0.5) / 109 to
    // that index), then any.
    platform::testing::RouteRandom([this] {
        if (wanted_.empty())
            return float(rng_() >> 8) * (1.0f / 16777216.0f);
        const int index = wanted_.front();
        wanted_.pop_front();
        return float((index + 0.5) / catalogue::kElementCount);
    });
    StartMainWindow(form_, log_, QGuiApplication::primaryScreen()->availableGeometry());
}

void SmallScreenTest::cleanupTestCase()
{
    CloseMainWindow(form_, log_);
    platform::testing::RouteRandom({});
}

void SmallScreenTest::wholeChartShows()
{
    frmMain& f = *form_;
    const QRect screen = f.screen()->geometry();
    QCOMPARE(f.frameGeometry(), screen);
    const qreal scale = chart::FitScale(f.chart->Surface->size());
    QTRY_COMPARE_WITH_TIMEOUT(f.chart->Surface->scale(), scale, kWait);
    const bool small = f.chart->Surface->width() * 15 < chart::kClientWidth || f.chart->Surface->height() * 15 < chart::kSurfaceHeight;
    QCOMPARE(scale < 1, small);
    if (!small) // as designed
        QCOMPARE(f.chart->Image1[kLawrencium]->geometry(), QRect(560, 464, 35, 45));

    game::StartGame(*f.chart, 0);
    const QRect client = GlobalRect(f.chart->Surface);
    for (const PictureBox* frame : f.chart->Image1) {
        const int i = f.chart->CellOf(frame);
        QVERIFY2(client.contains(GlobalRect(frame)) && screen.contains(GlobalRect(frame)), qPrintable(Name(i)));
        // The pointer finds the cell at its centre.
        QCOMPARE(f.chart->Surface->childAt(frame->geometry().center()), frame);
    }
    QVERIFY(f.chart->imgHolder->isVisible() && client.contains(GlobalRect(f.chart->imgHolder)));
    // The tiles of the scaled cells are painted for the screen's pixels: each is drawn one to one.
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        const QSize inside = (QSizeF(f.chart->Image1[i]->size() - QSize(4, 4)) * Ratio()).toSize();
        QCOMPARE(f.chart->frmHold.Picture(i).size(), inside);
        QCOMPARE(f.chart->frmHold2.Picture(i).size(), inside);
    }
    QCOMPARE(f.chart->imgHolder->size(), f.chart->Image1[f.chart->CurrentElement]->size());
}

void SmallScreenTest::placeOnTheActinideRow_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("cell");
    QTest::newRow("a real drag onto lawrencium") << int(Drag) << kLawrencium;
    QTest::newRow("click, then click on thorium") << int(Click) << kThorium;
    QTest::newRow("the keyboard onto uranium") << int(Keys) << kUranium;
}

void SmallScreenTest::placeOnTheActinideRow()
{
    QFETCH(int, way);
    QFETCH(int, cell);
    frmMain& f = *form_;
    wanted_ = {cell};
    game::StartGame(*f.chart, 0);
    QCOMPARE(int(f.chart->CurrentElement), cell);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));
    PictureBox* holder = f.chart->imgHolder;
    PictureBox* target = f.chart->Image1[cell];
    const auto placed = [&f, cell] { return f.chart->PlacedCount == 1 && !f.chart->frmHold.Pending(cell); };

    std::vector<Step> steps;
    switch (Way(way)) {
    case Drag: {
        const QRect around = holder->geometry();
        const QPoint bare = f.chart->Surface->mapToGlobal(QPoint(around.center().x(), around.bottom() + 12));
        steps = {Input(MoveToPoint(CentreOf(holder) - QPoint(1, 0)) + MoveToWidget(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); },
                       "pointer on the holder"),
                 Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); }, "a press on the holder"),
                 Input(MoveToPoint(bare), [this, &f] { return log_.seen(f.chart->Surface, QEvent::DragMove); }, "the tile dragged over bare window"),
                 Input(MoveToWidget(target), [this, target] { return log_.seen(target, QEvent::DragMove); },
                       QStringLiteral("the tile dragged over ") + Name(cell)),
                 Input({"mouseup", "1"}, placed, "the release places the tile")};
        break;
    }
    case Click:
        steps = {Input(MoveToWidget(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
                 Input({"click", "1"}, [&f] { return f.chart->Carry->active(); }, "a click lifts the tile onto the pointer"),
                 Input(MoveToWidget(target), [this, target] { return log_.seen(target, QEvent::MouseMove); },
                       QStringLiteral("the carried tile over ") + Name(cell)),
                 Input({"click", "1"}, placed, "a click on the cell places the tile")};
        break;
    case Keys: {
        // The mark on screen: its frame over the cell's border, a black keyline either side.
        const auto markShows = [target] {
            const QPoint border = target->mapToGlobal(QPoint(0, target->height() / 2));
            return ScreenPixel(border - QPoint(1, 0)) == platform::FocusMark::kKeyline
                && ScreenPixel(border) == platform::FocusMark::kColour
                && ScreenPixel(border + QPoint(2, 0)) == platform::FocusMark::kKeyline;
        };
        steps = {Input({"key", "space"}, [&f] { return game::MarkedCell(*f.chart) == 0; }, "Space picks the tile up"),
                 Input(QStringList{"key"} + KeysToCell(cell),
                       [&f, cell, markShows] { return game::MarkedCell(*f.chart) == cell && markShows(); },
                       QStringLiteral("the arrow keys take the mark, on screen, to ") + Name(cell)),
                 Input({"key", "Return"}, placed, "Enter places the tile")};
        break;
    }
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(target->picture().cacheKey(), f.chart->frmHold.Picture(cell).cacheKey());
    // The placed tile shows in its cell on the screen.
    const QPoint fill = target->mapToGlobal(QPoint(PictureBox::kBorder + 2, PictureBox::kBorder + 3));
    QTRY_VERIFY2_WITH_TIMEOUT(Near(ScreenPixel(fill), catalogue::FamilyColour(cell).rgb()),
                              qPrintable(ScreenPixel(fill).name()), kWait);
    QVERIFY(GlobalRect(f.chart->Surface).contains(GlobalRect(target)));
    game::EndKeyboardPlacement(*f.chart);
}

VELMOR08_TEST_MAIN(SmallScreenTest)
#include "xtest_smallscreen.moc"
