#include "catalogue/tiles.h"

#include "catalogue/elements.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/units.h"

#include <QCoreApplication>
#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>

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

// Tile text sizes in pixels: the digits, and the symbol from its largest size down to its smallest.
constexpr int kDigitPixels = 10, kSymbolPixels = 22, kSmallestSymbolPixels = 12;

const QString kTileFamily = QStringLiteral("Liberation Sans");

QFont TileFont(int pixelSize)
{
    QFont font(kTileFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// The tile face at the symbol's largest size. Every QFont size costs a font match (a fontconfig
// query) of its own. The window's text is set in the same face, and the splash and the legends have
// loaded it at 13.5 points before the tiles are painted, so a scaled copy of that font serves. When
// the window's font turns out to be another face, the tile font is matched as such.
QRawFont SymbolFont()
{
    QRawFont font = QRawFont::fromFont(platform::SansFont(13.5));
    const bool sameFace = font.familyName().compare(kTileFamily, Qt::CaseInsensitive) == 0
                          && font.style() == QFont::StyleNormal && font.weight() == QFont::Normal;
    if (!sameFace)
        return QRawFont::fromFont(TileFont(kSymbolPixels));
    font.setPixelSize(kSymbolPixels);
    return font;
}

// The tile font at every pixel size a tile uses: the smaller sizes are scaled copies of the symbol
// font, so no size needs a font match. They are kept for the whole run, so each glyph is rasterised
// once per size. Tiles are painted on the GUI thread only.
std::array<QRawFont, kSymbolPixels + 1>* gTileFonts = nullptr;

const QRawFont& TileRawFont(int pixelSize)
{
    if (!gTileFonts) {
        gTileFonts = new std::array<QRawFont, kSymbolPixels + 1>;
        // Font engines must go while the application, and with it the font system, still exists.
        qAddPostRoutine([] {
            delete gTileFonts;
            gTileFonts = nullptr;
        });
    }
    QRawFont& font = (*gTileFonts)[pixelSize];
    if (!font.isValid()) {
        if (pixelSize == kSymbolPixels) {
            font = SymbolFont();
        } else {
            font = TileRawFont(kSymbolPixels);
            font.setPixelSize(pixelSize);
        }
    }
    return font;
}

// A line of text as glyphs of one font, spaced by their advances with kerning.
struct GlyphLine {
    QGlyphRun run;
    qreal width = 0;
};

GlyphLine LayOut(const QRawFont& font, const QString& text)
{
    GlyphLine line;
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    for (const QPointF& advance : advances) {
        positions.append(QPointF(line.width, 0));
        line.width += advance.x();
    }
    line.run.setRawFont(font);
    line.run.setGlyphIndexes(glyphs);
    line.run.setPositions(positions);
    return line;
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

QSize TileSize(int index, qreal scale)
{
    const int border = platform::PictureBox::BorderAt(scale);
    return platform::ScaledUnitsRect(CellRect(index), scale).size() - QSize(2 * border, 2 * border);
}

namespace {

// The symbol at its largest size that leaves a pixel either side of it in a fill of this width.
GlyphLine FitSymbol(const QString& symbol, int fillWidth)
{
    int pixelSize = kSymbolPixels;
    GlyphLine letters = LayOut(TileRawFont(pixelSize), symbol);
    while (pixelSize > kSmallestSymbolPixels && qRound(letters.width) > fillWidth - 2)
        letters = LayOut(TileRawFont(--pixelSize), symbol);
    return letters;
}

QString SymbolText(const ElementRecord& element)
{
    return QString::fromLatin1(element.symbol.data(), qsizetype(element.symbol.size()));
}

// The tile of a chart drawn at a scale other than 1: the art of the tile at scale 1, laid out on
// the device pixels of the smaller or larger tile. Each frame keeps at least one whole pixel, and
// the glyphs are rasterised at the size they are shown, one factor for both directions so that
// they keep their shape.
QPixmap PaintScaledTile(int index, bool numbered, qreal devicePixelRatio, qreal scale)
{
    const QSize base = TileSize(index);
    QPixmap tile(TileSize(index, scale) * devicePixelRatio);
    tile.fill(kFrameColour);
    const qreal kx = qreal(tile.width()) / base.width(), ky = qreal(tile.height()) / base.height();
    const qreal k = std::min(kx, ky);
    const auto frame = [](int pixels, qreal factor) { return std::max(1, int(std::lround(pixels * factor))); };
    const QRect fill(QPoint(frame(kFrameLeft, kx), frame(kFrameTop, ky)),
                     QPoint(tile.width() - 1 - frame(kFrameRight, kx), tile.height() - 1 - frame(kFrameBottom, ky)));

    QPainter painter(&tile);
    painter.fillRect(fill, FamilyColour(index));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(kFrameColour);
    const auto draw = [&painter, k](qreal x, qreal baseline, const QGlyphRun& run) {
        painter.setTransform(QTransform::fromTranslate(qRound(x), qRound(baseline)).scale(k, k));
        painter.drawGlyphRun(QPointF(0, 0), run);
    };
    const ElementRecord& element = Element(index);
    if (numbered) {
        const QRawFont& digits = TileRawFont(kDigitPixels);
        draw(6 * kx, 6 * ky + qRound(digits.capHeight()) * k, LayOut(digits, QString::number(element.number)).run);
    }
    const GlyphLine letters = FitSymbol(SymbolText(element), base.width() - kFrameLeft - kFrameRight);
    draw(fill.left() + (fill.width() - qRound(letters.width) * k) / 2.0, 31 * ky, letters.run);
    painter.end();
    tile.setDevicePixelRatio(devicePixelRatio);
    return tile;
}

} // namespace

QPixmap PaintTile(int index, bool numbered, qreal devicePixelRatio, qreal scale)
{
    // Zoomed in, a tile whose cell is the cell at 1 enlarged exactly is the tile at 1 painted for
    // a screen that many times denser, pixel for pixel; any other is laid out on its own pixels.
    if (scale > 1 && QSizeF(TileSize(index, scale)) == QSizeF(TileSize(index)) * scale) {
        QPixmap tile = PaintTile(index, numbered, devicePixelRatio * scale);
        tile.setDevicePixelRatio(devicePixelRatio);
        return tile;
    }
    if (scale != 1.0)
        return PaintScaledTile(index, numbered, devicePixelRatio, scale);
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
        const QRawFont& digits = TileRawFont(kDigitPixels);
        painter.drawGlyphRun(QPointF(6, 6 + qRound(digits.capHeight())),
                             LayOut(digits, QString::number(element.number)).run);
    }

    // Symbol about 16 pixels high, centred, baseline 31 pixels below the top; wide symbols are set
    // smaller so they stay inside the fill.
    const GlyphLine letters = FitSymbol(SymbolText(element), fill.width());
    painter.drawGlyphRun(QPointF(fill.left() + (fill.width() - qRound(letters.width)) / 2.0, 31), letters.run);
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

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(PaintAppIcon(size));
    return icon;
}

} // namespace catalogue
