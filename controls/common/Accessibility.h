#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLatin1StringView>
#include <QObject>
#include <QString>

// Makes `Interface` (constructed from a `Widget *`) what assistive technology sees of every widget of
// class `Widget`, and of its subclasses that have no interface of their own. Installed once per
// program, on the first call; each control calls it from its constructor, before anything can ask
// for the control's interface, so that every use of the control gets it.
template <class Widget, class Interface> void InstallAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            auto *widget = qobject_cast<Widget *>(object);
            if (!widget || className != QLatin1StringView(Widget::staticMetaObject.className()))
                return nullptr;
            return new Interface(widget);
        });
        return true;
    }();
    (void)installed;
}

// A top-level window of ours read as a frame named by its title, as Qt reads its own main windows
// and dialogs; a plain widget would read as a filler.
class TWindowAccessible : public QAccessibleWidget {
public:
    explicit TWindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Tells assistive technology that the `changed` states of `object` changed; nothing while none listens.
inline void AnnounceStateChange(QObject *object, QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}

// Tells assistive technology of an event of `object` (a new name, a new value, …); nothing while none
// listens.
inline void Announce(QObject *object, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}
