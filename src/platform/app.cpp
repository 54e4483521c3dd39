#include "platform/app.h"

#include "platform/language.h"

#include <QApplication>
#include <QFont>
#include <QMutex>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

// What Qt says while the application connects to the display, held back until it is known
// whether the connection was made: said as it would have been when it was, replaced by the one
// line of the game's own when it was not.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QMutex g_heldLock;
QList<HeldMessage> g_held;

QString Tr(const char* text) { return Translated("Display", text); }

// The display a platform plugin that could not be loaded would have used, as the player set it.
QString DisplayOf(const QString& plugin, bool installed)
{
    if (!installed)
        return Tr(QT_TRANSLATE_NOOP("Display", "the \"%1\" platform (not installed)")).arg(plugin);
    const auto named = [](const char* variable, const char* unnamed, const char* kind) {
        const QString name = qEnvironmentVariable(variable);
        return name.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Display", "%1 (%2 is not set)")).arg(Tr(unnamed), QLatin1String(variable))
                              : Tr(kind).arg(name);
    };
    if (plugin == QLatin1String("xcb"))
        return named("DISPLAY", QT_TRANSLATE_NOOP("Display", "an X display"), QT_TRANSLATE_NOOP("Display", "the X display \"%1\""));
    if (plugin.startsWith(QLatin1String("wayland")))
        return named("WAYLAND_DISPLAY", QT_TRANSLATE_NOOP("Display", "a Wayland display"),
                     QT_TRANSLATE_NOOP("Display", "the Wayland display \"%1\""));
    return Tr(QT_TRANSLATE_NOOP("Display", "the display of the \"%1\" platform")).arg(plugin);
}

// The displays tried, in the order Qt tried them, from its own reports of the plugins it could not load.
QString DisplaysTried()
{
    static const QRegularExpression failedPlugin(QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]+)\""));
    QStringList displays;
    for (const HeldMessage& message : g_held) {
        const QRegularExpressionMatch match = failedPlugin.match(message.text);
        const QString display = DisplayOf(match.captured(2), match.captured(1) == QLatin1String("load"));
        if (match.hasMatch() && !displays.contains(display))
            displays << display;
    }
    return displays.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Display", "a display"))
                               : displays.join(Tr(QT_TRANSLATE_NOOP("Display", " nor ")));
}

void SayHeldMessages()
{
    for (const HeldMessage& message : std::exchange(g_held, {})) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

QtMessageHandler g_previous = nullptr;
bool g_holding = false;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QMutexLocker locker(&g_heldLock);
    if (!g_holding) // another thread's message, come after the connection was made
        return g_previous(type, context, text);
    if (type == QtFatalMsg && text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        // Said in the player's language, from its translation: the application is not there yet.
        const QString line =
            Tr(QT_TRANSLATE_NOOP("Display", "velmor08: cannot open %1: is a graphical session running?")).arg(DisplaysTried())
            + QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1); // no abort, no core dump: nothing is wrong with the program
    }
    g_held.append({type, context.file, context.function, context.category, context.line, text});
    if (type == QtFatalMsg) { // any other fatal error aborts as before, after what led to it
        g_holding = false;
        qInstallMessageHandler(g_previous);
        SayHeldMessages();
    }
}

} // namespace

Version AppVersion() { return {VELMOR08_VERSION_MAJOR, VELMOR08_VERSION_MINOR, VELMOR08_VERSION_PATCH}; }

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv)
{
    // Qt chooses the platform and connects to its display inside the constructor, and aborts when
    // none can be had; its own reports of each attempt are what the one line is made of.
    g_holding = true;
    g_previous = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    const QMutexLocker locker(&g_heldLock);
    g_holding = false;
    qInstallMessageHandler(g_previous);
    SayHeldMessages();
    return app;
}

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
