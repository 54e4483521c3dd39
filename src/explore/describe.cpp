// What a screen reader reads of the chart, the holder and the panels: made from what they show.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "shell/frmMain.h"

namespace explore {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The words for element `index`'s tile shown as `picture`; empty when it is none of its tiles.
QString TileWords(const frmMain& form, const QPixmap& picture, int index)
{
    if (picture.isNull())
        return {};
    const catalogue::ElementRecord& e = catalogue::Element(index);
    const QString named = Text(e.name) + QStringLiteral(", ") + Text(e.symbol);
    const qint64 key = picture.cacheKey();
    if (form.frmHold.isOpen() && key == form.frmHold.Picture(index).cacheKey())
        return named + QStringLiteral(", ") + QString::number(e.number);
    if (form.frmHold2.isOpen() && key == form.frmHold2.Picture(index).cacheKey())
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

QString CellName(const frmMain& form, int index)
{
    const QPixmap& picture = form.Image1[index]->picture();
    if (picture.isNull())
        return QStringLiteral("empty, ") + CellPlace(index);
    const QString words = TileWords(form, picture, index);
    return words.isEmpty() ? QStringLiteral("a tile, ") + CellPlace(index) : words;
}

QString HolderName(const frmMain& form)
{
    const QString words = TileWords(form, form.imgHolder->picture(), form.CurrentElement);
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

QString ClockName(const frmMain& form)
{
    return form.lblTime->caption() + QLatin1Char(' ') + form.lblMin->caption() + form.lblColon->caption()
         + form.lblSec->caption();
}

QString ScoreRowName(const frmMain& form, int rank, int mode)
{
    const QString name = form.NameLabel(rank, mode)->caption();
    const QString place = QStringLiteral("Rank %1: ").arg(rank);
    if (name == QLatin1String("Name")) // the mark of a vacant row
        return place + QStringLiteral("vacant");
    return place + (name.isEmpty() ? QStringLiteral("no name") : name) + QStringLiteral(", ") + form.MinLabel(rank, mode)->caption()
         + form.SecLabel(rank, mode)->caption();
}

} // namespace explore
