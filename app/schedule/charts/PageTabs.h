#pragma once

#include <QTabBar>
#include <QTabWidget>

// A tab bar whose tabs tell assistive technology the truth about the focus: the current tab is
// selected, and focused only while the bar has the keyboard focus (Qt's own tabs go on reporting the
// current one focused after the focus left). Each tab is a page tab named by its text, with a Press
// action that shows its page.
class TPageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TPageTabBar(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void AnnounceCurrentTabFocus(bool focused);
};

// A tab widget with a TPageTabBar.
class TPageTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageTabs(QWidget *parent = nullptr);
};
