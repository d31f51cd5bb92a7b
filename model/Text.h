#pragma once
// How the core's messages and headings reach the user's language: the core
// writes them in English and hands them to a Translate hook, as
// translate("Context", "English text") or, in tables of texts translated
// later, RADIO_TEXT("Context", "English text"); the Qt side looks them up in the language
// catalogues (res/i18n). Texts that are values of the radio's own memory
// (list entries, "None", On/Off) are no messages: see model/DataTexts.h.

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Marks an English source text of the catalogues under `context`; the text
// itself is what the macro gives.
#define RADIO_TEXT(context, english) english

namespace radio {

// Which of the radio's data texts a table or report shows.
enum class Language { English, Chinese };

// (context, English source text) -> the text in the user's language, UTF-8.
using Translate = std::function<std::string(const char* context, const char* english)>;

// The hook that leaves every text in English.
const Translate& untranslated();

// `pattern` with %1..%9 replaced by args[0..8]; other '%' signs stay.
std::string textArg(const std::string& pattern, std::initializer_list<std::string> args);
std::string textArg(const std::string& pattern, const std::vector<std::string>& args);

// Lines for a message a person reads: the first `shown` of `lines`, one per
// line, then "... and N more" when there are more. A file with thousands of
// bad rows must not become a message nobody can read or close.
constexpr std::size_t kListedLines = 20;
std::string firstLines(const std::vector<std::string>& lines, const Translate& translate,
                       std::size_t shown = kListedLines);

} // namespace radio
