#include "testsupport.h"

#include "platform/app.h"
#include "platform/dialogs.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

namespace testsupport {
namespace {
QTemporaryDir* g_home = nullptr;
DialogLog g_dialogs;
} // namespace

QString TestHome() { return g_home->path(); }
QString ScoreFolder() { return g_home->path() + QStringLiteral("/scores"); }

void ResetScores()
{
    QDir(ScoreFolder()).removeRecursively();
    QDir().mkpath(ScoreFolder());
    QDir(g_home->path() + QStringLiteral("/data")).removeRecursively();
}

void ResetSettings()
{
    QDir(g_home->path() + QStringLiteral("/config")).removeRecursively();
    QDir().mkpath(g_home->path() + QStringLiteral("/config"));
}

int Prepare(int, char**)
{
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/velmor08-test-XXXXXX"));
    // Settings and per-user data go to the private home; nothing real is touched.
    qputenv("HOME", g_home->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (g_home->path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (g_home->path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", g_home->path().toLocal8Bit());
    QDir().mkpath(ScoreFolder());
    scores::UseScoreFolder(ScoreFolder());
    return 0;
}

std::unique_ptr<frmMain> LoadedWindow()
{
    platform::PrepareApplication();
    auto form = std::make_unique<frmMain>();
    shell::MainLoad(*form);
    return form;
}

DialogLog& Dialogs() { return g_dialogs; }

void RouteDialogsToLog()
{
    platform::PrepareApplication();
    platform::RouteDialogs(
        [](const QString& prompt, const QString& title) {
            g_dialogs.messages << prompt;
            g_dialogs.titles << title;
        },
        [](const QString& prompt, const QString& title) {
            g_dialogs.prompts << prompt;
            g_dialogs.titles << title;
            return g_dialogs.answers.isEmpty() ? QString() : g_dialogs.answers.takeFirst();
        });
}

} // namespace testsupport
