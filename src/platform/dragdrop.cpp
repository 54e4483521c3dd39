#include "platform/dragdrop.h"

#include <QDragEnterEvent>
#include <QMimeData>

namespace platform {

bool CarriesTile(const QMimeData* mime) { return mime && mime->hasFormat(kTileMimeType); }

void TakeDragEnter(QDragEnterEvent* event) { event->acceptProposedAction(); }

} // namespace platform
