// The zoom with the game as a native Wayland client of a private weston (run-in-weston.sh, on a
// 2560x1440 screen so that 200 % fits whole): the player zooms with the real keys or Ctrl and the
// real wheel, through the compositor, and places a tile by a real drag, by click-then-click and by
// the keyboard. Every cell is where the pointer and the screen reader find it, its tile painted for
// the zoomed size, and the placed tile shows on the screen where the compositor puts the window.
#include "wtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "catalogue/tiles.h"
#include "chart/scale.h"
#include "game/game.h"
#include "platform/units.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QAccessible>
#include <QImage>

#include <algorithm>
#include <deque>
#include <random>

using namespace xtestsupport;

namespace {

constexpr int kThorium = 89, kUranium = 91, kLawrencium = 102, kIron = 25;
enum Way { Drag, Click, Keys };

// The colour of one pixel of the X screen, as the compositor shows it there.
QColor XScreenPixel(QPoint onScreen)
{
    const QString shot = testsupport::TestHome() + QStringLiteral("/pixel.png");
    const QString crop = QStringLiteral("1x1+%1+%2").arg(onScreen.x()).arg(onScreen.y());
    if (QProcess::execute(QStringLiteral("import"), {"-window", "root", "-crop", crop, shot}) != 0)
        return QColor();
    const QImage pixel(shot);
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

} // namespace

class WaylandZoomTest : public QObject {
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
    Seat seat_;
    std::deque<int> wanted_;
    std::mt19937 rng_{20261211};
};

void WaylandZoomTest::initTestCase()
{
    RequireWeston();
    if (QTest::currentTestFailed())
        return;
    platform::testing::RouteRandom([this] {
        if (wanted_.empty())
            return float(rng_() >> 8) * (1.0f / 16777216.0f);
        const int index = wanted_.front();
        wanted_.pop_front();
        return float((index + 0.5) / catalogue::kElementCount);
    });
    StorePlacement(QRect(0, 0, 2000, 1250));
    qApp->installEventFilter(&log_);
    form_ = shell::StartUp();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get(), kWait));
    // No client can take the keyboard on Wayland: the compositor gives it to the new toplevel.
    QTRY_VERIFY_WITH_TIMEOUT(HasKeyboard(form_.get()), kWait);
    QVERIFY2(seat_.calibrate(form_.get()), "the pointer's place in weston's window could not be matched to the game's window");
}

void WaylandZoomTest::cleanupTestCase()
{
    CloseMainWindow(form_, log_);
    platform::testing::RouteRandom({});
}

void WaylandZoomTest::playZoomed_data()
{
    QTest::addColumn<QStringList>("zoom"); // xdotool's arguments, from 1:1
    QTest::addColumn<qreal>("asked");
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("cell");
    const QStringList plus4 = {"key", "ctrl+plus", "ctrl+plus", "ctrl+plus", "ctrl+plus"};
    const QStringList wheel4 = {"keydown", "ctrl", "click", "4", "click", "4", "click", "4", "click", "4", "keyup", "ctrl"};
    QTest::newRow("200 % by Ctrl+wheel, click then click on thorium") << wheel4 << 2.0 << int(Click) << kThorium;
    QTest::newRow("fit to window by Ctrl+9, the keyboard onto uranium") << QStringList{"key", "ctrl+9"} << chart::kFitToWindow
                                                                        << int(Keys) << kUranium;
    // Last: weston 10 takes the keyboard from the window when a drag starts and gives it to no
    // surface when the drag ends, until the player clicks a window.
    QTest::newRow("200 % by Ctrl+Plus, a real drag onto lawrencium") << plus4 << 2.0 << int(Drag) << kLawrencium;
}

void WaylandZoomTest::playZoomed()
{
    QFETCH(QStringList, zoom);
    QFETCH(qreal, asked);
    QFETCH(int, way);
    QFETCH(int, cell);
    frmMain& f = *form_;
    chart::Chart& c = *f.chart;
    QTRY_VERIFY_WITH_TIMEOUT(HasKeyboard(&f), kWait);

    // Back to 1:1 and zoomed again, with the pointer over the chart for the wheel.
    Play({Input({"key", "ctrl+0"}, [&c] { return c.Zoom == 1.0 && c.Surface->scale() == 1.0; }, "Ctrl+0 back to 1:1"),
          Input(seat_.moveTo(c.Image1[kIron]), [this, &f] {
                    const QList<QWidget*> widgets = f.findChildren<QWidget*>();
                    return std::any_of(widgets.begin(), widgets.end(), [this](QWidget* w) { return log_.seen(w, QEvent::MouseMove); });
                },
                "pointer on the chart where iron's cell is")});
    if (QTest::currentTestFailed())
        return;
    const qreal scale = chart::FitScale(c.Surface->size(), asked == chart::kFitToWindow ? chart::kLargestFit : asked);
    QVERIFY2(scale >= 1.5, qPrintable(QStringLiteral("the window leaves room for %1 only").arg(scale)));
    Play({Input(zoom, [&c, asked, scale] { return c.Zoom == asked && c.Surface->scale() == scale; }, "the zoom")});
    if (QTest::currentTestFailed())
        return;
    if (asked != chart::kFitToWindow)
        QCOMPARE(scale, asked);

    // Every cell inside the client area where the screen reader finds it, its tile painted for
    // its device pixels.
    QCOMPARE(c.Image1[0]->geometry(), platform::ScaledUnitsRect(catalogue::CellRect(0), scale));
    for (const PictureBox* frame : c.Image1) {
        const int i = c.CellOf(frame);
        QVERIFY2(c.Surface->rect().contains(frame->geometry()), qPrintable(Name(i)));
        QCOMPARE(c.Surface->childAt(frame->geometry().center()), frame);
        QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<PictureBox*>(frame))->rect(), GlobalRect(frame));
        const QSize inside = frame->size() - 2 * QSize(frame->border(), frame->border());
        QCOMPARE(c.frmHold.Picture(i).size(), (QSizeF(inside) * f.devicePixelRatioF()).toSize());
    }

    wanted_ = {cell};
    game::StartGame(c, 0);
    QCOMPARE(int(c.CurrentElement), cell);
    PictureBox* holder = c.imgHolder;
    PictureBox* target = c.Image1[cell];
    const auto placed = [&c, cell] { return c.PlacedCount == 1 && !c.frmHold.Pending(cell); };
    const auto shown = [&c, cell] { return c.lblName->caption() == Name(cell); };

    std::vector<Step> steps;
    switch (Way(way)) {
    case Drag: {
        const QRect around = holder->geometry();
        const QPoint bare = c.Surface->mapTo(&f, QPoint(around.center().x(), around.bottom() + 12));
        steps = {Input(seat_.moveTo(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
                 Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); }, "a press on the holder"),
                 Input(Seat::MoveOver(seat_.at(&f, bare)), [this, &c] { return log_.seen(c.Surface, QEvent::DragMove); },
                       "the tile dragged over bare window"),
                 Input(seat_.moveTo(target, target->rect().center() - QPoint(4, 3)),
                       [this, target] { return log_.seen(target, QEvent::DragMove); }, QStringLiteral("the tile reaches ") + Name(cell)),
                 Input(seat_.moveTo(target), [this, target, shown] { return log_.seen(target, QEvent::DragMove) && shown(); },
                       QStringLiteral("the tile over the middle of ") + Name(cell)),
                 Input({"mouseup", "1"}, placed, "the release places the tile")};
        break;
    }
    case Click:
        steps = {Input(seat_.moveTo(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
                 Input({"click", "1"}, [&c] { return c.Carry->active(); }, "a click lifts the tile onto the pointer"),
                 Input(seat_.moveTo(target), [this, target, shown] { return log_.seen(target, QEvent::MouseMove) && shown(); },
                       QStringLiteral("the carried tile over ") + Name(cell)),
                 Input({"click", "1"}, placed, "a click on the cell places the tile")};
        break;
    case Keys:
        steps = {Input({"key", "space"}, [&c] { return game::MarkedCell(c) == 0; }, "Space picks the tile up"),
                 Input(QStringList{"key"} + KeysToCell(cell),
                       [&c, cell, target, shown] {
                           return game::MarkedCell(c) == cell && shown() && c.shpMark->isVisible()
                               && c.shpMark->geometry() == target->geometry().adjusted(-1, -1, 1, 1);
                       },
                       QStringLiteral("the arrow keys take the mark to ") + Name(cell)),
                 Input({"key", "Return"}, placed, "Enter places the tile")};
        break;
    }
    Play(std::move(steps));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(target->picture().cacheKey(), c.frmHold.Picture(cell).cacheKey());
    // The placed tile on the screen as the compositor shows it: its fill where the fill is at 1:1, zoomed.
    const int in = target->border();
    const QPoint fill = seat_.at(target, QPoint(in + qRound(3 * scale), in + qRound(4 * scale)));
    QTRY_VERIFY2_WITH_TIMEOUT(Near(XScreenPixel(fill), catalogue::FamilyColour(cell).rgb()),
                              qPrintable(XScreenPixel(fill).name()), kWait);
    game::EndKeyboardPlacement(c);
}

VELMOR08_TEST_MAIN(WaylandZoomTest)
#include "wtest_zoom.moc"
