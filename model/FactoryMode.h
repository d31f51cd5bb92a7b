#pragma once
// Rules of factory mode entry: the access code and how the two calibration
// commands join the Edit menu.

#include "model/Text.h"

#include <array>
#include <optional>
#include <string>

namespace radio::factory {

// Command IDs of the two calibration commands.
constexpr int ID_POWER_ADJUST = 32783;
constexpr int ID_PARAM_ADJUST = 32771;
// Control ID of the password edit; the code has six characters.
constexpr int IDC_PASSWORD = 1009;
constexpr int kCodeLength = 6;

// Only the exact code is accepted (case and length).
bool accessCodeAccepted(const std::string& typed);

// "Password Error" / "Error", through the catalogues.
std::string passwordErrorText(const Translate& translate);
std::string passwordErrorCaption(const Translate& translate);

// Given the ID of the Edit menu's last item (nothing when it could not be
// read), whether the two items are to be appended: once per run, because
// after appending the last item is Param Adjust.
bool shouldAppendItems(std::optional<int> lastItemId);

struct MenuItem {
    int id;
    std::string text;
};
// "Power Adjust" then "Param Adjust", through the catalogues.
std::array<MenuItem, 2> appendedItems(const Translate& translate);

} // namespace radio::factory
