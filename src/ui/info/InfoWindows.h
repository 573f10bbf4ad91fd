// The Help, Calendars and Credits windows as the main window opens them. Each is built on
// its first use.
#pragma once

#include <functional>

class QWidget;

namespace InfoWindows {

// cmdHelp / cmdCalendars: restore a minimised window where it was, else place it beside the
// main window and show it non-modally.
void ShowHelp(QWidget* mainWindow);
void ShowCalendars(QWidget* mainWindow);
// cmdCredits: place the Credits window and show it modally; returns when it is closed.
void ShowCredits(QWidget* mainWindow);
// What cmdClose of any information window does after hiding it (the main window focuses
// its first date window).
void SetOnClose(std::function<void()> onClose);

} // namespace InfoWindows
