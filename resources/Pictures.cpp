#include "resources/Pictures.h"

#include <QtGlobal>

// In a static library nothing refers to the compiled-in resource's registration, so the linker would
// drop it; every path goes through here to pull it in and register it once.
static QString Registered(const char *path)
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);
    return QString::fromLatin1(path);
}

QString LogoPicture()
{
    return Registered(":/pictures/logo.xpm");
}

QString ExitGlyph()
{
    return Registered(":/pictures/exit_glyph.xpm");
}

QString HelpGlyph()
{
    return Registered(":/pictures/help_glyph.xpm");
}

QString PrintGlyph()
{
    return Registered(":/pictures/print_glyph.xpm");
}

QString VerticalNamePicture()
{
    return Registered(":/pictures/vertical_name.xpm");
}

QString ZoomOutGlyph()
{
    return Registered(":/pictures/zoom_out_glyph.xpm");
}

QString PageWidthGlyph()
{
    return Registered(":/pictures/page_width_glyph.xpm");
}

QString ZoomInGlyph()
{
    return Registered(":/pictures/zoom_in_glyph.xpm");
}
