#include "platform/textfile.h"
#include "platform/testing.h"

#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
bool g_failBeforeRename = false;
int g_failWith = 0;
QString g_failIn;

bool Rename(const QString& from, const QString& to)
{
    // rename() swaps the directory entry itself: a symbolic link at the new name is replaced.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Opens a plain file for reading: O_NOFOLLOW, a link planted at the path is not read through;
// O_NONBLOCK, a pipe there cannot hold up the start.
LinesRead::Status OpenPlainFile(const QString& path, QFile& file)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? LinesRead::Status::Missing
               : errno == ELOOP ? LinesRead::Status::NotAFile
                                : LinesRead::Status::Unreadable;
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return known ? LinesRead::Status::NotAFile : LinesRead::Status::Unreadable;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return LinesRead::Status::Unreadable;
    }
    return LinesRead::Status::Read;
}
} // namespace

void testing::FailWritesBeforeRename(bool fail) { g_failBeforeRename = fail; }
void testing::FailWritesWith(int error, const QString& folder)
{
    g_failWith = error;
    g_failIn = folder;
}

LinesRead ReadLines(QIODevice& device, int maxLines, int maxLineBytes)
{
    LinesRead result;
    result.status = LinesRead::Status::Read;
    // Room for the longest allowed line with its CR LF (and one byte to spare): anything longer is
    // cut off by readLine and recognised below, so no more than this is ever taken per line.
    const qint64 room = qint64(maxLineBytes) + 3;
    while (result.lines.size() < maxLines && !device.atEnd()) {
        QByteArray line = device.readLine(room);
        if (line.isEmpty()) { // not at the end, yet nothing came: a read error
            result.status = LinesRead::Status::Unreadable;
            return result;
        }
        if (line.endsWith('\n')) {
            line.chop(1);
            if (line.endsWith('\r'))
                line.chop(1);
        } else if (!device.atEnd()) {
            result.lineTooLong = true;
            return result;
        }
        if (line.size() > maxLineBytes) {
            result.lineTooLong = true;
            return result;
        }
        result.lines.append(line);
    }
    return result;
}

LinesRead ReadLines(const QString& path, int maxLines, int maxLineBytes)
{
    QFile file;
    if (const LinesRead::Status status = OpenPlainFile(path, file); status != LinesRead::Status::Read) {
        LinesRead result;
        result.status = status;
        return result;
    }
    return ReadLines(file, maxLines, maxLineBytes);
}

std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxBytes)
{
    QFile file;
    if (OpenPlainFile(path, file) != LinesRead::Status::Read)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QByteArray CrLfText(const QList<QByteArray>& lines)
{
    QByteArray data;
    for (const QByteArray& line : lines) {
        data.append(line);
        data.append("\r\n");
    }
    return data;
}

bool ReplaceWithLines(const QString& path, const QList<QByteArray>& lines, const QString& keepOldAs, int* error)
{
    const auto fail = [error](int number) {
        if (error)
            *error = number != 0 ? number : EIO;
        return false;
    };
    const QByteArray data = CrLfText(lines);
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(true);
    errno = 0;
    if (!temp.open())
        return fail(errno);
    const bool failHere = g_failWith != 0 && (g_failIn.isEmpty() || path.startsWith(g_failIn + QLatin1Char('/')));
    // Written straight to the descriptor, so that the cause of a failure (a full disk) is known.
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t wrote = failHere ? (errno = g_failWith, -1)
                                              : ::write(temp.handle(), data.constData() + done, size_t(data.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return fail(errno);
        done += wrote;
    }
    if (::fsync(temp.handle()) != 0)
        return fail(errno);
    // Files keep the usual read rights for everyone and write rights for the owner and group.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::WriteGroup | QFileDevice::ReadOther);
    temp.close();
    if (g_failBeforeRename)
        return fail(EIO);
    // The new bytes are safely on disk before the old file is moved aside, so between the two
    // renames nothing but the name is missing, and both contents exist throughout.
    if (!keepOldAs.isEmpty() && !Rename(path, keepOldAs))
        return fail(errno);
    if (!Rename(temp.fileName(), path))
        return fail(errno);
    temp.setAutoRemove(false);
    return true;
}

} // namespace platform
