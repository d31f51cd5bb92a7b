#pragma once
// Every radio-wide setting described once: its key, its field, its label,
// its choices and how its stored bits become the value the window shows and
// back. Compare, the printed options, the Optional Features dialog and the
// text formats are built from this list: a new setting is one entry here,
// its field in model/MemoryMap.h and its label in the catalogues.
//
// Keys are lower_snake_case English words ("time_out_timer"), stable across
// releases: files written by one version are read by the next.

#include "model/Image.h"
#include "model/MemoryMap.h"
#include "model/Text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radio::settings {

// Where a setting is shown (Compare's groups, the dialog that edits it).
enum class Group { OptionalFeatures, ScanInfo, ProductInformation, ParamAdjust };
// The group's title as Compare names it (English, catalogue context "Diff").
const char* groupLabel(Group group);

enum class Kind {
    List,   // one entry of a list (a drop-down in the window)
    Switch, // On or Off (a check box)
    Number, // a typed whole number or time
};

// How a setting's stored bits (in `f`) and its value text meet. One codec
// may serve several settings.
class Codec {
public:
    virtual ~Codec() = default;
    virtual Kind kind(const mm::Field& f) const = 0;
    // The entries of a list or switch in `language`, in the window's order;
    // empty for a typed value. May depend on other settings of the image.
    virtual std::vector<std::string> entries(const mm::Field& f, const Image& img,
                                             Language language) const;
    // The entry the window selects for the stored bits, -1 for none (and for
    // a typed value).
    virtual int index(const mm::Field& f, const Image& img) const;
    // Stores entry `i`; -1 (no selection) stores what the window's OK stores
    // for a list without selection, which may be nothing.
    virtual void storeIndex(const mm::Field& f, Image& img, int i) const;
    // The value as the window shows it in `language`, English for Compare
    // and the files; nothing when the stored bits are none of the choices.
    virtual std::optional<std::string> value(const mm::Field& f, const Image& img,
                                             Language language) const;
    // Stores a value text (an entry in either language, or a number the
    // window would store); false, with the image unchanged, when it is not
    // a valid setting.
    virtual bool store(const mm::Field& f, Image& img, const std::string& text) const;
};

struct Setting {
    const char* key;
    Group group;
    const mm::Field& field;
    const char* label; // English source text of the label (catalogue context "Diff")
    const Codec& codec;
    // Its control in the Optional Features or Scan Information dialog; 0
    // when neither shows it.
    int controlId;
    // The printed report's line: its row (1 up; 0 when not printed), its
    // label (context "Report") and its value as printed where that is not
    // the value the window shows.
    int printedRow;
    const char* printedLabel;
    std::string (*printed)(const Image& img, Language language);

    Kind kind() const { return codec.kind(field); }
    std::vector<std::string> entries(const Image& img, Language language) const {
        return codec.entries(field, img, language);
    }
    int index(const Image& img) const { return codec.index(field, img); }
    void storeIndex(Image& img, int i) const { codec.storeIndex(field, img, i); }
    std::optional<std::string> value(const Image& img, Language language) const {
        return codec.value(field, img, language);
    }
    bool store(Image& img, const std::string& text) const { return codec.store(field, img, text); }
};

// All of them: within a group in the order Compare lists them, which is
// the dialogs' layout order.
const std::vector<Setting>& all();
// The settings of one group, in that order.
std::vector<const Setting*> ofGroup(Group group);
// The setting with `key`, or null.
const Setting* find(std::string_view key);
// The settings the printed report lists, in its order, and a value as printed.
std::vector<const Setting*> printed();
std::string printedValue(const Setting& setting, const Image& img, Language language);

// What a rejected value is called, through the catalogues.
std::string notValid(const Translate& translate);

} // namespace radio::settings
