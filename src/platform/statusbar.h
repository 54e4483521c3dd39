#pragma once
// A status bar with a text panel and two panels that keep the date and the time up to date by
// themselves, in the locale's short forms.
#include <QStatusBar>

class QLabel;
class QTimer;

namespace platform {

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    StatusBar(QWidget* parent, const QString& text);

    QString text() const;
    QString dateText() const;
    QString timeText() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    void refresh();

    QLabel* text_;
    QLabel* date_;
    QLabel* time_;
    QTimer* clock_;
};

} // namespace platform
