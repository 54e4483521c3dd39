#include "platform/label.h"

#include "platform/dragdrop.h"
#include "platform/units.h"

#include <QDragEnterEvent>
#include <QMouseEvent>

namespace platform {

QFont SansFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

Label::Label(QWidget* parent, const QString& caption, QRect unitsRect, const LabelStyle& style)
    : QLabel(parent), unitsRect_(unitsRect), pointSize_(style.pointSize), autoSize_(style.autoSize)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFont(SansFont(style.pointSize, style.bold));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, style.colour);
    setPalette(pal);
    setAlignment(style.align | Qt::AlignTop);
    setWordWrap(!autoSize_);
    setMouseTracking(true);
    setAcceptDrops(true);
    setGeometry(UnitsRect(unitsRect.x(), unitsRect.y(), unitsRect.width(), unitsRect.height()));
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitCaption();
}

void Label::fitCaption()
{
    if (autoSize_) {
        const QFontMetrics metrics(font());
        // An empty caption keeps the height of one line, as a self-sizing label does.
        resize(metrics.horizontalAdvance(text()) + 1, metrics.height());
    }
}

void Label::applyScale(qreal scale)
{
    QFont scaled = font();
    scaled.setPointSizeF(pointSize_ * scale);
    setFont(scaled);
    setGeometry(ScaledUnitsRect(unitsRect_, scale));
    fitCaption();
}

void Label::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

// A tile over a label lands nowhere: the label takes the drag so the surface below stays out of it,
// and refuses the drop so the drag source learns that nothing received the tile.
void Label::dragEnterEvent(QDragEnterEvent* event) { TakeDragEnter(event); }
void Label::dragMoveEvent(QDragMoveEvent* event) { event->ignore(); }
void Label::dropEvent(QDropEvent* event) { event->ignore(); }

} // namespace platform
