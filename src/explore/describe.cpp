// What a screen reader reads of the chart, the holder and the panels: made from what they show.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "chart/chart.h"

namespace explore {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The words for element `index`'s tile shown as `picture`; empty when it is none of its tiles.
QString TileWords(const Chart& chart, const QPixmap& picture, int index)
{
    if (picture.isNull())
        return {};
    const catalogue::ElementRecord& e = catalogue::Element(index);
    const QString named = Text(e.name) + QStringLiteral(", ") + Text(e.symbol);
    if (chart.frmHold.IsTile(picture, index))
        return named + QStringLiteral(", ") + QString::number(e.number);
    if (chart.frmHold2.IsTile(picture, index))
        return named;
    return {};
}

} // namespace

QString CellPlace(int index)
{
    const catalogue::ElementRecord& e = catalogue::Element(index);
    const QString column = QStringLiteral("column %1").arg(e.column);
    if (e.row == 8)
        return QStringLiteral("lanthanide row, ") + column;
    if (e.row == 9)
        return QStringLiteral("actinide row, ") + column;
    return QStringLiteral("row %1, ").arg(e.row) + column;
}

QString CellName(const Chart& chart, int index)
{
    const QPixmap& picture = chart.Image1[index]->picture();
    if (picture.isNull())
        return QStringLiteral("empty, ") + CellPlace(index);
    const QString words = TileWords(chart, picture, index);
    return words.isEmpty() ? QStringLiteral("a tile, ") + CellPlace(index) : words;
}

QString HolderName(const Chart& chart)
{
    const QString words = TileWords(chart, chart.imgHolder->picture(), chart.CurrentElement);
    return words.isEmpty() ? QStringLiteral("Tile holder") : QStringLiteral("Tile to place: ") + words;
}

QString HowToPlace()
{
    return QStringLiteral("Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, "
                          "Enter puts the tile on the marked cell, Escape puts it back. "
                          "Or click the tile, then click its cell.");
}

QString PanelValueName(const QLabel& heading, const QLabel& value)
{
    return value.text().isEmpty() ? heading.text() : heading.text() + QStringLiteral(": ") + value.text();
}

QString ClockName(const Chart& chart)
{
    return chart.lblTime->caption() + QLatin1Char(' ') + chart.lblMin->caption() + chart.lblColon->caption()
         + chart.lblSec->caption();
}

QString ScoreRowName(const Chart& chart, int rank, int mode)
{
    const QString name = chart.NameLabel(rank, mode)->caption();
    const QString place = QStringLiteral("Rank %1: ").arg(rank);
    if (name == QLatin1String("Name")) // the mark of a vacant row
        return place + QStringLiteral("vacant");
    return place + (name.isEmpty() ? QStringLiteral("no name") : name) + QStringLiteral(", ") + chart.MinLabel(rank, mode)->caption()
         + chart.SecLabel(rank, mode)->caption();
}

} // namespace explore
