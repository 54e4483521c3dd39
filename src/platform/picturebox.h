#pragma once
// A picture frame with a two-pixel sunken border. A scaled frame (a board cell) fits its picture to
// the inside of the border; an own-size frame (the holder) takes the size of its picture. A frame
// reports pointer moves, drags passing over it and drops; a drag source starts a drag of its drag
// image as soon as the primary button goes down on it.
#include <QPixmap>
#include <QWidget>

#include <functional>

#include "platform/dragdrop.h"

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Scale, OwnSize };
    static constexpr int kBorder = 2;

    PictureBox(QWidget* parent, QRect unitsRect, Fit fit);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setDragImage(const QPixmap& image) { dragImage_ = image; }
    const QPixmap& dragImage() const { return dragImage_; }
    void setDragSource(bool on) { dragSource_ = on; }
    void setShown(bool shown) { setVisible(shown); }
    bool shown() const { return !isHidden(); }
    bool dragging() const { return dragging_; }

    std::function<void()> onMouseMove;
    std::function<void(DragState)> onDragOver;
    std::function<void()> onDrop;
    // After a drag from this frame: whether some target took the tile.
    std::function<void(bool landed)> onDragEnded;

    // Runs the drag as a press would, with the platform's nested drag loop.
    void startDrag();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Fit fit_;
    bool dragSource_ = false;
    bool dragging_ = false;
    QPixmap picture_;
    QPixmap dragImage_;
};

// The bare surface of a window: reports pointer moves, drags and drops that reach no control.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);

    std::function<void()> onMouseMove;
    std::function<void(DragState)> onDragOver;
    std::function<void()> onDrop;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace platform
