#include "model/ScanInfo.h"

#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace radio::scan {

namespace {

constexpr double kStep = 0.05;
constexpr double kLookBackBase = 0.45; // stored n means 0.45 + 0.05 n seconds
constexpr double kStepsPerSecond = 20;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(const std::string& text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

unsigned counterWord(int value) {
    return value < 0 ? 0u : value > 0xFFFF ? 0xFFFFu : static_cast<unsigned>(value);
}

} // namespace

unsigned lookBackByte(double seconds) {
    if (std::isnan(seconds))
        return 0;
    const double steps = std::trunc(DecimalMultiply(seconds - kLookBackBase, kStepsPerSecond));
    return steps < 0 ? 0u : steps > 255 ? 255u : static_cast<unsigned>(steps);
}

double lookBackSeconds(unsigned steps) {
    return steps * kStep + kLookBackBase;
}

const std::vector<std::string>& priorityEntries() {
    static const std::vector<std::string> entries{"None", "Fixed", "Selected"};
    return entries;
}

int revertOffset(int priorityIndex) {
    return priorityIndex == PriorityNone || priorityIndex == PriorityFixed ? 0 : 2;
}

bool fixedControlsEnabled(int priorityIndex) {
    return priorityIndex == PriorityFixed;
}

std::vector<std::string> revertEntries(int priorityIndex, Language language) {
    const std::vector<std::string> selected = {data::text(data::Selected, language),
                                               data::text(data::SelectedTalkBack, language)};
    const std::vector<std::string> priority = {data::text(data::Priority, language),
                                               data::text(data::PriorityTalkBack, language)};
    if (priorityIndex == PriorityNone)
        return selected;
    if (priorityIndex == PriorityFixed) {
        std::vector<std::string> all = selected;
        all.insert(all.end(), priority.begin(), priority.end());
        return all;
    }
    return priority;
}

Values decode(const Image& img) {
    Values v;
    const unsigned mode = mm::get(img, mm::ScanPriorityMode);
    v.priority = mode <= PrioritySelected ? int(mode) : -1;
    if (v.priority == PriorityFixed) {
        char text[8];
        std::snprintf(text, sizeof text, "%2d", int(mm::get(img, mm::PriorityChannel)));
        v.priorityChannel = text;
    }
    v.lookBackA = lookBackSeconds(mm::get(img, mm::LookBackA));
    v.lookBackB = lookBackSeconds(mm::get(img, mm::LookBackB));
    const int stored = mm::get(img, mm::RevertChannel);
    const int index = stored - revertOffset(v.priority);
    const int size = static_cast<int>(revertEntries(v.priority, Language::English).size());
    v.revert = index >= 0 && index < size ? index : -1;
    v.dropout = int(mm::get16(img, mm::DropoutDelay));
    v.dwell = int(mm::get16(img, mm::TxDwellTime));
    return v;
}

double snap(double seconds) {
    return std::trunc(DecimalMultiply(seconds, kStepsPerSecond)) * kStep;
}

double lookBackUp(double seconds) {
    const double t = seconds + kStep;
    if (!(t <= kLookBackMax && t >= kLookBackMin)) // NaN wraps as well
        return kLookBackMin;
    return snap(t);
}

double lookBackDown(double seconds) {
    const double t = seconds - kStep;
    if (!(t >= kLookBackMin && t <= kLookBackMax))
        return kLookBackMax;
    // The nudge puts a value a hair below a grid point back on that point.
    return snap(t + 0.04);
}

double lookBackLeave(double seconds) {
    if (std::isnan(seconds))
        return kLookBackMin;
    if (seconds > kLookBackMax)
        return kLookBackMax;
    if (seconds < kLookBackMin)
        return kLookBackMin;
    return snap(seconds);
}

std::string formatSeconds(double seconds) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", seconds);
    return text;
}

int counterUp(int value) {
    return value >= kCounterMax ? 0 : value + 1;
}

int counterDown(int value) {
    return value <= 0 ? kCounterMax : value - 1;
}

int counterLeave(int value) {
    if (value > kCounterMax)
        return kCounterMax;
    if (value < 0)
        return 0;
    return value;
}

std::optional<double> parseSeconds(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    // Only plain decimal notation: no hex, infinity or NaN sneaking through strtod.
    for (char c : t) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || errno == ERANGE)
        return std::nullopt;
    return value;
}

std::optional<int> parseCounter(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(t.c_str(), &end, 10);
    if (end != t.c_str() + t.size() || errno == ERANGE || value > 2147483647L ||
        value < -2147483647L - 1)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string channelMessage(const Translate& translate) {
    return translate("ScanInfo", "Please select channel inputed");
}

OkResult encode(Image& img, const Values& v) {
    if (v.priority == PriorityFixed) {
        const long n = atoiC(v.priorityChannel);
        // Only 1..16 have a record; anything else would be read past the channels.
        if (n < 1 || n > mm::kChannelCount)
            return OkResult::ChannelNotProgrammed;
        const std::uint8_t msb = img[mm::channelOffset(int(n)) + mm::rec::kRxMsb];
        if (msb == 0x00 || msb == 0xFF)
            return OkResult::ChannelNotProgrammed;
        mm::set(img, mm::PriorityChannel, unsigned(n));
    }
    const bool modeListed = v.priority >= PriorityNone && v.priority <= PrioritySelected;
    mm::set(img, mm::ScanPriorityMode, modeListed ? unsigned(v.priority) : kNoPriority);
    mm::set(img, mm::LookBackA, lookBackByte(v.lookBackA));
    mm::set(img, mm::LookBackB, lookBackByte(v.lookBackB));
    const int size = static_cast<int>(revertEntries(v.priority, Language::English).size());
    const bool revertListed = v.revert >= 0 && v.revert < size;
    mm::set(img, mm::RevertChannel,
            revertListed ? unsigned(v.revert + revertOffset(v.priority)) : kNoRevert);
    mm::set16(img, mm::DropoutDelay, counterWord(v.dropout));
    mm::set16(img, mm::TxDwellTime, counterWord(v.dwell));
    return OkResult::Stored;
}

} // namespace radio::scan
