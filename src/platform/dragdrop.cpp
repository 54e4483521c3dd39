#include "platform/dragdrop.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>

namespace platform {

bool CarriesTile(const QMimeData* mime) { return mime && mime->hasFormat(kTileMimeType); }

void CancelDrag() { QDrag::cancel(); }

void TakeDragEnter(QDragEnterEvent* event) { event->acceptProposedAction(); }

} // namespace platform
