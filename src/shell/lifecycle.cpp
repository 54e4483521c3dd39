#include "shell/lifecycle.h"

#include "platform/app.h"
#include "platform/settings.h"
#include "platform/units.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {
namespace {

const QString kSection = QStringLiteral("Settings");

struct PlacementKey {
    const char* key;
    int defaultUnits;
};
constexpr PlacementKey kPlacement[4] = {{"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};

int ReadUnits(const PlacementKey& entry)
{
    const QString text = platform::GetSetting(platform::kAppTitle, kSection, QString::fromLatin1(entry.key),
                                              QString::number(entry.defaultUnits));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : entry.defaultUnits;
}

bool OnSomeScreen(const QRect& pixels)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true; // nothing to test against
    for (const QScreen* screen : screens)
        if (screen->geometry().intersects(pixels))
            return true;
    return false;
}

QRect ToPixels(const QRect& units)
{
    return platform::UnitsRect(units.x(), units.y(), units.width(), units.height());
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

QRect StoredPlacement()
{
    QRect units(ReadUnits(kPlacement[0]), ReadUnits(kPlacement[1]), ReadUnits(kPlacement[2]), ReadUnits(kPlacement[3]));
    // A window placed on a monitor since removed could never be reached: fall back to the defaults.
    if (units.width() <= 0 || units.height() <= 0 || !OnSomeScreen(ToPixels(units)))
        units = QRect(kPlacement[0].defaultUnits, kPlacement[1].defaultUnits, kPlacement[2].defaultUnits,
                      kPlacement[3].defaultUnits);
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
}

} // namespace shell
