// Keyboard focus: Tab stops at the checked button of a group of radio
// buttons, as Space there would otherwise change the setting, and so does a
// group's access key.
#include "dialog/mirlocl.h"

#include <QEvent>
#include <QRadioButton>

namespace {

bool isCheckedRadio(const QWidget *widget)
{
    const auto *radio = qobject_cast<const QRadioButton *>(widget);
    return radio && radio->isChecked();
}

// The checked button of a group is its one stop, whatever its own focus
// policy; the other buttons of the group, and the group the focus leaves,
// are passed over.
bool isTabStop(const QWidget *candidate, const QWidget *from)
{
    if (!candidate->isEnabled() || !candidate->isVisible())
        return false;
    if (!qobject_cast<const QRadioButton *>(candidate))
        return (candidate->focusPolicy() & Qt::TabFocus) != 0;
    const bool leavingGroup = qobject_cast<const QRadioButton *>(from)
            && from->parentWidget() == candidate->parentWidget();
    return !leavingGroup && isCheckedRadio(candidate);
}

} // namespace

bool MirloCL::focusNextPrevChild(bool next)
{
    QWidget *const from = focusWidget();
    if (!from)
        return QDialog::focusNextPrevChild(next);
    for (QWidget *candidate = next ? from->nextInFocusChain() : from->previousInFocusChain();
         candidate != from;
         candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain()) {
        if (candidate != this && isAncestorOf(candidate) && isTabStop(candidate, from)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QDialog::focusNextPrevChild(next);
}

// Qt's own group shortcut prefers a checked button only among those that
// Tab reaches; here Tab reaches every checked one.
bool MirloCL::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        for (QRadioButton *radio : watched->findChildren<QRadioButton *>()) {
            if (isCheckedRadio(radio) && radio->isEnabled()) {
                radio->setFocus(Qt::ShortcutFocusReason);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
