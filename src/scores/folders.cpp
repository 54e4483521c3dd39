#include "scores/folders.h"

#include "platform/folderlock.h"
#include "scores/ranking.h"
#include "scores/scorefile.h"
#include "scores/testing.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

using platform::FolderLock;

namespace scores {
namespace {

QString g_sharedFolder = QStringLiteral(VELMOR08_SCORE_DIR);
std::chrono::milliseconds g_lockWait = kLockWait;
QSet<QString> g_told; // each message goes to standard error once

// What the player is told, in the player's language.
QString Tr(const char* text) { return QCoreApplication::translate("Scores", text); }

QString PerUserFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }
QString PathIn(const QString& folder, int mode) { return folder + QLatin1Char('/') + FileName(mode); }

void TellOnce(const QString& message)
{
    if (g_told.contains(message))
        return;
    g_told.insert(message);
    qWarning().noquote() << message;
}

void TellFallback()
{
    TellOnce(Tr(QT_TRANSLATE_NOOP("Scores",
                                  "velmor08: cannot write the score folder %1; keeping the high scores in %2"))
                 .arg(g_sharedFolder, PerUserFolder()));
}

void TellLost(const QString& path)
{
    TellOnce(Tr(QT_TRANSLATE_NOOP("Scores", "velmor08: cannot save the high scores to %1")).arg(path));
}

bool DiskFull(int error) { return error == ENOSPC || error == EDQUOT; }

// Why a write failed, as the player is told it after the name of the folder or file.
QString CauseOf(int error)
{
    if (DiskFull(error))
        return Tr(QT_TRANSLATE_NOOP("Scores", "the disk is full"));
    if (error == EACCES || error == EPERM || error == EROFS)
        return Tr(QT_TRANSLATE_NOOP("Scores", "cannot write the score folder"));
    return QString::fromLocal8Bit(std::strerror(error));
}

// Creates the shared folder when it is missing and can be; true when this user may write there.
bool SharedFolderWritable()
{
    QDir().mkpath(g_sharedFolder);
    return QFileInfo(g_sharedFolder).isDir()
           && ::access(QFile::encodeName(g_sharedFolder).constData(), W_OK | X_OK) == 0;
}

// Rows are kept for the shared folder only where the per-user folder is another one.
bool KeepsPending() { return !PerUserFolder().isEmpty() && PerUserFolder() != g_sharedFolder; }
QString PendingPath(int mode) { return PathIn(PerUserFolder(), mode) + QStringLiteral(".pending"); }
QList<Row> Pending(int mode) { return KeepsPending() ? ReadPendingFile(PendingPath(mode)) : QList<Row>(); }

bool Holds(const Table& table, const Row& row) { return std::find(table.begin(), table.end(), row) != table.end(); }

// The folders a save tries, in this order.
QStringList SaveFolders(bool sharedWritable)
{
    QStringList folders;
    if (sharedWritable)
        folders << g_sharedFolder;
    if (!PerUserFolder().isEmpty())
        folders << PerUserFolder();
    return folders;
}

// The rows this run entered in a mode that the folder's file does not hold yet.
QList<EnteredRow*> NotYetIn(RunScores& run, int mode, const QString& folder)
{
    QList<EnteredRow*> rows;
    for (EnteredRow& entered : run.entered[mode])
        if (!entered.writtenTo.contains(folder))
            rows << &entered;
    return rows;
}

// The table as this run should see it: the whole file in the folder with the rows it does not
// hold yet ranked in, or the column (which shows this run's rows) when the folder holds no whole
// file. The rows kept per user by earlier runs (`pending`, for the shared folder) come first, as
// they were entered first; one the table already holds is that record, brought here before.
Table MergedView(const Table& column, RunScores& run, int mode, const QString& folder,
                 const std::optional<Table>& onDisk, const QList<Row>& pending)
{
    Table table = onDisk ? *onDisk : column;
    if (onDisk && run.timesFilled)
        FillEmptyTimes(table);
    for (const Row& row : pending)
        if (!Holds(table, row))
            table = MergeEntries(table, {row}, false);
    if (onDisk)
        for (const EnteredRow* entered : NotYetIn(run, mode, folder))
            if (!(entered->pending && Holds(table, entered->row)))
                table = MergeEntries(table, {entered->row}, false);
    return table;
}

struct Saved {
    enum Kind { Yes, NotAFile, Failed } kind = Yes;
    int error = 0; // errno of a failed write
};

// Under the folder's lock: writes the mode's table, merged with the file as it stands now, into the
// folder, unless the file already holds it. With `show`, the column then shows the saved table; a
// copy kept in the per-user folder while the shared one is out of reach does not replace it.
Saved SaveInto(Columns& columns, RunScores& run, int mode, const QString& folder, bool show,
               const QList<Row>& pending)
{
    const QString path = PathIn(folder, mode);
    const std::optional<Table> onDisk = ReadScoreFile(path);
    const Table table = MergedView(columns[mode], run, mode, folder, onDisk, pending);
    // Rewritten only when its bytes change: a new row, filled times, or a file in an older form.
    int error = 0;
    if (!FileHolds(path, table) && !WriteScoreFile(path, table, &error)) {
        const QFileInfo info(path);
        return {info.isDir() && !info.isSymLink() ? Saved::NotAFile : Saved::Failed, error};
    }
    for (EnteredRow* entered : NotYetIn(run, mode, folder))
        entered->writtenTo << folder;
    if (show)
        columns[mode] = table;
    return {};
}

// The table without the rows (the first one equal to each), the rows below moving up.
Table Without(Table table, const QList<Row>& rows)
{
    for (const Row& row : rows) {
        const auto found = std::find(table.begin(), table.end(), row);
        if (found == table.end())
            continue;
        std::move(found + 1, table.end(), found);
        table.back() = {kVacantName, QStringLiteral("00"), QStringLiteral(":00")};
    }
    return table;
}

// After a save, under the per-user folder's lock: the rows now in the shared table (`brought`)
// leave the list of rows kept for it and the per-user table; the rows this run kept per user
// because the shared folder did not take them join that list.
void KeepPending(RunScores& run, const std::array<QList<Row>, kModes>& brought, std::chrono::milliseconds wait)
{
    const QString perUser = PerUserFolder();
    std::unique_ptr<FolderLock> lock;
    for (int mode = 0; mode < kModes; ++mode) {
        QList<EnteredRow*> keep;
        for (EnteredRow& entered : run.entered[mode])
            if (!entered.pending && entered.writtenTo.contains(perUser) && !entered.writtenTo.contains(g_sharedFolder))
                keep << &entered;
        if (brought[mode].isEmpty() && keep.isEmpty())
            continue;
        if (!lock)
            lock = std::make_unique<FolderLock>(perUser, wait);
        if (!lock->held())
            return; // the next save tries again; a row brought twice is recognised there
        QList<Row> rows = ReadPendingFile(PendingPath(mode));
        const QList<Row> before = rows;
        for (const Row& row : brought[mode])
            rows.removeOne(row);
        for (const EnteredRow* entered : keep)
            rows.append(entered->row);
        // At most a table's worth: the one that would rank lowest (the slowest, and of equal times
        // the one entered first) drops out.
        while (rows.size() > kRanks) {
            qsizetype slowest = 0;
            for (qsizetype i = 1; i < rows.size(); ++i)
                if (TimeValue(rows[i].minutes, rows[i].seconds) > TimeValue(rows[slowest].minutes, rows[slowest].seconds))
                    slowest = i;
            rows.removeAt(slowest);
        }
        if (rows != before && !WritePendingFile(PendingPath(mode), rows))
            continue;
        for (EnteredRow* entered : keep)
            entered->pending = true;
        if (brought[mode].isEmpty())
            continue;
        const QString path = PathIn(perUser, mode);
        if (const std::optional<Table> table = ReadScoreFile(path)) {
            const Table left = Without(*table, brought[mode]);
            if (left != *table)
                WriteScoreFile(path, left);
        }
    }
}

// Saves the tables of the given modes, each into the first folder that takes it, and brings the
// rows kept per user by earlier runs to the shared folder. `sharedOnly` (at the start): only those
// rows, only into the shared folder, and nothing said when they cannot go there yet. Returns what
// the player is to be told of a record that no folder took.
QString SaveInFolders(Columns& columns, RunScores& run, QList<int> modes, std::chrono::milliseconds wait,
                      bool sharedOnly = false)
{
    const bool sharedWritable = SharedFolderWritable();
    if (!sharedWritable && sharedOnly)
        return {};
    QStringList causes; // why each folder did not take a table, for the player
    const auto because = [&causes](const QString& where, const QString& cause) {
        const QString line = Tr(QT_TRANSLATE_NOOP("Scores", "%1: %2.")).arg(where, cause);
        if (!causes.contains(line))
            causes << line;
    };
    if (!sharedWritable) {
        TellFallback();
        because(g_sharedFolder, Tr(QT_TRANSLATE_NOOP("Scores", "cannot write the score folder")));
    }
    std::array<QList<Row>, kModes> pending;
    QList<int> sharedModes = modes;
    if (sharedWritable && KeepsPending())
        for (int mode = 0; mode < kModes; ++mode)
            if (!(pending[mode] = ReadPendingFile(PendingPath(mode))).isEmpty() && !sharedModes.contains(mode))
                sharedModes << mode;
    std::array<QList<Row>, kModes> brought;

    const QStringList folders = sharedOnly ? QStringList{g_sharedFolder} : SaveFolders(sharedWritable);
    for (const QString& folder : folders) {
        const bool shared = folder == g_sharedFolder && sharedWritable;
        const QList<int> todo = shared ? sharedModes : modes;
        if (todo.isEmpty())
            continue;
        QDir().mkpath(folder);
        const FolderLock lock(folder, wait);
        if (lock.status() == FolderLock::Status::Busy) {
            if (shared && !sharedOnly)
                TellOnce(Tr(QT_TRANSLATE_NOOP("Scores",
                                              "velmor08: another game kept the score folder %1 locked; keeping the high scores in %2"))
                             .arg(folder, PerUserFolder()));
            because(folder, Tr(QT_TRANSLATE_NOOP("Scores", "another game kept the score folder locked")));
        }
        if (lock.status() == FolderLock::Status::Unavailable) {
            if (shared && !sharedOnly)
                TellOnce(Tr(QT_TRANSLATE_NOOP("Scores",
                                              "velmor08: cannot lock the score folder %1; keeping the high scores in %2"))
                             .arg(folder, PerUserFolder()));
            because(folder, Tr(QT_TRANSLATE_NOOP("Scores", "cannot write the score folder")));
        }
        if (!lock.held())
            continue;
        for (int mode : todo) {
            const Saved saved = SaveInto(columns, run, mode, folder, folder == folders.first(),
                                         shared ? pending[mode] : QList<Row>());
            if (saved.kind == Saved::Yes) {
                modes.removeAll(mode);
                if (shared)
                    brought[mode] = pending[mode];
                continue;
            }
            if (saved.kind == Saved::NotAFile) {
                if (shared)
                    TellOnce(Tr(QT_TRANSLATE_NOOP("Scores",
                                                  "velmor08: %1 is not a plain file; keeping its high scores in %2"))
                                 .arg(PathIn(folder, mode), PerUserFolder()));
                because(PathIn(folder, mode), Tr(QT_TRANSLATE_NOOP("Scores", "not a plain file")));
                continue;
            }
            if (shared && DiskFull(saved.error))
                TellOnce(Tr(QT_TRANSLATE_NOOP("Scores",
                                              "velmor08: the disk of the score folder %1 is full; keeping the high scores in %2"))
                             .arg(folder, PerUserFolder()));
            else if (shared)
                TellFallback();
            because(folder, CauseOf(saved.error));
        }
    }
    if (KeepsPending())
        KeepPending(run, brought, wait);
    if (sharedOnly)
        return {};

    // A record that neither folder took is lost with this run: the player is told why, once.
    bool lost = false;
    for (int mode : modes) {
        TellLost(PathIn(PerUserFolder(), mode));
        for (EnteredRow& entered : run.entered[mode]) {
            if (entered.writtenTo.isEmpty() && !entered.toldLost) {
                entered.toldLost = true;
                lost = true;
            }
        }
    }
    if (!lost)
        return {};
    return Tr(QT_TRANSLATE_NOOP("Scores", "Your record could not be saved.\n%1")).arg(causes.join(QLatin1Char('\n')));
}

} // namespace

void LoadTables(Columns& columns, RunScores& run)
{
    run = {};
    const bool sharedWritable = SharedFolderWritable();
    if (!sharedWritable)
        TellFallback();
    // The folder the tables are written to comes first.
    QStringList folders{g_sharedFolder};
    const QString perUser = PerUserFolder();
    if (!perUser.isEmpty()) {
        if (sharedWritable)
            folders.append(perUser);
        else
            folders.prepend(perUser);
    }
    // Read under the folders' shared locks (where they can be had), so no file is caught between
    // the renames of a repair; a game that holds a lock too long is read without it.
    // The start waits less for it than a save does.
    const auto wait = std::min(g_lockWait, std::chrono::milliseconds(500));
    {
        std::vector<std::unique_ptr<FolderLock>> locks;
        for (const QString& folder : folders)
            locks.push_back(std::make_unique<FolderLock>(folder, wait, FolderLock::Kind::Shared));
        for (int mode = 0; mode < kModes; ++mode) {
            for (const QString& folder : folders) {
                if (const std::optional<Table> table = ReadScoreFile(PathIn(folder, mode))) {
                    // The column changes only once the whole file is in hand.
                    columns[mode] = *table;
                    break;
                }
            }
        }
    }
    // Rows an earlier run kept per user go to the shared table now, if its lock can be had soon.
    if (sharedWritable)
        SaveInFolders(columns, run, {}, wait, true);
}

QString SaveTables(Columns& columns, RunScores& run, const QList<int>& modes)
{
    return SaveInFolders(columns, run, modes, g_lockWait);
}

Table CurrentTable(const Table& column, RunScores& run, int mode)
{
    const QStringList folders = SaveFolders(SharedFolderWritable());
    if (folders.isEmpty())
        return column;
    return MergedView(column, run, mode, folders[0], ReadScoreFile(PathIn(folders[0], mode)),
                      folders[0] == g_sharedFolder ? Pending(mode) : QList<Row>());
}

} // namespace scores

namespace scores::testing {
void UseScoreFolder(const QString& folder)
{
    g_sharedFolder = folder;
    g_told.clear();
}

void UseLockWait(std::chrono::milliseconds wait) { g_lockWait = wait; }
} // namespace scores::testing
