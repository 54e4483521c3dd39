// Writes the application icon into a hicolor icon theme tree at every installed size, painted by the
// same code as the window icon: <out>/<n>x<n>/apps/<name>.png.
#include "catalogue/tiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIR ICON-NAME SIZE...\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (size <= 0 || !QDir().mkpath(folder) || !catalogue::PaintAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
