#include "firstframe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include <valgrind/callgrind.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace bench {
namespace {

// Waits until the X server has handled every request sent so far, the frame's image among them.
void SyncWithServer()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

class FirstPaintFilter : public QObject {
public:
    explicit FirstPaintFilter(std::function<QString()> extra) : extra_(std::move(extra)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            if (qobject_cast<const QMainWindow*>(window)) {
                seen_ = true;
                const std::int64_t paintBegins = MonotonicNs();
                MarkStep("paint-begins");
                // Paint events arrive while the frame is drawn; the zero timer runs once the
                // whole frame is drawn and flushed to the window.
                QTimer::singleShot(0, [extra = extra_, paintBegins] {
                    SyncWithServer();
                    const std::int64_t now = MonotonicNs();
                    MarkStep("first-frame");
                    QString pairs = QStringLiteral("first_frame_ns=%1 rss_kb=%2 cpu_ms=%3 paint_begins_ns=%4")
                                        .arg(now)
                                        .arg(ResidentKb())
                                        .arg(double(ProcessCpuNs()) / 1e6, 0, 'f', 3)
                                        .arg(paintBegins);
                    if (extra)
                        pairs += QLatin1Char(' ') + extra();
                    Report(pairs);
                    ::_exit(0);
                });
            }
        }
        return false;
    }

private:
    std::function<QString()> extra_;
    bool seen_ = false;
};

} // namespace

std::int64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::int64_t ProcessCpuNs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return std::int64_t(used.tv_sec) * 1000000000 + used.tv_nsec;
}

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // Files under /proc report no size: read until the end rather than testing atEnd().
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void ReportFirstFrame(std::function<QString()> extraPairs)
{
    qApp->installEventFilter(new FirstPaintFilter(std::move(extraPairs)));
}

void MarkStep(const char* step)
{
    // The macro takes a non-const text.
    QByteArray name(step);
    CALLGRIND_DUMP_STATS_AT(name.data());
}

void Report(const QString& pairs)
{
    std::printf("%s\n", qPrintable(pairs));
    std::fflush(stdout);
}

} // namespace bench
