#include "scores/highscores.h"

#include "game/game.h"
#include "platform/dialogs.h"
#include "scores/ranking.h"
#include "scores/scorefile.h"
#include "shell/frmMain.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace scores {
namespace {

QString g_sharedFolder = QStringLiteral(VELMOR08_SCORE_DIR);
bool g_toldFallback = false;
bool g_toldLost = false;

QString PerUserFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

// Creates the shared folder when it is missing and can be; true when this user may write there.
bool SharedFolderWritable()
{
    QDir().mkpath(g_sharedFolder);
    return QFileInfo(g_sharedFolder).isDir()
           && ::access(QFile::encodeName(g_sharedFolder).constData(), W_OK | X_OK) == 0;
}

void TellFallbackOnce()
{
    if (g_toldFallback)
        return;
    g_toldFallback = true;
    qWarning().noquote() << QStringLiteral("velmor08: cannot write the score folder %1; keeping the high scores in %2")
                                .arg(g_sharedFolder, PerUserFolder());
}

void TellLostOnce(const QString& path)
{
    if (g_toldLost)
        return;
    g_toldLost = true;
    qWarning().noquote() << QStringLiteral("velmor08: cannot save the high scores to %1").arg(path);
}

Table ReadColumn(const frmMain& form, int mode)
{
    Table table;
    for (int rank = 1; rank <= kRanks; ++rank)
        table[rank - 1] = {form.NameLabel(rank, mode)->caption(), form.MinLabel(rank, mode)->caption(),
                           form.SecLabel(rank, mode)->caption()};
    return table;
}

void WriteColumn(frmMain& form, int mode, const Table& table)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        const Row& row = table[rank - 1];
        form.NameLabel(rank, mode)->setCaption(row.name);
        form.MinLabel(rank, mode)->setCaption(row.minutes);
        form.SecLabel(rank, mode)->setCaption(row.seconds);
    }
}

QString PathIn(const QString& folder, int mode) { return folder + QLatin1Char('/') + FileName(mode); }

void LoadTable(frmMain& form, int mode, bool sharedWritable)
{
    // The folder the tables are written to comes first.
    QStringList folders{g_sharedFolder};
    const QString perUser = PerUserFolder();
    if (!perUser.isEmpty()) {
        if (sharedWritable)
            folders.append(perUser);
        else
            folders.prepend(perUser);
    }
    for (const QString& folder : folders) {
        if (const std::optional<Table> table = ReadScoreFile(PathIn(folder, mode))) {
            // The column changes only once the whole file is in hand.
            WriteColumn(form, mode, *table);
            return;
        }
    }
}

void SaveTable(const frmMain& form, int mode, bool sharedWritable)
{
    const Table table = ReadColumn(form, mode);
    if (sharedWritable && WriteScoreFile(PathIn(g_sharedFolder, mode), table))
        return;
    TellFallbackOnce();
    const QString perUser = PerUserFolder();
    if (perUser.isEmpty() || !QDir().mkpath(perUser) || !WriteScoreFile(PathIn(perUser, mode), table))
        TellLostOnce(PathIn(perUser, mode));
}

} // namespace

void UseScoreFolder(const QString& folder)
{
    g_sharedFolder = folder;
    g_toldFallback = false;
    g_toldLost = false;
}

void LoadAllTables(frmMain& form)
{
    const bool sharedWritable = SharedFolderWritable();
    if (!sharedWritable)
        TellFallbackOnce();
    for (int mode = 0; mode < kModes; ++mode)
        LoadTable(form, mode, sharedWritable);
}

void SaveAllTables(frmMain& form)
{
    const bool sharedWritable = SharedFolderWritable();
    for (int mode = 0; mode < kModes; ++mode)
        SaveTable(form, mode, sharedWritable);
}

void EnterHighScore(frmMain& form)
{
    for (int mode = 0; mode < kModes; ++mode) {
        Table table = ReadColumn(form, mode);
        FillEmptyTimes(table);
        WriteColumn(form, mode, table);
    }

    const int mode = game::ActiveMode(form);
    if (mode == game::kNoMode)
        return;
    Table table = ReadColumn(form, mode);
    const QString minutes = form.lblMin->caption();
    const QString seconds = form.lblSec->caption();
    const Place place = FindPlace(table, TimeValue(minutes, seconds));
    if (place.rank == 0)
        return;

    // A name is kept to one line of its file, so it can never shift the lines after it.
    const QString name = OneLine(platform::InputBox(place.prompt, QStringLiteral("High Score")));
    InsertAt(table, place.rank, {name, minutes, QLatin1Char(':') + seconds});
    WriteColumn(form, mode, table);
    SaveTable(form, mode, SharedFolderWritable());
}

} // namespace scores
