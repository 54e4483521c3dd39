#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace platform {
namespace {
bool g_failBeforeRename = false;
} // namespace

void FailWritesBeforeRename(bool fail) { g_failBeforeRename = fail; }

LinesRead ReadLines(const QString& path, int maxLines, int maxLineBytes)
{
    LinesRead result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = LinesRead::Status::Unreadable;
        return result;
    }
    result.status = LinesRead::Status::Read;
    QByteArray line;
    char chunk[4096];
    // Reads in small chunks and stops as soon as enough lines are in hand, so a huge file or
    // one without line breaks costs no more than the bounded lines themselves.
    bool skippingRest = false; // the current line passed its limit: drop bytes up to its end
    const qint64 budget = qint64(maxLines) * (maxLineBytes + 2) + qint64(sizeof chunk);
    qint64 total = 0;
    while (result.lines.size() < maxLines && total < budget) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            result.status = LinesRead::Status::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        total += n;
        for (qint64 i = 0; i < n && result.lines.size() < maxLines; ++i) {
            const char c = chunk[i];
            if (c == '\n') {
                if (line.endsWith('\r'))
                    line.chop(1);
                result.lines.append(line);
                line.clear();
                skippingRest = false;
            } else if (!skippingRest) {
                if (line.size() > maxLineBytes) { // one byte of slack keeps a CR before LF
                    line.truncate(maxLineBytes);
                    result.lineCut = true;
                    skippingRest = true;
                } else {
                    line.append(c);
                }
            }
        }
    }
    if (result.lines.size() < maxLines && !line.isEmpty()) {
        if (line.size() > maxLineBytes) {
            line.truncate(maxLineBytes);
            result.lineCut = true;
        }
        result.lines.append(line);
    }
    return result;
}

bool ReplaceWithLines(const QString& path, const QList<QByteArray>& lines)
{
    QByteArray data;
    for (const QByteArray& line : lines) {
        data.append(line);
        data.append("\r\n");
    }
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(true);
    if (!temp.open())
        return false;
    if (temp.write(data) != data.size() || !temp.flush() || ::fsync(temp.handle()) != 0)
        return false;
    // Files keep the usual read rights for everyone and write rights for the owner and group.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::WriteGroup | QFileDevice::ReadOther);
    temp.close();
    if (g_failBeforeRename)
        return false;
    // rename() swaps the directory entry itself: a symbolic link at the name is replaced.
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace platform
