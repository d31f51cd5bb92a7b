#include "app/UserKeys.h"

#include "app/IniFile.h"

namespace radio::userkeys {

std::string prefix(const CIniFile* settings) {
    return settings ? settings->GetString("Setup", "AppName") : std::string();
}

std::uint32_t get(const UserValues* values, const std::string& appName, NumberKey key) {
    return stored(values, appName, key).value_or(key.fallback);
}

std::optional<std::uint32_t> stored(const UserValues* values, const std::string& appName,
                                    NumberKey key) {
    return values ? values->get(appName, key.name) : std::nullopt;
}

std::string get(const UserValues* values, const std::string& appName, TextKey key) {
    if (!values)
        return key.fallback;
    return values->getText(appName, key.name).value_or(key.fallback);
}

bool get(const UserValues* values, const std::string& appName, FlagKey key) {
    if (!values)
        return key.fallback;
    return values->get(appName, key.name).value_or(key.fallback ? 1 : 0) == 1;
}

void set(UserValues* values, const std::string& appName, NumberKey key, std::uint32_t value) {
    if (values)
        values->set(appName, key.name, value);
}

void set(UserValues* values, const std::string& appName, TextKey key, const std::string& value) {
    if (values)
        values->setText(appName, key.name, value);
}

void set(UserValues* values, const std::string& appName, FlagKey key, bool value) {
    if (values)
        values->set(appName, key.name, value ? 1 : 0);
}

} // namespace radio::userkeys
