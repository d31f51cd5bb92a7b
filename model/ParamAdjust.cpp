#include "model/ParamAdjust.h"

#include "model/MemoryMap.h"

#include <cerrno>
#include <cstdlib>

namespace radio::param {

namespace {

struct Range {
    int min, max, fallback;
};

Range rangeOf(ControlId editor) {
    switch (editor) {
    case IDC_LIST_1_TO_7:
        return {1, 7, 1};
    case IDC_LIST_0_TO_7:
        return {0, 7, 0};
    default:
        return {0, 255, 0};
    }
}

bool validRow(int row) {
    return row >= 1 && row <= kRows;
}

std::size_t byteIndex(int row, int column) {
    return mm::ParamAdjust.offset + std::size_t(2 * (row - 1) + (column - 1));
}

} // namespace

std::string rowLabel(int row, const Translate& translate) {
    static const char* const english[kRows] = {
        RADIO_TEXT("ParamAdjust", "Audio inpput"), RADIO_TEXT("ParamAdjust", "Audio output"),
        RADIO_TEXT("ParamAdjust", "MIC output"), RADIO_TEXT("ParamAdjust", "MOD output"),
        RADIO_TEXT("ParamAdjust", "Limit")};
    if (!validRow(row))
        return std::string();
    return translate("ParamAdjust", english[row - 1]);
}

std::string columnHead(int column, const Translate& translate) {
    if (column == 1)
        return translate("ParamAdjust", "Compnad Off");
    if (column == 2)
        return translate("ParamAdjust", "Compand On");
    return std::string();
}

std::string formatString(const Translate& translate) {
    return "|" + columnHead(1, translate) + "|" + columnHead(2, translate);
}

ControlId editorForRow(int row) {
    if (row == 2 || row == 4)
        return IDC_LIST_1_TO_7;
    if (row == 1 || row == 3)
        return IDC_LIST_0_TO_7;
    return IDC_LIMIT_EDIT;
}

const std::vector<std::string>& listEntries(ControlId list) {
    static const std::vector<std::string> oneToSeven{"1", "2", "3", "4", "5", "6", "7"};
    static const std::vector<std::string> zeroToSeven{"0", "1", "2", "3", "4", "5", "6", "7"};
    static const std::vector<std::string> none;
    if (list == IDC_LIST_1_TO_7)
        return oneToSeven;
    if (list == IDC_LIST_0_TO_7)
        return zeroToSeven;
    return none;
}

int committedValue(int row, const std::string& text) {
    const Range r = rangeOf(editorForRow(row));
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    // Leading blanks and trailing text are tolerated as a decimal read would;
    // no digits at all is a failed read.
    if (end == begin || errno == ERANGE || value < r.min || value > r.max)
        return r.fallback;
    return int(value);
}

Values load(const Image& img) {
    Values v;
    for (int row = 1; row <= kRows; ++row) {
        for (int col = 1; col <= kCols; ++col) {
            int value = img[byteIndex(row, col)];
            if ((row == 1 || row == 3) && value > 7)
                value = 0;
            else if ((row == 2 || row == 4) && (value > 7 || value == 0))
                value = 1;
            v.cell[std::size_t(row - 1)][std::size_t(col - 1)] = value;
        }
    }
    v.deEmphasis = mm::get(img, mm::DeEmphasis) != 0;
    v.preEmphasis = mm::get(img, mm::PreEmphasis) != 0;
    return v;
}

void store(Image& img, const Values& v) {
    for (int row = 1; row <= kRows; ++row) {
        for (int col = 1; col <= kCols; ++col)
            img[byteIndex(row, col)] =
                std::uint8_t(v.cell[std::size_t(row - 1)][std::size_t(col - 1)] & 0xFF);
    }
    mm::set(img, mm::DeEmphasis, v.deEmphasis ? 1u : 0u);
    mm::set(img, mm::PreEmphasis, v.preEmphasis ? 1u : 0u);
}

} // namespace radio::param
