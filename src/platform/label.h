#pragma once
// A caption on the window surface: plain text only (a typed name is never read as markup), a named
// font at a point size, a text colour, a transparent background, top-aligned like a form label.
// It swallows pointer moves and drags so that the surface under it does not react to them.
#include <QLabel>

namespace platform {

struct LabelStyle {
    QColor colour;
    qreal pointSize;
    Qt::Alignment align = Qt::AlignLeft;
    bool autoSize = false; // keep left/top, take the size of the caption on one line
    bool bold = false;
};

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, QRect unitsRect, const LabelStyle& style);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setShown(bool shown) { setVisible(shown); }
    bool shown() const { return !isHidden(); }
    // Places the label and sizes its font for the layout drawn at `scale` (1: as designed).
    void applyScale(qreal scale);

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fitCaption();

    QRect unitsRect_;
    qreal pointSize_;
    bool autoSize_;
    bool pressed_ = false;
};

// The font every window of the program uses, at a point size.
QFont SansFont(qreal pointSize, bool bold = false);

} // namespace platform
