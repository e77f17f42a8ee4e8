#pragma once

#include <QAccessible>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Installed for its lifetime: makes the platform's accessibility active, as
// a screen reader does (Qt's own autotests reach it the same way), and
// records which objects Qt reports a change of checked state for, as an
// AT-SPI bridge would pass it on.
class CheckedStateEvents
{
public:
    CheckedStateEvents() : m_previous(QAccessible::installUpdateHandler(&record)) { setActive(true); }
    ~CheckedStateEvents() { setActive(false); QAccessible::installUpdateHandler(m_previous); }

    // Taken: the next call sees only what came since.
    static QList<QObject *> take() { return std::exchange(recorded(), {}); }

private:
    static void setActive(bool active)
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
        recorded().clear();
    }
    static QList<QObject *> &recorded()
    {
        static QList<QObject *> objects;
        return objects;
    }
    static void record(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::StateChanged
            && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked)
            recorded().append(event->object());
    }

    const QAccessible::UpdateHandler m_previous;
};
