#pragma once
// The printed report as pure code: which channels go on which page, the texts
// of the options page and of the channel blocks, and the page layout as
// drawing operations in twips (x to the right, y upward from the top-left of
// the printable area, so lines down the page have negative y). The painter
// only maps twips to the device and draws.

#include "model/ChannelTable.h"
#include "model/Image.h"

#include <array>
#include <string>
#include <vector>

namespace radio::report {

constexpr int kChannelsPerPage = 7;
constexpr int kMaxChannelPages = 3;

// Printing state of the view: used channels and, per channel page, the grid
// row of its last channel (16 when the page is not full).
struct PrintCount {
    int m_nUsedChannels = 0;
    std::array<int, kMaxChannelPages> m_nPageLastRow{16, 16, 16};
};

// A used channel is a row 1..16 whose Rx Frequency cell is not empty.
// Fills `count` and returns the number of channel pages ((used + 6) / 7).
int CountPrintedChannels(const ChannelTable& table, PrintCount& count);
// The report's page count: the options page plus the channel pages.
int reportPageCount(const ChannelTable& table);
// Rows of the used channels on channel page n (1..3), in row order.
std::vector<int> channelPageRows(const ChannelTable& table, const PrintCount& count, int n);

struct Line {
    std::string label, value;
};
// Titles and the options page's heading.
std::string optionsTitle(const Translate& translate);    // "Option"
std::string functionHeading(const Translate& translate); // "Function"
std::string channelTitle(const Translate& translate);    // "Channel"
// The eleven option lines, k = 5..15 in order: labels through `translate`,
// values in `language`.
std::vector<Line> optionLines(const Image& img, Language language, const Translate& translate);

// One channel block: "Channel %d:" and four lines of two label/value pairs.
struct ChannelBlock {
    int row = 0;
    std::string heading;
    std::array<std::array<Line, 2>, 4> lines;
};
ChannelBlock channelBlock(const ChannelTable& table, int row, const Translate& translate);

// Units and fonts from the printable area (device pixels) and resolution.
struct FontSize {
    int height = 0; // twips, negative: character height as a font request gives it
    int width = 0;  // twips
};
struct Geometry {
    int u = 0; // column unit: printable width in twips / 66
    int v = 0; // row unit: printable height in twips / 45
    FontSize large, small;
};
Geometry pageGeometry(int printableWidthPx, int printableHeightPx, int logPixelsX, int logPixelsY);

// The layout puts the footer at 36 L1, which fits a page of 45 v when the
// face's line height is about 1.15 em. Faces with taller line metrics would
// push the footer off the printable area, so both line heights shrink in
// proportion until the footer (a small-font line) ends inside
// `printableHeightTwips`. Heights that already fit are returned unchanged.
void fitLineHeights(int printableHeightTwips, int& L1, int& L2);

enum class Font { Large, Small };
struct DrawOp {
    enum class Kind { Text, Rule } kind = Kind::Text;
    int x = 0, y = 0; // text: its top-left corner; rule: its start
    int x2 = 0;       // rule: its end (same y)
    Font font = Font::Large;
    std::string text;
};

// Everything a page needs besides the geometry and the two line heights
// (L1, L2: height plus external leading of the large and small font).
struct PageInput {
    int page = 1;    // 1 = options page
    int maxPage = 1; // as computed before printing
    const Image* image = nullptr;
    const ChannelTable* table = nullptr;
    Language language = Language::English; // of the option values
    Translate translate = untranslated();  // of headings and labels
    std::string owner;                     // "Copyrights Owner" of the language section
};
std::vector<DrawOp> layoutPage(const PageInput& input, const Geometry& g, int L1, int L2);

} // namespace radio::report
