#include "catalogue/elements.h"

#include <QCoreApplication>

namespace catalogue {

QString ElementName(int index) { return QCoreApplication::translate("Element", Element(index).name.data()); }

} // namespace catalogue
