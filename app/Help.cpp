#include "app/Help.h"

#include "app/core/AppState.h"

#include <QDesktopServices>
#include <QFileInfo>
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
    const QString path = QString::fromStdString(st.programDir + st.helpFile);
    // Desktop viewers cannot jump to a topic number; the file opens at its start.
    if (!st.helpFile.empty() && QFileInfo::exists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
