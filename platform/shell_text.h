#pragma once
// Texts of the application shell, derived without any toolkit.

#include <string>
#include <string_view>

namespace zelta {

// The application's title from the executable's path: the file name without its folder and without
// everything from its first full stop on, every character after the first in lower case.
std::string ApplicationTitle(std::string_view executablePath);

// The text the application-wide error display shows for a message: the message with "." appended when it is
// not empty and the code of its last character is greater than that of ".".
std::string ErrorDisplayText(std::string_view message);

}  // namespace zelta
