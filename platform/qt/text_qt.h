#pragma once
// The program's texts are UTF-8 std::string below the window and QString in it.

#include <QString>
#include <string>
#include <string_view>

namespace zelta::qt {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace zelta::qt
