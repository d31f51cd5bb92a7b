#include "app/ProductInfo.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/UserKeys.h"
#include "model/Codecs.h"
#include "model/MemoryMap.h"

#include <cstdint>

namespace radio {

namespace {

constexpr int kMaxTypes = 19;

// The same numbers as the image bytes, so a new document picks up exactly
// what this one holds.
void rememberProduct(const UserSettings& user, const Image& image) {
    user.set(userkeys::ModelType, mm::get(image, mm::ModelType));
    user.set(userkeys::BandField, mm::get(image, mm::BandIndex));
}
const char* const kSetup = "Setup";

std::string numberedKey(const char* stem, long n) {
    return stem + std::to_string(n);
}

int indexIn(long long value, std::size_t size) {
    return value >= 0 && static_cast<unsigned long long>(value) < size ? static_cast<int>(value)
                                                                       : -1;
}

} // namespace

std::vector<std::string> typeList(const CIniFile& settings) {
    std::vector<std::string> types;
    for (int n = 1; n <= kMaxTypes; ++n) {
        std::string name = settings.GetString(kSetup, numberedKey("Type", n));
        if (name.empty())
            break;
        types.push_back(std::move(name));
    }
    return types;
}

std::vector<std::string> splitBands(const std::string& fieldText) {
    std::vector<std::string> bands;
    if (fieldText.empty())
        return bands;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = fieldText.find('|', start);
        bands.push_back(fieldText.substr(start, bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return bands;
}

std::vector<std::string> bandList(const CIniFile& settings, int typeIndex) {
    return splitBands(settings.GetString(kSetup, numberedKey("Field", long(typeIndex) + 1)));
}

check::Settings checkSettings(const CIniFile* settings) {
    check::Settings out;
    out.found = settings != nullptr;
    if (!settings)
        return out;
    const std::vector<std::string> types = typeList(*settings);
    for (std::size_t t = 0; t < types.size(); ++t)
        out.products.push_back({types[t], bandList(*settings, int(t))});
    return out;
}

ProductTexts productTexts(const CIniFile& settings, const Image& image) {
    const long t = long(mm::get(image, mm::ModelType)) + 1;
    ProductTexts texts;
    texts.model = settings.GetString(kSetup, numberedKey("Type", t));
    const std::vector<std::string> bands =
        splitBands(settings.GetString(kSetup, numberedKey("Field", t)));
    if (!bands.empty()) {
        const std::size_t index = mm::get(image, mm::BandIndex);
        texts.band = index < bands.size() ? bands[index] : bands.back();
    }
    return texts;
}

std::string dialogTitle(const std::string& appName, const std::string& model,
                        const std::string& band) {
    return appName + "  [ Type:" + model + "  Fre:" + band + " ]";
}

std::string viewTitle(const std::string& appName, const std::string& model, const std::string& band,
                      const Translate& translate) {
    return textArg(translate("ProductInfo", "%1 Programming Software  [ Type:%2  Fre:%3 ]"),
                   {appName, model, band});
}

std::string localizedAppName(const CIniFile& settings, const std::string& languageName) {
    return settings.GetString(languageName, "AppName");
}

ProductRefresh refreshProductInfo(Image& image, const CIniFile& settings, UserValues* values,
                                  bool freshDocument, const std::string& languageName,
                                  const Translate& translate) {
    const UserSettings user(values, &settings);
    if (freshDocument) {
        mm::set(image, mm::ModelType, user.get(userkeys::ModelType) & 0xFFu);
        mm::set(image, mm::BandIndex, user.get(userkeys::BandField) & 0xFFu);
    } else {
        rememberProduct(user, image);
    }
    ProductRefresh result;
    result.texts = productTexts(settings, image);
    result.title = viewTitle(localizedAppName(settings, languageName), result.texts.model,
                             result.texts.band, translate);
    result.limits = usableBandLimits(result.texts.band);
    return result;
}

ProductDialogState openProductDialog(const CIniFile& settings, const UserValues* values) {
    ProductDialogState state;
    state.types = typeList(settings);
    // The per-user values, not the image, decide what the dialog shows.
    const std::string prefix = userkeys::prefix(&settings);
    const std::uint32_t type = userkeys::get(values, prefix, userkeys::ModelType);
    const std::uint32_t field = userkeys::get(values, prefix, userkeys::BandField);
    selectProductType(state, settings, indexIn(type, state.types.size()));
    state.bandIndex = indexIn(field, state.bands.size());
    return state;
}

void selectProductType(ProductDialogState& state, const CIniFile& settings, int typeIndex) {
    state.typeIndex =
        typeIndex >= 0 && static_cast<std::size_t>(typeIndex) < state.types.size() ? typeIndex : -1;
    state.bands =
        state.typeIndex < 0 ? std::vector<std::string>() : bandList(settings, state.typeIndex);
    state.bandIndex = state.bands.empty() ? -1 : 0;
}

ProductChoice applyProductDialog(const ProductDialogState& state, Image& image,
                                 const CIniFile& settings, UserValues* values,
                                 const std::string& languageName) {
    const bool hasType =
        state.typeIndex >= 0 && static_cast<std::size_t>(state.typeIndex) < state.types.size();
    const bool hasBand =
        state.bandIndex >= 0 && static_cast<std::size_t>(state.bandIndex) < state.bands.size();
    mm::set(image, mm::ModelType, hasType ? unsigned(state.typeIndex) & 0xFFu : 0xFFu);
    mm::set(image, mm::BandIndex, hasBand ? unsigned(state.bandIndex) & 0xFFu : 0xFFu);

    const std::string model = hasType ? state.types[std::size_t(state.typeIndex)] : std::string();
    const std::string band = hasBand ? state.bands[std::size_t(state.bandIndex)] : std::string();
    ProductChoice choice;
    choice.title = dialogTitle(localizedAppName(settings, languageName), model, band);
    choice.limits = usableBandLimits(band);
    rememberProduct(UserSettings(values, &settings), image);
    return choice;
}

} // namespace radio
