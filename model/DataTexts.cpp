#include "model/DataTexts.h"

#include <array>

namespace radio::data {

namespace {

struct Pair {
    std::string english, chinese;
};

const std::array<Pair, kWordCount>& table() {
    static const std::array<Pair, kWordCount> words = {{
        {"None", "无"},
        {"On", "开"},
        {"Off", "关"},
        {"High", "高"},
        {"Low", "低"},
        {"Yes", "有"},
        {"No", "无"},
        {"Carrier", "载波"},
        {"Wide", "宽"},
        {"Narrow", "窄"},
        {"Chinese", "中文"},
        {"English", "英文"},
        {"Call", "呼叫"},
        {"Emergency Alert", "紧急报警"},
        {"Selected", "选定"},
        {"Selected+Talk back", "选定+当前通话"},
        {"Priority", "优先"},
        {"Priority+Talk back", "优先+当前通话"},
    }};
    return words;
}

} // namespace

const std::string& text(Word word, Language language) {
    const Pair& p = table()[std::size_t(word)];
    return language == Language::Chinese ? p.chinese : p.english;
}

bool is(const std::string& shown, Word word) {
    const Pair& p = table()[std::size_t(word)];
    return shown == p.english || shown == p.chinese;
}

} // namespace radio::data
