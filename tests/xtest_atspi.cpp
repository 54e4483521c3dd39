// What a screen reader reads of the window, read back over the AT-SPI accessibility bus by a real
// accessibility client (tests/atspi_tree.py, with pyatspi) while the window runs on a private Xvfb.
// The test runs itself under dbus-run-session, so that it has a session bus of its own, on which
// the accessibility bus and its registry start on demand and end with it.
#include "xtestsupport.h"

#include "catalogue/elements.h"
#include "explore/explore.h"
#include "game/game.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QAccessible>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

using namespace xtestsupport;

namespace {

const char* const kOwnBusVariable = "VELMOR08_XTEST_OWN_SESSION_BUS";

struct Node {
    QString role, name, description;
    bool focused = false;
};

QString Words(int index)
{
    const catalogue::ElementRecord& e = catalogue::Element(index);
    return QStringLiteral("%1, %2, %3")
        .arg(QString::fromUtf8(e.name.data(), qsizetype(e.name.size())),
             QString::fromUtf8(e.symbol.data(), qsizetype(e.symbol.size())))
        .arg(e.number);
}

const Node* Named(const std::vector<Node>& tree, const QString& name)
{
    for (const Node& node : tree)
        if (node.name == name)
            return &node;
    return nullptr;
}

} // namespace

class AtspiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void namesReadOverTheBus();

private:
    void ReadTree(std::vector<Node>& tree);
    void Expect(const std::vector<Node>& tree, const QString& role, const QString& name, bool focused = false);

    std::unique_ptr<frmMain> form_;
    EventLog log_;
};

void AtspiTest::initTestCase()
{
    RequireXdotool();
    if (QTest::currentTestFailed())
        return;
    StartMainWindow(form_, log_);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), kWait);
}

void AtspiTest::cleanupTestCase() { CloseMainWindow(form_, log_); }

// The tree as the client reads it. The window must go on handling events meanwhile: every question
// the client asks is answered by this process's event loop.
void AtspiTest::ReadTree(std::vector<Node>& tree)
{
    QProcess client;
    QSignalSpy finished(&client, &QProcess::finished);
    client.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VELMOR08_SOURCE_DIR "/tests/atspi_tree.py"), QString::number(QCoreApplication::applicationPid())});
    QVERIFY2(client.waitForStarted(kWait), "python3 with pyatspi is needed");
    // A running event loop, not a polling wait: each of the client's many questions is answered
    // at once.
    QVERIFY(finished.wait(6 * kWait));
    QVERIFY2(client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0,
             qPrintable(QString::fromUtf8(client.readAllStandardError())));
    tree.clear();
    for (const QString& line : QString::fromUtf8(client.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 6)
            tree.push_back({fields[1], fields[2], fields[3], fields[4] == QLatin1String("focused")});
    }
    QVERIFY(tree.size() > catalogue::kElementCount);
}

void AtspiTest::Expect(const std::vector<Node>& tree, const QString& role, const QString& name, bool focused)
{
    const Node* node = Named(tree, name);
    QVERIFY2(node, qPrintable(QStringLiteral("nothing on the bus is named \"%1\"").arg(name)));
    QCOMPARE(node->role, role);
    QCOMPARE(node->focused, focused);
}

void AtspiTest::namesReadOverTheBus()
{
    frmMain& f = *form_;
    game::StartGame(*f.chart, 1);
    f.chart->Timer1->setEnabled(false); // the clock keeps the time it is read at
    const int offered = f.chart->CurrentElement;
    const int scandium = 20;
    Script script(log_, {Input({"key", "space"}, [&f] { return game::MarkedCell(*f.chart) == 0; },
                               "Space picks the tile up and marks hydrogen's cell")});
    QTRY_VERIFY_WITH_TIMEOUT(script.finished(), 2 * kWait);
    QVERIFY2(script.failure().isEmpty(), qPrintable(script.failure()));

    std::vector<Node> tree;
    ReadTree(tree);
    if (QTest::currentTestFailed())
        return;
    const QString cell = QStringLiteral("table cell");
    Expect(tree, QStringLiteral("frame"), QStringLiteral("Periodic Table"));
    if (offered != 0)
        Expect(tree, cell, QStringLiteral("empty, ") + explore::CellPlace(offered));
    Expect(tree, cell, QStringLiteral("empty, row 1, column 1"), true); // the marked cell has the focus
    Expect(tree, cell, Words(scandium));                                 // outside the game: its tile
    Expect(tree, QStringLiteral("image"), QStringLiteral("Tile to place: ") + Words(offered));
    QCOMPARE(Named(tree, QStringLiteral("Tile to place: ") + Words(offered))->description, explore::HowToPlace());
    Expect(tree, QStringLiteral("label"), QStringLiteral("Element: Hydrogen")); // the panel follows the mark
    Expect(tree, QStringLiteral("label"), QStringLiteral("Rank 1: vacant"));
    Expect(tree, QStringLiteral("label"), explore::ClockName(*f.chart));
    if (QTest::currentTestFailed())
        return;

    testsupport::DropOn(f, offered);
    const int next = f.chart->CurrentElement;
    ReadTree(tree);
    if (QTest::currentTestFailed())
        return;
    Expect(tree, cell, Words(offered), offered == 0);
    Expect(tree, QStringLiteral("image"), QStringLiteral("Tile to place: ") + Words(next));
    QVERIFY(!Named(tree, QStringLiteral("empty, ") + explore::CellPlace(offered)));
}

// Runs itself again under dbus-run-session unless it already runs there, with a runtime folder of
// its own for the accessibility bus's socket. There it starts the accessibility bus before the
// application, as a desktop session does.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet(kOwnBusVariable)) {
        char runtime[] = "/tmp/velmor08-a11y-XXXXXX";
        if (!mkdtemp(runtime)) {
            std::perror("mkdtemp");
            return 1;
        }
        qputenv(kOwnBusVariable, runtime);
        qputenv("XDG_RUNTIME_DIR", runtime);
        std::vector<char*> args{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp(args[0], args.data());
        std::perror("dbus-run-session (Debian package dbus-bin) is needed");
        return 1;
    }
    const QByteArray runtime = qgetenv(kOwnBusVariable);
    QByteArray address;
    if (FILE* reply = popen("dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus "
                            "org.a11y.Bus.GetAddress", "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, reply))
            address += line;
        pclose(reply);
    }
    address = address.trimmed();
    if (address.isEmpty()) {
        std::fputs("the accessibility bus did not start (Debian package at-spi2-core is needed)\n", stderr);
        return 1;
    }
    // Qt finds the running accessibility bus through the session bus (handing it the address in
    // AT_SPI_BUS_ADDRESS instead leaves Qt 6.4's accessibility switched off), and with no screen
    // reader running it serves the bus only when told to.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    int result;
    {
        testsupport::Prepare(argc, argv);
        QApplication app(argc, argv);
        testsupport::RouteDialogsToLog();
        AtspiTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    QDir(QString::fromLocal8Bit(runtime)).removeRecursively();
    return result;
}

#include "xtest_atspi.moc"
