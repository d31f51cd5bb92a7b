#pragma once
// Rules of the Scan Information dialog: lists, enabled states, the look-back
// time grid, the counters and the bytes stored on OK. The dialog only shows
// and collects.

#include "model/Image.h"
#include "model/Text.h"

#include <optional>
#include <string>
#include <vector>

namespace radio::scan {

enum Priority { PriorityNone = 0, PriorityFixed = 1, PrioritySelected = 2 };

// Control IDs of the dialog's template.
enum ControlId {
    IDC_PRIORITY = 1001,
    IDC_REVERT = 1002,
    IDC_PRIORITY_CHANNEL = 1003,
    IDC_LOOK_BACK_A = 1004,
    IDC_LOOK_BACK_B = 1005,
    IDC_DROPOUT = 1006,
    IDC_DWELL = 1007,
    IDC_SPIN_A = 1008,
    IDC_SPIN_B = 1009,
    IDC_SPIN_DROPOUT = 1010,
    IDC_SPIN_DWELL = 1011,
};

// "None", "Fixed", "Selected": English in both languages.
const std::vector<std::string>& priorityEntries();

// Revert entries for a priority index (-1 or above 2: no selection). Fixed
// offers four, None the two "Selected" ones, any other the two "Priority" ones.
std::vector<std::string> revertEntries(int priorityIndex, Language language);
// What the stored revert value adds to the list index: 2 where the list
// starts at "Priority" (mode Selected, and a mode without selection, which
// offers the same two entries), else 0. So the entry shown is always the
// value stored: a "Priority" shown never stores 0, which means "Selected".
int revertOffset(int priorityIndex);
// The revert value stored when the list has no selection: the fill value a
// new document holds, which opens again without selection.
constexpr unsigned kNoRevert = 0xFF;
// The priority mode stored when the list has no selection (index -1).
constexpr unsigned kNoPriority = 0xFF;
// Priority Channel and the look-back edits with their up-down buttons are
// enabled only in mode Fixed; dropout and dwell are always enabled.
bool fixedControlsEnabled(int priorityIndex);

struct Values {
    int priority = -1;           // Priority list index, -1 for no selection
    std::string priorityChannel; // "%2d" in mode Fixed, else empty
    double lookBackA = 0, lookBackB = 0;
    int revert = -1; // Revert list index, -1 for no selection
    int dropout = 0, dwell = 0;
};

Values decode(const Image& img);

// Look-back times in seconds on the 0.05 s grid from 0.50 to 5.00.
constexpr double kLookBackMin = 0.5;
constexpr double kLookBackMax = 5.0;
// A stored look-back byte n means 0.45 + 0.05 n seconds. The edits keep the
// time on the grid; a step count the image already held (even 0 or past 91)
// reads back and is stored unchanged, and nothing spills beyond the byte.
double lookBackSeconds(unsigned steps);
unsigned lookBackByte(double seconds);
// Puts a time on the grid at or below it (decimal product, so 1.2 stays 1.2).
double snap(double seconds);
double lookBackUp(double seconds);    // wraps from the top to 0.50
double lookBackDown(double seconds);  // wraps from the bottom to 5.00
double lookBackLeave(double seconds); // clamps, then snaps
// Shown with up to 15 significant digits: 0.9 rather than 0.90000000000000002.
std::string formatSeconds(double seconds);

// Dropout delay and Tx dwell time, 0..300.
constexpr int kCounterMax = 300;
int counterUp(int value);    // above 300 wraps to 0
int counterDown(int value);  // below 0 wraps to 300
int counterLeave(int value); // clamps

// Text to number as a data-exchange would: the whole text must be a number
// (blanks around it allowed). Empty or anything else gives no value.
std::optional<double> parseSeconds(const std::string& text);
std::optional<int> parseCounter(const std::string& text);

enum class OkResult { Stored, ChannelNotProgrammed };
// "Please select channel inputed", through the catalogues.
std::string channelMessage(const Translate& translate);

// OK. In mode Fixed the priority channel must be 1..16 and programmed (byte 3
// of its record neither 0x00 nor 0xFF); otherwise nothing is stored. The
// times and counters are stored as given (the edits clamp them on leaving),
// so values the image held are written back unchanged. A Priority list
// without selection stores kNoPriority, a Revert list without one kNoRevert.
OkResult encode(Image& img, const Values& values);

} // namespace radio::scan
