#include "shell/lifecycle.h"

#include "chart/scale.h"
#include "platform/app.h"
#include "platform/settings.h"
#include "platform/units.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"


#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

namespace shell {
namespace {

const QString kSection = QStringLiteral("Settings");

struct PlacementKey {
    const char* key;
    int defaultUnits;
};
// The zoom, as ZoomText writes it; a key of its own, so that the placement keys keep their meaning.
const QString kZoomKey = QStringLiteral("Zoom");

constexpr PlacementKey kPlacement[4] = {{"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};

// Stored values are read into this range, in units: anything larger is no place on any screen, and
// within it no conversion or rectangle arithmetic can overflow. It is the largest window size Qt
// allows, so every value the unload can have saved reads as itself.
constexpr qint64 kUnitsBound = qint64(QWIDGETSIZE_MAX) * platform::kUnitsPerPixel;

int ReadUnits(const PlacementKey& entry)
{
    const QString text = platform::GetSetting(platform::kAppTitle, kSection, QString::fromLatin1(entry.key),
                                              QString::number(entry.defaultUnits)).trimmed();
    bool ok = false;
    qint64 value = text.toLongLong(&ok);
    // A whole number too long for 64 bits is as far out as the bound on its side.
    if (!ok && QRegularExpression(QStringLiteral("^[+-]?[0-9]+$")).match(text).hasMatch()) {
        ok = true;
        value = text.startsWith(QLatin1Char('-')) ? -kUnitsBound : kUnitsBound;
    }
    return ok ? int(std::clamp(value, -kUnitsBound, kUnitsBound)) : entry.defaultUnits;
}

QRect ToPixels(const QRect& units)
{
    return platform::UnitsRect(units.x(), units.y(), units.width(), units.height());
}

// The screen a window placed there lands on: the one that holds its top-left corner, else the one
// that holds most of it; none when it lies wholly outside every screen.
const QScreen* ScreenOf(const QRect& pixels)
{
    const QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().contains(pixels.topLeft()))
            return screen;
        const QRect shared = screen->geometry().intersected(pixels);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (!shared.isEmpty() && area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

void SavePlacement(const frmMain& form)
{
    if (form.windowState() & Qt::WindowMinimized)
        return;
    const int values[4] = {form.x(), form.y(), form.width(), form.height()};
    for (int i = 0; i < 4; ++i)
        platform::SaveSetting(platform::kAppTitle, kSection, QString::fromLatin1(kPlacement[i].key),
                              QString::number(platform::PixelsToUnits(values[i])));
}

void SaveZoom(const frmMain& form)
{
    platform::SaveSetting(platform::kAppTitle, kSection, kZoomKey, chart::ZoomText(form.chart->Zoom));
}

qreal StoredZoom()
{
    return chart::ZoomFromText(platform::GetSetting(platform::kAppTitle, kSection, kZoomKey, QStringLiteral("100")));
}

QRect StoredPlacement()
{
    QRect units(ReadUnits(kPlacement[0]), ReadUnits(kPlacement[1]), ReadUnits(kPlacement[2]), ReadUnits(kPlacement[3]));
    if (units.width() <= 0 || units.height() <= 0)
        return QRect(kPlacement[0].defaultUnits, kPlacement[1].defaultUnits, kPlacement[2].defaultUnits,
                     kPlacement[3].defaultUnits);
    if (QGuiApplication::screens().isEmpty())
        return units; // nothing to test against
    // A window placed on a monitor since removed could never be reached: it goes back to the default
    // position, keeping its size.
    const QScreen* screen = ScreenOf(ToPixels(units));
    if (!screen) {
        units.moveTopLeft(QPoint(kPlacement[0].defaultUnits, kPlacement[1].defaultUnits));
        screen = ScreenOf(ToPixels(units));
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Never larger than the room the screen offers: a window of a size saved by some other means
    // would take memory by the gigabyte, and its size would be saved again at the exit.
    const QSize room = screen->availableGeometry().size();
    units.setWidth(std::min(units.width(), platform::PixelsToUnits(room.width())));
    units.setHeight(std::min(units.height(), platform::PixelsToUnits(room.height())));
    return units;
}

void MainLoad(frmMain& form)
{
    // A failure while loading the scores never stops the load.
    try {
        scores::LoadAllTables(*form.chart, form.ScoreRun);
    } catch (...) {
    }

    // Position is the frame's corner, size the window's own size; the unload saves the same two.
    const QRect placement = ToPixels(StoredPlacement());
    form.move(placement.topLeft());
    form.resize(placement.size());

    chart::Chart& c = *form.chart;
    c.Zoom = StoredZoom(); // drawn at it when the surface is shown
    const qreal ratio = form.devicePixelRatioF();
    c.frmHold.Open(ratio);
    c.frmHold2.Open(ratio);
    for (int i = 0; i < catalogue::kElementCount; ++i)
        c.Image1[i]->setPicture(c.frmHold.Picture(i));
    c.imgHolder->setShown(false);
    for (chart::Label* label : {c.lblName, c.lblAtomicMass, c.lblMelting, c.lblBoiling})
        label->setCaption(QString());
}

void MainUnload(frmMain& form)
{
    chart::Chart& c = *form.chart;
    scores::SaveAllTables(c, form.ScoreRun);
    c.Timer1->setEnabled(false);
    c.frmHold2.Close();
    c.frmHold.Close();
    SavePlacement(form);
    SaveZoom(form);
}

} // namespace shell
