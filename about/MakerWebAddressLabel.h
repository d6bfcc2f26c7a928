#pragma once

#include "controls/UrlLabel.h"

#include <QPoint>

// The maker's web address as a working link at `position` in `parent`: caption and address both
// MakerWebAddress, Arial 11 px underlined blue, sized to its text. The parent owns it.
TUrlLabel *NewMakerWebAddressLabel(QWidget *parent, QPoint position);
