// The client area drawn at a scale: a window smaller than the layout shows the whole chart, laid
// out again at the scale that fits, with tiles painted for the scaled cells; at the layout's size
// and above every control is exactly as designed and nothing is painted again.
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/tiles.h"
#include "game/game.h"
#include "platform/units.h"
#include "shell/frmMain.h"
#include "chart/scale.h"

#include <QGuiApplication>
#include <QMenuBar>

#include <cmath>
#include <map>

using catalogue::kElementCount;

namespace {

enum Window { Screen640x480, Scaled200On1280x1024, LayoutSize, Larger };

struct Placed {
    QRect geometry;
    qreal points; // a label's font size; 0 for a frame
};

// Every label and frame on the surface: where it is and its font size.
std::map<const QWidget*, Placed> Controls(const frmMain& form)
{
    std::map<const QWidget*, Placed> controls;
    for (const QWidget* child : form.chart->Surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<const Label*>(child))
            controls[child] = {child->geometry(), child->font().pointSizeF()};
        else if (qobject_cast<const PictureBox*>(child))
            controls[child] = {child->geometry(), 0};
    return controls;
}

// How far two rectangles overlap across and down; nothing where they do not meet.
QSize Overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? QSize() : both.size();
}

QString Name(int index)
{
    const std::string_view name = catalogue::Element(index).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void chartFitsTheWindow_data();
    void chartFitsTheWindow();
    void tilesArePaintedAtTheScaledSize_data();
    void tilesArePaintedAtTheScaledSize();
};

void ScaleTest::init()
{
    testsupport::ResetSettings();
    testsupport::ResetScores();
}

void ScaleTest::chartFitsTheWindow_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("a 640x480 screen") << int(Screen640x480);
    QTest::newRow("200 % on 1280x1024: 640x512") << int(Scaled200On1280x1024);
    QTest::newRow("the layout's size") << int(LayoutSize);
    QTest::newRow("larger than the layout") << int(Larger);
}

void ScaleTest::chartFitsTheWindow()
{
    QFETCH(int, window);
    auto form = testsupport::LoadedWindow();
    frmMain& f = *form;
    // A common game: the cells outside the common set show their tiles, the holder offers one, and
    // the keyboard's mark stands on an actinide cell.
    game::StartGame(*f.chart, 1);
    QVERIFY(game::PickUpWithKeys(*f.chart));
    while (catalogue::Element(game::MarkedCell(*f.chart)).row != 9)
        game::MoveMark(*f.chart, game::Direction::Down);
    const int marked = game::MarkedCell(*f.chart);
    const std::map<const QWidget*, Placed> designed = Controls(f); // not shown yet: as created
    const qint64 tileBefore = f.chart->frmHold.Picture(0).cacheKey();

    const int bars = f.menuBar()->sizeHint().height() + f.sbStatusBar->sizeHint().height();
    const QSize layout(platform::UnitsToPixels(chart::kClientWidth), platform::UnitsToPixels(chart::kSurfaceHeight));
    const QSize size = window == Screen640x480          ? QSize(640, 480)
                     : window == Scaled200On1280x1024 ? QSize(640, 512)
                     : window == LayoutSize           ? layout + QSize(0, bars)
                                                      : QSize(1100, 800);
    f.resize(size);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_COMPARE(f.size(), size);
    const QRect surface = f.chart->Surface->rect();
    if (window == LayoutSize)
        QCOMPARE(surface.size(), layout);
    const qreal scale = f.chart->Surface->scale();

    if (window == LayoutSize || window == Larger) {
        // As designed, and no tile painted again.
        QCOMPARE(scale, 1.0);
        for (const auto& [control, placed] : Controls(f)) {
            QCOMPARE(control->geometry(), designed.at(control).geometry);
            QCOMPARE(placed.points, designed.at(control).points);
        }
        QCOMPARE(f.chart->frmHold.Picture(0).cacheKey(), tileBefore);
        return;
    }

    // The largest scale at which the layout fits: it fills the surface's width or its height.
    QVERIFY(scale < 1);
    QVERIFY(layout.width() * scale <= surface.width() && layout.height() * scale <= surface.height());
    QVERIFY(layout.width() * scale > surface.width() - 1 || layout.height() * scale > surface.height() - 1);
    for (const auto& [control, placed] : Controls(f))
        QCOMPARE(placed.points, designed.at(control).points * scale);

    // Every cell and the holder whole inside the surface, every label's first line of text too.
    for (int i = 0; i < kElementCount; ++i) {
        const PictureBox* cell = f.chart->Image1[i];
        QVERIFY2(surface.contains(cell->geometry()), qPrintable(Name(i)));
        QCOMPARE(f.chart->Surface->childAt(cell->geometry().center()), cell);
    }
    QVERIFY(f.chart->imgHolder->isVisible() && surface.contains(f.chart->imgHolder->geometry()));
    QCOMPARE(f.chart->Surface->childAt(f.chart->imgHolder->geometry().center()), f.chart->imgHolder);
    for (const Label* label : f.chart->Surface->findChildren<Label*>()) {
        const QRect firstLine(label->pos(), QSize(label->width(), QFontMetrics(label->font()).height()));
        QVERIFY2(surface.contains(firstLine), qPrintable(label->caption()));
    }

    // Cells keep their order, and overlap only where the layout has them overlap, by no more than
    // the layout's overlap at this scale rounded up.
    for (int i = 0; i < kElementCount; ++i) {
        for (int j = i + 1; j < kElementCount; ++j) {
            const QRect ui = catalogue::CellRect(i), uj = catalogue::CellRect(j);
            const QRect pi = f.chart->Image1[i]->geometry(), pj = f.chart->Image1[j]->geometry();
            const QString pair = Name(i) + QStringLiteral(", ") + Name(j);
            QVERIFY2((ui.x() < uj.x()) == (pi.x() < pj.x()) && (ui.y() < uj.y()) == (pi.y() < pj.y()), qPrintable(pair));
            const QSize units = Overlap(ui, uj), pixels = Overlap(pi, pj);
            QVERIFY2(pixels.isEmpty() || !units.isEmpty(), qPrintable(pair));
            if (!pixels.isEmpty()) {
                QVERIFY2(pixels.width() <= std::ceil(units.width() * scale / 15), qPrintable(pair));
                QVERIFY2(pixels.height() <= std::ceil(units.height() * scale / 15), qPrintable(pair));
            }
        }
    }

    // The cells, the holder and its drag image show the same tiles as before, painted for the
    // scaled cells; the keyboard's mark has followed its cell.
    for (int i = 0; i < kElementCount; ++i) {
        const PictureBox* cell = f.chart->Image1[i];
        QCOMPARE(f.chart->frmHold.Picture(i).size(), cell->size() - QSize(4, 4));
        if (catalogue::IsCommon(i))
            QVERIFY(cell->picture().isNull());
        else
            QCOMPARE(cell->picture().cacheKey(), f.chart->frmHold.Picture(i).cacheKey());
    }
    for (int i : {0, 57, kElementCount - 1})
        QCOMPARE(f.chart->frmHold.Picture(i).toImage(), catalogue::PaintTile(i, true, f.devicePixelRatioF(), scale).toImage());
    QCOMPARE(f.chart->imgHolder->picture().cacheKey(), f.chart->frmHold.Picture(f.chart->CurrentElement).cacheKey());
    QCOMPARE(f.chart->imgHolder->dragImage().cacheKey(), f.chart->imgHolder->picture().cacheKey());
    QCOMPARE(f.chart->imgHolder->size(), f.chart->Image1[f.chart->CurrentElement]->size());
    QCOMPARE(game::MarkedCell(*f.chart), marked);
    QCOMPARE(f.chart->shpMark->geometry(), f.chart->Image1[marked]->geometry().adjusted(-1, -1, 1, 1));

    // Back at a larger size, everything is as designed again; a tile carried by the pointer
    // meanwhile is shown at its new size.
    f.chart->Carry->begin(f.chart->imgHolder->dragImage());
    f.resize(1100, 800);
    QTRY_COMPARE(f.chart->Surface->scale(), 1.0);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->pixmap().toImage(), f.chart->imgHolder->dragImage().toImage());
    QCOMPARE(f.chart->imgHolder->dragImage().deviceIndependentSize().toSize(), catalogue::TileSize(f.chart->CurrentElement));
    f.chart->Carry->end();
    for (const auto& [control, placed] : Controls(f)) {
        QCOMPARE(control->geometry(), designed.at(control).geometry);
        QCOMPARE(placed.points, designed.at(control).points);
    }
    QCOMPARE(f.chart->frmHold.Picture(0).toImage(), catalogue::PaintTile(0, true, f.devicePixelRatioF()).toImage());
    QCOMPARE(f.chart->shpMark->geometry(), f.chart->Image1[marked]->geometry().adjusted(-1, -1, 1, 1));
}

void ScaleTest::tilesArePaintedAtTheScaledSize_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("640 wide") << 640.0 / 795 << 1.0;
    QTest::newRow("640 wide at 200 %") << 640.0 / 795 << 2.0;
    QTest::newRow("the smallest scale") << chart::kSmallestScale << 1.0;
    QTest::newRow("the smallest scale at 150 %") << chart::kSmallestScale << 1.5;
    QTest::newRow("zoomed in") << 1.5 << 1.0;
}

// Crisp at any scale: each tile is painted on the device pixels of its scaled cell, so its frame
// stays pure frame colour and its fill pure family colour, which a scaled copy of the tile at
// scale 1 would blur.
void ScaleTest::tilesArePaintedAtTheScaledSize()
{
    QFETCH(qreal, scale);
    QFETCH(qreal, ratio);
    for (int index : {0, 1, 25, 57, 89, 108}) {
        const int border = 2 * PictureBox::BorderAt(scale); // two pixels a side, zoomed with the chart above 1
        const QSize size = platform::ScaledUnitsRect(catalogue::CellRect(index), scale).size() - QSize(border, border);
        QCOMPARE(catalogue::TileSize(index, scale), size);
        for (bool numbered : {true, false}) {
            const QPixmap tile = catalogue::PaintTile(index, numbered, ratio, scale);
            QCOMPARE(tile.deviceIndependentSize().toSize(), size);
            QCOMPARE(tile.size(), (QSizeF(size) * ratio).toSize());
            const QImage image = tile.toImage();
            const QRgb frame = catalogue::kFrameColour.rgb(), fill = catalogue::FamilyColour(index).rgb();
            for (int y = 0; y < image.height(); ++y) {
                QCOMPARE(image.pixel(0, y), frame);
                QCOMPARE(image.pixel(image.width() - 1, y), frame);
            }
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(image.pixel(x, 0), frame);
                QCOMPARE(image.pixel(x, image.height() - 1), frame);
            }
            // The first rows inside the frame, above the digits and below the symbol, are fill
            // from the side frame to the side frame, with no pixel between the two colours.
            const auto allFrame = [&image, frame](int y) {
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != frame)
                        return false;
                return true;
            };
            int top = 0, bottom = image.height() - 1;
            while (allFrame(top))
                ++top;
            while (allFrame(bottom))
                --bottom;
            QVERIFY(top < bottom);
            for (int y : {top, bottom}) {
                int left = 0, right = image.width() - 1;
                while (image.pixel(left, y) == frame)
                    ++left;
                while (image.pixel(right, y) == frame)
                    --right;
                for (int x = left; x <= right; ++x)
                    QVERIFY2(image.pixel(x, y) == fill, qPrintable(QStringLiteral("%1 at %2,%3").arg(index).arg(x).arg(y)));
            }
            // The symbol (and the digits) stand on the fill.
            int text = 0;
            for (int y = top; y <= bottom; ++y)
                for (int x = 2 * std::max(1.0, ratio * scale); x < image.width() - 3 * std::max(1.0, ratio * scale); ++x)
                    text += image.pixel(x, y) != fill;
            QVERIFY2(text > image.height(), qPrintable(QString::number(text)));
        }
    }
}

VELMOR08_TEST_MAIN(ScaleTest)
#include "test_scale.moc"
