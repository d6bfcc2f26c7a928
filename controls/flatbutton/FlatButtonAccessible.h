#pragma once

// What assistive technology sees of a flat button: a push button (a check button, checked while
// down, when it belongs to a group; a menu button when it has a drop-down menu), named by its
// accessible name, else its caption without accelerator marks, else its hint; disabled while its
// own Enabled is off. Its Press action (ShowMenu for a menu button; Toggle as well for a check
// button) runs what a click runs, once the request has returned, so that a modal window the click
// opens does not hold up the screen reader; its shortcut is the caption's accelerator. Every
// button's constructor installs it.
void InstallFlatButtonAccessibility();
