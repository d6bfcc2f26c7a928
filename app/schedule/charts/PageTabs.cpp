#include "app/schedule/charts/PageTabs.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {
class TPageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TPageTabAccessible(QTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar != nullptr && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar != nullptr ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_bar != nullptr ? QAccessible::queryAccessibleInterface(m_bar) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_bar->tabText(m_index);
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return {m_bar->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = m_index == m_bar->currentIndex();
        state.focusable = true;
        state.selectable = true;
        state.selected = current;
        state.focused = current && m_bar->hasFocus();
        state.disabled = !m_bar->isTabEnabled(m_index);
        state.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && isValid())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// The bar as a page tab list of its tabs; the interfaces of the tabs live as long as the bar's.
class TPageTabBarAccessible : public QAccessibleWidget {
public:
    explicit TPageTabBarAccessible(QWidget *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TPageTabBarAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    // Named, as Qt names its own tab bars, by the page shown.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Bar()->tabText(Bar()->currentIndex());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= Bar()->count())
            return nullptr;
        if (!m_tabs.contains(index))
            m_tabs[index] = QAccessible::registerAccessibleInterface(new TPageTabAccessible(Bar(), index));
        return QAccessible::accessibleInterface(m_tabs[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto tab = m_tabs.cbegin(); tab != m_tabs.cend(); ++tab)
            if (QAccessible::accessibleInterface(tab.value()) == child)
                return tab.key();
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return Bar()->hasFocus() ? child(Bar()->currentIndex()) : nullptr;
    }

private:
    QTabBar *Bar() const { return static_cast<QTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface *PageTabBarFactory(const QString &className, QObject *object)
{
    auto *bar = qobject_cast<TPageTabBar *>(object);
    if (bar == nullptr || className != QLatin1StringView(TPageTabBar::staticMetaObject.className()))
        return nullptr;
    return new TPageTabBarAccessible(bar);
}
} // namespace

TPageTabBar::TPageTabBar(QWidget *parent) : QTabBar(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(PageTabBarFactory);
        return true;
    }();
    (void)installed;
}

void TPageTabBar::focusInEvent(QFocusEvent *event)
{
    QTabBar::focusInEvent(event);
    AnnounceCurrentTabFocus(true);
}

void TPageTabBar::focusOutEvent(QFocusEvent *event)
{
    QTabBar::focusOutEvent(event);
    AnnounceCurrentTabFocus(false);
}

void TPageTabBar::AnnounceCurrentTabFocus(bool focused)
{
    if (!QAccessible::isActive() || currentIndex() < 0)
        return;
    QAccessible::State changed;
    changed.focused = true;
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(currentIndex());
    QAccessible::updateAccessibility(&event);
    if (focused) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex());
        QAccessible::updateAccessibility(&focus);
    }
}

TPageTabs::TPageTabs(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TPageTabBar(this));
}
