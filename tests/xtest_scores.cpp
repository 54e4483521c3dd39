// High scores on a real X server (a private Xvfb), with the real dialogs and real input from
// xdotool: a Common Elements game brought to its last tile in process, finished by a real drag of
// the holder's tile onto its own cell; the congratulation box closed with Return, a name typed into
// the "High Score" box, the window closed through File, Exit; the score file then holds the row.
// The same game is also played in a child copy of this executable that is killed with SIGKILL right
// after the record is entered; a fresh child process then shows the record.
#include "xtestsupport.h"

#include "game/game.h"
#include "platform/dialogs.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kCommonMode = 1;
const QString kCommonFile = QStringLiteral("br548.txt");
const QString kAllFile = QStringLiteral("br549.txt");

// A child copy of this executable plays the role named by this variable instead of running the tests.
const char* const kRoleVariable = "VELMOR08_XTEST_ROLE";
const QString kRecordRole = QStringLiteral("record"); // plays a game to a record, then waits
const QString kShowRole = QStringLiteral("show");     // starts, shows the Common column, prints it
const QString kKilledName = QStringLiteral("Lise Meitner");

// What the dialogs showed while they were open, and the finishing time.
struct Observed {
    QString message, messageTitle;
    QString prompt, promptTitle;
    QString minutes, seconds;
};

Step ActivateWindow(frmMain& f)
{
    return {[&f] {
                f.activateWindow();
                return true;
            },
            [&f] { return HasKeyboard(&f); }, QStringLiteral("the main window takes the keyboard")};
}

// From the window as the start-up leaves it to a record in the Common Elements column: the game
// started from the Play menu's keys, every tile but the offered one counted as placed, the offered
// one dragged for real onto its cell, the congratulation closed with Return and the name typed and
// confirmed in the input box.
std::vector<Step> FinishCommonGame(frmMain& f, EventLog& log, const QString& name, Observed& seen)
{
    PictureBox* holder = f.imgHolder;
    const auto ownCell = [&f] { return f.Image1[f.CurrentElement]; };
    const QRect holderRect = holder->geometry();
    const QPoint bare = f.Surface->mapToGlobal(QPoint(holderRect.center().x(), holderRect.bottom() + 16));
    return {
        ActivateWindow(f),
        Input({"key", "alt+p"}, [&f] { return f.mnuPlayGame->isVisible(); }, "Alt+P opens the Play Game menu"),
        Input({"key", "c"}, [&f] { return !f.mnuPlayGame->isVisible() && game::ActiveMode(f) == kCommonMode; },
              "C starts a Common Elements game"),
        {[&f] {
             // The game one tile before its end, after two minutes: only the offered element is
             // still pending, and the clock goes on from 02:05.
             for (int i = 0; i < catalogue::kElementCount; ++i)
                 f.frmHold.SetPending(i, i == f.CurrentElement);
             f.PlacedCount = catalogue::kElementCount - 1;
             f.ElapsedSeconds = 125;
             f.lblMin->setCaption(game::MinutesText(f.ElapsedSeconds));
             f.lblSec->setCaption(game::SecondsText(f.ElapsedSeconds));
             return true;
         },
         [] { return true; }, "the last tile is offered"},
        Input(MoveTo(CentreOf(holder) - QPoint(1, 0)) + MoveTo(CentreOf(holder)),
              [&log, holder] { return log.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
        Input({"mousedown", "1"}, [holder] { return holder->dragging(); }, "a press on the holder starts a drag"),
        Input(MoveTo(bare), [&log, &f] { return log.seen(f.Surface, QEvent::DragMove); }, "the tile over bare window"),
        {[ownCell] { return Xdo(MoveTo(CentreOf(ownCell()) - QPoint(4, 3))); },
         [&log, ownCell] { return log.seen(ownCell(), QEvent::DragMove); }, "the tile reaches its own cell"},
        {[ownCell] { return Xdo(MoveTo(CentreOf(ownCell()))); },
         [&log, ownCell] { return log.seen(ownCell(), QEvent::DragMove); }, "the tile over the middle of its cell"},
        Input({"mouseup", "1"},
              [&f, &seen, holder] {
                  QMessageBox* box = OpenDialog<QMessageBox>();
                  if (holder->dragging() || !HasKeyboard(box))
                      return false;
                  seen.message = box->text();
                  seen.messageTitle = box->windowTitle();
                  seen.minutes = f.lblMin->caption();
                  seen.seconds = f.lblSec->caption();
                  return true;
              },
              "the drop completes the chart and the congratulation opens"),
        Input({"key", "Return"},
              [&seen] {
                  QInputDialog* input = OpenDialog<QInputDialog>();
                  if (OpenDialog<QMessageBox>() || !HasKeyboard(input))
                      return false;
                  seen.prompt = input->labelText();
                  seen.promptTitle = input->windowTitle();
                  return true;
              },
              "Return closes the congratulation and the name is asked"),
        Input({"type", "--delay", "30", name},
              [name] {
                  QInputDialog* input = OpenDialog<QInputDialog>();
                  return input && input->textValue() == name;
              },
              "the name is typed"),
        Input({"key", "Return"},
              [&f, name] { return !OpenDialog<QInputDialog>() && f.lblFirstName[kCommonMode]->caption() == name; },
              "Return enters the row"),
    };
}

// The bytes of a score file: the given rows from rank 1 on, then vacant rows with the times given.
QByteArray ScoreFile(const QList<QStringList>& rows, const QString& vacantMinutes, const QString& vacantSeconds)
{
    QByteArray bytes;
    for (int rank = 0; rank < 9; ++rank) {
        const QStringList row = rank < rows.size() ? rows[rank]
                                                   : QStringList{QStringLiteral("Name"), vacantMinutes, vacantSeconds};
        for (const QString& line : row)
            bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

QByteArray FileInScoreFolder(const QString& name)
{
    QFile file(testsupport::ScoreFolder() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

void Say(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Child role: the program as it starts, with its real dialogs, played to a record. Once the row is
// in the column (and so on disk) it says "recorded", the finishing time and the prompt on one line,
// and runs on like the program until it is killed.
int RecordChild()
{
    platform::RouteDialogs({}, {});
    EventLog log;
    qApp->installEventFilter(&log);
    const std::unique_ptr<frmMain> form = shell::StartUp();
    if (!QTest::qWaitForWindowExposed(form.get(), kWait)) {
        Say(QStringLiteral("failed: the window was not exposed\n"));
        return 1;
    }
    Observed seen;
    std::unique_ptr<Script> script;
    script = std::make_unique<Script>(log, FinishCommonGame(*form, log, kKilledName, seen), [&] {
        if (!script->failure().isEmpty()) {
            Say(QStringLiteral("failed: %1\n").arg(script->failure()));
            std::_Exit(1); // at once, even from inside a modal loop
        }
        Say(QStringLiteral("recorded\t%1\t%2\t%3\n").arg(seen.minutes, seen.seconds, seen.prompt));
    });
    return QApplication::exec();
}

// Child role: the program as it starts; a Common Elements game shows that mode's column, which is
// printed one label a line after whether it is visible.
int ShowChild()
{
    const std::unique_ptr<frmMain> form = shell::StartUp();
    if (!QTest::qWaitForWindowExposed(form.get(), kWait)) {
        Say(QStringLiteral("failed: the window was not exposed\n"));
        return 1;
    }
    form->mnuPlayCommon->trigger();
    QString out = form->lblFirstName[kCommonMode]->isVisible() ? QStringLiteral("visible\n") : QStringLiteral("hidden\n");
    for (int rank = 1; rank <= 9; ++rank)
        for (const Label* label : {form->NameLabel(rank, kCommonMode), form->MinLabel(rank, kCommonMode),
                                   form->SecLabel(rank, kCommonMode)})
            out += label->caption() + QLatin1Char('\n');
    Say(out);
    return 0;
}

QProcessEnvironment ChildEnvironment(const QString& role)
{
    QProcessEnvironment environment = testsupport::ChildEnvironment();
    environment.insert(QString::fromLatin1(kRoleVariable), role);
    return environment;
}

} // namespace

class ScoresWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void recordFromARealGameReachesTheFile();
    void recordSurvivesAKillRightAfterItIsEntered();

private:
    std::unique_ptr<frmMain> form_;
    EventLog log_;
};

void ScoresWindowTest::initTestCase()
{
    RequireXdotool();
}

void ScoresWindowTest::cleanup()
{
    qApp->removeEventFilter(&log_);
    if (form_)
        form_->close();
    form_.reset();
    testsupport::RouteDialogsToLog();
}

void ScoresWindowTest::recordFromARealGameReachesTheFile()
{
    testsupport::ResetScores();
    StorePlacement();
    platform::RouteDialogs({}, {}); // the real message box and input box
    qApp->installEventFilter(&log_);
    form_ = shell::StartUp();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get(), kWait));
    frmMain& f = *form_;

    const QString name = QStringLiteral("Marie Curie");
    Observed seen;
    std::vector<Step> steps = FinishCommonGame(f, log_, name, seen);
    steps.push_back(ActivateWindow(f));
    steps.push_back(Input({"key", "alt+f"}, [&f] { return f.mnuFile->isVisible(); }, "Alt+F opens the File menu"));
    steps.push_back(Input({"key", "x"}, [&f] { return !f.isVisible(); }, "X chooses Exit and the window closes"));
    Script script(log_, std::move(steps));
    QTRY_VERIFY_WITH_TIMEOUT(script.finished(), 20 * kWait);
    QVERIFY2(script.failure().isEmpty(), qPrintable(script.failure()));

    QCOMPARE(seen.message, QStringLiteral("Congratulations for completing the Periodic Table"));
    QCOMPARE(seen.messageTitle, QStringLiteral("velmor08"));
    QCOMPARE(seen.promptTitle, QStringLiteral("High Score"));
    QCOMPARE(seen.prompt, QStringLiteral("Enter your Name."));
    QCOMPARE(seen.seconds.size(), 2);
    QVERIFY2(seen.minutes >= QStringLiteral("02") && seen.minutes.size() == 2, qPrintable(seen.minutes));
    // The row at rank 1; the empty times of every table were filled when the row was entered, and
    // the exit saved all four tables.
    QCOMPARE(FileInScoreFolder(kCommonFile),
             ScoreFile({{name, seen.minutes, QLatin1Char(':') + seen.seconds}}, QStringLiteral("00"), QStringLiteral(":00")));
    QCOMPARE(FileInScoreFolder(kAllFile), ScoreFile({}, QStringLiteral("00"), QStringLiteral(":00")));
}

void ScoresWindowTest::recordSurvivesAKillRightAfterItIsEntered()
{
    testsupport::ResetScores();
    StorePlacement();
    // A table as a first run leaves it, with one slow record in it.
    {
        QFile seed(testsupport::ScoreFolder() + QLatin1Char('/') + kCommonFile);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write(ScoreFile({{"Old", "99", ":59"}}, QString(), QString()));
    }

    QProcess recorder;
    recorder.setProcessEnvironment(ChildEnvironment(kRecordRole));
    recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    recorder.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(recorder.waitForStarted(kWait));
    QByteArray said;
    const auto reported = [&] {
        said += recorder.readAllStandardOutput();
        return said.contains('\n') || recorder.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY_WITH_TIMEOUT(reported(), 20 * kWait);
    // Only a running child is killed: the id of one that has ended is 0, which means the whole group.
    const pid_t child = pid_t(recorder.processId());
    QVERIFY2(recorder.state() == QProcess::Running && child > 0, said.constData());
    // Killed from outside as soon as the row is in: no unload, no clean close of any kind.
    QCOMPARE(::kill(child, SIGKILL), 0);
    QVERIFY(recorder.waitForFinished(kWait));
    QCOMPARE(recorder.exitStatus(), QProcess::CrashExit);
    QCOMPARE(recorder.exitCode(), SIGKILL);

    const QStringList report = QString::fromUtf8(said).trimmed().split(QLatin1Char('\t'));
    QCOMPARE(report.value(0), QStringLiteral("recorded"));
    QCOMPARE(report.size(), 4);
    const QString minutes = report[1];
    const QString seconds = QLatin1Char(':') + report[2];
    QCOMPARE(report[3], QStringLiteral("Enter your name."));
    // The record is on disk, the slower row moved down; no other table was saved, so nothing but
    // the save at the entry wrote it.
    QCOMPARE(FileInScoreFolder(kCommonFile),
             ScoreFile({{kKilledName, minutes, seconds}, {"Old", "99", ":59"}}, QStringLiteral("00"), QStringLiteral(":00")));
    QVERIFY(!QFile::exists(testsupport::ScoreFolder() + QLatin1Char('/') + kAllFile));

    // The next start, in a fresh process, shows the record in the Common Elements column.
    QProcess next;
    next.setProcessEnvironment(ChildEnvironment(kShowRole));
    next.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    next.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(next.waitForFinished(20 * kWait));
    QCOMPARE(next.exitStatus(), QProcess::NormalExit);
    QCOMPARE(next.exitCode(), 0);
    QStringList expected{"visible", kKilledName, minutes, seconds, "Old", "99", ":59"};
    for (int rank = 3; rank <= 9; ++rank)
        expected << "Name" << "00" << ":00";
    QCOMPARE(QString::fromUtf8(next.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

int main(int argc, char** argv)
{
    testsupport::Prepare(argc, argv);
    QApplication app(argc, argv);
    const QString role = qEnvironmentVariable(kRoleVariable);
    if (role == kRecordRole)
        return RecordChild();
    if (role == kShowRole)
        return ShowChild();
    testsupport::RouteDialogsToLog();
    ScoresWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "xtest_scores.moc"
