#pragma once
// The file dialogs of the window: every one starts in the folder the user
// last chose a file in (kept per user), names each file type the same way,
// and remembers the folder of the file chosen.

#include "app/UserKeys.h"

#include <QString>

#include <initializer_list>

#include "model/FileLayouts.h"

class QWidget;

namespace filedialogs {

enum class FileType {
    Configuration,     // a radio's memory, *.dat
    ConfigurationText, // the same as text to read and keep in version control, *.yaml
};

// The dialog filter of a type, e.g. "Program Document (*.dat)".
QString filter(FileType type);
// The filter of a channel-list layout: "Channel list, every field (*.csv)".
QString filter(const radio::layouts::FileLayout& layout);

// The folder the next dialog starts in: the one last used while it exists,
// else the user's documents folder (never the program's own folder, which a
// normal user cannot write to).
// The folder last used is one of the `user` settings.
QString startFolder(const radio::UserSettings& user);
// Remembers the folder of `path` for the next dialog.
void rememberFolder(const radio::UserSettings& user, const QString& path);

// Asks for a file to read; "" when cancelled. `chosen` receives the type
// whose filter the user left selected.
QString askOpen(QWidget* parent, const radio::UserSettings& user, const QString& title,
                std::initializer_list<FileType> types, FileType* chosen = nullptr);
// Asks for a file to write, proposing `proposedName` in the start folder
// (a proposal that is already a path keeps its folder).
QString askSave(QWidget* parent, const radio::UserSettings& user, const QString& title,
                const QString& proposedName, std::initializer_list<FileType> types,
                FileType* chosen = nullptr);
// The same offering every channel-list layout, the default first; `chosen`
// receives the layout whose filter the user left selected.
QString askOpenLayout(QWidget* parent, const radio::UserSettings& user, const QString& title,
                      const radio::layouts::FileLayout** chosen);
QString askSaveLayout(QWidget* parent, const radio::UserSettings& user, const QString& title,
                      const QString& proposedName, const radio::layouts::FileLayout** chosen);

} // namespace filedialogs
