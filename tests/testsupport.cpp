#include "testsupport.h"

#include "game/game.h"
#include "platform/app.h"
#include "platform/dragdrop.h"
#include "platform/testing.h"
#include "scores/highscores.h"
#include "scores/testing.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"
#include "shell/wiring.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>

namespace testsupport {
namespace {
// Made by this process unless it was given a home; removed with everything in it at exit.
std::unique_ptr<QTemporaryDir> g_home;
QString g_homePath;
DialogLog g_dialogs;
const char* const kHomeVariable = "VELMOR08_TEST_HOME";
} // namespace

QString TestHome() { return g_homePath; }
QString ScoreFolder() { return g_homePath + QStringLiteral("/scores"); }

void ResetScores()
{
    QDir(ScoreFolder()).removeRecursively();
    QDir().mkpath(ScoreFolder());
    QDir(g_homePath + QStringLiteral("/data")).removeRecursively();
}

void ResetSettings()
{
    QDir(g_homePath + QStringLiteral("/config")).removeRecursively();
    QDir().mkpath(g_homePath + QStringLiteral("/config"));
}

int Prepare(int, char**)
{
    g_homePath = qEnvironmentVariable(kHomeVariable);
    if (g_homePath.isEmpty()) {
        g_home = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velmor08-test-XXXXXX"));
        g_homePath = g_home->path();
    }
    // Settings and per-user data go to the private home; nothing real is touched.
    qputenv("HOME", g_homePath.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (g_homePath + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (g_homePath + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", g_homePath.toLocal8Bit());
    QDir().mkpath(ScoreFolder());
    scores::testing::UseScoreFolder(ScoreFolder());
    // English, whatever the machine's locale, unless the test asks for a language; the program's
    // translations come from the build folder.
    const QByteArray language = qgetenv("VELMOR08_TEST_LANGUAGE");
    qputenv("LC_ALL", "C.UTF-8");
    if (language.isEmpty())
        qunsetenv("LANGUAGE");
    else
        qputenv("LANGUAGE", language);
    platform::testing::UseTranslationFolder(QStringLiteral(VELMOR08_BUILD_DIR "/translations"));
    return 0;
}

QProcessEnvironment ChildEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kHomeVariable), g_homePath);
    return environment;
}

std::unique_ptr<frmMain> LoadedWindow()
{
    platform::PrepareApplication();
    auto form = std::make_unique<frmMain>();
    shell::WireEvents(*form);
    shell::MainLoad(*form);
    return form;
}

void DropOn(frmMain& form, int cell)
{
    QWidget* target = form.chart->Image1[cell];
    QMimeData mime;
    mime.setData(platform::kTileMimeType, QByteArray());
    const QPointF at = QRectF(target->rect()).center();
    QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the cell's own event handler: the application passes a drop on only to the
    // target of a drag that the platform runs, and no drag runs here.
    static_cast<QObject*>(target)->event(&drop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void EnterHighScore(frmMain& form)
{
    scores::EnterHighScore(*form.chart, form.ScoreRun, game::ActiveMode(*form.chart));
}

void SaveAllTables(frmMain& form) { scores::SaveAllTables(*form.chart, form.ScoreRun); }

DialogLog& Dialogs() { return g_dialogs; }

void RouteDialogsToLog()
{
    platform::PrepareApplication();
    platform::testing::RouteDialogs(
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
