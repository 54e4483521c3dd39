#pragma once
// Helpers of the real-window tests (tests/xtest_*.cpp): real input through xdotool, played step by
// step from a timer. Header-only, so that each such test builds from its own source and testsupport.cpp.
#include "platform/testing.h"
#include "testsupport.h"

#include "catalogue/elements.h"
#include "game/game.h"
#include "platform/random.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <queue>
#include <random>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace xtestsupport {

inline constexpr int kWait = 20000; // ms for one step: generous, the machine may be busy

inline QPoint CentreOf(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }
inline QRect GlobalRect(const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); }

// The element's name as the panel shows it.
inline QString Name(int index)
{
    const std::string_view name = catalogue::Element(index).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The colour of one screen pixel, and whether it is within a few levels of a colour.
inline QColor ScreenPixel(QPoint global)
{
    const QImage pixel = QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}
inline bool Near(const QColor& a, QRgb b)
{
    const QColor want = QColor::fromRgb(b);
    return a.isValid() && qAbs(a.red() - want.red()) <= 4 && qAbs(a.green() - want.green()) <= 4
        && qAbs(a.blue() - want.blue()) <= 4;
}

// xdotool works in the screen's own pixels, Qt in logical ones: these moves scale by the screen's
// device pixel ratio.
inline qreal Ratio() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
inline QStringList MoveToPoint(QPoint global)
{
    const QPoint native = (QPointF(global) * Ratio()).toPoint();
    return {"mousemove", QString::number(native.x()), QString::number(native.y())};
}
inline QStringList MoveToWidget(const QWidget* widget) { return MoveToPoint(CentreOf(widget)); }

// The keys that take the keyboard's mark from hydrogen to a cell: down to its row, then right.
inline QStringList KeysToCell(int cell)
{
    QStringList keys;
    int at = 0;
    while (catalogue::Element(at).row != catalogue::Element(cell).row) {
        at = game::NeighbourCell(at, game::Direction::Down);
        keys << QStringLiteral("Down");
    }
    while (at != cell) {
        at = game::NeighbourCell(at, game::Direction::Right);
        keys << QStringLiteral("Right");
    }
    return keys;
}

// The arrow keys that take the mark from one cell to another, fewest first.
inline QStringList ArrowKeys(int from, int to)
{
    const std::pair<game::Direction, const char*> arrows[] = {{game::Direction::Left, "Left"},
                                                              {game::Direction::Right, "Right"},
                                                              {game::Direction::Up, "Up"},
                                                              {game::Direction::Down, "Down"}};
    std::map<int, std::pair<int, const char*>> cameFrom{{from, {from, nullptr}}};
    std::queue<int> open;
    open.push(from);
    while (!open.empty() && !cameFrom.count(to)) {
        const int cell = open.front();
        open.pop();
        for (const auto& [direction, key] : arrows)
            if (const int next = game::NeighbourCell(cell, direction); !cameFrom.count(next)) {
                cameFrom[next] = {cell, key};
                open.push(next);
            }
    }
    QStringList keys;
    for (int cell = to; cell != from; cell = cameFrom.at(cell).first)
        keys.prepend(QString::fromLatin1(cameFrom.at(cell).second));
    return keys;
}

inline QStringList MoveTo(QPoint global)
{
    return {"mousemove", QString::number(global.x()), QString::number(global.y())};
}

// Runs xdotool and waits for it; the input it fakes is on the X server when it returns.
inline bool Xdo(const QStringList& args) { return QProcess::execute(QStringLiteral("xdotool"), args) == 0; }

// The platform is a real X server and xdotool is there to fake input on it.
inline void RequireXdotool()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {"version"});
    QVERIFY2(xdotool.waitForFinished(kWait) && xdotool.exitCode() == 0, "xdotool is needed");
}

// No window manager runs under Xvfb, so the maximised start keeps the stored placement: make it
// large enough for the whole chart, at the top-left corner of the screen (or another placement,
// in logical pixels).
inline void StorePlacement(const QRect& pixels = QRect(0, 0, 900, 700))
{
    testsupport::ResetSettings();
    const std::pair<const char*, int> placement[] = {{"MainLeft", pixels.x() * 15},
                                                     {"MainTop", pixels.y() * 15},
                                                     {"MainWidth", pixels.width() * 15},
                                                     {"MainHeight", pixels.height() * 15}};
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("velmor08"), QStringLiteral("velmor08"));
    for (const auto& [key, units] : placement)
        store.setValue(QStringLiteral("Settings/") + QString::fromLatin1(key), QString::number(units));
}

// The open dialog of a kind among the top-level widgets, if there is one.
template <class Dialog>
Dialog* OpenDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// Open and holding the keyboard, so that keys typed now reach it.
inline bool HasKeyboard(const QWidget* window) { return window && QApplication::activeWindow() == window; }

// Records which widget received which pointer or drag event, so that a step can wait until its
// input has arrived where it was aimed.
class EventLog : public QObject {
public:
    void clear() { seen_.clear(); }
    bool seen(const QWidget* receiver, QEvent::Type type) const { return seen_.count({receiver, type}) > 0; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            if (receiver->isWidgetType())
                seen_.insert({receiver, event->type()});
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::set<std::pair<const QObject*, QEvent::Type>> seen_;
};

// One action (mostly a piece of real input) and the condition that shows it has been handled.
struct Step {
    std::function<bool()> act; // false when the action could not be done
    std::function<bool()> until;
    QString what;
};

inline Step Input(const QStringList& xdo, std::function<bool()> until, const QString& what)
{
    return {[xdo] { return Xdo(xdo); }, std::move(until), what + QStringLiteral(" (xdotool ") + xdo.join(' ') + ')'};
}

// Plays steps one after the other from a timer. A timer goes on firing inside the nested event
// loops of a drag and of a modal dialog, so a script can drag, then answer the dialogs the drop
// opens. After a failure it closes every dialog that opens, so that no modal loop stays open.
class Script : public QObject {
public:
    Script(EventLog& log, std::vector<Step> steps, std::function<void()> onDone = {})
        : log_(log), steps_(std::move(steps)), onDone_(std::move(onDone))
    {
        connect(&timer_, &QTimer::timeout, this, &Script::poll);
        timer_.start(10);
    }
    bool finished() const { return finished_; }
    const QString& failure() const { return failure_; }

private:
    void poll()
    {
        if (finished_) {
            if (!failure_.isEmpty())
                for (QDialog* dialog : {static_cast<QDialog*>(OpenDialog<QMessageBox>()),
                                        static_cast<QDialog*>(OpenDialog<QInputDialog>())})
                    if (dialog)
                        dialog->reject();
            return;
        }
        const Step& step = steps_[next_];
        if (!started_) {
            started_ = true;
            log_.clear();
            clock_.start();
            if (!step.act())
                return fail(QStringLiteral("could not do: ") + step.what);
        }
        if (step.until()) {
            started_ = false;
            if (++next_ == steps_.size())
                finish();
        } else if (clock_.elapsed() > kWait) {
            fail(QStringLiteral("no effect of: ") + step.what);
        }
    }
    void fail(const QString& why)
    {
        failure_ = why;
        Xdo({"mouseup", "1"}); // never leave a button held, nor a drag running
        finish();
    }
    void finish()
    {
        finished_ = true;
        if (failure_.isEmpty())
            timer_.stop();
        if (onDone_)
            onDone_();
    }

    EventLog& log_;
    std::vector<Step> steps_;
    std::function<void()> onDone_;
    size_t next_ = 0;
    bool started_ = false;
    bool finished_ = false;
    QString failure_;
    QTimer timer_;
    QElapsedTimer clock_;
};

// Every draw of the game from a seeded source, counting the values it gives, so that a test can
// tell whether a reaction drew again.
class SeededDraws {
public:
    explicit SeededDraws(unsigned seed) : rng_(seed) {}
    void route()
    {
        platform::testing::RouteRandom([this] {
            ++count_;
            return float(rng_() >> 8) * (1.0f / 16777216.0f);
        });
    }
    static void unroute() { platform::testing::RouteRandom({}); }
    int count() const { return count_; }

private:
    std::mt19937 rng_;
    int count_ = 0;
};

// The main window as the program starts it, shown and holding the keyboard, with the log watching
// every event from now on. A caller checks QTest::currentTestFailed() afterwards.
inline void StartMainWindow(std::unique_ptr<frmMain>& form, EventLog& log,
                            const QRect& placement = QRect(0, 0, 900, 700))
{
    StorePlacement(placement);
    qApp->installEventFilter(&log);
    form = shell::StartUp();
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form.get(), kWait));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get(), kWait));
}

inline void CloseMainWindow(std::unique_ptr<frmMain>& form, EventLog& log)
{
    qApp->removeEventFilter(&log);
    if (form)
        form->close();
    form.reset();
}

// Plays the steps and fails the test with the first one that could not be done or had no effect.
inline void PlaySteps(EventLog& log, std::vector<Step> steps)
{
    Script script(log, std::move(steps));
    QTRY_VERIFY_WITH_TIMEOUT(script.finished(), 10 * kWait);
    QVERIFY2(script.failure().isEmpty(), qPrintable(script.failure()));
}

} // namespace xtestsupport
