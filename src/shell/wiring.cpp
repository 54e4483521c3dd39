// The table of reactions: which event of which control runs which operation.
#include "shell/wiring.h"

#include "explore/explore.h"
#include "game/game.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"

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
        QTimer::singleShot(0, f, [f] { game::CompleteGame(*f); });
}

} // namespace

void WireEvents(frmMain& form)
{
    frmMain* f = &form;

    // Window: unload on close, pointer and drags over the bare window.
    form.onUnload = [f] { MainUnload(*f); };
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
