#pragma once
// What the window's tests share: the application object, separators a test chooses, and reading and
// dismissing the modal boxes a click opens.

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/number_text.h"

namespace zelta::test {

// How a test closes a box it has read.
enum class Dismiss { ClickOk, Enter, Escape };

struct SeenBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool closed = false;       // the dismissal closed it (not the fallback)
    QRect frame;               // the box on the screen, frame included
    QRect okButton;            // in screen coordinates
    QRect screen;              // the screen's available area
    qint64 msUntilShown = -1;  // from the start of the action
};

// Runs action; reads the first modal message box it opens and closes it the given way. A box that does not
// close that way is closed by force after a while, so a failing test never hangs; `closed` then stays false.
SeenBox RunAndReadBox(const std::function<void()>& action, Dismiss how = Dismiss::ClickOk);

// Makes the regional settings give these separators and announces the change, as the system would.
void UseSeparators(const NumberSeparators& separators);

inline const NumberSeparators kCommaBlank{",", " "};
inline const NumberSeparators kFullStopComma{".", ","};

}  // namespace zelta::test
