#include "platform/shell_text.h"

namespace zelta {

std::string ApplicationTitle(std::string_view executablePath) {
    std::string_view name = executablePath;
    if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    // Everything from the first full stop on goes, so "zelta7-power.bin.old" is named "zelta7-power".
    if (const std::size_t stop = name.find('.'); stop != std::string_view::npos) {
        name = name.substr(0, stop);
    }
    std::string title(name);
    // The first character stays as it is, however many bytes it takes; only ASCII letters change case after
    // it, so the bytes of any other UTF-8 character stay intact.
    std::size_t first = title.empty() ? 0 : 1;
    while (first < title.size() && (static_cast<unsigned char>(title[first]) & 0xC0) == 0x80) {
        ++first;
    }
    for (std::size_t i = first; i < title.size(); ++i) {
        if (title[i] >= 'A' && title[i] <= 'Z') {
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
        }
    }
    return title;
}

std::string ErrorDisplayText(std::string_view message) {
    std::string text(message);
    // Code 46 is the full stop itself; a message already ending in punctuation, a quote mark or a blank keeps
    // its end. Any byte of a multi-byte UTF-8 character is above 127, so a message ending in a Cyrillic
    // letter gets the full stop like one ending in a Latin letter.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text.push_back('.');
    }
    return text;
}

}  // namespace zelta
