#include "ui/qt/channels/SettingsSave.h"

#include "app/IniFile.h"
#include "model/SafeFile.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace dialogs {

namespace {

// The catalogue context of this file's texts.
struct Settings {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};

} // namespace

bool saveSettings(QWidget* parent, radio::CIniFile* settings, const std::string& besideProgram) {
    if (!settings || !settings->modified())
        return true;
    if (settings->savePath().empty()) {
        showMessage(parent,
                    Settings::tr("The settings could not be saved: %1 may not be changed, and no "
                                 "folder for your own settings is known (HOME is not set).")
                        .arg(qs(radio::files::quoted(settings->path(), 4096))));
        return false;
    }
    if (!settings->Save()) {
        showMessage(parent, Settings::tr("The settings could not be saved.") + QLatin1Char('\n') +
                                qs(settings->saveError()));
        return false;
    }
    if (settings->savePath() != besideProgram) {
        QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
                        Settings::tr("The settings were saved to %1, because the file beside the "
                                     "program may not be changed.")
                            .arg(qs(radio::files::quoted(settings->savePath(), 4096))),
                        QMessageBox::Ok, parent);
        box.exec();
    }
    return true;
}

} // namespace dialogs
