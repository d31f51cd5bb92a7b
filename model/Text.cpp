#include "model/Text.h"

#include <vector>

namespace radio {

const Translate& untranslated() {
    static const Translate identity = [](const char*, const char* english) {
        return std::string(english);
    };
    return identity;
}

std::string textArg(const std::string& pattern, std::initializer_list<std::string> args) {
    return textArg(pattern, std::vector<std::string>(args));
}

std::string textArg(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = std::size_t(pattern[i + 1] - '1');
            if (n < values.size()) {
                // Substituted text is not scanned again: a value may hold "%1".
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string firstLines(const std::vector<std::string>& lines, const Translate& translate,
                       std::size_t shown) {
    std::string out;
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i)
        out += (i ? "\n" : "") + lines[i];
    if (lines.size() > shown)
        out += "\n" + textArg(translate("Text", "... and %1 more"),
                              {std::to_string(lines.size() - shown)});
    return out;
}

} // namespace radio
