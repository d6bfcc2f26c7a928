#pragma once

#include "calc/Real6.h"

// A margin held in inches as a 6-byte real, read and written through two integer views. The
// views round half to even.
class TRPMargin {
public:
    // Tenths of an inch: reads Round(inches x 10); writing v stores v x 0.1 inches.
    int Inches() const;
    void SetInches(int tenths);

    // Millimetres: reads Round(inches x 25.4); writing v stores v / 25.4 inches.
    int MM() const;
    void SetMM(int millimetres);

    // The margin in the layout: Round(inches x 96) design pixels.
    int DesignPixels() const;
    // Unrounded inches, for the layouts that scale the margin before rounding.
    long double InchesValue() const { return m_inches.ToExtended(); }

private:
    Real6 m_inches;
};
