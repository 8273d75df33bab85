#include "ui/key_filters.h"

namespace zelta::ui {

namespace {
bool IsDigitOrBackspace(QChar key) {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(kBackspace);
}
}  // namespace

bool ResistanceKeyAccepted(QChar key) {
    return IsDigitOrBackspace(key);
}

bool LengthKeyAccepted(QChar key, const QString& fieldText, QChar decimalSeparator) {
    if (IsDigitOrBackspace(key)) {
        return true;
    }
    return key == decimalSeparator && !fieldText.contains(decimalSeparator);
}

}  // namespace zelta::ui
