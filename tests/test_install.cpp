// The installed tree: the build is installed into a temporary prefix, and every file a desktop
// install needs is checked for its content and by the freedesktop validators; the executable for
// the hardening the package promises, the copyright and changelog for what Debian asks of them.
#include "scores/testing.h"
#include "catalogue/tiles.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

    // Exactly these files, nothing more: the executable in games/ (where Debian puts games), the
    // desktop entry, the metainfo, the icons, the man page, the copyright and the changelog, a
    // translation for each .ts. Nothing goes outside the prefix.
    void installedFiles()
    {
        QStringList expected = {QStringLiteral("games/velmor08"),
                                QStringLiteral("share/applications/%1.desktop").arg(appId_),
                                QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_),
                                QStringLiteral("share/man/man6/velmor08.6.gz"),
                                QStringLiteral("share/doc/velmor08/copyright"),
                                QStringLiteral("share/doc/velmor08/changelog.gz")};
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
        QVERIFY(QFileInfo(Installed(QStringLiteral("games/velmor08"))).isExecutable());
    }

    // The executable is hardened as Debian builds its packages. hardening-check cannot tell the
    // checked string functions from the plain ones when every call's size is known at compile time
    // (this program's case), nor see control-flow protection when Debian 12's start files lack its
    // mark; the checked functions are seen in the compile commands instead: every one of the game's
    // sources is compiled with _FORTIFY_SOURCE in an optimised build.
    void hardened()
    {
        if (CacheValue(QStringLiteral("VELMOR08_SANITIZE")) == QStringLiteral("ON"))
            QSKIP("the sanitizer build leaves the checked functions out");
        const QStringList optimised = {QStringLiteral("Release"), QStringLiteral("RelWithDebInfo"), QStringLiteral("MinSizeRel")};
        if (!optimised.contains(CacheValue(QStringLiteral("CMAKE_BUILD_TYPE"))))
            QSKIP("the checked functions need an optimised build");
        const Run check = RunTool(QStringLiteral("hardening-check"),
                                  {QStringLiteral("--nofortify"), QStringLiteral("--nocfprotection"),
                                   Installed(QStringLiteral("games/velmor08"))});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        for (const char* property : {"Position Independent Executable: yes", "Stack protected: yes",
                                     "Read-only relocations: yes", "Immediate binding: yes"})
            QVERIFY2(check.output.contains(QLatin1String(property)), qPrintable(check.output));

        QFile commands(kBuildDir + QStringLiteral("/compile_commands.json"));
        QVERIFY(commands.open(QIODevice::ReadOnly));
        const QJsonArray entries = QJsonDocument::fromJson(commands.readAll()).array();
        int gameSources = 0;
        for (const QJsonValue& entry : entries) {
            const QString file = QDir::cleanPath(entry[QStringLiteral("file")].toString());
            if (!file.startsWith(kSourceDir + QStringLiteral("/src/")) && !file.startsWith(kSourceDir + QStringLiteral("/app/")))
                continue;
            ++gameSources;
            const QString command = entry[QStringLiteral("command")].toString();
            QVERIFY2(command.contains(QStringLiteral(" -D_FORTIFY_SOURCE=2 ")), qPrintable(command));
        }
        QVERIFY(gameSources > 0);
    }

    // Both compressed files carry no name and no time, so that two builds give the same bytes.
    void compressedWithoutNameOrTime_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("man page") << QStringLiteral("share/man/man6/velmor08.6.gz");
        QTest::newRow("changelog") << QStringLiteral("share/doc/velmor08/changelog.gz");
    }
    void compressedWithoutNameOrTime()
    {
        QFETCH(QString, file);
        QFile gz(Installed(file));
        QVERIFY(gz.open(QIODevice::ReadOnly));
        const QByteArray header = gz.read(10);
        QCOMPARE(header.left(3), QByteArray("\x1f\x8b\x08"));
        QCOMPARE(int(header[3]) & 0x08, 0); // FNAME
        QCOMPARE(header.mid(4, 4), QByteArray(4, '\0')); // MTIME
    }

    // The changelog is a Debian changelog whose newest entry is this version, by the package's
    // maintainer.
    void changelog()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("changelog"));
        const Run unpack = RunTool(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("zcat \"$0\" > \"$1\""),
                                                           Installed(QStringLiteral("share/doc/velmor08/changelog.gz")), plain});
        QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
        const auto field = [&](const QString& name) {
            const Run parse = RunTool(QStringLiteral("dpkg-parsechangelog"), {QStringLiteral("-l"), plain, QStringLiteral("-S"), name});
            return parse.exitCode == 0 ? parse.output.trimmed() : parse.output;
        };
        QCOMPARE(field(QStringLiteral("Source")), QStringLiteral("velmor08"));
        QCOMPARE(field(QStringLiteral("Version")), CacheValue(QStringLiteral("CMAKE_PROJECT_VERSION")));
        QCOMPARE(field(QStringLiteral("Maintainer")), CacheValue(QStringLiteral("VELMOR08_CONTACT")));
    }

    // The copyright file is in Debian's machine-readable format, and the licence it names for the
    // project's files is the one in LICENSE at the top of the repository.
    void copyright()
    {
        QFile file(Installed(QStringLiteral("share/doc/velmor08/copyright")));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        const QRegularExpressionMatch all = QRegularExpression(QStringLiteral("\nFiles: \\*\nCopyright: [^\n]+\nLicense: (\\S+)\n")).match(text);
        QVERIFY2(all.hasMatch(), qPrintable(text));
        QCOMPARE(all.captured(1), QStringLiteral("GPL-3+"));
        QVERIFY(text.contains(QStringLiteral("\nLicense: GPL-3+\n This program is free software")));
        QVERIFY(text.contains(QStringLiteral("/usr/share/common-licenses/GPL-3")));
        const QString license = SourceText(QStringLiteral("LICENSE"));
        QVERIFY(license.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
        QVERIFY(license.contains(QStringLiteral("Version 3, 29 June 2007")));
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
        game.start(Installed(QStringLiteral("games/velmor08")), {});
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
