#pragma once
// What assistive technology (a screen reader, over the platform's accessibility bus) reads of a
// control: a role, a name and a description. The texts are made when they are asked for, so they
// always say what the control shows at that moment.
#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace platform {

using AccessibleText = std::function<QString()>;

// Gives a control its role and texts; an empty description function leaves the description empty.
// Must be called before assistive technology first asks for the control, as a window is built.
void SetAccessibleText(QWidget* widget, QAccessible::Role role, AccessibleText name, AccessibleText description = {});

// Tells assistive technology that the name of a control may have changed.
void AccessibleTextChanged(QWidget* widget);

} // namespace platform
