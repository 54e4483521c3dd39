#include "scores/scorefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace scores {
namespace {

constexpr const char* kFileNames[kModes] = {"br549.txt", "br548.txt", "br547.txt", "br546.txt"};

// Windows-1252 bytes 0x80 to 0x9F; the five bytes it leaves undefined keep their Latin-1 meaning.
// Every other byte stands for the character of the same number.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString FromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// The text of UTF-8 bytes, or nothing when they are not valid UTF-8.
std::optional<QString> FromUtf8(const QByteArray& bytes)
{
    // Stateless: a sequence cut off at the end of the line is an error too. A byte order mark is
    // kept like any other character; the caller removes those at the start of a file.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Characters that would start a new line in the file or in a label; NUL too, which no text file holds.
bool IsLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n': case u'\r': case u'\v': case u'\f': case 0x0085: case 0x2028: case 0x2029: case 0:
        return true;
    default:
        return false;
    }
}

} // namespace

QString FileName(int mode) { return QString::fromLatin1(kFileNames[mode]); }

QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : line)
        if (IsLineBreak(c))
            c = u' ';
    if (line.size() <= kMaxLineBytes / 3) // three bytes of UTF-8 at most per UTF-16 unit
        return line;
    // Every character takes at least one byte, so no more than kMaxLineBytes characters can stay.
    line.truncate(kMaxLineBytes);
    while (!line.isEmpty() && (line.back().isHighSurrogate() || line.toUtf8().size() > kMaxLineBytes))
        line.chop(1);
    return line;
}

namespace {
// The texts of lines read from a score file, or nothing when they are not text.
std::optional<QStringList> TextsOfLines(QList<QByteArray> lines)
{
    // Left by some editors at the start of the file, or of a line pasted in; never part of a name.
    // Taken from every line, so that no value read begins with one: written again as the first
    // line of a file it would be read as the file's mark and lost.
    for (QByteArray& line : lines)
        while (line.startsWith(kUtf8Bom))
            line.remove(0, kUtf8Bom.size());
    for (const QByteArray& line : lines)
        if (line.contains('\0')) // not a text file
            return std::nullopt;
    QStringList values(lines.size());
    bool utf8 = true;
    for (qsizetype i = 0; i < lines.size() && utf8; ++i) {
        const std::optional<QString> text = FromUtf8(lines[i]);
        utf8 = text.has_value();
        values[i] = text.value_or(QString());
    }
    // One line that is not UTF-8 makes the whole file single-byte text.
    for (qsizetype i = 0; i < lines.size(); ++i)
        values[i] = OneLine(utf8 ? values[i] : FromWindows1252(lines[i]));
    return values;
}
} // namespace

std::optional<Table> TableFromLines(const platform::LinesRead& read)
{
    if (read.status != platform::LinesRead::Status::Read || read.lineTooLong || read.lines.size() != kLinesPerFile)
        return std::nullopt;
    const std::optional<QStringList> values = TextsOfLines(read.lines);
    if (!values)
        return std::nullopt;
    Table table;
    for (int r = 0; r < kRanks; ++r)
        table[r] = {(*values)[3 * r], (*values)[3 * r + 1], (*values)[3 * r + 2]};
    return table;
}

QList<Row> PendingFromLines(const platform::LinesRead& read)
{
    QList<Row> rows;
    if (read.status != platform::LinesRead::Status::Read || read.lineTooLong)
        return rows;
    const std::optional<QStringList> values = TextsOfLines(read.lines);
    if (!values)
        return rows;
    for (qsizetype i = 0; i + 2 < values->size() && rows.size() < kRanks; i += 3) {
        const Row row{(*values)[i], (*values)[i + 1], (*values)[i + 2]};
        if (TimeValue(row.minutes, row.seconds) != kNotATime && !IsVacant(row))
            rows.append(row);
    }
    return rows;
}

QList<Row> ReadPendingFile(const QString& path)
{
    return PendingFromLines(platform::ReadLines(path, kLinesPerFile, kMaxLineBytes));
}

bool WritePendingFile(const QString& path, const QList<Row>& rows)
{
    if (rows.isEmpty())
        return !QFileInfo(path).isSymLink() && !QFileInfo::exists(path) ? true : QFile::remove(path);
    return platform::ReplaceWithLines(path, LinesOfRows(rows));
}

QList<QByteArray> LinesOfRows(const QList<Row>& rows)
{
    QList<QByteArray> lines;
    for (const Row& row : rows.mid(0, kRanks))
        for (const QString* value : {&row.name, &row.minutes, &row.seconds})
            lines.append(OneLine(*value).toUtf8());
    return lines;
}

QList<QByteArray> LinesOfTable(const Table& table)
{
    QList<QByteArray> lines;
    for (const Row& row : table)
        for (const QString* value : {&row.name, &row.minutes, &row.seconds})
            lines.append(OneLine(*value).toUtf8());
    return lines;
}

std::optional<Table> ReadScoreFile(const QString& path)
{
    return TableFromLines(platform::ReadLines(path, kLinesPerFile, kMaxLineBytes));
}

bool FileHolds(const QString& path, const Table& table)
{
    const QByteArray bytes = platform::CrLfText(LinesOfTable(table));
    return platform::ReadBytes(path, bytes.size() + 1) == bytes;
}

QString DamagedCopyName(const QString& path)
{
    QString name;
    for (int copy = 0; copy < kDamagedCopies; ++copy) {
        name = path + QStringLiteral(".bad") + (copy == 0 ? QString() : QLatin1Char('.') + QString::number(copy));
        const QFileInfo info(name);
        if (info.isSymLink() || !info.exists())
            return name;
    }
    return name;
}

bool WriteScoreFile(const QString& path, const Table& table, int* error)
{
    const platform::LinesRead old = platform::ReadLines(path, kLinesPerFile, kMaxLineBytes);
    // Only a plain file is kept: a symbolic link there is simply replaced, its target untouched.
    const bool damaged = old.status == platform::LinesRead::Status::Unreadable
                         || (old.status == platform::LinesRead::Status::Read && !TableFromLines(old));
    return platform::ReplaceWithLines(path, LinesOfTable(table), damaged ? DamagedCopyName(path) : QString(), error);
}

} // namespace scores
