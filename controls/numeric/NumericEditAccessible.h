#pragma once

// What assistive technology sees of a numeric entry field: an editable text (its text, caret and
// selection, each character's place) that is also a value, the number the text shows (none while the
// text is not a number), within MinValue..MaxValue while that range is on, in steps of the last
// decimal. Setting the value shows it as SetValue does. Every field's constructor installs it.
void InstallNumericEditAccessibility();
