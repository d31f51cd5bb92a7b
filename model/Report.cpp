#include "model/Report.h"

#include "model/RadioSettings.h"

#include <cmath>

namespace radio::report {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kColumnsPerPage = 66;
constexpr int kRowsPerPage = 45;

bool used(const ChannelTable& table, int row) {
    return !table[std::size_t(row)][ColRx].empty();
}

DrawOp text(int x, int y, Font font, std::string s) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.font = font;
    op.text = std::move(s);
    return op;
}

DrawOp rule(int x1, int x2, int y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Rule;
    op.x = x1;
    op.x2 = x2;
    op.y = y;
    return op;
}

} // namespace

int CountPrintedChannels(const ChannelTable& table, PrintCount& count) {
    count.m_nUsedChannels = 0;
    count.m_nPageLastRow.fill(16);
    for (int row = 1; row <= 16; ++row) {
        if (!used(table, row))
            continue;
        ++count.m_nUsedChannels;
        if (count.m_nUsedChannels % kChannelsPerPage == 0) {
            const int entry = count.m_nUsedChannels / kChannelsPerPage - 1;
            if (entry < kMaxChannelPages)
                count.m_nPageLastRow[std::size_t(entry)] = row;
        }
    }
    return (count.m_nUsedChannels + kChannelsPerPage - 1) / kChannelsPerPage;
}

int reportPageCount(const ChannelTable& table) {
    PrintCount count;
    return 1 + CountPrintedChannels(table, count);
}

std::vector<int> channelPageRows(const ChannelTable& table, const PrintCount& count, int n) {
    std::vector<int> rows;
    if (n < 1 || n > kMaxChannelPages)
        return rows;
    const int first = n == 1 ? 1 : count.m_nPageLastRow[std::size_t(n - 2)] + 1;
    const int last = count.m_nPageLastRow[std::size_t(n - 1)];
    for (int row = first; row <= last && row <= 16; ++row) {
        if (used(table, row))
            rows.push_back(row);
    }
    return rows;
}

std::string optionsTitle(const Translate& translate) {
    return translate("Report", "Option");
}

std::string functionHeading(const Translate& translate) {
    return translate("Report", "Function");
}

std::string channelTitle(const Translate& translate) {
    return translate("Report", "Channel");
}

std::vector<Line> optionLines(const Image& img, Language language, const Translate& translate) {
    std::vector<Line> lines;
    for (const settings::Setting* s : settings::printed())
        lines.push_back(
            {translate("Report", s->printedLabel), settings::printedValue(*s, img, language)});
    return lines;
}

ChannelBlock channelBlock(const ChannelTable& table, int row, const Translate& translate) {
    ChannelBlock b;
    b.row = row;
    b.heading = textArg(translate("Report", "Channel %1:"), {std::to_string(row)});
    if (row < 1 || row > 16)
        return b;
    const auto& cells = table[std::size_t(row)];
    const auto pair = [&](std::string label1, Column c1, std::string label2, Column c2) {
        return std::array<Line, 2>{Line{std::move(label1), cells[c1]},
                                   Line{std::move(label2), cells[c2]}};
    };
    b.lines[0] = pair(translate("Report", "Receive Frequency:"), ColRx,
                      translate("Report", "Transceive Frequency:"), ColTx);
    b.lines[1] = pair(translate("Report", "QT/DQT Decode:"), ColDecode,
                      translate("Report", "QT/DQT Encode:"), ColEncode);
    b.lines[2] =
        pair(translate("Report", "Power:"), ColPower, translate("Report", "Scan:"), ColScanAdd);
    b.lines[3] = pair(translate("Report", "Channel Lock:"), ColBusyLock,
                      translate("Report", "W/N:"), ColWidth);
    return b;
}

Geometry pageGeometry(int printableWidthPx, int printableHeightPx, int logPixelsX, int logPixelsY) {
    Geometry g;
    // A device that reports no resolution gets an empty page rather than a crash.
    if (logPixelsX <= 0 || logPixelsY <= 0)
        return g;
    const long long widthTwips = (long long)printableWidthPx * kTwipsPerInch / logPixelsX;
    const long long heightTwips = (long long)printableHeightPx * kTwipsPerInch / logPixelsY;
    g.u = int(widthTwips / kColumnsPerPage);
    g.v = int(heightTwips / kRowsPerPage);
    g.large = FontSize{-g.v, g.u};
    g.small = FontSize{int(std::trunc(-g.v * 0.8)), int(std::trunc(g.u * 0.8))};
    return g;
}

void fitLineHeights(int printableHeightTwips, int& L1, int& L2) {
    if (L1 <= 0 || L2 < 0 || printableHeightTwips <= 0)
        return;
    const long long needed = 36LL * L1 + L2;
    if (needed <= printableHeightTwips)
        return;
    // Round down, so the scaled footer stays inside.
    L1 = int(static_cast<long long>(L1) * printableHeightTwips / needed);
    L2 = int(static_cast<long long>(L2) * printableHeightTwips / needed);
}

std::vector<DrawOp> layoutPage(const PageInput& in, const Geometry& g, int L1, int L2) {
    const int u = g.u;
    std::vector<DrawOp> ops;
    // Frame: double rule under the title, a rule above the footer.
    ops.push_back(rule(5 * u, 60 * u, -(2 * L1 + 50)));
    ops.push_back(rule(5 * u, 60 * u, -(2 * L1 + 120)));
    ops.push_back(rule(5 * u, 60 * u, -36 * L1 + L1 / 2));

    if (in.page == 1) {
        ops.push_back(text(6 * u, -L1, Font::Large, optionsTitle(in.translate)));
        ops.push_back(text(6 * u, -4 * L2, Font::Small, functionHeading(in.translate)));
        if (in.image) {
            int k = 5;
            for (const Line& line : optionLines(*in.image, in.language, in.translate)) {
                ops.push_back(text(9 * u, -k * L2, Font::Small, line.label));
                ops.push_back(text(35 * u, -k * L2, Font::Small, line.value));
                ++k;
            }
        }
    } else {
        ops.push_back(text(6 * u, -L1, Font::Large, channelTitle(in.translate)));
        if (in.table) {
            // Counted again so the page matches the grid at this moment.
            PrintCount count;
            CountPrintedChannels(*in.table, count);
            int j = 0;
            for (int row : channelPageRows(*in.table, count, in.page - 1)) {
                const ChannelBlock b = channelBlock(*in.table, row, in.translate);
                const int d = int(std::trunc(j * 5.7 * L2));
                ops.push_back(text(4 * u, -4 * L2 - d, Font::Small, b.heading));
                for (int i = 0; i < 4; ++i) {
                    const int y = -(5 + i) * L2 - d;
                    const auto& pair = b.lines[std::size_t(i)];
                    ops.push_back(text(5 * u, y, Font::Small, pair[0].label));
                    ops.push_back(text(22 * u, y, Font::Small, pair[0].value));
                    ops.push_back(text(36 * u, y, Font::Small, pair[1].label));
                    ops.push_back(text(55 * u, y, Font::Small, pair[1].value));
                }
                ++j;
            }
        }
    }

    // The footer uses the font the body left selected: the small one.
    ops.push_back(text(10 * u, -36 * L1, Font::Small, in.owner));
    const std::string page = textArg(in.translate("Report", "Page %1 of %2"),
                                     {std::to_string(in.page), std::to_string(in.maxPage)});
    ops.push_back(text(45 * u, -36 * L1, Font::Small, page));
    return ops;
}

} // namespace radio::report
