#include "controls/common/Announcer.h"

#include "controls/common/Accessibility.h"

#include <QAccessibleObject>
#include <QWidget>

namespace {
class TAnnouncerAccessible : public QAccessibleObject {
public:
    explicit TAnnouncerAccessible(TAnnouncer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(Announcer()->Window());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Announcer()->Text() : QString();
    }

private:
    TAnnouncer *Announcer() const { return static_cast<TAnnouncer *>(object()); }
};
} // namespace

TAnnouncer::TAnnouncer(QWidget *window) : QObject(window)
{
    InstallAccessibleInterface<TAnnouncer, TAnnouncerAccessible>();
}

QWidget *TAnnouncer::Window() const
{
    return static_cast<QWidget *>(parent());
}

void TAnnouncer::Announce(const QString &text)
{
    m_text = text;
    ::Announce(this, QAccessible::ObjectShow);
}
