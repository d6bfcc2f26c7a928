#pragma once

#include <QColor>
#include <QFont>
#include <chrono>
#include <functional>

// Where a report's clock comes from; the system clock unless a test sets another.
using TRPClock = std::function<std::chrono::system_clock::time_point()>;

// The base of everything a report form holds: the report components, the bands and their controls.
// Handlers receive the component that raised the event as the sender.
class TRPComponent {
public:
    virtual ~TRPComponent() = default;

protected:
    TRPComponent() = default;
    TRPComponent(const TRPComponent &) = delete;
    TRPComponent &operator=(const TRPComponent &) = delete;
};

// A font as a report control prints it: a family, a size in points, a style and a text colour.
struct TRPFont {
    QFont Font;
    QColor Color;
};

// What holds a band or a control (the form, the band): the font that one with ParentFont takes.
class ParentFontSource {
public:
    virtual const TRPFont &Font() const = 0;

protected:
    ~ParentFontSource() = default;
};
