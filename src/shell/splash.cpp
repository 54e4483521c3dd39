#include "shell/splash.h"

#include "catalogue/tiles.h"
#include "platform/app.h"
#include "platform/label.h"
#include "platform/units.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace {
QLabel* SplashLabel(QWidget* parent, const QString& text, QRect units, const QFont& font,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(align);
    label->setGeometry(platform::UnitsRect(units.x(), units.y(), units.width(), units.height()));
    return label;
}
} // namespace

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    setFixedSize(platform::UnitsToPixels(7455), platform::UnitsToPixels(4710));
    // Centred on the screen, as a start-up window is expected to be.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(rect());

    picture = new QLabel(frame);
    picture->setFrameShape(QFrame::Box);
    picture->setScaledContents(true);
    // The icon painted at the size of its box rather than stretched from 32 pixels, so it stays sharp.
    picture->setPixmap(catalogue::PaintAppIcon(platform::UnitsToPixels(2415), devicePixelRatioF()));
    picture->setGeometry(platform::UnitsRect(240, 720, 2415, 2535));

    using platform::SansFont;
    lblUser = SplashLabel(frame, tr("User"), {270, 300, 6855, 255}, SansFont(8.25),
                          Qt::AlignRight | Qt::AlignTop);
    lblProductName = SplashLabel(frame, QStringLiteral("Product"), {2670, 1200, 4230, 720}, SansFont(29.25, true));
    QPalette green = lblProductName->palette();
    green.setColor(QPalette::WindowText, QColor(0, 192, 0));
    lblProductName->setPalette(green);
    lblVersion = SplashLabel(frame, QStringLiteral("Version"), {6390, 2760, 615, 300}, SansFont(12, true),
                             Qt::AlignRight | Qt::AlignTop);
    lblCompany = SplashLabel(frame, tr("The velmor08 team"), {4710, 3330, 2415, 495}, SansFont(13.5));
    lblWarning = SplashLabel(frame, tr("Questions and ideas: see the README"), {300, 3720, 6855, 435},
                             SansFont(13.5));
    lblNotice = SplashLabel(frame, tr("Free to use, copy and share for learning."), {360, 4200, 6735, 255},
                            QFont());
}

void frmSplash::SplashLoad()
{
    const platform::Version v = platform::AppVersion();
    lblVersion->setText(tr("Version %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    // Sized to its text, keeping its right edge where the layout puts it.
    const QRect box = lblVersion->geometry();
    const int width = lblVersion->sizeHint().width();
    lblVersion->setGeometry(box.right() + 1 - width, box.top(), width, lblVersion->sizeHint().height());
    lblProductName->setText(platform::kAppTitle);
}

void frmSplash::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        SplashLoad();
    }
    QWidget::showEvent(event);
}

void frmSplash::paintEvent(QPaintEvent* event)
{
    painted_ = true;
    QWidget::paintEvent(event);
}

void frmSplash::ShowAndPaint()
{
    show();
    // The expose that maps the window paints it. Without a window manager that has mostly happened
    // within show(); otherwise sleep until the window system reports something, for at most half
    // a second, rather than painting the splash twice or spinning.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(500);
    while (!(painted_ && windowHandle() && windowHandle()->isExposed()) && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!painted_)
        repaint();
    // Hand the painted frame to the window system before the slow work begins.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
