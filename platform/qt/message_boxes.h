#pragma once
// The two kinds of error box.

#include <QString>

class QMessageBox;

namespace zelta::qt {

// The input error box a handler shows itself: caption "Error", error icon, one "OK" button; modal, centred on
// the screen; the text unchanged, wrapped at half the screen width; Enter and Escape close it like OK.
void ShowInputError(const QString& text);

// The application-wide error display's box: stop icon, one "OK" button, the application's title as caption,
// the text as given. Modal for the whole application.
void ShowErrorBox(const QString& caption, const QString& text);

}  // namespace zelta::qt
