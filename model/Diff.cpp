#include "model/Diff.h"

#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/OptionalFeatures.h"
#include "model/ParamAdjust.h"
#include "model/PowerAdjust.h"
#include "model/ScanInfo.h"

#include <array>
#include <cstdio>

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

std::string tr(bool chinese, const char* english, const char* zh) {
    return chinese ? zh : english;
}

std::string onOff(bool on, bool chinese) {
    return chinese ? (on ? "开" : "关") : (on ? "On" : "Off");
}

std::string listText(const std::vector<std::string>& entries, int index, bool chinese) {
    if (index < 0 || index >= int(entries.size()))
        return tr(chinese, "(no selection)", "(未选择)");
    return entries[index];
}

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

void compareChannels(const Image& a, const Image& b, bool chinese, Collector& out) {
    const ChannelTable ta = imageToTable(a, chinese);
    const ChannelTable tb = imageToTable(b, chinese);
    const auto& headers = columnHeaders(chinese);
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        char group[32];
        std::snprintf(group, sizeof group, chinese ? "信道%d" : "Channel %d", n);
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

void compareOptions(const Image& a, const Image& b, bool chinese, Collector& out) {
    using namespace radio::optional;
    const std::string group = tr(chinese, "Optional Features", "可选功能");
    const Choices ca = decode(a);
    const Choices cb = decode(b);
    struct ListField {
        List list;
        const char* english;
        const char* zh;
        const mm::Field& field;
    };
    // The dialog's layout order.
    const ListField lists[] = {
        {TimeOutTimer, "Time-Out Timer", "超时定时器", mm::TimeOutTimer},
        {TotPreAlert, "TOT Pre-Alert", "超时预警", mm::TotPreAlert},
        {CallTone, "Call Tone", "呼叫铃音", mm::CallTone},
        {VoxGainLevel, "Vox Gain Level", "声控增益电平", mm::VoxGain},
        {CallKeyDefine, "Call Key Define", "呼叫键定义", mm::CallKey},
        {VoiceAnnunciation, "Voice Annunciation", "语音报号", mm::VoiceAnnunciation},
        {SquelchLevel, "Squelch Level", "静噪电平", mm::SquelchLevel},
        {VoxDelayTime, "Vox Delay Time", "声控延时时间", mm::VoxDelay},
    };
    for (const ListField& l : lists) {
        const auto& entries = optional::entries(l.list, chinese);
        out.add(group, tr(chinese, l.english, l.zh), listText(entries, ca.index[l.list], chinese),
                listText(entries, cb.index[l.list], chinese), bitsOf(l.field));
    }
    out.add(group, tr(chinese, "Beep", "提示音"), onOff(ca.beep, chinese), onOff(cb.beep, chinese),
            bitsOf(mm::KeyBeep));
    out.add(group, tr(chinese, "Battery Saver", "电池省电"), onOff(ca.batterySaver, chinese),
            onOff(cb.batterySaver, chinese), bitsOf(mm::BatterySaver));
    // Not in the dialog, but printed with its options.
    out.add(group, tr(chinese, "VOX Function", "声控功能"),
            onOff(mm::get(a, mm::VoxFunction) != 0, chinese),
            onOff(mm::get(b, mm::VoxFunction) != 0, chinese), bitsOf(mm::VoxFunction));
    out.add(group, tr(chinese, "Scan Function", "扫描功能"),
            onOff(mm::get(a, mm::ScanFunction) != 0, chinese),
            onOff(mm::get(b, mm::ScanFunction) != 0, chinese), bitsOf(mm::ScanFunction));
}

void compareScan(const Image& a, const Image& b, bool chinese, Collector& out) {
    const std::string group = tr(chinese, "Scan Info", "扫描信息");
    const scan::Values va = scan::decode(a);
    const scan::Values vb = scan::decode(b);
    const auto& priorities = scan::priorityEntries();
    out.add(group, tr(chinese, "Priority", "优先模式"), listText(priorities, va.priority, chinese),
            listText(priorities, vb.priority, chinese), bitsOf(mm::ScanPriorityMode));
    out.add(group, tr(chinese, "Priority Channel", "优先信道"), va.priorityChannel,
            vb.priorityChannel, bitsOf(mm::PriorityChannel));
    out.add(group, tr(chinese, "Look Back Time A", "回看时间A"), scan::formatSeconds(va.lookBackA),
            scan::formatSeconds(vb.lookBackA), bitsOf(mm::LookBackA));
    out.add(group, tr(chinese, "Look Back Time B", "回看时间B"), scan::formatSeconds(va.lookBackB),
            scan::formatSeconds(vb.lookBackB), bitsOf(mm::LookBackB));
    out.add(group, tr(chinese, "Revert Channel", "回复信道"),
            listText(scan::revertEntries(va.priority, chinese), va.revert, chinese),
            listText(scan::revertEntries(vb.priority, chinese), vb.revert, chinese),
            bitsOf(mm::RevertChannel));
    out.add(group, tr(chinese, "Dropout Delay Time", "信号消失延时"), std::to_string(va.dropout),
            std::to_string(vb.dropout), bitsOf(mm::DropoutDelay));
    out.add(group, tr(chinese, "Tx Dwell Time", "发射驻留时间"), std::to_string(va.dwell),
            std::to_string(vb.dwell), bitsOf(mm::TxDwellTime));
}

// A name when the settings file gave one, else the stored index.
std::string nameOr(const std::string& name, const Image& img, const mm::Field& field) {
    return name.empty() ? std::to_string(mm::get(img, field)) : name;
}

void compareProduct(const Image& a, const Image& b, const Options& o, Collector& out) {
    const bool chinese = o.chinese;
    const std::string group = tr(chinese, "Product Information", "类型设置");
    out.add(group, tr(chinese, "Type", "类型"), nameOr(o.a.model, a, mm::ModelType),
            nameOr(o.b.model, b, mm::ModelType), bitsOf(mm::ModelType));
    // The band text depends on both bytes; a different model alone does not
    // make the band index differ.
    out.add(group, tr(chinese, "Frequency", "频率"), nameOr(o.a.band, a, mm::BandIndex),
            nameOr(o.b.band, b, mm::BandIndex), bitsOf(mm::BandIndex));
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

void comparePower(const Image& a, const Image& b, const Options& o, Collector& out) {
    const bool chinese = o.chinese;
    const std::string group = tr(chinese, "Power Adjustment", "功率调节");
    const std::vector<int> segments = bandSegments(o.a.band.empty() ? o.b.band : o.a.band);
    const std::vector<power::Row> ra = power::load(a, power::kMaxRows);
    const std::vector<power::Row> rb = power::load(b, power::kMaxRows);
    const std::string lowHead = headOnly(power::lowHeader(chinese));
    const std::string highHead = headOnly(power::highHeader(chinese));
    for (int r = 0; r < power::kMaxRows; ++r) {
        // Rows are named by their segment, as the dialog's first column shows them.
        const std::string row =
            r < int(segments.size())
                ? std::to_string(segments[r])
                : tr(chinese, "Row ", "第") + std::to_string(r + 1) + tr(chinese, "", "行");
        const auto offset = std::uint16_t(mm::PowerAdjust.offset + 2 * r);
        out.add(group, row + " " + lowHead, std::to_string(ra[r].low), std::to_string(rb[r].low),
                {{offset, 0xFF}});
        out.add(group, row + " " + highHead, std::to_string(ra[r].high), std::to_string(rb[r].high),
                {{std::uint16_t(offset + 1), 0xFF}});
    }
}

void compareParam(const Image& a, const Image& b, bool chinese, Collector& out) {
    const std::string group = tr(chinese, "Param Adjust", "参数调节");
    // Stored values, not the dialog's display corrections: a correction
    // would hide a real difference between the files.
    for (int row = 1; row <= param::kRows; ++row)
        for (int col = 1; col <= param::kCols; ++col) {
            const auto offset = std::uint16_t(mm::ParamAdjust.offset + 2 * (row - 1) + (col - 1));
            out.add(group,
                    param::rowLabel(row, chinese) + " (" + param::columnHead(col, chinese) + ")",
                    std::to_string(a[offset]), std::to_string(b[offset]), {{offset, 0xFF}});
        }
    out.add(group, tr(chinese, "De-emphasis", "去加重"), onOff(mm::get(a, mm::DeEmphasis), chinese),
            onOff(mm::get(b, mm::DeEmphasis), chinese), bitsOf(mm::DeEmphasis));
    out.add(group, tr(chinese, "Pre-emphasis", "预加重"),
            onOff(mm::get(a, mm::PreEmphasis), chinese),
            onOff(mm::get(b, mm::PreEmphasis), chinese), bitsOf(mm::PreEmphasis));
}

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

} // namespace

Report compare(const Image& a, const Image& b, const Options& options) {
    Report report;
    Collector out(report);
    compareChannels(a, b, options.chinese, out);
    compareOptions(a, b, options.chinese, out);
    compareScan(a, b, options.chinese, out);
    compareProduct(a, b, options, out);
    comparePower(a, b, options, out);
    compareParam(a, b, options.chinese, out);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t left = std::uint8_t((a[i] ^ b[i]) & ~out.explained(i));
        if (left != 0)
            report.otherBytes.push_back({std::uint16_t(i), a[i], b[i]});
    }
    return report;
}

std::string formatReport(const Report& report, bool chinese) {
    if (report.equal())
        return tr(chinese, "The configurations are the same.\n", "两个配置相同。\n");
    const std::string empty = tr(chinese, "(empty)", "(空)");
    const auto shown = [&empty](const std::string& text) { return text.empty() ? empty : text; };
    std::string out;
    std::string group;
    for (const Change& c : report.changes) {
        if (c.group != group) {
            group = c.group;
            out += group + "\n";
        }
        out += "    " + c.label + ": " + shown(c.a) + " -> " + shown(c.b) + "\n";
    }
    if (!report.otherBytes.empty()) {
        out += tr(chinese, "Other bytes", "其他字节") + "\n";
        for (const ByteChange& x : report.otherBytes)
            out += "    0x" + hex(x.address, 3) + ": " + hex(x.a, 2) + " -> " + hex(x.b, 2) + "\n";
    }
    return out;
}

} // namespace radio::diff
