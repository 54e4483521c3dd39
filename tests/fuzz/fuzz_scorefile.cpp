// libFuzzer target: the score-file reader over arbitrary bytes. Reading never takes more than the
// 27 lines of a file, and any table it accepts is written as 27 lines that read back to the same
// table and are written again to the same bytes. The same bytes read as a list of rows kept for the
// shared folder give at most nine rows, each with a real time and not vacant, that read back the same.
#include "platform/textfile.h"
#include "scores/scorefile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

platform::LinesRead Lines(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const platform::LinesRead read = platform::ReadLines(buffer, scores::kLinesPerFile, scores::kMaxLineBytes);
    Require(read.lines.size() <= scores::kLinesPerFile);
    for (const QByteArray& line : read.lines)
        Require(line.size() <= scores::kMaxLineBytes && !line.contains('\n'));
    return read;
}

std::optional<scores::Table> Read(const QByteArray& bytes) { return scores::TableFromLines(Lines(bytes)); }

void CheckPending(const QByteArray& bytes)
{
    const QList<scores::Row> rows = scores::PendingFromLines(Lines(bytes));
    Require(rows.size() <= scores::kRanks);
    for (const scores::Row& row : rows)
        Require(scores::TimeValue(row.minutes, row.seconds) != scores::kNotATime && !scores::IsVacant(row));
    Require(scores::PendingFromLines(Lines(platform::CrLfText(scores::LinesOfRows(rows)))) == rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckPending(bytes);
    const std::optional<scores::Table> table = Read(bytes);
    if (!table)
        return 0;
    const QByteArray written = platform::CrLfText(scores::LinesOfTable(*table));
    Require(written.count("\r\n") == scores::kLinesPerFile && written.count('\n') == scores::kLinesPerFile);
    const std::optional<scores::Table> again = Read(written);
    Require(again.has_value() && *again == *table);
    Require(platform::CrLfText(scores::LinesOfTable(*again)) == written);
    return 0;
}
