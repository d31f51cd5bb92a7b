#include "model/Csv.h"

#include "model/CellCommit.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"
#include "model/StringTable.h"

#include <algorithm>

namespace radio {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool isEntry(int column, const std::string& text) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const auto& entries = columnEntries(column, language);
        if (std::find(entries.begin(), entries.end(), text) != entries.end())
            return true;
    }
    return false;
}

// The column keeps the file's own (English) name.
std::string rejection(int channel, int column, const std::string& message,
                      const Translate& translate) {
    return textArg(translate("Csv", "row %1, column %2: %3"),
                   {std::to_string(channel), columnHeaders()[column], message});
}

} // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string tableToCsv(const ChannelTable& table) {
    std::string out;
    for (int r = 0; r < kGridRows; ++r) {
        const auto& row = r == 0 ? columnHeaders() : table[r];
        for (int c = 0; c < kGridCols; ++c) {
            if (c > 0)
                out += ',';
            out += csvField(row[c]);
        }
        out += "\r\n";
    }
    return out;
}

CsvParse parseCsv(const std::string& input) {
    CsvParse result;
    std::size_t i = 0;
    const std::size_t n = input.size();
    if (input.compare(0, 3, "\xEF\xBB\xBF") == 0)
        i = 3;
    int line = 1;
    while (i < n) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            field.clear();
            if (i < n && input[i] == '"') {
                const int openLine = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        result.error =
                            "line " + std::to_string(openLine) + ": a quoted field is not closed";
                        return result;
                    }
                    const char c = input[i++];
                    if (c == '"') {
                        if (i < n && input[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field += c;
                }
                if (i < n && input[i] != ',' && input[i] != '\r' && input[i] != '\n') {
                    result.error = "line " + std::to_string(line) +
                                   ": text after the closing quote of a field";
                    return result;
                }
            } else {
                while (i < n && input[i] != ',' && input[i] != '\r' && input[i] != '\n') {
                    if (input[i] == '"') {
                        result.error =
                            "line " + std::to_string(line) + ": a quote inside an unquoted field";
                        return result;
                    }
                    field += input[i++];
                }
            }
            record.fields.push_back(field);
            if (i < n && input[i] == ',') {
                ++i;
                continue;
            }
            // End of line or of the text.
            if (i < n && input[i] == '\r')
                ++i;
            if (i < n && input[i] == '\n')
                ++i;
            ++line;
            endOfRecord = true;
        }
        const bool blank = record.fields.size() == 1 && record.fields[0].empty();
        if (!blank)
            result.records.push_back(std::move(record));
    }
    result.ok = true;
    return result;
}

CsvParse parseImportCsv(const std::string& text) {
    CsvParse parsed = parseCsv(text);
    if (parsed.ok && parsed.records.empty()) {
        parsed.ok = false;
        parsed.error = "the file is empty; the first line must name the columns";
    }
    return parsed;
}

CsvImport importCsv(const std::string& csvText, const ChannelTable& current, std::int64_t bandLow,
                    std::int64_t bandHigh, const Translate& translate) {
    CsvImport result;
    const CsvParse parsed = parseImportCsv(csvText);
    if (!parsed.ok) {
        result.error = parsed.error;
        return result;
    }

    // Header: which grid column each CSV field feeds.
    const auto& headers = columnHeaders();
    const auto& head = parsed.records[0].fields;
    std::vector<int> columnOf(head.size(), -1);
    std::array<int, kGridCols> fieldOf;
    fieldOf.fill(-1);
    for (std::size_t f = 0; f < head.size(); ++f) {
        const std::string name = trimmed(head[f]);
        const auto it = std::find(headers.begin(), headers.end(), name);
        if (it == headers.end()) {
            result.error = "unknown column " + files::quoted(name) + " in the first line";
            return result;
        }
        const int column = int(it - headers.begin());
        if (fieldOf[column] >= 0) {
            result.error = "column " + files::quoted(name) + " appears twice in the first line";
            return result;
        }
        fieldOf[column] = int(f);
        columnOf[f] = column;
    }
    if (fieldOf[ColChannel] < 0) {
        result.error = "the first line has no \"CH\" column naming the channel of each row";
        return result;
    }

    ChannelTable table = current;
    for (std::size_t r = 1; r < parsed.records.size(); ++r) {
        const CsvRecord& rec = parsed.records[r];
        const std::string where = "line " + std::to_string(rec.line) + ": ";
        if (rec.fields.size() != head.size()) {
            result.error = where + std::to_string(rec.fields.size()) +
                           " fields where the first line has " + std::to_string(head.size());
            return result;
        }
        const std::string chText = trimmed(rec.fields[fieldOf[ColChannel]]);
        const bool digits = !chText.empty() && chText.size() <= 2 &&
                            chText.find_first_not_of("0123456789") == std::string::npos;
        const int channel = digits ? std::stoi(chText) : 0;
        if (channel < 1 || channel > 16) {
            result.error =
                where + "channel " + files::quoted(chText) + " is not a number from 1 to 16";
            return result;
        }
        if (result.listed[channel]) {
            result.error = where + "channel " + chText + " has a second row";
            return result;
        }
        result.listed[channel] = true;

        // The order the grid commits a row in: frequencies first, so a new
        // channel's defaults can be overridden by the list columns.
        auto row = table[channel];
        for (int column = ColRx; column <= ColScrambler; ++column) {
            if (fieldOf[column] < 0)
                continue;
            const std::string& text = rec.fields[fieldOf[column]];
            if (column >= ColDecode) {
                const bool noFrequencies = row[ColRx].empty() && row[ColTx].empty();
                // Nobody sees a drop-down pick its first entry for an unknown text.
                if (!isEntry(column, text) && !(text.empty() && noFrequencies)) {
                    result.refused[channel] = true;
                    result.rejected.push_back(
                        rejection(channel, column,
                                  textArg(translate("Csv", "%1 is not one of the column's entries"),
                                          {files::quoted(text)}),
                                  translate));
                    continue;
                }
            }
            CommitResult commit =
                commitCell(row, column, text, bandLow, bandHigh, Language::English);
            if (commit.message != 0) {
                result.refused[channel] = true;
                result.rejected.push_back(rejection(
                    channel, column,
                    limitMessage(commit.message, text, bandLow, bandHigh, translate), translate));
            }
            row = std::move(commit.row);
        }
        table[channel] = std::move(row);
    }
    result.table = std::move(table);
    result.ok = result.rejected.empty();
    return result;
}

void applyImport(const CsvImport& import, Image& image) {
    Image encoded = image;
    tableToImage(import.table, encoded);
    for (int n = 1; n <= mm::kChannelCount; ++n) {
        if (!import.listed[n] || import.refused[n])
            continue;
        std::copy_n(encoded.begin() + mm::channelOffset(n), mm::kRecordSize,
                    image.begin() + mm::channelOffset(n));
        const mm::Field& scan = n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh;
        const unsigned bit = 1u << ((n - 1) % 8);
        image[scan.offset] =
            std::uint8_t((image[scan.offset] & ~bit) | (encoded[scan.offset] & bit));
    }
}

} // namespace radio
