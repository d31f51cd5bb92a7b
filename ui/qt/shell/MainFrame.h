#pragma once
// The main window: menus, toolbar, status bar, the navigation bar at the left
// and the area holding the channel windows.

#include "ui/Commands.h"

#include <QMainWindow>
#include <QPointer>

#include <QKeySequence>
#include <QStringList>

#include <functional>
#include <map>
#include <set>

namespace radio {
struct AppState;
}

class CBackgroundClient;
class CChildFrame;
class CNavigationBar;
class CProgramDoc;
class CProgramView;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `state`: the program's settings and language, handed down to the
    // frame's bars and dialogs.
    explicit CMainFrame(radio::AppState& state, QWidget* parent = nullptr);

    radio::AppState& state() const { return m_state; }
    ~CMainFrame() override;

    // The action of a command ID (menu item, toolbar button, accelerator), or null.
    QAction* action(int id) const;

    // The channel window the user works in: the active one, or the last active
    // one when it was hidden by its close box or File > Close.
    CChildFrame* activeChildFrame() const;
    CProgramDoc* activeDocument() const;
    CProgramView* activeView() const;

    QMdiArea* mdiArea() const;
    CNavigationBar* navigationBar() const { return m_wndNavBar; }
    QMenu* menu(int position) const; // 0 File .. 5 Help, as cmd::Menu orders them

    // Frame-level command handlers. Commands are routed to the active view
    // first, then here; without a handler a command is disabled, and the
    // command table's rule decides whether one with a handler may run.
    void addCommand(int id, std::function<void()> handler);
    // A command that works on the active document (its rule asks for one).
    void addDocumentCommand(int id, std::function<void()> handler);
    bool canRun(int id) const;
    void runCommand(int id);
    // Enables every action by its rule; called whenever what the rules look at changes.
    void updateCommandStates();
    // What the command rules look at, now.
    cmd::State commandState() const;

    // Adds a new channel window and makes it active.
    void addChildFrame(CChildFrame* frame);

    // Start-up menu changes: About item text, the Language item hidden by
    // the settings. The factory items stay out of the menu until the code.
    void setAboutText(const QString& text);
    void hideCommand(int id);
    // Factory mode: Power Adjust and Param Adjust appended to the Edit menu.
    void appendFactoryCommands();

    // Ctrl+F11 in a channel window.
    void OnFactoryModeEntry();

    void OnEditChannelInfo();
    void OnViewControlBar();

    // Asked before the window closes (Exit, its close box, a restart);
    // false keeps it open. The application asks about unsaved changes here.
    std::function<bool()> queryClose;
    // Asked before a read from the radio replaces a document's unsaved
    // changes (Save, Discard or Cancel); false keeps them and stops the read.
    std::function<bool(CProgramDoc*)> queryReplace;
    // File > Recent Files and files dropped on the window; the application
    // answers them.
    std::function<QStringList()> recentFiles;
    std::function<void(const QString& path)> openRecentFile;
    std::function<void(const QString& path)> openDroppedFile;
    // File > Close and a channel window's close box; the application asks
    // about unsaved changes here. Unset, the window is only hidden.
    std::function<void(CChildFrame* frame)> closeChildFrame;
    // The title's unsaved-changes mark follows the active document.
    void refreshModifiedMark();

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    radio::AppState& m_state;
    void createActions();
    void createMenus();
    void rebuildMenus();
    bool canRun(int id, const cmd::State& state) const;
    void createToolBar();
    void createStatusBar();
    void installDialogCommands();
    void onSubWindowActivated(QMdiSubWindow* w);
    void showHelp();
    void fillRecentMenu();

    std::map<int, QAction*> m_actions;
    QList<QKeySequence> m_commandKeys; // every key the command table binds
    std::map<int, std::function<void()>> m_commands;
    QMenu* m_recentMenu = nullptr;
    std::map<int, QMenu*> m_menus;
    std::set<int> m_hidden;
    bool m_factoryShown = false;
    CBackgroundClient* m_wndMDIClient = nullptr;
    CNavigationBar* m_wndNavBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QPointer<CChildFrame> m_lastActive;
};
