#pragma once
// Sequential text files: read a bounded number of lines, or replace a file whole with lines ended
// by CR LF. Bytes only: what the bytes mean is the caller's business.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QIODevice;

namespace platform {

struct LinesRead {
    enum class Status {
        Missing,    // nothing at the path
        NotAFile,   // a symbolic link, a folder or anything else that is not a plain file: not opened
        Unreadable, // a plain file that could not be opened or read
        Read,
    };
    Status status = Status::Missing;
    QList<QByteArray> lines; // without their line ends; at most the number asked for
    bool lineTooLong = false; // reading stopped at a line longer than allowed; it is not in `lines`
};

// Reads at most maxLines lines of at most maxLineBytes each; a line ends at LF, with or without a
// CR before it, and the last line may lack its end. A longer line ends the reading, so no more than
// about maxLines * (maxLineBytes + 2) bytes are ever taken from the source. A symbolic link at the
// path is never followed.
LinesRead ReadLines(const QString& path, int maxLines, int maxLineBytes);
LinesRead ReadLines(QIODevice& device, int maxLines, int maxLineBytes);

// The first maxBytes bytes of a plain file (a link is not followed), or nothing when there is no
// plain file that can be read.
std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxBytes);

// The bytes ReplaceWithLines writes: every line followed by CR LF.
QByteArray CrLfText(const QList<QByteArray>& lines);

// Replaces the file with the lines, each followed by CR LF: written to a new file in the same folder
// and renamed over the old name, so a failed write leaves the old file whole and a symbolic link at
// the name is replaced rather than written through. With keepOldAs given, the file that stood at the
// path is first renamed to that name (replacing whatever had it), so its bytes survive untouched.
// Returns false when nothing was replaced; `error` (when given) then gets the errno of the step that
// failed (ENOSPC for a full disk, EACCES or EROFS for a folder that cannot be written).
bool ReplaceWithLines(const QString& path, const QList<QByteArray>& lines, const QString& keepOldAs = QString(),
                      int* error = nullptr);

} // namespace platform
