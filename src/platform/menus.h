#pragma once
// Menus: items with access keys, an optional shortcut, items that cannot be chosen.
#include <QAction>
#include <QMenu>

class QMenuBar;

namespace platform {

enum class Item { Available, Unavailable };

// A menu in which an access key that belongs to exactly one item that can be chosen chooses that
// item at once. Items that cannot be chosen do not count: a plain menu counts them too, and then
// only moves its highlight between the items that share the key.
class Menu : public QMenu {
    Q_OBJECT
public:
    Menu(const QString& title, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

QMenu* AddMenu(QMenuBar* bar, const QString& title);
QAction* AddItem(QMenu* menu, const QString& caption, Item state, const QKeySequence& shortcut = {});
QAction* AddSeparator(QMenu* menu, bool shown = true);

// The item of a menu that the access key `key` chooses at once, or null.
QAction* OnlyAvailableItemWithKey(const QMenu* menu, QChar key);

} // namespace platform
