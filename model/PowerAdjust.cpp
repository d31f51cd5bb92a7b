#include "model/PowerAdjust.h"

#include "model/Codecs.h"
#include "model/MemoryMap.h"

#include <algorithm>

namespace radio::power {

namespace {

constexpr int kLowMin = 5, kLowMax = 155;
constexpr int kHighMin = 100, kHighMax = 250;
constexpr int kUnitsPerMHz = 100000;

int toInt(long value) {
    return int(std::clamp<long>(value, -2147483647L - 1, 2147483647L));
}

} // namespace

std::vector<int> segments(int lowMHz, int highMHz) {
    std::vector<int> edges{lowMHz};
    int v = lowMHz;
    bool reachedTop = v >= highMHz;
    // Ten edges are enough to know the capped result; a huge band stops early.
    while (!reachedTop && edges.size() < kMaxRows + 2) {
        const long next = long(v) + 10 - (v % 10);
        v = next >= highMHz ? highMHz : int(next);
        edges.push_back(v);
        reachedTop = v >= highMHz;
    }
    if (reachedTop && edges.back() % 10 == 0)
        edges.pop_back();
    if (edges.size() > kMaxRows)
        edges.resize(kMaxRows);
    return edges;
}

std::vector<int> segmentsFromLimits(std::int32_t low, std::int32_t high) {
    return segments(low / kUnitsPerMHz, high / kUnitsPerMHz);
}

std::string lowHeader(const Translate& translate) {
    return translate("PowerAdjust", "Low Power\n(5-155)");
}

std::string highHeader(const Translate& translate) {
    return translate("PowerAdjust", "High Power\n(100-250)");
}

int clampLow(int value) {
    return value > kLowMax || value < kLowMin ? kLowMax : value;
}

int clampHigh(int value) {
    return value > kHighMax || value < kHighMin ? kHighMax : value;
}

int committedLow(const std::string& text) {
    return clampLow(toInt(atoiC(text)));
}

int committedHigh(const std::string& text) {
    return clampHigh(toInt(atoiC(text)));
}

std::vector<Row> load(const Image& img, std::size_t rows) {
    rows = std::min<std::size_t>(rows, kMaxRows);
    std::vector<Row> result(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        result[r].low = img[mm::PowerAdjust.offset + 2 * r];
        result[r].high = img[mm::PowerAdjust.offset + 2 * r + 1];
    }
    return result;
}

void store(Image& img, const std::vector<Row>& rows) {
    const std::size_t n = std::min<std::size_t>(rows.size(), kMaxRows);
    for (std::size_t r = 0; r < n; ++r) {
        img[mm::PowerAdjust.offset + 2 * r] = std::uint8_t(rows[r].low & 0xFF);
        img[mm::PowerAdjust.offset + 2 * r + 1] = std::uint8_t(rows[r].high & 0xFF);
    }
}

} // namespace radio::power
