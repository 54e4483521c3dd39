#include "platform/focusmark.h"

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
    target_ = target;
    if (!target) {
        hide();
        if (hadFocus && parentWidget())
            parentWidget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    setGeometry(target->geometry().adjusted(-1, -1, 1, 1));
    raise();
    show();
    update();
    target->setFocus(Qt::OtherFocusReason);
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
