// The table of reactions: which event of which control runs which operation.
#include "shell/wiring.h"

#include "explore/explore.h"
#include "game/game.h"
#include "platform/accessible.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"
#include "shell/scale.h"

#include <QAction>
#include <QTimer>

using catalogue::Group;

namespace shell {
namespace {

// Every way of putting the tile on a cell ends here. The tile is placed, counted and the clock
// switched off at once; only the dialogs of a completed game wait until the event is over, so that
// they never open inside the platform's drag loop.
void DropTileOn(frmMain* f, int cell)
{
    if (game::PlaceOnCell(*f, cell))
        QTimer::singleShot(0, f, [f] { FinishGame(*f); });
}

// The click that ends a pointer carry: on a cell it is a drop there, on the bare window a drop on
// the bare window, anywhere else the tile goes back to the holder.
void CarriedClick(frmMain* f, QWidget* target)
{
    f->Carry->end();
    if (const int cell = f->CellOf(target); cell >= 0)
        DropTileOn(f, cell);
    else if (target == f->Surface)
        game::DropOnBareWindow(*f);
    else
        game::PutBack(*f);
}

// The chart's keys: Space or Enter picks the tile up, and drops it on the marked cell once it is
// up; the arrows move the mark; Escape puts the tile back. Keys that do nothing go on to the window.
bool KeyOnChart(frmMain* f, platform::Key key)
{
    const int marked = game::MarkedCell(*f);
    if (marked >= 0 && !game::CanPickUp(*f)) { // the game it was placing for is over
        game::EndKeyboardPlacement(*f);
        return false;
    }
    switch (key) {
    case platform::Key::Activate:
        if (marked < 0)
            return game::PickUpWithKeys(*f);
        DropTileOn(f, marked);
        return true;
    case platform::Key::Cancel:
        if (marked < 0)
            return false;
        game::EndKeyboardPlacement(*f);
        return true;
    case platform::Key::Left:
    case platform::Key::Right:
    case platform::Key::Up:
    case platform::Key::Down:
        if (marked < 0)
            return false;
        game::MoveMark(*f, key == platform::Key::Left    ? game::Direction::Left
                           : key == platform::Key::Right ? game::Direction::Right
                           : key == platform::Key::Up    ? game::Direction::Up
                                                         : game::Direction::Down);
        return true;
    }
    return false;
}

// What a screen reader reads of each control, asked for whenever it reads it.
void DescribeControls(frmMain& form)
{
    using platform::SetAccessibleText;
    const frmMain* f = &form;
    SetAccessibleText(form.Surface, QAccessible::Client, [] { return QStringLiteral("Periodic Table chart"); },
                      [] { return explore::HowToPlace(); });
    for (int i = 0; i < catalogue::kElementCount; ++i)
        SetAccessibleText(form.Image1[i], QAccessible::Cell, [f, i] { return explore::CellName(*f, i); },
                          [i] { return explore::CellPlace(i); });
    SetAccessibleText(form.imgHolder, QAccessible::Graphic, [f] { return explore::HolderName(*f); },
                      [] { return explore::HowToPlace(); });
    const std::pair<Label*, Label*> panel[] = {{form.lblElementHeading, form.lblName},
                                               {form.lblAtomicnum, form.lblNumber},
                                               {form.lblAtomicMassHeading, form.lblAtomicMass},
                                               {form.lblMeltingHeading, form.lblMelting},
                                               {form.lblBoilingHeading, form.lblBoiling}};
    for (const auto& [heading, value] : panel)
        SetAccessibleText(value, QAccessible::StaticText,
                          [heading = heading, value = value] { return explore::PanelValueName(*heading, *value); });
    SetAccessibleText(form.lblTime, QAccessible::StaticText, [f] { return explore::ClockName(*f); });
    for (int rank = 1; rank <= 9; ++rank)
        for (int mode = 0; mode < 4; ++mode)
            SetAccessibleText(form.NameLabel(rank, mode), QAccessible::StaticText,
                              [f, rank, mode] { return explore::ScoreRowName(*f, rank, mode); });
}

} // namespace

void WireEvents(frmMain& form)
{
    frmMain* f = &form;

    // Window: unload on close, the chart drawn to fit the client area, pointer and drags over the
    // bare window.
    form.onUnload = [f] { MainUnload(*f); };
    form.Surface->onResize = [f] { FitToSurface(*f); };
    QObject::connect(form.mnuFileExit, &QAction::triggered, f, [f] { f->close(); });
    form.Surface->onMouseMove = [f] { explore::EmptyPanel(*f); };
    form.Surface->onDragOver = [f](platform::DragState) { game::DragOverBareWindow(*f); };
    form.Surface->onDrop = [f] { game::DropOnBareWindow(*f); };

    // Cells: pointing and dragging over show the element; a drop is handled inside the drop event.
    for (int i = 0; i < catalogue::kElementCount; ++i) {
        PictureBox* cell = form.Image1[i];
        cell->onMouseMove = [f, i] { explore::ShowElement(*f, i); };
        cell->onDragOver = [f, i](platform::DragState) { explore::ShowElement(*f, i); };
        cell->onDrop = [f, i] { DropTileOn(f, i); };
    }
    form.imgHolder->onDragEnded = [f](bool landed) { game::DragEnded(*f, landed); };

    // Without dragging: a click on the holder lifts the tile onto the pointer until the next click;
    // the keys of the chart place it with the keyboard's mark. A press on the holder hands the
    // placing over to the pointer.
    form.imgHolder->onPress = [f] { game::EndKeyboardPlacement(*f); };
    form.imgHolder->onClick = [f] {
        if (game::PickUpWithPointer(*f))
            f->Carry->begin(f->imgHolder->dragImage());
    };
    form.Carry->onClick = [f](QWidget* target) { CarriedClick(f, target); };
    form.Carry->onCancel = [f] {
        f->Carry->end();
        game::PutBack(*f);
    };
    form.Surface->onKey = [f](platform::Key key) { return KeyOnChart(f, key); };
    DescribeControls(form);

    form.lblAlkaline->onClick = [f] { explore::ClickAlkalineLabel(*f); };
    QObject::connect(form.Timer1, &QTimer::timeout, f, [f] { game::Tick(*f); });

    // Play menu.
    const std::pair<QAction*, int> plays[] = {
        {form.mnuPlay, 0}, {form.mnuPlayCommon, 1}, {form.mnuPlayAtomic, 2}, {form.mnuWONumber, 3}};
    for (const auto& [item, mode] : plays)
        QObject::connect(item, &QAction::triggered, f, [f, mode = mode] { game::StartGame(*f, mode); });

    // View menu.
    for (int g = 0; g < catalogue::kGroupCount; ++g) {
        const Group group = Group(g);
        QObject::connect(form.GroupMenuItem(group), &QAction::triggered, f,
                         [f, group] { explore::RevealGroup(*f, group); });
    }
    QObject::connect(form.mnuAll, &QAction::triggered, f, [f] { explore::RevealAll(*f); });
}

} // namespace shell
