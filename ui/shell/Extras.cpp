#include "ui/shell/Extras.h"

#include "app/core/IniFile.h"
#include "app/core/ProductInfo.h"

#include <QDir>
#include <QStandardPaths>

namespace extras {

QString backupsFolder(const radio::CIniFile* settings) {
    QString app = settings ? QString::fromStdString(radio::userValuesKey(*settings)) : QString();
    // The name becomes a folder: nothing in it may climb out of the data location.
    app.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (app.isEmpty() || app == QLatin1String(".") || app == QLatin1String(".."))
        app = QStringLiteral("RadioProgrammer");
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(app + QStringLiteral("/backups"));
}

radio::backups::Result backupRead(const radio::Image& image, const radio::CIniFile* settings) {
    radio::ProductTexts texts;
    if (settings)
        texts = radio::productTexts(*settings, image);
    return radio::backups::writeBackup(backupsFolder(settings).toStdString(), image, texts.model,
                                       texts.band);
}

} // namespace extras
