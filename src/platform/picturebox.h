#pragma once
// A picture frame with a two-pixel sunken border. A scaled frame (a board cell) fits its picture to
// the inside of the border; an own-size frame (the holder) takes the size of its picture. A frame
// reports pointer moves, drags passing over it and drops. On a drag source a press of the primary
// button begins a gesture: moving the pointer beyond the platform's drag distance, or off the frame,
// while the button is held starts a drag of its drag image; a release on the frame before that is a
// click.
#include <QPixmap>
#include <QWidget>

#include <cmath>
#include <functional>

#include "platform/dragdrop.h"

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Scale, OwnSize };
    static constexpr int kBorder = 2;
    // The border's width with the layout drawn at `scale`: two pixels at 1 and below, and as wide
    // as the zoom makes it above 1, so that a zoomed cell is the cell at 1 enlarged.
    static int BorderAt(qreal scale) { return scale > 1 ? int(std::lround(kBorder * scale)) : kBorder; }
    int border() const { return border_; }

    PictureBox(QWidget* parent, QRect unitsRect, Fit fit);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setDragImage(const QPixmap& image) { dragImage_ = image; }
    const QPixmap& dragImage() const { return dragImage_; }
    void setDragSource(bool on) { dragSource_ = on; }
    // A drop target takes the tile dropped on it; any other frame refuses it (the holder).
    void setDropTarget(bool on) { dropTarget_ = on; }
    void setShown(bool shown) { setVisible(shown); }
    bool shown() const { return !isHidden(); }
    // Places the frame for the layout drawn at `scale` (1: as designed); an own-size frame keeps
    // the size of its picture, which is painted for that scale by whoever owns it.
    void applyScale(qreal scale);
    // While the platform's nested drag loop runs.
    bool inDragLoop() const { return dragging_; }

signals:
    void mouseMoved();
    // Drag source only: the press that begins a gesture, and a click (press and release on the
    // frame without a drag).
    void pressed();
    void clicked();
    void dragPassed(platform::DragState state);
    // Drop target only: the tile was dropped here; handled to its end inside the drop event.
    void dropped();
    // After a drag from this frame: whether some target took the tile.
    void dragEnded(bool landed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Runs the drag of the drag image, with the platform's nested drag loop.
    void startDrag();

    QRect unitsRect_;
    Fit fit_;
    bool dragSource_ = false;
    bool dropTarget_ = false;
    bool pressed_ = false; // the primary button went down on this drag source, no drag yet
    QPoint pressAt_;
    bool dragging_ = false;
    int border_ = kBorder;
    QPixmap picture_;
    QPixmap dragImage_;
};

// The keys the chart answers: Space, Return and Enter; Escape; the four arrows; none of them with
// a modifier.
enum class Key { Activate, Cancel, Left, Right, Up, Down };

// The bare surface of a window: reports pointer moves, drags and drops that reach no control. It
// holds the window's keyboard focus, and reports the keys of the chart pressed on it or on any
// control inside it; a key is taken when its reaction says so. Its labels and frames are laid out
// in layout units at one scale for all of them; it reports when its shown size changes.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);

    qreal scale() const { return scale_; }
    // Lays every label and frame on the surface out again at `scale`.
    void setScale(qreal scale);

    // Answers whether the key was taken; a callback, since the key event needs the answer.
    std::function<bool(Key)> onKey;

signals:
    // The size the surface is shown at changed (or it was shown).
    void resized();
    void mouseMoved();
    void dragPassed(platform::DragState state);
    void dropped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    qreal scale_ = 1.0;
};

} // namespace platform
