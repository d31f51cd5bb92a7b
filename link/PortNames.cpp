#include "link/PortNames.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace radio::link {

namespace {

// "com" in any case followed by one to three digits.
bool comForm(const std::string& name) {
    if (name.size() < 4 || name.size() > 6)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != "com"[i])
            return false;
    }
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

} // namespace

int comPortNumber(const std::string& name) {
    if (!comForm(name))
        return 0;
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i)
        n = n * 10 + (name[i] - '0');
    return n;
}

std::string systemPortName(const std::string& name, bool windows) {
    if (windows)
        return name;
    const int n = comPortNumber(name);
    if (n >= 1)
        return "/dev/ttyS" + std::to_string(n - 1);
    const auto startsWith = [&](const char* prefix) { return name.rfind(prefix, 0) == 0; };
    // "com0" names no port and an empty name none at all; left as given, the
    // open fails cleanly.
    if (name.empty() || comForm(name) || startsWith("/") || startsWith("./") || startsWith("../"))
        return name;
    return "/dev/" + name;
}

std::string portIdentity(const std::string& name, bool windows) {
    if (windows) {
        std::string id = name.rfind("\\\\.\\", 0) == 0 ? name.substr(4) : name;
        for (char& c : id)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return id;
    }
    namespace fs = std::filesystem;
    const fs::path system = systemPortName(name, false);
    std::error_code ec;
    const fs::path real = fs::canonical(system, ec);
    return (ec ? fs::absolute(system, ec).lexically_normal() : real).string();
}

} // namespace radio::link
