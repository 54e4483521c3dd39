#include "platform/menus.h"

#include <QKeyEvent>
#include <QMenuBar>

namespace platform {

Menu::Menu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void Menu::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool plainKey = modifiers == Qt::NoModifier || modifiers == Qt::AltModifier || modifiers == Qt::ShiftModifier;
    if (plainKey && event->text().size() == 1) {
        if (QAction* item = OnlyAvailableItemWithKey(this, event->text().at(0))) {
            // Chosen the way Return chooses the highlighted item: the menus close, then it triggers.
            setActiveAction(item);
            QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QMenu::keyPressEvent(&choose);
            event->accept();
            return;
        }
    }
    QMenu::keyPressEvent(event);
}

QAction* OnlyAvailableItemWithKey(const QMenu* menu, QChar key)
{
    const int wanted = key.toUpper().unicode();
    QAction* found = nullptr;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
        if (mnemonic.isEmpty() || int(mnemonic[0].key()) != wanted)
            continue;
        if (found)
            return nullptr; // shared by two items that can be chosen: the highlight moves
        found = item;
    }
    return found && !found->menu() ? found : nullptr;
}

QMenu* AddMenu(QMenuBar* bar, const QString& title)
{
    auto* menu = new Menu(title, bar);
    bar->addMenu(menu);
    return menu;
}

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
