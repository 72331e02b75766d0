#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "equation_row.h"
#include "grid_accessible.h"
#include "inserisci.h"
#include "tableau_view.h"

namespace simplesso {
namespace {

bool Is(const QString& className, const QMetaObject& meta) {
    return className == QLatin1String(meta.className());
}

QAccessibleInterface* Create(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    // A plain top-level QWidget is announced as a filler; screen readers should meet it as a
    // window.
    if (Is(className, Inserisci::staticMetaObject)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (Is(className, EquationRow::staticMetaObject)) {
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    }
    if (Is(className, TableauView::staticMetaObject)) {
        return new GridAccessible(static_cast<TableauView*>(widget));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleClasses() {
    static const bool installed = (QAccessible::installFactory(Create), true);
    Q_UNUSED(installed);
}

}  // namespace simplesso
