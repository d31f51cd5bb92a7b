#include "model/FactoryMode.h"

namespace radio::factory {

namespace {
const char kAccessCode[] = "731462";
}

bool accessCodeAccepted(const std::string& typed) {
    return typed == kAccessCode;
}

std::string passwordErrorText(bool chinese) {
    return chinese ? "密码错误" : "Password Error";
}

std::string passwordErrorCaption(bool chinese) {
    return chinese ? "错误" : "Error";
}

bool shouldAppendItems(std::optional<int> lastItemId) {
    return lastItemId.has_value() && *lastItemId != ID_PARAM_ADJUST;
}

std::array<MenuItem, 2> appendedItems(bool chinese) {
    return {MenuItem{ID_POWER_ADJUST, chinese ? "功率调节" : "Power Adjust"},
            MenuItem{ID_PARAM_ADJUST, chinese ? "参数调节" : "Param Adjust"}};
}

} // namespace radio::factory
