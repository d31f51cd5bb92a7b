#pragma once
// The language catalogues as the pure-core tests read them: the .ts sources
// the program's .qm files are built from, so a core function can be checked
// against the exact Chinese text the program shows without Qt.

#include "model/Text.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace radio::ts {

using Catalogue = std::map<std::pair<std::string, std::string>, std::string>;

inline std::string xmlText(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const auto end = s.find(';', i);
        const std::string entity = s.substr(i + 1, end - i - 1);
        out += entity == "amp"    ? "&"
               : entity == "lt"   ? "<"
               : entity == "gt"   ? ">"
               : entity == "quot" ? "\""
               : entity == "apos" ? "'"
                                  : "?";
        i = end;
    }
    return out;
}

inline std::string between(const std::string& s, const std::string& open, const std::string& close,
                           std::size_t& pos) {
    const auto a = s.find(open, pos);
    if (a == std::string::npos)
        return pos = std::string::npos, std::string();
    const auto b = s.find(close, a);
    pos = b + close.size();
    return xmlText(s.substr(a + open.size(), b - a - open.size()));
}

// Every (context, source) -> translation of res/i18n/<language>.ts.
inline Catalogue readCatalogue(const std::string& language) {
    Catalogue out;
    std::ifstream in(std::filesystem::path(TEST_SOURCE_DIR) / "res/i18n" / (language + ".ts"),
                     std::ios::binary);
    if (!in)
        throw std::runtime_error("no catalogue for " + language);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string ts = buffer.str();
    std::size_t ctx = 0;
    while ((ctx = ts.find("<context>", ctx)) != std::string::npos) {
        const std::size_t ctxEnd = ts.find("</context>", ctx);
        const std::string block = ts.substr(ctx, ctxEnd - ctx);
        std::size_t pos = 0;
        const std::string context = between(block, "<name>", "</name>", pos);
        while (true) {
            const std::string source = between(block, "<source>", "</source>", pos);
            if (pos == std::string::npos)
                break;
            out[{context, source}] = between(block, "<translation>", "</translation>", pos);
        }
        ctx = ctxEnd;
    }
    return out;
}

// A Translate over a catalogue; a text it lacks comes back tagged so a check
// against the expected translation fails.
inline Translate catalogueTranslate(const std::string& language) {
    auto catalogue = std::make_shared<Catalogue>(readCatalogue(language));
    return [catalogue](const char* context, const char* english) {
        const auto it = catalogue->find({context, english});
        return it == catalogue->end() ? "<missing " + std::string(context) + ": " + english + ">"
                                      : it->second;
    };
}

inline const Translate& chineseCatalogue() {
    static const Translate t = catalogueTranslate("Chinese");
    return t;
}

} // namespace radio::ts
