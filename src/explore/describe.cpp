// What a screen reader reads of the chart, the holder and the panels: made from what they show.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "chart/chart.h"

#include <QCoreApplication>

namespace explore {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString Tr(const char* text) { return QCoreApplication::translate("ScreenReader", text); }

// The words for element `index`'s tile shown as `picture`; empty when it is none of its tiles.
QString TileWords(const Chart& chart, const QPixmap& picture, int index)
{
    if (picture.isNull())
        return {};
    const catalogue::ElementRecord& e = catalogue::Element(index);
    const QString named = catalogue::ElementName(index) + QStringLiteral(", ") + Text(e.symbol);
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
    if (e.row == 8)
        return Tr(QT_TRANSLATE_NOOP("ScreenReader", "lanthanide row, column %1")).arg(e.column);
    if (e.row == 9)
        return Tr(QT_TRANSLATE_NOOP("ScreenReader", "actinide row, column %1")).arg(e.column);
    return Tr(QT_TRANSLATE_NOOP("ScreenReader", "row %1, column %2")).arg(e.row).arg(e.column);
}

QString CellName(const Chart& chart, int index)
{
    const QPixmap& picture = chart.Image1[index]->picture();
    if (picture.isNull())
        return Tr(QT_TRANSLATE_NOOP("ScreenReader", "empty, %1")).arg(CellPlace(index));
    const QString words = TileWords(chart, picture, index);
    return words.isEmpty() ? Tr(QT_TRANSLATE_NOOP("ScreenReader", "a tile, %1")).arg(CellPlace(index)) : words;
}

QString HolderName(const Chart& chart)
{
    const QString words = TileWords(chart, chart.imgHolder->picture(), chart.CurrentElement);
    return words.isEmpty() ? Tr(QT_TRANSLATE_NOOP("ScreenReader", "Tile holder"))
                           : Tr(QT_TRANSLATE_NOOP("ScreenReader", "Tile to place: %1")).arg(words);
}

QString HowToPlace()
{
    return Tr(QT_TRANSLATE_NOOP("ScreenReader",
                                "Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, "
                                "Enter puts the tile on the marked cell, Escape puts it back. "
                                "Or click the tile, then click its cell."));
}

QString PanelValueName(const QLabel& heading, const QLabel& value)
{
    return value.text().isEmpty() ? heading.text()
                                  : Tr(QT_TRANSLATE_NOOP("ScreenReader", "%1: %2")).arg(heading.text(), value.text());
}

QString ClockName(const Chart& chart)
{
    return chart.lblTime->caption() + QLatin1Char(' ') + chart.lblMin->caption() + chart.lblColon->caption()
         + chart.lblSec->caption();
}

QString ScoreRowName(const Chart& chart, int rank, int mode)
{
    const QString name = chart.NameLabel(rank, mode)->caption();
    const QString place = QString::number(rank);
    if (name == chart::VacantCaption()) // the mark of a vacant row
        return Tr(QT_TRANSLATE_NOOP("ScreenReader", "Rank %1: vacant")).arg(place);
    const QString time = chart.MinLabel(rank, mode)->caption() + chart.SecLabel(rank, mode)->caption();
    if (name.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("ScreenReader", "Rank %1: no name, %2")).arg(place, time);
    return Tr(QT_TRANSLATE_NOOP("ScreenReader", "Rank %1: %2, %3")).arg(place, name, time);
}

} // namespace explore
