#pragma once
// The splash window shown while the main window prepares itself.
#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    QLabel* picture = nullptr;
    QLabel* lblUser = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblNotice = nullptr;

    bool painted() const { return painted_; }
    // Shows the splash and returns once it is on screen and painted (or after a short wait).
    void ShowAndPaint();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SplashLoad();
    bool loaded_ = false;
    bool painted_ = false;
};
