#include "common/WindowLook.h"

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
