#include "model/Codecs.h"

#include "model/DataTexts.h"
#include "model/MemoryMap.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace radio {

namespace {

bool isBlank(char c) {
    // The C locale's isspace set; the GUI may change the locale, we must not follow it.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Saturating conversion: a double outside the integer range (or NaN, which
// typed text can never give, but a caller might) must not be undefined behaviour.
std::int64_t truncateToInt64(double x) {
    if (std::isnan(x))
        return 0;
    constexpr double kLimit = 9.2e18;
    if (x >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (x <= -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x); // truncates toward zero
}

std::string formatFixed(double value, int decimals) {
    // Same digits as printf("%.Nf"), but never a locale's decimal comma.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return {};
    return std::string(buf, r.ptr);
}

// The 107 DCS code numbers: octal digits written as a decimal number.
constexpr int kDcsCodes[107] = {
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

constexpr const char* kCtcss[50] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// Code number (octal digits read as decimal) -> 9-bit code value.
int octalValue(int codeNumber) {
    return (codeNumber / 100) * 64 + (codeNumber / 10 % 10) * 8 + codeNumber % 10;
}

bool isStandardCode(long codeNumber) {
    for (int c : kDcsCodes)
        if (c == codeNumber)
            return true;
    return false;
}

// Code number of a 9-bit value, 0 when it is not a standard code.
int codeNumberOf(int value) {
    for (int c : kDcsCodes)
        if (octalValue(c) == value)
            return c;
    return 0;
}

std::string dcsText(int codeNumber, char suffix) {
    const int n = codeNumber % 1000;
    std::string text = "D000";
    text[1] = char('0' + n / 100);
    text[2] = char('0' + n / 10 % 10);
    text[3] = char('0' + n % 10);
    text += suffix;
    return text;
}

// A decimal number: value = mantissa digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros; "0" for zero
    int exponent = 0;
};

// The operand rounded to 15 significant digits, as the decimal type takes a double.
Decimal toDecimal15(double x) {
    Decimal d;
    if (x == 0) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    // d.dddddddddddddde[+-]xx
    for (; p < r.ptr && *p != 'e'; ++p)
        if (isDigit(*p))
            d.digits += *p;
    int e = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, e);
    d.exponent = e - 14;
    return d;
}

// Exact product of two digit strings (schoolbook; portable, no 128-bit type).
std::string multiplyDigits(const std::string& a, const std::string& b) {
    std::vector<int> acc(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;) {
            const std::size_t k = i + j + 1;
            const int sum = acc[k] + (a[i] - '0') * (b[j] - '0');
            acc[k] = sum % 10;
            acc[k - 1] += sum / 10;
        }
    std::string out;
    for (int v : acc)
        if (!(out.empty() && v == 0))
            out += char('0' + v);
    return out.empty() ? "0" : out;
}

// Moves `i` past leading blanks and one sign, as the C conversions do;
// true when that sign is '-'.
bool skipBlanksAndSign(const std::string& text, std::size_t& i) {
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return negative;
}

// A 10 Hz count as four BCD bytes, least significant first; 0 is none.
FreqBytes unitsToBytes(std::int64_t v) {
    if (v == 0)
        return {0xFF, 0xFF, 0xFF, 0xFF};
    FreqBytes out{};
    std::int64_t d = 1000000;
    for (int k = 3; k >= 0; --k) {
        const std::int64_t p = v / d;
        v %= d;
        out[k] = std::uint8_t((p / 10) * 16 + p % 10);
        d /= 100;
    }
    return out;
}

} // namespace

double atofC(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const bool negative = skipBlanksAndSign(text, i);
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            end = j;
        }
    }
    // from_chars rejects a '+' sign; we handle the sign ourselves.
    std::string number = text.substr(start, end - start);
    if (number[0] == '.')
        number.insert(number.begin(), '0');
    double value = 0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the order of magnitude of the text.
        long order = 0;
        const std::size_t dot = number.find('.');
        const std::size_t ePos = number.find_first_of("eE");
        const std::string mant = number.substr(0, ePos);
        const std::size_t intLen = dot == std::string::npos ? mant.size() : dot;
        const std::size_t firstNonZero = mant.find_first_not_of("0.");
        if (firstNonZero == std::string::npos)
            return negative ? -0.0 : 0.0;
        order =
            firstNonZero < intLen ? long(intLen - firstNonZero) - 1 : -long(firstNonZero - intLen);
        if (ePos != std::string::npos) {
            // The exponent may be as large as a long holds: add without overflowing.
            const long exponent = atoiC(number.substr(ePos + 1));
            if (exponent > 0 && order > LONG_MAX - exponent)
                order = LONG_MAX;
            else if (exponent < 0 && order < LONG_MIN - exponent)
                order = LONG_MIN;
            else
                order += exponent;
        }
        value = order > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

long atoiC(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const bool negative = skipBlanksAndSign(text, i);
    // Saturate instead of overflowing: a long digit string must not be undefined behaviour.
    long value = 0;
    for (; i < n && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (!negative) {
            if (value > (LONG_MAX - digit) / 10)
                value = LONG_MAX;
            else
                value = value * 10 + digit;
        } else {
            if (value < (LONG_MIN + digit) / 10)
                value = LONG_MIN;
            else
                value = value * 10 - digit;
        }
    }
    return value;
}

bool isPlainDecimal(const std::string& text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

double DecimalMultiply(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return a * b;
    const Decimal da = toDecimal15(a);
    const Decimal db = toDecimal15(b);
    const std::string digits = multiplyDigits(da.digits, db.digits);
    if (digits == "0")
        return 0.0;
    const std::string text = digits + "e" + std::to_string(da.exponent + db.exponent);
    double value = 0;
    const auto r =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        value = da.exponent + db.exponent > 0 ? HUGE_VAL : 0.0;
    return da.negative != db.negative ? -value : value;
}

std::string FormatFrequency(const FreqBytes& b) {
    return frequencyText(frequencyHz(b));
}

std::int64_t frequencyHz(const FreqBytes& b) {
    if (b[3] == 0x00 || b[3] == 0xFF)
        return 0;
    std::int64_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = v * 100 + (b[k] >> 4) * 10 + (b[k] & 0x0F); // nibbles above 9 count as they are
    return v * 10;
}

FreqBytes frequencyBytes(std::int64_t hz) {
    return unitsToBytes(hz / 10);
}

bool frequencyPresent(std::int64_t hz) {
    const std::uint8_t msb = frequencyBytes(hz)[3];
    return msb != 0x00 && msb != 0xFF;
}

std::string frequencyText(std::int64_t hz) {
    if (hz == 0)
        return {};
    return formatFixed(double(hz / 10) / 100000.0, 5);
}

std::int64_t frequencyTextHz(const std::string& text) {
    const std::int64_t units = frequencyUnits(text);
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / 10;
    return units > kMax ? kMax * 10 : units < -kMax ? -kMax * 10 : units * 10;
}

std::int64_t frequencyUnits(const std::string& text) {
    return truncateToInt64(DecimalMultiply(atofC(text), 100000));
}

std::string formatFrequencyText(const std::string& text) {
    // Format the truncated count the band and raster checks saw: "%3.5f" of
    // the typed number would round 446.006258 up to 446.00626, off the raster.
    const std::int64_t v = frequencyUnits(text);
    const std::uint64_t magnitude = v < 0 ? 0 - std::uint64_t(v) : std::uint64_t(v);
    std::string fraction = std::to_string(magnitude % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return (v < 0 ? "-" : "") + std::to_string(magnitude / 100000) + "." + fraction;
}

FreqBytes ParseFrequency(const std::string& text) {
    return unitsToBytes(frequencyUnits(text));
}

std::string FormatTone(const ToneBytes& lh, bool channelEmpty, Language language) {
    return toneText(toneOf(lh), channelEmpty, language);
}

ToneBytes ParseTone(const std::string& text) {
    return toneBytes(toneFromText(text));
}

Tone toneOf(const ToneBytes& lh) {
    const std::uint8_t lo = lh[0];
    const std::uint8_t hi = lh[1];
    Tone t;
    if (hi == 0x00 || hi == 0xFF)
        return t;
    if (hi == 0x28 || hi == 0x29 || hi == 0xA8 || hi == 0xA9) {
        t.kind = hi & 0x80 ? Tone::Kind::DcsInverted : Tone::Kind::Dcs;
        t.value = (hi & 0x01) * 256 + lo;
        return t;
    }
    t.kind = Tone::Kind::Ctcss;
    t.value = hi * 256 + lo;
    return t;
}

ToneBytes toneBytes(const Tone& tone) {
    switch (tone.kind) {
    case Tone::Kind::None:
        return {0xFF, 0xFF};
    case Tone::Kind::Dcs:
    case Tone::Kind::DcsInverted: {
        const std::uint8_t base = tone.kind == Tone::Kind::Dcs ? 0x28 : 0xA8;
        return {std::uint8_t(tone.value & 0xFF), std::uint8_t(base | ((tone.value >> 8) & 1))};
    }
    case Tone::Kind::Ctcss:
        break;
    }
    return {std::uint8_t(tone.value % 256), std::uint8_t(tone.value / 256)};
}

std::string toneText(const Tone& tone, bool channelEmpty, Language language) {
    switch (tone.kind) {
    case Tone::Kind::None:
        return channelEmpty ? std::string() : toneList(language)[0];
    case Tone::Kind::Dcs:
        return dcsText(codeNumberOf(int(tone.value)), 'N');
    case Tone::Kind::DcsInverted:
        return dcsText(codeNumberOf(int(tone.value)), 'I');
    case Tone::Kind::Ctcss:
        break;
    }
    return formatFixed(double(tone.value) / 10.0, 1);
}

Tone toneFromText(const std::string& text) {
    Tone t;
    if (text.find('D') != std::string::npos) {
        const long n = atoiC(text.substr(1));
        t.kind = text.find('N') != std::string::npos ? Tone::Kind::Dcs : Tone::Kind::DcsInverted;
        // A code the radio does not offer keeps only the half of the list it names.
        t.value = isStandardCode(n) ? octalValue(int(n)) : n < 372 ? 0 : 256;
        return t;
    }
    const std::int64_t w = truncateToInt64(DecimalMultiply(atofC(text), 10));
    if (w != 0) {
        t.kind = Tone::Kind::Ctcss;
        t.value = w;
    }
    return t;
}

const std::vector<std::string>& toneList(Language language) {
    static const auto build = [](Language lang) {
        std::vector<std::string> list;
        list.reserve(kToneCount);
        list.push_back(data::text(data::None, lang));
        for (const char* t : kCtcss)
            list.emplace_back(t);
        for (int c : kDcsCodes)
            list.push_back(dcsText(c, 'N'));
        for (int c : kDcsCodes)
            list.push_back(dcsText(c, 'I'));
        return list;
    };
    static const std::vector<std::string> english = build(Language::English);
    static const std::vector<std::string> chinese = build(Language::Chinese);
    return language == Language::Chinese ? chinese : english;
}

} // namespace radio
