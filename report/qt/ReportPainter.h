#pragma once
// Draws the printed report on any paint device: a printer, the print preview
// or a PDF file. The pages themselves (texts, positions in twips) come from
// model/Report.h; this only maps twips onto the device and picks the fonts.
// Qt GUI only, no widgets: radio-cli writes its PDF reports with it too.

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/Report.h"

#include <QFont>
#include <QString>

#include <string>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

namespace radio::print {

// What one print job reads: the image for the options page, the grid's texts
// for the channel pages, the language and the footer's owner line.
struct ReportSource {
    const Image* image = nullptr;
    ChannelTable table{};
    bool chinese = false;
    std::string owner;
};

// "Times New Roman" (or the platform's metric twin) at the requested height
// and average character width in twips, with CJK faces behind it so Chinese
// texts have glyphs.
QFont reportFont(const report::FontSize& size, const QPaintDevice* device);

// Line height of a font on a device, in twips: height plus external leading.
int lineHeightTwips(const QFont& font, QPaintDevice* device);

// Paints page `page` (1 = options) of `maxPage` with the painter already
// active on `device`. The painter's origin is the printable area's top-left.
void paintReportPage(QPainter& painter, QPaintDevice* device, const ReportSource& source, int page,
                     int maxPage);

// Paints pages `fromPage`..`toPage` (0 for either: from the first / to the
// last) on a paged device, one device page each, `copies` times over (for
// devices that cannot make copies themselves). False when the device could
// not be opened for painting (no printer, output file not writable).
bool printReport(QPagedPaintDevice* device, const ReportSource& source, int fromPage = 0,
                 int toPage = 0, int copies = 1);

} // namespace radio::print
