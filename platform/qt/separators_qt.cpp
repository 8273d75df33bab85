#include "platform/qt/separators_qt.h"

#include <utility>

#include "platform/qt/text_qt.h"

namespace zelta::qt {

namespace {

std::function<NumberSeparators()>& Reader() {
    static std::function<NumberSeparators()> reader;
    return reader;
}

// The first character, a surrogate pair kept whole.
QString FirstCharacter(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    const int length =
        (text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate()) ? 2 : 1;
    return text.left(length);
}

}  // namespace

NumberSeparators SeparatorsOf(const QLocale& locale) {
    NumberSeparators separators;
    const QString decimal = FirstCharacter(locale.decimalPoint());
    separators.decimal = decimal.isEmpty() ? "." : ToStdString(decimal);
    separators.thousands = ToStdString(FirstCharacter(locale.groupSeparator()));
    return separators;
}

NumberSeparators ReadSystemSeparators() {
    if (Reader()) {
        return Reader()();
    }
    return SeparatorsOf(QLocale::system());
}

void SetSystemSeparatorReader(std::function<NumberSeparators()> reader) {
    Reader() = std::move(reader);
}

}  // namespace zelta::qt
