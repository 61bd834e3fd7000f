// The one function through which the program shows its own messages.
#pragma once

#include <QString>

class QWidget;

namespace tarvelo::controls {

// Shows the application's message box with the program's title as caption and returns the button
// pressed (IDOK, IDYES, IDNO, or IDCANCEL when an OK box is dismissed). Goes through the user-questions
// service, so tests answer it from a script. owner may be null: the active window then owns it.
int AppMessageBox(QWidget* owner, const QString& text, unsigned style);

} // namespace tarvelo::controls
