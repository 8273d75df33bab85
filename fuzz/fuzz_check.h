#pragma once
// What the fuzz targets share: a failed property ends the run with a message and an abort, which libFuzzer
// reports as a crash and keeps the input that caused it.

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace zelta::fuzz {

[[noreturn]] inline void Fail(std::string_view property, const std::string& detail) {
    std::fprintf(stderr, "\nproperty violated: %.*s\n%s\n", static_cast<int>(property.size()),
                 property.data(), detail.c_str());
    std::abort();
}

// describe() builds the detail only when the property fails.
template <class Describe>
void Check(bool holds, std::string_view property, Describe&& describe) {
    if (!holds) {
        Fail(property, describe());
    }
}

// The ten bytes of an x87 extended value; the rest of a long double is padding.
inline bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

inline std::string Describe(long double value) {
    std::array<char, 64> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::hex).ptr;
    return std::string(buffer.data(), end);
}

// A text with its bytes spelled out, so that blanks, control characters and broken UTF-8 can be told apart.
inline std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            quoted.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        }
    }
    return quoted + "\"";
}

}  // namespace zelta::fuzz
