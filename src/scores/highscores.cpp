// The score columns and the name entry; the folders are scores/folders.cpp.
#include "scores/highscores.h"

#include "chart/chart.h"
#include "platform/dialogs.h"
#include "scores/ranking.h"
#include "scores/scorefile.h"

#include <QCoreApplication>

namespace scores {
namespace {

// A vacant row shows its name in the player's language and is kept as "Name" in every language, so
// that a table reads and writes the same whatever language the game speaks. Only a vacant row
// (no time, or 00:00) is shown so: a player's name is shown and kept as it was typed.
bool VacantTime(const Row& row) { return row.minutes.isEmpty() || TimeValue(row.minutes, row.seconds) == 0; }

Table ReadColumn(const Chart& chart, int mode)
{
    Table table;
    for (int rank = 1; rank <= kRanks; ++rank) {
        Row& row = table[rank - 1];
        row = {chart.NameLabel(rank, mode)->caption(), chart.MinLabel(rank, mode)->caption(),
               chart.SecLabel(rank, mode)->caption()};
        if (row.name == chart::VacantCaption() && VacantTime(row))
            row.name = kVacantName;
    }
    return table;
}

void WriteColumn(Chart& chart, int mode, const Table& table)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        const Row& row = table[rank - 1];
        chart.NameLabel(rank, mode)->setCaption(IsVacant(row) ? chart::VacantCaption() : row.name);
        chart.MinLabel(rank, mode)->setCaption(row.minutes);
        chart.SecLabel(rank, mode)->setCaption(row.seconds);
    }
}

Columns ReadColumns(const Chart& chart)
{
    Columns columns;
    for (int mode = 0; mode < kModes; ++mode)
        columns[mode] = ReadColumn(chart, mode);
    return columns;
}

// The columns show the tables; only those that changed are written.
void ShowColumns(Chart& chart, const Columns& before, const Columns& after)
{
    for (int mode = 0; mode < kModes; ++mode)
        if (after[mode] != before[mode])
            WriteColumn(chart, mode, after[mode]);
}

void Save(Chart& chart, RunScores& run, const QList<int>& modes)
{
    const Columns before = ReadColumns(chart);
    Columns columns = before;
    const QString lost = SaveTables(columns, run, modes);
    ShowColumns(chart, before, columns);
    if (!lost.isEmpty())
        platform::MsgBox(lost);
}

} // namespace

void LoadAllTables(Chart& chart, RunScores& run)
{
    const Columns before = ReadColumns(chart);
    Columns columns = before;
    LoadTables(columns, run);
    ShowColumns(chart, before, columns);
}

void SaveAllTables(Chart& chart, RunScores& run) { Save(chart, run, {0, 1, 2, 3}); }

void EnterHighScore(Chart& chart, RunScores& run, int mode)
{
    run.timesFilled = true;
    for (int k = 0; k < kModes; ++k) {
        Table table = ReadColumn(chart, k);
        FillEmptyTimes(table);
        WriteColumn(chart, k, table);
    }

    if (mode < 0 || mode >= kModes)
        return;
    // Another game may have entered rows since this one loaded: rank against the file as it is.
    WriteColumn(chart, mode, CurrentTable(ReadColumn(chart, mode), run, mode));
    Table table = ReadColumn(chart, mode);
    const QString minutes = chart.lblMin->caption();
    const QString seconds = chart.lblSec->caption();
    const Place place = FindPlace(table, TimeValue(minutes, seconds));
    if (place.rank == 0)
        return;

    // A name is kept to one line of its file, so it can never shift the lines after it.
    const QString name = OneLine(platform::InputBox(place.prompt, QCoreApplication::translate("Scores", "High Score")));
    const Row row{name, minutes, QLatin1Char(':') + seconds};
    InsertAt(table, place.rank, row);
    WriteColumn(chart, mode, table);
    run.entered[mode].append({row, {}});
    Save(chart, run, {mode});
}

} // namespace scores
