// The installed tree: the build is installed into a temporary prefix, and every file a desktop
// install needs is checked for its content and by the freedesktop validators.
#include "scores/testing.h"
#include "catalogue/tiles.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QXmlStreamReader>

namespace {

const QString kBuildDir = QStringLiteral(VELMOR08_BUILD_DIR);
const QString kSourceDir = QStringLiteral(VELMOR08_SOURCE_DIR);
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// A value of the build's CMake cache, e.g. "CMAKE_COMMAND".
QString CacheValue(const QString& name)
{
    QFile cache(kBuildDir + QStringLiteral("/CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QRegularExpression entry(QStringLiteral("^%1:[A-Z]+=(.*)$").arg(QRegularExpression::escape(name)));
    while (!cache.atEnd()) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(cache.readLine()).trimmed());
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

QString SourceText(const QString& relative)
{
    QFile file(kSourceDir + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Run {
    int exitCode = -1;
    QString output; // standard output and error together
};

Run RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run run;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        run.output = program + QStringLiteral(": ") + process.errorString();
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

// Key=value lines of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString& path)
{
    QMap<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            entries.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return entries;
}

// Texts of the metainfo elements by path from the root ("id", "launchable", "screenshots/screenshot/image").
QMultiMap<QString, QString> MetainfoTexts(const QString& path)
{
    QMultiMap<QString, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QStringList stack;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            stack.append(xml.name().toString());
            const QString key = stack.mid(1).join(QLatin1Char('/'));
            if (key == QStringLiteral("launchable") || key == QStringLiteral("id")
                || key.endsWith(QStringLiteral("/image")) || key == QStringLiteral("provides/binary")) {
                texts.insert(key, xml.readElementText());
                stack.removeLast();
            }
        } else if (xml.isEndElement()) {
            stack.removeLast();
        }
    }
    if (xml.hasError())
        texts.insert(QStringLiteral("error"), xml.errorString());
    return texts;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    QString appId_;

    QString Installed(const QString& relative) const { return prefix_.filePath(relative); }
    QString DesktopPath() const { return Installed(QStringLiteral("share/applications/%1.desktop").arg(appId_)); }
    QString MetainfoPath() const { return Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_)); }
    QString IconPath(int size) const
    {
        return Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId_));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        appId_ = CacheValue(QStringLiteral("VELMOR08_APP_ID"));
        QVERIFY2(!appId_.isEmpty(), "no application id in the build's cache");
        const Run install = RunTool(CacheValue(QStringLiteral("CMAKE_COMMAND")),
                                    {QStringLiteral("--install"), kBuildDir, QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    // Exactly these files, nothing more: the executable, the desktop entry, the metainfo, the icons,
    // the man page, a translation for each .ts. Nothing goes outside the prefix.
    void installedFiles()
    {
        QStringList expected = {QStringLiteral("bin/velmor08"),
                                QStringLiteral("share/applications/%1.desktop").arg(appId_),
                                QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_),
                                QStringLiteral("share/man/man6/velmor08.6.gz")};
        for (int size : kIconSizes)
            expected.append(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId_));
        for (const QString& ts : QDir(kSourceDir + QStringLiteral("/translations")).entryList({QStringLiteral("velmor08_*.ts")}))
            expected.append(QStringLiteral("share/velmor08/translations/") + QFileInfo(ts).completeBaseName() + QStringLiteral(".qm"));
        QStringList found;
        QDirIterator it(prefix_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(QDir(prefix_.path()).relativeFilePath(it.next()));
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
        QVERIFY(QFileInfo(Installed(QStringLiteral("bin/velmor08"))).isExecutable());
    }

    // The installed program finds its translations: what it says when it finds no display is in the
    // language asked for, and in English without one.
    void installedTranslations_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("said");
        QTest::newRow("English") << QString() << QStringLiteral("is a graphical session running?");
        QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("Läuft eine grafische Sitzung?");
        QTest::newRow("Portuguese") << QStringLiteral("pt") << QStringLiteral("há uma sessão gráfica a correr?");
    }
    void installedTranslations()
    {
        QFETCH(QString, language);
        QFETCH(QString, said);
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(Installed(QStringLiteral("bin/velmor08")), {});
        QVERIFY(game.waitForFinished(60000));
        QCOMPARE(game.exitCode(), 1);
        const QString output = QString::fromUtf8(game.readAll());
        QVERIFY2(output.contains(said), qPrintable(output));
    }

    // Each icon is the window icon's painting at that size, pixel for pixel.
    void icons_data()
    {
        QTest::addColumn<int>("size");
        for (int size : kIconSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }
    void icons()
    {
        QFETCH(int, size);
        const QImage icon(IconPath(size));
        QCOMPARE(icon.size(), QSize(size, size));
        const QImage painted = catalogue::PaintAppIcon(size).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(icon.convertToFormat(QImage::Format_RGB32), painted);
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("desktop-file-validate") << QStringLiteral("desktop-file-validate") << QStringList() << QStringLiteral("desktop");
        QTest::newRow("appstreamcli validate") << QStringLiteral("appstreamcli")
                                               << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                                               << QStringLiteral("metainfo");
    }
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const Run run = RunTool(program, arguments << (file == QStringLiteral("desktop") ? DesktopPath() : MetainfoPath()));
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY2(!run.output.contains(QStringLiteral("error"), Qt::CaseInsensitive), qPrintable(run.output));
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("type") << QStringLiteral("Type") << QStringLiteral("Application");
        QTest::newRow("name") << QStringLiteral("Name") << QStringLiteral("Periodic Table");
        QTest::newRow("categories") << QStringLiteral("Categories") << QStringLiteral("Game;Education;Science;Chemistry;");
        QTest::newRow("exec is the installed program") << QStringLiteral("Exec") << QStringLiteral("velmor08");
        QTest::newRow("icon is the installed icon") << QStringLiteral("Icon") << QStringLiteral("@appid");
        QTest::newRow("window class of the program") << QStringLiteral("StartupWMClass") << QStringLiteral("velmor08");
    }
    void desktopEntry()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(DesktopEntry(DesktopPath()).value(key), value == QStringLiteral("@appid") ? appId_ : value);
    }

    // The program gives its windows the desktop file name the entry is installed under.
    void desktopFileNameIsTheInstalledEntry()
    {
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), QFileInfo(DesktopPath()).fileName());
        QVERIFY(QFile::exists(DesktopPath()));
    }

    // A player who cannot write the shared folder finds the tables where every document says: the
    // folder the program writes them to, in a home with the default data folder.
    void documentedPerUserScoreFolder()
    {
        const QString home = testsupport::TestHome();
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", dataHome);
            scores::testing::UseScoreFolder(testsupport::ScoreFolder());
        });
        // A folder below a plain file can never be created, whoever runs the test.
        QFile blocker(home + QStringLiteral("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        scores::testing::UseScoreFolder(blocker.fileName() + QStringLiteral("/scores"));
        testsupport::SaveAllTables(*testsupport::LoadedWindow());

        QStringList used;
        QDirIterator it(home, {QStringLiteral("br549.txt")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            used.append(QStringLiteral("~/") + QDir(home).relativeFilePath(QFileInfo(it.next()).path()));
        QCOMPARE(used.size(), 1);

        const Run man = RunTool(QStringLiteral("zcat"), {Installed(QStringLiteral("share/man/man6/velmor08.6.gz"))});
        QCOMPARE(man.exitCode, 0);
        const QList<std::pair<QString, QString>> documents = {
            {QStringLiteral("man page"), man.output},
            {QStringLiteral("README.md"), SourceText(QStringLiteral("README.md"))},
            {QStringLiteral("docs/INSTALL-AND-BENCH.md"), SourceText(QStringLiteral("docs/INSTALL-AND-BENCH.md"))},
        };
        const QRegularExpression mention(QStringLiteral("~/\\.local/share[^\\s`'\")]*"));
        for (const auto& [document, text] : documents) {
            QStringList named;
            for (const QRegularExpressionMatch& match : mention.globalMatch(text))
                named.append(match.captured().remove(QRegularExpression(QStringLiteral("[/.,;:]+$"))));
            QVERIFY2(!named.isEmpty(), qPrintable(document + QStringLiteral(" names no per-user score folder")));
            for (const QString& path : named)
                QVERIFY2(path == used[0], qPrintable(QStringLiteral("%1 names %2, the program uses %3").arg(document, path, used[0])));
        }
    }

    // The metainfo names the desktop entry, the program and the screenshot in docs/ of the repository.
    void metainfo()
    {
        const QMultiMap<QString, QString> texts = MetainfoTexts(MetainfoPath());
        QVERIFY2(!texts.contains(QStringLiteral("error")), qPrintable(texts.value(QStringLiteral("error"))));
        QCOMPARE(texts.values(QStringLiteral("id")), QStringList{appId_});
        QCOMPARE(texts.values(QStringLiteral("launchable")), QStringList{appId_ + QStringLiteral(".desktop")});
        QCOMPARE(texts.values(QStringLiteral("provides/binary")), QStringList{QStringLiteral("velmor08")});
        const QStringList images = texts.values(QStringLiteral("screenshots/screenshot/image"));
        QCOMPARE(images.size(), 1);
        QVERIFY2(images[0].startsWith(QStringLiteral("https://")) && images[0].endsWith(QStringLiteral("/docs/screenshot.png")),
                 qPrintable(images[0]));
    }

    void screenshotInRepository()
    {
        if (!QFile::exists(kSourceDir + QStringLiteral("/docs/screenshot.png")))
            QSKIP("docs/screenshot.png, which the metainfo names, is not in the repository yet");
        QVERIFY(!QImage(kSourceDir + QStringLiteral("/docs/screenshot.png")).isNull());
    }

    // The man page renders without a warning and names the program.
    void manPage()
    {
        const Run run = RunTool(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("zcat \"$0\" | groff -man -ww -Tascii -P-cbou"),
                                                        Installed(QStringLiteral("share/man/man6/velmor08.6.gz"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.output.contains(QStringLiteral("warning")), qPrintable(run.output));
        QVERIFY2(run.output.contains(QRegularExpression(QStringLiteral("NAME\\s+velmor08\\s+- "))), qPrintable(run.output));
    }
};

VELMOR08_TEST_MAIN(InstallTest)
#include "test_install.moc"
