#include "model/OptionalFeatures.h"

#include "model/DataTexts.h"
#include "model/MemoryMap.h"

#include <array>

namespace radio::optional {

namespace {

constexpr int kTimeOutSteps = 40; // 15 s to 600 s
constexpr int kPreAlertMax = 10;
constexpr int kSquelchMax = 9;
constexpr int kLevelMax = 16; // Vox Gain and Call Tone

// The radio stores Call = 0, Emergency Alert = 1, Off = 2; the list shows Off first.
constexpr unsigned kCallKeyCall = 0;
constexpr unsigned kCallKeyEmergency = 1;
constexpr unsigned kCallKeyOff = 2;

std::vector<std::string> offThenNumbers(const std::string& off, int last) {
    std::vector<std::string> v{off};
    for (int n = 1; n <= last; ++n)
        v.push_back(std::to_string(n));
    return v;
}

std::array<std::vector<std::string>, kListCount> buildLists(Language language) {
    const auto word = [language](data::Word w) { return data::text(w, language); };
    const std::string& off = word(data::Off);
    std::array<std::vector<std::string>, kListCount> lists;
    for (int n = 1; n <= kTimeOutSteps; ++n)
        lists[TimeOutTimer].push_back(std::to_string(n * 15) + "s");
    lists[TotPreAlert] = offThenNumbers(off, kPreAlertMax);
    for (int n = 0; n <= kSquelchMax; ++n)
        lists[SquelchLevel].push_back(std::to_string(n));
    lists[VoxGainLevel] = offThenNumbers(off, kLevelMax);
    lists[CallTone] = offThenNumbers(off, kLevelMax);
    lists[VoxDelayTime] = {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"};
    lists[VoiceAnnunciation] = {off, word(data::VoiceChinese), word(data::VoiceEnglish)};
    lists[CallKeyDefine] = {off, word(data::Call), word(data::EmergencyAlert)};
    return lists;
}

int inList(int index, List list) {
    const int size = static_cast<int>(entries(list, Language::English).size());
    return index >= 0 && index < size ? index : -1;
}

bool selected(const Choices& c, List list) {
    return inList(c.index[list], list) >= 0;
}

} // namespace

const std::vector<std::string>& entries(List list, Language language) {
    static const auto english = buildLists(Language::English);
    static const auto chinese = buildLists(Language::Chinese);
    return (language == Language::Chinese ? chinese : english)[list];
}

const std::vector<ListField>& listFields() {
    static const std::vector<ListField> fields = {
        {TimeOutTimer, RADIO_TEXT("Diff", "Time-Out Timer"), mm::TimeOutTimer},
        {TotPreAlert, RADIO_TEXT("Diff", "TOT Pre-Alert"), mm::TotPreAlert},
        {CallTone, RADIO_TEXT("Diff", "Call Tone"), mm::CallTone},
        {VoxGainLevel, RADIO_TEXT("Diff", "Vox Gain Level"), mm::VoxGain},
        {CallKeyDefine, RADIO_TEXT("Diff", "Call Key Define"), mm::CallKey},
        {VoiceAnnunciation, RADIO_TEXT("Diff", "Voice Annunciation"), mm::VoiceAnnunciation},
        {SquelchLevel, RADIO_TEXT("Diff", "Squelch Level"), mm::SquelchLevel},
        {VoxDelayTime, RADIO_TEXT("Diff", "Vox Delay Time"), mm::VoxDelay},
    };
    return fields;
}

Choices decode(const Image& img) {
    Choices c;
    c.index[TimeOutTimer] = inList(int(mm::get(img, mm::TimeOutTimer)) - 1, TimeOutTimer);
    c.index[TotPreAlert] = inList(int(mm::get(img, mm::TotPreAlert)) - 1, TotPreAlert);
    c.index[SquelchLevel] = inList(mm::get(img, mm::SquelchLevel), SquelchLevel);
    c.index[VoxGainLevel] = inList(mm::get(img, mm::VoxGain), VoxGainLevel);
    c.index[VoxDelayTime] = inList(mm::get(img, mm::VoxDelay), VoxDelayTime);
    c.index[CallTone] = inList(mm::get(img, mm::CallTone), CallTone);
    const int voice = inList(mm::get(img, mm::VoiceAnnunciation), VoiceAnnunciation);
    c.index[VoiceAnnunciation] = voice < 0 ? 0 : voice;
    const unsigned callKey = mm::get(img, mm::CallKey);
    c.index[CallKeyDefine] = callKey == kCallKeyCall ? 1 : callKey == kCallKeyEmergency ? 2 : 0;
    c.beep = mm::get(img, mm::KeyBeep) != 0;
    c.batterySaver = mm::get(img, mm::BatterySaver) != 0;
    return c;
}

void encode(Image& img, const Choices& c) {
    // An empty Time-Out Timer or Pre-Alert list stores 0 (index -1 plus one).
    mm::set(img, mm::TimeOutTimer,
            selected(c, TimeOutTimer) ? unsigned(c.index[TimeOutTimer] + 1) : 0u);
    mm::set(img, mm::TotPreAlert,
            selected(c, TotPreAlert) ? unsigned(c.index[TotPreAlert] + 1) : 0u);
    // The other numbered lists keep the stored value when nothing is chosen.
    if (selected(c, SquelchLevel))
        mm::set(img, mm::SquelchLevel, unsigned(c.index[SquelchLevel]));
    if (selected(c, VoxGainLevel))
        mm::set(img, mm::VoxGain, unsigned(c.index[VoxGainLevel]));
    if (selected(c, VoxDelayTime))
        mm::set(img, mm::VoxDelay, unsigned(c.index[VoxDelayTime]));
    if (selected(c, CallTone))
        mm::set(img, mm::CallTone, unsigned(c.index[CallTone]));
    mm::set(img, mm::KeyBeep, c.beep ? 1u : 0u);
    mm::set(img, mm::BatterySaver, c.batterySaver ? 1u : 0u);
    mm::set(img, mm::VoiceAnnunciation,
            selected(c, VoiceAnnunciation) ? unsigned(c.index[VoiceAnnunciation]) : 0u);
    const int callKey = c.index[CallKeyDefine];
    mm::set(img, mm::CallKey,
            callKey == 1   ? kCallKeyCall
            : callKey == 2 ? kCallKeyEmergency
                           : kCallKeyOff);
}

} // namespace radio::optional
