#include "platform/carry.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace platform {

namespace {
QCursor TileCursor(const QPixmap& tile)
{
    const QSize size = tile.deviceIndependentSize().toSize();
    return tile.isNull() ? QCursor(Qt::ClosedHandCursor) : QCursor(tile, size.width() / 2, size.height() / 2);
}
} // namespace

PointerCarry::PointerCarry(QObject* parent) : QObject(parent) {}

PointerCarry::~PointerCarry() { end(); }

void PointerCarry::begin(const QPixmap& tile)
{
    if (active_)
        return;
    active_ = true;
    pressed_ = false;
    pressedOn_.clear();
    QApplication::setOverrideCursor(TileCursor(tile));
    qApp->installEventFilter(this);
}

void PointerCarry::setTile(const QPixmap& tile)
{
    if (active_)
        QApplication::changeOverrideCursor(TileCursor(tile));
}

void PointerCarry::end()
{
    if (!active_)
        return;
    active_ = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

void PointerCarry::cancel() { emit cancelled(); }

bool PointerCarry::eventFilter(QObject* receiver, QEvent* event)
{
    if (!active_)
        return false;
    if (event->type() == QEvent::ApplicationStateChange) {
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            cancel();
        return false;
    }
    // Pointer and key events reach the window first and its widgets after; the widgets decide.
    if (!receiver->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressed_ = mouse->button() == Qt::LeftButton;
        pressedOn_ = QApplication::widgetAt(mouse->globalPosition().toPoint());
        event->accept();
        if (!pressed_)
            cancel();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        event->accept();
        if (!pressed_ || mouse->button() != Qt::LeftButton)
            return true;
        pressed_ = false;
        QWidget* releasedOn = QApplication::widgetAt(mouse->globalPosition().toPoint());
        if (releasedOn != pressedOn_)
            cancel();
        else
            emit clickedOn(releasedOn);
        return true;
    }
    case QEvent::KeyPress: {
        const bool escape = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        cancel();
        return escape;
    }
    default:
        return false;
    }
}

} // namespace platform
