#include "model/ConfigCheck.h"

#include "model/CellCommit.h"
#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/OptionalFeatures.h"
#include "model/SafeFile.h"
#include "model/ScanInfo.h"
#include "model/StringTable.h"

#include <algorithm>

namespace radio::check {

namespace {

struct Collector {
    const Translate& translate;
    std::vector<Problem> problems;

    void add(int channel, std::string column, std::string value, std::string reason,
             int gridColumn = 0) {
        problems.push_back(
            {channel, gridColumn, std::move(column), std::move(value), std::move(reason)});
    }
    // A radio-wide value under its dialog label (the comparison's names).
    void setting(const char* label, unsigned stored, const std::string& reason) {
        add(0, translate("Diff", label), std::to_string(stored), reason);
    }
};

FreqBytes frequencyBytes(const Image& img, int channel, const mm::Field& f) {
    FreqBytes b;
    for (int i = 0; i < 4; ++i)
        b[i] = mm::recordByte(img, channel, f, i);
    return b;
}

bool decimalDigits(const FreqBytes& b) {
    return std::all_of(b.begin(), b.end(),
                       [](std::uint8_t x) { return (x >> 4) < 10 && (x & 15) < 10; });
}

void checkFrequency(Collector& out, int channel, int column, const FreqBytes& bytes,
                    const BandLimits* band) {
    const std::string shown = FormatFrequency(bytes);
    const std::string name = columnHeaders(out.translate)[column];
    if (!decimalDigits(bytes)) {
        out.add(channel, name, shown,
                out.translate("ConfigCheck", "its stored digits are not a decimal frequency"),
                column);
        return;
    }
    const std::int64_t units = frequencyUnits(shown);
    const int rule = band ? frequencyRule(units, band->low, band->high)
                          : (onRaster(units) ? 0 : int(IDS_STEP_ERROR));
    if (rule != 0)
        out.add(
            channel, name, shown,
            limitMessage(rule, shown, band ? band->low : 0, band ? band->high : 0, out.translate),
            column);
}

void checkTone(Collector& out, int channel, int column, const mm::Field& f, const Image& img) {
    const ToneBytes bytes{mm::recordByte(img, channel, f, 0), mm::recordByte(img, channel, f, 1)};
    const std::string shown = FormatTone(bytes, false, Language::English);
    const auto& tones = toneList(Language::English);
    // D000N is what a code outside the list shows as; it is no entry either.
    if (std::find(tones.begin(), tones.end(), shown) == tones.end())
        out.add(channel, columnHeaders(out.translate)[column], shown,
                out.translate("ConfigCheck", "not a tone of the tone list"), column);
}

void checkChannelsInto(Collector& out, const Image& img, const BandLimits* band) {
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        if (mm::channelEmpty(img, n))
            continue; // the radio skips it, and so does the grid's encoder
        checkFrequency(out, n, ColRx, frequencyBytes(img, n, mm::rec::RxFrequency), band);
        checkFrequency(out, n, ColTx, frequencyBytes(img, n, mm::rec::TxFrequency), band);
        checkTone(out, n, ColDecode, mm::rec::RxTone, img);
        checkTone(out, n, ColEncode, mm::rec::TxTone, img);
        const std::uint8_t b14 = mm::recordByte(img, n, mm::rec::Scrambler);
        const unsigned code = b14 & mm::rec::Scrambler.mask;
        if (code > 8)
            out.add(n, columnHeaders(out.translate)[ColScrambler], std::to_string(code),
                    out.translate("ConfigCheck", "not one of the list's entries"), ColScrambler);
    }
}

void checkOptions(Collector& out, const Image& img) {
    using namespace radio::optional;
    const Choices c = decode(img);
    const std::string notListed = out.translate("ConfigCheck", "not one of the list's entries");
    for (const ListField& l : listFields()) {
        // Voice Annunciation shows an unknown language as "Off" (checked
        // below); Call Key Define has no wrong value: anything but Call and
        // Emergency Alert is Off.
        if (l.list != VoiceAnnunciation && l.list != CallKeyDefine && c.index[l.list] < 0)
            out.setting(l.label, mm::get(img, l.field), notListed);
    }
    // The dialog shows it as "Off" but would keep the byte.
    const unsigned voice = mm::get(img, mm::VoiceAnnunciation);
    if (voice >= entries(VoiceAnnunciation, Language::English).size())
        out.setting(RADIO_TEXT("Diff", "Voice Annunciation"), voice, notListed);
}

void checkScan(Collector& out, const Image& img) {
    const scan::Values v = scan::decode(img);
    const std::string notListed = out.translate("ConfigCheck", "not one of the list's entries");
    if (v.priority < 0)
        out.setting(RADIO_TEXT("Diff", "Priority"), mm::get(img, mm::ScanPriorityMode), notListed);
    if (v.priority == scan::PriorityFixed) {
        // What the dialog's OK insists on; the times are only used in this mode.
        const unsigned channel = mm::get(img, mm::PriorityChannel);
        if (channel < 1 || channel > mm::kChannelCount || mm::channelEmpty(img, int(channel)))
            out.setting(RADIO_TEXT("Diff", "Priority Channel"), channel,
                        out.translate("ConfigCheck", "not a programmed channel"));
        for (const auto& [label, field] :
             {std::pair<const char*, const mm::Field*>{RADIO_TEXT("Diff", "Look Back Time A"),
                                                       &mm::LookBackA},
              {RADIO_TEXT("Diff", "Look Back Time B"), &mm::LookBackB}}) {
            const unsigned steps = mm::get(img, *field);
            if (steps < 1 || steps > 91)
                out.setting(label, steps,
                            out.translate("ConfigCheck", "not a time from 0.50 to 5.00 seconds"));
        }
    }
    // 0xFF is the erased byte a new configuration has: nothing chosen yet.
    const unsigned revert = mm::get(img, mm::RevertChannel);
    if (v.priority >= 0 && v.revert < 0 && revert != 0xFF)
        out.setting(RADIO_TEXT("Diff", "Revert Channel"), revert, notListed);
    for (const auto& [label, value] :
         {std::pair<const char*, int>{RADIO_TEXT("Diff", "Dropout Delay Time"), v.dropout},
          {RADIO_TEXT("Diff", "Tx Dwell Time"), v.dwell}})
        if (value > scan::kCounterMax)
            out.setting(label, unsigned(value),
                        out.translate("ConfigCheck", "not a number from 0 to 300"));
}

// The band the model and band bytes name, when they name a usable one.
bool checkProduct(Collector& out, const Image& img, const Settings& settings, BandLimits& band) {
    if (!settings.found) {
        out.add(0, out.translate("Diff", "Type"), "Program.ini",
                out.translate("ConfigCheck",
                              "there is no settings file to check the model and band against"));
        return false;
    }
    const unsigned type = mm::get(img, mm::ModelType);
    if (type >= settings.products.size()) {
        out.setting(RADIO_TEXT("Diff", "Type"), type,
                    out.translate("ConfigCheck", "names no model of the settings file"));
        return false;
    }
    const Product& product = settings.products[type];
    const unsigned index = mm::get(img, mm::BandIndex);
    if (index >= product.bands.size()) {
        out.setting(RADIO_TEXT("Diff", "Frequency"), index,
                    textArg(out.translate("ConfigCheck",
                                          "names no band of the model %1 in the settings file"),
                            {product.model}));
        return false;
    }
    const std::string& text = product.bands[index];
    const std::string defect = bandDefect(text, out.translate);
    if (!defect.empty() || text.empty()) {
        out.add(
            0, out.translate("Diff", "Frequency"), files::quoted(text),
            textArg(out.translate("ConfigCheck", "the band of settings key %1 cannot be used: %2"),
                    {"Field" + std::to_string(type + 1),
                     text.empty() ? out.translate("ConfigCheck", "it is empty") : defect}));
        return false;
    }
    band = bandLimits(text);
    return true;
}

} // namespace

std::vector<Problem> checkChannels(const Image& image, const BandLimits* band,
                                   const Translate& translate) {
    Collector out{translate, {}};
    checkChannelsInto(out, image, band);
    return std::move(out.problems);
}

std::vector<Problem> checkConfiguration(const Image& image, const Settings& settings,
                                        const Translate& translate) {
    Collector out{translate, {}};
    BandLimits band;
    const bool haveBand = checkProduct(out, image, settings, band);
    // Without a band only the raster can be checked; the band's own problem
    // is listed once above rather than once per channel.
    std::vector<Problem> channels = checkChannels(image, haveBand ? &band : nullptr, translate);
    channels.insert(channels.end(), out.problems.begin(), out.problems.end());
    out.problems = std::move(channels);
    checkOptions(out, image);
    checkScan(out, image);
    return std::move(out.problems);
}

std::string describe(const Problem& p, const Translate& translate) {
    if (p.channel > 0)
        return textArg(translate("ConfigCheck", "Channel %1, %2, %3: %4"),
                       {std::to_string(p.channel), p.column, p.value, p.reason});
    return textArg(translate("ConfigCheck", "%1, %2: %3"), {p.column, p.value, p.reason});
}

std::string describeAll(const std::vector<Problem>& problems, const Translate& translate,
                        std::size_t shown) {
    std::vector<std::string> lines;
    for (const Problem& p : problems)
        lines.push_back(describe(p, translate));
    return firstLines(lines, translate, shown);
}

} // namespace radio::check
