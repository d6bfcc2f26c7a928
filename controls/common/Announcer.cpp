#include "controls/common/Announcer.h"

#include "controls/common/Accessibility.h"

namespace {
class TAnnouncerAccessible : public QAccessibleWidget {
public:
    explicit TAnnouncerAccessible(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
};
} // namespace

TAnnouncer::TAnnouncer(QWidget &window) : QWidget(&window)
{
    InstallAccessibleInterface<TAnnouncer, TAnnouncerAccessible>();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void TAnnouncer::Say(const QString &notice)
{
    if (!QAccessible::isActive())
        return;
    setAccessibleName(notice);
    hide();
    show();
}
