#include "scores/ranking.h"

#include <QCoreApplication>

namespace scores {
namespace {
// Far beyond any clock, small enough that minutes * 100 + 99 cannot overflow.
constexpr qint64 kMostMinutes = 1'000'000'000'000'000;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

qint64 TimeValue(const QString& minutes, const QString& seconds)
{
    if (minutes.isEmpty() || seconds.size() < 2)
        return kNotATime;
    qint64 value = 0;
    for (QChar c : minutes) {
        if (!IsDigit(c))
            return kNotATime;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMostMinutes)
            return kNotATime;
    }
    const QChar tens = seconds[seconds.size() - 2];
    const QChar ones = seconds[seconds.size() - 1];
    if (!IsDigit(tens) || !IsDigit(ones))
        return kNotATime;
    return value * 100 + (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

void FillEmptyTimes(Table& table)
{
    for (Row& row : table) {
        if (row.minutes.isEmpty()) {
            row.minutes = QStringLiteral("00");
            row.seconds = QStringLiteral(":00");
        }
    }
}

bool IsVacant(const Row& row)
{
    return row.name == kVacantName && (row.minutes.isEmpty() || TimeValue(row.minutes, row.seconds) == 0);
}

Place FindPlace(const Table& table, qint64 finishingTime)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        const Row& row = table[rank - 1];
        if (IsVacant(row))
            return {rank, QCoreApplication::translate("Scores", "Enter your Name.")};
        // An equal older time gives up its rank to the new one.
        if (TimeValue(row.minutes, row.seconds) >= finishingTime)
            return {rank, QCoreApplication::translate("Scores", "Enter your name.")};
    }
    return {};
}

void InsertAt(Table& table, int rank, const Row& row)
{
    for (int i = kRanks; i > rank; --i)
        table[i - 1] = table[i - 2];
    table[rank - 1] = row;
}

Table MergeEntries(Table table, const QList<Row>& entries, bool fillTimes)
{
    if (fillTimes)
        FillEmptyTimes(table);
    for (const Row& entry : entries)
        if (const Place place = FindPlace(table, TimeValue(entry.minutes, entry.seconds)); place.rank != 0)
            InsertAt(table, place.rank, entry);
    return table;
}

} // namespace scores
