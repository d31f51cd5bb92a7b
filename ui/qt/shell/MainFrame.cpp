#include "ui/qt/shell/MainFrame.h"

#include "ui/qt/dialogs/Help.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "app/AppState.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/BackgroundClient.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/CommandIds.h"
#include "ui/qt/shell/Extras.h"
#include "ui/qt/shell/FleetWrite.h"
#include "ui/qt/shell/NavigationBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

using namespace ids;

namespace {

struct CommandText {
    int id;
    const char* text;   // menu item
    const char* prompt; // "status prompt\ntooltip"
    const char* icon;   // toolbar picture, if on the toolbar
};

// Menu texts and prompts in the English reference wording; the catalogues
// carry the translations.
const CommandText kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&New\tCtrl+N"),
     QT_TRANSLATE_NOOP("CMainFrame", "Create a new document\nNew"), ":/toolbar/new.png"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "&Open...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CMainFrame", "Open an existing document\nOpen"), ":/toolbar/open.png"},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CMainFrame", "&Close"),
     QT_TRANSLATE_NOOP("CMainFrame", "Close the active document\nClose"), nullptr},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "&Save\tCtrl+S"),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the active document\nSave"), ":/toolbar/save.png"},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "Save &As..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the active document with a new name\nSave As"), nullptr},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CMainFrame", "Print the active document\nPrint"), ":/toolbar/print.png"},
    {ID_FILE_PRINT_DIRECT, QT_TRANSLATE_NOOP("CMainFrame", "Print"),
     QT_TRANSLATE_NOOP("CMainFrame", "Print the active document\nPrint"), nullptr},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "Print Pre&view"),
     QT_TRANSLATE_NOOP("CMainFrame", "Display full pages\nPrint Preview"), nullptr},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Change the printing options\nPage Setup"), nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("CMainFrame", "Quit the application\nExit"), nullptr},
    {ID_EDIT_PRODUCT_INFO, QT_TRANSLATE_NOOP("CMainFrame", "&Product Information"),
     QT_TRANSLATE_NOOP("CMainFrame", "Choose the radio model and band\nProduct Information"),
     nullptr},
    {ID_EDIT_CHANNEL_INFO, QT_TRANSLATE_NOOP("CMainFrame", "&Channel Information"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show the channel window\nChannel Information"), nullptr},
    {ID_EDIT_OPTIONAL_FEATURES, QT_TRANSLATE_NOOP("CMainFrame", "&Optional Features"),
     QT_TRANSLATE_NOOP("CMainFrame", "Edit the radio's optional features\nOptional Features"),
     nullptr},
    {ID_EDIT_POWER_ADJUST, QT_TRANSLATE_NOOP("CMainFrame", "Power Adjustment"),
     QT_TRANSLATE_NOOP("CMainFrame", "Adjust the transmit power\nPower Adjustment"), nullptr},
    {ID_EDIT_PARAM_ADJUST, QT_TRANSLATE_NOOP("CMainFrame", "Param Adjust"),
     QT_TRANSLATE_NOOP("CMainFrame", "Adjust the audio and deviation levels\nParam Adjust"),
     nullptr},
    {ID_PROGRAM_READ, QT_TRANSLATE_NOOP("CMainFrame", "&Read    Ctrl+R"),
     QT_TRANSLATE_NOOP("CMainFrame", "Read Data From Radio\nRead"), ":/toolbar/read.png"},
    {ID_PROGRAM_WRITE, QT_TRANSLATE_NOOP("CMainFrame", "&Write   Ctrl+W"),
     QT_TRANSLATE_NOOP("CMainFrame", "Write Data To Radio\nWrite"), ":/toolbar/write.png"},
    {ID_PROGRAM_SCAN_INFO, QT_TRANSLATE_NOOP("CMainFrame", "Scan Info"),
     QT_TRANSLATE_NOOP("CMainFrame", "Edit the scan settings\nScan Info"), nullptr},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the toolbar\nToggle ToolBar"), nullptr},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar\nToggle StatusBar"), nullptr},
    {ID_VIEW_CONTROL_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Control Bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the navigation bar\nToggle Control Bar"),
     nullptr},
    {ID_SETUP_COM, QT_TRANSLATE_NOOP("CMainFrame", "&Com Setup"),
     QT_TRANSLATE_NOOP("CMainFrame", "Choose the serial port\nCom Setup"), nullptr},
    {ID_SETUP_LANGUAGE, QT_TRANSLATE_NOOP("CMainFrame", "&Language"),
     QT_TRANSLATE_NOOP("CMainFrame", "Choose the interface language\nLanguage"), nullptr},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About Program..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Display program information, version number and copyright\nAbout"),
     ":/toolbar/about.png"},
};

struct MenuDef {
    const char* title;
    std::initializer_list<int> items; // 0 = separator
};

const MenuDef kMenus[] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "&File"),
     {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0, ID_FILE_PRINT,
      ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0, ID_APP_EXIT}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Edit"),
     {ID_EDIT_PRODUCT_INFO, ID_EDIT_CHANNEL_INFO, ID_EDIT_OPTIONAL_FEATURES, ID_EDIT_POWER_ADJUST,
      ID_EDIT_PARAM_ADJUST}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Program"),
     {ID_PROGRAM_READ, ID_PROGRAM_WRITE, ID_PROGRAM_SCAN_INFO}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&View"),
     {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_CONTROL_BAR}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Setup"), {ID_SETUP_COM, ID_SETUP_LANGUAGE}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Help"), {ID_APP_ABOUT}},
};

const int kToolBar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_PROGRAM_READ, ID_PROGRAM_WRITE, 0, ID_FILE_PRINT,
    0,           ID_APP_ABOUT};

struct Accelerator {
    const char* keys;
    int id;
};
const Accelerator kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},     {"Ctrl+O", ID_FILE_OPEN}, {"Ctrl+P", ID_FILE_PRINT},
    {"Ctrl+R", ID_PROGRAM_READ}, {"Ctrl+S", ID_FILE_SAVE}, {"Ctrl+W", ID_PROGRAM_WRITE},
};

QString tr2(const char* text) {
    return QCoreApplication::translate("CMainFrame", text);
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(tr("Program"));
    resize(1000, 600);

    m_wndMDIClient = new CBackgroundClient(this);
    setCentralWidget(m_wndMDIClient);
    connect(m_wndMDIClient, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();

    m_wndNavBar = new CNavigationBar(this);
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
    installDialogCommands();
    extras::installCommands(this);
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
    for (const CommandText& c : kCommands) {
        auto* a = new QAction(tr2(c.text), this);
        const QString prompt = tr2(c.prompt);
        const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
        a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
        a->setToolTip(nl < 0 ? prompt : prompt.mid(nl + 1));
        if (c.icon)
            a->setIcon(QIcon(QString::fromLatin1(c.icon)));
        a->setData(c.id);
        const int id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions[c.id] = a;
    }
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_CONTROL_BAR}) {
        m_actions[id]->setCheckable(true);
        m_actions[id]->setChecked(true);
    }
    // Accelerators are a table of their own: the menu texts carry the key
    // names themselves.
    for (const Accelerator& acc : kAccelerators) {
        auto* s = new QShortcut(QKeySequence(QString::fromLatin1(acc.keys)), this);
        const int id = acc.id;
        connect(s, &QShortcut::activated, this, [this, id] {
            if (canRun(id))
                runCommand(id);
        });
    }
}

void CMainFrame::createMenus() {
    int position = 0;
    for (const MenuDef& m : kMenus) {
        QMenu* menu = menuBar()->addMenu(tr2(m.title));
        for (int id : m.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions[id]);
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
        m_menus[position++] = menu;
    }
}

void CMainFrame::createToolBar() {
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setMovable(true);
    for (int id : kToolBar) {
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
    // Indicator panes; Qt cannot read the lock keys portably, so they stay blank.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel;
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QLatin1String(indicator)) + 8);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
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

bool CMainFrame::changesDocument(int id) {
    switch (id) {
    case ID_EDIT_PRODUCT_INFO:
    case ID_EDIT_OPTIONAL_FEATURES:
    case ID_EDIT_POWER_ADJUST:
    case ID_EDIT_PARAM_ADJUST:
    case ID_PROGRAM_SCAN_INFO:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_EDIT_PASTE:
    case ID_EDIT_CLEAR:
    case ID_FILE_IMPORT_CHANNELS:
        return true;
    default:
        return false;
    }
}

void CMainFrame::addChildFrame(CChildFrame* frame) {
    if (CProgramDoc* doc = frame->document())
        connect(doc, &CProgramDoc::modifiedChanged, this, &CMainFrame::refreshModifiedMark);
    m_wndMDIClient->addSubWindow(frame);
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
    m_documentCommands.insert(id);
    addCommand(id, std::move(handler));
}

bool CMainFrame::canRun(int id) const {
    // While a transfer runs the document belongs to it.
    if (changesDocument(id) && CProgramView::documentLocked())
        return false;
    if ((id == ID_PROGRAM_READ || id == ID_PROGRAM_WRITE) && CProgramView::severalRadiosRunning())
        return false;
    if (CProgramView* v = activeView(); v && v->hasCommand(id))
        return true;
    if (m_documentCommands.count(id) && !activeDocument())
        return false;
    return m_commands.count(id) != 0;
}

void CMainFrame::runCommand(int id) {
    // Like the framework's command routing: the active view first, then the frame.
    // The navigation tree comes here too, so a locked document is checked here.
    if (changesDocument(id) && CProgramView::documentLocked())
        return;
    if (CProgramView* v = activeView(); v && v->runCommand(id))
        return;
    auto it = m_commands.find(id);
    if (it != m_commands.end() && it->second)
        it->second();
}

void CMainFrame::updateCommandStates() {
    for (auto& [id, a] : m_actions)
        a->setEnabled(canRun(id));
    if (m_wndNavBar)
        m_actions[ID_VIEW_CONTROL_BAR]->setChecked(!m_wndNavBar->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(!statusBar()->isHidden());
    m_actions[ID_VIEW_TOOLBAR]->setChecked(!m_wndToolBar->isHidden());
}

void CMainFrame::setAboutText(const QString& text) {
    if (QAction* a = action(ID_APP_ABOUT))
        a->setText(text);
}

void CMainFrame::removeMenuCommand(int popup, int id) {
    if (QMenu* m = menu(popup); m && action(id))
        m->removeAction(action(id));
}

void CMainFrame::appendFactoryCommands() {
    QMenu* edit = menu(1);
    const QList<QAction*> items = edit->actions();
    if (!items.isEmpty() && items.last() == action(ID_EDIT_PARAM_ADJUST))
        return;
    const bool zh = radio::appState().chinese;
    action(ID_EDIT_POWER_ADJUST)
        ->setText(zh ? QStringLiteral("功率调节") : QStringLiteral("Power Adjust"));
    action(ID_EDIT_PARAM_ADJUST)
        ->setText(zh ? QStringLiteral("参数调节") : QStringLiteral("Param Adjust"));
    edit->addAction(action(ID_EDIT_POWER_ADJUST));
    edit->addAction(action(ID_EDIT_PARAM_ADJUST));
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
