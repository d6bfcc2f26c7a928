#include "UrlLabel.h"

#include "common/ColorNames.h"
#include "common/FailureGuard.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
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
} // namespace

TUrlLabel::TUrlLabel(QWidget *parent) : QLabel(parent), m_activeColor(clPurple), m_menu(new QMenu(this))
{
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
        RunGuarded([this] { Click(); });
    SetFontColor(m_savedColor);
}

void TUrlLabel::contextMenuEvent(QContextMenuEvent *event)
{
    // Accepted, so the menus of the windows around the label never open for it.
    event->accept();
    m_menu->popup(event->globalPos());
}

void TUrlLabel::Click()
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
