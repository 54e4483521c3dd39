// The floor the game's main window is measured against: the bare main window (barewindow.h)
// alone, shown as the game shows its window. With "size" it prints its window size and ends.
#include "barewindow.h"
#include "firstframe.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv)
{
    const std::int64_t entered = bench::MonotonicNs();
    bench::MarkStep("main-entered");
    QApplication app(argc, argv);
    const std::int64_t opened = bench::MonotonicNs();
    bench::MarkStep("app-opened");
    const bool sizeOnly = argc > 1 && std::strcmp(argv[1], "size") == 0;
    std::int64_t shown = 0;
    if (!sizeOnly)
        bench::ReportFirstFrame([&] {
            return QStringLiteral("main_entered_ns=%1 app_opened_ns=%2 main_shown_ns=%3").arg(entered).arg(opened).arg(shown);
        });

    const auto window = bench::BareMainWindow();
    if (sizeOnly) {
        bench::Report(QStringLiteral("%1 %2").arg(window->width()).arg(window->height()));
        return 0;
    }
    bench::MarkStep("main-created");
    window->showMaximized();
    shown = bench::MonotonicNs();
    bench::MarkStep("main-shown");
    return app.exec();
}
