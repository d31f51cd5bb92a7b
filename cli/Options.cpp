// Option parsing shared by the commands.

#include "cli/Commands.h"

namespace radio::cli {

bool parseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6)
        return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < low || v > high)
        return false;
    value = v;
    return true;
}

bool takeValue(const Args& args, std::size_t& i, const std::string& name, std::string& value,
               std::string& error) {
    const std::string& a = args[i];
    if (a.size() > name.size() && a.compare(0, name.size() + 1, name + "=") == 0) {
        value = a.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = "option '" + name + "' needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool isOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.compare(0, name.size() + 1, name + "=") == 0;
}

} // namespace radio::cli
