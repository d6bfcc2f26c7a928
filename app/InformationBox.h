#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

// The program's one kind of message: a modal box titled "Information" with the information icon and
// a single "OK" button, centred on the screen.

// The text as the box shows it: each line break written as line feed then carriage return ("\n\r",
// or the usual "\r\n") becomes one line feed, so that the carriage return does not add a line.
QString InformationDisplayText(const QString &text);

// A new, not yet shown box for `text`; the caller owns it.
std::unique_ptr<QMessageBox> CreateInformationBox(const QString &text);

// Shows the box for `text` and returns when the user has closed it.
void ShowInformationBox(const QString &text);

// Replaces what ShowInformationBox does (tests observe the messages without a modal loop); an empty
// shower restores the real box. Returns the shower that was installed before.
using InformationShower = std::function<void(const QString &text)>;
InformationShower SetInformationShower(InformationShower shower);
