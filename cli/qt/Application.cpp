#include "cli/qt/Application.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace radio::cli {

std::unique_ptr<QCoreApplication> ensureApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "radio-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

bool stderrIsTerminal() {
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

} // namespace radio::cli
