#pragma once
// Tile art, painted with QPainter at start-up: a near-black frame, the family fill, the atomic number
// (numbered set only) and the symbol. Tiles are painted at the screen's device pixel ratio so they
// stay sharp on scaled screens; their logical size is the cell size minus four pixels. For the
// chart drawn at another scale than its layout's, a tile is painted at the size of its scaled cell.
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace catalogue {

inline constexpr QColor kFrameColour{1, 1, 1};

QColor FamilyColour(int index);
QSize TileSize(int index, qreal scale = 1.0); // logical pixels
QPixmap PaintTile(int index, bool numbered, qreal devicePixelRatio, qreal scale = 1.0);

// The application icon: a miniature periodic table in the family colours, size x size pixels.
QPixmap PaintAppIcon(int size, qreal devicePixelRatio = 1.0);
// The same icon at the sizes title bars, task bars and dialogs ask for.
QIcon AppIcon();

} // namespace catalogue
