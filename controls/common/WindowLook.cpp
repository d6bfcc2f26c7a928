#include "controls/common/WindowLook.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

void SetPaletteColour(QWidget &widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

void SetBackground(QWidget &widget, const QColor &colour)
{
    SetPaletteColour(widget, QPalette::Window, colour);
    widget.setAutoFillBackground(true);
}

void SetClassBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = QApplication::palette(&widget);
    if (palette.color(QPalette::Window) != colour) {
        palette.setColor(QPalette::Window, colour);
        // Without resolve bits the palette is taken whole: no widget resolves a copy of its own.
        palette.setResolveMask(0);
        QApplication::setPalette(palette, widget.metaObject()->className());
    }
    widget.setAutoFillBackground(true);
}

namespace {
const QScreen *ScreenOf(const QWidget &window)
{
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

// `frame` moved by `shift`; an edge that the move takes past the area is drawn back to it, keeping at
// least `minimumSize`, and what still passes the area is moved back inside.
QRect Shifted(QRect frame, QPoint shift, QSize minimumSize, const QRect &area)
{
    frame.translate(shift);
    if (shift.x() > 0)
        frame.setRight(
            std::max(std::min(frame.right(), area.right()), frame.left() + minimumSize.width() - 1));
    if (shift.x() < 0)
        frame.setLeft(std::min(std::max(frame.left(), area.left()), frame.right() + 1 - minimumSize.width()));
    if (shift.y() > 0)
        frame.setBottom(
            std::max(std::min(frame.bottom(), area.bottom()), frame.top() + minimumSize.height() - 1));
    if (shift.y() < 0)
        frame.setTop(std::min(std::max(frame.top(), area.top()), frame.bottom() + 1 - minimumSize.height()));
    return KeptInside(frame, area);
}
} // namespace

QPoint CentredIn(const QRect &area, QSize size)
{
    return {area.left() + (area.width() - size.width()) / 2,
            area.top() + (area.height() - size.height()) / 2};
}

QRect KeptInside(QRect frame, const QRect &area)
{
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

QRect CentredOnScreen(const QRect &screen, const QRect &available, QSize frameSize)
{
    return KeptInside(QRect(CentredIn(screen, frameSize), frameSize), available);
}

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = ScreenOf(window);
    if (screen == nullptr)
        return;
    SetFrameGeometry(window, CentredOnScreen(screen->geometry(), AvailableArea(window),
                                             window.size() + FrameMargins(window)));
}

QRect ClearOfTitleBar(const QRect &frame, const QRect &titleBar, const QRect &area)
{
    if (!frame.intersects(titleBar))
        return frame;
    const QRect below(area.left(), titleBar.bottom() + 1, area.width(), area.bottom() - titleBar.bottom());
    const QRect above(area.left(), area.top(), area.width(), titleBar.top() - area.top());
    const QRect &room = below.height() >= above.height() ? below : above;
    return KeptInside(frame.translated(0, room == below ? room.top() - frame.top() : 0), room);
}

QRect TitleBar(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.width(), window.geometry().top() - frame.top()};
}

void KeepOnScreen(QWidget &window)
{
    const QRect area = AvailableArea(window);
    if (area.isEmpty())
        return;
    const QRect frame(window.pos(), window.size() + FrameMargins(window));
    QRect kept = KeptInside(frame, area);
    if (const QWidget *owner = window.parentWidget(); owner != nullptr)
        kept = ClearOfTitleBar(kept, TitleBar(*owner->window()), area);
    if (kept != frame)
        SetFrameGeometry(window, kept);
}

QRect BesideWindow(const QRect &owner, QSize size, QSize minimumSize, const QRect &area, int cascade)
{
    constexpr int step = 24;
    constexpr int cascadeLength = 8;
    const int offset = step * (cascade % cascadeLength);
    const QSize full = size.boundedTo(area.size());
    // A window no larger than the room beside the owner stays clear of it; the cascade moves away from
    // the owner and along it.
    const auto beside = [&](bool right, int width) {
        const int left = right ? owner.right() + 1 : owner.left() - width;
        const QRect first = KeptInside(QRect(left, owner.top(), width, full.height()), area);
        return Shifted(first, {right ? offset : -offset, offset}, minimumSize, area);
    };
    const auto endwise = [&](bool below, int height) {
        const int top = below ? owner.bottom() + 1 : owner.top() - height;
        const QRect first = KeptInside(QRect(owner.left(), top, full.width(), height), area);
        return Shifted(first, {offset, below ? offset : -offset}, minimumSize, area);
    };

    const int roomRight = area.right() - owner.right();
    const int roomLeft = owner.left() - area.left();
    const int roomBelow = area.bottom() - owner.bottom();
    const int roomAbove = owner.top() - area.top();
    if (roomRight >= full.width() || roomLeft >= full.width())
        return beside(roomRight >= full.width(), full.width());
    if (std::max(roomRight, roomLeft) >= minimumSize.width())
        return beside(roomRight >= roomLeft, std::max(roomRight, roomLeft));
    if (std::max(roomBelow, roomAbove) >= minimumSize.height())
        return endwise(roomBelow >= roomAbove, std::min(full.height(), std::max(roomBelow, roomAbove)));
    return beside(roomRight >= roomLeft, std::min(minimumSize.width(), full.width()));
}

void PlaceBeside(QWidget &window, const QWidget &owner, int cascade)
{
    const QSize frameMargins = FrameMargins(window);
    const QRect area = AvailableArea(owner);
    const QRect beside = BesideWindow(owner.frameGeometry(), window.size() + frameMargins,
                                      window.minimumSizeHint() + frameMargins, area, cascade);
    SetFrameGeometry(window, ClearOfTitleBar(beside, TitleBar(owner), area));
}

QSize FrameMargins(const QWidget &window)
{
    const QSize own = window.frameGeometry().size() - window.size();
    const QWidget *owner = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    if (!own.isNull() || owner == nullptr)
        return own;
    return owner->frameGeometry().size() - owner->size();
}

void SetFrameGeometry(QWidget &window, const QRect &frame)
{
    window.resize(frame.size() - FrameMargins(window));
    window.move(frame.topLeft());
}

QRect WithinDevicePixels(QRect area, qreal ratio)
{
    if (ratio != std::round(ratio))
        area.adjust(0, 0, -1, -1);
    return area;
}

QRect AvailableArea(const QWidget &window)
{
    const QScreen *screen = ScreenOf(window);
    return screen != nullptr ? WithinDevicePixels(screen->availableGeometry(), screen->devicePixelRatio())
                             : QRect();
}
