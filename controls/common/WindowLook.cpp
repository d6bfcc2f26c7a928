#include "controls/common/WindowLook.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

QPoint CentredIn(const QRect &area, QSize size, bool clampToArea)
{
    int dx = (area.width() - size.width()) / 2;
    int dy = (area.height() - size.height()) / 2;
    if (clampToArea) {
        dx = std::max(dx, 0);
        dy = std::max(dy, 0);
    }
    return {area.left() + dx, area.top() + dy};
}

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    window.move(CentredIn(screen->geometry(), window.frameGeometry().size(), true));
}

QRect BesideWindow(const QRect &owner, QSize size, QSize minimumSize, const QRect &area, int cascade)
{
    constexpr int step = 24;
    constexpr int cascadeLength = 8;
    const int offset = step * (cascade % cascadeLength);
    const QSize full = size.boundedTo(area.size());
    // Moved inside the area; a window no larger than the room beside the owner stays clear of it.
    const auto inArea = [&area](QRect frame) {
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
        return frame;
    };
    const auto beside = [&](bool right, int width) {
        const int left = right ? owner.right() + 1 + offset : owner.left() - width - offset;
        return inArea(QRect(left, owner.top() + offset, width, full.height()));
    };
    const auto endwise = [&](bool below, int height) {
        const int top = below ? owner.bottom() + 1 + offset : owner.top() - height - offset;
        return inArea(QRect(owner.left() + offset, top, full.width(), height));
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
    const QSize frameMargins = owner.frameGeometry().size() - owner.geometry().size();
    const QRect frame =
        BesideWindow(owner.frameGeometry(), window.size() + frameMargins,
                     window.minimumSizeHint() + frameMargins, owner.screen()->availableGeometry(), cascade);
    window.resize(frame.size() - frameMargins);
    window.move(frame.topLeft());
}
