#include "controls/common/ClassicColours.h"

#include <QPalette>

QPalette ClassicPalette(QPalette palette)
{
    palette.setColor(QPalette::Button, Classic::Face);
    palette.setColor(QPalette::Light, Classic::Highlight);
    palette.setColor(QPalette::Midlight, Classic::Light3D);
    palette.setColor(QPalette::Mid, Classic::Shadow);
    palette.setColor(QPalette::Dark, Classic::Shadow);
    palette.setColor(QPalette::Shadow, Classic::DarkShadow3D);
    return palette;
}
