#include "platform/statusbar.h"

#include "platform/dragdrop.h"
#include "platform/units.h"

#include <QDateTime>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTimer>

namespace platform {
namespace {
QLabel* Panel(QWidget* parent, const QString& text, int minWidthUnits)
{
    auto* panel = new QLabel(text, parent);
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(UnitsToPixels(minWidthUnits));
    panel->setMouseTracking(true);
    return panel;
}
} // namespace

StatusBar::StatusBar(QWidget* parent, const QString& text) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    setMouseTracking(true);
    setAcceptDrops(true);
    text_ = Panel(this, text, 0);
    date_ = Panel(this, QString(), 1440);
    time_ = Panel(this, QString(), 1440);
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    addWidget(text_, 1);
    addPermanentWidget(date_);
    addPermanentWidget(time_);
    refresh();
    // Refresh at every second boundary so the minute changes on time.
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusBar::refresh);
    clock_->start();
}

void StatusBar::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QString time = locale.toString(now.time(), QLocale::ShortFormat);
    if (date_->text() != date)
        date_->setText(date);
    if (time_->text() != time)
        time_->setText(time);
}

QString StatusBar::text() const { return text_->text(); }
QString StatusBar::dateText() const { return date_->text(); }
QString StatusBar::timeText() const { return time_->text(); }

void StatusBar::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void StatusBar::dragEnterEvent(QDragEnterEvent* event) { TakeDragEnter(event); }

} // namespace platform
