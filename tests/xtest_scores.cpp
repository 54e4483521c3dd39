// High scores on a real X server (a private Xvfb), with the real dialogs and real input from
// xdotool: a Common Elements game brought to its last tile in process, finished by a real drag of
// the holder's tile onto its own cell; the congratulation box closed with Return, a name typed into
// the "High Score" box, the window closed through File, Exit; the score file then holds the row.
// The same game is also played in a child copy of this executable that is killed with SIGKILL right
// after the record is entered; a fresh child process then shows the record.
// Several child copies open at once on one score folder each play to a record and end in turn, by
// File, Exit or by a signal: every record stays in the file whichever ends last. A child killed
// while it holds the folder's lock leaves no lock behind. SIGTERM, SIGHUP, SIGINT and the session
// manager's end of the session (a real one, over XSMP) end a game as File, Exit does, and so does
// the X server going away under it.
#include "scores/testing.h"
#include "platform/testing.h"
#include "xtestsupport.h"

#include "game/game.h"
#include "platform/dialogs.h"
#include "platform/folderlock.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSocketNotifier>

#include <algorithm>
#include <map>
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
const QString kShowRole = QStringLiteral("show");     // starts, shows the Common column, prints it
const QString kKilledName = QStringLiteral("Lise Meitner");
const QString kPlayerRole = QStringLiteral("player");     // a game that does what its standard input says
const QString kLockHolderRole = QStringLiteral("holdlock"); // holds the score folder's lock until killed
const QString kStartingRole = QStringLiteral("starting");   // the start, saying each step as it comes
// For a starting child: the step at which it waits for a line on its standard input.
const char* const kPauseVariable = "VELMOR08_XTEST_PAUSE_AT";
// Set for a child whose shared score folder cannot be made, so that it keeps the tables per user.
const char* const kNoSharedFolderVariable = "VELMOR08_XTEST_NO_SHARED_FOLDER";

// What the dialogs showed while they were open, and the finishing time.
struct Observed {
    QString message, messageTitle;
    QString prompt, promptTitle;
    QString minutes, seconds;
};

Step ActivateWindow(frmMain& f)
{
    return {[&f] {
                f.raise(); // above the other games' windows, where the pointer goes
                f.activateWindow();
                // Without a window manager the server ignores a focus request dated before the
                // last focus change, which another game may have made later: give it the focus
                // from outside, as a player's click on a managed window would.
                return Xdo({"windowfocus", QString::number(f.winId())});
            },
            [&f] { return HasKeyboard(&f); }, QStringLiteral("the main window takes the keyboard")};
}

// From the window as the start-up leaves it to a record in the Common Elements column: the game
// started from the Play menu's keys, every tile but the offered one counted as placed, the offered
// one dragged for real onto its cell, the congratulation closed with Return and the name typed and
// confirmed in the input box.
std::vector<Step> FinishCommonGame(frmMain& f, EventLog& log, const QString& name, Observed& seen,
                                   int elapsedSeconds = 125)
{
    PictureBox* holder = f.chart->imgHolder;
    const auto ownCell = [&f] { return f.chart->Image1[f.chart->CurrentElement]; };
    const QRect holderRect = holder->geometry();
    const QPoint bare = f.chart->Surface->mapToGlobal(QPoint(holderRect.center().x(), holderRect.bottom() + 16));
    return {
        ActivateWindow(f),
        Input({"key", "alt+p"}, [&f] { return f.mnuPlayGame->isVisible(); }, "Alt+P opens the Play Game menu"),
        Input({"key", "c"}, [&f] { return !f.mnuPlayGame->isVisible() && game::ActiveMode(*f.chart) == kCommonMode; },
              "C starts a Common Elements game"),
        {[&f, elapsedSeconds] {
             // The game one tile before its end, after two minutes by default: only the offered
             // element is still pending, and the clock goes on from 02:05.
             for (int i = 0; i < catalogue::kElementCount; ++i)
                 f.chart->frmHold.SetPending(i, i == f.chart->CurrentElement);
             f.chart->PlacedCount = catalogue::kElementCount - 1;
             f.chart->ElapsedSeconds = qint16(elapsedSeconds);
             f.chart->lblMin->setCaption(game::MinutesText(f.chart->ElapsedSeconds));
             f.chart->lblSec->setCaption(game::SecondsText(f.chart->ElapsedSeconds));
             return true;
         },
         [] { return true; }, "the last tile is offered"},
        Input(MoveTo(CentreOf(holder) - QPoint(1, 0)) + MoveTo(CentreOf(holder)),
              [&log, holder] { return log.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
        Input({"mousedown", "1"}, [&log, holder] { return log.seen(holder, QEvent::MouseButtonPress); },
              "a press on the holder begins the drag gesture"),
        Input(MoveTo(bare), [&log, &f] { return log.seen(f.chart->Surface, QEvent::DragMove); }, "the tile over bare window"),
        {[ownCell] { return Xdo(MoveTo(CentreOf(ownCell()) - QPoint(4, 3))); },
         [&log, ownCell] { return log.seen(ownCell(), QEvent::DragMove); }, "the tile reaches its own cell"},
        {[ownCell] { return Xdo(MoveTo(CentreOf(ownCell()))); },
         [&log, ownCell] { return log.seen(ownCell(), QEvent::DragMove); }, "the tile over the middle of its cell"},
        Input({"mouseup", "1"},
              [&f, &seen, holder] {
                  QMessageBox* box = OpenDialog<QMessageBox>();
                  if (holder->inDragLoop() || !HasKeyboard(box))
                      return false;
                  seen.message = box->text();
                  seen.messageTitle = box->windowTitle();
                  seen.minutes = f.chart->lblMin->caption();
                  seen.seconds = f.chart->lblSec->caption();
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
              [&f, name] {
                  if (OpenDialog<QInputDialog>())
                      return false;
                  for (int rank = 1; rank <= 9; ++rank) // below the records of other games, if faster
                      if (f.chart->NameLabel(rank, kCommonMode)->caption() == name)
                          return true;
                  return false;
              },
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
    QString out = form->chart->lblFirstName[kCommonMode]->isVisible() ? QStringLiteral("visible\n") : QStringLiteral("hidden\n");
    for (int rank = 1; rank <= 9; ++rank)
        for (const Label* label : {form->chart->NameLabel(rank, kCommonMode), form->chart->MinLabel(rank, kCommonMode),
                                   form->chart->SecLabel(rank, kCommonMode)})
            out += label->caption() + QLatin1Char('\n');
    Say(out);
    return 0;
}

// Child role: a game that says "ready" once its window is up, then does what each line on its
// standard input says (fields split by tabs) and answers each with one line:
//   play NAME SECONDS  a Common Elements game played to its end by real input at SECONDS on the
//                      clock, NAME entered: "play", the minutes and the seconds it finished at,
//                      the prompt of the name box
//   type NAME SECONDS  the same, with NAME typed in the name box and left open: "type", ...
//   congratulate NAME SECONDS  the same, left at the open congratulation: "congratulate", ...
//   drag NAME SECONDS  a game started and its tile dragged over the bare window, the button held
//   carry NAME SECONDS a game started and its tile lifted by a click, the pointer carrying it
//   message            waits for a message box, closes it with Return: "message", its text with
//                      each line break as " | "
//   move X Y           the window moved there: "moved"
//   exit               File, Exit chosen by keys; no answer, the process ends
int PlayerChild()
{
    platform::testing::RouteDialogs({}, {});
    EventLog log;
    qApp->installEventFilter(&log);
    const std::unique_ptr<frmMain> form = shell::StartUp();
    if (!QTest::qWaitForWindowExposed(form.get(), kWait)) {
        Say(QStringLiteral("failed: the window was not exposed\n"));
        return 1;
    }
    frmMain& f = *form;
    Observed seen;
    std::unique_ptr<Script> script;
    const auto play = [&](std::vector<Step> steps, std::function<QString()> answer) {
        script = std::make_unique<Script>(log, std::move(steps), [&script, answer] {
            if (!script->failure().isEmpty()) {
                Say(QStringLiteral("failed: %1\n").arg(script->failure()));
                std::_Exit(1);
            }
            Say(answer() + QLatin1Char('\n'));
        });
    };
    const auto obey = [&](const QStringList& command) {
        const QString verb = command.value(0);
        // How far a game is played: to the entered row, or that many steps short of it.
        const std::pair<const char*, size_t> stages[] = {
            {"play", 0}, {"type", 1}, {"congratulate", 3}, {"drag", 6}, {"carry", 7}};
        for (const auto& [stage, short_] : stages) {
            if (verb != QLatin1String(stage))
                continue;
            std::vector<Step> steps = FinishCommonGame(f, log, command.value(1), seen, command.value(2).toInt());
            steps.resize(steps.size() - short_);
            if (verb == QLatin1String("carry")) // a click in place of the press: the pointer carries the tile
                steps.back() = Input({"click", "1"}, [&f] { return f.chart->Carry->active(); }, "a click lifts the tile");
            play(std::move(steps), [&seen, answer = QString::fromLatin1(stage)] {
                return QStringLiteral("%1\t%2\t%3\t%4").arg(answer, seen.minutes, seen.seconds, seen.prompt);
            });
        }
        if (verb == QLatin1String("message")) {
            play({{[] { return true; },
                   [&seen] {
                       QMessageBox* box = OpenDialog<QMessageBox>();
                       if (!box || !HasKeyboard(box))
                           return false;
                       seen.message = box->text();
                       return true;
                   },
                   "a message box opens"},
                  Input({"key", "Return"}, [] { return !OpenDialog<QMessageBox>(); }, "Return closes it")},
                 [&seen] { return QStringLiteral("message\t") + QString(seen.message).replace(QLatin1Char('\n'), QStringLiteral(" | ")); });
        } else if (verb == QLatin1String("move")) {
            f.move(command.value(1).toInt(), command.value(2).toInt());
            Say(QStringLiteral("moved\n"));
        } else if (verb == QLatin1String("exit")) {
            play({ActivateWindow(f), Input({"key", "alt+f"}, [&f] { return f.mnuFile->isVisible(); }, "Alt+F"),
                  Input({"key", "x"}, [&f] { return !f.isVisible(); }, "X chooses Exit")},
                 [] { return QStringLiteral("closed"); });
        }
    };
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char bytes[256];
        const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(bytes, got);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            obey(QString::fromUtf8(pending.left(end)).split(QLatin1Char('\t')));
    });
    Say(QStringLiteral("ready\n"));
    return QApplication::exec();
}

// Child role: takes the score folder's lock, says "locked" and holds it until it is killed.
int LockHolderChild()
{
    const platform::FolderLock lock(testsupport::ScoreFolder(), std::chrono::milliseconds(kWait));
    Say(lock.held() ? QStringLiteral("locked\n") : QStringLiteral("failed: the lock was not had\n"));
    return QApplication::exec();
}

// Child role: the program's own start and run, each step of the start said on a line of its own
// as it comes; at the step named by kPauseVariable it first waits for a line on its standard input.
int StartingChild()
{
    const QByteArray pauseAt = qgetenv(kPauseVariable);
    const std::unique_ptr<frmMain> form = shell::StartUp([&pauseAt](const char* step) {
        Say(QString::fromLatin1(step) + QLatin1Char('\n'));
        char byte = 0;
        if (pauseAt == step)
            while (::read(STDIN_FILENO, &byte, 1) == 1 && byte != '\n') {
            }
    });
    return QApplication::exec();
}

QProcessEnvironment ChildEnvironment(const QString& role)
{
    QProcessEnvironment environment = testsupport::ChildEnvironment();
    environment.insert(QString::fromLatin1(kRoleVariable), role);
    return environment;
}

// A shared folder below a plain file, which no one can make: the games keep their tables per user.
QString BlockedSharedFolder() { return testsupport::TestHome() + QStringLiteral("/blocker/scores"); }
QString PerUserScoreFile(const QString& name) { return testsupport::TestHome() + QStringLiteral("/data/velmor08/") + name; }

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

// One child copy of this executable playing the role, talked to a line at a time.
class Child {
public:
    // Another program than this one when one is given.
    explicit Child(const QString& role, bool noSharedFolder = false, const QMap<QString, QString>& more = {},
                   const QString& program = QString(), const QStringList& arguments = {})
    {
        QProcessEnvironment environment = ChildEnvironment(role);
        if (noSharedFolder)
            environment.insert(QString::fromLatin1(kNoSharedFolderVariable), QStringLiteral("1"));
        for (auto it = more.begin(); it != more.end(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program.isEmpty() ? QCoreApplication::applicationFilePath() : program, arguments);
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kWait);
        }
    }
    // The next line the child says; empty when it says nothing in time or ends first.
    QString line()
    {
        QElapsedTimer clock;
        clock.start();
        while (!process.canReadLine() && process.state() != QProcess::NotRunning && clock.elapsed() < 10 * kWait)
            process.waitForReadyRead(100);
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    QString ask(const QStringList& command)
    {
        process.write((command.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
        return line();
    }
    pid_t pid() const { return pid_t(process.processId()); }
    QProcess process;
};

// A private X server of its own for one child, started and stopped by the test.
class PrivateDisplay {
public:
    PrivateDisplay()
    {
        server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (server.waitForStarted(kWait) && server.waitForReadyRead(kWait))
            name = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();
    }
    ~PrivateDisplay() { stop(); }
    void stop()
    {
        server.terminate();
        server.waitForFinished(kWait);
    }
    QProcess server;
    QString name; // empty when the server did not start
};

// Ends a game the given way and tells whether it ended on its own with exit code 0.
bool EndGame(Child& game, const QString& how)
{
    const std::pair<const char*, int> kEndSignals[] = {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
    if (how == QLatin1String("exit")) {
        game.process.write((how + QLatin1Char('\n')).toUtf8());
    } else {
        for (const auto& [name, number] : kEndSignals)
            if (how == QLatin1String(name) && game.pid() > 0)
                ::kill(game.pid(), number);
    }
    return game.process.waitForFinished(10 * kWait) && game.process.exitStatus() == QProcess::NormalExit
           && game.process.exitCode() == 0;
}

} // namespace

class ScoresWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void recordFromARealGameReachesTheFile();
    void recordSurvivesAKillRightAfterItIsEntered();
    void gamesSharingAFolderKeepEveryRecord_data();
    void gamesSharingAFolderKeepEveryRecord();
    void killedLockHolderLeavesNoLock();
    void recordKeptPerUserReachesTheSharedTable_data();
    void recordKeptPerUserReachesTheSharedTable();
    void recordNoFolderTakesIsTold_data();
    void recordNoFolderTakesIsTold();
    void endRequestsCloseTheGame_data();
    void endRequestsCloseTheGame();
    void displayGoingAwayRunsTheUnload_data();
    void displayGoingAwayRunsTheUnload();
    void endRequestsDuringTheStart_data();
    void endRequestsDuringTheStart();

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
    platform::testing::RouteDialogs({}, {}); // the real message box and input box
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

    Child recorder(kPlayerRole);
    QCOMPARE(recorder.line(), QStringLiteral("ready"));
    const QStringList report = recorder.ask({"play", kKilledName, "125"}).split(QLatin1Char('\t'));
    // Only a running child is killed: the id of one that has ended is 0, which means the whole group.
    const pid_t child = recorder.pid();
    QVERIFY2(recorder.process.state() == QProcess::Running && child > 0, qPrintable(report.join(' ')));
    // Killed from outside as soon as the row is in: no unload, no clean close of any kind.
    QCOMPARE(::kill(child, SIGKILL), 0);
    QVERIFY(recorder.process.waitForFinished(kWait));
    QCOMPARE(recorder.process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(recorder.process.exitCode(), SIGKILL);

    QCOMPARE(report.value(0), QStringLiteral("play"));
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

void ScoresWindowTest::gamesSharingAFolderKeepEveryRecord_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<QStringList>("plays"); // "game:seconds" in the order the games win
    QTest::addColumn<QStringList>("ends");  // "game:how" in the order the games end
    QTest::addColumn<bool>("perUser");      // no shared folder: the games share the per-user one

    QTest::newRow("two games, the second wins, the first ends last")
        << 2 << QStringList{"1:125"} << QStringList{"1:exit", "0:exit"} << false;
    QTest::newRow("four games, each wins, the first opened ends last")
        << 4 << QStringList{"2:140", "0:131", "3:125", "1:150"} << QStringList{"3:SIGTERM", "1:exit", "2:SIGHUP", "0:exit"}
        << false;
    QTest::newRow("two games on the per-user folder")
        << 2 << QStringList{"1:140", "0:125"} << QStringList{"1:exit", "0:SIGTERM"} << true;
}

void ScoresWindowTest::gamesSharingAFolderKeepEveryRecord()
{
    QFETCH(int, games);
    QFETCH(QStringList, plays);
    QFETCH(QStringList, ends);
    QFETCH(bool, perUser);
    testsupport::ResetScores();
    StorePlacement();
    const QString blocker = testsupport::TestHome() + QStringLiteral("/blocker");
    QFile::remove(blocker);
    if (perUser) {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // Every game is open, its tables loaded, before the first one wins.
    std::vector<std::unique_ptr<Child>> children;
    for (int i = 0; i < games; ++i) {
        children.push_back(std::make_unique<Child>(kPlayerRole, perUser));
        QCOMPARE(children.back()->line(), QStringLiteral("ready"));
    }
    QList<QStringList> records; // name, minutes, seconds
    for (const QString& play : plays) {
        const int game = play.section(QLatin1Char(':'), 0, 0).toInt();
        const QString name = QStringLiteral("Player %1").arg(game);
        const QStringList said = children[game]->ask({"play", name, play.section(QLatin1Char(':'), 1)}).split(QLatin1Char('\t'));
        QCOMPARE(said.value(0), QStringLiteral("play"));
        QCOMPARE(said.size(), 4);
        records.append({name, said[1], QLatin1Char(':') + said[2]});
    }
    for (const QString& end : ends) {
        const int game = end.section(QLatin1Char(':'), 0, 0).toInt();
        QVERIFY2(EndGame(*children[game], end.section(QLatin1Char(':'), 1)), qPrintable(end));
    }

    // Fastest first; the games were given times far enough apart that none are equal.
    std::sort(records.begin(), records.end(), [](const QStringList& a, const QStringList& b) {
        return a[1].toInt() * 100 + a[2].mid(1).toInt() < b[1].toInt() * 100 + b[2].mid(1).toInt();
    });
    const QString file = perUser ? PerUserScoreFile(kCommonFile) : testsupport::ScoreFolder() + QLatin1Char('/') + kCommonFile;
    QCOMPARE(BytesOf(file), ScoreFile(records, QStringLiteral("00"), QStringLiteral(":00")));
    QFile::remove(blocker);
}

void ScoresWindowTest::killedLockHolderLeavesNoLock()
{
    testsupport::ResetScores();
    StorePlacement();
    {
        Child holder(kLockHolderRole);
        QCOMPARE(holder.line(), QStringLiteral("locked"));
        QCOMPARE(platform::FolderLock(testsupport::ScoreFolder(), std::chrono::milliseconds(0)).status(),
                 platform::FolderLock::Status::Busy);
        QCOMPARE(::kill(holder.pid(), SIGKILL), 0);
        QVERIFY(holder.process.waitForFinished(kWait));
        QCOMPARE(holder.process.exitCode(), SIGKILL);
    }
    // The next game takes the lock at once: the record goes to the shared folder, none per user.
    Child game(kPlayerRole);
    QCOMPARE(game.line(), QStringLiteral("ready"));
    const QStringList said = game.ask({"play", kKilledName, "125"}).split(QLatin1Char('\t'));
    QCOMPARE(said.value(0), QStringLiteral("play"));
    QVERIFY(EndGame(game, QStringLiteral("exit")));
    QCOMPARE(FileInScoreFolder(kCommonFile),
             ScoreFile({{kKilledName, said.value(1), QLatin1Char(':') + said.value(2)}}, QStringLiteral("00"), QStringLiteral(":00")));
    QVERIFY(!QFile::exists(PerUserScoreFile(kCommonFile)));
}

void ScoresWindowTest::recordKeptPerUserReachesTheSharedTable_data()
{
    // How the shared folder is out of reach for the game that enters Bob's record: another process
    // holds its lock, or the game runs in a mount namespace of its own (unshare) where the folder
    // is a full tmpfs holding a copy of its files, or a read-only bind mount of itself.
    QTest::addColumn<QString>("cause");
    QTest::newRow("lock held by flock") << "busy";
    QTest::newRow("disk full") << "full";
    QTest::newRow("folder not writable") << "read-only";
}

// A game wins while the shared folder is out of reach and gets SIGTERM before it is back: Bob's
// record stands only per user. The later games of the same user bring it to the shared table.
void ScoresWindowTest::recordKeptPerUserReachesTheSharedTable()
{
    QFETCH(QString, cause);
    testsupport::ResetScores();
    StorePlacement();
    const QString shared = testsupport::ScoreFolder();
    const QString sharedFile = shared + QLatin1Char('/') + kCommonFile;
    {
        QFile seed(sharedFile);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write(ScoreFile({{"Alice", "01", ":07"}}, QStringLiteral("00"), QStringLiteral(":00")));
    }
    QString program;
    QStringList arguments;
    QProcess holder;
    if (cause == QLatin1String("busy")) {
        holder.start(QStringLiteral("bash"), {"-c", "exec 9<\"$0\"; flock 9; echo locked; exec sleep 600", shared});
        QVERIFY(holder.waitForReadyRead(kWait));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
    } else {
        if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0)
            QSKIP("no mount namespace can be made here");
        const QString setUp = cause == QLatin1String("full")
            ? QStringLiteral("cp -a \"$1\" \"$1.copy\" && mount -t tmpfs -o size=64k tmpfs \"$1\" && cp \"$1.copy\"/* \"$1\"/"
                             " && rm -r \"$1.copy\" && { dd if=/dev/zero of=\"$1/fill\" bs=4k 2>/dev/null; true; }")
            : QStringLiteral("mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\"");
        program = QStringLiteral("unshare");
        arguments = QStringList{"-rm", "sh", "-c", setUp + QStringLiteral(" && exec \"$0\""),
                                QCoreApplication::applicationFilePath(), shared};
    }

    QStringList bob;
    {
        Child game(kPlayerRole, false, {}, program, arguments);
        QCOMPARE(game.line(), QStringLiteral("ready"));
        const QStringList said = game.ask({"play", "Bob", "120"}).split(QLatin1Char('\t'));
        QCOMPARE(said.value(0), QStringLiteral("play"));
        bob = QStringList{"Bob", said.value(1), QLatin1Char(':') + said.value(2)};
        QVERIFY(EndGame(game, QStringLiteral("SIGTERM"))); // the folder still out of reach
    }
    const QByteArray bobLines = bob.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    QVERIFY2(!BytesOf(sharedFile).contains("Bob"), BytesOf(sharedFile).constData());
    QVERIFY2(BytesOf(PerUserScoreFile(kCommonFile)).contains(bobLines), BytesOf(PerUserScoreFile(kCommonFile)).constData());
    if (holder.state() != QProcess::NotRunning) {
        holder.kill();
        QVERIFY(holder.waitForFinished(kWait));
    }

    // Later games of the same user, with the folder within reach: Bob's record is brought at the
    // first one's start, then each saves its own.
    QList<QStringList> later;
    for (const auto& [name, seconds] : {std::pair{"Cy", "480"}, std::pair{"Dee", "540"}}) {
        Child game(kPlayerRole);
        QCOMPARE(game.line(), QStringLiteral("ready"));
        if (later.isEmpty())
            QCOMPARE(BytesOf(sharedFile), ScoreFile({{"Alice", "01", ":07"}, bob}, QStringLiteral("00"), QStringLiteral(":00")));
        const QStringList said = game.ask({"play", name, seconds}).split(QLatin1Char('\t'));
        QCOMPARE(said.value(0), QStringLiteral("play"));
        later.append({name, said.value(1), QLatin1Char(':') + said.value(2)});
        QVERIFY(EndGame(game, QStringLiteral("exit")));
    }
    // Bob 2nd after Alice, once; and no longer carried per user.
    QCOMPARE(BytesOf(sharedFile),
             ScoreFile({{"Alice", "01", ":07"}, bob, later[0], later[1]}, QStringLiteral("00"), QStringLiteral(":00")));
    QVERIFY(!BytesOf(PerUserScoreFile(kCommonFile)).contains(bobLines));
    QVERIFY(!QFile::exists(PerUserScoreFile(kCommonFile) + QStringLiteral(".pending")));
}

void ScoresWindowTest::recordNoFolderTakesIsTold_data()
{
    QTest::addColumn<QString>("setUp"); // shell commands run in the game's own mount namespace
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("notSaid");
    const QString cannot = QStringLiteral("cannot write the score folder");
    const QString full = QStringLiteral("the disk is full");
    // $1 the shared folder, $2 the folder that holds the per-user one.
    QTest::newRow("disk full")
        << QStringLiteral("for f in \"$1\" \"$2\"; do mount -t tmpfs -o size=16k tmpfs \"$f\" && mkdir -p \"$f/velmor08\""
                          " && { dd if=/dev/zero of=\"$f/fill\" bs=4k 2>/dev/null; true; } || exit 1; done")
        << full << cannot;
    QTest::newRow("neither folder writable")
        << QStringLiteral("for f in \"$1\" \"$2\"; do mount --bind \"$f\" \"$f\" && mount -o remount,bind,ro \"$f\" || exit 1; done")
        << cannot << full;
}

// A record that neither folder can take: the game says so in a message box, with the cause.
void ScoresWindowTest::recordNoFolderTakesIsTold()
{
    QFETCH(QString, setUp);
    QFETCH(QString, said);
    QFETCH(QString, notSaid);
    testsupport::ResetScores();
    StorePlacement();
    if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0)
        QSKIP("no mount namespace can be made here");
    const QString data = testsupport::TestHome() + QStringLiteral("/data");
    QVERIFY(QDir().mkpath(data));
    Child game(kPlayerRole, false, {}, QStringLiteral("unshare"),
               {"-rm", "sh", "-c", setUp + QStringLiteral(" && exec \"$0\""), QCoreApplication::applicationFilePath(),
                testsupport::ScoreFolder(), data});
    QCOMPARE(game.line(), QStringLiteral("ready"));
    QCOMPARE(game.ask({"play", "Bob", "120"}).section(QLatin1Char('\t'), 0, 0), QStringLiteral("play"));
    const QString message = game.ask({"message"});
    QVERIFY2(message.startsWith(QStringLiteral("message\tYour record could not be saved.")), qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QVERIFY2(!message.contains(notSaid), qPrintable(message));
    QVERIFY(EndGame(game, QStringLiteral("exit")));
}

void ScoresWindowTest::endRequestsCloseTheGame_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("stage"); // how far the game is when the request comes
    QTest::addColumn<QString>("entered"); // the name in the entered row; none for no row
    const QString name = QStringLiteral("Ida Noddack");
    QTest::newRow("SIGTERM") << "SIGTERM" << "play" << name;
    QTest::newRow("SIGHUP") << "SIGHUP" << "play" << name;
    QTest::newRow("SIGINT") << "SIGINT" << "play" << name;
    QTest::newRow("the session manager ends the session") << "logout" << "play" << name;
    // An open box closes as OK: the typed name goes in, and no name box opens after the message.
    QTest::newRow("SIGTERM while the name box is open") << "SIGTERM" << "type" << name;
    QTest::newRow("SIGTERM while the congratulation is open") << "SIGTERM" << "congratulate" << "";
    QTest::newRow("SIGTERM during a drag") << "SIGTERM" << "drag" << QString();
    QTest::newRow("SIGTERM while a click carries the tile") << "SIGTERM" << "carry" << QString();
}

void ScoresWindowTest::endRequestsCloseTheGame()
{
    QFETCH(QString, how);
    QFETCH(QString, stage);
    QFETCH(QString, entered);
    testsupport::ResetScores();
    StorePlacement();
    // The game is a client of a session manager of its own, which a logout goes through.
    Child manager(QString(), false, {}, QStringLiteral(VELMOR08_SESSION_MANAGER));
    const QString managerAddress = manager.line();
    QVERIFY2(!managerAddress.isEmpty(), "the session manager did not start");
    Child game(kPlayerRole, false, {{"SESSION_MANAGER", managerAddress}});
    QCOMPARE(game.line(), QStringLiteral("ready"));
    QCOMPARE(manager.line(), QStringLiteral("registered"));
    QCOMPARE(game.ask({"move", "37", "41"}), QStringLiteral("moved"));
    const QStringList said = game.ask({stage, QStringLiteral("Ida Noddack"), "125"}).split(QLatin1Char('\t'));
    QCOMPARE(said.value(0), stage);
    bool ended;
    if (how == QLatin1String("logout")) {
        manager.process.write("end\n");
        QCOMPARE(manager.line(), QStringLiteral("saved"));
        ended = game.process.waitForFinished(10 * kWait) && game.process.exitStatus() == QProcess::NormalExit
                && game.process.exitCode() == 0;
        QCOMPARE(manager.line(), QStringLiteral("closed"));
    } else {
        ended = EndGame(game, how);
    }
    Xdo({"mouseup", "1"}); // the button held by the drag
    QVERIFY(ended);

    // The unload ran: the placement is saved, and the tables are written as a closing game
    // writes them, the times filled after a completed game.
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("velmor08"), QStringLiteral("velmor08"));
    QCOMPARE(store.value(QStringLiteral("Settings/MainLeft")).toString(), QString::number(37 * 15));
    QCOMPARE(store.value(QStringLiteral("Settings/MainTop")).toString(), QString::number(41 * 15));
    QCOMPARE(store.value(QStringLiteral("Settings/MainWidth")).toString(), QString::number(900 * 15));
    const bool completed = !entered.isNull();
    const QString vacantMinutes = completed ? QStringLiteral("00") : QString();
    const QString vacantSeconds = completed ? QStringLiteral(":00") : QString();
    QCOMPARE(FileInScoreFolder(kAllFile), ScoreFile({}, vacantMinutes, vacantSeconds));
    QList<QStringList> rows;
    if (completed)
        rows.append({entered, said.value(1), QLatin1Char(':') + said.value(2)});
    QCOMPARE(FileInScoreFolder(kCommonFile), ScoreFile(rows, vacantMinutes, vacantSeconds));
}

void ScoresWindowTest::displayGoingAwayRunsTheUnload_data()
{
    QTest::addColumn<QString>("stage");   // how far the game is when the display goes
    QTest::addColumn<QString>("entered"); // the name in the entered row
    QTest::newRow("after the record") << "play" << QString(kKilledName);
    // As at a signal: the open box is taken as OK, the name typed so far goes in.
    QTest::newRow("while the name box is open") << "type" << QString(kKilledName);
    QTest::newRow("while the congratulation is open") << "congratulate" << "";
}

// The X server ends under a running game, as when a session ends by stopping it: the platform ends
// the process, and the unload still runs on its way out, with the finished game's record.
void ScoresWindowTest::displayGoingAwayRunsTheUnload()
{
    QFETCH(QString, stage);
    QFETCH(QString, entered);
    testsupport::ResetScores();
    StorePlacement();
    PrivateDisplay display;
    QVERIFY2(!display.name.isEmpty(), "Xvfb did not start");
    Child game(kPlayerRole, false, {{"DISPLAY", display.name}});
    QCOMPARE(game.line(), QStringLiteral("ready"));
    QCOMPARE(game.ask({"move", "37", "41"}), QStringLiteral("moved"));
    const QStringList said = game.ask({stage, kKilledName, "125"}).split(QLatin1Char('\t'));
    QCOMPARE(said.value(0), stage);
    display.stop();
    QVERIFY(game.process.waitForFinished(kWait));
    QCOMPARE(game.process.exitStatus(), QProcess::NormalExit); // no crash on the way out

    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("velmor08"), QStringLiteral("velmor08"));
    QCOMPARE(store.value(QStringLiteral("Settings/MainLeft")).toString(), QString::number(37 * 15));
    QCOMPARE(store.value(QStringLiteral("Settings/MainTop")).toString(), QString::number(41 * 15));
    QCOMPARE(FileInScoreFolder(kAllFile), ScoreFile({}, QStringLiteral("00"), QStringLiteral(":00")));
    QCOMPARE(FileInScoreFolder(kCommonFile),
             ScoreFile({{entered, said.value(1), QLatin1Char(':') + said.value(2)}}, QStringLiteral("00"), QStringLiteral(":00")));
}

void ScoresWindowTest::endRequestsDuringTheStart_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("step"); // the step of the start after which the signal is sent
    QTest::addColumn<bool>("pause");   // the start waits there until the signal has been sent
    const std::pair<const char*, int> signals_[] = {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
    for (const auto& [name, number] : signals_) {
        QTest::addRow("%s while the splash is up", name) << number << "splash-painted" << true;
        // The load waits up to half a second for the shared folder's lock, which another holds.
        QTest::addRow("%s while the load waits for the lock", name) << number << "load-begin" << false;
    }
}

// A signal during the start ends the program as File, Exit does, with exit code 0: the tables as
// they were (none changed, none written), the placement kept, no file left half-written.
void ScoresWindowTest::endRequestsDuringTheStart()
{
    QFETCH(int, signal);
    QFETCH(QString, step);
    QFETCH(bool, pause);
    testsupport::ResetScores();
    StorePlacement();
    std::map<QString, QByteArray> files;
    for (const QString& name : {kAllFile, kCommonFile, QStringLiteral("br547.txt"), QStringLiteral("br546.txt")}) {
        files[name] = name == kCommonFile ? ScoreFile({{"Alice", "01", ":07"}}, QString(), QString())
                                          : ScoreFile({}, QString(), QString());
        QFile file(testsupport::ScoreFolder() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[name]) == files[name].size());
    }

    Child holder(kLockHolderRole);
    QCOMPARE(holder.line(), QStringLiteral("locked"));
    Child game(kStartingRole, false, {{kPauseVariable, pause ? step : QString()}});
    QString said;
    while (!(said = game.line()).isEmpty() && said != step) {
    }
    QCOMPARE(said, step);
    QCOMPARE(::kill(game.pid(), signal), 0);
    if (pause)
        game.process.write("\n");
    // The lock is given up once the signal is sent, so the unload need not wait for it.
    QCOMPARE(::kill(holder.pid(), SIGKILL), 0);
    QVERIFY(game.process.waitForFinished(10 * kWait));
    QCOMPARE(game.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.process.exitCode(), 0);

    for (const auto& [name, bytes] : files) {
        QCOMPARE(FileInScoreFolder(name), bytes);
        QVERIFY2(!QFile::exists(PerUserScoreFile(name)), qPrintable(name));
    }
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("velmor08"), QStringLiteral("velmor08"));
    QCOMPARE(store.status(), QSettings::NoError);
    const std::pair<const char*, int> placement[] = {
        {"MainLeft", 0}, {"MainTop", 0}, {"MainWidth", 900 * 15}, {"MainHeight", 700 * 15}};
    for (const auto& [key, units] : placement)
        QCOMPARE(store.value(QStringLiteral("Settings/") + QLatin1String(key)).toString(), QString::number(units));
}

int main(int argc, char** argv)
{
    testsupport::Prepare(argc, argv);
    if (qEnvironmentVariableIsSet(kNoSharedFolderVariable))
        scores::testing::UseScoreFolder(BlockedSharedFolder());
    QApplication app(argc, argv);
    const QString role = qEnvironmentVariable(kRoleVariable);
    if (role == kShowRole)
        return ShowChild();
    if (role == kPlayerRole)
        return PlayerChild();
    if (role == kLockHolderRole)
        return LockHolderChild();
    if (role == kStartingRole)
        return StartingChild();
    testsupport::RouteDialogsToLog();
    ScoresWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "xtest_scores.moc"
