#pragma once
// Comparison of two configurations by what the user sees: channel cells under
// their grid headers, radio-wide settings under their dialog labels, then the
// address of every differing byte that none of those explains (named by the
// memory map where it knows the byte), so two images that differ in any bit
// the radio can tell apart never compare equal. Bytes of channels empty on
// both sides that differ only in the form this program writes empty
// channels in are left out (and the report says so once). The report names its two sides: "From" is
// the left of each "->", "To" the right.

#include "model/Image.h"
#include "model/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio::diff {

// Model and band texts of an image as the settings file names them; empty
// when unknown (the report then shows the stored index).
struct ProductNames {
    std::string model, band;
};

struct Options {
    Language language = Language::English; // of the shown values
    Translate translate = untranslated();  // of groups, labels and headings
    ProductNames a, b;
    std::string nameA, nameB; // the two sides as the user knows them (file, window)
};

// One differing value: `group` is "Channel 3", "Optional Features", ...;
// `label` the grid header or dialog label; `a` and `b` the shown texts.
struct Change {
    std::string group, label, a, b;
};

struct ByteChange {
    std::uint16_t address = 0;
    std::uint8_t a = 0, b = 0;
    std::string region; // what the memory map calls the byte, translated; empty if unknown
};

struct Report {
    std::vector<Change> changes;        // channels 1..16 first, then the settings
    std::vector<ByteChange> otherBytes; // differing bits no change above covers
    std::string nameA, nameB;           // from the options
    // Some bytes of channels empty on both sides differ only in the form
    // this program writes empty channels in; they are not listed.
    bool emptyChannelForm = false;
    bool equal() const { return changes.empty() && otherBytes.empty(); }
};

Report compare(const Image& a, const Image& b, const Options& options);

// The report as text: "From: A" and "To: B" when the sides have names, then
// one group heading per channel or dialog with its changes indented below
// it, then the other bytes; LF line ends.
std::string formatReport(const Report& report, const Translate& translate);

} // namespace radio::diff
