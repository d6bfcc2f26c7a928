#include "controls/UrlLabel.h"

#include "controls/common/Accessibility.h"
#include "controls/common/Bevel.h"
#include "controls/common/FailureGuard.h"
#include "design/ColorNames.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <algorithm>

namespace {
// Blanks and control characters: every character of code 32 or less.
bool IsBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 32; });
}

// A target such as "www.halvorn.com" has no scheme; the desktop's handler would take it for a file
// name, while the user means the web site, so it is read the way a browser's address bar reads it.
// A complete address reaches the handler exactly as written.
bool OpenWithDesktop(const QString &target)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

TUrlLabel::Opener &InstalledOpener()
{
    static TUrlLabel::Opener opener = OpenWithDesktop;
    return opener;
}

// The label as a link. Its actions run once the request has returned, like a click from the event loop.
class TUrlLabelAccessible : public QAccessibleWidget {
public:
    explicit TUrlLabelAccessible(TUrlLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName().isEmpty() ? Label()->text() : widget()->accessibleName();
        case QAccessible::Value:
            return Label()->Target();
        case QAccessible::Description:
            return widget()->accessibleDescription().isEmpty() ? Label()->Target()
                                                               : widget()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.hasPopup = true;
        state.focusable = true;
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), showMenuAction(), setFocusAction()}; }

    void doAction(const QString &actionName) override
    {
        TUrlLabel *label = Label();
        if (actionName == pressAction())
            PostGuarded(label, [label] { label->Click(); });
        else if (actionName == showMenuAction())
            PostGuarded(label, [label] { label->PopupMenuBelow(); });
        else if (actionName == setFocusAction())
            label->setFocus(Qt::OtherFocusReason);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
        if (actionName == showMenuAction())
            return {QKeySequence(Qt::ShiftModifier | Qt::Key_F10).toString(QKeySequence::NativeText)};
        return {};
    }

private:
    TUrlLabel *Label() const { return static_cast<TUrlLabel *>(widget()); }
};
} // namespace

TUrlLabel::TUrlLabel(QWidget *parent) : QLabel(parent), m_activeColor(clPurple), m_menu(new QMenu(this))
{
    InstallAccessibleInterface<TUrlLabel, TUrlLabelAccessible>();
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    SetFontColor(clBlue);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    m_menu->addAction(QStringLiteral("Copy"), this, [this] { CopyCaption(); });
}

QColor TUrlLabel::FontColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void TUrlLabel::SetFontColor(const QColor &color)
{
    if (color == FontColor())
        return;
    // The disabled look keeps the style's own colour, as a disabled label should.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, color);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, color);
    setPalette(colours);
}

QString TUrlLabel::Target() const
{
    const QString &target = IsBlank(m_url) ? text() : m_url;
    return IsBlank(target) ? QString() : target;
}

TUrlLabel::Opener TUrlLabel::SetOpener(Opener opener)
{
    Opener previous = std::move(InstalledOpener());
    InstalledOpener() = opener ? std::move(opener) : Opener(OpenWithDesktop);
    return previous;
}

// Every button's events end at the label, so no window around it reacts to a click on the link.
void TUrlLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        PressLeft(true);
}

void TUrlLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click shows the active colour but opens nothing: one double click
    // opens the target once.
    event->accept();
    if (event->button() == Qt::LeftButton)
        PressLeft(false);
}

void TUrlLabel::PressLeft(bool clickOnRelease)
{
    if (!m_leftDown)
        m_savedColor = FontColor();
    m_leftDown = true;
    m_clickOnRelease = clickOnRelease;
    SetFontColor(m_activeColor);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    // The target opens while the text still shows the active colour; the colour comes back afterwards,
    // also when the click handler fails.
    if (m_clickOnRelease && rect().contains(event->position().toPoint()))
        Click();
    SetFontColor(m_savedColor);
}

void TUrlLabel::contextMenuEvent(QContextMenuEvent *event)
{
    // Accepted, so the menus of the windows around the label never open for it. The context-menu key
    // opens it at the label, not wherever the pointer happens to be.
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        PopupMenuBelow();
    else
        m_menu->popup(event->globalPos());
}

void TUrlLabel::keyPressEvent(QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10)
        PopupMenuBelow();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Click();
    else
        QLabel::keyPressEvent(event);
}

void TUrlLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    DrawFocusFrame(painter, rect(), FontColor());
}

void TUrlLabel::PopupMenuBelow()
{
    m_menu->popup(mapToGlobal(rect().bottomLeft()));
}

void TUrlLabel::Click()
{
    RunGuarded([this] { OpenTarget(); });
}

void TUrlLabel::OpenTarget()
{
    if (OnClick)
        OnClick(this);
    const QString target = Target();
    if (!target.isEmpty())
        InstalledOpener()(target);
}

void TUrlLabel::CopyCaption() const
{
    QGuiApplication::clipboard()->setText(text());
}
