#pragma once
// Per-user values kept in memory, so tests neither read nor leave anything in
// the user's own settings. Numbers only: texts are never stored.

#include "app/AppState.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace testsupport {

class MemoryUserValues : public radio::UserValues {
public:
    std::optional<std::uint32_t> get(const std::string& app,
                                     const std::string& name) const override {
        auto it = numbers.find(app + "/" + name);
        return it == numbers.end() ? std::nullopt : std::optional<std::uint32_t>(it->second);
    }
    void set(const std::string& app, const std::string& name, std::uint32_t value) override {
        numbers[app + "/" + name] = value;
    }
    std::optional<std::string> getText(const std::string&, const std::string&) const override {
        return std::nullopt;
    }
    void setText(const std::string&, const std::string&, const std::string&) override {}
    // Keyed "app/name".
    std::map<std::string, std::uint32_t> numbers;
};

} // namespace testsupport
