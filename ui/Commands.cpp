#include "ui/Commands.h"

#include "model/Text.h"

#include <algorithm>

namespace cmd {

namespace {

using namespace ids;

// Shorthands for the table's columns.
constexpr bool kSep = true;
constexpr bool kNoSep = false;

Command item(int id, Menu menu, bool separatorBefore, const char* text, const char* prompt,
             Rule rule) {
    return Command{
        id,      menu, separatorBefore, text,  prompt, nullptr, Keys::None, StandardKey::None,
        nullptr, 0,    false,           false, false,  rule,    false};
}

Command accelerated(Command c, const char* keys) {
    c.keys = keys;
    c.binding = Keys::Accelerator;
    return c;
}

Command shortcut(Command c, const char* keys, StandardKey standard = StandardKey::None) {
    c.keys = keys;
    c.binding = Keys::Shortcut;
    c.standardKey = standard;
    return c;
}

Command onToolbar(Command c, const char* icon, int slot) {
    c.icon = icon;
    c.toolbarSlot = slot;
    return c;
}

Command changing(Command c) {
    c.changesDocument = true;
    return c;
}

Command checkable(Command c) {
    c.checkable = true;
    return c;
}

Command submenu(Command c) {
    c.submenu = true;
    return c;
}

Command factoryOnly(Command c) {
    c.factoryOnly = true;
    return c;
}

std::vector<Command> build() {
    const Menu F = Menu::File, E = Menu::Edit, P = Menu::Program, V = Menu::View, S = Menu::Setup,
               H = Menu::Help;
    return {
        // ---- File
        onToolbar(accelerated(item(ID_FILE_NEW, F, kNoSep, RADIO_TEXT("CMainFrame", "&New\tCtrl+N"),
                                   RADIO_TEXT("CMainFrame", "Create a new document\nNew"),
                                   Rule::NoTransfer),
                              "Ctrl+N"),
                  ":/toolbar/new.png", 1),
        onToolbar(
            accelerated(item(ID_FILE_OPEN, F, kNoSep, RADIO_TEXT("CMainFrame", "&Open...\tCtrl+O"),
                             RADIO_TEXT("CMainFrame", "Open an existing document\nOpen"),
                             Rule::NoTransfer),
                        "Ctrl+O"),
            ":/toolbar/open.png", 2),
        item(ID_FILE_CLOSE, F, kNoSep, RADIO_TEXT("CMainFrame", "&Close"),
             RADIO_TEXT("CMainFrame", "Close the active document\nClose"), Rule::NoTransfer),
        onToolbar(
            accelerated(item(ID_FILE_SAVE, F, kNoSep, RADIO_TEXT("CMainFrame", "&Save\tCtrl+S"),
                             RADIO_TEXT("CMainFrame", "Save the active document\nSave"),
                             Rule::Always),
                        "Ctrl+S"),
            ":/toolbar/save.png", 3),
        item(ID_FILE_SAVE_AS, F, kNoSep, RADIO_TEXT("CMainFrame", "Save &As..."),
             RADIO_TEXT("CMainFrame", "Save the active document with a new name\nSave As"),
             Rule::Always),
        item(ID_FILE_COMPARE, F, kSep, RADIO_TEXT("CMainFrame", "Co&mpare With..."),
             RADIO_TEXT("CMainFrame",
                        "Compare the active configuration with a saved one\nCompare With"),
             Rule::EditingIdle),
        changing(item(
            ID_FILE_IMPORT_CHANNELS, F, kNoSep, RADIO_TEXT("CMainFrame", "&Import Channel List..."),
            RADIO_TEXT("CMainFrame",
                       "Read the channels from a channel list file (CSV)\nImport Channel List"),
            Rule::EditingIdle)),
        item(ID_FILE_EXPORT_CHANNELS, F, kNoSep,
             RADIO_TEXT("CMainFrame", "&Export Channel List..."),
             RADIO_TEXT("CMainFrame",
                        "Save the channels as a channel list file (CSV)\nExport Channel List"),
             Rule::EditingIdle),
        onToolbar(
            accelerated(item(ID_FILE_PRINT, F, kSep, RADIO_TEXT("CMainFrame", "&Print...\tCtrl+P"),
                             RADIO_TEXT("CMainFrame", "Print the active document\nPrint"),
                             Rule::ChannelWindow),
                        "Ctrl+P"),
            ":/toolbar/print.png", 8),
        item(ID_FILE_PRINT_PREVIEW, F, kNoSep, RADIO_TEXT("CMainFrame", "Print Pre&view"),
             RADIO_TEXT("CMainFrame", "Display full pages\nPrint Preview"), Rule::ChannelWindow),
        item(ID_FILE_PRINT_SETUP, F, kNoSep, RADIO_TEXT("CMainFrame", "P&rint Setup..."),
             RADIO_TEXT("CMainFrame", "Change the printing options\nPage Setup"),
             Rule::ChannelWindow),
        submenu(item(
            ID_FILE_RECENT, F, kSep, RADIO_TEXT("CMainFrame", "Recent &Files"),
            RADIO_TEXT("CMainFrame", "Open a configuration opened or saved lately\nRecent Files"),
            Rule::NoTransfer)),
        item(ID_APP_EXIT, F, kSep, RADIO_TEXT("CMainFrame", "E&xit"),
             RADIO_TEXT("CMainFrame", "Quit the application\nExit"), Rule::NoTransfer),
        // ---- Edit
        changing(
            shortcut(item(ID_EDIT_UNDO, E, kNoSep, RADIO_TEXT("CMainFrame", "&Undo"),
                          RADIO_TEXT("CMainFrame", "Undo the last change of the channels\nUndo"),
                          Rule::CanUndo),
                     "Ctrl+Z", StandardKey::Undo)),
        changing(shortcut(item(ID_EDIT_REDO, E, kNoSep, RADIO_TEXT("CMainFrame", "&Redo"),
                               RADIO_TEXT("CMainFrame", "Redo the change last undone\nRedo"),
                               Rule::CanRedo),
                          "Ctrl+Y")),
        shortcut(item(ID_EDIT_COPY, E, kSep, RADIO_TEXT("CMainFrame", "Cop&y Channels"),
                      RADIO_TEXT("CMainFrame", "Copy the selected channel rows\nCopy Channels"),
                      Rule::EditingIdle),
                 "Ctrl+C", StandardKey::Copy),
        changing(shortcut(
            item(ID_EDIT_PASTE, E, kNoSep, RADIO_TEXT("CMainFrame", "P&aste Channels"),
                 RADIO_TEXT("CMainFrame", "Paste channel rows from the clipboard\nPaste Channels"),
                 Rule::EditingIdle),
            "Ctrl+V", StandardKey::Paste)),
        changing(shortcut(
            item(ID_EDIT_CLEAR, E, kNoSep, RADIO_TEXT("CMainFrame", "C&lear Channels"),
                 RADIO_TEXT("CMainFrame", "Clear the selected channel rows\nClear Channels"),
                 Rule::EditingIdle),
            "Del", StandardKey::Delete)),
        changing(shortcut(
            item(ID_EDIT_FILL_DOWN, E, kNoSep, RADIO_TEXT("CMainFrame", "Fill &Down"),
                 RADIO_TEXT("CMainFrame", "Copy the top selected value of each column into the "
                                          "selected rows below it\nFill Down"),
                 Rule::EditingIdle),
            "Ctrl+D")),
        changing(
            item(ID_EDIT_SET_CELLS, E, kNoSep, RADIO_TEXT("CMainFrame", "Set Selected C&ells..."),
                 RADIO_TEXT("CMainFrame",
                            "Give every selected row one value of the current column\nSet Selected "
                            "Cells"),
                 Rule::EditingIdle)),
        changing(shortcut(
            item(ID_EDIT_MOVE_UP, E, kSep, RADIO_TEXT("CMainFrame", "Mo&ve Channels Up"),
                 RADIO_TEXT("CMainFrame", "Move the selected channels up one row, with all their "
                                          "settings\nMove Channels Up"),
                 Rule::EditingIdle),
            "Ctrl+Shift+Up")),
        changing(shortcut(
            item(ID_EDIT_MOVE_DOWN, E, kNoSep, RADIO_TEXT("CMainFrame", "Move Channels Do&wn"),
                 RADIO_TEXT("CMainFrame", "Move the selected channels down one row, with all their "
                                          "settings\nMove Channels Down"),
                 Rule::EditingIdle),
            "Ctrl+Shift+Down")),
        changing(
            item(ID_EDIT_SORT_RX, E, kNoSep, RADIO_TEXT("CMainFrame", "Sort &by Rx Frequency"),
                 RADIO_TEXT("CMainFrame",
                            "Sort the selected channels, or all programmed channels, by receive "
                            "frequency\nSort by Rx Frequency"),
                 Rule::EditingIdle)),
        changing(shortcut(
            item(ID_EDIT_INSERT_CHANNEL, E, kNoSep,
                 RADIO_TEXT("CMainFrame", "Insert E&mpty Channel"),
                 RADIO_TEXT("CMainFrame",
                            "Insert an empty channel here; the channels below move down to "
                            "the next empty one\nInsert Empty Channel"),
                 Rule::EditingIdle),
            "Ins")),
        changing(shortcut(
            item(ID_EDIT_DELETE_CHANNELS, E, kNoSep, RADIO_TEXT("CMainFrame", "Dele&te Channels"),
                 RADIO_TEXT("CMainFrame",
                            "Delete the selected channels; the channels below move up\n"
                            "Delete Channels"),
                 Rule::EditingIdle),
            "Ctrl+Del")),
        changing(item(
            ID_EDIT_INSERT_CHANNEL_SET, E, kSep, RADIO_TEXT("CMainFrame", "&Insert Channel Set..."),
            RADIO_TEXT("CMainFrame",
                       "Fill channels from a standard or your own channel set\nInsert Channel Set"),
            Rule::EditingIdle)),
        item(ID_EDIT_SAVE_CHANNEL_SET, E, kNoSep,
             RADIO_TEXT("CMainFrame", "Save as Channel &Set..."),
             RADIO_TEXT(
                 "CMainFrame",
                 "Save the selected channels as a channel set of your own\nSave as Channel Set"),
             Rule::EditingIdle),
        changing(
            item(ID_EDIT_PRODUCT_INFO, E, kSep, RADIO_TEXT("CMainFrame", "&Product Information"),
                 RADIO_TEXT("CMainFrame", "Choose the radio model and band\nProduct Information"),
                 Rule::ChannelWindow)),
        item(ID_EDIT_CHANNEL_INFO, E, kNoSep, RADIO_TEXT("CMainFrame", "&Channel Information"),
             RADIO_TEXT("CMainFrame", "Show the channel window\nChannel Information"),
             Rule::Always),
        changing(item(
            ID_EDIT_OPTIONAL_FEATURES, E, kNoSep, RADIO_TEXT("CMainFrame", "&Optional Features"),
            RADIO_TEXT("CMainFrame", "Edit the radio's optional features\nOptional Features"),
            Rule::ChannelWindow)),
        factoryOnly(changing(
            item(ID_EDIT_POWER_ADJUST, E, kNoSep, RADIO_TEXT("CMainFrame", "Power Adjustment"),
                 RADIO_TEXT("CMainFrame", "Adjust the transmit power\nPower Adjustment"),
                 Rule::ChannelWindow))),
        factoryOnly(changing(
            item(ID_EDIT_PARAM_ADJUST, E, kNoSep, RADIO_TEXT("CMainFrame", "Param Adjust"),
                 RADIO_TEXT("CMainFrame", "Adjust the audio and deviation levels\nParam Adjust"),
                 Rule::ChannelWindow))),
        // ---- Program
        onToolbar(accelerated(
                      item(ID_PROGRAM_READ, P, kNoSep, RADIO_TEXT("CMainFrame", "&Read    Ctrl+R"),
                           RADIO_TEXT("CMainFrame", "Read Data From Radio\nRead"), Rule::RadioIdle),
                      "Ctrl+R"),
                  ":/toolbar/read.png", 5),
        onToolbar(accelerated(
                      item(ID_PROGRAM_WRITE, P, kNoSep, RADIO_TEXT("CMainFrame", "&Write   Ctrl+W"),
                           RADIO_TEXT("CMainFrame", "Write Data To Radio\nWrite"), Rule::RadioIdle),
                      "Ctrl+W"),
                  ":/toolbar/write.png", 6),
        item(ID_PROGRAM_WRITE_FLEET, P, kNoSep,
             RADIO_TEXT("CMainFrame", "Write to Several Radios…"),
             RADIO_TEXT("CMainFrame",
                        "Write the active configuration to the radios on several ports at once\n"
                        "Write to several radios"),
             Rule::FleetIdle),
        changing(item(ID_PROGRAM_SCAN_INFO, P, kNoSep, RADIO_TEXT("CMainFrame", "Scan Info"),
                      RADIO_TEXT("CMainFrame", "Edit the scan settings\nScan Info"),
                      Rule::ChannelWindow)),
        // ---- View
        checkable(item(ID_VIEW_TOOLBAR, V, kNoSep, RADIO_TEXT("CMainFrame", "&Toolbar"),
                       RADIO_TEXT("CMainFrame", "Show or hide the toolbar\nToggle ToolBar"),
                       Rule::Always)),
        checkable(item(ID_VIEW_STATUS_BAR, V, kNoSep, RADIO_TEXT("CMainFrame", "&Status Bar"),
                       RADIO_TEXT("CMainFrame", "Show or hide the status bar\nToggle StatusBar"),
                       Rule::Always)),
        checkable(
            item(ID_VIEW_CONTROL_BAR, V, kNoSep, RADIO_TEXT("CMainFrame", "&Control Bar"),
                 RADIO_TEXT("CMainFrame", "Show or hide the navigation bar\nToggle Control Bar"),
                 Rule::Always)),
        // ---- Setup
        item(ID_SETUP_COM, S, kNoSep, RADIO_TEXT("CMainFrame", "&Com Setup"),
             RADIO_TEXT("CMainFrame", "Choose the serial port\nCom Setup"), Rule::ChannelWindow),
        item(ID_SETUP_LANGUAGE, S, kNoSep, RADIO_TEXT("CMainFrame", "&Language"),
             RADIO_TEXT("CMainFrame", "Choose the interface language\nLanguage"),
             Rule::ChannelWindow),
        item(ID_SETUP_OPEN_BACKUPS, S, kSep, RADIO_TEXT("CMainFrame", "Open &Backups Folder"),
             RADIO_TEXT("CMainFrame",
                        "Open the folder of the backups kept at each read\nOpen Backups Folder"),
             Rule::Always),
        item(ID_SETUP_OPEN_CHANNEL_SETS, S, kNoSep,
             RADIO_TEXT("CMainFrame", "Open Channel &Sets Folder"),
             RADIO_TEXT("CMainFrame",
                        "Open the folder of your own channel sets\nOpen Channel Sets Folder"),
             Rule::Always),
        item(
            ID_SETUP_OPEN_RECORD, S, kSep, RADIO_TEXT("CMainFrame", "Open Programming Record"),
            RADIO_TEXT(
                "CMainFrame",
                "Open the record of every radio this program has written\nOpen programming record"),
            Rule::Always),
        checkable(item(ID_SETUP_COMMUNICATION_LOG, S, kNoSep,
                       RADIO_TEXT("CMainFrame", "Keep a communication log"),
                       RADIO_TEXT("CMainFrame",
                                  "Log every byte of each transfer with the radio, for support\n"
                                  "Keep a communication log"),
                       Rule::Always)),
        item(ID_SETUP_OPEN_LOGS, S, kNoSep,
             RADIO_TEXT("CMainFrame", "Open Communication Log Folder"),
             RADIO_TEXT("CMainFrame",
                        "Open the folder of the communication logs\nOpen communication log folder"),
             Rule::Always),
        // ---- Help
        onToolbar(
            item(ID_APP_ABOUT, H, kNoSep, RADIO_TEXT("CMainFrame", "&About Program..."),
                 RADIO_TEXT("CMainFrame",
                            "Display program information, version number and copyright\nAbout"),
                 Rule::Always),
            ":/toolbar/about.png", 10),
        // ---- reached by ID only: printing without the print dialog
        item(ID_FILE_PRINT_DIRECT, Menu::None, kNoSep, RADIO_TEXT("CMainFrame", "Print"),
             RADIO_TEXT("CMainFrame", "Print the active document\nPrint"), Rule::ChannelWindow),
    };
}

} // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> table = build();
    return table;
}

const Command* find(int id) {
    const auto& table = commands();
    const auto it =
        std::find_if(table.begin(), table.end(), [id](const Command& c) { return c.id == id; });
    return it == table.end() ? nullptr : &*it;
}

const char* menuTitle(Menu menu) {
    switch (menu) {
    case Menu::File:
        return RADIO_TEXT("CMainFrame", "&File");
    case Menu::Edit:
        return RADIO_TEXT("CMainFrame", "&Edit");
    case Menu::Program:
        return RADIO_TEXT("CMainFrame", "&Program");
    case Menu::View:
        return RADIO_TEXT("CMainFrame", "&View");
    case Menu::Setup:
        return RADIO_TEXT("CMainFrame", "&Setup");
    case Menu::Help:
        return RADIO_TEXT("CMainFrame", "&Help");
    case Menu::None:
        break;
    }
    return "";
}

bool enabled(Rule rule, const State& s) {
    const bool editingIdle = s.channelWindow && !s.windowTransferring && !s.documentLocked;
    switch (rule) {
    case Rule::Always:
        return true;
    case Rule::ChannelWindow:
        return s.channelWindow;
    case Rule::NoTransfer:
        return !s.transferRunning;
    case Rule::RadioIdle:
        return s.channelWindow && !s.fleetRunning && !s.progressShown;
    case Rule::EditingIdle:
        return editingIdle;
    case Rule::CanUndo:
        return editingIdle && s.canUndo;
    case Rule::CanRedo:
        return editingIdle && s.canRedo;
    case Rule::FleetIdle:
        return s.channelWindow && !s.transferRunning && !s.progressShown;
    }
    return false;
}

bool enabled(const Command& command, const State& state) {
    if (command.changesDocument && state.documentLocked)
        return false;
    return enabled(command.rule, state);
}

std::vector<int> toolbarLayout() {
    std::vector<const Command*> buttons;
    for (const Command& c : commands())
        if (c.toolbarSlot > 0)
            buttons.push_back(&c);
    std::stable_sort(buttons.begin(), buttons.end(), [](const Command* a, const Command* b) {
        return a->toolbarSlot < b->toolbarSlot;
    });
    std::vector<int> items;
    int last = 0;
    for (const Command* c : buttons) {
        if (last && c->toolbarSlot > last + 1)
            items.push_back(0);
        items.push_back(c->id);
        last = c->toolbarSlot;
    }
    return items;
}

} // namespace cmd
