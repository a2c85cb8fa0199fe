#include "ctableaccessible.h"

#include "ctableview.h"

namespace solvane {

namespace {
QAccessibleInterface* TableFactory(const QString&, QObject* object)
{
    if (auto* table = qobject_cast<cTableView*>(object))
        return new cTableAccessible(table);
    return nullptr;
}
} // namespace

cTableAccessible::cTableAccessible(QWidget* table) : QAccessibleWidget(table, QAccessible::Canvas) {}

QString cTableAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString& spoken = static_cast<const cTableView*>(widget())->Spoken();
        return spoken.isEmpty() ? QStringLiteral("Table") : spoken;
    }
    return QAccessibleWidget::text(t);
}

void InstallTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    (void)installed;
}

} // namespace solvane
