// The zoom: the keys and the wheel step the scale the chart is drawn at, fit to window follows the
// surface above 1 too, the zoom is read back on the next start, and a zoomed tile is the tile
// painted for a denser screen.
#include "testsupport.h"

#include "catalogue/elements.h"
#include "catalogue/tiles.h"
#include "chart/scale.h"
#include "platform/app.h"
#include "platform/settings.h"
#include "platform/units.h"
#include "shell/frmMain.h"

#include <QMenuBar>
#include <QWheelEvent>

using catalogue::kElementCount;

namespace {

constexpr qreal kFit = chart::kFitToWindow;
constexpr int kWheel = -1; // a row's key: a turn of the wheel with Ctrl, by the row's notches
constexpr int kWheelNoCtrl = -2;

// A shown window whose surface is at least `surface` in size.
std::unique_ptr<frmMain> ShownWindow(QSize surface)
{
    auto form = testsupport::LoadedWindow();
    frmMain& f = *form;
    const int bars = f.menuBar()->sizeHint().height() + f.sbStatusBar->sizeHint().height();
    f.resize(surface + QSize(0, bars));
    f.show();
    if (!QTest::qWaitForWindowExposed(&f))
        return nullptr;
    f.activateWindow();
    if (!QTest::qWaitForWindowActive(&f))
        return nullptr;
    return form;
}

// A picture's pixels, whatever device pixel ratio it is for.
QImage Pixels(const QPixmap& picture)
{
    QImage image = picture.toImage();
    image.setDevicePixelRatio(1);
    return image;
}

void Turn(QWidget* over, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at = over->rect().center();
    QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(over, &event);
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void keysStepTheZoom_data();
    void keysStepTheZoom();
    void fitToWindowFollowsTheSurface();
    void zoomIsReadBackOnTheNextStart_data();
    void zoomIsReadBackOnTheNextStart();
    void zoomedTilesAreTilesForADenserScreen();
};

void ZoomTest::init()
{
    testsupport::ResetSettings();
    testsupport::ResetScores();
}

void ZoomTest::keysStepTheZoom_data()
{
    QTest::addColumn<qreal>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("notches");
    QTest::addColumn<qreal>("to");
    QTest::newRow("Ctrl+Plus from 1:1") << 1.0 << int(Qt::Key_Plus) << 0 << 1.25;
    QTest::newRow("Ctrl+= from 1:1") << 1.0 << int(Qt::Key_Equal) << 0 << 1.25;
    QTest::newRow("Ctrl+Plus from 200 %") << 2.0 << int(Qt::Key_Plus) << 0 << 2.5;
    QTest::newRow("Ctrl+Plus at 300 % stays") << 3.0 << int(Qt::Key_Plus) << 0 << 3.0;
    QTest::newRow("Ctrl+Minus from 175 %") << 1.75 << int(Qt::Key_Minus) << 0 << 1.5;
    QTest::newRow("Ctrl+Minus at 1:1 stays") << 1.0 << int(Qt::Key_Minus) << 0 << 1.0;
    QTest::newRow("Ctrl+0 from 300 %") << 3.0 << int(Qt::Key_0) << 0 << 1.0;
    QTest::newRow("Ctrl+9 from 1:1") << 1.0 << int(Qt::Key_9) << 0 << kFit;
    QTest::newRow("Ctrl+Plus from fit beyond 300 % stays") << kFit << int(Qt::Key_Plus) << 0 << kFit;
    QTest::newRow("Ctrl+Minus from fit: the step below") << kFit << int(Qt::Key_Minus) << 0 << 3.0;
    QTest::newRow("Ctrl+0 from fit") << kFit << int(Qt::Key_0) << 0 << 1.0;
    QTest::newRow("Ctrl+wheel a notch up") << 1.0 << kWheel << 1 << 1.25;
    QTest::newRow("Ctrl+wheel two notches down") << 2.0 << kWheel << -2 << 1.5;
    QTest::newRow("Ctrl+wheel down at 1:1 stays") << 1.0 << kWheel << -1 << 1.0;
    QTest::newRow("the wheel without Ctrl") << 1.0 << kWheelNoCtrl << 1 << 1.0;
}

void ZoomTest::keysStepTheZoom()
{
    QFETCH(qreal, from);
    QFETCH(int, key);
    QFETCH(int, notches);
    QFETCH(qreal, to);
    // A surface of 2400x1600: every step fits it, and fit to window is 2400 / 795, just above 300 %.
    auto form = ShownWindow(QSize(2400, 1600));
    QVERIFY(form);
    frmMain& f = *form;
    chart::Chart& c = *f.chart;
    QTRY_COMPARE(c.Surface->size(), QSize(2400, 1600));
    chart::SetZoom(c, from);
    const qreal fit = chart::FitScale(c.Surface->size(), chart::kLargestFit);
    QVERIFY(fit > 3 && fit < 3.1);
    QCOMPARE(c.Surface->scale(), from == kFit ? fit : from);

    if (key == kWheel || key == kWheelNoCtrl) {
        // Over a cell, as half notches (a touchpad's small turns) that add up.
        const Qt::KeyboardModifiers modifiers = key == kWheel ? Qt::ControlModifier : Qt::NoModifier;
        for (int half = 0; half < 2 * std::abs(notches); ++half)
            Turn(c.Image1[20], notches > 0 ? 60 : -60, modifiers);
    } else {
        QTest::keyClick(&f, Qt::Key(key), Qt::ControlModifier);
    }
    QCOMPARE(c.Zoom, to);
    const qreal scale = to == kFit ? fit : to;
    QCOMPARE(c.Surface->scale(), scale);
    // Every cell where the layout at that scale has it, its tile painted for it; the holder's
    // frame too.
    for (int i : {0, 57, kElementCount - 1}) {
        QCOMPARE(c.Image1[i]->geometry(), platform::ScaledUnitsRect(catalogue::CellRect(i), scale));
        QCOMPARE(c.frmHold.Picture(i).deviceIndependentSize().toSize(), catalogue::TileSize(i, scale));
    }
}

void ZoomTest::fitToWindowFollowsTheSurface()
{
    auto form = ShownWindow(QSize(1920, 1000));
    QVERIFY(form);
    frmMain& f = *form;
    chart::Chart& c = *f.chart;
    const QSize layout = chart::LayoutSize();
    QTest::keyClick(&f, Qt::Key_9, Qt::ControlModifier);
    for (const QSize& surface : {QSize(1920, 1000), QSize(1000, 1500), QSize(2400, 1800), QSize(500, 400)}) {
        const QString size = QStringLiteral("%1x%2").arg(surface.width()).arg(surface.height());
        f.resize(f.size() + surface - c.Surface->size());
        QTRY_COMPARE(c.Surface->size(), surface);
        // The largest scale at which the layout fits: it fills the width or the height.
        const qreal scale = c.Surface->scale();
        QVERIFY2(layout.width() * scale <= surface.width() && layout.height() * scale <= surface.height(), qPrintable(size));
        QVERIFY2(layout.width() * scale > surface.width() - 1 || layout.height() * scale > surface.height() - 1, qPrintable(size));
        QVERIFY2((scale > 1) == (surface.width() > layout.width() && surface.height() > layout.height()), qPrintable(size));
        // The chart whole, from the top-left corner.
        const QRect chartRect = c.Image1[0]->geometry().united(c.Image1[kElementCount - 1]->geometry());
        QVERIFY2(c.Surface->rect().contains(chartRect), qPrintable(size));
        QCOMPARE(c.Image1[0]->geometry(), platform::ScaledUnitsRect(catalogue::CellRect(0), scale));
    }

    // A zoom asked for on a surface too small for it shrinks to fit it, and comes back when the
    // surface is large enough again.
    chart::SetZoom(c, 3.0);
    QCOMPARE(c.Surface->scale(), chart::FitScale(QSize(500, 400)));
    f.resize(f.size() + QSize(2500, 1600) - c.Surface->size());
    QTRY_COMPARE(c.Surface->scale(), 3.0);
}

void ZoomTest::zoomIsReadBackOnTheNextStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qreal>("zoom");
    QTest::newRow("200") << QStringLiteral("200") << 2.0;
    QTest::newRow("125") << QStringLiteral("125") << 1.25;
    QTest::newRow("fit") << QStringLiteral("fit") << kFit;
    QTest::newRow("between the steps") << QStringLiteral("130") << 1.0;
    QTest::newRow("below 100") << QStringLiteral("50") << 1.0;
    QTest::newRow("negative") << QStringLiteral("-200") << 1.0;
    QTest::newRow("huge") << QStringLiteral("99999999999999999999") << 1.0;
    QTest::newRow("a fraction") << QStringLiteral("2.0") << 1.0;
    QTest::newRow("text") << QStringLiteral("large") << 1.0;
    QTest::newRow("empty") << QString() << 1.0;
}

void ZoomTest::zoomIsReadBackOnTheNextStart()
{
    QFETCH(QString, stored);
    QFETCH(qreal, zoom);
    const QString section = QStringLiteral("Settings");
    platform::SaveSetting(platform::kAppTitle, section, QStringLiteral("Zoom"), stored);
    {
        auto form = ShownWindow(QSize(2200, 1500));
        QVERIFY(form);
        QCOMPARE(form->chart->Zoom, zoom);
        QTRY_COMPARE(form->chart->Surface->scale(), zoom == kFit ? chart::FitScale(QSize(2200, 1500), 6) : zoom);
        // Zoomed by a key, then closed: the unload keeps the new zoom, the placement keys as they were.
        QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
        form->close();
    }
    const qreal next = chart::ZoomIn(zoom == kFit ? chart::FitScale(QSize(2200, 1500), 6) : zoom);
    QCOMPARE(platform::GetSetting(platform::kAppTitle, section, QStringLiteral("Zoom"), QString()),
             QString::number(qRound(next * 100)));
    QCOMPARE(platform::GetSetting(platform::kAppTitle, section, QStringLiteral("MainWidth"), QString()).toInt(),
             platform::PixelsToUnits(2200));
    auto form = testsupport::LoadedWindow();
    QCOMPARE(form->chart->Zoom, next);
}

// Crisp when zoomed: at 200 % each tile is, pixel for pixel, the tile painted for a screen of
// twice the density, and the cells show those tiles; at 150 % on a 200 % screen each tile is
// painted on its cell's device pixels.
void ZoomTest::zoomedTilesAreTilesForADenserScreen()
{
    int exact = 0;
    for (int i = 0; i < kElementCount; ++i) {
        const bool same = catalogue::TileSize(i, 2.0) == catalogue::TileSize(i) * 2;
        exact += same;
        for (bool numbered : {true, false}) {
            const QPixmap zoomed = catalogue::PaintTile(i, numbered, 1.0, 2.0);
            QCOMPARE(zoomed.size(), catalogue::TileSize(i, 2.0));
            if (same)
                QCOMPARE(Pixels(zoomed), Pixels(catalogue::PaintTile(i, numbered, 2.0)));
            const QPixmap dense = catalogue::PaintTile(i, numbered, 2.0, 1.5);
            QCOMPARE(dense.size(), catalogue::TileSize(i, 1.5) * 2);
            QCOMPARE(dense.deviceIndependentSize().toSize(), catalogue::TileSize(i, 1.5));
        }
    }
    QCOMPARE(exact, kElementCount); // every cell at 200 % is its cell at 1:1 enlarged exactly

    auto form = ShownWindow(QSize(1700, 1600));
    QVERIFY(form);
    chart::Chart& c = *form->chart;
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(form.get(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(c.Surface->scale(), 2.0);
    for (int i = 0; i < kElementCount; ++i) {
        const PictureBox* cell = c.Image1[i];
        QCOMPARE(cell->border(), 4);
        QCOMPARE(cell->picture().deviceIndependentSize().toSize(), cell->size() - QSize(8, 8));
        if (catalogue::TileSize(i, 2.0) == catalogue::TileSize(i) * 2)
            QCOMPARE(Pixels(cell->picture()), Pixels(catalogue::PaintTile(i, true, 2.0)));
    }
}

VELMOR08_TEST_MAIN(ZoomTest)
#include "test_zoom.moc"
