#pragma once
// The file layouts a configuration's channels are exported to and imported
// from, listed once. The window's file dialogs, radio-cli's --format option
// and its help, the shell completion and the manual page all name them from
// this list; a new layout is one more entry.

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace radio::layouts {

// What an import found; nothing is applied until the caller takes `image`.
struct Imported {
    std::string error;                      // a problem with the file as a whole
    std::vector<std::string> rejected;      // what was refused, one line each
    int refusedRows = 0;                    // channels or rows with a refusal
    std::array<bool, kGridRows> accepted{}; // channels the file gives
    Image image{};                          // the image given, with those channels
    std::string notice;                     // said once when the import is applied
};

struct FileLayout {
    const char* name;                    // what --format takes
    std::vector<std::string> extensions; // without the dot
    const char* description;             // English source text (context "FileLayouts")
    // The image's channels as the layout's text; `notice` gets what the
    // layout cannot carry, said once, or nothing.
    std::string (*exportText)(const Image& image, const Translate& translate, std::string& notice);
    // Reads a file against `image` and the band limits (10 Hz units, inclusive).
    Imported (*importText)(const std::string& text, const Image& image, std::int64_t bandLow,
                           std::int64_t bandHigh, const Translate& translate);
};

const std::vector<FileLayout>& all();
// The layout used when none is named: the grid's own columns.
const FileLayout& defaultLayout();
// The layout named `name`, or null.
const FileLayout* find(std::string_view name);
// The names joined by `separator`, in list order: "grid|interchange".
std::string names(const std::string& separator);
// The file dialog's patterns of a layout: "*.csv".
std::string patterns(const FileLayout& layout);

} // namespace radio::layouts
