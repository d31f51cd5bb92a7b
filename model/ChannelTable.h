#pragma once
// The channel grid as a 17 x 11 table of texts: row 0 the headers, column 0
// the channel numbers " 1".."16", rows 1..16 the channels. The grid view only
// moves these texts into widgets; all conversion rules live here.

#include "model/Channel.h"
#include "model/Image.h"
#include "model/Text.h"

#include <array>
#include <string>
#include <vector>

namespace radio {

constexpr int kGridRows = 17;
constexpr int kGridCols = 11;

enum Column {
    ColChannel = 0,
    ColRx = 1,
    ColTx = 2,
    ColDecode = 3,
    ColEncode = 4,
    ColPower = 5,
    ColScanAdd = 6,
    ColBusyLock = 7,
    ColWidth = 8,
    ColCompand = 9,
    ColScrambler = 10,
};

using ChannelTable = std::array<std::array<std::string, kGridCols>, kGridRows>;

// Header texts of row 0 in English ("CH", "Rx Frequency", ...): the column
// names of the CSV files as well.
const std::array<std::string, kGridCols>& columnHeaders();
// The same as the grid shows them, through the catalogues.
std::array<std::string, kGridCols> columnHeaders(const Translate& translate);

// Entries of the drop-down list of a column 3..10, in order, in one language.
const std::vector<std::string>& columnEntries(int column, Language language);

// Image -> table: English headers, channel numbers, channel values in `language`.
ChannelTable imageToTable(const Image& img, Language language);
// The channel row n (1..16) of a table stands for, as tableToImage stores it.
Channel rowChannel(const ChannelTable& table, int n);
// Table -> image: channel records and scan-add bytes; nothing else changes.
void tableToImage(const ChannelTable& table, Image& img);

} // namespace radio
