#include "scores/highscores.h"

#include "platform/dialogs.h"
#include "platform/folderlock.h"
#include "scores/ranking.h"
#include "scores/scorefile.h"
#include "scores/testing.h"
#include "chart/chart.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <vector>

#include <unistd.h>

using platform::FolderLock;

namespace scores {
namespace {

QString g_sharedFolder = QStringLiteral(VELMOR08_SCORE_DIR);
std::chrono::milliseconds g_lockWait = kLockWait;
QSet<QString> g_told; // each message goes to standard error once

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
    TellOnce(QStringLiteral("velmor08: cannot write the score folder %1; keeping the high scores in %2")
                 .arg(g_sharedFolder, PerUserFolder()));
}

void TellLost(const QString& path) { TellOnce(QStringLiteral("velmor08: cannot save the high scores to %1").arg(path)); }

// Creates the shared folder when it is missing and can be; true when this user may write there.
bool SharedFolderWritable()
{
    QDir().mkpath(g_sharedFolder);
    return QFileInfo(g_sharedFolder).isDir()
           && ::access(QFile::encodeName(g_sharedFolder).constData(), W_OK | X_OK) == 0;
}

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

Table ReadColumn(const Chart& chart, int mode)
{
    Table table;
    for (int rank = 1; rank <= kRanks; ++rank)
        table[rank - 1] = {chart.NameLabel(rank, mode)->caption(), chart.MinLabel(rank, mode)->caption(),
                           chart.SecLabel(rank, mode)->caption()};
    return table;
}

void WriteColumn(Chart& chart, int mode, const Table& table)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        const Row& row = table[rank - 1];
        chart.NameLabel(rank, mode)->setCaption(row.name);
        chart.MinLabel(rank, mode)->setCaption(row.minutes);
        chart.SecLabel(rank, mode)->setCaption(row.seconds);
    }
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

QList<Row> RowsOf(const QList<EnteredRow*>& entered)
{
    QList<Row> rows;
    for (const EnteredRow* row : entered)
        rows << row->row;
    return rows;
}

// The table as this run should see it: the whole file in the folder with this run's rows ranked
// in, or the column when the folder holds no whole file.
Table MergedView(const Chart& chart, RunScores& run, int mode, const QString& folder,
                 const std::optional<Table>& onDisk)
{
    if (!onDisk)
        return ReadColumn(chart, mode);
    return MergeEntries(*onDisk, RowsOf(NotYetIn(run, mode, folder)), run.timesFilled);
}

enum class Saved { Yes, NotAFile, Failed };

// Under the folder's lock: writes the mode's table, merged with the file as it stands now, into the
// folder, unless the file already holds it. With `show`, the column then shows the saved table; a
// copy kept in the per-user folder while the shared one is out of reach does not replace it.
Saved SaveInto(Chart& chart, RunScores& run, int mode, const QString& folder, bool show)
{
    const QString path = PathIn(folder, mode);
    const std::optional<Table> onDisk = ReadScoreFile(path);
    const Table table = MergedView(chart, run, mode, folder, onDisk);
    // Rewritten only when its bytes change: a new row, filled times, or a file in an older chart.
    if (!FileHolds(path, table) && !WriteScoreFile(path, table)) {
        const QFileInfo info(path);
        return info.isDir() && !info.isSymLink() ? Saved::NotAFile : Saved::Failed;
    }
    for (EnteredRow* entered : NotYetIn(run, mode, folder))
        entered->writtenTo << folder;
    if (show)
        WriteColumn(chart, mode, table);
    return Saved::Yes;
}

// Saves the tables of the given modes, each into the first folder that takes it.
void SaveTables(Chart& chart, RunScores& run, QList<int> modes)
{
    const bool sharedWritable = SharedFolderWritable();
    if (!sharedWritable)
        TellFallback();
    const QStringList folders = SaveFolders(sharedWritable);
    for (const QString& folder : folders) {
        if (modes.isEmpty())
            return;
        const bool shared = folder == g_sharedFolder && sharedWritable;
        QDir().mkpath(folder);
        const FolderLock lock(folder, g_lockWait);
        if (lock.status() == FolderLock::Status::Busy && shared)
            TellOnce(QStringLiteral("velmor08: another game kept the score folder %1 locked; keeping the high scores in %2")
                         .arg(folder, PerUserFolder()));
        if (lock.status() == FolderLock::Status::Unavailable && shared)
            TellOnce(QStringLiteral("velmor08: cannot lock the score folder %1; keeping the high scores in %2")
                         .arg(folder, PerUserFolder()));
        if (!lock.held())
            continue;
        for (auto mode = modes.begin(); mode != modes.end();) {
            const Saved saved = SaveInto(chart, run, *mode, folder, folder == folders.first());
            if (saved == Saved::Yes) {
                mode = modes.erase(mode);
                continue;
            }
            if (shared && saved == Saved::NotAFile)
                TellOnce(QStringLiteral("velmor08: %1 is not a plain file; keeping its high scores in %2")
                             .arg(PathIn(folder, *mode), PerUserFolder()));
            else if (shared)
                TellFallback();
            ++mode;
        }
    }
    for (int mode : modes)
        TellLost(PathIn(PerUserFolder(), mode));
}

} // namespace


void LoadAllTables(Chart& chart, RunScores& run)
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
    std::vector<std::unique_ptr<FolderLock>> locks;
    for (const QString& folder : folders)
        locks.push_back(std::make_unique<FolderLock>(folder, wait, FolderLock::Kind::Shared));
    for (int mode = 0; mode < kModes; ++mode) {
        for (const QString& folder : folders) {
            if (const std::optional<Table> table = ReadScoreFile(PathIn(folder, mode))) {
                // The column changes only once the whole file is in hand.
                WriteColumn(chart, mode, *table);
                break;
            }
        }
    }
}

void SaveAllTables(Chart& chart, RunScores& run) { SaveTables(chart, run, {0, 1, 2, 3}); }

void EnterHighScore(Chart& chart, RunScores& run, int mode)
{
    run.timesFilled = true;
    for (int mode = 0; mode < kModes; ++mode) {
        Table table = ReadColumn(chart, mode);
        FillEmptyTimes(table);
        WriteColumn(chart, mode, table);
    }

    if (mode < 0 || mode >= kModes)
        return;
    // Another game may have entered rows since this one loaded: rank against the file as it is.
    const QStringList folders = SaveFolders(SharedFolderWritable());
    if (!folders.isEmpty())
        WriteColumn(chart, mode, MergedView(chart, run, mode, folders[0], ReadScoreFile(PathIn(folders[0], mode))));
    Table table = ReadColumn(chart, mode);
    const QString minutes = chart.lblMin->caption();
    const QString seconds = chart.lblSec->caption();
    const Place place = FindPlace(table, TimeValue(minutes, seconds));
    if (place.rank == 0)
        return;

    // A name is kept to one line of its file, so it can never shift the lines after it.
    const QString name = OneLine(platform::InputBox(place.prompt, QStringLiteral("High Score")));
    const Row row{name, minutes, QLatin1Char(':') + seconds};
    InsertAt(table, place.rank, row);
    WriteColumn(chart, mode, table);
    run.entered[mode].append({row, {}});
    SaveTables(chart, run, {mode});
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
