// The table of reactions: which event of which control runs which operation, what one subsystem's
// result starts in another, the deferred calls, and every way the program ends.
#include "shell/wiring.h"

#include "chart/scale.h"
#include "explore/explore.h"
#include "game/game.h"
#include "platform/accessible.h"
#include "platform/dialogs.h"
#include "platform/dragdrop.h"
#include "platform/endrequest.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>
#include <utility>

using catalogue::Group;
using chart::Chart;
using chart::Label;
using chart::PictureBox;

namespace shell {
namespace {

// The end of a completed game: the congratulation box, then the high-score step for the mode the
// game was played in.
void CompleteGame(frmMain* f)
{
    Chart& c = *f->chart;
    if (game::Congratulate(c))
        scores::EnterHighScore(c, f->ScoreRun, game::ActiveMode(c));
}

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

// The end of a completed game, run from the event loop after the drop that completed it. Should
// the process end from inside either box, the record still goes in on the way out, as a signal
// would have it.
void FinishGame(frmMain* f)
{
    const Finishing outer = std::exchange(g_finishing, {f, EnteredRows(*f)});
    CompleteGame(f);
    g_finishing = outer;
}

// Every way of putting the tile on a cell ends here. The tile is placed, counted and the clock
// switched off at once; only the dialogs of a completed game wait until the event is over, so that
// they never open inside the platform's drag loop.
void DropTileOn(frmMain* f, int cell)
{
    if (game::PlaceOnCell(*f->chart, cell))
        QTimer::singleShot(0, f, [f] { FinishGame(f); });
}

// The click that ends a pointer carry: on a cell it is a drop there, on the bare window a drop on
// the bare window, anywhere else the tile goes back to the holder.
void CarriedClick(frmMain* f, QWidget* target)
{
    Chart& c = *f->chart;
    c.Carry->end();
    if (const int cell = c.CellOf(target); cell >= 0)
        DropTileOn(f, cell);
    else if (target == c.Surface)
        game::DropOnBareWindow(c);
    else
        game::PutBack(c);
}

// The keyboard's mark shows its element in the information panel, as pointing at the cell does.
void ShowMarked(Chart& c) { explore::ShowElement(c, game::MarkedCell(c)); }

// The chart's keys: Space or Enter picks the tile up, and drops it on the marked cell once it is
// up; the arrows move the mark; Escape puts the tile back. Keys that do nothing go on to the window.
bool KeyOnChart(frmMain* f, platform::Key key)
{
    Chart& c = *f->chart;
    const int marked = game::MarkedCell(c);
    if (marked >= 0 && !game::CanPickUp(c)) { // the game it was placing for is over
        game::EndKeyboardPlacement(c);
        return false;
    }
    switch (key) {
    case platform::Key::Activate:
        if (marked >= 0) {
            DropTileOn(f, marked);
            return true;
        }
        if (!game::PickUpWithKeys(c))
            return false;
        ShowMarked(c);
        return true;
    case platform::Key::Cancel:
        if (marked < 0)
            return false;
        game::EndKeyboardPlacement(c);
        return true;
    case platform::Key::Left:
    case platform::Key::Right:
    case platform::Key::Up:
    case platform::Key::Down:
        if (marked < 0)
            return false;
        game::MoveMark(c, key == platform::Key::Left    ? game::Direction::Left
                          : key == platform::Key::Right ? game::Direction::Right
                          : key == platform::Key::Up    ? game::Direction::Up
                                                        : game::Direction::Down);
        ShowMarked(c);
        return true;
    }
    return false;
}

// What a screen reader reads of each control, asked for whenever it reads it.
void DescribeControls(const Chart& c)
{
    using platform::SetAccessibleText;
    const Chart* p = &c;
    SetAccessibleText(c.Surface, QAccessible::Client, [] { return QCoreApplication::translate("ScreenReader", "Periodic Table chart"); },
                      [] { return explore::HowToPlace(); });
    for (int i = 0; i < catalogue::kElementCount; ++i)
        SetAccessibleText(c.Image1[i], QAccessible::Cell, [p, i] { return explore::CellName(*p, i); },
                          [i] { return explore::CellPlace(i); });
    SetAccessibleText(c.imgHolder, QAccessible::Graphic, [p] { return explore::HolderName(*p); },
                      [] { return explore::HowToPlace(); });
    const std::pair<Label*, Label*> panel[] = {{c.lblElementHeading, c.lblName},
                                               {c.lblAtomicnum, c.lblNumber},
                                               {c.lblAtomicMassHeading, c.lblAtomicMass},
                                               {c.lblMeltingHeading, c.lblMelting},
                                               {c.lblBoilingHeading, c.lblBoiling}};
    for (const auto& [heading, value] : panel)
        SetAccessibleText(value, QAccessible::StaticText,
                          [heading = heading, value = value] { return explore::PanelValueName(*heading, *value); });
    SetAccessibleText(c.lblTime, QAccessible::StaticText, [p] { return explore::ClockName(*p); });
    for (int rank = 1; rank <= 9; ++rank)
        for (int mode = 0; mode < 4; ++mode)
            SetAccessibleText(c.NameLabel(rank, mode), QAccessible::StaticText,
                              [p, rank, mode] { return explore::ScoreRowName(*p, rank, mode); });
}

// Zooming by the keys: each step from the zoom asked for, and from a zoom that fits the window from
// the scale it gives, so that the step goes on from what the player sees.
struct ZoomKey {
    QKeyCombination key;
    qreal (*zoom)(qreal scale);
};
const ZoomKey kZoomKeys[] = {
    {Qt::CTRL | Qt::Key_Plus, chart::ZoomIn},
    {Qt::CTRL | Qt::Key_Equal, chart::ZoomIn},
    {Qt::CTRL | Qt::Key_Minus, chart::ZoomOut},
    {Qt::CTRL | Qt::Key_0, [](qreal) { return 1.0; }},
    {Qt::CTRL | Qt::Key_9, [](qreal) { return chart::kFitToWindow; }},
};

void ZoomBy(Chart& c, qreal (*zoom)(qreal))
{
    const qreal from = c.Zoom == chart::kFitToWindow ? c.Surface->scale() : c.Zoom;
    const qreal next = zoom(from);
    if (zoom == chart::ZoomIn && next < from)
        return; // fit to window already beyond the last step
    chart::SetZoom(c, next);
}

// Ctrl+wheel over the chart zooms a step for each notch (a touchpad's small turns are added up
// to notches); the wheel without Ctrl does nothing, as before.
class WheelZoom : public QObject {
public:
    WheelZoom(Chart& chart, QObject* parent) : QObject(parent), chart_(chart) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            return false;
        turned_ += wheel->angleDelta().y();
        for (; turned_ >= QWheelEvent::DefaultDeltasPerStep; turned_ -= QWheelEvent::DefaultDeltasPerStep)
            ZoomBy(chart_, chart::ZoomIn);
        for (; turned_ <= -QWheelEvent::DefaultDeltasPerStep; turned_ += QWheelEvent::DefaultDeltasPerStep)
            ZoomBy(chart_, chart::ZoomOut);
        wheel->accept();
        return true;
    }

private:
    Chart& chart_;
    int turned_ = 0;
};

// The unload of a window, run once whichever way of ending gets to it first; a child of the window.
class Unloader : public QObject {
    Q_OBJECT
public:
    explicit Unloader(frmMain* form) : QObject(form), form_(form) {}
    void run()
    {
        if (done_)
            return;
        done_ = true;
        MainUnload(*form_);
    }

private:
    frmMain* form_;
    bool done_ = false;
};

// The window whose unload runs when the process ends without closing it.
QPointer<frmMain> g_mainWindow;

void UnloadAtExit()
{
    if (!g_mainWindow)
        return;
    // The process ends from inside the congratulation or the name box (the display went away):
    // the record goes in as at a signal, the open box taken as OK.
    if (RecordPending(*g_mainWindow)) {
        platform::EndDialogs();
        CompleteGame(g_mainWindow);
    }
    if (auto* unloader = g_mainWindow->findChild<Unloader*>(QString(), Qt::FindDirectChildrenOnly))
        unloader->run();
}

// Closes the window, and so runs the unload, once no drag loop or dialog holds the event loop:
// closing from inside one would run the unload in the middle of the drop that opened it. It is
// always queued, so that what a drop has queued (the end of a game) runs first.
void CloseWhenFree(frmMain* f, int delayMs = 0)
{
    QTimer::singleShot(delayMs, f, [f] {
        if (platform::DialogOpen() || f->chart->imgHolder->inDragLoop())
            return CloseWhenFree(f, 10);
        f->close();
        QCoreApplication::quit(); // also when the window was never shown
    });
}

} // namespace

void WireEvents(frmMain& form)
{
    frmMain* f = &form;
    Chart& c = *form.chart;
    Chart* p = &c;

    // Window: unload on close, however it is closed; the chart drawn to fit the client area;
    // pointer and drags over the bare window.
    auto* unloader = new Unloader(f);
    QObject::connect(f, &frmMain::closing, unloader, &Unloader::run);
    QObject::connect(c.Surface, &platform::Surface::resized, f, [p] { chart::FitToSurface(*p); });
    QObject::connect(form.mnuFileExit, &QAction::triggered, f, [f] { f->close(); });
    QObject::connect(c.Surface, &platform::Surface::mouseMoved, f, [p] { explore::EmptyPanel(*p); });
    QObject::connect(c.Surface, &platform::Surface::dragPassed, f, [p] { game::DragOverBareWindow(*p); });
    QObject::connect(c.Surface, &platform::Surface::dropped, f, [p] { game::DropOnBareWindow(*p); });

    // Cells: pointing and dragging over show the element; a drop is handled inside the drop event.
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        PictureBox* cell = c.Image1[i];
        cell->setDropTarget(true);
        QObject::connect(cell, &PictureBox::mouseMoved, f, [p, i] { explore::ShowElement(*p, i); });
        QObject::connect(cell, &PictureBox::dragPassed, f, [p, i] { explore::ShowElement(*p, i); });
        QObject::connect(cell, &PictureBox::dropped, f, [f, i] { DropTileOn(f, i); });
    }
    QObject::connect(c.imgHolder, &PictureBox::dragEnded, f, [p](bool landed) { game::DragEnded(*p, landed); });

    // Without dragging: a click on the holder lifts the tile onto the pointer until the next click;
    // the keys of the chart place it with the keyboard's mark. A press on the holder hands the
    // placing over to the pointer.
    QObject::connect(c.imgHolder, &PictureBox::pressed, f, [p] { game::EndKeyboardPlacement(*p); });
    QObject::connect(c.imgHolder, &PictureBox::clicked, f, [p] {
        if (game::PickUpWithPointer(*p))
            p->Carry->begin(p->imgHolder->dragImage());
    });
    QObject::connect(c.Carry, &platform::PointerCarry::clickedOn, f, [f](QWidget* target) { CarriedClick(f, target); });
    QObject::connect(c.Carry, &platform::PointerCarry::cancelled, f, [p] {
        p->Carry->end();
        game::PutBack(*p);
    });
    c.Surface->onKey = [f](platform::Key key) { return KeyOnChart(f, key); };
    DescribeControls(c);

    // Zoom: keys of the window, in no menu; the wheel over the chart and every control on it.
    for (const ZoomKey& entry : kZoomKeys) {
        auto* shortcut = new QShortcut(QKeySequence(entry.key), f);
        QObject::connect(shortcut, &QShortcut::activated, f, [p, zoom = entry.zoom] { ZoomBy(*p, zoom); });
    }
    // (on each control as well as on the surface: a wheel event sent to a control goes no further)
    auto* wheelZoom = new WheelZoom(c, f);
    c.Surface->installEventFilter(wheelZoom);
    for (QWidget* control : c.Surface->findChildren<QWidget*>())
        control->installEventFilter(wheelZoom);

    QObject::connect(c.lblAlkaline, &Label::clicked, f, [p] { explore::ClickAlkalineLabel(*p); });
    QObject::connect(c.Timer1, &QTimer::timeout, f, [p] { game::Tick(*p); });

    // Play menu.
    const std::pair<QAction*, int> plays[] = {
        {form.mnuPlay, 0}, {form.mnuPlayCommon, 1}, {form.mnuPlayAtomic, 2}, {form.mnuWONumber, 3}};
    for (const auto& [item, mode] : plays)
        QObject::connect(item, &QAction::triggered, f, [p, mode = mode] { game::StartGame(*p, mode); });

    // View menu.
    for (int g = 0; g < catalogue::kGroupCount; ++g) {
        const Group group = Group(g);
        QObject::connect(form.GroupMenuItem(group), &QAction::triggered, f,
                         [p, group] { explore::RevealGroup(*p, group); });
    }
    QObject::connect(form.mnuAll, &QAction::triggered, f, [p] { explore::RevealAll(*p); });
}

void WireProgramEnd(frmMain& form)
{
    frmMain* f = &form;
    // A signal ends a drag and closes an open dialog as OK (a typed name is entered); the game then
    // closes as through File, Exit.
    platform::OnEndRequest([f] {
        platform::EndDialogs();
        platform::CancelDrag();
        CloseWhenFree(f);
    });
    // The session manager asks for the data to be saved before it ends the session (or at a
    // checkpoint); at the end it tells the application to quit, and the platform closes the window.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, f, [f](QSessionManager&) {
        scores::SaveAllTables(*f->chart, f->ScoreRun);
        SavePlacement(*f);
        SaveZoom(*f);
    });
    // The platform ends the process with exit() when the display goes away (the X server ended
    // with the session): the unload then runs from there, with the window still in memory. Set
    // after the load, so that what the load set up is still there when exit() gets to it. An end
    // asked for during the start runs from the event loop.
    static const bool atExitSet = std::atexit(UnloadAtExit) == 0;
    Q_UNUSED(atExitSet);
    g_mainWindow = f;
}

} // namespace shell

#include "wiring.moc"
