#include "model/RadioSettings.h"

#include "model/DataTexts.h"
#include "model/OptionalFeatures.h"
#include "model/ScanInfo.h"

#include <algorithm>
#include <cstdio>

namespace radio::settings {

namespace {

std::string onOff(bool on, Language language) {
    return data::text(on ? data::On : data::Off, language);
}

std::string format(const char* pattern, int value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A whole number from min to max, blanks around it allowed.
std::optional<unsigned> wholeNumber(const std::string& text, unsigned min, unsigned max) {
    const std::optional<int> n = scan::parseCounter(text);
    if (!n || *n < int(min) || *n > int(max))
        return std::nullopt;
    return unsigned(*n);
}

// ---- lists: entry i stores stored[i]

using Entries = std::vector<std::string> (*)(Language);

class ListCodec : public Codec {
public:
    // `fallback`: the entry shown for bits that are none of the stored
    // values (-1: no selection); `none`: what no selection stores (-1: nothing).
    ListCodec(Kind kind, Entries list, std::vector<unsigned> stored, int fallback = -1,
              int none = -1)
        : m_kind(kind), m_entries(list), m_stored(std::move(stored)), m_fallback(fallback),
          m_none(none) {}

    Kind kind(const mm::Field&) const override { return m_kind; }
    std::vector<std::string> entries(const mm::Field&, const Image&,
                                     Language language) const override {
        return m_entries(language);
    }
    int index(const mm::Field& f, const Image& img) const override {
        const auto it = std::find(m_stored.begin(), m_stored.end(), unsigned(mm::get(img, f)));
        return it == m_stored.end() ? m_fallback : int(it - m_stored.begin());
    }
    void storeIndex(const mm::Field& f, Image& img, int i) const override {
        if (i >= 0 && i < int(m_stored.size()))
            mm::set(img, f, m_stored[std::size_t(i)]);
        else if (m_none >= 0)
            mm::set(img, f, unsigned(m_none));
    }

private:
    Kind m_kind;
    Entries m_entries;
    std::vector<unsigned> m_stored;
    int m_fallback;
    int m_none;
};

std::vector<unsigned> counting(unsigned first, unsigned count) {
    std::vector<unsigned> v;
    for (unsigned i = 0; i < count; ++i)
        v.push_back(first + i);
    return v;
}

std::vector<std::string> offThenNumbers(Language language, int last) {
    std::vector<std::string> v{data::text(data::Off, language)};
    for (int n = 1; n <= last; ++n)
        v.push_back(std::to_string(n));
    return v;
}

constexpr int kTimeOutSteps = 40; // 15 s to 600 s
constexpr int kPreAlertMax = 10;
constexpr int kSquelchMax = 9;
constexpr int kLevelMax = 16; // Vox Gain and Call Tone

std::vector<std::string> timeOutEntries(Language) {
    std::vector<std::string> v;
    for (int n = 1; n <= kTimeOutSteps; ++n)
        v.push_back(std::to_string(n * 15) + "s");
    return v;
}
std::vector<std::string> preAlertEntries(Language language) {
    return offThenNumbers(language, kPreAlertMax);
}
std::vector<std::string> levelEntries(Language language) {
    return offThenNumbers(language, kLevelMax);
}
std::vector<std::string> squelchEntries(Language) {
    std::vector<std::string> v;
    for (int n = 0; n <= kSquelchMax; ++n)
        v.push_back(std::to_string(n));
    return v;
}
std::vector<std::string> voxDelayEntries(Language) {
    return {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"};
}
std::vector<std::string> voiceEntries(Language language) {
    return {data::text(data::Off, language), data::text(data::VoiceChinese, language),
            data::text(data::VoiceEnglish, language)};
}
std::vector<std::string> callKeyEntries(Language language) {
    return {data::text(data::Off, language), data::text(data::Call, language),
            data::text(data::EmergencyAlert, language)};
}
std::vector<std::string> switchEntries(Language language) {
    return {onOff(false, language), onOff(true, language)};
}
std::vector<std::string> priorityEntries(Language) {
    return scan::priorityEntries();
}

// An empty Time-Out Timer or Pre-Alert list stores 0 (no entry plus one).
const ListCodec timeOutList(Kind::List, timeOutEntries, counting(1, kTimeOutSteps), -1, 0);
const ListCodec preAlertList(Kind::List, preAlertEntries, counting(1, kPreAlertMax + 1), -1, 0);
const ListCodec squelchList(Kind::List, squelchEntries, counting(0, kSquelchMax + 1));
const ListCodec levelList(Kind::List, levelEntries, counting(0, kLevelMax + 1));
const ListCodec voxDelayList(Kind::List, voxDelayEntries, counting(0, 6));
// An unknown language shows "Off"; no selection stores 0.
const ListCodec voiceList(Kind::List, voiceEntries, counting(0, 3), 0, 0);
// The radio stores Call = 0, Emergency Alert = 1, Off = 2; the list shows Off
// first, and anything else too.
const ListCodec callKeyList(Kind::List, callKeyEntries, {2, 0, 1}, 0, 2);
const ListCodec onOffSwitch(Kind::Switch, switchEntries, {0, 1});
const ListCodec priorityMode(Kind::List, priorityEntries, counting(0, 3), -1,
                             int(scan::kNoPriority));

// ---- scan settings that depend on the priority mode

int priorityIndex(const Image& img) {
    const unsigned mode = mm::get(img, mm::ScanPriorityMode);
    return mode <= scan::PrioritySelected ? int(mode) : -1;
}

class RevertCodec : public Codec {
public:
    Kind kind(const mm::Field&) const override { return Kind::List; }
    std::vector<std::string> entries(const mm::Field&, const Image& img,
                                     Language language) const override {
        return scan::revertEntries(priorityIndex(img), language);
    }
    int index(const mm::Field& f, const Image& img) const override {
        const int mode = priorityIndex(img);
        const int i = int(mm::get(img, f)) - scan::revertOffset(mode);
        const int size = int(scan::revertEntries(mode, Language::English).size());
        return i >= 0 && i < size ? i : -1;
    }
    void storeIndex(const mm::Field& f, Image& img, int i) const override {
        const int mode = priorityIndex(img);
        const int size = int(scan::revertEntries(mode, Language::English).size());
        mm::set(img, f,
                i >= 0 && i < size ? unsigned(i + scan::revertOffset(mode)) : scan::kNoRevert);
    }
};
const RevertCodec revert;

// Shown in mode Fixed only; the dialog's OK takes 1..16.
class PriorityChannelCodec : public Codec {
public:
    Kind kind(const mm::Field&) const override { return Kind::Number; }
    std::optional<std::string> value(const mm::Field& f, const Image& img,
                                     Language) const override {
        if (priorityIndex(img) != scan::PriorityFixed)
            return std::string();
        return format("%2d", mm::get(img, f));
    }
    bool store(const mm::Field& f, Image& img, const std::string& text) const override {
        if (text.empty() && priorityIndex(img) != scan::PriorityFixed)
            return true; // nothing shown, nothing to store
        const auto n = wholeNumber(text, 1, mm::kChannelCount);
        if (n)
            mm::set(img, f, *n);
        return bool(n);
    }
};
const PriorityChannelCodec priorityChannel;

// Look-back times: what the edits leave is a time on the 0.05 s grid from
// 0.50 to 5.00.
class LookBackCodec : public Codec {
public:
    Kind kind(const mm::Field&) const override { return Kind::Number; }
    std::optional<std::string> value(const mm::Field& f, const Image& img,
                                     Language) const override {
        return scan::formatSeconds(scan::lookBackSeconds(mm::get(img, f)));
    }
    bool store(const mm::Field& f, Image& img, const std::string& text) const override {
        const std::optional<double> s = scan::parseSeconds(text);
        if (!s || !(*s >= scan::kLookBackMin && *s <= scan::kLookBackMax))
            return false;
        const unsigned steps = scan::lookBackByte(*s);
        if (scan::formatSeconds(scan::lookBackSeconds(steps)) != scan::formatSeconds(*s))
            return false; // off the grid
        mm::set(img, f, steps);
        return true;
    }
};
const LookBackCodec lookBack;

// A stored whole number shown as it is; `max` is what the window stores at most.
class NumberCodec : public Codec {
public:
    explicit NumberCodec(unsigned max) : m_max(max) {}
    Kind kind(const mm::Field&) const override { return Kind::Number; }
    std::optional<std::string> value(const mm::Field& f, const Image& img,
                                     Language) const override {
        return std::to_string(f.size == 2 ? mm::get16(img, f) : mm::get(img, f));
    }
    bool store(const mm::Field& f, Image& img, const std::string& text) const override {
        const auto n = wholeNumber(text, 0, m_max);
        if (!n)
            return false;
        if (f.size == 2)
            mm::set16(img, f, *n);
        else
            mm::set(img, f, *n);
        return true;
    }

private:
    unsigned m_max;
};
const NumberCodec counter(scan::kCounterMax);
const NumberCodec byteIndex(0xFF);

// ---- the printed report's forms of the option values

std::string offOrNumber(unsigned value, Language language) {
    return value == 0 ? onOff(false, language) : std::to_string(value);
}
std::string printedTimeOut(const Image& img, Language) {
    return format("%ds", int(mm::get(img, mm::PrintedTimeOutTimer)) * 15);
}
std::string printedPreAlert(const Image& img, Language language) {
    // A stored 0 prints as -1: the value is printed, not judged.
    const unsigned preAlert = mm::get(img, mm::TotPreAlert);
    return preAlert == 1 ? onOff(false, language) : format("%d", int(preAlert) - 1);
}
std::string printedSquelch(const Image& img, Language) {
    return format("%d", mm::get(img, mm::SquelchLevel));
}
std::string printedVoxGain(const Image& img, Language language) {
    return offOrNumber(mm::get(img, mm::VoxGain), language);
}
std::string printedVoxDelay(const Image& img, Language) {
    static const char* const voxDelay[8] = {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0", "3.0", "3.0"};
    return voxDelay[mm::get(img, mm::VoxDelay) & 7u];
}
std::string printedCallTone(const Image& img, Language language) {
    return offOrNumber(mm::get(img, mm::CallTone), language);
}
std::string printedVoice(const Image& img, Language language) {
    const unsigned voice = mm::get(img, mm::PrintedVoiceAnnunciation);
    if (voice == 0)
        return onOff(false, language);
    return data::text(voice == 1 ? data::VoiceChinese : data::VoiceEnglish, language);
}

} // namespace

std::vector<std::string> Codec::entries(const mm::Field&, const Image&, Language) const {
    return {};
}

int Codec::index(const mm::Field&, const Image&) const {
    return -1;
}

void Codec::storeIndex(const mm::Field&, Image&, int) const {}

std::optional<std::string> Codec::value(const mm::Field& f, const Image& img,
                                        Language language) const {
    const int i = index(f, img);
    const std::vector<std::string> list = entries(f, img, language);
    if (i < 0 || i >= int(list.size()))
        return std::nullopt;
    return list[std::size_t(i)];
}

bool Codec::store(const mm::Field& f, Image& img, const std::string& text) const {
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::vector<std::string> list = entries(f, img, language);
        const auto it = std::find(list.begin(), list.end(), text);
        if (it != list.end()) {
            storeIndex(f, img, int(it - list.begin()));
            return true;
        }
    }
    return false;
}

const char* groupLabel(Group group) {
    switch (group) {
    case Group::OptionalFeatures:
        return RADIO_TEXT("Diff", "Optional Features");
    case Group::ScanInfo:
        return RADIO_TEXT("Diff", "Scan Info");
    case Group::ProductInformation:
        return RADIO_TEXT("Diff", "Product Information");
    case Group::ParamAdjust:
        break;
    }
    return RADIO_TEXT("Diff", "Param Adjust");
}

const std::vector<Setting>& all() {
    using G = Group;
    using namespace optional;
    static const std::vector<Setting> settings = {
        {"time_out_timer", G::OptionalFeatures, mm::TimeOutTimer,
         RADIO_TEXT("Diff", "Time-Out Timer"), timeOutList, IDC_TIME_OUT_TIMER, 1,
         RADIO_TEXT("Report", "Time Out Timer:"), printedTimeOut},
        {"tot_pre_alert", G::OptionalFeatures, mm::TotPreAlert, RADIO_TEXT("Diff", "TOT Pre-Alert"),
         preAlertList, IDC_TOT_PRE_ALERT, 2, RADIO_TEXT("Report", "TOT Pre-Alert:"),
         printedPreAlert},
        {"call_tone", G::OptionalFeatures, mm::CallTone, RADIO_TEXT("Diff", "Call Tone"), levelList,
         IDC_CALL_TONE, 7, RADIO_TEXT("Report", "Call Tone:"), printedCallTone},
        {"vox_gain_level", G::OptionalFeatures, mm::VoxGain, RADIO_TEXT("Diff", "Vox Gain Level"),
         levelList, IDC_VOX_GAIN, 5, RADIO_TEXT("Report", "Vox Gain Level:"), printedVoxGain},
        {"call_key_define", G::OptionalFeatures, mm::CallKey, RADIO_TEXT("Diff", "Call Key Define"),
         callKeyList, IDC_CALL_KEY, 0, nullptr, nullptr},
        {"voice_annunciation", G::OptionalFeatures, mm::VoiceAnnunciation,
         RADIO_TEXT("Diff", "Voice Annunciation"), voiceList, IDC_VOICE, 9,
         RADIO_TEXT("Report", "Voice Annunciation:"), printedVoice},
        {"squelch_level", G::OptionalFeatures, mm::SquelchLevel,
         RADIO_TEXT("Diff", "Squelch Level"), squelchList, IDC_SQUELCH, 3,
         RADIO_TEXT("Report", "Sequelch Level:"), printedSquelch},
        {"vox_delay_time", G::OptionalFeatures, mm::VoxDelay, RADIO_TEXT("Diff", "Vox Delay Time"),
         voxDelayList, IDC_VOX_DELAY, 6, RADIO_TEXT("Report", "Vox Delay Time:"), printedVoxDelay},
        {"beep", G::OptionalFeatures, mm::KeyBeep, RADIO_TEXT("Diff", "Beep"), onOffSwitch,
         IDC_BEEP, 4, RADIO_TEXT("Report", "Beep:"), nullptr},
        {"battery_saver", G::OptionalFeatures, mm::BatterySaver,
         RADIO_TEXT("Diff", "Battery Saver"), onOffSwitch, IDC_BATTERY_SAVER, 8,
         RADIO_TEXT("Report", "Battery Saver:"), nullptr},
        // Factory switches, not in the dialog but printed with its options.
        {"vox_function", G::OptionalFeatures, mm::VoxFunction, RADIO_TEXT("Diff", "VOX Function"),
         onOffSwitch, 0, 10, RADIO_TEXT("Report", "VOX Function:"), nullptr},
        {"scan_function", G::OptionalFeatures, mm::ScanFunction,
         RADIO_TEXT("Diff", "Scan Function"), onOffSwitch, 0, 11,
         RADIO_TEXT("Report", "Scan Function:"), nullptr},

        {"priority", G::ScanInfo, mm::ScanPriorityMode, RADIO_TEXT("Diff", "Priority"),
         priorityMode, scan::IDC_PRIORITY, 0, nullptr, nullptr},
        {"priority_channel", G::ScanInfo, mm::PriorityChannel,
         RADIO_TEXT("Diff", "Priority Channel"), priorityChannel, scan::IDC_PRIORITY_CHANNEL, 0,
         nullptr, nullptr},
        {"look_back_time_a", G::ScanInfo, mm::LookBackA, RADIO_TEXT("Diff", "Look Back Time A"),
         lookBack, scan::IDC_LOOK_BACK_A, 0, nullptr, nullptr},
        {"look_back_time_b", G::ScanInfo, mm::LookBackB, RADIO_TEXT("Diff", "Look Back Time B"),
         lookBack, scan::IDC_LOOK_BACK_B, 0, nullptr, nullptr},
        {"revert_channel", G::ScanInfo, mm::RevertChannel, RADIO_TEXT("Diff", "Revert Channel"),
         revert, scan::IDC_REVERT, 0, nullptr, nullptr},
        {"dropout_delay_time", G::ScanInfo, mm::DropoutDelay,
         RADIO_TEXT("Diff", "Dropout Delay Time"), counter, scan::IDC_DROPOUT, 0, nullptr, nullptr},
        {"tx_dwell_time", G::ScanInfo, mm::TxDwellTime, RADIO_TEXT("Diff", "Tx Dwell Time"),
         counter, scan::IDC_DWELL, 0, nullptr, nullptr},

        // Indexes into the settings file's model and band lists.
        {"model", G::ProductInformation, mm::ModelType, RADIO_TEXT("Diff", "Type"), byteIndex, 0, 0,
         nullptr, nullptr},
        {"band", G::ProductInformation, mm::BandIndex, RADIO_TEXT("Diff", "Frequency"), byteIndex,
         0, 0, nullptr, nullptr},

        {"de_emphasis", G::ParamAdjust, mm::DeEmphasis, RADIO_TEXT("Diff", "De-emphasis"),
         onOffSwitch, 0, 0, nullptr, nullptr},
        {"pre_emphasis", G::ParamAdjust, mm::PreEmphasis, RADIO_TEXT("Diff", "Pre-emphasis"),
         onOffSwitch, 0, 0, nullptr, nullptr},
    };
    return settings;
}

std::vector<const Setting*> ofGroup(Group group) {
    std::vector<const Setting*> out;
    for (const Setting& s : all())
        if (s.group == group)
            out.push_back(&s);
    return out;
}

const Setting* find(std::string_view key) {
    for (const Setting& s : all())
        if (key == s.key)
            return &s;
    return nullptr;
}

std::vector<const Setting*> printed() {
    std::vector<const Setting*> out;
    for (const Setting& s : all())
        if (s.printedRow > 0)
            out.push_back(&s);
    std::sort(out.begin(), out.end(),
              [](const Setting* a, const Setting* b) { return a->printedRow < b->printedRow; });
    return out;
}

std::string printedValue(const Setting& s, const Image& img, Language language) {
    return s.printed ? s.printed(img, language) : s.value(img, language).value_or(std::string());
}

std::string notValid(const Translate& translate) {
    return translate("RadioSettings", "not a valid setting");
}

} // namespace radio::settings
