#pragma once
// Drag and drop of one element tile. The holder is the only drag source; the tile travels under one
// MIME type of our own and nothing else is accepted anywhere.
#include <QString>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace platform {

// How the pointer stands with respect to a widget while a drag passes over it.
enum class DragState { Enter, Over, Leave };

inline const QString kTileMimeType = QStringLiteral("application/x-velmor08-tile");

bool CarriesTile(const QMimeData* mime);

// Ends a drag that is running, as Escape would; nothing when none is.
void CancelDrag();

// Accept the start of a drag over a widget so that its parents see nothing of it.
void TakeDragEnter(QDragEnterEvent* event);

} // namespace platform
