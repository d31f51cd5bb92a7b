#include "link/PortNames.h"

#include <cctype>

namespace radio::link {

int comPortNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 6)
        return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != "com"[i])
            return 0;
    }
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

std::string systemPortName(const std::string& name, bool windows) {
    if (windows)
        return name;
    const int n = comPortNumber(name);
    // "com0" names no port; leaving it as given makes the open fail cleanly.
    if (n >= 1)
        return "/dev/ttyS" + std::to_string(n - 1);
    return name;
}

} // namespace radio::link
