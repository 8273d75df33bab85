#pragma once
// The window's toolkit switches the C library to the user's locale at start-up; tests that show our numbers
// ignore it run inside a locale with a decimal comma.

#include <clocale>
#include <string>

namespace zelta::test {

// Switches the process to a locale with a decimal comma for its lifetime, and back afterwards.
class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* candidate :
             {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "ru_RU.utf8"}) {
            if (std::setlocale(LC_ALL, candidate) != nullptr) {
                name_ = candidate;
                break;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // Empty when no such locale is installed.
    const std::string& Name() const { return name_; }

private:
    std::string previous_;
    std::string name_;
};

}  // namespace zelta::test
