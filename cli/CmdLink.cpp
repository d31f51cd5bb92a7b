#include "cli/Commands.h"

namespace radio::cli {

const std::vector<Command>& linkCommands() {
    static const std::vector<Command> commands;
    return commands;
}

} // namespace radio::cli
