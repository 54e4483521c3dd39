#pragma once
// Sequential text files: read a bounded number of lines, or replace a file whole with lines ended
// by CR LF. Bytes only: what the bytes mean is the caller's business.
#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

struct LinesRead {
    enum class Status { Missing, Unreadable, Read };
    Status status = Status::Missing;
    QList<QByteArray> lines; // without their line ends; at most the number asked for
    bool lineCut = false;    // some line was longer than allowed and was cut
};

// Reads at most maxLines lines of at most maxLineBytes each; a line ends at LF, with or without a
// CR before it. The last line may lack its end. Never reads far beyond what it returns.
LinesRead ReadLines(const QString& path, int maxLines, int maxLineBytes);

// Replaces the file with the lines, each followed by CR LF: written to a new file in the same folder
// and renamed over the old name, so a failed write leaves the old file whole and a symbolic link at
// the name is replaced rather than written through. Returns false when nothing was replaced.
bool ReplaceWithLines(const QString& path, const QList<QByteArray>& lines);

// Tests: make the next writes fail after the data is written but before the rename.
void FailWritesBeforeRename(bool fail);

} // namespace platform
