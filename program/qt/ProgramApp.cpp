#include "program/qt/ProgramApp.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/RecentFiles.h"
#include "app/SettingsLocation.h"
#include "app/Startup.h"
#include "app/UserKeys.h"
#include "model/StringTable.h"
#include "program/qt/RecoveryKeeper.h"
#include "program/qt/UserValuesQt.h"
#include "textfile/ConfigFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/dialogs/FileDialogs.h"
#include "ui/qt/shell/AboutDlg.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"
#include "ui/qt/widgets/MessageWrap.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>

namespace {

CProgramApp* g_app = nullptr;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString settingsText(const std::string& section, const char* key) {
    const radio::AppState& st = radio::appState();
    return st.settings ? qs(st.settings->GetString(section, key)) : QString();
}

// The view showing `doc`: the view of the channel window holding it.
CProgramView* viewOf(const CProgramDoc* doc) {
    const auto* frame = qobject_cast<const CChildFrame*>(doc->parent());
    return frame ? frame->view() : nullptr;
}

} // namespace

CProgramApp::CProgramApp(const QStringList& arguments, const QString& executableDir)
    : m_arguments(arguments),
      m_executableDir(executableDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : executableDir) {
    g_app = this;
    // The pictures and icons built into the program live in a static library.
    Q_INIT_RESOURCE(resources);
    using filedialogs::FileType;
    askOpenFileName = [this] {
        return filedialogs::askOpen(m_pMainWnd, radio::userSettings(radio::appState()), QString(),
                                    {FileType::Configuration, FileType::ConfigurationText});
    };
    askSaveFileName = [this](const QString& proposed) {
        // A text proposes its own kind first, so Save As keeps it a text.
        const bool text = radio::configfile::isText(proposed.toStdString());
        FileType chosen = FileType::Configuration;
        QString path = filedialogs::askSave(
            m_pMainWnd, radio::userSettings(radio::appState()), QString(), proposed,
            {text ? FileType::ConfigurationText : FileType::Configuration,
             text ? FileType::Configuration : FileType::ConfigurationText},
            &chosen);
        // The kind goes by the name: a text chosen by its filter gets a text's name.
        if (!path.isEmpty() && chosen == FileType::ConfigurationText &&
            !radio::configfile::isText(path.toStdString())) {
            if (path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
                path.chop(4);
            path += QLatin1String(radio::configfile::kTextExtension);
        }
        return path;
    };
}

CProgramApp::~CProgramApp() {
    delete m_pMainWnd.data();
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator);
        delete m_qtTranslator;
    }
    if (m_previousLocale)
        QLocale::setDefault(*m_previousLocale);
    radio::AppState& st = radio::appState();
    st.settings = nullptr;
    st.userValues = nullptr;
    m_settings.reset(); // writes Program.ini back
    if (g_app == this)
        g_app = nullptr;
}

CProgramApp* CProgramApp::instance() {
    return g_app;
}

CMainFrame* CProgramApp::mainFrame() const {
    return m_pMainWnd.data();
}

QString CProgramApp::messageTitle() {
    return QCoreApplication::applicationName();
}

int CProgramApp::run() {
    if (!InitInstance())
        return 1;
    return QApplication::exec();
}

bool CProgramApp::InitInstance() {
    radio::AppState& st = radio::appState();
    st.freshDocument = false;
    st.factoryMode = false;

    // 2. The settings file, written back when the program ends.
    const std::string argv0 = m_arguments.isEmpty() ? std::string() : m_arguments[0].toStdString();
    const std::string dir = radio::settingsDirectory(argv0, m_executableDir.toStdString());
    // Installed, the file is the system's: the user's changes go to a per-user copy.
    st.settingsBesideProgram = dir + "/Program.ini";
    const radio::SettingsPaths paths =
        radio::locateSettings(st.settingsBesideProgram, radio::userConfigLocation());
    m_settings = std::make_unique<radio::CIniFile>();
    m_settings->Load(paths.load, true, true, 0);
    if (paths.save != paths.load) {
        if (!paths.save.empty())
            QDir().mkpath(QFileInfo(qs(paths.save)).absolutePath());
        m_settings->SetSavePath(paths.save);
    }
    st.settings = m_settings.get();

    // 3. The language.
    radio::setLanguage(st, m_settings->GetString("Setup", "Language"));

    // 4. The language catalogue next to the program.
    const std::string catalogue =
        radio::findCatalogue(m_executableDir.toStdString(), st.languageName);
    m_translator = new QTranslator;
    if (catalogue.empty() || !m_translator->load(qs(catalogue))) {
        QMessageBox box(QMessageBox::NoIcon, messageTitle(),
                        st.chinese ? QStringLiteral("加载语言链接库失败")
                                   : QStringLiteral("Load language DLL fail"),
                        QMessageBox::Ok);
        box.exec();
        return false;
    }
    // Qt's own texts (the standard Open, Save and Print dialogs, the buttons
    // of message boxes) in the same language; installed first, so the
    // program's catalogue has the last word. Without them those stay
    // English, which is no reason to stop.
    if (st.chinese) {
        m_qtTranslator = new QTranslator;
        if (m_qtTranslator->load(QStringLiteral("qtbase_zh_CN"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(m_qtTranslator);
        // The file dialog names file types and writes dates by the locale,
        // not by a catalogue.
        m_previousLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    }
    QCoreApplication::installTranslator(m_translator);
    // Long messages widen their box rather than strand a last word.
    qApp->installEventFilter(new dialogs::MessageWrapFilter(this));

    // 6. The program directory, where pictures and help files are looked up.
    st.programDir = QDir(m_executableDir).absolutePath().toStdString() + "/";

    // 7. The per-user values.
    m_userValues = std::make_unique<QSettingsUserValues>();
    st.userValues = m_userValues.get();

    // Unsaved work is kept from the first document on.
    m_recovery = new CRecoveryKeeper(radio::recovery::recoveryFolder(m_settings.get()), this);

    // 9. The main frame.
    setHelpFiles(st.programDir, st.helpFile);
    m_pMainWnd = new CMainFrame(radio::appState());
    m_pMainWnd->recentFiles = [this] { return recentFiles(); };
    m_pMainWnd->openRecentFile = [this](const QString& path) { openRecentFile(path); };
    m_pMainWnd->openDroppedFile = [this](const QString& path) { openInPlaceOfActive(path); };
    m_pMainWnd->closeChildFrame = [this](CChildFrame* frame) { closeChildFrame(frame); };
    registerCommands();

    // 1, 10. The configurations named on the command line, or a new one.
    if (!openCommandLineFiles() && newDocument() == nullptr)
        return false;

    // 11, 12. Shown maximized, with the program's icon.
    // Where no window manager maximizes it, the frame still fills the screen.
    if (const QScreen* screen = m_pMainWnd->screen())
        m_pMainWnd->resize(screen->availableGeometry().size());
    m_pMainWnd->showMaximized();
    const QIcon icon(qs(st.programDir) + QStringLiteral("title.ico"));
    if (!icon.availableSizes().isEmpty())
        m_pMainWnd->setWindowIcon(icon);

    // 13. The name message boxes carry.
    QCoreApplication::setApplicationName(settingsText(st.languageName, "Company"));

    // 14-16. Menu changes.
    applyMenuSettings();

    // What was open before a restart for another language, then what a
    // program that was killed left unsaved.
    reopenAfterRestart();
    offerRecovered();
    return true;
}

bool CProgramApp::openCommandLineFiles() {
    // Every argument after the program's name that is no option ("--" ends
    // the options), opened one after the other as File > Open opens it: with
    // its checks and its message for a file that cannot be loaded, which
    // leaves the others to open.
    bool options = true;
    for (int i = 1; i < m_arguments.size(); ++i) {
        const QString& argument = m_arguments[i];
        if (options && argument == QLatin1String("--"))
            options = false;
        else if (!options || !argument.startsWith(QLatin1Char('-')))
            openInPlaceOfActive(argument);
    }
    return m_pMainWnd->activeChildFrame() != nullptr;
}

void CProgramApp::reopenAfterRestart() {
    const radio::UserSettings user = radio::userSettings(radio::appState());
    const QString list = qs(user.get(radio::userkeys::ReopenFiles));
    if (list.isEmpty())
        return;
    user.set(radio::userkeys::ReopenFiles, std::string());
    QList<QPointer<CChildFrame>> reopened;
    for (const QString& path : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (CProgramDoc* doc = QFileInfo(path).isFile() ? openDocumentFile(path) : nullptr)
            reopened << qobject_cast<CChildFrame*>(doc->parent());
    // All of them in sight, as they were (an open hides the window before
    // it); the last one listed active.
    for (const QPointer<CChildFrame>& frame : reopened)
        if (frame)
            frame->show();
    if (!reopened.isEmpty() && reopened.back())
        m_pMainWnd->mdiArea()->setActiveSubWindow(reopened.back());
}

void CProgramApp::offerRecovered() {
    std::vector<radio::recovery::Orphan> found =
        radio::recovery::orphans(m_recovery->folder(), m_recovery->session().path());
    for (radio::recovery::Orphan& orphan : found) {
        const std::vector<radio::recovery::Entry> entries = orphan.entries;
        for (const radio::recovery::Entry& entry : entries) {
            const QString when =
                QLocale().toString(QFileInfo(qs(entry.file)).lastModified(), QLocale::ShortFormat);
            QMessageBox box(QMessageBox::Question, messageTitle(),
                            tr("The program ended without saving \"%1\" (changed %2).")
                                .arg(qs(entry.title), when),
                            QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Ignore,
                            m_pMainWnd);
            box.setInformativeText(
                tr("Restore its unsaved changes? Discard drops them for good; Later asks again at "
                   "the next start."));
            box.button(QMessageBox::Yes)->setText(tr("Restore"));
            box.button(QMessageBox::Discard)->setText(tr("Discard"));
            box.button(QMessageBox::Ignore)->setText(tr("Later"));
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Ignore);
            const int answer = box.exec();
            if (answer == QMessageBox::Yes)
                restoreDocument(entry);
            if (answer != QMessageBox::Ignore)
                radio::recovery::drop(orphan, entry);
        }
    }
}

CProgramDoc* CProgramApp::restoreDocument(const radio::recovery::Entry& entry) {
    auto* doc = new CProgramDoc(radio::appState());
    doc->m_image = entry.image;
    doc->setTitle(qs(entry.title));
    doc->setPathName(qs(entry.path), false);
    // The configuration's own model and band, as for an opened file.
    radio::appState().freshDocument = false;
    showDocument(doc);
    doc->SetModifiedFlag(); // nothing of it is saved
    m_recovery->keepNow(doc);
    return doc;
}

CChildFrame* CProgramApp::showDocument(CProgramDoc* doc) {
    auto* frame = new CChildFrame(doc);
    m_pMainWnd->addChildFrame(frame);
    frame->view()->OnInitialUpdate();
    frame->fitToView();
    if (m_recovery)
        m_recovery->watch(frame);
    return frame;
}

void CProgramApp::applyMenuSettings() {
    const radio::AppState& st = radio::appState();
    m_pMainWnd->setAboutText(settingsText(st.languageName, "About Title"));
    if (!radio::showLanguageCommand(m_settings->GetString("Setup", "ShowLang")))
        m_pMainWnd->hideCommand(ids::ID_SETUP_LANGUAGE);
}

void CProgramApp::registerCommands() {
    CMainFrame* f = m_pMainWnd;
    f->addCommand(ids::ID_FILE_NEW, [this] { OnAppFileNew(); });
    f->addCommand(ids::ID_FILE_OPEN, [this] { OnFileOpen(); });
    f->addCommand(ids::ID_FILE_SAVE, [this] { OnFileSave(); });
    f->addCommand(ids::ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    f->addCommand(ids::ID_FILE_CLOSE, [this] { OnFileClose(); });
    f->addCommand(ids::ID_APP_ABOUT, [this] { OnAppAbout(); });
    f->queryClose = [this] { return saveAllModified(); };
    // A read that fails keeps the document's changes: Discard only lets it go on.
    f->queryReplace = [this](CProgramDoc* doc) {
        bool discarded = false;
        return SaveModified(doc, &discarded);
    };
}

bool CProgramApp::SaveModified(CProgramDoc* doc, bool* discarded) {
    if (discarded)
        *discarded = false;
    if (!doc || !doc->IsModified())
        return true;
    QMessageBox box(
        QMessageBox::Warning, messageTitle(),
        tr("The configuration \"%1\" has changes that are not saved.").arg(doc->title()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_pMainWnd);
    box.setInformativeText(tr("Save the changes?"));
    box.button(QMessageBox::Save)->setText(tr("Save"));
    box.button(QMessageBox::Discard)->setText(tr("Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDocument(doc, false);
    case QMessageBox::Discard:
        if (discarded)
            *discarded = true;
        else
            doc->markSaved(); // dropped by the user: not asked about again
        return true;
    default:
        return false;
    }
}

bool CProgramApp::saveAllModified() {
    if (!m_pMainWnd)
        return true;
    for (CChildFrame* frame : m_pMainWnd->findChildren<CChildFrame*>())
        if (!SaveModified(frame->document()))
            return false;
    return true;
}

CProgramDoc* CProgramApp::newDocument() {
    auto* doc = new CProgramDoc(radio::appState());
    if (!doc->OnNewDocument()) {
        delete doc;
        return nullptr;
    }
    showDocument(doc);
    return doc;
}

CProgramDoc* CProgramApp::openDocumentFile(const QString& path) {
    auto* doc = new CProgramDoc(radio::appState());
    QString error;
    if (!doc->OnOpenDocument(path, &error)) {
        delete doc;
        QMessageBox::warning(m_pMainWnd, messageTitle(),
                             tr("Failed to open document.") + QLatin1Char('\n') + error);
        return nullptr;
    }
    // The window that was active before this open steps aside; ours is not
    // created yet, so it cannot be the one hidden. Its unsaved changes were
    // asked about before the file was loaded.
    if (CChildFrame* previous = m_pMainWnd ? m_pMainWnd->activeChildFrame() : nullptr)
        previous->hide();
    doc->setPathName(QFileInfo(path).absoluteFilePath());
    noteRecentFile(path);
    showDocument(doc);
    writecheck::reportOpened(m_pMainWnd, doc->state(), doc->m_image, QFileInfo(path).fileName());
    return doc;
}

void CProgramApp::OnAppFileNew() {
    CChildFrame* active = m_pMainWnd->activeChildFrame();
    // A running transfer still uses its window and document.
    if (active && CProgramView::transferRunning())
        return;
    if (active && active->document() && active->document()->IsModified()) {
        // The save question says all the warning would say, and offers to save.
        if (!SaveModified(active->document()))
            return;
        delete active;
    } else if (active) {
        QMessageBox box(QMessageBox::Warning, messageTitle(),
                        QCoreApplication::translate("StringTable",
                                                    radio::englishString(radio::IDS_DATA_CLEARED)),
                        QMessageBox::Ok | QMessageBox::Cancel, m_pMainWnd);
        if (box.exec() != QMessageBox::Ok)
            return;
        // Replaced without a save prompt.
        delete active;
    }
    newDocument();
}

void CProgramApp::OnFileOpen() {
    const QString path = askOpenFileName ? askOpenFileName() : QString();
    if (!path.isEmpty())
        openInPlaceOfActive(path);
}

void CProgramApp::openRecentFile(const QString& path) {
    if (!openInPlaceOfActive(path)) {
        // A file that cannot be opened any more leaves the list.
        radio::RecentFiles list = recentList();
        list.remove(QDir::toNativeSeparators(path).toStdString());
        storeRecentList(list);
    }
}

bool CProgramApp::openInPlaceOfActive(const QString& path) {
    if (CProgramView::transferRunning())
        return true; // nothing opens now, but the file is not at fault
    // The window that is active now steps aside for the opened file, and with
    // it its unsaved changes. A file that fails to load keeps it as it was.
    CChildFrame* previous = m_pMainWnd->activeChildFrame();
    QPointer<CProgramDoc> previousDoc = previous ? previous->document() : nullptr;
    bool discarded = false;
    if (previousDoc && !SaveModified(previousDoc, &discarded))
        return true; // cancelled: the file itself is fine
    CProgramDoc* opened = openDocumentFile(path);
    if (opened && discarded && previousDoc)
        previousDoc->markSaved();
    return opened != nullptr;
}

QStringList CProgramApp::recentFiles() const {
    QStringList paths;
    const radio::RecentFiles list = recentList();
    for (const std::string& p : list.paths())
        paths << QString::fromStdString(p);
    return paths;
}

radio::RecentFiles CProgramApp::recentList() const {
    return radio::RecentFiles::parse(
        radio::userSettings(radio::appState()).get(radio::userkeys::RecentFiles));
}

void CProgramApp::storeRecentList(const radio::RecentFiles& list) {
    radio::userSettings(radio::appState()).set(radio::userkeys::RecentFiles, list.serialize());
    emit recentFilesChanged();
}

void CProgramApp::noteRecentFile(const QString& path) {
    radio::RecentFiles list = recentList();
    list.add(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString());
    storeRecentList(list);
}

bool CProgramApp::saveDocument(CProgramDoc* doc, bool prompt) {
    if (!doc)
        return false;
    // A refused value in the open editor stops the save before any file is
    // asked for or written; the editor stays open for the correction.
    CProgramView* view = viewOf(doc);
    if (view && !view->commitBeforeCommand())
        return false;
    QString path = doc->pathName();
    const QFileInfo info(path);
    if (prompt || path.isEmpty() || !info.isFile() || !info.isWritable()) {
        // An untitled document proposes its title, made a file name.
        QString proposed = path;
        if (proposed.isEmpty()) {
            proposed = doc->title();
            proposed.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")),
                             QStringLiteral("-"));
        }
        if (QFileInfo(proposed).suffix().isEmpty())
            proposed += QStringLiteral(".dat");
        path = askSaveFileName ? askSaveFileName(proposed) : QString();
        if (path.isEmpty())
            return false;
    }
    if (view) {
        // A value still in an open editor is part of what the user saves; a
        // refused one stops the save, with the editor still open.
        if (!view->commitBeforeCommand())
            return false;
        view->GridToImage();
    }
    QString error;
    if (!doc->OnSaveDocument(path, &error)) {
        QMessageBox::warning(m_pMainWnd, messageTitle(),
                             tr("Failed to save document.") + QLatin1Char('\n') + error);
        return false;
    }
    doc->setPathName(QFileInfo(path).absoluteFilePath());
    doc->markSaved();
    noteRecentFile(path);
    return true;
}

bool CProgramApp::OnFileSave() {
    return saveDocument(m_pMainWnd->activeDocument(), false);
}

bool CProgramApp::OnFileSaveAs() {
    return saveDocument(m_pMainWnd->activeDocument(), true);
}

void CProgramApp::OnFileClose() {
    if (CChildFrame* f = m_pMainWnd->activeChildFrame())
        closeChildFrame(f);
}

void CProgramApp::closeChildFrame(CChildFrame* frame) {
    // A running transfer still uses its window and document.
    if (CProgramView::transferRunning())
        return;
    // A closed window is only hidden, so unsaved changes in it would live on
    // unseen (and a later Save would write them): asked about as Exit asks.
    // Discard drops the configuration with its window.
    bool discarded = false;
    if (!SaveModified(frame->document(), &discarded))
        return;
    frame->hide();
    if (discarded)
        frame->deleteLater(); // maybe from inside its own close event
}

void CProgramApp::OnAppAbout() {
    CAboutDlg dlg(m_pMainWnd);
    const radio::AppState& st = radio::appState();
    dlg.load(st.settings, st.languageName, qs(st.programDir));
    dlg.exec();
}
