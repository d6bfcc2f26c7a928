#pragma once

// The maker's details, resources of the program, as the About box, the main window's top bar and the printed
// chart show them. Plain texts, so that a report can print them without the widgets that show them on screen.
inline constexpr char MakerName[] = "Halvorn Software";
inline constexpr char MakerPostalAddress[] = "14 Linden Row, Halvorn Bay, OR 97000";
inline constexpr char MakerWebAddress[] = "www.halvornsoftware.example";
inline constexpr char MakerRightsNotice[] = "\u00a9 1997-2026 Halvorn Software. All rights reserved.";
