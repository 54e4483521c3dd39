// The game side of the benchmark; links the game's library and runs its start-up procedure.
//   (no argument)  the start-up as a player sees it, splash included; reports the first painted
//                  frame of the main window (see firstframe.h) and the moment of each start-up step
//   tiles          the first pass of painting the 218 tiles, in a window created as at start-up
//   pictures DIR   writes what the start-up paints into DIR, to compare two builds pixel for
//                  pixel: the main window's first frame as the screen shows it, the window
//                  rendered again, the splash, and every tile of both sets at several device pixel
//                  ratios and chart scales
//   drops          a whole game of mode 0, each element dropped on its own cell; the time of one
//                  drop including the next draw, of the drop with its repaint, and of the last
//                  drop, which completes the game
// The score folder is $HOME/scores: the benchmark runs with a private home.
#include "firstframe.h"

#include "catalogue/tiles.h"
#include "game/game.h"
#include "platform/app.h"
#include "platform/dialogs.h"
#include "platform/dragdrop.h"
#include "platform/testing.h"
#include "scores/highscores.h"
#include "scores/testing.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

double Ms(std::int64_t ns) { return double(ns) / 1e6; }

int StartUpToFirstFrame(QApplication& app, std::int64_t entered, std::int64_t opened)
{
    // The moment of every start-up step ("splash-painted" as splash_painted_ns).
    QString steps = QStringLiteral("main_entered_ns=%1 app_opened_ns=%2").arg(entered).arg(opened);
    bench::ReportFirstFrame([&] { return steps; });
    const auto form = shell::StartUp([&](const char* step) {
        const std::int64_t now = bench::MonotonicNs();
        bench::MarkStep(step);
        steps += QStringLiteral(" %1_ns=%2").arg(QString::fromLatin1(step).replace(QLatin1Char('-'), QLatin1Char('_'))).arg(now);
    });
    return app.exec();
}

// The holder's tile dropped on a cell as the platform drops it: the cell's drop event, then what
// the drop queued (the end of a completed game).
void DropOn(frmMain& form, int cell)
{
    QWidget* target = form.chart->Image1[cell];
    QMimeData mime;
    mime.setData(platform::kTileMimeType, QByteArray());
    QDropEvent drop(QRectF(target->rect()).center(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(target)->event(&drop); // no drag runs, so straight to the cell's handler
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

int FirstTilePass()
{
    platform::PrepareApplication();
    frmMain form;
    const qreal ratio = form.devicePixelRatioF();
    const std::int64_t begin = bench::MonotonicNs();
    // A set is painted when its first picture is asked for.
    form.chart->frmHold.Open(ratio);
    form.chart->frmHold.Picture(0);
    const std::int64_t numbered = bench::MonotonicNs();
    form.chart->frmHold2.Open(ratio);
    form.chart->frmHold2.Picture(0);
    const std::int64_t end = bench::MonotonicNs();
    bench::Report(QStringLiteral("tiles_ms=%1 numbered_set_ms=%2 plain_set_ms=%3")
                      .arg(Ms(end - begin), 0, 'f', 3)
                      .arg(Ms(numbered - begin), 0, 'f', 3)
                      .arg(Ms(end - numbered), 0, 'f', 3));
    return 0;
}

int WritePictures(QApplication& app, const QString& folder)
{
    QDir().mkpath(folder);
    const auto save = [&folder](const QImage& image, const QString& name) {
        if (!image.save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    };
    QImage splash;
    std::unique_ptr<frmMain> form;
    bench::ReportFirstFrame([&] {
        // The frame as the server has it, then the window painted once more into an image.
        QScreen* screen = form->screen();
        save(screen->grabWindow(0).toImage(), QStringLiteral("screen"));
        save(form->grab().toImage(), QStringLiteral("window"));
        save(splash, QStringLiteral("splash"));
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0})
            for (qreal scale : {1.0, 0.5, 0.75, 1.5, 2.0})
                for (bool numbered : {true, false})
                    for (int i = 0; i < catalogue::kElementCount; ++i)
                        save(catalogue::PaintTile(i, numbered, ratio, scale).toImage(),
                             QStringLiteral("tile-%1-%2-%3-%4").arg(ratio).arg(scale).arg(numbered).arg(i));
        return QStringLiteral("pictures=1");
    });
    form = shell::StartUp([&](const char* step) {
        if (std::strcmp(step, "splash-painted") == 0)
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->inherits("frmSplash"))
                    splash = window->grab().toImage();
    });
    return app.exec();
}

struct Spread {
    double median, worst;
    int worstAt; // 1 for the first drop of the game
};

Spread SpreadOf(std::vector<double> values)
{
    const int worstAt = int(std::max_element(values.begin(), values.end()) - values.begin()) + 1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.back(), worstAt};
}

int WholeGame()
{
    platform::testing::RouteDialogs([](const QString&, const QString&) {}, [](const QString&, const QString&) { return QString(); });
    const auto form = shell::StartUp();
    QElapsedTimer waited;
    waited.start();
    while (!(form->windowHandle() && form->windowHandle()->isExposed()) && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();

    game::StartGame(*form->chart, 0);
    QCoreApplication::processEvents();
    // Drops that bring a next draw, and the last one, which ends the game instead: it stops the
    // clock, answers the two dialogs (routed away here) and saves the table if the time ranks.
    std::vector<double> drops, withPaint;
    double completion = 0, completionWithPaint = 0;
    for (int n = 0; n < catalogue::kElementCount && form->chart->PlacedCount < catalogue::kElementCount; ++n) {
        const std::int64_t begin = bench::MonotonicNs();
        DropOn(*form, form->chart->CurrentElement);
        const std::int64_t handled = bench::MonotonicNs();
        QCoreApplication::processEvents(); // the repaint of the cell and the holder
        const std::int64_t painted = bench::MonotonicNs();
        if (form->chart->PlacedCount < catalogue::kElementCount) {
            drops.push_back(Ms(handled - begin));
            withPaint.push_back(Ms(painted - begin));
        } else {
            completion = Ms(handled - begin);
            completionWithPaint = Ms(painted - begin);
        }
    }
    const Spread drop = SpreadOf(drops), paint = SpreadOf(withPaint);
    bench::Report(QStringLiteral("drops=%1 drop_median_ms=%2 drop_worst_ms=%3 drop_worst_at=%4 "
                                 "drop_paint_median_ms=%5 drop_paint_worst_ms=%6 drop_paint_worst_at=%7 "
                                 "last_drop_ms=%8 last_drop_paint_ms=%9")
                      .arg(drops.size())
                      .arg(drop.median, 0, 'f', 4)
                      .arg(drop.worst, 0, 'f', 4)
                      .arg(drop.worstAt)
                      .arg(paint.median, 0, 'f', 4)
                      .arg(paint.worst, 0, 'f', 4)
                      .arg(paint.worstAt)
                      .arg(completion, 0, 'f', 4)
                      .arg(completionWithPaint, 0, 'f', 4));
    ::_exit(0); // no unload: nothing of the run is saved
}

} // namespace

int main(int argc, char** argv)
{
    const std::int64_t entered = bench::MonotonicNs();
    bench::MarkStep("main-entered");
    // Opened as the game opens it.
    const auto app = platform::OpenApplication(argc, argv);
    const std::int64_t opened = bench::MonotonicNs();
    bench::MarkStep("app-opened");
    scores::testing::UseScoreFolder(QDir::home().filePath(QStringLiteral("scores")));
    const char* what = argc > 1 ? argv[1] : "";
    if (std::strcmp(what, "tiles") == 0)
        return FirstTilePass();
    if (std::strcmp(what, "pictures") == 0 && argc > 2)
        return WritePictures(*app, QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(what, "drops") == 0)
        return WholeGame();
    return StartUpToFirstFrame(*app, entered, opened);
}
