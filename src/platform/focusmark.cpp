#include "platform/focusmark.h"

#include <QEvent>
#include <QPainter>

namespace platform {

FocusMark::FocusMark(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::markWidget(QWidget* target)
{
    const bool hadFocus = target_ && target_->hasFocus();
    if (target_)
        target_->removeEventFilter(this);
    target_ = target;
    if (!target) {
        hide();
        if (hadFocus && parentWidget())
            parentWidget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    target->installEventFilter(this);
    frame();
    raise();
    show();
    update();
    target->setFocus(Qt::OtherFocusReason);
}

void FocusMark::frame() { setGeometry(target_->geometry().adjusted(-1, -1, 1, 1)); }

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        frame();
    return false;
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    const auto ring = [&painter](const QRect& r, int width, const QColor& colour) {
        painter.fillRect(r.left(), r.top(), r.width(), width, colour);
        painter.fillRect(r.left(), r.bottom() - width + 1, r.width(), width, colour);
        painter.fillRect(r.left(), r.top(), width, r.height(), colour);
        painter.fillRect(r.right() - width + 1, r.top(), width, r.height(), colour);
    };
    ring(outer, 1, kKeyline);
    ring(outer.adjusted(1, 1, -1, -1), kWidth, kColour);
    // Over the tile's own black edge, and over the neighbour's border where a neighbour overlaps.
    ring(outer.adjusted(1 + kWidth, 1 + kWidth, -1 - kWidth, -1 - kWidth), 1, kKeyline);
}

} // namespace platform
