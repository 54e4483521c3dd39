#pragma once
// A periodic timer that delivers ticks on the user-interface thread while it is switched on.
#include <QTimer>

namespace platform {

class Timer : public QTimer {
    Q_OBJECT
public:
    Timer(QObject* parent, int intervalMs)
        : QTimer(parent)
    {
        setInterval(intervalMs);
        setTimerType(Qt::PreciseTimer);
    }
    // Switching on restarts the interval, so the first tick comes one full interval later.
    void setEnabled(bool on) { on ? start() : stop(); }
    bool enabled() const { return isActive(); }
};

} // namespace platform
