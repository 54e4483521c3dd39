#pragma once
// Carrying a tile with the pointer and no button held: from the click that picks it up, the pointer
// shows the tile until the next click. That click (a press and a release on the same widget) is
// taken whole wherever it is made in the program, so that nothing under it reacts as well, and is
// reported with the widget it was made on. A press and release on different widgets, another
// button, any key (Escape is taken, the others go on to where they were typed), or the program
// losing the keyboard to another one cancels the carry instead.
#include <QObject>
#include <QPixmap>
#include <QPointer>

class QWidget;

namespace platform {

class PointerCarry : public QObject {
    Q_OBJECT
public:
    explicit PointerCarry(QObject* parent);
    ~PointerCarry() override;

    void begin(const QPixmap& tile);
    // The tile the pointer shows while it carries one, after the tile was painted anew.
    void setTile(const QPixmap& tile);
    void end();
    bool active() const { return active_; }

signals:
    // The click that puts the carried tile down, with the widget it was made on.
    void clickedOn(QWidget* target);
    void cancelled();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void cancel();
    bool active_ = false;
    QPointer<QWidget> pressedOn_;
    bool pressed_ = false;
};

} // namespace platform
