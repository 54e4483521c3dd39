#pragma once
// The mark of the keyboard's place on the chart: a two-pixel frame in one bright colour over the
// border of the widget it marks, between two one-pixel black keylines, so that whatever lies beside
// it (the black window, a tile's black edge, the border or the fill of an overlapping neighbour)
// the frame itself only ever touches black. It lies above its siblings and lets the pointer and
// drags through to what is below. The marked widget takes the keyboard focus, so that assistive
// technology follows the mark. The mark follows the marked widget when it moves or changes size.
#include <QColor>
#include <QPointer>
#include <QWidget>

namespace platform {

class FocusMark : public QWidget {
    Q_OBJECT
public:
    static constexpr QColor kColour{0xFF, 0x00, 0xFF};
    static constexpr QColor kKeyline{0x00, 0x00, 0x00};
    static constexpr int kWidth = 2;

    explicit FocusMark(QWidget* parent);

    // Marks a widget of the same parent; null takes the mark away and gives the focus back to the
    // parent.
    void markWidget(QWidget* target);
    QWidget* marked() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void frame();

    QPointer<QWidget> target_;
};

} // namespace platform
