#include "catalogue/tiles.h"

#include "catalogue/elements.h"
#include "platform/units.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace catalogue {
namespace {

struct ColourRun {
    int firstNumber, lastNumber; // atomic numbers
    QRgb rgb;
};

// Fill colours by atomic number.
constexpr ColourRun kColours[] = {
    {1, 1, 0xD5D5D5},
    {2, 2, 0xF0F130}, {10, 10, 0xF0F130}, {18, 18, 0xF0F130}, {36, 36, 0xF0F130}, {54, 54, 0xF0F130}, {86, 86, 0xF0F130},
    {3, 3, 0xFF0101}, {11, 11, 0xFF0101}, {19, 19, 0xFF0101}, {37, 37, 0xFF0101}, {55, 55, 0xFF0101}, {87, 87, 0xFF0101},
    {4, 4, 0xCB6699}, {12, 12, 0xCB6699}, {20, 20, 0xCB6699}, {38, 38, 0xCB6699}, {56, 56, 0xCB6699}, {88, 88, 0xCB6699},
    {5, 5, 0x33CD33}, {13, 13, 0x33CD33}, {31, 31, 0x33CD33}, {49, 49, 0x33CD33}, {81, 81, 0x33CD33},
    {6, 6, 0xCDCD33}, {14, 14, 0xCDCD33}, {32, 32, 0xCDCD33}, {50, 50, 0xCDCD33}, {82, 82, 0xCDCD33},
    {7, 7, 0xFFCD99}, {15, 15, 0xFFCD99}, {33, 33, 0xFFCD99}, {51, 51, 0xFFCD99}, {83, 83, 0xFFCD99},
    {8, 8, 0xFF9934}, {16, 16, 0xFF9934}, {34, 34, 0xFF9934}, {52, 52, 0xFF9934}, {84, 84, 0xFF9934},
    {9, 9, 0xCB6633}, {17, 17, 0xCB6633}, {35, 35, 0xCB6633}, {53, 53, 0xCB6633}, {85, 85, 0xCB6633},
    {21, 30, 0x0199FF}, {39, 48, 0x0199FF}, {72, 80, 0x0199FF}, {104, 109, 0x0199FF},
    {57, 71, 0x01CDCD},
    {89, 103, 0x339967},
};

// Frame widths in pixels: thin on the left, thicker on the right, bottom and top.
constexpr int kFrameLeft = 1, kFrameRight = 2, kFrameBottom = 2, kFrameTop = 2;

QFont TileFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QColor FamilyColour(int index)
{
    const int number = index + 1;
    for (const ColourRun& run : kColours)
        if (number >= run.firstNumber && number <= run.lastNumber)
            return QColor::fromRgb(run.rgb);
    return Qt::white;
}

QSize TileSize(int index)
{
    const QRect cell = CellRect(index);
    return QSize(platform::UnitsToPixels(cell.width()) - 4, platform::UnitsToPixels(cell.height()) - 4);
}

QPixmap PaintTile(int index, bool numbered, qreal devicePixelRatio)
{
    const QSize size = TileSize(index);
    QPixmap tile(size * devicePixelRatio);
    tile.setDevicePixelRatio(devicePixelRatio);
    tile.fill(kFrameColour);

    QPainter painter(&tile);
    const QRect fill(kFrameLeft, kFrameTop, size.width() - kFrameLeft - kFrameRight,
                     size.height() - kFrameTop - kFrameBottom);
    painter.fillRect(fill, FamilyColour(index));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(kFrameColour);

    const ElementRecord& element = Element(index);
    if (numbered) {
        // Digits about 7 pixels high, their top-left corner about 6 pixels in from the tile's edges.
        const QFont digits = TileFont(10);
        painter.setFont(digits);
        const QFontMetrics metrics(digits);
        painter.drawText(QPointF(6, 6 + metrics.capHeight()), QString::number(element.number));
    }

    // Symbol about 16 pixels high, centred, baseline 31 pixels below the top; wide symbols are set
    // smaller so they stay inside the fill.
    const QString symbol = QString::fromLatin1(element.symbol.data(), qsizetype(element.symbol.size()));
    int pixelSize = 22;
    QFont letters = TileFont(pixelSize);
    while (pixelSize > 12 && QFontMetrics(letters).horizontalAdvance(symbol) > fill.width() - 2)
        letters = TileFont(--pixelSize);
    painter.setFont(letters);
    const int width = QFontMetrics(letters).horizontalAdvance(symbol);
    painter.drawText(QPointF(fill.left() + (fill.width() - width) / 2.0, 31), symbol);
    return tile;
}

QPixmap PaintAppIcon(int size, qreal devicePixelRatio)
{
    QPixmap icon(QSize(size, size) * devicePixelRatio);
    icon.setDevicePixelRatio(devicePixelRatio);
    icon.fill(Qt::black);
    QPainter painter(&icon);
    // The chart as 18 columns by 9 rows plus a gap row, each element one block in its family colour.
    const qreal pitchX = size / 18.0;
    const qreal pitchY = size / 10.5;
    for (int i = 0; i < kElementCount; ++i) {
        const ElementRecord& e = kElements[i];
        const int column = e.row >= 8 ? e.column + 3 : e.column;
        const qreal top = (e.row >= 8 ? e.row - 1 + 0.5 : e.row - 1) * pitchY + pitchY * 0.25;
        const QRectF block((column - 1) * pitchX, top, pitchX, pitchY);
        painter.fillRect(block.adjusted(0, 0, size >= 48 ? -pitchX * 0.12 : 0, size >= 48 ? -pitchY * 0.12 : 0),
                         FamilyColour(i));
    }
    return icon;
}

} // namespace catalogue
