#include "ui/qt/common/Help.h"

#include "app/AppState.h"
#include "app/Startup.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {
std::function<void(int)>& handler() {
    static std::function<void(int)> h;
    return h;
}
} // namespace

void setHelpHandler(std::function<void(int)> h) {
    handler() = std::move(h);
}

void appHelp(int context) {
    if (handler()) {
        handler()(context);
        return;
    }
    const radio::AppState& st = radio::appState();
    // Installed, the program's documentation lives in the system's doc folder.
    const std::string path = radio::helpDocument(st.programDir, st.helpFile, RADIO_DOC_DIR);
    // Desktop viewers cannot jump to a topic number; the file opens at its start.
    if (!path.empty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
