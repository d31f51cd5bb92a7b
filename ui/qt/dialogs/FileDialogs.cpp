#include "ui/qt/dialogs/FileDialogs.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/UserKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace filedialogs {
namespace {

// The catalogue context of this file's texts.
struct FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

// Qt's own file dialog names the kinds of entries through its icon provider,
// which Qt's Chinese catalogue leaves in English; ours carries them.
[[maybe_unused]] const char* const kIconProviderTexts[] = {
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Shortcut"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Unknown")};

std::string appName() {
    const radio::AppState& st = radio::appState();
    return st.settings ? st.settings->GetString("Setup", "AppName") : std::string();
}

QString filters(std::initializer_list<FileType> types) {
    QStringList list;
    for (FileType t : types)
        list << filter(t);
    return list.join(QStringLiteral(";;"));
}

FileType typeOfFilter(const QString& selected, std::initializer_list<FileType> types) {
    for (FileType t : types)
        if (filter(t) == selected)
            return t;
    return *types.begin();
}

} // namespace

QString filter(FileType type) {
    switch (type) {
    case FileType::Configuration:
        return FileDialogs::tr("Program Document (*.dat)");
    case FileType::ChannelList:
        return FileDialogs::tr("Channel list, every field (*.csv)");
    case FileType::InterchangeList:
        return FileDialogs::tr("Channel list, 21-column interchange (*.csv)");
    }
    return QString();
}

QString startFolder() {
    const radio::AppState& st = radio::appState();
    const QString last = QString::fromStdString(
        radio::userkeys::get(st.userValues, appName(), radio::userkeys::LastFolder));
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberFolder(const QString& path) {
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    radio::userkeys::set(radio::appState().userValues, appName(), radio::userkeys::LastFolder,
                         QDir::toNativeSeparators(folder).toStdString());
}

QString askOpen(QWidget* parent, const QString& title, std::initializer_list<FileType> types,
                FileType* chosen) {
    QString selected = filter(*types.begin());
    const QString path =
        QFileDialog::getOpenFileName(parent, title, startFolder(), filters(types), &selected);
    if (path.isEmpty())
        return path;
    rememberFolder(path);
    if (chosen)
        *chosen = typeOfFilter(selected, types);
    return path;
}

QString askSave(QWidget* parent, const QString& title, const QString& proposedName,
                std::initializer_list<FileType> types, FileType* chosen) {
    QString selected = filter(*types.begin());
    const QFileInfo proposal(proposedName);
    const QString start =
        proposal.isAbsolute() ? proposedName : QDir(startFolder()).filePath(proposedName);
    const QString path =
        QFileDialog::getSaveFileName(parent, title, start, filters(types), &selected);
    if (path.isEmpty())
        return path;
    rememberFolder(path);
    if (chosen)
        *chosen = typeOfFilter(selected, types);
    return path;
}

} // namespace filedialogs
