#pragma once

#include <QString>

class QWidget;

namespace torvane::dialogs {

// Shows the program's message box over `owner` (disabled meanwhile) and returns the code that closed it:
// kIdOk 1, kIdCancel 2, kIdYes 6, kIdNo 7 from its buttons, 1 for Escape, 2 for the title's close button, 0 for
// the system's close command (and when the box could not be built). A null title or text leaves the layout's.
int ShowMessageBox(const QString& title, QWidget* owner, const QString& text, int style);

// The same with the taller prompt box: title "Notification", `content_title` above the left-aligned `text`, an
// "Ok" button.
int ShowPromptBox(const QString& content_title, QWidget* owner, const QString& text);

}  // namespace torvane::dialogs
