#pragma once
// The Optional Features dialog's lists by name, over the settings'
// descriptors (model/RadioSettings.h): list entries, image -> list indexes
// and back.

#include "model/Image.h"
#include "model/MemoryMap.h"
#include "model/RadioSettings.h"
#include "model/Text.h"

#include <string>
#include <vector>

namespace radio::optional {

// Lists in the dialog's fill order.
enum List {
    TimeOutTimer,
    TotPreAlert,
    SquelchLevel,
    VoxGainLevel,
    CallTone,
    VoxDelayTime,
    VoiceAnnunciation,
    CallKeyDefine,
    kListCount
};

// Control IDs of the dialog's template (help contexts use them too).
enum ControlId {
    IDC_TIME_OUT_TIMER = 1118,
    IDC_TOT_PRE_ALERT = 1130,
    IDC_CALL_TONE = 1119,
    IDC_VOX_GAIN = 1121,
    IDC_CALL_KEY = 1009,
    IDC_VOICE = 1117,
    IDC_SQUELCH = 1116,
    IDC_VOX_DELAY = 1123,
    IDC_BEEP = 1016,
    IDC_BATTERY_SAVER = 1005,
};

// Each list with its label (English, context "Diff", as the comparison and
// the configuration check name it) and the field it stores, in the
// dialog's layout order.
struct ListField {
    List list;
    const char* label;
    const mm::Field& field;
};
const std::vector<ListField>& listFields();

// The descriptor of a list.
const settings::Setting& setting(List list);

// Entries of a list, in order, in one language.
const std::vector<std::string>& entries(List list, Language language);

// What the dialog shows: a list index per list (-1 for no selection) and the
// two check boxes.
struct Choices {
    int index[kListCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
    bool beep = false;
    bool batterySaver = false;
};

// Opening: a stored value outside its list leaves that list without selection,
// except Voice Annunciation (shows "Off") and Call Key Define (anything but
// Call/Emergency Alert shows "Off").
Choices decode(const Image& img);

// OK: writes every owned field and keeps the bits no control owns. A list
// without selection writes nothing into its bits, except Time-Out Timer and
// TOT Pre-Alert (0), Voice Annunciation (0) and Call Key Define (2, "Off").
void encode(Image& img, const Choices& choices);

} // namespace radio::optional
