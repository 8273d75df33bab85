#pragma once
// What the number fields let through when the user types. Text that arrives another way is not filtered.

#include <QChar>
#include <QString>

namespace zelta::ui {

inline constexpr char16_t kBackspace = 8;

// Resistance fields: digits and backspace only, so a resistance is typed as a whole number of ohms per km.
bool ResistanceKeyAccepted(QChar key);

// Length field: digits, backspace, and the decimal separator while the field's text holds none (even when the
// keystroke would replace a selected separator).
bool LengthKeyAccepted(QChar key, const QString& fieldText, QChar decimalSeparator);

}  // namespace zelta::ui
