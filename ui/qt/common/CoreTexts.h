#pragma once
// The hook through which the window shows the core's headings and messages.
// They follow the language flag handed down, as the texts the window builds
// itself do: a catalogue found under another spelling of "Chinese"
// translates the menus but leaves these in English.

#include "model/Text.h"
#include "model/qt/Translate.h"

namespace radio {

inline const Translate& coreTexts(Language language) {
    return language == Language::Chinese ? qtTranslate() : untranslated();
}

} // namespace radio
