#pragma once
// The one table of texts that are values of the radio's memory as the user
// sees them (list entries of the grid and dialogs, the tone "None", On/Off),
// in English and Chinese. Everything else the program says is a message of
// the tool and goes through the catalogues (model/Text.h).

#include "model/Text.h"

#include <string>

namespace radio::data {

enum Word {
    None,
    On,
    Off,
    High,
    Low,
    Yes,
    No,
    Carrier,
    Wide,
    Narrow,
    VoiceChinese, // the voice annunciation's languages
    VoiceEnglish,
    Call, // call key functions
    EmergencyAlert,
    Selected, // scan revert channels
    SelectedTalkBack,
    Priority,
    PriorityTalkBack,
    kWordCount
};

const std::string& text(Word word, Language language);
// True when `shown` is the word in either language.
bool is(const std::string& shown, Word word);

// The language of the data texts for a user language flag.
inline Language languageOf(bool chineseUi) {
    return chineseUi ? Language::Chinese : Language::English;
}

} // namespace radio::data
