#pragma once
// The hook through which the window shows the core's headings and messages.
// They follow the language flag, as the texts the window builds itself do:
// a catalogue found under another spelling of "Chinese" translates the menus
// but leaves these in English.

#include "app/AppState.h"
#include "model/qt/Translate.h"

namespace radio {

inline const Translate& coreTexts() {
    return appState().chinese ? qtTranslate() : untranslated();
}

} // namespace radio
