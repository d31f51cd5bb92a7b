#include "model/FileLayouts.h"

#include "model/Csv.h"
#include "model/InterchangeCsv.h"

namespace radio::layouts {

namespace {

std::string exportGrid(const Image& image, const Translate&, std::string& notice) {
    notice.clear();
    return tableToCsv(imageToTable(image, Language::English));
}

Imported importGrid(const std::string& text, const Image& image, std::int64_t bandLow,
                    std::int64_t bandHigh, const Translate& translate) {
    Imported out;
    out.image = image;
    const CsvImport in =
        importCsv(text, imageToTable(image, Language::English), bandLow, bandHigh, translate);
    out.error = in.error;
    if (!out.error.empty())
        return out;
    out.rejected = in.rejected;
    for (std::size_t n = 1; n < out.accepted.size(); ++n) {
        out.accepted[n] = in.listed[n] && !in.refused[n];
        out.refusedRows += in.refused[n] ? 1 : 0;
    }
    applyImport(in, out.image);
    return out;
}

std::string exportInterchange(const Image& image, const Translate& translate, std::string& notice) {
    notice = interchange::exportNotice(translate);
    return interchange::exportCsv(image);
}

Imported importInterchange(const std::string& text, const Image& image, std::int64_t bandLow,
                           std::int64_t bandHigh, const Translate& translate) {
    Imported out;
    out.image = image;
    const interchange::Import in = interchange::importCsv(
        text, imageToTable(image, Language::English), bandLow, bandHigh, translate);
    out.error = in.error;
    if (!out.error.empty())
        return out;
    for (const auto& r : in.rejected)
        out.rejected.push_back(
            textArg(translate("FileLayouts", "line %1: %2"), {std::to_string(r.line), r.reason}));
    out.refusedRows = int(in.rejected.size());
    out.accepted = in.listed;
    out.notice = in.notice;
    interchange::apply(in, out.image);
    return out;
}

} // namespace

const std::vector<FileLayout>& all() {
    static const std::vector<FileLayout> layouts = {
        {"grid",
         {"csv"},
         RADIO_TEXT("FileLayouts", "Channel list, every field"),
         exportGrid,
         importGrid},
        {"interchange",
         {"csv"},
         RADIO_TEXT("FileLayouts", "Channel list, 21-column interchange"),
         exportInterchange,
         importInterchange},
    };
    return layouts;
}

const FileLayout& defaultLayout() {
    return all().front();
}

const FileLayout* find(std::string_view name) {
    for (const FileLayout& l : all())
        if (name == l.name)
            return &l;
    return nullptr;
}

std::string names(const std::string& separator) {
    std::string out;
    for (const FileLayout& l : all())
        out += (out.empty() ? "" : separator) + l.name;
    return out;
}

std::string patterns(const FileLayout& layout) {
    std::string out;
    for (const std::string& e : layout.extensions)
        out += (out.empty() ? "*." : " *.") + e;
    return out;
}

} // namespace radio::layouts
