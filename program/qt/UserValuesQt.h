#pragma once
// Per-user values ("com", "Type", "Field") kept by QSettings in the native
// format under Software\<AppName>: the registry on Windows, the platform's
// settings file elsewhere.

#include "app/AppState.h"

class QSettingsUserValues : public radio::UserValues {
public:
    std::optional<std::uint32_t> get(const std::string& appName,
                                     const std::string& name) const override;
    void set(const std::string& appName, const std::string& name, std::uint32_t value) override;
    std::optional<std::string> getText(const std::string& appName,
                                       const std::string& name) const override;
    void setText(const std::string& appName, const std::string& name,
                 const std::string& value) override;
};
