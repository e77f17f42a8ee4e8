#pragma once

#include <QAccessible>
#include <QList>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Installed for its lifetime: makes the platform's accessibility active, as
// a screen reader does (Qt's own autotests reach it the same way), and
// records the state changes Qt reports, which an AT-SPI bridge would pass on.
class AccessibilityEvents
{
public:
    struct StateChange
    {
        QObject *object;
        QAccessible::State changed;
    };

    AccessibilityEvents() : m_previous(QAccessible::installUpdateHandler(&record))
    {
        recorded().clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AccessibilityEvents()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(m_previous);
    }
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    // Taken: the next call sees only what came since.
    static QList<StateChange> takeStateChanges() { return std::exchange(recorded(), {}); }

private:
    static QList<StateChange> &recorded()
    {
        static QList<StateChange> changes;
        return changes;
    }
    static void record(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::StateChanged)
            recorded().append({event->object(), static_cast<QAccessibleStateChangeEvent *>(event)->changedStates()});
    }

    QAccessible::UpdateHandler m_previous;
};
