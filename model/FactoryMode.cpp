#include "model/FactoryMode.h"

namespace radio::factory {

namespace {
const char kAccessCode[] = "731462";
}

bool accessCodeAccepted(const std::string& typed) {
    return typed == kAccessCode;
}

std::string passwordErrorText(const Translate& translate) {
    return translate("FactoryMode", "Password Error");
}

std::string passwordErrorCaption(const Translate& translate) {
    return translate("FactoryMode", "Error");
}

bool shouldAppendItems(std::optional<int> lastItemId) {
    return lastItemId.has_value() && *lastItemId != ID_PARAM_ADJUST;
}

std::array<MenuItem, 2> appendedItems(const Translate& translate) {
    return {MenuItem{ID_POWER_ADJUST, translate("FactoryMode", "Power Adjust")},
            MenuItem{ID_PARAM_ADJUST, translate("FactoryMode", "Param Adjust")}};
}

} // namespace radio::factory
