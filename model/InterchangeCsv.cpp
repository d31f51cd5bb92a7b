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
    bool high = false;
    if (same(power, "High") || same(power, "Low"))
        commit(ColPower, same(power, "High") ? "High" : "Low");
    else if (wattsArePower(power, high))
        commit(ColPower, high ? "High" : "Low");
    else if (!power.empty())
        reasons.push_back("Power " + quote(power) + " is not High, Low or a number of watts");

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
    std::vector<int> all;
    for (int n = 1; n <= mm::kChannelCount; ++n)
        all.push_back(n);
    return exportCsv(image, all, false);
}

std::string exportCsv(const Image& image, const std::vector<int>& channels, bool renumber) {
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
    int written = 0;
    for (int n : channels) {
        // A channel without both frequencies is empty to the radio; the
        // layout has no form for it that its import would take back.
        if (n < 1 || n > mm::kChannelCount || mm::channelEmpty(image, n))
            continue;
        const Row& row = table.at(n);
        const Channel c = readChannel(image, n);
        std::array<std::string, kColCount> f;
        f[Location] = std::to_string(renumber ? ++written : n);
        const std::int64_t rx = c.rxHz / 10;
        f[Frequency] = mhz(rx);
        f[Offset] = mhz(0);
        const std::int64_t tx = c.txHz / 10;
        if (tx != rx) {
            f[Duplex] = tx > rx ? "+" : "-";
            f[Offset] = mhz(tx > rx ? tx - rx : rx - tx);
        }
        f[RToneFreq] = f[CToneFreq] = "88.5";
        f[DtcsCode] = f[RxDtcsCode] = "023";
        f[CrossMode] = "Tone->Tone";
        exportTones(row, f);
        f[Mode] = c.wide ? "FM" : "NFM";
        f[TStep] = rx % 500 == 0 ? "5.00" : "6.25";
        f[Skip] = c.scanAdd ? "" : "S";
        f[Power] = c.highPower ? "High" : "Low";
        writeRow(f);
    }
    return out;
}

namespace {

// The columns whose absence leaves a setting at its new-channel default.
constexpr Col kDefaultedColumns[] = {Duplex,    Offset,   Tone,         RToneFreq,
                                     CToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
                                     CrossMode, Mode,     Skip,         Power};

bool findColumns(const std::vector<std::string>& head, Columns& columns, std::string& error) {
    columns.field.fill(-1);
    const auto& names = columnNames();
    for (std::size_t i = 0; i < head.size(); ++i) {
        const std::string name = lower(trimmed(head[i]));
        for (int c = 0; c < kColCount; ++c) {
            if (name != lower(names[c]))
                continue;
            if (columns.field[c] >= 0) {
                error = "column " + quote(names[c]) + " appears twice in the first line";
                return false;
            }
            columns.field[c] = int(i);
        }
        // Columns of newer layouts are ignored, like the ones the radio lacks.
    }
    if (columns.get(Location) < 0 || columns.get(Frequency) < 0) {
        error = "the first line must name at least the Location and Frequency columns";
        return false;
    }
    return true;
}

void accept(const FileRow& row, int channel, const ChannelTable& current, Import& result) {
    result.table[channel] = row.cells;
    result.table[channel][ColChannel] = current[channel][ColChannel];
    result.listed[channel] = true;
}

} // namespace

bool wattsArePower(const std::string& text, bool& high) {
    std::string t = trimmed(text);
    if (!t.empty() && (t.back() == 'W' || t.back() == 'w'))
        t = trimmed(t.substr(0, t.size() - 1));
    if (!isPlainDecimal(t) || t.size() > 12)
        return false;
    // Compared in milliwatts, so "1.0" and "1" are both exactly 1 W.
    const auto point = t.find('.');
    std::string whole = t.substr(0, point);
    std::string frac = point == std::string::npos ? "" : t.substr(point + 1);
    frac = (frac + "000").substr(0, 3);
    const long long mw = (whole.empty() ? 0 : std::stoll(whole)) * 1000 + std::stoll(frac);
    high = mw > 1000;
    return true;
}

ListFile readList(const std::string& csvText, std::int64_t bandLow, std::int64_t bandHigh,
                  const Translate& translate) {
    ListFile list;
    const Limits limits{bandLow, bandHigh, translate};
    const CsvParse parsed = parseImportCsv(csvText);
    if (!parsed.ok) {
        list.error = parsed.error;
        return list;
    }
    Columns columns;
    const auto& head = parsed.records[0].fields;
    if (!findColumns(head, columns, list.error))
        return list;
    for (Col c : kDefaultedColumns)
        if (columns.get(c) < 0)
            list.missingColumns.push_back(columnNames()[c]);

    for (std::size_t i = 1; i < parsed.records.size(); ++i) {
        const CsvRecord& record = parsed.records[i];
        const RowReader r(record, columns);
        FileRow row;
        row.line = record.line;
        row.location = r[Location];
        if (isDigits(row.location))
            row.number = std::stol(row.location);
        // Some tools count locations from 0, others from 1.
        list.zeroBased = list.zeroBased || row.number == 0;
        row.name = r[Name];
        row.comment = r[Comment];
        row.power = r[Power];
        if (isPlainDecimal(r[Frequency]))
            row.rx = frequencyUnits(r[Frequency]);
        std::vector<std::string> reasons;
        if (record.fields.size() > head.size()) {
            row.shapeError = true;
            reasons.push_back(std::to_string(record.fields.size()) +
                              " fields where the first line names " + std::to_string(head.size()));
        } else {
            row.cells = importRow(r, std::string(), limits, reasons);
            if (!row.cells[ColTx].empty())
                row.tx = frequencyUnits(row.cells[ColTx]);
        }
        for (const auto& x : reasons)
            row.reason += (row.reason.empty() ? "" : "; ") + x;
        row.usable = reasons.empty();
        list.rows.push_back(std::move(row));
    }
    return list;
}

Import importCsv(const std::string& csvText, const ChannelTable& current, std::int64_t bandLow,
                 std::int64_t bandHigh, const Translate& translate) {
    Import result;
    const ListFile list = readList(csvText, bandLow, bandHigh, translate);
    if (!list.error.empty()) {
        result.error = list.error;
        return result;
    }
    result.table = current;
    std::map<int, int> lineOf; // channel -> line of its row
    std::vector<std::size_t> accepted;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const FileRow& row = list.rows[i];
        std::string reason;
        int channel = 0;
        if (row.shapeError) {
            reason = row.reason;
        } else if (row.number < 0) {
            reason = "Location " + quote(row.location) + " is not a whole number";
        } else {
            channel = int(row.number) + (list.zeroBased ? 1 : 0);
            if (channel < 1 || channel > mm::kChannelCount) {
                reason = "Location " + row.location + " is not one of the radio's channels (" +
                         (list.zeroBased ? "0 to 15" : "1 to 16") + ")";
            } else if (lineOf.count(channel)) {
                reason = "Location " + row.location + " already had a row on line " +
                         std::to_string(lineOf[channel]);
            } else {
                lineOf[channel] = row.line;
                if (row.usable) {
                    accept(row, channel, current, result);
                    accepted.push_back(i);
                } else {
                    reason = row.reason;
                }
            }
        }
        if (!reason.empty())
            result.rejected.push_back({row.line, reason});
    }
    result.ok = result.rejected.empty();
    result.notice = importNotice(list, accepted, translate);
    return result;
}

bool fitsByLocation(const ListFile& list) {
    if (list.rows.size() > std::size_t(mm::kChannelCount))
        return false;
    const long offset = list.zeroBased ? 1 : 0;
    return std::all_of(list.rows.begin(), list.rows.end(), [offset](const FileRow& row) {
        return row.number < 0 ||
               (row.number + offset >= 1 && row.number + offset <= mm::kChannelCount);
    });
}

std::vector<std::size_t> rowsInRange(const ListFile& list, long from, long to) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        if (list.rows[i].number >= from && list.rows[i].number <= to)
            chosen.push_back(i);
    return chosen;
}

bool parseRange(const std::string& text, long& from, long& to) {
    const auto dash = text.find('-');
    const std::string a = trimmed(text.substr(0, dash));
    const std::string b = dash == std::string::npos ? a : trimmed(text.substr(dash + 1));
    if (!isDigits(a) || !isDigits(b))
        return false;
    from = std::stol(a);
    to = std::stol(b);
    return from <= to;
}

Import place(const ListFile& list, const std::vector<std::size_t>& chosen, int firstChannel,
             const ChannelTable& current, const Translate& translate) {
    Import result;
    result.table = current;
    if (!list.error.empty()) {
        result.error = list.error;
        return result;
    }
    if (firstChannel < 1 || firstChannel > mm::kChannelCount) {
        result.error = textArg(translate("InterchangeCsv", "The first channel must be 1 to %1."),
                               {std::to_string(mm::kChannelCount)});
        return result;
    }
    const std::size_t room = std::size_t(mm::kChannelCount - firstChannel + 1);
    if (chosen.empty() || chosen.size() > room) {
        result.error =
            chosen.empty()
                ? translate("InterchangeCsv", "No row is chosen.")
                : textArg(translate("InterchangeCsv",
                                    "%1 rows are chosen, but channels %2 to %3 are only %4."),
                          {std::to_string(chosen.size()), std::to_string(firstChannel),
                           std::to_string(mm::kChannelCount), std::to_string(room)});
        return result;
    }
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        const FileRow& row = list.rows.at(chosen[k]);
        if (row.usable)
            accept(row, firstChannel + int(k), current, result);
        else
            result.rejected.push_back({row.line, row.reason});
    }
    result.ok = result.rejected.empty();
    result.notice = importNotice(list, chosen, translate);
    return result;
}

std::string importNotice(const ListFile& list, const std::vector<std::size_t>& chosen,
                         const Translate& translate) {
    std::vector<std::string> lines;
    bool any = false;
    bool named = false;
    std::string watts;
    std::vector<std::string> seen;
    for (std::size_t i : chosen) {
        const FileRow& row = list.rows.at(i);
        if (!row.usable)
            continue;
        any = true;
        named = named || !row.name.empty() || !row.comment.empty();
        bool high = false;
        if (wattsArePower(row.power, high) &&
            std::find(seen.begin(), seen.end(), row.power) == seen.end()) {
            seen.push_back(row.power);
            watts += (watts.empty() ? "" : ", ") + row.power + " -> " + (high ? "High" : "Low");
        }
    }
    if (!any)
        return {};
    lines.push_back(translate("InterchangeCsv",
                              "Busy lock, compander and scrambler are not in this layout: "
                              "the imported channels have them Off."));
    if (!list.missingColumns.empty()) {
        std::string names;
        for (const auto& n : list.missingColumns)
            names += (names.empty() ? "" : ", ") + n;
        lines.push_back(
            textArg(translate("InterchangeCsv",
                              "The file has no columns %1: the channels got their defaults."),
                    {names}));
    }
    if (!watts.empty())
        lines.push_back(textArg(
            translate("InterchangeCsv", "Power in watts: at most 1 W became Low, more High (%1)."),
            {watts}));
    if (named)
        lines.push_back(translate("InterchangeCsv",
                                  "The radio keeps no channel names or comments: those of the "
                                  "file are not imported."));
    std::string out;
    for (const auto& l : lines)
        out += (out.empty() ? "" : "\n") + l;
    return out;
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
