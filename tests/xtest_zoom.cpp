// The zoom on a real X server (a private Xvfb) with real input from xdotool: the window takes the
// whole screen, the player zooms with the real keys or Ctrl and the real wheel, to 200 % and to fit
// to window, and places tiles by a real drag, by click-then-click and by the keyboard. The suite
// runs it on the tests' usual 1280x1024 screen (where 200 % shrinks to fit), on a 1920x1080 one, and
// with QT_SCALE_FACTOR=2 on a 3840x2160 one (1920x1080 logical pixels, two device pixels to each).
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/tiles.h"
#include "platform/units.h"
#include "chart/scale.h"
#include "game/game.h"
#include "shell/frmMain.h"

#include <QAccessible>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <deque>
#include <random>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kThorium = 89, kUranium = 91, kLawrencium = 102, kIron = 25;
enum Way { Drag, Click, Keys };

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void playZoomed_data();
    void playZoomed();

private:
    void Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }

    std::unique_ptr<frmMain> form_;
    EventLog log_;
    std::deque<int> wanted_;
    std::mt19937 rng_{20251211};
};

void ZoomTest::initTestCase()
{
    RequireXdotool();
    if (QTest::currentTestFailed())
        return;
    platform::testing::RouteRandom([this] {
        if (wanted_.empty())
            return float(rng_() >> 8) * (1.0f / 16777216.0f);
        const int index = wanted_.front();
        wanted_.pop_front();
        return float((index + 0.5) / catalogue::kElementCount);
    });
    StartMainWindow(form_, log_, QGuiApplication::primaryScreen()->availableGeometry());
}

void ZoomTest::cleanupTestCase()
{
    CloseMainWindow(form_, log_);
    platform::testing::RouteRandom({});
}

void ZoomTest::playZoomed_data()
{
    QTest::addColumn<QStringList>("zoom"); // xdotool's arguments, from 1:1
    QTest::addColumn<qreal>("asked");
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("cell");
    const QStringList plus4 = {"key", "ctrl+plus", "ctrl+plus", "ctrl+plus", "ctrl+plus"};
    const QStringList equal4 = {"key", "ctrl+equal", "ctrl+equal", "ctrl+equal", "ctrl+equal"};
    const QStringList wheel4 = {"keydown", "ctrl", "click", "4", "click", "4", "click", "4", "click", "4", "keyup", "ctrl"};
    const QStringList fit = {"key", "ctrl+9"};
    QTest::newRow("200 % by Ctrl+Plus, a real drag onto lawrencium") << plus4 << 2.0 << int(Drag) << kLawrencium;
    QTest::newRow("200 % by Ctrl+wheel, click then click on thorium") << wheel4 << 2.0 << int(Click) << kThorium;
    QTest::newRow("200 % by Ctrl+=, the keyboard onto uranium") << equal4 << 2.0 << int(Keys) << kUranium;
    QTest::newRow("150 % by Ctrl+Plus, the keyboard onto thorium") << QStringList{"key", "ctrl+plus", "ctrl+plus"} << 1.5
                                                                   << int(Keys) << kThorium;
    QTest::newRow("fit to window, a real drag onto iron") << fit << chart::kFitToWindow << int(Drag) << kIron;
    QTest::newRow("fit to window, the keyboard onto lawrencium") << fit << chart::kFitToWindow << int(Keys) << kLawrencium;
}

void ZoomTest::playZoomed()
{
    QFETCH(QStringList, zoom);
    QFETCH(qreal, asked);
    QFETCH(int, way);
    QFETCH(int, cell);
    frmMain& f = *form_;
    chart::Chart& c = *f.chart;
    QCOMPARE(f.frameGeometry(), f.screen()->geometry());
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f, kWait));

    // Back to 1:1 and zoomed again, with the pointer over the chart for the wheel.
    const qreal scale = chart::FitScale(c.Surface->size(), asked == chart::kFitToWindow ? chart::kLargestFit : asked);
    Play({Input({"key", "ctrl+0"}, [&c] { return c.Zoom == 1.0 && c.Surface->scale() == 1.0; }, "Ctrl+0 back to 1:1")});
    if (QTest::currentTestFailed())
        return;
    Play({Input(MoveToPoint(CentreOf(c.Image1[kIron]) - QPoint(1, 0)) + MoveToWidget(c.Image1[kIron]),
                [&c] { return GlobalRect(c.Image1[kIron]).contains(QCursor::pos()); }, "pointer on the chart"),
          Input(zoom, [&c, asked, scale] { return c.Zoom == asked && c.Surface->scale() == scale; }, "the zoom")});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(scale >= 1.5);

    // The chart whole on the screen from the window's top-left corner; every cell where the
    // pointer and the screen reader find it, its tile painted for its device pixels.
    const QRect client = GlobalRect(c.Surface);
    const QRect screen = f.screen()->geometry();
    QCOMPARE(c.Image1[0]->geometry(), platform::ScaledUnitsRect(catalogue::CellRect(0), scale));
    for (const PictureBox* frame : c.Image1) {
        const int i = c.CellOf(frame);
        QVERIFY2(client.contains(GlobalRect(frame)) && screen.contains(GlobalRect(frame)), qPrintable(Name(i)));
        QCOMPARE(c.Surface->childAt(frame->geometry().center()), frame);
        QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<PictureBox*>(frame))->rect(), GlobalRect(frame));
        const QSize inside = frame->size() - 2 * QSize(frame->border(), frame->border());
        QCOMPARE(c.frmHold.Picture(i).size(), (QSizeF(inside) * Ratio()).toSize());
    }

    wanted_ = {cell};
    game::StartGame(c, 0);
    QCOMPARE(int(c.CurrentElement), cell);
    QVERIFY(client.contains(GlobalRect(c.imgHolder)));
    PictureBox* holder = c.imgHolder;
    PictureBox* target = c.Image1[cell];
    const auto placed = [&c, cell] { return c.PlacedCount == 1 && !c.frmHold.Pending(cell); };
    // Pointing at a cell shows its element in the panel.
    const auto shown = [&c, cell] { return c.lblName->caption() == Name(cell); };

    std::vector<Step> steps;
    switch (Way(way)) {
    case Drag: {
        const QRect around = holder->geometry();
        const QPoint bare = c.Surface->mapToGlobal(QPoint(around.center().x(), around.bottom() + 12));
        steps = {Input(MoveToPoint(CentreOf(holder) - QPoint(1, 0)) + MoveToWidget(holder),
                       [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
                 Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); }, "a press on the holder"),
                 Input(MoveToPoint(bare), [this, &c] { return log_.seen(c.Surface, QEvent::DragMove); }, "the tile dragged over bare window"),
                 Input(MoveToWidget(target), [this, target, shown] { return log_.seen(target, QEvent::DragMove) && shown(); },
                       QStringLiteral("the tile dragged over ") + Name(cell)),
                 Input({"mouseup", "1"}, placed, "the release places the tile")};
        break;
    }
    case Click:
        steps = {Input(MoveToWidget(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
                 Input({"click", "1"}, [&c] { return c.Carry->active(); }, "a click lifts the tile onto the pointer"),
                 Input(MoveToWidget(target), [this, target, shown] { return log_.seen(target, QEvent::MouseMove) && shown(); },
                       QStringLiteral("the carried tile over ") + Name(cell)),
                 Input({"click", "1"}, placed, "a click on the cell places the tile")};
        break;
    case Keys:
        steps = {Input({"key", "space"}, [&c] { return game::MarkedCell(c) == 0; }, "Space picks the tile up"),
                 Input(QStringList{"key"} + KeysToCell(cell),
                       [&c, cell, target, shown] {
                           return game::MarkedCell(c) == cell && shown()
                               && c.shpMark->isVisible() && c.shpMark->geometry() == target->geometry().adjusted(-1, -1, 1, 1);
                       },
                       QStringLiteral("the arrow keys take the mark to ") + Name(cell)),
                 Input({"key", "Return"}, placed, "Enter places the tile")};
        break;
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(target->picture().cacheKey(), c.frmHold.Picture(cell).cacheKey());
    // The placed tile shows in its cell on the screen, its fill where the fill is at 1:1, zoomed.
    const int in = target->border();
    const QPoint fill = target->mapToGlobal(QPoint(in + qRound(3 * scale), in + qRound(4 * scale)));
    QTRY_VERIFY2_WITH_TIMEOUT(Near(ScreenPixel(fill), catalogue::FamilyColour(cell).rgb()),
                              qPrintable(ScreenPixel(fill).name()), kWait);
    game::EndKeyboardPlacement(c);
}

VELMOR08_TEST_MAIN(ZoomTest)
#include "xtest_zoom.moc"
