#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vector>

// Switches assistive technology on (the platform itself does it only for a screen reader, which the
// tests have none of) and records what the widgets tell it, until destroyed. One at a time.
class AccessibleEvents {
public:
    struct Event {
        QAccessible::Event Type;
        QObject *Object;
        int Child;
        QString Text;               // what a text event inserted or removed; what a notification said
        int Position = -1;          // where
        QAccessible::State Changed; // what a state-change event changed
    };

    AccessibleEvents()
    {
        Recorded().clear();
        m_previous = QAccessible::installUpdateHandler(&Record);
        Platform()->setActive(true);
    }
    ~AccessibleEvents()
    {
        Platform()->setActive(false);
        QAccessible::installUpdateHandler(m_previous);
    }
    AccessibleEvents(const AccessibleEvents &) = delete;
    AccessibleEvents &operator=(const AccessibleEvents &) = delete;

    void Clear() { Recorded().clear(); }

    // The events of `type` about `object` (a child of it when `child` is not -1), oldest first.
    std::vector<Event> Of(const QObject *object, QAccessible::Event type) const
    {
        std::vector<Event> found;
        for (const Event &event : Recorded())
            if (event.Object == object && event.Type == type)
                found.push_back(event);
        return found;
    }
    const std::vector<Event> &All() const { return Recorded(); }

    // What notifications said as they showed, oldest first.
    QStringList Notices() const
    {
        QStringList notices;
        for (const Event &event : Recorded())
            if (event.Type == QAccessible::ObjectShow && !event.Text.isEmpty())
                notices << event.Text;
        return notices;
    }

private:
    static QPlatformAccessibility *Platform()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static std::vector<Event> &Recorded()
    {
        static std::vector<Event> events;
        return events;
    }
    static void Record(QAccessibleEvent *event)
    {
        Event recorded{event->type(), event->object(), event->child(), {}, -1, {}};
        if (event->type() == QAccessible::TextInserted) {
            const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
            recorded.Text = inserted->textInserted();
            recorded.Position = inserted->changePosition();
        } else if (event->type() == QAccessible::TextRemoved) {
            const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
            recorded.Text = removed->textRemoved();
            recorded.Position = removed->changePosition();
        } else if (event->type() == QAccessible::StateChanged) {
            recorded.Changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
        } else if (event->type() == QAccessible::ObjectShow) {
            // A notification is spoken as it shows, with the name it has then.
            QAccessibleInterface *shown = event->accessibleInterface();
            if (shown != nullptr && shown->role() == QAccessible::Notification)
                recorded.Text = shown->text(QAccessible::Name);
        }
        Recorded().push_back(recorded);
    }

    QAccessible::UpdateHandler m_previous = nullptr;
};
