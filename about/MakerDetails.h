#pragma once

#include "UrlLabel.h"

#include <QPoint>

// The maker's details as the About box and the main window's top bar show them.
inline constexpr char MakerName[] = "Halvorn Software";
inline constexpr char MakerPostalAddress[] = "14 Linden Row, Halvorn Bay, OR 97000";
inline constexpr char MakerWebAddress[] = "www.halvornsoftware.example";
inline constexpr char MakerRightsNotice[] = "\u00a9 1997-2026 Halvorn Software. All rights reserved.";

// The maker's web address as a working link at `position` in `parent`: caption and address both
// MakerWebAddress, Arial 11 px underlined blue, sized to its text. The parent owns it.
TUrlLabel *NewMakerWebAddressLabel(QWidget *parent, QPoint position);
