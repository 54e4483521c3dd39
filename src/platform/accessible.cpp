#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace platform {
namespace {

struct Texts {
    QAccessible::Role role;
    AccessibleText name;
    AccessibleText description;
};

QHash<const QObject*, Texts>& Registry()
{
    static QHash<const QObject*, Texts> registry;
    return registry;
}

class DescribedWidget : public QAccessibleWidget {
public:
    DescribedWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto found = Registry().constFind(object());
        if (found != Registry().constEnd()) {
            if (kind == QAccessible::Name && found->name)
                return found->name();
            if (kind == QAccessible::Description)
                return found->description ? found->description() : QString();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    const auto found = Registry().constFind(object);
    if (found == Registry().constEnd() || !object->isWidgetType())
        return nullptr;
    return new DescribedWidget(static_cast<QWidget*>(object), found->role);
}

} // namespace

void SetAccessibleText(QWidget* widget, QAccessible::Role role, AccessibleText name, AccessibleText description)
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
    Registry().insert(widget, {role, std::move(name), std::move(description)});
    QObject::connect(widget, &QObject::destroyed, [widget] { Registry().remove(widget); });
    // A label asks for its interface as soon as its caption is set, before it is described here:
    // that interface is dropped, so that the next question makes the described one.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<DescribedWidget*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AccessibleTextChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace platform
