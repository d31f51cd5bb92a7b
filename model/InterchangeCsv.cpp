#include "model/InterchangeCsv.h"

#include "model/Band.h"
#include "model/CellCommit.h"
#include "model/Codecs.h"
#include "model/Csv.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"
#include "model/StringTable.h"

#include <algorithm>
#include <map>

namespace radio::interchange {

namespace {

enum Col {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    Urcall,
    Rpt1call,
    Rpt2call,
    Dvcode,
    kColCount
};

using Row = std::array<std::string, kGridCols>;

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

bool same(const std::string& a, const char* b) {
    return lower(a) == lower(b);
}

// Text from the file, shortened and with control characters escaped.
std::string quote(const std::string& s) {
    return files::quoted(s);
}

bool isDigits(const std::string& s) {
    return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

// 10 Hz units -> MHz with six decimals, as the layout writes frequencies.
std::string mhz(std::int64_t units) {
    const std::uint64_t magnitude = units < 0 ? 0 - std::uint64_t(units) : std::uint64_t(units);
    std::string frac = std::to_string(magnitude % 100000 * 10);
    frac.insert(0, 6 - frac.size(), '0');
    return (units < 0 ? "-" : "") + std::to_string(magnitude / 100000) + "." + frac;
}

bool isTone(const std::string& text) {
    const auto& tones = toneList(Language::English);
    return std::find(tones.begin(), tones.end(), text) != tones.end();
}

// ---- export

struct ToneSide {
    enum Kind { None, Ctcss, Dcs } kind = None;
    std::string value; // "88.5" or "023"
    char polarity = 'N';
};

ToneSide classify(const std::string& text) {
    ToneSide t;
    if (text.empty() || data::is(text, data::None))
        return t;
    if (text[0] == 'D' && text.size() == 5) {
        t.kind = ToneSide::Dcs;
        t.value = text.substr(1, 3);
        t.polarity = text[4] == 'I' ? 'R' : 'N';
        return t;
    }
    t.kind = ToneSide::Ctcss;
    t.value = text;
    return t;
}

void exportTones(const Row& row, std::array<std::string, kColCount>& f) {
    const ToneSide tx = classify(row[ColEncode]);
    const ToneSide rx = classify(row[ColDecode]);
    std::string pol = "NN";
    pol[0] = tx.polarity;
    pol[1] = rx.polarity;
    f[DtcsPolarity] = pol;
    using K = ToneSide;
    if (tx.kind == K::None && rx.kind == K::None)
        return;
    if (tx.kind == K::Ctcss && rx.kind == K::None) {
        f[Tone] = "Tone";
        f[RToneFreq] = tx.value;
        return;
    }
    if (tx.kind == K::Ctcss && rx.kind == K::Ctcss && tx.value == rx.value) {
        f[Tone] = "TSQL";
        f[RToneFreq] = f[CToneFreq] = tx.value;
        return;
    }
    if (tx.kind == K::Dcs && rx.kind == K::Dcs && tx.value == rx.value) {
        f[Tone] = "DTCS";
        f[DtcsCode] = f[RxDtcsCode] = tx.value;
        return;
    }
    f[Tone] = "Cross";
    const char* names[3] = {"", "Tone", "DTCS"};
    f[CrossMode] = std::string(names[tx.kind]) + "->" + names[rx.kind];
    if (tx.kind == K::Ctcss)
        f[RToneFreq] = tx.value;
    if (tx.kind == K::Dcs)
        f[DtcsCode] = tx.value;
    if (rx.kind == K::Ctcss)
        f[CToneFreq] = rx.value;
    if (rx.kind == K::Dcs)
        f[RxDtcsCode] = rx.value;
}

// ---- import

struct Columns {
    std::array<int, kColCount> field; // -1 when the file has no such column
    int get(Col c) const { return field[c]; }
};

class RowReader {
public:
    RowReader(const CsvRecord& record, const Columns& columns)
        : m_record(record), m_columns(columns) {}
    bool has(Col c) const { return m_columns.get(c) >= 0; }
    // A missing column and a short row both read as empty.
    std::string operator[](Col c) const {
        const int i = m_columns.get(c);
        return i >= 0 && i < int(m_record.fields.size()) ? trimmed(m_record.fields[i])
                                                         : std::string();
    }

private:
    const CsvRecord& m_record;
    const Columns& m_columns;
};

// The tone-list text of a CTCSS field: "67" and "67.00" both mean "67.0".
bool ctcssText(const std::string& field, const char* column, std::string& text,
               std::vector<std::string>& reasons) {
    std::string t = field;
    if (isPlainDecimal(t)) {
        if (t.find('.') != std::string::npos) {
            t.erase(t.find_last_not_of('0') + 1);
            if (t.back() == '.')
                t.pop_back();
        }
        t.erase(0, std::min(t.find_first_not_of('0'), t.size() - 1));
        if (t.find('.') == std::string::npos)
            t += ".0";
        if (t[0] == '.')
            t.insert(t.begin(), '0');
        if (isTone(t)) {
            text = t;
            return true;
        }
    }
    reasons.push_back(std::string(column) + " " + quote(field) + " is not a tone the radio offers");
    return false;
}

bool dcsText(const std::string& field, const char* column, char polarity, std::string& text,
             std::vector<std::string>& reasons) {
    if (isDigits(field) && field.size() <= 3) {
        std::string code = field;
        code.insert(0, 3 - code.size(), '0');
        const std::string t = "D" + code + (polarity == 'R' ? "I" : "N");
        if (isTone(t)) {
            text = t;
            return true;
        }
    }
    reasons.push_back(std::string(column) + " " + quote(field) +
                      " is not a DCS code the radio offers");
    return false;
}

// Tone, tone frequencies, codes and cross mode -> the Decode and Encode texts.
bool importTones(const RowReader& r, std::string& encode, std::string& decode,
                 std::vector<std::string>& reasons) {
    encode = decode = "None";
    const std::string mode = r[Tone];
    std::string pol = r[DtcsPolarity].empty() ? "NN" : r[DtcsPolarity];
    for (char& c : pol)
        if (c == 'n' || c == 'r')
            c = char(c - 'a' + 'A');
    if (pol.size() != 2 || pol.find_first_not_of("NR") != std::string::npos) {
        reasons.push_back("DtcsPolarity " + quote(r[DtcsPolarity]) + " is not NN, NR, RN or RR");
        return false;
    }
    // Older files have one code for both directions.
    const std::string rxCode = r.has(RxDtcsCode) ? r[RxDtcsCode] : r[DtcsCode];
    if (mode.empty())
        return true;
    if (same(mode, "Tone"))
        return ctcssText(r[RToneFreq], "rToneFreq", encode, reasons);
    if (same(mode, "TSQL")) {
        if (!ctcssText(r[CToneFreq], "cToneFreq", encode, reasons))
            return false;
        decode = encode;
        return true;
    }
    if (same(mode, "DTCS"))
        return dcsText(r[DtcsCode], "DtcsCode", pol[0], encode, reasons) &&
               dcsText(r[DtcsCode], "DtcsCode", pol[1], decode, reasons);
    if (!same(mode, "Cross")) {
        reasons.push_back("Tone " + quote(mode) + " is not one of \"\", Tone, TSQL, DTCS, Cross");
        return false;
    }
    if (!r.has(CrossMode)) {
        reasons.push_back("Tone \"Cross\" needs a CrossMode column");
        return false;
    }
    const std::string cross = r[CrossMode];
    const auto arrow = cross.find("->");
    const std::string tx = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
    const std::string rx = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
    const auto known = [](const std::string& s) {
        return s.empty() || same(s, "Tone") || same(s, "DTCS");
    };
    if (!known(tx) || !known(rx) || (tx.empty() && rx.empty())) {
        reasons.push_back("CrossMode " + quote(cross) + " is not a cross mode this radio has");
        return false;
    }
    bool ok = true;
    if (same(tx, "Tone"))
        ok = ctcssText(r[RToneFreq], "rToneFreq", encode, reasons) && ok;
    else if (same(tx, "DTCS"))
        ok = dcsText(r[DtcsCode], "DtcsCode", pol[0], encode, reasons) && ok;
    if (same(rx, "Tone"))
        ok = ctcssText(r[CToneFreq], "cToneFreq", decode, reasons) && ok;
    else if (same(rx, "DTCS"))
        ok = dcsText(rxCode, r.has(RxDtcsCode) ? "RxDtcsCode" : "DtcsCode", pol[1], decode,
                     reasons) &&
             ok;
    return ok;
}

struct Limits {
    std::int64_t low, high;
    const Translate& translate;
};

std::string commitMessage(const std::string& what, const std::string& value, int message,
                          const Limits& limits) {
    return what + " " + value + ": " +
           limitMessage(message, value, limits.low, limits.high, limits.translate);
}

// The grid row a file row stands for, committed cell by cell as typing
// would; reasons collects what the grid would refuse.
Row importRow(const RowReader& r, const std::string& channelText, const Limits& limits,
              std::vector<std::string>& reasons) {
    const std::int64_t bandLow = limits.low;
    const std::int64_t bandHigh = limits.high;
    Row row{};
    row[ColChannel] = channelText;
    const auto commit = [&](int column, const std::string& text) {
        CommitResult c = commitCell(row, column, text, bandLow, bandHigh, Language::English);
        row = std::move(c.row);
        return c.message;
    };

    const std::string freq = r[Frequency];
    if (freq.empty())
        return row; // an empty location clears the channel
    if (!isPlainDecimal(freq)) {
        reasons.push_back("Frequency " + quote(freq) + " is not a number of MHz");
        return row;
    }
    if (int m = commit(ColRx, freq)) {
        reasons.push_back(commitMessage("Frequency", freq, m, limits));
        return row;
    }
    const std::int64_t rxUnits = frequencyUnits(freq);

    // Transmit frequency.
    const std::string duplex = r[Duplex];
    const std::string offset = r[Offset];
    if (!duplex.empty()) {
        const bool plus = duplex == "+";
        const bool minus = duplex == "-";
        const bool split = same(duplex, "split");
        if (same(duplex, "off")) {
            // A channel here always transmits; pretending it could not would
            // put a transmitter on air where the file said never.
            reasons.push_back("Duplex \"off\" (receive only) is not available on this radio");
        } else if (!plus && !minus && !split) {
            reasons.push_back("Duplex " + quote(duplex) +
                              " is not one of \"\", \"+\", \"-\", \"split\", \"off\"");
        } else if (!isPlainDecimal(offset)) {
            reasons.push_back("Offset " + quote(offset) + " is not a number of MHz");
        } else {
            std::string tx = offset;
            const std::int64_t units = split ? 0 : frequencyUnits(offset);
            if (units > kMaxStoredUnits) {
                // Bounded before the sum: a file may hold any number of digits.
                reasons.push_back("Offset " + quote(offset) +
                                  " is larger than any frequency of the radio");
            } else {
                if (!split)
                    tx = mhz(plus ? rxUnits + units : std::max<std::int64_t>(rxUnits - units, 0));
                if (int m = commit(ColTx, tx))
                    reasons.push_back(commitMessage("transmit frequency", tx, m, limits));
            }
        }
    }

    std::string encode, decode;
    if (importTones(r, encode, decode, reasons)) {
        commit(ColDecode, decode);
        commit(ColEncode, encode);
    }

    const std::string power = r[Power];
    if (same(power, "High") || same(power, "Low"))
        commit(ColPower, same(power, "High") ? "High" : "Low");
    else if (!power.empty())
        reasons.push_back("Power " + quote(power) + " is neither High nor Low");

    const std::string mode = r[Mode];
    if (same(mode, "FM") || same(mode, "NFM"))
        commit(ColWidth, same(mode, "FM") ? "Wide" : "Narrow");
    else if (!mode.empty())
        reasons.push_back("Mode " + quote(mode) + " is not FM or NFM");

    // Without a Skip column a channel keeps the new-channel default.
    if (r.has(Skip)) {
        const std::string skip = r[Skip];
        if (skip.empty() || same(skip, "P"))
            commit(ColScanAdd, "Yes");
        else if (same(skip, "S"))
            commit(ColScanAdd, "No");
        else
            reasons.push_back("Skip " + quote(skip) + " is not \"\", S or P");
    }
    return row;
}

} // namespace

const std::vector<std::string>& columnNames() {
    static const std::vector<std::string> names = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return names;
}

std::string exportCsv(const Image& image) {
    const ChannelTable table = imageToTable(image, Language::English);
    std::string out;
    const auto writeRow = [&out](const auto& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ',';
            out += csvField(fields[i]);
        }
        out += "\r\n";
    };
    writeRow(columnNames());
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        const Row& row = table[n];
        // A channel without both frequencies is empty to the radio; the
        // layout has no form for it that its import would take back.
        if (mm::channelEmpty(image, n))
            continue;
        std::array<std::string, kColCount> f;
        f[Location] = std::to_string(n);
        const std::int64_t rx = frequencyUnits(row[ColRx]);
        f[Frequency] = mhz(rx);
        f[Offset] = mhz(0);
        const std::int64_t tx = frequencyUnits(row[ColTx]);
        if (tx != rx) {
            f[Duplex] = tx > rx ? "+" : "-";
            f[Offset] = mhz(tx > rx ? tx - rx : rx - tx);
        }
        f[RToneFreq] = f[CToneFreq] = "88.5";
        f[DtcsCode] = f[RxDtcsCode] = "023";
        f[CrossMode] = "Tone->Tone";
        exportTones(row, f);
        f[Mode] = row[ColWidth] == "Narrow" ? "NFM" : "FM";
        f[TStep] = rx % 500 == 0 ? "5.00" : "6.25";
        f[Skip] = row[ColScanAdd] == "Yes" ? "" : "S";
        f[Power] = row[ColPower] == "Low" ? "Low" : "High";
        writeRow(f);
    }
    return out;
}

Import importCsv(const std::string& csvText, const ChannelTable& current, std::int64_t bandLow,
                 std::int64_t bandHigh, const Translate& translate) {
    Import result;
    const Limits limits{bandLow, bandHigh, translate};
    const CsvParse parsed = parseImportCsv(csvText);
    if (!parsed.ok) {
        result.error = parsed.error;
        return result;
    }

    Columns columns;
    columns.field.fill(-1);
    const auto& head = parsed.records[0].fields;
    const auto& names = columnNames();
    for (std::size_t i = 0; i < head.size(); ++i) {
        const std::string name = lower(trimmed(head[i]));
        for (int c = 0; c < kColCount; ++c) {
            if (name != lower(names[c]))
                continue;
            if (columns.field[c] >= 0) {
                result.error = "column " + quote(names[c]) + " appears twice in the first line";
                return result;
            }
            columns.field[c] = int(i);
        }
        // Columns of newer layouts are ignored, like the ones the radio lacks.
    }
    if (columns.get(Location) < 0 || columns.get(Frequency) < 0) {
        result.error = "the first line must name at least the Location and Frequency columns";
        return result;
    }

    // Some tools count locations from 0, others from 1.
    bool zeroBased = false;
    for (std::size_t i = 1; i < parsed.records.size(); ++i) {
        const RowReader r(parsed.records[i], columns);
        if (isDigits(r[Location]) && std::stol(r[Location]) == 0)
            zeroBased = true;
    }

    result.table = current;
    std::map<int, int> lineOf; // channel -> line of its row
    for (std::size_t i = 1; i < parsed.records.size(); ++i) {
        const CsvRecord& record = parsed.records[i];
        const RowReader r(record, columns);
        std::vector<std::string> reasons;
        const std::string location = r[Location];
        int channel = 0;
        if (record.fields.size() > head.size()) {
            reasons.push_back(std::to_string(record.fields.size()) +
                              " fields where the first line names " + std::to_string(head.size()));
        } else if (!isDigits(location)) {
            reasons.push_back("Location " + quote(location) + " is not a whole number");
        } else {
            channel = int(std::stol(location)) + (zeroBased ? 1 : 0);
            if (channel < 1 || channel > mm::kChannelCount) {
                reasons.push_back("Location " + location + " is not one of the radio's channels (" +
                                  (zeroBased ? "0 to 15" : "1 to 16") + ")");
                channel = 0;
            } else if (lineOf.count(channel)) {
                reasons.push_back("Location " + location + " already had a row on line " +
                                  std::to_string(lineOf[channel]));
                channel = 0;
            } else {
                lineOf[channel] = record.line;
            }
        }
        if (channel != 0) {
            Row row = importRow(r, current[channel][ColChannel], limits, reasons);
            if (reasons.empty()) {
                result.table[channel] = std::move(row);
                result.listed[channel] = true;
            }
        }
        if (!reasons.empty()) {
            std::string reason;
            for (const auto& x : reasons)
                reason += (reason.empty() ? "" : "; ") + x;
            result.rejected.push_back({record.line, reason});
        }
    }
    result.ok = result.rejected.empty();
    for (bool listed : result.listed)
        if (listed) {
            result.notice = translate("InterchangeCsv",
                                      "Busy lock, compander and scrambler are not in this layout: "
                                      "the imported channels have them Off.");
            break;
        }
    return result;
}

std::string exportNotice(const Translate& translate) {
    return translate("InterchangeCsv", "Busy lock, compander and scrambler are not in this "
                                       "layout: the file does not keep them.");
}

void apply(const Import& import, Image& image) {
    if (!import.error.empty())
        return;
    CsvImport rows;
    rows.ok = true;
    rows.table = import.table;
    rows.listed = import.listed;
    applyImport(rows, image);
}

std::string describe(const Rejected& rejected) {
    return "line " + std::to_string(rejected.line) + ": " + rejected.reason;
}

} // namespace radio::interchange
