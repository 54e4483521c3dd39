#pragma once
// The score files: 27 lines, three for each rank from rank 1 on (name, minutes text, seconds text),
// each line ended by CR LF. Names are written as UTF-8; a file that is not valid UTF-8 is read as
// Windows-1252, the single-byte text older files hold.
#include "platform/textfile.h"
#include "scores/ranking.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace scores {

constexpr int kLinesPerFile = kRanks * 3;
// The longest line read or written; longer values are cut to it at a character boundary.
constexpr int kMaxLineBytes = 1024;

// "br549.txt" for mode 0 down to "br546.txt" for mode 3.
QString FileName(int mode);

// A text as one line can hold it: each line break (and NUL) becomes a space, and the text is cut
// at a character boundary to at most kMaxLineBytes bytes of UTF-8.
QString OneLine(const QString& text);

// The table held by lines read from a score file, when they hold a whole one: 27 lines, none too
// long, no NUL byte. Text after the 27th line is not looked at.
std::optional<Table> TableFromLines(const platform::LinesRead& read);

// The rows kept for the shared folder, from lines read from a pending-rows file: whole rows of
// three lines as in a score file, at most kRanks of them, each with a real time and not vacant;
// lines that are not text give none, and whatever else stands there is passed over.
QList<Row> PendingFromLines(const platform::LinesRead& read);
// The rows of the pending-rows file at the path (read as a score file is: bounded, plain files only).
QList<Row> ReadPendingFile(const QString& path);
// The lines of a pending-rows file that holds the rows (the first kRanks).
QList<QByteArray> LinesOfRows(const QList<Row>& rows);
// Replaces that file with the rows (the first kRanks), or removes it when there are none.
bool WritePendingFile(const QString& path, const QList<Row>& rows);

// The 27 lines of a table as they are written.
QList<QByteArray> LinesOfTable(const Table& table);

// The table in the file at the path, if the file is there and holds a whole one.
std::optional<Table> ReadScoreFile(const QString& path);

// Whether the file at the path holds exactly the bytes WriteScoreFile would write for the table.
bool FileHolds(const QString& path, const Table& table);

// How many moved-aside copies of a damaged file are kept beside it: path + ".bad", then ".bad.1"
// and on up to ".bad.9". Once all are taken, the last one holds the newest damaged file, so the
// first ones (most likely a table players cared about) stay and a loop of damage cannot pile up
// copies without end.
constexpr int kDamagedCopies = 10;

// Where a damaged file at the path is moved: the first of its copy names at which no file stands
// (a symbolic link there counts as free: it is replaced, never followed), else the last one.
QString DamagedCopyName(const QString& path);

// Replaces the file at the path with the table. A plain file standing there that does not hold a
// whole table is first moved to DamagedCopyName(path), so its bytes are never lost to the save.
// On failure, `error` (when given) gets the errno of the step that failed.
bool WriteScoreFile(const QString& path, const Table& table, int* error = nullptr);

} // namespace scores
