#include "cli/Commands.h"

namespace radio::cli {

const std::vector<Command>& fileCommands() {
    static const std::vector<Command> commands;
    return commands;
}

} // namespace radio::cli
