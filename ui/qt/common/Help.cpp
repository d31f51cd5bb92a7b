#include "ui/qt/common/Help.h"

#include "app/Startup.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {
std::function<void(int)>& handler() {
    static std::function<void(int)> h;
    return h;
}

struct HelpFiles {
    std::string programDir;
    std::string helpFile;
};

HelpFiles& helpFiles() {
    static HelpFiles files;
    return files;
}
} // namespace

void setHelpHandler(std::function<void(int)> h) {
    handler() = std::move(h);
}

void setHelpFiles(const std::string& programDir, const std::string& helpFile) {
    helpFiles() = {programDir, helpFile};
}

void appHelp(int context) {
    if (handler()) {
        handler()(context);
        return;
    }
    const HelpFiles& files = helpFiles();
    if (files.helpFile.empty())
        return;
    // Installed, the program's documentation lives in the system's doc folder.
    const std::string path = radio::helpDocument(files.programDir, files.helpFile, RADIO_DOC_DIR);
    // Desktop viewers cannot jump to a topic number; the file opens at its start.
    if (!path.empty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
