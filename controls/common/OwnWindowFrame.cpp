#include "controls/common/OwnWindowFrame.h"

#include "controls/common/Bevel.h"
#include "controls/common/ClassicColours.h"
#include "design/DesignFont.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>
#include <optional>
#include <xcb/xcb.h>

namespace {
constexpr int BorderWidth = 4;
constexpr QSize ButtonSize{16, 14};
constexpr int CaptionHeight = 18;

QCursor CursorFor(Qt::Edges edges)
{
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    if (edges & (Qt::TopEdge | Qt::BottomEdge))
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

// A window or dialog that the window manager, or the window itself, frames.
bool IsFramedWindow(const QWidget &widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !widget.windowFlags().testAnyFlags(Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
}

// Frameless to the platform, with a frame of its own: the controls move inside the frame, which grows
// the window by its margins.
void GiveOwnFrame(QWidget &window)
{
    window.overrideWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
    if (QWindow *handle = window.windowHandle())
        handle->setFlags(window.windowFlags());
    const QMargins margins = TOwnWindowFrame::Margins;
    const QSize extra(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (window.layout() != nullptr) {
        window.setContentsMargins(window.contentsMargins() + margins);
    } else {
        for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->pos() + QPoint(margins.left(), margins.top()));
        window.setMinimumSize(window.minimumSize() + extra);
        window.setMaximumSize(
            window.maximumSize().boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) - extra) + extra);
    }
    window.resize(window.size() + extra);
    new TOwnWindowFrame(window);
}

// Gives every window its own frame as it is polished, before it is first shown.
class TOwnFrameGiver : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType() &&
            IsFramedWindow(*static_cast<QWidget *>(watched)))
            GiveOwnFrame(*static_cast<QWidget *>(watched));
        return false;
    }
};
namespace Mwm {
constexpr std::uint32_t HintsFunctions = 1, HintsDecorations = 2;
constexpr std::uint32_t FuncResize = 2, FuncMove = 4, FuncMinimize = 8, FuncMaximize = 16, FuncClose = 32;
constexpr std::uint32_t DecorBorder = 2, DecorResizeHandle = 4, DecorTitle = 8, DecorMenu = 16,
                        DecorMinimize = 32, DecorMaximize = 64;
} // namespace Mwm

// Sets each shown window's Motif hints after Qt has set its own, before the window is mapped.
class TMotifHintsGiver : public QObject {
public:
    // The atom is asked for now and its answer read at the first window shown, so that the program
    // never waits for the server's round trip.
    TMotifHintsGiver(xcb_connection_t *connection, QObject *parent)
        : QObject(parent), m_connection(connection),
          m_atomAsked(
              xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(HintsAtom)), HintsAtom))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            IsFramedWindow(*static_cast<QWidget *>(watched)))
            SetHints(*static_cast<QWidget *>(watched));
        return false;
    }

private:
    static constexpr const char *HintsAtom = "_MOTIF_WM_HINTS";

    xcb_atom_t Atom()
    {
        if (!m_atom) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, m_atomAsked, nullptr);
            m_atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            free(reply);
        }
        return *m_atom;
    }

    void SetHints(const QWidget &window)
    {
        const xcb_atom_t atom = Atom();
        if (atom == XCB_ATOM_NONE)
            return;
        const MotifWmHints hints =
            MotifWmHintsOf(window.windowFlags(), window.minimumSize() != window.maximumSize());
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                            atom, atom, 32, static_cast<std::uint32_t>(hints.size()), hints.data());
        xcb_flush(m_connection);
    }

    xcb_connection_t *m_connection;
    xcb_intern_atom_cookie_t m_atomAsked;
    std::optional<xcb_atom_t> m_atom;
};
} // namespace

MotifWmHints MotifWmHintsOf(Qt::WindowFlags flags, bool resizable)
{
    using namespace Mwm;
    const CaptionButtons buttons = CaptionButtonsOf(flags);
    const bool customized = flags.testFlag(Qt::CustomizeWindowHint);
    const bool title = !customized || flags.testFlag(Qt::WindowTitleHint);
    const bool menu = !customized || flags.testFlag(Qt::WindowSystemMenuHint);
    std::uint32_t functions = FuncMove;
    std::uint32_t decorations = DecorBorder;
    if (resizable) {
        functions |= FuncResize;
        decorations |= DecorResizeHandle;
    }
    if (title)
        decorations |= DecorTitle;
    if (title && menu)
        decorations |= DecorMenu;
    if (buttons.Minimise) {
        functions |= FuncMinimize;
        decorations |= DecorMinimize;
    }
    if (buttons.Maximise) {
        functions |= FuncMaximize;
        decorations |= DecorMaximize;
    }
    if (buttons.Close)
        functions |= FuncClose;
    return {HintsFunctions | HintsDecorations, functions, decorations, 0, 0};
}

CaptionButtons CaptionButtonsOf(Qt::WindowFlags flags)
{
    constexpr Qt::WindowFlags hints = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                      Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    if (!(flags & hints)) {
        const bool dialog = (flags & Qt::WindowType_Mask) == Qt::Dialog;
        return {!dialog, !dialog, true};
    }
    return {flags.testFlag(Qt::WindowMinimizeButtonHint), flags.testFlag(Qt::WindowMaximizeButtonHint),
            flags.testFlag(Qt::WindowCloseButtonHint)};
}

TOwnWindowFrame::TOwnWindowFrame(QWidget &window) : QWidget(&window), m_window(window)
{
    setMouseTracking(true);
    setFont(Arial(TFontSize::Pt8, TFontStyle::Bold));
    const CaptionButtons buttons = CaptionButtonsOf(window.windowFlags());
    if (buttons.Minimise)
        m_minimise = AddButton(QStringLiteral("Minimise"), [this] { m_window.showMinimized(); });
    if (buttons.Maximise)
        m_maximise = AddButton(QStringLiteral("Maximise"), [this] { ToggleMaximised(); });
    if (buttons.Close)
        m_close = AddButton(QStringLiteral("Close"), [this] { m_window.close(); });
    window.installEventFilter(this);
    lower();
    FollowWindow();
}

QToolButton *TOwnWindowFrame::AddButton(const QString &name, const std::function<void()> &click)
{
    auto *button = new QToolButton(this);
    button->setFixedSize(ButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    connect(button, &QToolButton::clicked, this, click);
    return button;
}

bool TOwnWindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::WindowTitleChange:
            FollowWindow();
            break;
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TOwnWindowFrame::FollowWindow()
{
    setGeometry(m_window.rect());
    setMask(QRegion(rect()) - QRegion(rect().marginsRemoved(Margins)));
    setAccessibleName(m_window.windowTitle());
    const QStyle *look = style();
    const QRect bar = CaptionBar();
    // From the right: close, two pixels apart from maximise, which minimise adjoins.
    int right = bar.right() - 1;
    const auto place = [&](QToolButton *button, QStyle::StandardPixmap glyph, int gap) {
        if (button == nullptr)
            return;
        button->setIcon(look->standardIcon(glyph, nullptr, button));
        button->move(right + 1 - ButtonSize.width(), bar.top() + (bar.height() - ButtonSize.height()) / 2);
        right -= ButtonSize.width() + gap;
    };
    place(m_close, QStyle::SP_TitleBarCloseButton, 2);
    place(m_maximise, m_window.isMaximized() ? QStyle::SP_TitleBarNormalButton : QStyle::SP_TitleBarMaxButton,
          0);
    place(m_minimise, QStyle::SP_TitleBarMinButton, 0);
    update();
}

void TOwnWindowFrame::ToggleMaximised()
{
    if (m_window.isMaximized())
        m_window.showNormal();
    else
        m_window.showMaximized();
}

QRect TOwnWindowFrame::CaptionBar() const
{
    return {BorderWidth, BorderWidth, width() - 2 * BorderWidth, CaptionHeight};
}

Qt::Edges TOwnWindowFrame::EdgesAt(QPoint point) const
{
    Qt::Edges edges;
    if (m_window.minimumSize() == m_window.maximumSize())
        return edges;
    edges.setFlag(Qt::LeftEdge, point.x() < BorderWidth);
    edges.setFlag(Qt::RightEdge, point.x() >= width() - BorderWidth);
    edges.setFlag(Qt::TopEdge, point.y() < BorderWidth);
    edges.setFlag(Qt::BottomEdge, point.y() >= height() - BorderWidth);
    return edges;
}

void TOwnWindowFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect inside = DrawBevel(painter, rect(), Classic::Light3D, Classic::DarkShadow3D);
    inside = DrawBevel(painter, inside, Classic::Highlight, Classic::Shadow);
    painter.fillRect(inside, Classic::Face); // the mask leaves the border and the caption bar of it
    const bool active = m_window.isActiveWindow();
    const QRect bar = CaptionBar();
    painter.fillRect(bar, active ? clNavy : clGray);
    painter.setPen(active ? clWhite : clSilver);
    const QRect text = bar.adjusted(3, 0, -(3 * ButtonSize.width() + 6), 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(m_window.windowTitle(), Qt::ElideRight, text.width()));
}

void TOwnWindowFrame::mousePressEvent(QMouseEvent *event)
{
    QWindow *handle = m_window.windowHandle();
    if (event->button() != Qt::LeftButton || handle == nullptr)
        return;
    const QPoint point = event->position().toPoint();
    if (const Qt::Edges edges = EdgesAt(point))
        handle->startSystemResize(edges);
    else if (CaptionBar().contains(point))
        handle->startSystemMove();
}

void TOwnWindowFrame::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(CursorFor(EdgesAt(event->position().toPoint())));
}

void TOwnWindowFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_maximise != nullptr && CaptionBar().contains(event->position().toPoint()))
        ToggleMaximised();
}

void UseOwnWindowFramesWhereNeeded()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qApp->installEventFilter(new TOwnFrameGiver(qApp));
}

void TellWindowManagerCaptionButtons()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr)
        qApp->installEventFilter(new TMotifHintsGiver(x11->connection(), qApp));
}
