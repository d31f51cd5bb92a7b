#include "ui/qt/dialogs/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

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

QStringList filters(std::initializer_list<FileType> types) {
    QStringList list;
    for (FileType t : types)
        list << filter(t);
    return list;
}

QStringList layoutFilters() {
    QStringList list;
    for (const auto& l : radio::layouts::all())
        list << filter(l);
    return list;
}

// Runs an open or save dialog on `filters`; `chosen` gets the index of the
// filter left selected.
QString ask(bool save, QWidget* parent, const radio::UserSettings& user, const QString& title,
            const QString& start, const QStringList& filters, int* chosen) {
    QString selected = filters.front();
    const QString joined = filters.join(QStringLiteral(";;"));
    const QString path =
        save ? QFileDialog::getSaveFileName(parent, title, start, joined, &selected)
             : QFileDialog::getOpenFileName(parent, title, start, joined, &selected);
    if (path.isEmpty())
        return path;
    rememberFolder(user, path);
    if (chosen)
        *chosen = std::max(0, int(filters.indexOf(selected)));
    return path;
}

QString saveStart(const radio::UserSettings& user, const QString& proposedName) {
    // A proposal that is already a path keeps its folder.
    const QFileInfo proposal(proposedName);
    return proposal.isAbsolute() ? proposedName : QDir(startFolder(user)).filePath(proposedName);
}

} // namespace

QString filter(FileType type) {
    switch (type) {
    case FileType::Configuration:
        return FileDialogs::tr("Program Document (*.dat)");
    case FileType::ConfigurationText:
        return FileDialogs::tr("Configuration text (*.yaml)");
    }
    return QString();
}

QString filter(const radio::layouts::FileLayout& layout) {
    return QCoreApplication::translate("FileLayouts", layout.description) +
           QStringLiteral(" (%1)").arg(QString::fromStdString(radio::layouts::patterns(layout)));
}

QString startFolder(const radio::UserSettings& user) {
    const QString last = QString::fromStdString(user.get(radio::userkeys::LastFolder));
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberFolder(const radio::UserSettings& user, const QString& path) {
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    user.set(radio::userkeys::LastFolder, QDir::toNativeSeparators(folder).toStdString());
}

QString askOpen(QWidget* parent, const radio::UserSettings& user, const QString& title,
                std::initializer_list<FileType> types, FileType* chosen) {
    int i = 0;
    const QString path = ask(false, parent, user, title, startFolder(user), filters(types), &i);
    if (!path.isEmpty() && chosen)
        *chosen = types.begin()[i];
    return path;
}

QString askSave(QWidget* parent, const radio::UserSettings& user, const QString& title,
                const QString& proposedName, std::initializer_list<FileType> types,
                FileType* chosen) {
    int i = 0;
    const QString path =
        ask(true, parent, user, title, saveStart(user, proposedName), filters(types), &i);
    if (!path.isEmpty() && chosen)
        *chosen = types.begin()[i];
    return path;
}

QString askOpenLayout(QWidget* parent, const radio::UserSettings& user, const QString& title,
                      const radio::layouts::FileLayout** chosen) {
    int i = 0;
    const QString path = ask(false, parent, user, title, startFolder(user), layoutFilters(), &i);
    if (!path.isEmpty() && chosen)
        *chosen = &radio::layouts::all().at(std::size_t(i));
    return path;
}

QString askSaveLayout(QWidget* parent, const radio::UserSettings& user, const QString& title,
                      const QString& proposedName, const radio::layouts::FileLayout** chosen) {
    int i = 0;
    const QString path =
        ask(true, parent, user, title, saveStart(user, proposedName), layoutFilters(), &i);
    if (!path.isEmpty() && chosen)
        *chosen = &radio::layouts::all().at(std::size_t(i));
    return path;
}

} // namespace filedialogs
