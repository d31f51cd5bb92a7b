#include "ui/qt/shell/MainFrame.h"

#include "app/AppState.h"
#include "app/RecentFiles.h"
#include "model/DataTexts.h"
#include "model/FactoryMode.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelSetCommands.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/TransferRecord.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Help.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ProgressDlg.h"
#include "ui/qt/shell/BackgroundClient.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/FleetWrite.h"
#include "ui/qt/shell/LockKeys.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>

using namespace ids;

namespace {

QString tr2(const char* text) {
    return QCoreApplication::translate(cmd::kContext, text);
}

QKeySequence keySequence(const cmd::Command& c) {
    switch (c.standardKey) {
    case cmd::StandardKey::Undo:
        return QKeySequence::Undo;
    case cmd::StandardKey::Copy:
        return QKeySequence::Copy;
    case cmd::StandardKey::Paste:
        return QKeySequence::Paste;
    case cmd::StandardKey::Delete:
        return QKeySequence::Delete;
    case cmd::StandardKey::None:
        break;
    }
    return QKeySequence(QString::fromLatin1(c.keys));
}

void openBackupsFolder(QWidget* parent, const radio::AppState& state) {
    const QString folder = fleetui::backupsFolder(state);
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        messages::show(parent, CMainFrame::tr("The backups are in %1").arg(folder), false);
}

} // namespace

CMainFrame::CMainFrame(radio::AppState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(tr("Program"));
    resize(1000, 600);
    // A configuration dropped from the file manager opens like File > Open.
    setAcceptDrops(true);

    m_wndMDIClient = new CBackgroundClient(QString::fromStdString(m_state.programDir), this);
    setCentralWidget(m_wndMDIClient);
    connect(m_wndMDIClient, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();

    m_wndNavBar = new CNavigationBar(m_state, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_wndNavBar);
    m_wndNavBar->applyDefaultWidth();
    connect(m_wndNavBar, &CNavigationBar::commandRequested, this, &CMainFrame::runCommand);
    connect(m_wndNavBar, &QDockWidget::visibilityChanged, this,
            [this] { action(ID_VIEW_CONTROL_BAR)->setChecked(m_wndNavBar->isVisible()); });

    // Frame-level handlers.
    addCommand(ID_EDIT_CHANNEL_INFO, [this] { OnEditChannelInfo(); });
    addCommand(ID_VIEW_CONTROL_BAR, [this] { OnViewControlBar(); });
    addCommand(ID_VIEW_TOOLBAR, [this] { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); });
    addCommand(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    addCommand(ID_APP_EXIT, [this] { close(); });
    addCommand(ID_SETUP_OPEN_BACKUPS, [this] { openBackupsFolder(this, m_state); });
    addCommand(ID_SETUP_OPEN_CHANNEL_SETS, [this] { channelsets::openFolder(this, m_state); });
    // The entry itself only opens its list; the list's items open the files.
    addCommand(ID_FILE_RECENT, [] {});
    installDialogCommands();
    fleetui::installCommands(this);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CMainFrame::showHelp);
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    // Children report their own teardown; nothing here may react to it.
    for (QObject* sender :
         {static_cast<QObject*>(m_wndMDIClient), static_cast<QObject*>(m_wndNavBar),
          static_cast<QObject*>(m_wndToolBar), static_cast<QObject*>(statusBar())})
        disconnect(sender, nullptr, this, nullptr);
}

void CMainFrame::createActions() {
    for (const cmd::Command& c : cmd::commands()) {
        auto* a = new QAction(tr2(c.text), this);
        const QString prompt = tr2(c.prompt);
        const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
        a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
        a->setToolTip(nl < 0 ? prompt : prompt.mid(nl + 1));
        if (c.icon)
            a->setIcon(QIcon(QString::fromLatin1(c.icon)));
        if (c.submenu) {
            // Filled each time it opens: the list changes in every window.
            m_recentMenu = new QMenu(this);
            connect(m_recentMenu, &QMenu::aboutToShow, this, &CMainFrame::fillRecentMenu);
            a->setMenu(m_recentMenu);
        }
        a->setData(c.id);
        if (c.checkable) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        const int id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions[c.id] = a;
        if (c.keys)
            m_commandKeys << keySequence(c);
        if (c.binding == cmd::Keys::Accelerator) {
            // The menu text names the key itself; the rule is asked at the press.
            auto* s = new QShortcut(keySequence(c), this);
            connect(s, &QShortcut::activated, this, [this, id] {
                if (canRun(id))
                    runCommand(id);
            });
        } else if (c.binding == cmd::Keys::Shortcut) {
            a->setShortcut(keySequence(c));
            // The line editors keep their own Ctrl+Z, Ctrl+C, Delete while they are open.
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
    }
}

void CMainFrame::createMenus() {
    for (int position = 0; position < cmd::kMenuCount; ++position) {
        const auto which = static_cast<cmd::Menu>(position + 1);
        QMenu* menu = menuBar()->addMenu(tr2(cmd::menuTitle(which)));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
        m_menus[position] = menu;
    }
    rebuildMenus();
}

void CMainFrame::rebuildMenus() {
    const auto shown = [this](const cmd::Command& c) {
        return !m_hidden.count(c.id) && (!c.factoryOnly || m_factoryShown);
    };
    for (auto& [position, menu] : m_menus) {
        menu->clear();
        for (int id : cmd::menuLayout(static_cast<cmd::Menu>(position + 1), shown)) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions[id]);
        }
    }
}

void CMainFrame::createToolBar() {
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setMovable(true);
    for (int id : cmd::toolbarLayout()) {
        if (id == 0)
            m_wndToolBar->addSeparator();
        else
            m_wndToolBar->addAction(m_actions[id]);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this,
            [this](bool v) { action(ID_VIEW_TOOLBAR)->setChecked(v); });
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(tr("Ready")), 1);
    // Indicator panes: the key's name while its lock is on. Shown only where
    // the platform reports the states; Qt itself cannot read them.
    QLabel* panes[3] = {};
    int i = 0;
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel;
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QLatin1String(indicator)) + 8);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
        panes[i++] = pane;
    }
    const auto showLocks = [panes] {
        const std::optional<LockKeys> keys = readLockKeys();
        const bool on[3] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
        for (int k = 0; k < 3; ++k) {
            panes[k]->setVisible(keys.has_value());
            panes[k]->setText(on[k] ? panes[k]->objectName() : QString());
        }
        return keys.has_value();
    };
    if (showLocks()) {
        // The states change outside the program too: looked at twice a second.
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, showLocks);
        timer->start(500);
    }
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString&) {
        action(ID_VIEW_STATUS_BAR)->setChecked(statusBar()->isVisible());
    });
}

QAction* CMainFrame::action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::menu(int position) const {
    auto it = m_menus.find(position);
    return it == m_menus.end() ? nullptr : it->second;
}

QMdiArea* CMainFrame::mdiArea() const {
    return m_wndMDIClient;
}

CChildFrame* CMainFrame::activeChildFrame() const {
    if (auto* f = qobject_cast<CChildFrame*>(m_wndMDIClient->activeSubWindow()))
        return f;
    return m_lastActive.data();
}

CProgramDoc* CMainFrame::activeDocument() const {
    CChildFrame* f = activeChildFrame();
    return f ? f->document() : nullptr;
}

CProgramView* CMainFrame::activeView() const {
    CChildFrame* f = activeChildFrame();
    return f ? f->view() : nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    if (queryClose && !queryClose()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void CMainFrame::refreshModifiedMark() {
    const CProgramDoc* doc = activeDocument();
    setWindowModified(doc && doc->IsModified());
}

void CMainFrame::addChildFrame(CChildFrame* frame) {
    if (CProgramDoc* doc = frame->document())
        connect(doc, &CProgramDoc::modifiedChanged, this, &CMainFrame::refreshModifiedMark);
    if (CProgramView* view = frame->view())
        connect(view, &CProgramView::commandStatesChanged, this, &CMainFrame::updateCommandStates);
    m_wndMDIClient->addSubWindow(frame);
    // The window's keys win wherever the focus is. The channel window's own
    // menu binds Close to Ctrl+W on some platforms: with the focus in the
    // grid, Write's key would be ambiguous and do nothing.
    if (QMenu* menu = frame->systemMenu()) {
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            keys.removeIf([this](const QKeySequence& k) { return m_commandKeys.contains(k); });
            a->setShortcuts(keys);
        }
    }
    frame->move(0, 0);
    frame->show();
    m_wndMDIClient->setActiveSubWindow(frame);
    m_lastActive = frame;
    updateCommandStates();
    refreshModifiedMark();
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* w) {
    if (auto* f = qobject_cast<CChildFrame*>(w))
        m_lastActive = f;
    updateCommandStates();
    refreshModifiedMark();
}

void CMainFrame::addCommand(int id, std::function<void()> handler) {
    m_commands[id] = std::move(handler);
    updateCommandStates();
}

void CMainFrame::addDocumentCommand(int id, std::function<void()> handler) {
    // The command table's rule keeps it disabled without a document.
    addCommand(id, std::move(handler));
}

cmd::State CMainFrame::commandState() const {
    cmd::State s;
    s.documentLocked = CProgramView::documentLocked();
    s.transferRunning = CProgramView::transferRunning();
    s.fleetRunning = CProgramView::fleetRunning();
    if (CProgramView* v = activeView()) {
        s.channelWindow = activeDocument() != nullptr;
        s.windowTransferring = v->isTransferring();
        s.progressShown = v->m_pProgressDlg && v->m_pProgressDlg->isVisible();
        // Only a window that records its history yet has any.
        if (const EditHistory* e = v->recordedHistory()) {
            s.canUndo = e->undoStack()->canUndo();
            s.canRedo = e->undoStack()->canRedo();
        }
    }
    return s;
}

bool CMainFrame::canRun(int id) const {
    return canRun(id, commandState());
}

bool CMainFrame::canRun(int id, const cmd::State& state) const {
    const cmd::Command* c = cmd::find(id);
    if (!c || !cmd::enabled(*c, state))
        return false;
    if (CProgramView* v = activeView(); v && v->hasCommand(id))
        return true;
    return m_commands.count(id) != 0;
}

void CMainFrame::runCommand(int id) {
    // Like the framework's command routing: the active view first, then the frame.
    // The navigation tree comes here too, so the command's rule is asked here
    // and not only by the menus: what is disabled does not run by another way.
    if (const cmd::Command* c = cmd::find(id); c && !cmd::enabled(*c, commandState()))
        return;
    if (CProgramView* v = activeView(); v && v->runCommand(id))
        return;
    auto it = m_commands.find(id);
    if (it != m_commands.end() && it->second)
        it->second();
}

void CMainFrame::updateCommandStates() {
    const cmd::State state = commandState();
    for (auto& [id, a] : m_actions)
        a->setEnabled(canRun(id, state));
    // Undo and Redo say what they would undo or redo.
    const EditHistory* history = activeView() ? activeView()->recordedHistory() : nullptr;
    const QString undo = history ? history->undoText() : QString();
    const QString redo = history ? history->redoText() : QString();
    m_actions[ID_EDIT_UNDO]->setText(undo.isEmpty() ? tr2(cmd::find(ID_EDIT_UNDO)->text)
                                                    : tr("&Undo %1").arg(undo));
    m_actions[ID_EDIT_REDO]->setText(redo.isEmpty() ? tr2(cmd::find(ID_EDIT_REDO)->text)
                                                    : tr("&Redo %1").arg(redo));
    if (m_wndNavBar)
        m_actions[ID_VIEW_CONTROL_BAR]->setChecked(!m_wndNavBar->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(!statusBar()->isHidden());
    m_actions[ID_VIEW_TOOLBAR]->setChecked(!m_wndToolBar->isHidden());
    // Filled before its menu opens: a menu shows an empty submenu disabled.
    if (m_recentMenu)
        fillRecentMenu();
}

void CMainFrame::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList paths = recentFiles ? recentFiles() : QStringList();
    if (paths.isEmpty()) {
        m_recentMenu->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    std::vector<std::string> stored;
    for (const QString& path : paths)
        stored.push_back(path.toStdString());
    // Two customers' "radio.dat" show the folders that tell them apart.
    const std::vector<std::string> labels = radio::RecentFiles::labels(stored);
    int n = 0;
    for (const QString& path : paths) {
        const QString label = QDir::toNativeSeparators(QString::fromStdString(labels[size_t(n)]));
        // "&1 name" as desktop programs number them; the tip gives the whole path.
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(
            QString(label).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setStatusTip(QDir::toNativeSeparators(path));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setEnabled(!CProgramView::transferRunning());
        connect(a, &QAction::triggered, this, [this, path] {
            if (openRecentFile)
                openRecentFile(path);
        });
    }
}

namespace {

// The configurations among dropped files: local files named *.dat.
QStringList droppedConfigurations(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
            paths << path;
    }
    return paths;
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedConfigurations(e->mimeData()).isEmpty() && !CProgramView::transferRunning())
        e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* e) {
    const QStringList paths = droppedConfigurations(e->mimeData());
    if (paths.isEmpty() || !openDroppedFile)
        return;
    e->acceptProposedAction();
    // One configuration at a time replaces the active window, as Open does.
    for (const QString& path : paths)
        openDroppedFile(path);
}

void CMainFrame::setAboutText(const QString& text) {
    if (QAction* a = action(ID_APP_ABOUT))
        a->setText(text);
}

void CMainFrame::hideCommand(int id) {
    m_hidden.insert(id);
    rebuildMenus();
}

void CMainFrame::appendFactoryCommands() {
    // Once per run, in the language of the code.
    if (m_factoryShown)
        return;
    for (const auto& item :
         radio::factory::appendedItems(radio::coreTexts(radio::data::languageOf(m_state.chinese))))
        if (QAction* a = action(item.id))
            a->setText(QString::fromStdString(item.text));
    m_factoryShown = true;
    rebuildMenus();
    updateCommandStates();
}

void CMainFrame::OnEditChannelInfo() {
    CChildFrame* f = activeChildFrame();
    if (!f)
        return;
    f->showNormal();
    m_wndMDIClient->setActiveSubWindow(f);
}

void CMainFrame::OnViewControlBar() {
    m_wndNavBar->setVisible(m_wndNavBar->isHidden());
    action(ID_VIEW_CONTROL_BAR)->setChecked(!m_wndNavBar->isHidden());
}

void CMainFrame::showHelp() {
    // Inside a channel window the focused control names the topic.
    if (CProgramView* v = activeView(); v && v->isAncestorOf(QApplication::focusWidget())) {
        QWidget* w = QApplication::focusWidget();
        while (w && !w->property("controlId").isValid())
            w = w->parentWidget();
        if (w) {
            appHelp(w->property("controlId").toInt());
            return;
        }
    }
    appHelp(HELP_MAIN_FRAME);
}
