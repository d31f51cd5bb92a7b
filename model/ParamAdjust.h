#pragma once
// Rules of the Param Adjust dialog: the 5 x 2 calibration values at 0x3D0..
// (compander off, on per row), their corrections on opening and replacements
// on commit, and the two emphasis bits of 0x3DA.

#include "model/Image.h"
#include "model/Text.h"

#include <array>
#include <string>
#include <vector>

namespace radio::param {

constexpr int kRows = 5; // grid rows 1..5
constexpr int kCols = 2; // grid columns 1..2

// Control IDs of the dialog's template.
enum ControlId {
    IDC_LIST_1_TO_7 = 1007,
    IDC_LIST_0_TO_7 = 1008,
    IDC_LIMIT_EDIT = 1009,
    IDC_DE_EMPHASIS = 1005,
    IDC_PRE_EMPHASIS = 1006,
    IDC_PARAM_GRID = 1137,
};

// Label of grid row 1..5 ("Audio inpput", ... "Limit"), spelled as the radio's
// documentation spells them.
std::string rowLabel(int row, const Translate& translate);
// Column heads of columns 1..2 and the grid's format string ("|Compnad Off|Compand On").
std::string columnHead(int column, const Translate& translate);
std::string formatString(const Translate& translate);

// The editor of grid row 1..5: one of the two lists or the Limit edit.
ControlId editorForRow(int row);
// Entries of a list editor ("1".."7" or "0".."7").
const std::vector<std::string>& listEntries(ControlId list);

// Replacement of a committed editor text: a text that is not a number or is
// out of range becomes 1 (list 1..7), 0 (list 0..7) or 0 (edit 0..255).
int committedValue(int row, const std::string& text);

struct Values {
    std::array<std::array<int, kCols>, kRows> cell{}; // [row-1][column-1]
    bool deEmphasis = false;
    bool preEmphasis = false;
};

// Opening, with the corrections: rows 1 and 3 show 0 above 7; rows 2 and 4
// show 1 above 7 or at 0; row 5 as stored.
Values load(const Image& img);
// Closing: low 8 bits of every cell in order from 0x3D0, then bits 0 and 1 of
// 0x3DA; its other bits are kept.
void store(Image& img, const Values& values);

} // namespace radio::param
