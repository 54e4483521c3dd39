#pragma once
// The ranking rules of the high-score tables, as pure functions over the texts of a table.
#include <QList>
#include <QString>

#include <array>
#include <limits>

namespace scores {

constexpr int kRanks = 9;
constexpr int kModes = 4;

// One row: the name, the minutes text and the seconds text (":07").
struct Row {
    QString name;
    QString minutes;
    QString seconds;
    friend bool operator==(const Row&, const Row&) = default;
};

// Rank 1 (fastest) is element 0.
using Table = std::array<Row, kRanks>;

inline const QString kVacantName = QStringLiteral("Name");

// A vacant rank: named "Name" with no time or 00:00, as the files write vacant rows. A player who
// entered the name "Name" has a real time there, and that row is a record like any other.
bool IsVacant(const Row& row);

// The time value of texts that are not a time: slower than every real time.
constexpr qint64 kNotATime = std::numeric_limits<qint64>::max();

// The number written by the minutes text followed by the last two characters of the seconds text:
// minutes * 100 + seconds. Works for a row (":07") and for the clock texts ("07") alike. Minutes of
// any length the clock can show fit; texts that are not digits give kNotATime.
qint64 TimeValue(const QString& minutes, const QString& seconds);

// Every row whose minutes text is empty gets "00" and ":00"; other rows keep their texts.
void FillEmptyTimes(Table& table);

// Where a finishing time goes: the first rank that is vacant or whose time is equal or slower.
struct Place {
    int rank = 0; // 1 to 9; 0 when the time earns no place
    QString prompt;
};
Place FindPlace(const Table& table, qint64 finishingTime);

// Moves the rows from `rank` on down by one (the last one drops out) and puts `row` at `rank`.
void InsertAt(Table& table, int rank, const Row& row);

// A table as another game left it, with rows entered here ranked into it one after the other by
// the rules of a name entry; rows it holds are lost only by falling below rank 9. With fillTimes
// (a game was completed here) its empty times are filled first, as the name entry fills them.
Table MergeEntries(Table table, const QList<Row>& entries, bool fillTimes);

} // namespace scores
