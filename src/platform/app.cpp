#include "platform/app.h"

#include <QApplication>
#include <QFont>

namespace platform {

Version AppVersion() { return {VELMOR08_VERSION_MAJOR, VELMOR08_VERSION_MINOR, VELMOR08_VERSION_PATCH}; }

void PrepareApplication()
{
    QCoreApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppVersion().major)
                                            .arg(AppVersion().minor)
                                            .arg(AppVersion().revision));
    // Lets desktops match the window to its installed menu entry, named with the same id.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOR08_APP_ID));
    // The layout is drawn for "MS Sans Serif"; a metric-compatible free face stands in for it.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace platform
