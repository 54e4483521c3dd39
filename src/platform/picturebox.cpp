#include "platform/picturebox.h"

#include "platform/accessible.h"
#include "platform/label.h"
#include "platform/units.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace platform {
namespace {

// The drag reactions that cells and the bare surface share: only the holder's tile is taken.
bool EnterWithTile(QDragEnterEvent* event)
{
    if (!CarriesTile(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->acceptProposedAction();
    return true;
}

void MoveWithTile(QDragMoveEvent* event, bool takesDrop)
{
    if (takesDrop)
        event->acceptProposedAction();
    else
        event->ignore();
}

bool DropTile(QDropEvent* event, bool takesDrop)
{
    if (!takesDrop || !CarriesTile(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->acceptProposedAction();
    return true;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, QRect unitsRect, Fit fit) : QWidget(parent), unitsRect_(unitsRect), fit_(fit)
{
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setGeometry(UnitsRect(unitsRect.x(), unitsRect.y(), unitsRect.width(), unitsRect.height()));
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (fit_ == Fit::OwnSize && !picture_.isNull()) {
        const QSize inside = picture_.deviceIndependentSize().toSize();
        resize(inside.width() + 2 * border_, inside.height() + 2 * border_);
    }
    update();
    AccessibleTextChanged(this); // what a frame says is what it shows
}

void PictureBox::applyScale(qreal scale)
{
    const QRect rect = ScaledUnitsRect(unitsRect_, scale);
    border_ = BorderAt(scale);
    if (fit_ == Fit::OwnSize && !picture_.isNull())
        move(rect.topLeft());
    else
        setGeometry(rect);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    // Sunken two-ring border: dark above and to the left, light below and to the right; zoomed, the
    // outer ring takes the outer half of the width. Filled one-pixel strips are much cheaper to
    // paint than pen lines, and every cell repaints its border.
    const QColor outerDark(0x80, 0x80, 0x80), outerLight(0xFF, 0xFF, 0xFF);
    const QColor innerDark(0x40, 0x40, 0x40), innerLight(0xD4, 0xD0, 0xC8);
    const int outerRings = border_ / 2;
    for (int ring = 0; ring < border_; ++ring) {
        const QRect r = outer.adjusted(ring, ring, -ring, -ring);
        const QColor& dark = ring < outerRings ? outerDark : innerDark;
        const QColor& light = ring < outerRings ? outerLight : innerLight;
        painter.fillRect(r.left(), r.top(), r.width(), 1, dark);
        painter.fillRect(r.left(), r.top(), 1, r.height(), dark);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, light);
        painter.fillRect(r.right(), r.top(), 1, r.height(), light);
    }
    if (picture_.isNull())
        return;
    const QRect inside = outer.adjusted(border_, border_, -border_, -border_);
    if (fit_ == Fit::Scale)
        painter.drawPixmap(inside, picture_);
    else
        painter.drawPixmap(inside.topLeft(), picture_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
    if (pressed_ && (event->buttons() & Qt::LeftButton)) {
        const QPoint at = event->position().toPoint();
        if ((at - pressAt_).manhattanLength() >= QApplication::startDragDistance() || !rect().contains(at)) {
            pressed_ = false;
            startDrag();
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!dragSource_ || event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    pressAt_ = event->position().toPoint();
    emit pressed();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!pressed_ || event->button() != Qt::LeftButton)
        return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::startDrag()
{
    pressed_ = false;
    if (dragging_)
        return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(kTileMimeType, QByteArray());
    drag->setMimeData(mime);
    if (!dragImage_.isNull()) {
        drag->setPixmap(dragImage_);
        drag->setHotSpot(QPoint(dragImage_.deviceIndependentSize().toSize().width() / 2,
                                dragImage_.deviceIndependentSize().toSize().height() / 2));
    }
    dragging_ = true;
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    dragging_ = false;
    emit dragEnded(result != Qt::IgnoreAction);
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (EnterWithTile(event))
        emit dragPassed(DragState::Enter);
}

// Cells take the tile; the holder refuses a drop on itself.
void PictureBox::dragMoveEvent(QDragMoveEvent* event)
{
    MoveWithTile(event, dropTarget_);
    emit dragPassed(DragState::Over);
}

void PictureBox::dragLeaveEvent(QDragLeaveEvent*) { emit dragPassed(DragState::Leave); }

void PictureBox::dropEvent(QDropEvent* event)
{
    if (DropTile(event, dropTarget_))
        emit dropped();
}

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void Surface::setScale(qreal scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    for (QObject* child : children()) {
        if (auto* label = qobject_cast<Label*>(child))
            label->applyScale(scale);
        else if (auto* frame = qobject_cast<PictureBox*>(child))
            frame->applyScale(scale);
    }
}

// Only a shown surface reports its size: a window lays itself out once before it is shown, and
// the platform may give it another size (maximised, say) as it shows it.
void Surface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        emit resized();
}

void Surface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit resized();
}

void Surface::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    std::optional<Key> key;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: key = Key::Activate; break;
        case Qt::Key_Escape: key = Key::Cancel; break;
        case Qt::Key_Left: key = Key::Left; break;
        case Qt::Key_Right: key = Key::Right; break;
        case Qt::Key_Up: key = Key::Up; break;
        case Qt::Key_Down: key = Key::Down; break;
        default: break;
        }
    }
    if (key && onKey && onKey(*key))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void Surface::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

void Surface::dragEnterEvent(QDragEnterEvent* event)
{
    if (EnterWithTile(event))
        emit dragPassed(DragState::Enter);
}

void Surface::dragMoveEvent(QDragMoveEvent* event)
{
    MoveWithTile(event, true);
    emit dragPassed(DragState::Over);
}

void Surface::dragLeaveEvent(QDragLeaveEvent*) { emit dragPassed(DragState::Leave); }

void Surface::dropEvent(QDropEvent* event)
{
    if (DropTile(event, true))
        emit dropped();
}

} // namespace platform
