#include "model/ConfigText.h"

#include "model/Band.h"
#include "model/CellCommit.h"
#include "model/Channel.h"
#include "model/ChannelTable.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"
#include "model/ParamAdjust.h"
#include "model/PowerAdjust.h"
#include "model/RadioSettings.h"
#include "model/SafeFile.h"
#include "model/StringTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <functional>
#include <optional>

namespace radio::conftext {

Node Node::scalar(std::string key, std::string text) {
    Node n;
    n.key = std::move(key);
    n.text = std::move(text);
    return n;
}

Node Node::map(std::string key) {
    Node n;
    n.kind = Kind::Map;
    n.key = std::move(key);
    return n;
}

Node& Node::add(Node child) {
    items.push_back(std::move(child));
    return items.back();
}

const Node* Node::find(const std::string& name) const {
    for (const Node& child : items)
        if (child.key == name)
            return &child;
    return nullptr;
}

namespace {

// Bits of the image one value of the text stands for.
struct Span {
    std::uint16_t offset;
    std::uint16_t size;
    std::uint8_t mask;
};

Span spanOf(const mm::Field& f) {
    return {f.offset, f.size, f.mask};
}
Span recordSpan(int channel, const mm::Field& f) {
    return {std::uint16_t(mm::channelOffset(channel) + f.offset), f.size, f.mask};
}

// Which bits of each byte a value of the text stands for; the rest are
// written as "other bytes".
using Coverage = std::array<std::uint8_t, kImageSize>;

void cover(Coverage& covered, const Span& s) {
    for (std::uint16_t i = 0; i < s.size; ++i)
        covered[s.offset + i] |= s.mask;
}

bool sameBits(const Image& a, const Image& b, const Span& s) {
    for (std::uint16_t i = 0; i < s.size; ++i)
        if ((a[s.offset + i] ^ b[s.offset + i]) & s.mask)
            return false;
    return true;
}

std::string hexByte(unsigned b) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X", b & 0xFFu);
    return buf;
}

std::string rowName(std::size_t offset) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%03X", unsigned(offset));
    return buf;
}

// The bits of a value as bytes in address order, "25 06 60 44".
std::string hexOf(const Image& img, const Span& s) {
    std::string out;
    for (std::uint16_t i = 0; i < s.size; ++i)
        out += (i ? " " : "") + hexByte(img[s.offset + i] & s.mask);
    return out;
}

// "25 06 60 44" -> bytes; false unless every token is two hex digits.
bool parseHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string token = text.substr(i, end - i);
        if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
            !std::isxdigit(static_cast<unsigned char>(token[1])))
            return false;
        bytes.push_back(std::uint8_t(std::stoul(token, nullptr, 16)));
        i = end;
    }
    return true;
}

constexpr const char* kHex = "hex";

Node hexNode(const std::string& key, const Image& img, const Span& s) {
    Node n = Node::map(key);
    n.inlined = true;
    n.add(Node::scalar(kHex, hexOf(img, s)));
    return n;
}

bool isHexNode(const Node& n) {
    return n.kind == Node::Kind::Map && n.items.size() == 1 && n.items[0].key == kHex;
}

// ---------------------------------------------------------------- channels

// The channel's values in the order the grid shows them.
constexpr std::array<const char*, 10> kChannelKeys = {"rx",      "tx",       "decode",    "encode",
                                                      "power",   "scan_add", "busy_lock", "width",
                                                      "compand", "scrambler"};

std::array<Span, 10> channelSpans(int n) {
    const mm::Field& scan = n <= 8 ? mm::ScanAddLow : mm::ScanAddHigh;
    return {recordSpan(n, mm::rec::RxFrequency),
            recordSpan(n, mm::rec::TxFrequency),
            recordSpan(n, mm::rec::RxTone),
            recordSpan(n, mm::rec::TxTone),
            recordSpan(n, mm::rec::Power),
            Span{scan.offset, 1, std::uint8_t(1u << ((n - 1) % 8))},
            recordSpan(n, mm::rec::BusyLock),
            recordSpan(n, mm::rec::Width),
            recordSpan(n, mm::rec::CompanderOff),
            recordSpan(n, mm::rec::Scrambler)};
}

std::array<std::string*, 10> textFields(ChannelTexts& t) {
    return {&t.rx,      &t.tx,       &t.decode, &t.encode,  &t.power,
            &t.scanAdd, &t.busyLock, &t.width,  &t.compand, &t.scrambler};
}

// An empty channel stands for its frequencies and tones only: the radio
// skips it, so its list bits are kept among the other bytes.
Span emptyChannelSpan(int n) {
    return {mm::channelOffset(n), 12, 0xFF};
}
constexpr const char* kEmpty = "empty";

// ---------------------------------------------------------------- settings

// The radio-wide settings by the dialog that shows them; model and band
// are written on their own, by index and name.
struct Section {
    settings::Group group;
    const char* key;
};
constexpr std::array<Section, 3> kSections = {{
    {settings::Group::OptionalFeatures, "optional_features"},
    {settings::Group::ScanInfo, "scan_info"},
    {settings::Group::ParamAdjust, "calibration"},
}};

// The calibration bytes, one value each, valid when its dialog would keep
// the value typed as it is (a value out of range it replaces).
struct Calibration {
    std::string key;
    std::uint16_t offset;
    std::function<int(const std::string&)> committed;
};
struct CalibrationTable {
    const char* key;
    std::vector<Calibration> values;
};

const std::array<CalibrationTable, 2>& calibrationTables() {
    static const std::array<CalibrationTable, 2> tables = [] {
        std::array<CalibrationTable, 2> t{{{"power_adjust", {}}, {"param_adjust", {}}}};
        for (int r = 0; r < power::kMaxRows; ++r) {
            const auto at = std::uint16_t(mm::PowerAdjust.offset + 2 * r);
            t[0].values.push_back({"low_" + std::to_string(r + 1), at, power::committedLow});
            t[0].values.push_back(
                {"high_" + std::to_string(r + 1), std::uint16_t(at + 1), power::committedHigh});
        }
        for (int row = 1; row <= param::kRows; ++row)
            for (int col = 0; col < param::kCols; ++col)
                t[1].values.push_back(
                    {"row_" + std::to_string(row) + (col ? "_compand_on" : "_compand_off"),
                     std::uint16_t(mm::ParamAdjust.offset + (row - 1) * param::kCols + col),
                     [row](const std::string& text) { return param::committedValue(row, text); }});
        return t;
    }();
    return tables;
}

bool validCalibration(const Calibration& c, const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           text.find_first_not_of("0123456789") == std::string::npos &&
           c.committed(text) == std::stoi(text);
}

// ---------------------------------------------------------------- export

struct Exporter {
    const Image& image;
    const check::Settings& settings;
    std::vector<check::Problem> problems;
    Coverage covered{};

    bool flagged(int channel, int column) const {
        return std::any_of(problems.begin(), problems.end(), [&](const check::Problem& p) {
            return p.channel == channel && p.gridColumn == column;
        });
    }

    Node channel(int n) {
        const std::string key = std::to_string(n);
        if (mm::channelEmpty(image, n)) {
            const Span s = emptyChannelSpan(n);
            cover(covered, s);
            Image erased = image;
            for (std::uint16_t i = 0; i < s.size; ++i)
                erased[s.offset + i] = 0xFF;
            return sameBits(image, erased, s) ? Node::scalar(key, kEmpty) : hexNode(key, image, s);
        }
        ChannelTexts texts = channelTexts(readChannel(image, n), Language::English);
        Image again = image;
        writeChannel(again, n, channelFromTexts(texts));
        const auto spans = channelSpans(n);
        const auto fields = textFields(texts);
        Node out = Node::map(key);
        for (std::size_t i = 0; i < spans.size(); ++i) {
            cover(covered, spans[i]);
            // A value the grid shows but would store otherwise, or one the
            // editors would refuse, is kept as its bits.
            if (!sameBits(image, again, spans[i]) || flagged(n, int(i) + ColRx))
                out.add(hexNode(kChannelKeys[i], image, spans[i]));
            else
                out.add(Node::scalar(kChannelKeys[i], *fields[i]));
        }
        return out;
    }

    // Model and band by index and name when the settings file names a band
    // a channel can hold; else their bytes.
    void product(Node& root) {
        const unsigned type = mm::get(image, mm::ModelType);
        const unsigned band = mm::get(image, mm::BandIndex);
        cover(covered, spanOf(mm::ModelType));
        cover(covered, spanOf(mm::BandIndex));
        const check::Product* product =
            settings.found && type < settings.products.size() ? &settings.products[type] : nullptr;
        const std::string* bandText =
            product && band < product->bands.size() ? &product->bands[band] : nullptr;
        if (!product) {
            root.add(hexNode("model", image, spanOf(mm::ModelType)));
        } else {
            Node& m = root.add(Node::map("model"));
            m.add(Node::scalar("index", std::to_string(type)));
            m.add(Node::scalar("name", product->model));
        }
        if (!bandText || bandText->empty() || !bandDefect(*bandText, untranslated()).empty()) {
            root.add(hexNode("band", image, spanOf(mm::BandIndex)));
        } else {
            Node& b = root.add(Node::map("band"));
            b.add(Node::scalar("index", std::to_string(band)));
            b.add(Node::scalar("name", *bandText));
        }
    }

    bool flagged(const settings::Setting& s) const {
        return std::any_of(problems.begin(), problems.end(), [&](const check::Problem& p) {
            return p.channel == 0 && p.column == s.label;
        });
    }

    Node section(const Section& section) {
        Node out = Node::map(section.key);
        for (const settings::Setting* s : settings::ofGroup(section.group)) {
            const Span span = spanOf(s->field);
            cover(covered, span);
            const auto value = s->value(image, Language::English);
            // Kept as its bits unless the dialog would show it and store it
            // back as it is, whatever the bits were before, and the checks
            // the dialog makes pass. (A priority channel the dialog does not
            // show is kept as its bits.)
            Image again = image;
            for (std::uint16_t i = 0; i < span.size; ++i)
                again[span.offset + i] ^= span.mask;
            if (value && !flagged(*s) && s->store(again, *value) && sameBits(image, again, span))
                out.add(Node::scalar(s->key, *value));
            else
                out.add(hexNode(s->key, image, span));
        }
        if (section.group == settings::Group::ParamAdjust)
            calibration(out);
        return out;
    }

    void calibration(Node& section) {
        for (const CalibrationTable& table : calibrationTables()) {
            Node& out = section.add(Node::map(table.key));
            for (const Calibration& c : table.values) {
                const Span span{c.offset, 1, 0xFF};
                cover(covered, span);
                const std::string value = std::to_string(image[c.offset]);
                out.add(validCalibration(c, value) ? Node::scalar(c.key, value)
                                                   : hexNode(c.key, image, span));
            }
        }
    }

    // Every bit no value stands for, by rows of 16 bytes: ".." for a byte
    // the values above give whole, else the byte with their bits as 0.
    Node otherBytes() const {
        Node out = Node::map("other_bytes");
        for (std::size_t row = 0; row < kImageSize; row += 16) {
            std::string line;
            bool any = false;
            for (std::size_t i = row; i < row + 16; ++i) {
                const bool whole = covered[i] == 0xFF;
                any = any || !whole;
                line += (i > row ? " " : "") +
                        (whole ? std::string("..") : hexByte(image[i] & ~covered[i]));
            }
            if (any)
                out.add(Node::scalar(rowName(row), line));
        }
        return out;
    }
};

// ---------------------------------------------------------------- import

struct Importer {
    Importer(const check::Settings& s, const Translate& t) : settings(s), translate(t) {}

    const check::Settings& settings;
    const Translate& translate;
    std::vector<Problem> problems;
    Image image{};
    Coverage covered{};
    // What channels may hold: the band, or without one the frequencies a
    // record can store (the raster is checked either way).
    BandLimits band{std::int32_t(kMinStoredUnits), std::int32_t(kMaxStoredUnits)};
    // Lines of the values written as settings, for the checks run on the
    // whole image at the end; a value given as its bytes is taken as it is.
    std::vector<std::pair<int, int>> channelLines; // (channel * 16 + column) -> line
    std::vector<std::pair<std::string, int>> settingLines;

    void problem(int line, std::string message) { problems.push_back({line, std::move(message)}); }

    // The entry `key` of `map`, reported missing (at the map's line) when absent.
    const Node* need(const Node& map, const char* key) {
        const Node* n = map.find(key);
        if (!n)
            problem(map.line,
                    textArg(translate("ConfigText", "%1 is missing"), {qualified(map, key)}));
        return n;
    }
    static std::string qualified(const Node& map, const std::string& key) {
        return map.key.empty() ? key : map.key + "." + key;
    }
    // Every entry of `map` must be one of `known`.
    void onlyKnown(const Node& map, const std::vector<std::string>& known) {
        for (const Node& child : map.items)
            if (std::find(known.begin(), known.end(), child.key) == known.end())
                problem(child.line,
                        textArg(translate("ConfigText", "%1 is no name this format knows"),
                                {files::quoted(qualified(map, child.key))}));
    }
    bool isMap(const Node& n) {
        if (n.kind == Node::Kind::Map)
            return true;
        problem(n.line, textArg(translate("ConfigText", "%1 must hold named values"),
                                {files::quoted(n.key)}));
        return false;
    }
    // A scalar's text, or a problem.
    const std::string* text(const Node& n) {
        if (n.kind == Node::Kind::Scalar)
            return &n.text;
        problem(n.line, textArg(translate("ConfigText", "%1 must be a single value"),
                                {files::quoted(n.key)}));
        return nullptr;
    }
    // {hex: ...} taken as it stands: as many bytes as the value has, no bit
    // outside the value's own.
    bool takeHex(const Node& n, const Span& s) {
        std::vector<std::uint8_t> bytes;
        const Node& h = n.items[0];
        if (h.kind != Node::Kind::Scalar || !parseHexBytes(h.text, bytes) ||
            bytes.size() != s.size) {
            problem(n.line,
                    textArg(translate("ConfigText", "%1: the bytes must be %2 pairs of hex digits"),
                            {n.key, std::to_string(s.size)}));
            return false;
        }
        for (std::uint16_t i = 0; i < s.size; ++i) {
            if (bytes[i] & ~s.mask) {
                problem(n.line, textArg(translate("ConfigText",
                                                  "%1: %2 sets bits outside the value's own (%3)"),
                                        {n.key, hexByte(bytes[i]), hexByte(s.mask)}));
                return false;
            }
            std::uint8_t& b = image[s.offset + i];
            b = std::uint8_t((b & ~s.mask) | bytes[i]);
        }
        return true;
    }
    bool number(const Node& n, unsigned high, unsigned& value) {
        const std::string* t = text(n);
        if (!t)
            return false;
        if (t->empty() || t->size() > 3 ||
            t->find_first_not_of("0123456789") != std::string::npos || std::stoul(*t) > high) {
            problem(n.line,
                    textArg(translate("ConfigText", "%1: %2 is not a whole number from 0 to %3"),
                            {n.key, files::quoted(*t), std::to_string(high)}));
            return false;
        }
        value = unsigned(std::stoul(*t));
        return true;
    }

    // False when the file is of a newer format: nothing else is read then.
    bool format(const Node& root) {
        const Node* f = need(root, "format");
        unsigned version = 0;
        if (!f || !number(*f, 999, version))
            return f != nullptr;
        if (version > unsigned(kFormatVersion)) {
            problem(f->line,
                    textArg(translate("ConfigText",
                                      "the text is of format %1, written by a newer program; "
                                      "this program reads format %2 and older"),
                            {std::to_string(version), std::to_string(kFormatVersion)}));
            return false;
        }
        if (version == 0)
            problem(f->line, translate("ConfigText", "format 0 does not exist"));
        return true;
    }

    // Index and name must agree with the settings file when there is one.
    void product(const Node& root) {
        const Node* m = need(root, "model");
        const Node* b = need(root, "band");
        std::optional<unsigned> model;
        if (m) {
            cover(covered, spanOf(mm::ModelType));
            if (isHexNode(*m))
                takeHex(*m, spanOf(mm::ModelType));
            else if (isMap(*m))
                model = namedEntry(*m, settings.products.size(), mm::ModelType,
                                   [this](unsigned i) { return settings.products[i].model; });
        }
        if (!b)
            return;
        cover(covered, spanOf(mm::BandIndex));
        if (isHexNode(*b)) {
            takeHex(*b, spanOf(mm::BandIndex));
            return;
        }
        if (!isMap(*b))
            return;
        if (!model) {
            if (m && !isHexNode(*m))
                return; // the model's own problem says it
            problem(b->line, translate("ConfigText", "a band by name needs a model by name"));
            return;
        }
        const check::Product* product = settings.found ? &settings.products[*model] : nullptr;
        const auto index = namedEntry(*b, product ? product->bands.size() : 0, mm::BandIndex,
                                      [product](unsigned i) { return product->bands[i]; });
        if (!index || !product)
            return;
        const std::string& text = product->bands[*index];
        const std::string defect = bandDefect(text, translate);
        if (!defect.empty() || text.empty())
            problem(b->line,
                    textArg(translate("ConfigText", "the band %1 cannot be used: %2"),
                            {files::quoted(text),
                             text.empty() ? translate("ConfigCheck", "it is empty") : defect}));
        else
            band = bandLimits(text);
    }

    // An {index, name} entry, stored when taken. With a settings file the
    // index must be in its list and the name the one listed there.
    std::optional<unsigned> namedEntry(const Node& n, std::size_t count, const mm::Field& field,
                                       const std::function<std::string(unsigned)>& nameAt) {
        onlyKnown(n, {"index", "name"});
        const Node* index = need(n, "index");
        const Node* name = need(n, "name");
        unsigned i = 0;
        if (!index || !name || !number(*index, 254, i) || !text(*name))
            return std::nullopt;
        if (settings.found && i >= count) {
            problem(index->line,
                    textArg(translate("ConfigText", "%1: the settings file lists no entry %2"),
                            {n.key, std::to_string(i)}));
            return std::nullopt;
        }
        if (settings.found && nameAt(i) != name->text) {
            problem(
                name->line,
                textArg(translate("ConfigText", "%1: entry %2 of the settings file is %3, not %4"),
                        {n.key, std::to_string(i), files::quoted(nameAt(i)),
                         files::quoted(name->text)}));
            return std::nullopt;
        }
        mm::set(image, field, i);
        return i;
    }

    void channels(const Node& root) {
        const Node* list = need(root, "channels");
        if (!list || !isMap(*list))
            return;
        std::vector<std::string> numbers;
        for (int n = 1; n <= mm::kChannelCount; ++n)
            numbers.push_back(std::to_string(n));
        onlyKnown(*list, numbers);
        for (int n = 1; n <= mm::kChannelCount; ++n)
            if (const Node* c = need(*list, numbers[n - 1].c_str()))
                channel(*c, n);
    }

    void channel(const Node& c, int n) {
        const Span whole = emptyChannelSpan(n);
        if (c.kind == Node::Kind::Scalar) {
            cover(covered, whole);
            if (c.text != kEmpty)
                problem(c.line,
                        textArg(translate("ConfigText",
                                          "channel %1: %2 is neither \"empty\" nor a channel's "
                                          "values"),
                                {c.key, files::quoted(c.text)}));
            for (std::uint16_t i = 0; i < whole.size; ++i)
                image[whole.offset + i] = 0xFF;
            return;
        }
        if (isHexNode(c)) {
            cover(covered, whole);
            takeHex(c, whole);
            return;
        }
        if (!isMap(c))
            return;
        onlyKnown(c, {kChannelKeys.begin(), kChannelKeys.end()});
        const auto spans = channelSpans(n);
        ChannelTexts texts;
        const auto fields = textFields(texts);
        std::vector<std::pair<const Node*, Span>> raw;
        bool ok = true;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            cover(covered, spans[i]);
            const Node* v = need(c, kChannelKeys[i]);
            if (!v) {
                ok = false;
            } else if (isHexNode(*v)) {
                raw.emplace_back(v, spans[i]);
            } else if (const std::string* t = text(*v)) {
                ok = channelValue(*v, n, int(i) + ColRx, *t) && ok;
                *fields[i] = *t;
                channelLines.emplace_back(n * 16 + int(i) + ColRx, v->line);
            } else {
                ok = false;
            }
        }
        if (!ok)
            return;
        writeChannel(image, n, channelFromTexts(texts));
        for (const auto& [node, span] : raw)
            takeHex(*node, span);
    }

    // A channel's value checked as its grid cell checks a typed one.
    bool channelValue(const Node& v, int n, int column, const std::string& t) {
        std::string reason;
        if (column == ColRx || column == ColTx) {
            const int rule = isPlainDecimal(t)
                                 ? frequencyRule(frequencyUnits(t), band.low, band.high)
                                 : int(IDS_OUT_OF_RANGE);
            if (!isPlainDecimal(t))
                reason = translate("ConfigText", "not a frequency in MHz");
            else if (rule != 0)
                reason = limitMessage(rule, t, band.low, band.high, translate);
        } else {
            const auto& entries = column == ColDecode || column == ColEncode
                                      ? toneList(Language::English)
                                      : columnEntries(column, Language::English);
            if (std::find(entries.begin(), entries.end(), t) == entries.end())
                reason = translate("ConfigCheck", "not one of the list's entries");
        }
        if (reason.empty())
            return true;
        problem(v.line, textArg(translate("ConfigCheck", "Channel %1, %2, %3: %4"),
                                {std::to_string(n), v.key, files::quoted(t), reason}));
        return false;
    }

    void section(const Node& root, const Section& section) {
        const Node* values = need(root, section.key);
        if (!values || !isMap(*values))
            return;
        std::vector<std::string> keys;
        for (const settings::Setting* s : settings::ofGroup(section.group))
            keys.push_back(s->key);
        if (section.group == settings::Group::ParamAdjust)
            for (const CalibrationTable& table : calibrationTables())
                keys.push_back(table.key);
        onlyKnown(*values, keys);
        // In the dialog's order: a setting whose choices follow another one
        // (the revert channel follows the priority) comes after it.
        for (const settings::Setting* s : settings::ofGroup(section.group)) {
            const Span span = spanOf(s->field);
            cover(covered, span);
            const Node* v = need(*values, s->key);
            if (!v)
                continue;
            if (isHexNode(*v)) {
                takeHex(*v, span);
                continue;
            }
            const std::string* t = text(*v);
            if (!t)
                continue;
            if (s->store(image, *t)) {
                settingLines.emplace_back(translate("Diff", s->label), v->line);
                continue;
            }
            std::string choices;
            for (const std::string& e : s->entries(image, Language::English))
                choices += (choices.empty() ? "" : ", ") + e;
            problem(v->line,
                    textArg(choices.empty() ? translate("ConfigText", "%1: %2: %3")
                                            : translate("ConfigText", "%1: %2: %3 (one of %4)"),
                            {s->key, files::quoted(*t), settings::notValid(translate), choices}));
        }
        if (section.group == settings::Group::ParamAdjust)
            calibration(*values);
    }

    void calibration(const Node& section) {
        for (const CalibrationTable& table : calibrationTables()) {
            const Node* values = need(section, table.key);
            if (!values || !isMap(*values))
                continue;
            std::vector<std::string> keys;
            for (const Calibration& c : table.values)
                keys.push_back(c.key);
            onlyKnown(*values, keys);
            for (const Calibration& c : table.values) {
                const Span span{c.offset, 1, 0xFF};
                cover(covered, span);
                const Node* v = need(*values, c.key.c_str());
                if (v && isHexNode(*v)) {
                    takeHex(*v, span);
                } else if (const std::string* t = v ? text(*v) : nullptr) {
                    if (validCalibration(c, *t))
                        image[c.offset] = std::uint8_t(std::stoi(*t));
                    else
                        problem(v->line,
                                textArg(translate("ConfigText", "%1: %2: %3"),
                                        {c.key, files::quoted(*t), settings::notValid(translate)}));
                }
            }
        }
    }

    // What the window checks on the whole configuration (a priority channel
    // that must be programmed, ...), at the line of the value it concerns;
    // values given as bytes, and those refused already, are not checked.
    void wholeChecks(const check::Settings& all) {
        for (const check::Problem& p : check::checkConfiguration(image, all, translate)) {
            int line = 0;
            if (p.channel > 0) {
                for (const auto& [where, at] : channelLines)
                    if (where == p.channel * 16 + p.gridColumn)
                        line = at;
            } else {
                for (const auto& [label, at] : settingLines)
                    if (label == p.column)
                        line = at;
            }
            if (line > 0)
                problem(line, check::describe(p, translate));
        }
    }

    // The bits no value stands for. A named value wins over bits the row
    // also gives, so a channel written anew needs no change of its row.
    void otherBytes(const Node& root) {
        const Node* rows = need(root, "other_bytes");
        if (!rows || !isMap(*rows))
            return;
        std::vector<std::string> expected;
        for (std::size_t row = 0; row < kImageSize; row += 16) {
            const bool any = std::any_of(covered.begin() + std::ptrdiff_t(row),
                                         covered.begin() + std::ptrdiff_t(row + 16),
                                         [](std::uint8_t c) { return c != 0xFF; });
            if (any)
                expected.push_back(rowName(row));
        }
        onlyKnown(*rows, expected);
        for (const std::string& name : expected) {
            const Node* r = need(*rows, name.c_str());
            const std::string* t = r ? text(*r) : nullptr;
            if (t)
                otherRow(*r, std::stoul(name, nullptr, 16), *t);
        }
    }

    void otherRow(const Node& r, std::size_t row, const std::string& t) {
        std::vector<std::string> tokens;
        for (std::size_t i = 0; i < t.size();) {
            const std::size_t end = std::min(t.find(' ', i), t.size());
            if (end > i)
                tokens.push_back(t.substr(i, end - i));
            i = end + 1;
        }
        if (tokens.size() != 16) {
            problem(r.line, textArg(translate("ConfigText",
                                              "%1: a row holds 16 bytes (hex, or .. for a byte the "
                                              "values give whole)"),
                                    {r.key}));
            return;
        }
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t at = row + i;
            std::vector<std::uint8_t> b;
            if (tokens[i] == ".." && covered[at] == 0xFF)
                continue;
            if (tokens[i] == ".." || !parseHexBytes(tokens[i], b) || b.size() != 1) {
                problem(r.line,
                        textArg(translate("ConfigText", "%1: byte %2 must be two hex digits"),
                                {r.key, rowName(at)}));
                return;
            }
            image[at] = std::uint8_t((image[at] & covered[at]) | (b[0] & ~covered[at]));
        }
    }
};

} // namespace

Node exportTree(const Image& image, const check::Settings& settings) {
    Exporter out{image, settings, check::checkConfiguration(image, settings, untranslated()), {}};
    Node root = Node::map();
    root.add(Node::scalar("format", std::to_string(kFormatVersion)));
    out.product(root);
    Node& channels = root.add(Node::map("channels"));
    for (int n = 1; n <= mm::kChannelCount; ++n)
        channels.add(out.channel(n));
    for (const Section& section : kSections)
        root.add(out.section(section));
    root.add(out.otherBytes());
    return root;
}

ImportResult importTree(const Node& root, const check::Settings& settings,
                        const Translate& translate) {
    Importer in(settings, translate);
    ImportResult result;
    std::vector<std::string> known = {"format", "model", "band", "channels", "other_bytes"};
    for (const Section& section : kSections)
        known.push_back(section.key);
    in.onlyKnown(root, known);
    if (in.format(root)) {
        in.product(root);
        in.channels(root);
        for (const Section& section : kSections)
            in.section(root, section);
        in.otherBytes(root);
        if (in.problems.empty())
            in.wholeChecks(settings);
    }
    std::stable_sort(in.problems.begin(), in.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    result.problems = std::move(in.problems);
    result.ok = result.problems.empty();
    if (result.ok)
        result.image = in.image;
    return result;
}

std::vector<std::string> problemLines(const std::string& fileName,
                                      const std::vector<Problem>& problems) {
    std::vector<std::string> lines;
    for (const Problem& p : problems)
        lines.push_back(files::printable(fileName, std::string::npos) + ":" +
                        (p.line > 0 ? std::to_string(p.line) + ":" : std::string()) + " " +
                        files::printable(p.message, std::string::npos));
    return lines;
}

} // namespace radio::conftext
