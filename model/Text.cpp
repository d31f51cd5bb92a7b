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
    const std::vector<std::string> values(args);
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

} // namespace radio
