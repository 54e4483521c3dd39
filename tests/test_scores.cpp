// High scores: time values and ranking, name entry, the score files and how they survive damage.
#include "platform/testing.h"
#include "scores/testing.h"
#include "testsupport.h"

#include "game/game.h"
#include "platform/folderlock.h"
#include "platform/textfile.h"
#include "scores/highscores.h"
#include "scores/ranking.h"
#include "scores/scorefile.h"
#include "shell/frmMain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <memory>

#include <unistd.h>

using scores::Row;
using scores::Table;

namespace {

const QString kNoPrompt;
const QRegularExpression kFallbackMessage(QStringLiteral("cannot write the score folder"));

// Rows are written "name|minutes|seconds"; a table is padded with vacant rows that hold a time.
Row R(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    return {parts.value(0), parts.value(1), parts.value(2)};
}
Table T(const QStringList& rows)
{
    Table table;
    table.fill(R(QStringLiteral("Name|00|:00")));
    for (int i = 0; i < rows.size(); ++i)
        table[i] = R(rows[i]);
    return table;
}
QStringList Texts(const Table& table)
{
    QStringList texts;
    for (const Row& row : table)
        texts << row.name + QLatin1Char('|') + row.minutes + QLatin1Char('|') + row.seconds;
    return texts;
}
const QStringList kInitialColumn(9, QStringLiteral("Name||"));

QStringList Column(const frmMain& form, int mode)
{
    QStringList texts;
    for (int rank = 1; rank <= 9; ++rank)
        texts << form.chart->NameLabel(rank, mode)->caption() + QLatin1Char('|') + form.chart->MinLabel(rank, mode)->caption()
                     + QLatin1Char('|') + form.chart->SecLabel(rank, mode)->caption();
    return texts;
}
void SetColumn(frmMain& form, int mode, const Table& table)
{
    for (int rank = 1; rank <= 9; ++rank) {
        form.chart->NameLabel(rank, mode)->setCaption(table[rank - 1].name);
        form.chart->MinLabel(rank, mode)->setCaption(table[rank - 1].minutes);
        form.chart->SecLabel(rank, mode)->setCaption(table[rank - 1].seconds);
    }
}

// A game of the mode that has just been completed in the given time.
void Finished(frmMain& form, int mode, const QString& minutes, const QString& seconds)
{
    game::StartGame(*form.chart, mode);
    form.chart->Timer1->setEnabled(false);
    form.chart->lblMin->setCaption(minutes);
    form.chart->lblSec->setCaption(seconds);
}

QString SharedFile(int mode) { return testsupport::ScoreFolder() + QLatin1Char('/') + scores::FileName(mode); }
QString PerUserFile(int mode)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + scores::FileName(mode);
}

QString PerUserFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}
QByteArray CrLf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}
QByteArray FileOf(const Table& table) { return platform::CrLfText(scores::LinesOfTable(table)); }
// A whole file whose first line holds the given bytes, the rest a vacant table.
QByteArray FileWithFirstName(const QByteArray& name) { return name + FileOf(T({})).mid(4); }

// Bytes without end that count how many have been taken.
class EndlessBytes : public QIODevice {
public:
    explicit EndlessBytes(QByteArray pattern) : pattern_(std::move(pattern)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (qint64(1) << 40) + QIODevice::bytesAvailable(); }
    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        for (qint64 i = 0; i < maxSize; ++i)
            data[i] = pattern_[(taken + i) % pattern_.size()];
        taken += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray pattern_;
};

} // namespace

class ScoresTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Ranking rules without a window.
    void timeValue_data();
    void timeValue();
    void ranking_data();
    void ranking();
    void oneLine_data();
    void oneLine();

    // Name entry on the window.
    void nameEntry_data();
    void nameEntry();
    void noPlaceAsksNothing();
    void emptyTimesFilledInEveryTable();
    void withoutGameOnlyTimesAreFilled();
    void veryLongNameKeepsLayoutAndFile();
    void playerCalledNameKeepsTheRecord();

    // Score files.
    void firstRunWritesFourVacantFiles();
    void firstGameFileByteForByte();
    void lineCounts_data();
    void lineCounts();
    void eachRankReadsItsOwnLines();
    void roundTrip_data();
    void roundTrip();
    void encodings_data();
    void encodings();
    void readingIsBounded_data();
    void readingIsBounded();

    // What the files survive.
    void damagedFile_data();
    void damagedFile();
    void damagedFilesInARow_data();
    void damagedFilesInARow();
    void interruptedSaveKeepsOldFiles();
    void symlinks_data();
    void symlinks();
    void recordSurvivesRunWithoutUnload();
    void unwritableSharedFolderFallsBackToPerUserFolder();
    void missingSharedFolderIsCreated();

    // Several games on one folder.
    void merge_data();
    void merge();
    void gameOpenedEarlierKeepsTheOtherGamesRecord();
    void lockedFolderKeepsTheRecordInThePerUserFolder();
    void scoreFileThatIsAFolderIsNamed();
    void keptRecordReachesTheSharedTable_data();
    void keptRecordReachesTheSharedTable();
    void lostRecordIsTold_data();
    void lostRecordIsTold();
};

void ScoresTest::init()
{
    testsupport::ResetScores();
    testsupport::Dialogs() = {};
    scores::testing::UseScoreFolder(testsupport::ScoreFolder());
}

void ScoresTest::cleanup()
{
    platform::testing::FailWritesBeforeRename(false);
    platform::testing::FailWritesWith(0);
    scores::testing::UseScoreFolder(testsupport::ScoreFolder());
    scores::testing::UseLockWait(scores::kLockWait);
}

void ScoresTest::timeValue_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<qint64>("value");
    const qint64 none = scores::kNotATime;
    QTest::newRow("1:05") << "01" << ":05" << qint64(105);
    QTest::newRow("0:59") << "00" << ":59" << qint64(59);
    QTest::newRow("12:00") << "12" << ":00" << qint64(1200);
    QTest::newRow("three-digit minutes") << "100" << ":00" << qint64(10000);
    QTest::newRow("clock texts have no colon") << "03" << "07" << qint64(307);
    QTest::newRow("largest 16-bit time") << "327" << ":59" << qint64(32759);
    QTest::newRow("328 minutes") << "328" << ":00" << qint64(32800);
    QTest::newRow("largest clock time") << "546" << ":07" << qint64(54607);
    QTest::newRow("one-digit minutes") << "7" << ":05" << qint64(705);
    QTest::newRow("leading zeros") << "0003" << ":05" << qint64(305);
    QTest::newRow("only the last two seconds characters count") << "01" << "x:05" << qint64(105);
    QTest::newRow("empty minutes") << "" << ":05" << none;
    QTest::newRow("letters in minutes") << "1a" << ":05" << none;
    QTest::newRow("space before minutes") << " 1" << ":05" << none;
    QTest::newRow("signed minutes") << "-1" << ":05" << none;
    QTest::newRow("non-ASCII digit") << QStringLiteral("\u0663") << ":05" << none;
    QTest::newRow("minutes beyond any clock") << "99999999999999999999" << ":05" << none;
    QTest::newRow("empty seconds") << "01" << "" << none;
    QTest::newRow("one seconds digit") << "01" << ":5" << none;
    QTest::newRow("seconds end in a letter") << "01" << ":5a" << none;
    QTest::newRow("seconds end in a space") << "01" << ":5 " << none;
}

void ScoresTest::timeValue()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(qint64, value);
    QCOMPARE(scores::TimeValue(minutes, seconds), value);
}

void ScoresTest::ranking_data()
{
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("after"); // the table once "New" is entered at the rank

    const QString vacant = QStringLiteral("Enter your Name.");
    const QString taken = QStringLiteral("Enter your name.");
    QStringList full;
    for (int r = 1; r <= 9; ++r)
        full << QStringLiteral("P%1|0%1|:00").arg(r);

    QTest::newRow("first game of an empty table")
        << QStringList{} << "03" << "07" << 1 << vacant << QStringList{"New|03|:07"};
    QTest::newRow("slower than rank 1, rank 2 vacant")
        << QStringList{"Ann|02|:00"} << "03" << "07" << 2 << vacant << QStringList{"Ann|02|:00", "New|03|:07"};
    QTest::newRow("equal to rank 1 takes its place")
        << QStringList{"Ann|03|:07"} << "03" << "07" << 1 << taken << QStringList{"New|03|:07", "Ann|03|:07"};
    QTest::newRow("faster than rank 1")
        << QStringList{"Ann|03|:07"} << "02" << "59" << 1 << taken << QStringList{"New|02|:59", "Ann|03|:07"};
    QTest::newRow("3:10 against 2:00, 3:10, 4:00")
        << QStringList{"A|02|:00", "B|03|:10", "C|04|:00"} << "03" << "10" << 2 << taken
        << QStringList{"A|02|:00", "New|03|:10", "B|03|:10", "C|04|:00"};
    QTest::newRow("full table beaten by nobody") << full << "10" << "00" << 0 << kNoPrompt << full;
    QTest::newRow("equal to rank 9 of a full table drops the old rank 9")
        << full << "09" << "00" << 9 << taken << full.mid(0, 8) + QStringList{"New|09|:00"};
    QTest::newRow("new best of a full table drops rank 9")
        << full << "00" << "30" << 1 << taken << QStringList{"New|00|:30"} + full.mid(0, 8);
    QTest::newRow("a row named Name with 00:00 is vacant")
        << QStringList{"Ann|01|:00", "Name|00|:00", "Bob|03|:00"} << "05" << "00" << 2 << vacant
        << QStringList{"Ann|01|:00", "New|05|:00", "Name|00|:00", "Bob|03|:00"};
    QTest::newRow("a row named Name that never held a time is vacant")
        << QStringList{"Ann|01|:00", "Name||", "Bob|03|:00"} << "05" << "00" << 2 << vacant
        << QStringList{"Ann|01|:00", "New|05|:00", "Name||", "Bob|03|:00"};
    QTest::newRow("a player called Name keeps a faster time's rank")
        << QStringList{"Ann|01|:00", "Name|02|:00", "Bob|03|:00"} << "05" << "00" << 4 << vacant
        << QStringList{"Ann|01|:00", "Name|02|:00", "Bob|03|:00", "New|05|:00"};
    QTest::newRow("a player called Name gives way to a faster time")
        << QStringList{"Ann|01|:00", "Name|06|:06"} << "05" << "00" << 2 << taken
        << QStringList{"Ann|01|:00", "New|05|:00", "Name|06|:06"};
    QTest::newRow("the vacancy test is case-sensitive")
        << QStringList{"name|01|:00", " Name|02|:00"} << "05" << "00" << 3 << vacant
        << QStringList{"name|01|:00", " Name|02|:00", "New|05|:00"};
    QTest::newRow("an empty name from a cancelled box keeps its rank")
        << QStringList{"|01|:00"} << "05" << "00" << 2 << vacant << QStringList{"|01|:00", "New|05|:00"};
    QTest::newRow("1:05 ranks below 0:59 and above 1:10")
        << QStringList{"A|00|:59", "B|01|:10"} << "01" << "05" << 2 << taken
        << QStringList{"A|00|:59", "New|01|:05", "B|01|:10"};
    QTest::newRow("100:00 ranks below 99:59")
        << QStringList{"A|99|:59", "B|100|:01"} << "100" << "00" << 2 << taken
        << QStringList{"A|99|:59", "New|100|:00", "B|100|:01"};
    QTest::newRow("328:00 ranks between 327:59 and 329:00")
        << QStringList{"A|327|:59", "B|329|:00"} << "328" << "00" << 2 << taken
        << QStringList{"A|327|:59", "New|328|:00", "B|329|:00"};
    QTest::newRow("a row with no well-formed time is slower than the largest clock time")
        << QStringList{"A|01|:00", "B|x1|:00", "C|02|:00"} << "546" << "07" << 2 << taken
        << QStringList{"A|01|:00", "New|546|:07", "B|x1|:00", "C|02|:00"};
    QTest::newRow("seconds without two digits are not a time")
        << QStringList{"A|01|:00", "B|01|:7"} << "01" << "30" << 2 << taken
        << QStringList{"A|01|:00", "New|01|:30", "B|01|:7"};
}

void ScoresTest::ranking()
{
    QFETCH(QStringList, table);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(int, rank);
    QFETCH(QString, prompt);
    QFETCH(QStringList, after);

    Table rows = T(table);
    const scores::Place place = scores::FindPlace(rows, scores::TimeValue(minutes, seconds));
    QCOMPARE(place.rank, rank);
    QCOMPARE(place.prompt, prompt);
    if (place.rank > 0)
        scores::InsertAt(rows, place.rank, {QStringLiteral("New"), minutes, QLatin1Char(':') + seconds});
    QCOMPARE(Texts(rows), Texts(T(after)));
}

void ScoresTest::oneLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    const QString ascii(1500, u'a');
    const QString umlauts(1500, u'\u00F6');                  // two bytes each
    const QString faces = QString(300, u'a') + QString::fromUtf8("\U0001F600").repeated(300); // four bytes each
    QTest::newRow("plain name") << "Ann" << "Ann";
    QTest::newRow("LF") << "Ann\nBo" << "Ann Bo";
    QTest::newRow("CR LF is one break") << "Ann\r\nBo" << "Ann Bo";
    QTest::newRow("CR alone") << "Ann\rBo" << "Ann Bo";
    QTest::newRow("Unicode line and paragraph separators")
        << QStringLiteral("A\u2028B\u2029C\u0085D") << "A B C D";
    QTest::newRow("NUL") << QStringLiteral("A") + QChar(0) + QStringLiteral("B") << "A B";
    QTest::newRow("tab stays") << "A\tB" << "A\tB";
    QTest::newRow("long ASCII name cut to the line length") << ascii << ascii.left(scores::kMaxLineBytes);
    QTest::newRow("two-byte characters cut whole") << umlauts << umlauts.left(scores::kMaxLineBytes / 2);
    // 300 bytes of 'a', then 181 faces of four bytes fill 1024 bytes: no half face is left.
    QTest::newRow("surrogate pairs never split") << faces << faces.left(300 + 2 * 181);
}

void ScoresTest::oneLine()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(scores::OneLine(text), line);
    QVERIFY(scores::OneLine(text).toUtf8().size() <= scores::kMaxLineBytes);
}

void ScoresTest::nameEntry_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::newRow("typed name") << "Ann" << "Ann";
    QTest::newRow("cancelled box gives an empty name") << "" << "";
    QTest::newRow("typed Name") << "Name" << "Name";
    QTest::newRow("line breaks become spaces") << "Ann\nBo\r\nCy" << "Ann Bo Cy";
    QTest::newRow("markup is kept letter for letter") << "<b>Bo</b>" << "<b>Bo</b>";
}

void ScoresTest::nameEntry()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    auto form = testsupport::LoadedWindow();
    SetColumn(*form, 2, T({"Ann|02|:00", "Bob|04|:00"}));
    Finished(*form, 2, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {answer};

    testsupport::EnterHighScore(*form);

    QCOMPARE(testsupport::Dialogs().prompts, QStringList{QStringLiteral("Enter your name.")});
    QCOMPARE(testsupport::Dialogs().titles, QStringList{QStringLiteral("High Score")});
    const QStringList expected = Texts(T({"Ann|02|:00", name + "|03|:07", "Bob|04|:00"}));
    QCOMPARE(Column(*form, 2), expected);
    QCOMPARE(form->chart->NameLabel(2, 2)->textFormat(), Qt::PlainText);
    // The new row is on disk at once, as the column shows it.
    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 2), expected);
}

void ScoresTest::noPlaceAsksNothing()
{
    QStringList fast;
    for (int r = 1; r <= 9; ++r)
        fast << QStringLiteral("P%1|00|:0%1").arg(r);
    auto form = testsupport::LoadedWindow();
    SetColumn(*form, 0, T(fast));
    Finished(*form, 0, QStringLiteral("00"), QStringLiteral("10"));

    testsupport::EnterHighScore(*form);

    QCOMPARE(testsupport::Dialogs().prompts, QStringList{});
    QCOMPARE(Column(*form, 0), Texts(T(fast)));
    QVERIFY(!QFile::exists(SharedFile(0)));
}

void ScoresTest::emptyTimesFilledInEveryTable()
{
    auto form = testsupport::LoadedWindow();
    // Only an empty minutes text is tested; the seconds text is replaced whatever it held.
    SetColumn(*form, 3, T({"Ann|01|:00", "Bob||:59", "Cy|ab|", "Name||"}));
    Finished(*form, 0, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Dee")};

    testsupport::EnterHighScore(*form);

    QCOMPARE(Column(*form, 0), Texts(T({"Dee|03|:07"})));
    QCOMPARE(Column(*form, 1), Texts(T({})));
    QCOMPARE(Column(*form, 2), Texts(T({})));
    QCOMPARE(Column(*form, 3), Texts(T({"Ann|01|:00", "Bob|00|:00", "Cy|ab|", "Name|00|:00"})));
}

void ScoresTest::withoutGameOnlyTimesAreFilled()
{
    auto form = testsupport::LoadedWindow();
    game::ClearBoard(*form->chart);
    QCOMPARE(game::ActiveMode(*form->chart), game::kNoMode);

    testsupport::EnterHighScore(*form);

    QCOMPARE(testsupport::Dialogs().prompts, QStringList{});
    for (int mode = 0; mode < 4; ++mode)
        QCOMPARE(Column(*form, mode), Texts(T({})));
}

void ScoresTest::veryLongNameKeepsLayoutAndFile()
{
    auto form = testsupport::LoadedWindow();
    QList<QRect> before;
    for (int rank = 1; rank <= 9; ++rank)
        before << form->chart->NameLabel(rank, 1)->geometry() << form->chart->MinLabel(rank, 1)->geometry();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    const QString name = QStringLiteral("Bartholomew ").repeated(10000);
    testsupport::Dialogs().answers = {name};

    testsupport::EnterHighScore(*form);

    QList<QRect> after;
    for (int rank = 1; rank <= 9; ++rank)
        after << form->chart->NameLabel(rank, 1)->geometry() << form->chart->MinLabel(rank, 1)->geometry();
    QCOMPARE(after, before);
    QVERIFY(!form->chart->NameLabel(1, 1)->wordWrap());
    const QString shown = form->chart->NameLabel(1, 1)->caption();
    QCOMPARE(shown, name.left(scores::kMaxLineBytes));
    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 1), Column(*form, 1));
}

// "Name" marks a vacant row only without a time: a player of that name keeps a rank by time.
void ScoresTest::playerCalledNameKeepsTheRecord()
{
    const QStringList games[] = {{"Name", "06", "06"}, {"Ann", "07", "07"}, {"Bob", "50", "00"}};
    for (const QStringList& game : games) {
        auto form = testsupport::LoadedWindow();
        Finished(*form, 2, game[1], game[2]);
        testsupport::Dialogs().answers = {game[0]};
        testsupport::EnterHighScore(*form);
        testsupport::SaveAllTables(*form);
    }
    QCOMPARE(testsupport::Dialogs().prompts, (QStringList{"Enter your Name.", "Enter your Name.", "Enter your Name."}));
    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 2), Texts(T({"Name|06|:06", "Ann|07|:07", "Bob|50|:00"})));
}

void ScoresTest::firstRunWritesFourVacantFiles()
{
    auto form = testsupport::LoadedWindow();
    testsupport::SaveAllTables(*form);
    const QByteArray vacant = QByteArray("Name\r\n\r\n\r\n").repeated(9);
    const QStringList names{"br549.txt", "br548.txt", "br547.txt", "br546.txt"};
    for (int mode = 0; mode < 4; ++mode) {
        QCOMPARE(scores::FileName(mode), names[mode]);
        QCOMPARE(Bytes(SharedFile(mode)), vacant);
    }
    QCOMPARE(QDir(testsupport::ScoreFolder()).entryList(QDir::Files), QStringList(names.rbegin(), names.rend()));
}

void ScoresTest::firstGameFileByteForByte()
{
    auto form = testsupport::LoadedWindow();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    testsupport::EnterHighScore(*form);
    const QByteArray expected = QByteArray("Ann\r\n03\r\n:07\r\n") + QByteArray("Name\r\n00\r\n:00\r\n").repeated(8);
    QCOMPARE(Bytes(SharedFile(1)), expected);

    // Saving over whole files keeps no copies of them.
    testsupport::SaveAllTables(*form);
    QCOMPARE(Bytes(SharedFile(1)), expected);
    QCOMPARE(QDir(testsupport::ScoreFolder()).entryList(QDir::Files).size(), 4);
}

void ScoresTest::lineCounts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loaded");
    QStringList lines;
    for (int r = 1; r <= 9; ++r)
        lines << QStringLiteral("P%1").arg(r) << QStringLiteral("0%1").arg(r) << QStringLiteral(":1%1").arg(r);
    const QByteArray whole = CrLf(lines);
    QTest::newRow("27 lines") << whole << true;
    QTest::newRow("27 lines ended by LF alone") << QByteArray(whole).replace("\r\n", "\n") << true;
    QTest::newRow("last line without its end") << whole.chopped(2) << true;
    QTest::newRow("30 lines: the first 27 are used") << whole + CrLf({"x", "y", "z"}) << true;
    QTest::newRow("anything after line 27 is ignored") << whole + QByteArray(5000, '\0') << true;
    QTest::newRow("26 lines") << CrLf(lines.mid(0, 26)) << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void ScoresTest::lineCounts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loaded);
    Write(SharedFile(2), bytes);
    auto form = testsupport::LoadedWindow();
    QStringList expected = kInitialColumn;
    if (loaded) {
        expected.clear();
        for (int r = 1; r <= 9; ++r)
            expected << QStringLiteral("P%1|0%1|:1%1").arg(r);
    }
    QCOMPARE(Column(*form, 2), expected);
}

void ScoresTest::eachRankReadsItsOwnLines()
{
    QStringList lines;
    for (int line = 1; line <= 27; ++line)
        lines << QStringLiteral("L%1").arg(line);
    Write(SharedFile(3), CrLf(lines));
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->chart->SecLabel(7, 3)->caption(), QStringLiteral("L21"));
    for (int rank = 1; rank <= 9; ++rank) {
        QCOMPARE(form->chart->NameLabel(rank, 3)->caption(), lines[3 * rank - 3]);
        QCOMPARE(form->chart->MinLabel(rank, 3)->caption(), lines[3 * rank - 2]);
        QCOMPARE(form->chart->SecLabel(rank, 3)->caption(), lines[3 * rank - 1]);
    }
    for (int mode = 0; mode < 3; ++mode)
        QCOMPARE(Column(*form, mode), kInitialColumn);
}

void ScoresTest::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("empty name") << "" << "03" << ":07";
    QTest::newRow("vacant row with a time") << "Name" << "00" << ":00";
    QTest::newRow("vacant row never timed") << "Name" << "" << "";
    QTest::newRow("bold markup") << "<b>Bo</b>" << "01" << ":00";
    QTest::newRow("image markup") << "<img src=x>" << "01" << ":00";
    QTest::newRow("entity") << "&amp; &lt;" << "01" << ":00";
    QTest::newRow("three-digit minutes") << "Ann" << "100" << ":59";
    QTest::newRow("comma") << "Smith, John" << "02" << ":00";
    QTest::newRow("leading double quote") << "\"Bo\", Jr" << "02" << ":00";
    QTest::newRow("lone double quote") << "\"" << "02" << ":00";
    QTest::newRow("non-ASCII") << QStringLiteral("Zo\u00EB \u00C6r\u00F8 \u5C71\u7530 \U0001F600") << "02" << ":00";
    QTest::newRow("spaces at both ends") << "  Ann  " << "02" << ":00";
    QTest::newRow("malformed time kept as it is") << "Cy" << "ab" << ":x";
}

void ScoresTest::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    auto form = testsupport::LoadedWindow();
    const Table table = T({"Ann|01|:00", "Bob|02|:00", "Cy|03|:00", "Dee|04|:00"});
    Table edited = table;
    edited[4] = {name, minutes, seconds};
    for (int mode = 0; mode < 4; ++mode)
        SetColumn(*form, mode, mode == 3 ? edited : table);
    testsupport::SaveAllTables(*form);

    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 3), Texts(edited));
    QCOMPARE(Column(*next, 0), Texts(table));
    QCOMPARE(next->chart->NameLabel(5, 3)->textFormat(), Qt::PlainText);
    QCOMPARE(next->chart->NameLabel(5, 3)->text(), name);
}

void ScoresTest::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written"); // the first line once saved again
    QTest::newRow("UTF-8") << FileWithFirstName("J\xC3\xB6rg \xE2\x82\xAC") << QStringLiteral("J\u00F6rg \u20AC")
                           << QByteArray("J\xC3\xB6rg \xE2\x82\xAC");
    QTest::newRow("Windows-1252") << FileWithFirstName("J\xF6rg Ren\xE9" "e") << QStringLiteral("J\u00F6rg Ren\u00E9e")
                                  << QByteArray("J\xC3\xB6rg Ren\xC3\xA9" "e");
    QTest::newRow("Windows-1252 euro, quotes and dash")
        << FileWithFirstName("\x80 \x93" "A\x94 \x96") << QStringLiteral("\u20AC \u201C" "A\u201D \u2013")
        << QByteArray("\xE2\x82\xAC \xE2\x80\x9C" "A\xE2\x80\x9D \xE2\x80\x93");
    // A UTF-8 name line in a file that is not UTF-8 as a whole is read as single bytes too.
    QByteArray mixed = FileWithFirstName("Zo\xC3\xAB");
    mixed.replace("Name\r\n00", "Nam\xE9\r\n00");
    QTest::newRow("one line not UTF-8 makes the whole file single-byte")
        << mixed << QStringLiteral("Zo\u00C3\u00AB") << QByteArray("Zo\xC3\x83\xC2\xAB");
    QTest::newRow("byte order mark at the start") << QByteArray("\xEF\xBB\xBF") + FileWithFirstName("Ann")
                                                  << QStringLiteral("Ann") << QByteArray("Ann");
}

void ScoresTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    Write(SharedFile(0), bytes);
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->chart->NameLabel(1, 0)->caption(), name);
    QCOMPARE(form->chart->MinLabel(9, 0)->caption(), QStringLiteral("00"));
    testsupport::SaveAllTables(*form);
    QCOMPARE(Bytes(SharedFile(0)).split('\r').first(), written);
}

void ScoresTest::readingIsBounded_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("tooLong");
    QTest::newRow("no line breaks") << QByteArray("x") << 0 << true;
    QTest::newRow("endless short lines") << QByteArray("Name\r\n") << 27 << false;
    QTest::newRow("27 lines, then no more breaks") << QByteArray("a\n").repeated(27) + QByteArray(100000, 'y') << 27 << false;
}

void ScoresTest::readingIsBounded()
{
    QFETCH(QByteArray, pattern);
    QFETCH(int, lines);
    QFETCH(bool, tooLong);
    EndlessBytes source(pattern);
    const platform::LinesRead read = platform::ReadLines(source, scores::kLinesPerFile, scores::kMaxLineBytes);
    QCOMPARE(read.lines.size(), lines);
    QCOMPARE(read.lineTooLong, tooLong);
    // No more than the lines themselves and one buffer fill of the device.
    QVERIFY2(source.taken <= scores::kLinesPerFile * (scores::kMaxLineBytes + 3) + 65536,
             qPrintable(QString::number(source.taken)));
}

void ScoresTest::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    const QByteArray whole = FileOf(T({"Ann|01|:00"}));
    QTest::newRow("short") << CrLf({"Ann", "01", ":00"}) << true;
    QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16).repeated(40) << true;
    QTest::newRow("a line too long") << QByteArray(scores::kMaxLineBytes + 1, 'a') + "\r\n" + whole << true;
    QTest::newRow("huge, without line breaks") << QByteArray(8 << 20, 'x') << true;
    QTest::newRow("no right to read") << whole << false;
}

void ScoresTest::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    if (!readable && ::geteuid() == 0)
        QSKIP("every file is readable to root");
    Write(SharedFile(0), bytes);
    if (!readable)
        QVERIFY(QFile::setPermissions(SharedFile(0), QFileDevice::WriteOwner));
    for (int mode = 1; mode < 4; ++mode)
        Write(SharedFile(mode), FileOf(T({QStringLiteral("M%1|0%1|:00").arg(mode)})));

    // The later files load whatever the first one holds; the first column keeps its texts.
    auto form = testsupport::LoadedWindow();
    QCOMPARE(Column(*form, 0), kInitialColumn);
    for (int mode = 1; mode < 4; ++mode)
        QCOMPARE(Column(*form, mode), Texts(T({QStringLiteral("M%1|0%1|:00").arg(mode)})));

    // The save keeps the old bytes beside the new file.
    SetColumn(*form, 0, T({"New|02|:00"}));
    testsupport::SaveAllTables(*form);
    QFile::setPermissions(SharedFile(0) + ".bad", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Bytes(SharedFile(0) + ".bad"), bytes);
    QCOMPARE(Bytes(SharedFile(0)), FileOf(T({"New|02|:00"})));
    QVERIFY(!QFile::exists(SharedFile(1) + ".bad"));
}

void ScoresTest::damagedFilesInARow_data()
{
    QTest::addColumn<QStringList>("damage"); // the second line of each damaged file, in order
    QTest::newRow("two in a row") << QStringList{"FIRST", "SECOND"};
    QStringList many;
    for (int i = 1; i <= scores::kDamagedCopies + 2; ++i)
        many << QStringLiteral("DAMAGE %1").arg(i);
    QTest::newRow("more than are kept") << many;
}

// Each start and close finds a damaged file again: every one of them is kept under a name of its
// own, up to the bound, after which the last name holds the newest.
void ScoresTest::damagedFilesInARow()
{
    QFETCH(QStringList, damage);
    for (const QString& line : damage) {
        Write(SharedFile(1), CrLf({"Ann", line}));
        auto form = testsupport::LoadedWindow();
        testsupport::SaveAllTables(*form);
        QCOMPARE(Bytes(SharedFile(1)), QByteArray("Name\r\n\r\n\r\n").repeated(9));
    }
    const int kept = std::min<int>(damage.size(), scores::kDamagedCopies);
    QStringList expected;
    for (int copy = 0; copy < kept; ++copy)
        expected << scores::FileName(1) + QStringLiteral(".bad") + (copy == 0 ? QString() : QStringLiteral(".%1").arg(copy));
    QStringList found = QDir(testsupport::ScoreFolder()).entryList({scores::FileName(1) + QStringLiteral(".bad*")}, QDir::Files);
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('.'), 3).toInt() < b.section(QLatin1Char('.'), 3).toInt();
    });
    QCOMPARE(found, expected);
    for (int copy = 0; copy < kept; ++copy) {
        const QString line = copy == kept - 1 ? damage.last() : damage[copy];
        QCOMPARE(Bytes(testsupport::ScoreFolder() + QLatin1Char('/') + expected[copy]), CrLf({"Ann", line}));
    }
}

void ScoresTest::interruptedSaveKeepsOldFiles()
{
    QMap<QString, QByteArray> before;
    for (int mode = 0; mode < 3; ++mode)
        Write(SharedFile(mode), FileOf(T({QStringLiteral("M%1|0%1|:00").arg(mode)})));
    Write(SharedFile(3), "damaged");
    auto form = testsupport::LoadedWindow();
    for (const QString& name : QDir(testsupport::ScoreFolder()).entryList(QDir::Files))
        before[name] = Bytes(testsupport::ScoreFolder() + QLatin1Char('/') + name);

    for (int mode = 0; mode < 4; ++mode)
        SetColumn(*form, mode, T({"New|02|:00"}));
    platform::testing::FailWritesBeforeRename(true);
    // Neither the shared nor the per-user folder takes the files; that is said on standard error.
    QTest::ignoreMessage(QtWarningMsg, kFallbackMessage);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the high scores")));
    testsupport::SaveAllTables(*form);

    QMap<QString, QByteArray> after;
    for (const QString& name : QDir(testsupport::ScoreFolder()).entryList(QDir::Files | QDir::Hidden))
        after[name] = Bytes(testsupport::ScoreFolder() + QLatin1Char('/') + name);
    QCOMPARE(after, before); // no file changed, no temporary file left, nothing moved aside
}

void ScoresTest::symlinks_data()
{
    QTest::addColumn<QString>("linkAt"); // suffix after the score file name
    QTest::addColumn<QByteArray>("file"); // what stands at the score file name when the link is elsewhere
    QTest::newRow("link at the score file") << "" << QByteArray();
    QTest::newRow("link at the name of the kept copy") << ".bad" << QByteArray("damaged");
}

void ScoresTest::symlinks()
{
    QFETCH(QString, linkAt);
    QFETCH(QByteArray, file);
    // The target is a whole score file elsewhere that must neither be shown nor touched.
    const QString target = testsupport::TestHome() + QStringLiteral("/target.txt");
    const QByteArray targetBytes = FileOf(T({"Secret|01|:00"}));
    Write(target, targetBytes);
    QVERIFY(QFile::link(target, SharedFile(0) + linkAt));
    if (!file.isEmpty())
        Write(SharedFile(0), file);

    auto form = testsupport::LoadedWindow();
    QCOMPARE(Column(*form, 0), kInitialColumn);
    SetColumn(*form, 0, T({"Ann|03|:07"}));
    testsupport::SaveAllTables(*form);

    QCOMPARE(Bytes(target), targetBytes);
    QVERIFY(!QFileInfo(SharedFile(0)).isSymLink());
    QCOMPARE(Bytes(SharedFile(0)), FileOf(T({"Ann|03|:07"})));
    if (file.isEmpty()) {
        QVERIFY(!QFile::exists(SharedFile(0) + ".bad"));
    } else {
        QVERIFY(!QFileInfo(SharedFile(0) + ".bad").isSymLink());
        QCOMPARE(Bytes(SharedFile(0) + ".bad"), file);
    }
}

void ScoresTest::recordSurvivesRunWithoutUnload()
{
    auto form = testsupport::LoadedWindow();
    Finished(*form, 3, QStringLiteral("05"), QStringLiteral("00"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    testsupport::EnterHighScore(*form);
    form.reset(); // the run ends here: no unload, no save at exit

    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 3), Texts(T({"Ann|05|:00"})));
}

void ScoresTest::unwritableSharedFolderFallsBackToPerUserFolder()
{
    // A folder below a plain file can never be created, whoever runs the test.
    const QString blocker = testsupport::TestHome() + QStringLiteral("/blocker");
    Write(blocker, "not a folder");
    const QString shared = blocker + QStringLiteral("/scores");
    scores::testing::UseScoreFolder(shared);
    QTest::failOnWarning(kFallbackMessage); // beyond the one expected below

    QTest::ignoreMessage(QtWarningMsg, kFallbackMessage);
    auto form = testsupport::LoadedWindow();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    testsupport::EnterHighScore(*form);
    testsupport::SaveAllTables(*form);
    const QByteArray expected = FileOf(T({"Ann|03|:07"}));
    QCOMPARE(Bytes(PerUserFile(1)), expected);
    QVERIFY(QFile::exists(PerUserFile(0)));

    // The next run reads the per-user files back.
    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 1), Texts(T({"Ann|03|:07"})));

    // Once the shared folder can be made, its missing files are read from the per-user folder
    // and the tables move there.
    QVERIFY(QFile::remove(blocker));
    scores::testing::UseScoreFolder(shared);
    auto moved = testsupport::LoadedWindow();
    QCOMPARE(Column(*moved, 1), Texts(T({"Ann|03|:07"})));
    testsupport::SaveAllTables(*moved);
    QCOMPARE(Bytes(shared + QStringLiteral("/br548.txt")), expected);
}

void ScoresTest::missingSharedFolderIsCreated()
{
    const QString shared = testsupport::ScoreFolder() + QStringLiteral("/games/velmor08");
    scores::testing::UseScoreFolder(shared);
    QTest::failOnWarning(kFallbackMessage);
    auto form = testsupport::LoadedWindow();
    QVERIFY(QFileInfo(shared).isDir());
    testsupport::SaveAllTables(*form);
    QCOMPARE(QDir(shared).entryList(QDir::Files).size(), 4);
    QVERIFY(!QFile::exists(PerUserFile(0)));
}

void ScoresTest::merge_data()
{
    QTest::addColumn<QStringList>("onDisk"); // as another game left the file
    QTest::addColumn<QStringList>("entered"); // rows this game entered, in order
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QStringList>("merged");
    QStringList full;
    for (int r = 1; r <= 9; ++r)
        full << QStringLiteral("P%1|0%1|:00").arg(r);

    QTest::newRow("nothing entered leaves the file's table")
        << QStringList{"Bea|02|:00"} << QStringList{} << false << QStringList{"Bea|02|:00"};
    QTest::newRow("a slower row goes below the other game's")
        << QStringList{"Bea|02|:00"} << QStringList{"Al|03|:00"} << false << QStringList{"Bea|02|:00", "Al|03|:00"};
    QTest::newRow("a faster row goes above it")
        << QStringList{"Bea|02|:00"} << QStringList{"Al|01|:00"} << false << QStringList{"Al|01|:00", "Bea|02|:00"};
    QTest::newRow("an equal time goes above the row already there")
        << QStringList{"Bea|02|:00"} << QStringList{"Al|02|:00"} << false << QStringList{"Al|02|:00", "Bea|02|:00"};
    QTest::newRow("rows entered one after the other are each ranked")
        << QStringList{"Bea|02|:00"} << QStringList{"Al|03|:00", "Cy|01|:30"} << false
        << QStringList{"Cy|01|:30", "Bea|02|:00", "Al|03|:00"};
    QTest::newRow("a full table loses only its rank 9")
        << full << QStringList{"Al|04|:30"} << false << full.mid(0, 4) + QStringList{"Al|04|:30"} + full.mid(4, 4);
    QTest::newRow("a row slower than a full table falls out")
        << full << QStringList{"Al|10|:00"} << false << full;
    QTest::newRow("a completed game fills the empty times before ranking")
        << QStringList(9, QStringLiteral("Name||")) << QStringList{"Al|03|:00"} << true << QStringList{"Al|03|:00"};
}

void ScoresTest::merge()
{
    QFETCH(QStringList, onDisk);
    QFETCH(QStringList, entered);
    QFETCH(bool, fill);
    QFETCH(QStringList, merged);
    QList<Row> rows;
    for (const QString& row : entered)
        rows << R(row);
    QCOMPARE(Texts(scores::MergeEntries(T(onDisk), rows, fill)), Texts(T(merged)));
}

// Two windows on one folder: the one opened first enters its record after the other's and is
// closed last; neither record is lost, and a table it did not change is left as the other wrote it.
void ScoresTest::gameOpenedEarlierKeepsTheOtherGamesRecord()
{
    Write(SharedFile(0), FileOf(T({"Old|05|:00"})));
    auto first = testsupport::LoadedWindow();
    auto second = testsupport::LoadedWindow();

    Finished(*second, 1, QStringLiteral("03"), QStringLiteral("00"));
    testsupport::Dialogs().answers = {QStringLiteral("Bea")};
    testsupport::EnterHighScore(*second);
    // The other game also puts a new row into the mode-0 file.
    Write(SharedFile(0), FileOf(T({"Old|05|:00", "Other|06|:00"})));
    testsupport::SaveAllTables(*second);

    // The first game sees the record when it ranks its own time, and asks accordingly.
    Finished(*first, 1, QStringLiteral("02"), QStringLiteral("00"));
    testsupport::Dialogs().answers = {QStringLiteral("Al")};
    testsupport::EnterHighScore(*first);
    QCOMPARE(testsupport::Dialogs().prompts, (QStringList{"Enter your Name.", "Enter your name."}));
    QCOMPARE(Column(*first, 1), Texts(T({"Al|02|:00", "Bea|03|:00"})));
    testsupport::SaveAllTables(*first);
    QCOMPARE(Bytes(SharedFile(1)), FileOf(T({"Al|02|:00", "Bea|03|:00"})));
    QCOMPARE(Bytes(SharedFile(0)), FileOf(T({"Old|05|:00", "Other|06|:00"})));

    // The second game, closed again later, has nothing new to write.
    testsupport::SaveAllTables(*second);
    QCOMPARE(Bytes(SharedFile(1)), FileOf(T({"Al|02|:00", "Bea|03|:00"})));
}

void ScoresTest::lockedFolderKeepsTheRecordInThePerUserFolder()
{
    scores::testing::UseLockWait(std::chrono::milliseconds(200));
    auto form = testsupport::LoadedWindow();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    const QByteArray expected = FileOf(T({"Ann|03|:07"}));
    {
        const platform::FolderLock otherGame(testsupport::ScoreFolder(), std::chrono::milliseconds(0));
        QVERIFY(otherGame.held());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("another game kept the score folder .* locked")));
        testsupport::EnterHighScore(*form);
        QCOMPARE(Bytes(PerUserFile(1)), expected);
        QVERIFY(!QFile::exists(SharedFile(1)));
    }
    // Once the lock is free, the exit brings the record to the shared folder.
    testsupport::SaveAllTables(*form);
    QCOMPARE(Bytes(SharedFile(1)), expected);
}

void ScoresTest::scoreFileThatIsAFolderIsNamed()
{
    QVERIFY(QDir().mkpath(SharedFile(1)));
    QTest::failOnWarning(kFallbackMessage);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("velmor08: %1 is not a plain file; keeping its high scores in ")
                                                              .arg(QRegularExpression::escape(SharedFile(1)))));
    auto form = testsupport::LoadedWindow();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    testsupport::EnterHighScore(*form);
    QCOMPARE(Bytes(PerUserFile(1)), FileOf(T({"Ann|03|:07"})));
    testsupport::SaveAllTables(*form);
    QVERIFY(QFileInfo(SharedFile(1)).isDir());
    QCOMPARE(Bytes(SharedFile(0)), FileOf(T({})));
}

// Why the shared folder is out of reach while a record is entered, and until when.
enum class OutOfReach { Busy, BusyAtNextStart, DiskFull, NotWritable };

void ScoresTest::keptRecordReachesTheSharedTable_data()
{
    QTest::addColumn<OutOfReach>("cause");
    QTest::newRow("lock busy") << OutOfReach::Busy;
    QTest::newRow("lock busy, and still at the next start") << OutOfReach::BusyAtNextStart;
    QTest::newRow("disk full") << OutOfReach::DiskFull;
    QTest::newRow("folder not writable, then writable") << OutOfReach::NotWritable;
}

// Bob's record is kept per user while the shared folder is out of reach, and that run ends with
// it still out of reach. The later runs bring it there, ranked by its time, once.
void ScoresTest::keptRecordReachesTheSharedTable()
{
    QFETCH(OutOfReach, cause);
    scores::testing::UseLockWait(std::chrono::milliseconds(200));
    const QString shared = testsupport::ScoreFolder();
    const QByteArray alice = FileOf(T({"Alice|01|:07"}));
    std::unique_ptr<platform::FolderLock> otherGame;
    if (cause == OutOfReach::NotWritable) { // a plain file where the folder should be
        QDir(shared).removeRecursively();
        Write(shared, "not a folder");
    } else {
        Write(SharedFile(1), alice);
    }
    if (cause == OutOfReach::DiskFull)
        platform::testing::FailWritesWith(ENOSPC, shared);
    if (cause == OutOfReach::Busy || cause == OutOfReach::BusyAtNextStart)
        otherGame = std::make_unique<platform::FolderLock>(shared, std::chrono::milliseconds(0));

    {
        auto form = testsupport::LoadedWindow();
        Finished(*form, 1, QStringLiteral("02"), QStringLiteral("00"));
        testsupport::Dialogs().answers = {QStringLiteral("Bob")};
        testsupport::EnterHighScore(*form);
        testsupport::SaveAllTables(*form); // the run's end, with the folder still out of reach
    }
    QVERIFY(Bytes(PerUserFile(1)).contains("Bob\r\n02\r\n:00\r\n"));
    QVERIFY(!Bytes(SharedFile(1)).contains("Bob"));
    QCOMPARE(testsupport::Dialogs().messages, QStringList{}); // the record is kept, only elsewhere

    // The folder comes within reach again, with Alice's record in it.
    platform::testing::FailWritesWith(0);
    if (cause == OutOfReach::NotWritable) {
        QVERIFY(QFile::remove(shared));
        QVERIFY(QDir().mkpath(shared));
        Write(SharedFile(1), alice);
    }
    if (cause != OutOfReach::BusyAtNextStart)
        otherGame.reset();
    const QStringList withBob = Texts(T({"Alice|01|:07", "Bob|02|:00"}));
    const QStringList names{"Cy", "Dee"};
    const QStringList minutes{"08", "09"};
    for (int run = 0; run < 2; ++run) {
        auto form = testsupport::LoadedWindow();
        if (run == 0 && cause != OutOfReach::BusyAtNextStart) { // brought at the start
            QCOMPARE(Bytes(SharedFile(1)), FileOf(T({"Alice|01|:07", "Bob|02|:00"})));
            QCOMPARE(Column(*form, 1), withBob);
        }
        otherGame.reset(); // free by the time of the save
        Finished(*form, 1, minutes[run], QStringLiteral("00"));
        testsupport::Dialogs().answers = {names[run]};
        testsupport::EnterHighScore(*form);
        testsupport::SaveAllTables(*form);
    }
    // Ranked 2nd, between Alice's faster and the later slower records: not twice, not lost.
    QCOMPARE(Bytes(SharedFile(1)), FileOf(T({"Alice|01|:07", "Bob|02|:00", "Cy|08|:00", "Dee|09|:00"})));
    QCOMPARE(testsupport::Dialogs().prompts,
             (QStringList{"Enter your Name.", "Enter your Name.", "Enter your Name."}));
    // No longer carried per user: neither listed as kept for the shared folder nor in the table.
    QVERIFY(!QFile::exists(PerUserFile(1) + QStringLiteral(".pending")));
    QVERIFY(!Bytes(PerUserFile(1)).contains("Bob"));
    auto next = testsupport::LoadedWindow();
    QCOMPARE(Column(*next, 1), Texts(T({"Alice|01|:07", "Bob|02|:00", "Cy|08|:00", "Dee|09|:00"})));
}

void ScoresTest::lostRecordIsTold_data()
{
    QTest::addColumn<QString>("shared");  // how the shared folder fails: busy, full, unwritable
    QTest::addColumn<QString>("perUser"); // how the per-user folder fails: full, unwritable
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("notSaid");
    const QString cannot = QStringLiteral("cannot write the score folder");
    const QString full = QStringLiteral("the disk is full");
    QTest::newRow("disk full") << "full" << "full" << QStringList{full} << QStringList{cannot};
    QTest::newRow("neither folder writable") << "unwritable" << "unwritable" << QStringList{cannot} << QStringList{full};
    QTest::newRow("shared folder busy, disk full")
        << "busy" << "full" << QStringList{"another game kept the score folder locked", full} << QStringList{cannot};
}

// A record that neither folder takes: the player is told in the game, once, and why.
void ScoresTest::lostRecordIsTold()
{
    QFETCH(QString, shared);
    QFETCH(QString, perUser);
    QFETCH(QStringList, said);
    QFETCH(QStringList, notSaid);
    scores::testing::UseLockWait(std::chrono::milliseconds(200));
    std::unique_ptr<platform::FolderLock> otherGame;
    if (shared == QLatin1String("busy"))
        otherGame = std::make_unique<platform::FolderLock>(testsupport::ScoreFolder(), std::chrono::milliseconds(0));
    if (shared == QLatin1String("full"))
        platform::testing::FailWritesWith(ENOSPC); // the one disk both folders are on
    if (perUser == QLatin1String("full"))
        platform::testing::FailWritesWith(ENOSPC, shared == QLatin1String("full") ? QString() : PerUserFolder());
    if (shared == QLatin1String("unwritable")) {
        const QString blocker = testsupport::TestHome() + QStringLiteral("/blocker");
        QDir(blocker).removeRecursively(); // left as a folder by the test that frees it
        Write(blocker, "not a folder");
        scores::testing::UseScoreFolder(blocker + QStringLiteral("/scores"));
    }
    if (perUser == QLatin1String("unwritable")) {
        QVERIFY(QDir().mkpath(QFileInfo(PerUserFolder()).path()));
        Write(PerUserFolder(), "not a folder");
    }
    auto form = testsupport::LoadedWindow();
    Finished(*form, 1, QStringLiteral("03"), QStringLiteral("07"));
    testsupport::Dialogs().answers = {QStringLiteral("Ann")};
    testsupport::EnterHighScore(*form);
    QCOMPARE(testsupport::Dialogs().messages.size(), 1);
    const QString message = testsupport::Dialogs().messages[0];
    QVERIFY2(message.startsWith(QStringLiteral("Your record could not be saved.")), qPrintable(message));
    for (const QString& cause : said)
        QVERIFY2(message.contains(cause), qPrintable(message));
    for (const QString& cause : notSaid)
        QVERIFY2(!message.contains(cause), qPrintable(message));
    // The row is still shown; the close, which cannot save it either, says nothing more.
    QCOMPARE(Column(*form, 1), Texts(T({"Ann|03|:07"})));
    testsupport::SaveAllTables(*form);
    QCOMPARE(testsupport::Dialogs().messages.size(), 1);
    QFile::remove(testsupport::TestHome() + QStringLiteral("/blocker"));
}

VELMOR08_TEST_MAIN(ScoresTest)
#include "test_scores.moc"
