#pragma once
// Menu items: captions with access keys, an optional shortcut, items that cannot be chosen.
#include <QAction>
#include <QMenu>

namespace platform {

enum class Item { Available, Unavailable };

QAction* AddItem(QMenu* menu, const QString& caption, Item state, const QKeySequence& shortcut = {});
QAction* AddSeparator(QMenu* menu, bool shown = true);

} // namespace platform
