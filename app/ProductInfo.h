#pragma once
// Model and band of the radio: the settings file's Type/Field lists, the two
// image bytes that select from them, the per-user values that remember the
// last choice, the main window's title and the band limits the channel
// editor checks. Pure C++; the dialog and the view only show the results.

#include "model/Band.h"
#include "model/ConfigCheck.h"
#include "model/Image.h"
#include "model/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace radio {

class CIniFile;
class UserValues;

// Model names "Type1".."Type19" of section Setup, up to the first empty value.
std::vector<std::string> typeList(const CIniFile& settings);

// Band entries of a "Field%d" text split at "|"; an empty text has no entry.
std::vector<std::string> splitBands(const std::string& fieldText);
// Bands of the model at the 0-based `typeIndex` ("Field%d", %d = typeIndex + 1).
std::vector<std::string> bandList(const CIniFile& settings, int typeIndex);

// The models and bands of the settings file as the configuration check
// takes them; null settings: none were found.
check::Settings checkSettings(const CIniFile* settings);

// Model and band texts named by image bytes 0x3DE/0x3DF: model "Type%d" with
// t = byte + 1; band entry number 0x3DF of "Field%d", the last entry when the
// index is past it.
struct ProductTexts {
    std::string model, band;
};
ProductTexts productTexts(const CIniFile& settings, const Image& image);

// Title set by the Product Information dialog's OK (same words in both
// languages): "<app>  [ Type:<model>  Fre:<band> ]".
std::string dialogTitle(const std::string& appName, const std::string& model,
                        const std::string& band);
// Title set by the channel view: "<app> Programming Software  [ Type:<model>  Fre:<band> ]",
// its words through the catalogues.
std::string viewTitle(const std::string& appName, const std::string& model, const std::string& band,
                      const Translate& translate);

// The localized application name of the title (key "AppName" of the
// language section).
std::string localizedAppName(const CIniFile& settings, const std::string& languageName);

// The refresh the channel view runs after it loads the grid: a fresh
// document takes the last used Type/Field (missing = 0) into 0x3DE/0x3DF;
// any other document makes its own bytes the last used ones. Then the title
// and band limits follow from the image (0/0 for a band a channel cannot
// hold, so nothing out of it can be typed or imported). `values` may be null (nothing is
// remembered; a fresh document then gets 0/0).
struct ProductRefresh {
    ProductTexts texts;
    std::string title;
    BandLimits limits;
};
ProductRefresh refreshProductInfo(Image& image, const CIniFile& settings, UserValues* values,
                                  bool freshDocument, const std::string& languageName,
                                  const Translate& translate);

// The Product Information dialog. Opening: the Type list, and the Type and
// Frequency selections taken from the per-user values (missing = 0); an
// index that is not in its list means no selection (-1).
struct ProductDialogState {
    std::vector<std::string> types;
    int typeIndex = -1;
    std::vector<std::string> bands; // bands of the selected type
    int bandIndex = -1;
};
ProductDialogState openProductDialog(const CIniFile& settings, const UserValues* values);
// A Type change refills the bands and selects the first one.
void selectProductType(ProductDialogState& state, const CIniFile& settings, int typeIndex);

// OK: stores the indexes in 0x3DE/0x3DF (0xFF for no selection, so an empty
// Frequency list stores 0xFF), remembers the stored bytes as Type/Field and
// returns the dialog's title and the band limits (0/0 without a band).
struct ProductChoice {
    std::string title;
    BandLimits limits;
};
ProductChoice applyProductDialog(const ProductDialogState& state, Image& image,
                                 const CIniFile& settings, UserValues* values,
                                 const std::string& languageName);

} // namespace radio
