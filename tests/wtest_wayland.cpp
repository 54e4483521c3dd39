// The game as a native Wayland client (QT_QPA_PLATFORM=wayland) of a private weston with its desktop shell,
// started by run-in-weston.sh under the tests' own Xvfb. Real pointer and keyboard input from
// xdotool goes to weston's X window and reaches the game through the compositor's seat; the X
// screen shows what the compositor shows. Covered: the start, a drag placement, a click placement,
// and, in a child copy of this executable with the protocol log on (WAYLAND_DEBUG=1), a whole game
// played by keys through the congratulation and the name box and then ended by File, Exit, with
// every dialog sent to the compositor as a child of the game window.
#include "wtestsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "game/game.h"
#include "platform/dialogs.h"
#include "scores/scorefile.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <map>
#include <optional>
#include <queue>
#include <utility>
#include <vector>

using namespace xtestsupport;

namespace {

constexpr int kHydrogen = 0, kIron = 25, kRadon = 85, kLawrencium = 102;
constexpr int kCommonMode = 1;
constexpr unsigned kSeed = 20250611;

// A child copy of this executable plays a whole game by keys instead of running the tests.
const char* const kRoleVariable = "VELMOR08_WTEST_ROLE";
const QString kKeyboardGameRole = QStringLiteral("keyboard-game");
const QString kPlayerName = QStringLiteral("Ada Wayland");
// Written by the child to its protocol log once its window is up: every toplevel after it is a dialog.
const char* const kShownMarker = "velmor08-wtest: the game window is shown";

// A menu opened by its access key, held down until the menu shows. Weston takes the menu's popup
// grab only under the serial of the newest key event: a press and release that come in one burst,
// before the client has asked for the grab, close the menu again at once.
Step MenuKey(const char* key, std::function<bool()> open, const QString& what)
{
    return Input({"keydown", "alt", "keydown", key}, std::move(open), what);
}
Step ReleaseMenuKey(const char* key)
{
    return Input({"keyup", key, "keyup", "alt"}, [] { return true; }, QStringLiteral("the keys let go"));
}

int CommonCount()
{
    int count = 0;
    for (int i = 0; i < catalogue::kElementCount; ++i)
        count += catalogue::IsCommon(i);
    return count;
}

// A whole Common Elements game by keys alone: Alt+P, C; Space picks the tile up; for each tile the
// arrows take the mark to its cell and Enter places it; Return closes the congratulation, the name
// is typed and Return enters it; the keyboard is back on the game window by itself, and Alt+F, X
// ends the program.
std::vector<Step> KeyboardGame(frmMain& f)
{
    std::vector<Step> steps = {
        {[] { return true; }, [&f] { return HasKeyboard(&f); }, "the compositor gives the game window the keyboard"},
        MenuKey("p", [&f] { return f.mnuPlayGame->isVisible(); }, "Alt+P opens the Play Game menu"),
        ReleaseMenuKey("p"),
        Input({"key", "c"}, [&f] { return !f.mnuPlayGame->isVisible() && game::ActiveMode(*f.chart) == kCommonMode; },
              "C starts a game of common elements"),
        Input({"key", "space"}, [&f] { return game::MarkedCell(*f.chart) == kHydrogen; }, "Space picks the tile up and marks hydrogen"),
    };
    const int tiles = CommonCount();
    auto placedBefore = std::make_shared<int>(0);
    for (int n = 1; n <= tiles; ++n) {
        const bool last = n == tiles;
        steps.push_back({[&f, placedBefore] {
                             *placedBefore = f.chart->PlacedCount;
                             return Xdo(QStringList{"key"} + ArrowKeys(game::MarkedCell(*f.chart), f.chart->CurrentElement) + QStringList{"Return"});
                         },
                         [&f, placedBefore, last] {
                             if (!last)
                                 return f.chart->PlacedCount == *placedBefore + 1 && game::MarkedCell(*f.chart) >= 0;
                             QMessageBox* box = OpenDialog<QMessageBox>();
                             return f.chart->PlacedCount == catalogue::kElementCount && HasKeyboard(box)
                                 && box->text() == QStringLiteral("Congratulations for completing the Periodic Table");
                         },
                         last ? QStringLiteral("the arrows and Enter place the last tile and the congratulation opens")
                              : QStringLiteral("the arrows and Enter place tile %1").arg(n)});
    }
    steps.push_back(Input({"key", "Return"},
                          [] { return !OpenDialog<QMessageBox>() && HasKeyboard(OpenDialog<QInputDialog>()); },
                          "Return closes the congratulation and the name box holds the keyboard"));
    steps.push_back(Input({"type", "--delay", "30", kPlayerName},
                          [] { return OpenDialog<QInputDialog>() && OpenDialog<QInputDialog>()->textValue() == kPlayerName; },
                          "the name is typed"));
    steps.push_back(Input({"key", "Return"}, [&f] { return !OpenDialog<QInputDialog>() && f.chart->lblFirstName[1]->caption() == kPlayerName; },
                          "Return enters the row"));
    steps.push_back({[] { return true; }, [&f] { return HasKeyboard(&f); }, "the keyboard is back on the game window"});
    steps.push_back(MenuKey("f", [&f] { return f.mnuFile->isVisible(); }, "Alt+F opens the File menu"));
    steps.push_back(ReleaseMenuKey("f"));
    // The program may end before the script sees the window close: that X ends it shows in the
    // process ending by itself with 0.
    steps.push_back(Input({"key", "x"}, [] { return true; }, "X chooses Exit"));
    return steps;
}

void Say(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Child role: the program as main() runs it, with a seeded draw and the real dialogs, played by
// the keyboard game above. Says "played" when every step had its effect, or "failed: ..." and
// exits with 1; otherwise its exit code is the program's own.
int KeyboardGameChild()
{
    platform::testing::RouteDialogs({}, {});
    SeededDraws draws(kSeed);
    draws.route();
    EventLog log;
    qApp->installEventFilter(&log);
    const std::unique_ptr<frmMain> form = shell::StartUp();
    if (!QTest::qWaitForWindowExposed(form.get(), kWait)) {
        Say(QStringLiteral("failed: the window was not exposed\n"));
        return 1;
    }
    std::fprintf(stderr, "%s\n", kShownMarker);
    std::fflush(stderr);
    std::unique_ptr<Script> script;
    script = std::make_unique<Script>(log, KeyboardGame(*form), [&script] {
        if (!script->failure().isEmpty()) {
            Say(QStringLiteral("failed: %1\n").arg(script->failure()));
            std::_Exit(1);
        }
        Say(QStringLiteral("played\n"));
    });
    return QApplication::exec();
}

// One toplevel the client asked the compositor for, as its protocol log shows it.
struct Toplevel {
    QString id;     // "xdg_toplevel@N"
    QString title;
    QString parent; // the argument of its last set_parent; empty when it never sent one
    bool afterShown = false;
};

// The toplevels in the order they were made, from the client's requests in a WAYLAND_DEBUG log;
// `main` is the latest made of those alive when the marker was written (object ids are reused
// once destroyed, so each request goes to the toplevel that holds its id at that moment).
std::vector<Toplevel> ToplevelsOf(const QByteArray& log, QString& main)
{
    static const QRegularExpression request(QStringLiteral(R"(->\s+(\S+)@(\d+)\.(\w+)\((.*)\)\s*$)"));
    std::vector<Toplevel> made;
    std::map<QString, size_t> alive;
    bool shown = false;
    for (const QByteArray& raw : log.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.contains(QLatin1String(kShownMarker))) {
            shown = true;
            size_t latest = 0;
            for (const auto& [id, index] : alive)
                latest = std::max(latest, index);
            main = alive.empty() ? QString() : made[latest].id;
            continue;
        }
        const QRegularExpressionMatch m = request.match(line);
        if (!m.hasMatch())
            continue;
        const QString object = m.captured(1) + QLatin1Char('@') + m.captured(2);
        const QString name = m.captured(3);
        const QString arguments = m.captured(4);
        if (m.captured(1) == QLatin1String("xdg_surface") && name == QLatin1String("get_toplevel")) {
            const QString id = arguments.section(QLatin1Char(' '), -1);
            alive[id] = made.size();
            made.push_back({id, {}, {}, shown});
        } else if (m.captured(1) == QLatin1String("xdg_toplevel") && alive.count(object)) {
            Toplevel& toplevel = made[alive[object]];
            if (name == QLatin1String("set_title"))
                toplevel.title = arguments.mid(1, arguments.size() - 2);
            else if (name == QLatin1String("set_parent"))
                toplevel.parent = arguments;
            else if (name == QLatin1String("destroy"))
                alive.erase(object);
        }
    }
    return made;
}

// Pixels whose colour differs between two pictures of the same size; every pixel when the sizes differ.
int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height());
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += ((a.pixel(x, y) ^ b.pixel(x, y)) & RGB_MASK) != 0;
    return count;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void startShowsAndHovers();
    void dragPlacesTile();
    void clickThenClickPlacesTile();
    void keyboardGameEndsByFileExit();
    void everyDialogHasTheGameWindowAsParent();

private:
    void Start();
    void StartCommonGame();
    void Play(std::vector<Step> steps) { PlaySteps(log_, std::move(steps)); }
    // The child's whole keyboard game, played once for the tests that read it.
    struct ChildRun {
        QString said;
        QProcess::ExitStatus status = QProcess::CrashExit;
        int exitCode = -1;
        QByteArray scoreFile;
        QByteArray protocol;
    };
    const ChildRun& KeyboardGameRun();

    std::unique_ptr<frmMain> form_;
    EventLog log_;
    Seat seat_;
    SeededDraws draws_{kSeed};
    std::optional<ChildRun> run_;
};

void WaylandTest::initTestCase()
{
    RequireWeston();
    draws_.route();
}

void WaylandTest::cleanup() { CloseMainWindow(form_, log_); }

// The game window as the program opens it, holding the keyboard, and where its pointer input lands.
void WaylandTest::Start()
{
    StorePlacement();
    qApp->installEventFilter(&log_);
    form_ = shell::StartUp();
    QVERIFY(form_);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get(), kWait));
    // No client can take the keyboard on Wayland: the compositor gives it to the new toplevel.
    QTRY_VERIFY_WITH_TIMEOUT(HasKeyboard(form_.get()), kWait);
    QVERIFY2(seat_.calibrate(form_.get()), "the pointer's place in weston's window could not be matched to the game's window");
}

void WaylandTest::StartCommonGame()
{
    Start();
    if (QTest::currentTestFailed())
        return;
    game::StartGame(*form_->chart, kCommonMode);
    QVERIFY(form_->chart->imgHolder->shown());
}

// The window is up with the keyboard, the pointer over a cell shows its element, and the screen
// shows the chart's cells where the game drew them.
void WaylandTest::startShowsAndHovers()
{
    Start();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    QVERIFY(HasKeyboard(&f));
    const QRect radon = f.chart->Image1[kRadon]->geometry();
    const QPoint bare = f.chart->Surface->mapTo(&f, QPoint(radon.right() + 14, radon.center().y()));
    Play({Input(seat_.moveTo(f.chart->Image1[kIron]), [&f] { return f.chart->lblName->caption() == Name(kIron); },
                "the pointer over iron's cell shows iron"),
          Input(Seat::MoveOver(seat_.at(&f, bare)), [this, &f] { return log_.seen(f.chart->Surface, QEvent::MouseMove); },
                "the pointer on bare window, off the cells")});
    if (QTest::currentTestFailed())
        return;
    // The screen as the compositor shows it, taken again until its next frame is there.
    const QString shot = testsupport::TestHome() + QStringLiteral("/screen.png");
    const auto mismatch = [this, &f, &shot]() -> QString {
        if (QProcess::execute(QStringLiteral("import"), {"-window", "root", shot}) != 0)
            return QStringLiteral("no screenshot from import");
        const QImage screen = QImage(shot).convertToFormat(QImage::Format_RGB32);
        for (const int cell : {kHydrogen, kIron, kLawrencium}) {
            // Inside the cell's frame: neighbouring cells overlap its outer pixels.
            QWidget* tile = f.chart->Image1[cell];
            const QRect inside = tile->rect().adjusted(3, 3, -3, -3);
            const QImage drawn = tile->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
            const QPoint at = seat_.at(tile, inside.topLeft());
            if (const int differ = DifferentPixels(screen.copy(QRect(at, inside.size())), drawn))
                return QStringLiteral("the screen does not show %1's cell at %2,%3: %4 pixels differ")
                    .arg(Name(cell)).arg(at.x()).arg(at.y()).arg(differ);
        }
        return QString();
    };
    QString why;
    QElapsedTimer clock;
    clock.start();
    while (!(why = mismatch()).isEmpty() && clock.elapsed() < kWait)
        QTest::qWait(100);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

// The holder's tile dragged for real onto its own cell, through the compositor's drag and drop.
void WaylandTest::dragPlacesTile()
{
    StartCommonGame();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    PictureBox* holder = f.chart->imgHolder;
    const int cell = f.chart->CurrentElement;
    const qint16 placedBefore = f.chart->PlacedCount;
    QWidget* target = f.chart->Image1[cell];
    const QRect holderRect = holder->geometry();
    const QPoint bare = f.chart->Surface->mapTo(&f, QPoint(holderRect.center().x(), holderRect.bottom() + 16));
    Play({Input(seat_.moveTo(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
          Input({"mousedown", "1"}, [this, holder] { return log_.seen(holder, QEvent::MouseButtonPress); }, "a press on the holder begins the drag gesture"),
          Input(Seat::MoveOver(seat_.at(&f, bare)), [this, &f] { return log_.seen(f.chart->Surface, QEvent::DragMove); },
                "the tile over bare window"),
          Input(seat_.moveTo(target, target->rect().center() - QPoint(4, 3)), [this, target] { return log_.seen(target, QEvent::DragMove); },
                "the tile reaches its own cell"),
          Input(seat_.moveTo(target), [this, target] { return log_.seen(target, QEvent::DragMove); }, "the tile over the middle of its cell"),
          Input({"mouseup", "1"}, [&f, holder, placedBefore] { return !holder->inDragLoop() && f.chart->PlacedCount == placedBefore + 1; },
                "the drop places the tile")});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), f.chart->frmHold.Picture(cell).cacheKey());
    QVERIFY(!f.chart->frmHold.Pending(cell));
    QVERIFY(f.chart->frmHold.Pending(f.chart->CurrentElement));
    QVERIFY(holder->shown());
}

// A click lifts the holder's tile onto the pointer, a click on its cell puts it there.
void WaylandTest::clickThenClickPlacesTile()
{
    StartCommonGame();
    if (QTest::currentTestFailed())
        return;
    frmMain& f = *form_;
    PictureBox* holder = f.chart->imgHolder;
    const int cell = f.chart->CurrentElement;
    const qint16 placedBefore = f.chart->PlacedCount;
    Play({Input(seat_.moveTo(holder), [this, holder] { return log_.seen(holder, QEvent::MouseMove); }, "pointer on the holder"),
          Input({"click", "1"}, [&f, holder] { return f.chart->Carry->active() && !holder->shown(); }, "a click lifts the tile onto the pointer"),
          Input(seat_.moveTo(f.chart->Image1[cell]), [&f, cell] { return f.chart->lblName->caption() == Name(cell); },
                "the carried tile over its cell shows its element"),
          Input({"click", "1"}, [&f, placedBefore] { return !f.chart->Carry->active() && f.chart->PlacedCount == placedBefore + 1; },
                "a click on the cell places the tile")});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.chart->Image1[cell]->picture().cacheKey(), f.chart->frmHold.Picture(cell).cacheKey());
    QVERIFY(!f.chart->frmHold.Pending(cell));
    QVERIFY(holder->shown());
    QVERIFY(!QGuiApplication::overrideCursor());
}

const WaylandTest::ChildRun& WaylandTest::KeyboardGameRun()
{
    if (run_)
        return *run_;
    CloseMainWindow(form_, log_); // the child's window is the only one on the output
    testsupport::ResetScores();
    StorePlacement();
    const QString protocolPath = testsupport::TestHome() + QStringLiteral("/wayland-debug.log");
    QProcess child;
    QProcessEnvironment environment = testsupport::ChildEnvironment();
    environment.insert(QString::fromLatin1(kRoleVariable), kKeyboardGameRole);
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(protocolPath);
    child.start(QCoreApplication::applicationFilePath(), {});
    ChildRun run;
    if (!child.waitForFinished(25 * kWait)) {
        child.kill();
        child.waitForFinished(kWait);
    }
    run.said = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    run.status = child.exitStatus();
    run.exitCode = child.exitCode();
    run.scoreFile = FileBytes(testsupport::ScoreFolder() + QLatin1Char('/') + scores::FileName(kCommonMode));
    run.protocol = FileBytes(protocolPath);
    run_ = run;
    return *run_;
}

// A whole game by keys through both dialogs; then Alt+F, X ends the program with 0 and the record
// is in the score file.
void WaylandTest::keyboardGameEndsByFileExit()
{
    const ChildRun& run = KeyboardGameRun();
    QCOMPARE(run.said, QStringLiteral("played"));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.scoreFile.startsWith(kPlayerName.toUtf8() + "\r\n"), run.scoreFile.constData());
}

// The protocol log of the same game: the congratulation and the name box are each sent as a
// toplevel whose parent is the game window's toplevel.
void WaylandTest::everyDialogHasTheGameWindowAsParent()
{
    const ChildRun& run = KeyboardGameRun();
    QVERIFY2(run.protocol.contains(kShownMarker), "the child did not show its window");
    QString main;
    const std::vector<Toplevel> toplevels = ToplevelsOf(run.protocol, main);
    QVERIFY(!main.isEmpty());
    QStringList dialogs;
    for (const Toplevel& toplevel : toplevels) {
        if (!toplevel.afterShown)
            continue;
        dialogs << toplevel.title;
        QVERIFY2(toplevel.parent == main,
                 qPrintable(QStringLiteral("the dialog \"%1\" (%2) was sent with set_parent(%3), not the game window %4")
                                .arg(toplevel.title, toplevel.id, toplevel.parent.isEmpty() ? QStringLiteral("never sent") : toplevel.parent, main)));
    }
    QCOMPARE(dialogs, (QStringList{QStringLiteral("velmor08"), QStringLiteral("High Score")}));
}

int main(int argc, char** argv)
{
    testsupport::Prepare(argc, argv);
    QApplication app(argc, argv);
    if (qEnvironmentVariable(kRoleVariable) == kKeyboardGameRole)
        return KeyboardGameChild();
    testsupport::RouteDialogsToLog();
    WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wtest_wayland.moc"
