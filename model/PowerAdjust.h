#pragma once
// Rules of the Power Adjustment dialog: the band's 10 MHz segments, the value
// clamps and the calibration bytes at 0x3E0.. (low, high per segment).

#include "model/Image.h"
#include "model/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio::power {

// Sixteen bytes hold eight segments; a wider band shows only its first eight.
constexpr int kMaxRows = 8;

// Control IDs of the dialog's template.
enum ControlId { IDC_POWER_EDIT = 1033, IDC_POWER_GRID = 1137 };

// Lower edges in whole MHz: the low edge, then each multiple of 10 above it up
// to the high edge, the last dropped when it is a multiple of 10; at most
// eight. 400-480 -> 400..470; 136-174 -> 136, 140, ..., 170, 174.
std::vector<int> segments(int lowMHz, int highMHz);
// The same from band limits in 10 Hz units (divided by 100000).
std::vector<int> segmentsFromLimits(std::int32_t low, std::int32_t high);

// Header texts of columns 1 and 2 ("Low Power\n(5-155)", "High Power\n(100-250)").
std::string lowHeader(const Translate& translate);
std::string highHeader(const Translate& translate);

// A typed value out of range becomes the maximum (below the range too).
int clampLow(int value);  // 5..155, else 155
int clampHigh(int value); // 100..250, else 250
// The editor's text read as a decimal integer (like atoi), then clamped.
int committedLow(const std::string& text);
int committedHigh(const std::string& text);

struct Row {
    int low = 0, high = 0;
};
// Rows 1..rows from the image (rows capped at eight).
std::vector<Row> load(const Image& img, std::size_t rows);
// Stores exactly the given rows (at most eight), low 8 bits of each value.
void store(Image& img, const std::vector<Row>& rows);

} // namespace radio::power
