// The floor of a start-up with a splash: a bare Qt 6 program that shows a splash and waits until
// it is painted, then creates the bare main window (barewindow.h), closes the splash and shows the
// window, as the game's start-up orders these steps. The splash is the game's splash rebuilt with
// plain Qt: the same size, frame, picture box and seven texts in the same fonts ("MS Sans Serif",
// standing in for it the same face as in the game), since what the splash shows is fixed and not
// a cost the game could cut. Reports the first frame of the main window (firstframe.h).
#include "barewindow.h"
#include "firstframe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// Layout units (1/1440 inch) to pixels at 96 dpi.
constexpr int Px(int units) { return (units + 7) / 15; }
QRect PxRect(int left, int top, int width, int height) { return {Px(left), Px(top), Px(width), Px(height)}; }

QFont Sans(qreal pointSize, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

class Splash : public QWidget {
public:
    Splash() : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
    {
        setFixedSize(Px(7455), Px(4710));
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        auto* frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        frame->setGeometry(rect());
        auto* picture = new QLabel(frame);
        picture->setFrameShape(QFrame::Box);
        picture->setScaledContents(true);
        QPixmap icon(Px(2415), Px(2415));
        icon.fill(Qt::black);
        picture->setPixmap(icon);
        picture->setGeometry(PxRect(240, 720, 2415, 2535));
        Text(frame, "User", PxRect(270, 300, 6855, 255), Sans(8.25), Qt::AlignRight);
        QLabel* product = Text(frame, "velmor08", PxRect(2670, 1200, 4230, 720), Sans(29.25, true));
        QPalette green = product->palette();
        green.setColor(QPalette::WindowText, QColor(0, 192, 0));
        product->setPalette(green);
        QLabel* version = Text(frame, "Version 1.0.0", PxRect(6390, 2760, 615, 300), Sans(12, true), Qt::AlignRight);
        const QSize fitted = version->sizeHint();
        version->setGeometry(version->geometry().right() + 1 - fitted.width(), version->y(), fitted.width(),
                             fitted.height());
        Text(frame, "The velmor08 team", PxRect(4710, 3330, 2415, 495), Sans(13.5));
        Text(frame, "Questions and ideas: see the README", PxRect(300, 3720, 6855, 435), Sans(13.5));
        Text(frame, "Free to use, copy and share for learning.", PxRect(360, 4200, 6735, 255), QFont());
    }

    // Shows the splash and returns once it is on screen and painted, as the game's splash does.
    void ShowAndPaint()
    {
        show();
        QTimer limit;
        limit.setSingleShot(true);
        limit.start(500);
        while (!(painted_ && windowHandle() && windowHandle()->isExposed()) && limit.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!painted_)
            repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        painted_ = true;
        QWidget::paintEvent(event);
    }

private:
    static QLabel* Text(QWidget* parent, const char* text, QRect rect, const QFont& font,
                        Qt::Alignment align = Qt::AlignLeft)
    {
        auto* label = new QLabel(QString::fromLatin1(text), parent);
        label->setTextFormat(Qt::PlainText);
        label->setFont(font);
        label->setAlignment(align | Qt::AlignTop);
        label->setGeometry(rect);
        return label;
    }

    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    const std::int64_t entered = bench::MonotonicNs();
    bench::MarkStep("main-entered");
    QApplication app(argc, argv);
    const std::int64_t opened = bench::MonotonicNs();
    bench::MarkStep("app-opened");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    std::int64_t painted = 0, closed = 0, shown = 0;
    bench::ReportFirstFrame([&] {
        return QStringLiteral("main_entered_ns=%1 app_opened_ns=%2 splash_painted_ns=%3 splash_closed_ns=%4 main_shown_ns=%5")
            .arg(entered)
            .arg(opened)
            .arg(painted)
            .arg(closed)
            .arg(shown);
    });

    auto splash = std::make_unique<Splash>();
    splash->ShowAndPaint();
    painted = bench::MonotonicNs();
    bench::MarkStep("splash-painted");
    const auto window = bench::BareMainWindow();
    bench::MarkStep("main-created");
    splash->close();
    splash.reset();
    closed = bench::MonotonicNs();
    bench::MarkStep("splash-closed");
    window->showMaximized();
    shown = bench::MonotonicNs();
    bench::MarkStep("main-shown");
    return app.exec();
}
