#pragma once
// Helpers of the real-window tests on Wayland (tests/wtest_*.cpp), run by run-in-weston.sh: where
// weston's X window is, and where the game window's points lie on the X screen, so that xdotool
// input reaches them through the compositor.
#include "xtestsupport.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>

#include <optional>

namespace xtestsupport {

inline QString WestonWindow() { return qEnvironmentVariable("WESTON_WINDOW"); }

// The top-left corner of weston's X window on the X screen; nullopt when it cannot be had.
inline std::optional<QPoint> WestonOrigin()
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", WestonWindow()});
    if (!xdotool.waitForFinished(kWait) || xdotool.exitCode() != 0)
        return std::nullopt;
    std::optional<int> x, y;
    for (const QByteArray& line : xdotool.readAllStandardOutput().split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        else if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    return x && y ? std::optional<QPoint>(QPoint(*x, *y)) : std::nullopt;
}

// The platform is Wayland, under run-in-weston.sh, and xdotool is there to fake input on its X screen.
inline void RequireWeston()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY2(!WestonWindow().isEmpty(), "run under tests/run-in-weston.sh, which sets WESTON_WINDOW");
    QVERIFY2(WestonOrigin(), "xdotool and weston's X window are needed");
}

// Where window-local points of the game's window lie on the X screen. A Wayland client knows
// neither its place on the output nor the pointer's place outside it, so the offset is measured:
// the pointer is put at two points of weston's X window and the window-local places the game is
// told of are read from its own pointer events.
class Seat : public QObject {
public:
    // Measures the offset for the window; false when the pointer's events do not arrive or disagree.
    bool calibrate(QWidget* window)
    {
        window_ = window;
        const std::optional<QPoint> origin = WestonOrigin();
        if (!origin)
            return false;
        qApp->installEventFilter(this);
        std::optional<QPoint> offsets[2];
        const QPoint probes[2] = {{window->width() / 2, window->height() / 2}, {window->width() / 3, window->height() / 4}};
        for (int n = 0; n < 2; ++n) {
            last_.reset();
            if (!Xdo(MoveOver(*origin + probes[n])))
                break;
            QElapsedTimer clock;
            clock.start();
            while (!last_ && clock.elapsed() < kWait)
                QTest::qWait(10);
            if (last_)
                offsets[n] = *origin + probes[n] - *last_;
        }
        qApp->removeEventFilter(this);
        if (!offsets[0] || !offsets[1] || *offsets[0] != *offsets[1])
            return false;
        offset_ = *offsets[0];
        return true;
    }
    // On the X screen: the point of a widget, its middle by default.
    QPoint at(const QWidget* widget, std::optional<QPoint> local = {}) const
    {
        return widget->mapTo(widget->window(), local.value_or(widget->rect().center())) + offset_;
    }
    static QStringList MoveOver(QPoint onScreen) { return MoveTo(onScreen); }
    QStringList moveTo(const QWidget* widget, std::optional<QPoint> local = {}) const { return MoveOver(at(widget, local)); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && receiver->isWidgetType()
            && static_cast<QWidget*>(receiver)->window() == window_)
            last_ = static_cast<QMouseEvent*>(event)->scenePosition().toPoint();
        return false;
    }

private:
    QWidget* window_ = nullptr;
    std::optional<QPoint> last_;
    QPoint offset_;
};

} // namespace xtestsupport
