#pragma once
// The decimal and thousands separators of the user's regional settings.

#include <QLocale>
#include <functional>

#include "platform/number_text.h"

namespace zelta::qt {

// The first character of each of the locale's separators; a full stop when the decimal separator cannot be
// read, no thousands character when that setting is empty.
NumberSeparators SeparatorsOf(const QLocale& locale);

// The separators the system's regional settings give now (QLocale::system()), or what a test put in their
// place.
NumberSeparators ReadSystemSeparators();

// Replaces the system as the source of the separators (tests); an empty function restores it.
void SetSystemSeparatorReader(std::function<NumberSeparators()> reader);

}  // namespace zelta::qt
