#include "shell/lifecycle.h"

#include "game/game.h"
#include "platform/app.h"
#include "platform/settings.h"
#include "platform/units.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"

#include "platform/dialogs.h"
#include "platform/dragdrop.h"
#include "platform/endrequest.h"

#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace shell {
namespace {

const QString kSection = QStringLiteral("Settings");

struct PlacementKey {
    const char* key;
    int defaultUnits;
};
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

void SavePlacement(const frmMain& form)
{
    if (form.windowState() & Qt::WindowMinimized)
        return;
    const int values[4] = {form.x(), form.y(), form.width(), form.height()};
    for (int i = 0; i < 4; ++i)
        platform::SaveSetting(platform::kAppTitle, kSection, QString::fromLatin1(kPlacement[i].key),
                              QString::number(platform::PixelsToUnits(values[i])));
}

// The main window of the program, for the unload when the process ends without closing it.
QPointer<frmMain> g_mainWindow;

// The rows a run has entered, in all four tables.
qsizetype EnteredRows(const frmMain& form)
{
    qsizetype rows = 0;
    for (const auto& entered : form.ScoreRun.entered)
        rows += entered.size();
    return rows;
}

// The completed game whose congratulation and name box are running, with the rows entered before
// them: while no row has been added, its record is still to be entered.
struct Finishing {
    QPointer<frmMain> form;
    qsizetype enteredBefore = 0;
};
Finishing g_finishing;

bool RecordPending(const frmMain& form)
{
    return g_finishing.form == &form && EnteredRows(form) == g_finishing.enteredBefore;
}

void UnloadAtExit()
{
    if (!g_mainWindow)
        return;
    // The process ends from inside the congratulation or the name box (the display went away):
    // the record goes in as at a signal, the open box taken as OK.
    if (RecordPending(*g_mainWindow)) {
        platform::EndDialogs();
        game::CompleteGame(*g_mainWindow);
    }
    g_mainWindow->Unload();
}

// Closes the window, and so runs the unload, once no drag loop or dialog holds the event loop:
// closing from inside one would run the unload in the middle of the drop that opened it. It is
// always queued, so that what a drop has queued (the end of a game) runs first.
void CloseWhenFree(frmMain& form, int delayMs = 0)
{
    QTimer::singleShot(delayMs, &form, [&form] {
        if (platform::DialogOpen() || form.imgHolder->inDragLoop())
            return CloseWhenFree(form, 10);
        form.close();
        QCoreApplication::quit(); // also when the window was never shown
    });
}

} // namespace

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
        scores::LoadAllTables(form);
    } catch (...) {
    }

    // Position is the frame's corner, size the window's own size; the unload saves the same two.
    const QRect placement = ToPixels(StoredPlacement());
    form.move(placement.topLeft());
    form.resize(placement.size());

    const qreal ratio = form.devicePixelRatioF();
    form.frmHold.Open(ratio);
    form.frmHold2.Open(ratio);
    for (int i = 0; i < catalogue::kElementCount; ++i)
        form.Image1[i]->setPicture(form.frmHold.Picture(i));
    form.imgHolder->setShown(false);
    for (Label* label : {form.lblName, form.lblAtomicMass, form.lblMelting, form.lblBoiling})
        label->setCaption(QString());
}

void MainUnload(frmMain& form)
{
    scores::SaveAllTables(form);
    form.Timer1->setEnabled(false);
    form.frmHold2.Close();
    form.frmHold.Close();
    SavePlacement(form);
}

void FinishGame(frmMain& form)
{
    const Finishing outer = std::exchange(g_finishing, {&form, EnteredRows(form)});
    game::CompleteGame(form);
    g_finishing = outer;
}

void WireProgramEnd(frmMain& form)
{
    frmMain* f = &form;
    // A signal ends a drag and closes an open dialog as OK (a typed name is entered); the game then
    // closes as through File, Exit.
    platform::OnEndRequest([f] {
        platform::EndDialogs();
        platform::CancelDrag();
        CloseWhenFree(*f);
    });
    // The session manager asks for the data to be saved before it ends the session (or at a
    // checkpoint); at the end it tells the application to quit, and the platform closes the window.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, f, [f](QSessionManager&) {
        scores::SaveAllTables(*f);
        SavePlacement(*f);
    });
    // The platform ends the process with exit() when the display goes away (the X server ended
    // with the session): the unload then runs from there, with the window still in memory. Set
    // after the load, so that what the load set up is still there when exit() gets to it.
    static const bool atExitSet = std::atexit(UnloadAtExit) == 0;
    Q_UNUSED(atExitSet);
    g_mainWindow = f;
}

} // namespace shell
