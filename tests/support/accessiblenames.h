#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader announces for the widget.
inline QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The object names of the focusable controls that would be announced
// without a name.
inline QStringList unnamedControls(const QWidget *dialog)
{
    QStringList unnamed;
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus && accessibleName(widget).isEmpty())
            unnamed.append(widget->objectName());
    }
    return unnamed;
}
