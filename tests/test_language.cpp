// The game in the player's language: every text of the code translated in every language, the
// language chosen from the locale (English where none is asked for or none is there), menus whose
// access keys each choose one item, the panel's names and numbers as the language writes them,
// texts that fit their places at 100, 150 and 200 %, and score files that are the same bytes
// whatever language wrote or reads them.
#include "platform/testing.h"
#include "fitcheck.h"
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/families.h"
#include "chart/chart.h"
#include "chart/scale.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/language.h"
#include "platform/menus.h"
#include "scores/highscores.h"
#include "scores/scorefile.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace {

const QString kTranslations = QStringLiteral(VELMOR08_SOURCE_DIR "/translations");
const QString kBuilt = QStringLiteral(VELMOR08_BUILD_DIR "/translations");

// Every language the program has a translation for, from the files a translator adds.
QStringList Languages()
{
    QStringList languages;
    for (const QString& file : QDir(kTranslations).entryList({QStringLiteral("velmor08_*.ts")}, QDir::Files, QDir::Name))
        languages << file.mid(int(qstrlen("velmor08_")), file.size() - int(qstrlen("velmor08_.ts")));
    return languages;
}

void UseLanguage(const QString& language) { platform::testing::UseLanguage(language, {kBuilt}); }

struct Message {
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished one
};
using Messages = std::map<std::pair<QString, QString>, Message>; // by context and source text

Messages ReadTs(const QString& path)
{
    Messages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages[{context, source}] = message;
        }
    }
    return messages;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The access key marks of a caption: "&&" is a written ampersand.
int AccessKeys(QString text) { return int(text.remove(QStringLiteral("&&")).count(QLatin1Char('&'))); }

// The expected names and locale of each language the tests know by heart.
struct Expected {
    const char* language;
    const char* iron;
    const char* hydrogen;
    const char* locale;
};
constexpr Expected kExpected[] = {
    {"de", "Eisen", "Wasserstoff", "de_DE"},  {"fr", "Fer", "Hydrogène", "fr_FR"},
    {"es", "Hierro", "Hidrógeno", "es_ES"},   {"it", "Ferro", "Idrogeno", "it_IT"},
    {"pt", "Ferro", "Hidrogénio", "pt_PT"},
};

QMap<QString, QByteArray> ScoreFiles()
{
    QMap<QString, QByteArray> files;
    for (int mode = 0; mode < 4; ++mode) {
        QFile file(testsupport::ScoreFolder() + QLatin1Char('/') + scores::FileName(mode));
        files[scores::FileName(mode)] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    return files;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UseLanguage(QString()); }

    void everyTextTranslated_data();
    void everyTextTranslated();
    void languageFromLocale_data();
    void languageFromLocale();
    void englishAsWritten();
    void accessKeysChooseOneItem_data();
    void accessKeysChooseOneItem();
    void panelInLanguage_data();
    void panelInLanguage();
    void textsFit_data();
    void textsFit();
    void scoreFilesWhateverLanguage();
    void settingsWhateverLanguage();
};

void LanguageTest::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    QVERIFY(!Languages().isEmpty());
    for (const QString& language : Languages())
        QTest::newRow(qPrintable(language)) << language;
}

// The texts of the code as lupdate finds them now, each with a finished translation in the .ts.
void LanguageTest::everyTextTranslated()
{
    QFETCH(QString, language);
    static Messages code = [] {
        QTemporaryDir folder;
        const QString ts = folder.filePath(QStringLiteral("code.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(VELMOR08_LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                                        QStringLiteral("none"), QStringLiteral(VELMOR08_SOURCE_DIR "/src"),
                                                        QStringLiteral("-ts"), ts});
        lupdate.waitForFinished(120000);
        return ReadTs(ts);
    }();
    QVERIFY2(code.size() > 109, "lupdate found no texts in the code");
    const Messages translated = ReadTs(kTranslations + QStringLiteral("/velmor08_%1.ts").arg(language));
    QStringList faults;
    for (const auto& [key, message] : code) {
        const auto found = translated.find(key);
        const QString where = key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"');
        if (found == translated.end()) {
            faults << QStringLiteral("missing ") + where;
            continue;
        }
        const Message& t = found->second;
        if (!t.type.isEmpty() || t.translation.isEmpty())
            faults << QStringLiteral("not finished ") + where;
        else if (Placeholders(t.translation) != Placeholders(key.second))
            faults << QStringLiteral("other %n markers in ") + where;
        else if (AccessKeys(key.second) != AccessKeys(t.translation))
            faults << QStringLiteral("other access keys in ") + where;
    }
    for (const auto& [key, message] : translated)
        if (!code.count(key))
            faults << QStringLiteral("no longer in the code: ") + key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"');
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguageTest::languageFromLocale_data()
{
    QTest::addColumn<QString>("languages"); // as LANGUAGE lists them
    QTest::addColumn<QString>("spoken");
    QTest::newRow("de") << "de" << "de";
    QTest::newRow("de_AT") << "de-AT" << "de";
    QTest::newRow("fr_CA") << "fr-CA" << "fr";
    QTest::newRow("pt_BR gets European Portuguese") << "pt-BR" << "pt";
    QTest::newRow("pt_PT") << "pt-PT" << "pt";
    QTest::newRow("first of several") << "es:fr" << "es";
    QTest::newRow("first one translated") << "nl:it" << "it";
    QTest::newRow("English before German") << "en:de" << "";
    QTest::newRow("en_GB") << "en-GB" << "";
    QTest::newRow("en_US") << "en-US" << "";
    QTest::newRow("C") << "C" << "";
    QTest::newRow("POSIX") << "POSIX" << "";
    QTest::newRow("no translation") << "ja" << "";
}

void LanguageTest::languageFromLocale()
{
    QFETCH(QString, languages);
    QFETCH(QString, spoken);
    UseLanguage(languages);
    QCOMPARE(platform::UseSystemLanguage(), spoken);
    QCOMPARE(QCoreApplication::translate("frmMain", "E&xit") == QLatin1String("E&xit"), spoken.isEmpty());
}

// Without a translation every text is the code's own, and numbers and dates are as before.
void LanguageTest::englishAsWritten()
{
    const QLocale before;
    for (const QString& languages : {QStringLiteral("C"), QStringLiteral("en-US"), QStringLiteral("en-GB:de")}) {
        UseLanguage(languages);
        QCOMPARE(QLocale().name(), before.name());
        const auto form = testsupport::LoadedWindow();
        chart::Chart& c = *form->chart;
        QCOMPARE(form->windowTitle(), QStringLiteral("Periodic Table"));
        QCOMPARE(form->mnuNobel->text(), QStringLiteral("No&bel(Inert) Gases"));
        QCOMPARE(c.lblMeltingHeading->text(), QStringLiteral("Melting Point Celcius"));
        QCOMPARE(c.lblNumber->text(), QStringLiteral("Atomic Number"));
        QCOMPARE(c.NameLabel(1, 1)->text(), QStringLiteral("Name"));
        explore::ShowElement(c, 8);
        QCOMPARE(c.lblName->text(), QStringLiteral("Florine"));
        QCOMPARE(c.lblAtomicMass->text(), QStringLiteral("18.9984032"));
        QCOMPARE(c.lblMelting->text(), QStringLiteral("-219.7"));
        QCOMPARE(form->sbStatusBar->dateText(), before.toString(QDate::currentDate(), QLocale::ShortFormat));
    }
}

void LanguageTest::accessKeysChooseOneItem_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : Languages())
        QTest::newRow(qPrintable(language)) << language;
}

// In every menu (and in the menu bar) each item that can be chosen has an access key of its own,
// which chooses it; every item has one.
void LanguageTest::accessKeysChooseOneItem()
{
    QFETCH(QString, language);
    UseLanguage(language);
    const auto form = testsupport::LoadedWindow();
    QStringList faults;
    std::set<QChar> titles;
    for (QAction* entry : form->menuBar()->actions()) {
        const QChar key = QKeySequence::mnemonic(entry->text()).isEmpty()
                              ? QChar()
                              : QChar(QKeySequence::mnemonic(entry->text())[0].key());
        if (key.isNull() || !titles.insert(key).second)
            faults << QStringLiteral("menu bar: no key of its own for ") + entry->text();
        std::set<QChar> keys;
        for (QAction* item : entry->menu()->actions()) {
            if (item->isSeparator())
                continue;
            if (AccessKeys(item->text()) != 1)
                faults << entry->text() + QStringLiteral(": no access key in ") + item->text();
            if (!item->isEnabled())
                continue;
            const QChar itemKey = item->text().at(item->text().indexOf(QLatin1Char('&')) + 1).toUpper();
            if (!keys.insert(itemKey).second || platform::OnlyAvailableItemWithKey(entry->menu(), itemKey) != item)
                faults << entry->text() + QStringLiteral(": the key of ") + item->text() + QStringLiteral(" is shared");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguageTest::panelInLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("iron");
    QTest::addColumn<QString>("hydrogen");
    QTest::addColumn<QString>("locale");
    for (const Expected& e : kExpected)
        QTest::newRow(e.language) << QString::fromLatin1(e.language) << QString::fromUtf8(e.iron)
                                  << QString::fromUtf8(e.hydrogen) << QString::fromLatin1(e.locale);
}

// The names in the language, the values with its decimal comma, the symbols and "-" as they are,
// and the date as the language's locale writes it (the tests run under C.UTF-8).
void LanguageTest::panelInLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, iron);
    QFETCH(QString, hydrogen);
    QFETCH(QString, locale);
    UseLanguage(language);
    const auto form = testsupport::LoadedWindow();
    chart::Chart& c = *form->chart;
    explore::ShowElement(c, 25);
    QCOMPARE(c.lblName->text(), iron);
    QCOMPARE(c.lblAtomicMass->text(), QStringLiteral("55,847"));
    QCOMPARE(c.lblMelting->text(), QStringLiteral("1536"));
    QCOMPARE(explore::CellName(c, 25), iron + QStringLiteral(", Fe, 26"));
    explore::ShowElement(c, 0);
    QCOMPARE(c.lblName->text(), hydrogen);
    QCOMPARE(c.lblBoiling->text(), QStringLiteral("-252,76"));
    explore::ShowElement(c, 108);
    QCOMPARE(c.lblMelting->text(), QStringLiteral("-"));
    QCOMPARE(c.lblNumber->text(), QStringLiteral("109"));
    QCOMPARE(QLocale().name(), locale);
    QCOMPARE(form->sbStatusBar->dateText(), QLocale(locale).toString(QDate::currentDate(), QLocale::ShortFormat));
    QCOMPARE(c.NameLabel(1, 0)->text(), QCoreApplication::translate("Scores", "Name"));
    // Qt's own texts, the dialogs' buttons, in the language too (Brazilian ones for Portuguese).
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

void LanguageTest::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<qreal>("zoom");
    for (const QString& language : QStringList{QString()} + Languages())
        for (qreal zoom : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %d %%", language.isEmpty() ? "English" : qPrintable(language), int(zoom * 100))
                << language << zoom;
}

// Every state the chart can show its texts in: after the start, in a game with each element in the
// panel, and each View entry.
void LanguageTest::textsFit()
{
    QFETCH(QString, language);
    QFETCH(qreal, zoom);
    UseLanguage(language);
    const auto form = testsupport::LoadedWindow();
    chart::Chart& c = *form->chart;
    chart::ApplyScale(c, zoom);
    const qreal right = chart::LayoutSize().width() * zoom;
    QStringList misfits;
    const auto check = [&](const QString& state) {
        for (const QString& misfit : fitcheck::Misfits(*c.Surface, right))
            misfits << state + QStringLiteral(": ") + misfit;
    };
    check(QStringLiteral("start"));
    game::StartGame(c, 1);
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        explore::ShowElement(c, i);
        check(QStringLiteral("game, element %1").arg(i + 1));
    }
    for (int g = 0; g < catalogue::kGroupCount; ++g) {
        explore::RevealGroup(c, catalogue::Group(g));
        check(QStringLiteral("group %1").arg(g));
    }
    explore::RevealAll(c);
    check(QStringLiteral("all"));
    misfits.removeDuplicates();
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

// A record entered in German is written as in English; the files read back in English and in
// French show the same table (the vacant rows in their words) and are written back unchanged.
void LanguageTest::scoreFilesWhateverLanguage()
{
    const auto play = [](const QString& language) {
        testsupport::ResetScores();
        UseLanguage(language);
        const auto form = testsupport::LoadedWindow();
        chart::Chart& c = *form->chart;
        c.lblMin->setCaption(QStringLiteral("01"));
        c.lblSec->setCaption(QStringLiteral("05"));
        testsupport::Dialogs().answers = {QStringLiteral("Ann")};
        scores::EnterHighScore(c, form->ScoreRun, 1);
        testsupport::SaveAllTables(*form);
        return std::pair(ScoreFiles(), testsupport::Dialogs().titles.last());
    };
    const auto [english, englishTitle] = play(QString());
    const auto [german, germanTitle] = play(QStringLiteral("de"));
    QCOMPARE(englishTitle, QStringLiteral("High Score"));
    QCOMPARE(germanTitle, QStringLiteral("Bestzeit"));
    QCOMPARE(german, english);
    QVERIFY(german.value(scores::FileName(1)).startsWith("Ann\r\n01\r\n:05\r\nName\r\n00\r\n:00\r\n"));

    for (const QString& reader : {QString(), QStringLiteral("fr")}) {
        UseLanguage(reader);
        const auto form = testsupport::LoadedWindow();
        chart::Chart& c = *form->chart;
        QCOMPARE(c.NameLabel(1, 1)->text(), QStringLiteral("Ann"));
        QCOMPARE(c.NameLabel(2, 1)->text(), reader.isEmpty() ? QStringLiteral("Name") : QStringLiteral("Nom"));
        QCOMPARE(explore::ScoreRowName(c, 2, 1), reader.isEmpty() ? QStringLiteral("Rank 2: vacant")
                                                                  : QString::fromUtf8("Rang 2\u00a0: libre"));
        // A name entered in French goes in over the vacant rows read from the German files.
        c.lblMin->setCaption(QStringLiteral("02"));
        c.lblSec->setCaption(QStringLiteral("00"));
        testsupport::Dialogs().answers = {QStringLiteral("Nom")};
        scores::EnterHighScore(c, form->ScoreRun, 1);
        testsupport::SaveAllTables(*form);
        QVERIFY(ScoreFiles().value(scores::FileName(1)).startsWith("Ann\r\n01\r\n:05\r\nNom\r\n02\r\n:00\r\nName\r\n00\r\n:00\r\n"));
        QCOMPARE(c.NameLabel(2, 1)->text(), QStringLiteral("Nom"));
        // Back as the German game left them, for the next reader.
        QVERIFY(QFile::remove(testsupport::ScoreFolder() + QLatin1Char('/') + scores::FileName(1)));
        QFile file(testsupport::ScoreFolder() + QLatin1Char('/') + scores::FileName(1));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(german.value(scores::FileName(1)));
    }
}

// The placement and the zoom are kept as the same bytes by a German game as by an English one.
void LanguageTest::settingsWhateverLanguage()
{
    const auto keep = [](const QString& language) {
        testsupport::ResetSettings();
        UseLanguage(language);
        const auto form = testsupport::LoadedWindow();
        form->chart->Zoom = 1.5;
        form->move(40, 30);
        shell::SavePlacement(*form);
        shell::SaveZoom(*form);
        QFile file(testsupport::TestHome() + QStringLiteral("/config/velmor08/velmor08.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray english = keep(QString());
    QVERIFY(english.contains("Zoom=150"));
    for (const QString& language : Languages())
        QCOMPARE(keep(language), english);
}

VELMOR08_TEST_MAIN(LanguageTest)

#include "test_language.moc"
