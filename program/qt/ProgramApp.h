#pragma once
// The application: start-up in its fixed order, the application-wide state,
// and the document commands (New, Open, Save, Save As, Close, About).

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class CChildFrame;
class CMainFrame;
class CProgramDoc;
class CRecoveryKeeper;
class QSettingsUserValues;
class QTranslator;

namespace radio {
class CIniFile;
}

namespace radio {
class RecentFiles;
}

namespace radio::recovery {
struct Entry;
}

class CProgramApp : public QObject {
    Q_OBJECT
public:
    // `arguments` as the program got them (first = program name);
    // `executableDir` defaults to the running executable's directory.
    explicit CProgramApp(const QStringList& arguments, const QString& executableDir = QString());
    ~CProgramApp() override;

    // Start-up; false ends the program.
    bool InitInstance();
    // Start-up and the event loop; the program's exit status.
    int run();

    static CProgramApp* instance();
    CMainFrame* mainFrame() const;

    void OnAppFileNew();
    void OnFileOpen();
    // File > Recent Files: opens `path` as Open would; a file that no longer
    // opens leaves the list.
    void openRecentFile(const QString& path);
    // The configurations opened or saved last, most recent first.
    QStringList recentFiles() const;
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileClose();
    // File > Close and the close box of `frame`: hides it, asking first when
    // its configuration has unsaved changes.
    void closeChildFrame(CChildFrame* frame);
    void OnAppAbout();

    // A configuration a killed program left unsaved, in a window of its own,
    // still unsaved.
    CProgramDoc* restoreDocument(const radio::recovery::Entry& entry);

    // Framework New: a new document and its window.
    CProgramDoc* newDocument();
    // Framework Open: the file's document and its window; null (after the
    // load-error message) when the file cannot be loaded.
    CProgramDoc* openDocumentFile(const QString& path);
    // Save, asking for a file name when `prompt` is set or the document has
    // no writable file yet.
    bool saveDocument(CProgramDoc* doc, bool prompt);

    // Before a command throws `doc`'s unsaved changes away: Save, Discard or
    // Cancel. True when the command may go on (saved, discarded, or nothing
    // to save); false on Cancel or when the save failed or was cancelled.
    // `discarded`, when given, is set instead of forgetting the changes, for a
    // caller that may still fail.
    bool SaveModified(CProgramDoc* doc, bool* discarded = nullptr);
    // The same for every open document, hidden windows included.
    bool saveAllModified();

    // File dialogs; tests replace them. An empty result means Cancel.
    std::function<QString()> askOpenFileName;
    std::function<QString(const QString& proposed)> askSaveFileName;

    // Caption of the program's message boxes.
    static QString messageTitle();

signals:
    void recentFilesChanged();

private:
    // Open with the active window's unsaved changes asked about first; false
    // when the file could not be loaded.
    bool openInPlaceOfActive(const QString& path);
    radio::RecentFiles recentList() const;
    void storeRecentList(const radio::RecentFiles& list);
    void noteRecentFile(const QString& path);
    // Start-up: opens the configurations named on the command line; false
    // when none opened.
    bool openCommandLineFiles();
    void registerCommands();
    void applyMenuSettings();
    // Start-up: the files open before a language restart, and the offer of
    // what a killed program left unsaved.
    void reopenAfterRestart();
    void offerRecovered();
    // The window of a new, opened or restored document, shown and kept.
    CChildFrame* showDocument(CProgramDoc* doc);

    QStringList m_arguments;
    QString m_executableDir;
    std::unique_ptr<radio::CIniFile> m_settings;
    std::unique_ptr<QSettingsUserValues> m_userValues;
    QTranslator* m_translator = nullptr;
    QTranslator* m_qtTranslator = nullptr;   // Qt's own texts, in Chinese only
    std::optional<QLocale> m_previousLocale; // set while the program runs in Chinese
    QPointer<CMainFrame> m_pMainWnd;
    CRecoveryKeeper* m_recovery = nullptr;
};
