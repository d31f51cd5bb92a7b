#include "model/Diff.h"

#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/ParamAdjust.h"
#include "model/PowerAdjust.h"
#include "model/RadioSettings.h"

#include <array>
#include <cstdio>
#include <functional>

namespace radio::diff {

namespace {

// Bits of one byte that a shown value is made of.
struct Bits {
    std::uint16_t offset;
    std::uint8_t mask;
};

std::vector<Bits> bitsOf(const mm::Field& f) {
    std::vector<Bits> out;
    for (std::uint16_t i = 0; i < f.size; ++i)
        out.push_back({std::uint16_t(f.offset + i), f.mask});
    return out;
}

std::vector<Bits> recordBits(int channel, const mm::Field& f) {
    std::vector<Bits> out;
    for (std::uint16_t i = 0; i < f.size; ++i)
        out.push_back({std::uint16_t(mm::channelOffset(channel) + f.offset + i), f.mask});
    return out;
}

// What the comparison shows: values in the data language, words through the catalogues.
struct Texts {
    Language language;
    const Translate& translate;
    std::string operator()(const char* english) const { return translate("Diff", english); }
};

// Collects changes and remembers which bits they account for.
class Collector {
public:
    explicit Collector(Report& report) : m_report(report) {}

    void add(const std::string& group, const std::string& label, const std::string& a,
             const std::string& b, const std::vector<Bits>& bits) {
        if (a == b)
            return;
        m_report.changes.push_back({group, label, a, b});
        for (const Bits& x : bits)
            m_explained[x.offset] |= x.mask;
    }

    std::uint8_t explained(std::size_t offset) const { return m_explained[offset]; }

private:
    Report& m_report;
    std::array<std::uint8_t, kImageSize> m_explained{};
};

void compareChannels(const Image& a, const Image& b, const Texts& tr, Collector& out) {
    const ChannelTable ta = imageToTable(a, tr.language);
    const ChannelTable tb = imageToTable(b, tr.language);
    const auto headers = columnHeaders(tr.translate);
    const std::string channel = tr.translate("Diff", "Channel %1");
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        const std::string group = textArg(channel, {std::to_string(n)});
        const mm::Field& scan = n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh;
        const std::uint8_t scanBit = std::uint8_t(1u << ((n - 1) % 8));
        const std::array<std::vector<Bits>, kGridCols> bits = {
            std::vector<Bits>{},
            recordBits(n, mm::rec::RxFrequency),
            recordBits(n, mm::rec::TxFrequency),
            recordBits(n, mm::rec::RxTone),
            recordBits(n, mm::rec::TxTone),
            recordBits(n, mm::rec::Power),
            std::vector<Bits>{{scan.offset, scanBit}},
            recordBits(n, mm::rec::BusyLock),
            recordBits(n, mm::rec::Width),
            recordBits(n, mm::rec::CompanderOff),
            recordBits(n, mm::rec::Scrambler),
        };
        for (int c = ColRx; c <= ColScrambler; ++c)
            out.add(group, headers[c], ta[n][c], tb[n][c], bits[c]);
    }
}

// The settings of a group under their labels; `named` gives a side's name
// for a value where the settings file names it (empty: the value itself).
void compareSettings(settings::Group g, const Image& a, const Image& b, const Texts& tr,
                     Collector& out,
                     const std::function<std::string(const settings::Setting&, bool)>& named = {}) {
    const std::string group = tr(settings::groupLabel(g));
    const std::string none = tr.translate("Diff", "(no selection)");
    for (const settings::Setting* s : settings::ofGroup(g)) {
        const auto shown = [&](const Image& img, bool sideA) {
            const std::string name = named ? named(*s, sideA) : std::string();
            return name.empty() ? s->value(img, tr.language).value_or(none) : name;
        };
        out.add(group, tr(s->label), shown(a, true), shown(b, false), bitsOf(s->field));
    }
}

void compareProduct(const Image& a, const Image& b, const Options& o, const Texts& tr,
                    Collector& out) {
    // The band text depends on both bytes; a different model alone does not
    // make the band index differ.
    compareSettings(settings::Group::ProductInformation, a, b, tr, out,
                    [&o](const settings::Setting& s, bool sideA) {
                        const ProductNames& names = sideA ? o.a : o.b;
                        return s.field.offset == mm::ModelType.offset ? names.model : names.band;
                    });
}

// "400-470" -> segments of the Power Adjustment grid; none for no band.
std::vector<int> bandSegments(const std::string& band) {
    if (band.empty())
        return {};
    const auto dash = band.find('-');
    const long low = atoiC(band);
    const long high = dash == std::string::npos ? low : atoiC(band.substr(dash + 1));
    if (low <= 0 || high < low || high > 100000)
        return {};
    return power::segments(int(low), int(high));
}

std::string headOnly(const std::string& header) {
    return header.substr(0, header.find('\n'));
}

void comparePower(const Image& a, const Image& b, const Options& o, const Texts& tr,
                  Collector& out) {
    const std::string group = tr.translate("Diff", "Power Adjustment");
    const std::vector<int> segments = bandSegments(o.a.band.empty() ? o.b.band : o.a.band);
    const std::vector<power::Row> ra = power::load(a, power::kMaxRows);
    const std::vector<power::Row> rb = power::load(b, power::kMaxRows);
    const std::string lowHead = headOnly(power::lowHeader(tr.translate));
    const std::string highHead = headOnly(power::highHeader(tr.translate));
    for (int r = 0; r < power::kMaxRows; ++r) {
        // Rows are named by their segment, as the dialog's first column shows them.
        const std::string row = r < int(segments.size()) ? std::to_string(segments[r])
                                                         : textArg(tr.translate("Diff", "Row %1"),
                                                                   {std::to_string(r + 1)});
        const auto offset = std::uint16_t(mm::PowerAdjust.offset + 2 * r);
        out.add(group, row + " " + lowHead, std::to_string(ra[r].low), std::to_string(rb[r].low),
                {{offset, 0xFF}});
        out.add(group, row + " " + highHead, std::to_string(ra[r].high), std::to_string(rb[r].high),
                {{std::uint16_t(offset + 1), 0xFF}});
    }
}

void compareParam(const Image& a, const Image& b, const Texts& tr, Collector& out) {
    const std::string group = tr.translate("Diff", "Param Adjust");
    // Stored values, not the dialog's display corrections: a correction
    // would hide a real difference between the files.
    for (int row = 1; row <= param::kRows; ++row)
        for (int col = 1; col <= param::kCols; ++col) {
            const auto offset = std::uint16_t(mm::ParamAdjust.offset + 2 * (row - 1) + (col - 1));
            out.add(group,
                    param::rowLabel(row, tr.translate) + " (" +
                        param::columnHead(col, tr.translate) + ")",
                    std::to_string(a[offset]), std::to_string(b[offset]), {{offset, 0xFF}});
        }
    compareSettings(settings::Group::ParamAdjust, a, b, tr, out);
}

// The memory map's name of a byte whose `bits` differ unexplained: the fields
// owning those bits, else the field holding the byte; channel record bytes
// are named with their channel.
std::string regionOf(std::size_t address, std::uint8_t bits, const Translate& translate) {
    const auto pick = [bits](auto begin, auto end, std::size_t offset) -> const mm::Field* {
        const mm::Field* holder = nullptr;
        for (auto it = begin; it != end; ++it) {
            if (offset < it->offset || offset >= mm::end(*it))
                continue;
            if (it->mask & bits)
                return &*it;
            if (!holder)
                holder = &*it;
        }
        return holder;
    };
    const auto name = [&translate](const mm::Field& f) {
        return translate("MemoryMap", std::string(f.name).c_str());
    };
    if (address >= mm::Channels.offset && address < mm::end(mm::Channels)) {
        static const mm::Field record[] = {
            mm::rec::RxFrequency, mm::rec::TxFrequency,  mm::rec::RxTone,
            mm::rec::TxTone,      mm::rec::BusyLock,     mm::rec::Power,
            mm::rec::Width,       mm::rec::CompanderOff, mm::rec::Scrambler};
        const std::string channel =
            textArg(translate("Diff", "Channel %1"), {std::to_string(address / mm::kRecordSize)});
        const mm::Field* f = pick(std::begin(record), std::end(record), address % mm::kRecordSize);
        return f ? textArg(translate("Diff", "%1, %2"), {channel, name(*f)}) : channel;
    }
    const mm::Field* f = pick(mm::kAll.begin(), mm::kAll.end(), address);
    return f ? name(*f) : std::string();
}

// An empty channel shows nothing but its frequencies, and the program writes
// the rest of its record (and its scan-add bit) in a form of its own. Bits
// of a channel empty on both sides that agree once both sides are in that
// form are no difference the user could see or make.
class FormOnly {
public:
    FormOnly(const Image& a, const Image& b) : m_a(programForm(a)), m_b(programForm(b)) {
        for (int n = 1; n <= mm::kChannelCount; ++n) {
            if (!mm::channelEmpty(a, n) || !mm::channelEmpty(b, n))
                continue;
            for (int i = 0; i < mm::kRecordSize; ++i)
                m_mask[mm::channelOffset(n) + std::size_t(i)] = 0xFF;
            const mm::Field& scan = n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh;
            m_mask[scan.offset] |= std::uint8_t(1u << ((n - 1) % 8));
        }
    }
    // The bits of `differ` at `address` that remain a difference.
    std::uint8_t real(std::size_t address, std::uint8_t differ) const {
        const std::uint8_t formOnly =
            std::uint8_t(m_mask[address] & ~(m_a[address] ^ m_b[address]));
        return std::uint8_t(differ & ~formOnly);
    }

private:
    static Image programForm(const Image& img) {
        Image out = img;
        tableToImage(imageToTable(img, Language::English), out);
        return out;
    }
    Image m_a, m_b;
    std::array<std::uint8_t, kImageSize> m_mask{};
};

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

} // namespace

Report compare(const Image& a, const Image& b, const Options& options) {
    Report report;
    Collector out(report);
    const Texts tr{options.language, options.translate};
    compareChannels(a, b, tr, out);
    compareSettings(settings::Group::OptionalFeatures, a, b, tr, out);
    compareSettings(settings::Group::ScanInfo, a, b, tr, out);
    compareProduct(a, b, options, tr, out);
    comparePower(a, b, options, tr, out);
    compareParam(a, b, tr, out);
    const FormOnly form(a, b);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t differ = std::uint8_t((a[i] ^ b[i]) & ~out.explained(i));
        const std::uint8_t left = form.real(i, differ);
        if (left != differ)
            report.emptyChannelForm = true;
        if (left != 0)
            report.otherBytes.push_back(
                {std::uint16_t(i), a[i], b[i], regionOf(i, left, options.translate)});
    }
    report.nameA = options.nameA;
    report.nameB = options.nameB;
    return report;
}

std::string formatReport(const Report& report, const Translate& translate) {
    std::string sides;
    if (!report.nameA.empty() || !report.nameB.empty())
        sides = textArg(translate("Diff", "From: %1"), {report.nameA}) + "\n" +
                textArg(translate("Diff", "To: %1"), {report.nameB}) + "\n";
    const std::string form =
        report.emptyChannelForm
            ? translate("Diff",
                        "Empty channels are written in this program's form; bytes that differ only "
                        "by it are not listed.") +
                  "\n"
            : std::string();
    if (report.equal())
        return sides + translate("Diff", "The configurations are the same.") + "\n" + form;
    const std::string empty = translate("Diff", "(empty)");
    const auto shown = [&empty](const std::string& text) { return text.empty() ? empty : text; };
    std::string out = sides;
    std::string group;
    for (const Change& c : report.changes) {
        if (c.group != group) {
            group = c.group;
            out += group + "\n";
        }
        out += "    " + c.label + ": " + shown(c.a) + " -> " + shown(c.b) + "\n";
    }
    if (!report.otherBytes.empty()) {
        out += translate("Diff", "Other bytes") + "\n";
        for (const ByteChange& x : report.otherBytes)
            out += "    " + (x.region.empty() ? std::string() : x.region + " ") + "0x" +
                   hex(x.address, 3) + ": " + hex(x.a, 2) + " -> " + hex(x.b, 2) + "\n";
    }
    return out + form;
}

} // namespace radio::diff
