#include "platform/menus.h"

namespace platform {

QAction* AddItem(QMenu* menu, const QString& caption, Item state, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setEnabled(state == Item::Available);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* AddSeparator(QMenu* menu, bool shown)
{
    QAction* action = menu->addSeparator();
    action->setVisible(shown);
    return action;
}

} // namespace platform
