#include "report/qt/ReportPainter.h"

#include "model/qt/Translate.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace radio::print {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// The report's face first, then faces with the same metrics where it is not
// installed, then CJK faces that supply the Chinese glyphs.
const QStringList& reportFamilies() {
    static const QStringList families = {
        QStringLiteral("Times New Roman"),
        QStringLiteral("Liberation Serif"),
        QStringLiteral("Nimbus Roman"),
        QStringLiteral("Tinos"),
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("SimSun"),
        QStringLiteral("Droid Sans Fallback"),
    };
    return families;
}

} // namespace

QFont reportFont(const report::FontSize& size, const QPaintDevice* device) {
    QFont font;
    font.setFamilies(reportFamilies());
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // A negative height asks for the character height without internal
    // leading, which is the em size; twips are twentieths of a point.
    const int height = std::abs(size.height);
    if (height <= 0)
        return font;
    font.setPointSizeF(height / 20.0);
    // The width asks for the average character width: stretch the face to it.
    if (size.width > 0 && device) {
        const QFontMetricsF fm(font, const_cast<QPaintDevice*>(device));
        const double naturalTwips = fm.averageCharWidth() * kTwipsPerInch / device->logicalDpiX();
        if (naturalTwips > 0) {
            const int stretch = int(std::lround(100.0 * size.width / naturalTwips));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return font;
}

int lineHeightTwips(const QFont& font, QPaintDevice* device) {
    const QFontMetricsF fm(font, device);
    return int(std::lround((fm.height() + fm.leading()) * kTwipsPerInch / device->logicalDpiY()));
}

void paintReportPage(QPainter& painter, QPaintDevice* device, const ReportSource& source, int page,
                     int maxPage) {
    const int dpiX = device->logicalDpiX();
    const int dpiY = device->logicalDpiY();
    const report::Geometry g = report::pageGeometry(device->width(), device->height(), dpiX, dpiY);
    if (g.u <= 0 || g.v <= 0)
        return;
    const QFont large = reportFont(g.large, device);
    const QFont small = reportFont(g.small, device);
    int L1 = lineHeightTwips(large, device);
    int L2 = lineHeightTwips(small, device);
    report::fitLineHeights(int(device->height() * kTwipsPerInch / dpiY), L1, L2);

    report::PageInput in;
    in.page = page;
    in.maxPage = maxPage;
    in.image = source.image;
    in.table = &source.table;
    in.language = source.chinese ? Language::Chinese : Language::English;
    in.translate = source.chinese ? qtTranslate() : untranslated(); // as the window's own texts
    in.owner = source.owner;

    // Twips, y upward from the printable area's top-left, to device pixels.
    const QTransform twips = QTransform::fromScale(dpiX / kTwipsPerInch, -dpiY / kTwipsPerInch);
    const double largeAscent = QFontMetricsF(large, device).ascent();
    const double smallAscent = QFontMetricsF(small, device).ascent();

    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    for (const report::DrawOp& op : report::layoutPage(in, g, L1, L2)) {
        if (op.kind == report::DrawOp::Kind::Rule) {
            painter.drawLine(twips.map(QPointF(op.x, op.y)), twips.map(QPointF(op.x2, op.y)));
            continue;
        }
        if (op.text.empty())
            continue;
        const bool isLarge = op.font == report::Font::Large;
        painter.setFont(isLarge ? large : small);
        // The given point is the text's top-left; Qt draws from the baseline.
        const QPointF topLeft = twips.map(QPointF(op.x, op.y));
        painter.drawText(topLeft + QPointF(0, isLarge ? largeAscent : smallAscent),
                         QString::fromStdString(op.text));
    }
    painter.restore();
}

bool printReport(QPagedPaintDevice* device, const ReportSource& source, int fromPage, int toPage,
                 int copies) {
    if (!device)
        return false;
    const int maxPage = report::reportPageCount(source.table);
    const int first = std::max(fromPage, 1);
    const int last = toPage <= 0 ? maxPage : std::min(toPage, maxPage);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    bool firstPage = true;
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        for (int page = first; page <= last; ++page) {
            if (!firstPage && !device->newPage()) {
                painter.end();
                return false;
            }
            firstPage = false;
            paintReportPage(painter, device, source, page, maxPage);
        }
    }
    return painter.end();
}

} // namespace radio::print
