// The command table: what each menu and toolbar command is, where it sits,
// and when it may run.

#include "ui/Commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace cmd;
using namespace ids;

namespace {

struct Expected {
    int id;
    Menu menu;
    const char* text;
    const char* keys;
    Keys binding;
    Rule rule;
    const char* flags; // D changes the document, C checkable, F factory only, S submenu
};

// What the user sees and what each command may do, command by command.
const Expected kExpected[] = {
    {ID_FILE_NEW, Menu::File, "&New\tCtrl+N", "Ctrl+N", Keys::Accelerator, Rule::NoTransfer, ""},
    {ID_FILE_OPEN, Menu::File, "&Open...\tCtrl+O", "Ctrl+O", Keys::Accelerator, Rule::NoTransfer,
     ""},
    {ID_FILE_CLOSE, Menu::File, "&Close", nullptr, Keys::None, Rule::NoTransfer, ""},
    {ID_FILE_SAVE, Menu::File, "&Save\tCtrl+S", "Ctrl+S", Keys::Accelerator, Rule::Always, ""},
    {ID_FILE_SAVE_AS, Menu::File, "Save &As...", nullptr, Keys::None, Rule::Always, ""},
    {ID_FILE_COMPARE, Menu::File, "Co&mpare With...", nullptr, Keys::None, Rule::EditingIdle, ""},
    {ID_FILE_IMPORT_CHANNELS, Menu::File, "&Import Channel List...", nullptr, Keys::None,
     Rule::EditingIdle, "D"},
    {ID_FILE_EXPORT_CHANNELS, Menu::File, "&Export Channel List...", nullptr, Keys::None,
     Rule::EditingIdle, ""},
    {ID_FILE_PRINT, Menu::File, "&Print...\tCtrl+P", "Ctrl+P", Keys::Accelerator,
     Rule::ChannelWindow, ""},
    {ID_FILE_PRINT_PREVIEW, Menu::File, "Print Pre&view", nullptr, Keys::None, Rule::ChannelWindow,
     ""},
    {ID_FILE_PRINT_SETUP, Menu::File, "P&rint Setup...", nullptr, Keys::None, Rule::ChannelWindow,
     ""},
    {ID_FILE_RECENT, Menu::File, "Recent &Files", nullptr, Keys::None, Rule::NoTransfer, "S"},
    {ID_APP_EXIT, Menu::File, "E&xit", nullptr, Keys::None, Rule::NoTransfer, ""},
    {ID_EDIT_UNDO, Menu::Edit, "&Undo", "Ctrl+Z", Keys::Shortcut, Rule::CanUndo, "D"},
    {ID_EDIT_REDO, Menu::Edit, "&Redo", "Ctrl+Y", Keys::Shortcut, Rule::CanRedo, "D"},
    {ID_EDIT_COPY, Menu::Edit, "Cop&y Channels", "Ctrl+C", Keys::Shortcut, Rule::EditingIdle, ""},
    {ID_EDIT_PASTE, Menu::Edit, "P&aste Channels", "Ctrl+V", Keys::Shortcut, Rule::EditingIdle,
     "D"},
    {ID_EDIT_CLEAR, Menu::Edit, "C&lear Channels", "Del", Keys::Shortcut, Rule::EditingIdle, "D"},
    {ID_EDIT_FILL_DOWN, Menu::Edit, "Fill &Down", "Ctrl+D", Keys::Shortcut, Rule::EditingIdle, "D"},
    {ID_EDIT_SET_CELLS, Menu::Edit, "Set Selected C&ells...", nullptr, Keys::None,
     Rule::EditingIdle, "D"},
    {ID_EDIT_MOVE_UP, Menu::Edit, "Mo&ve Channels Up", "Ctrl+Shift+Up", Keys::Shortcut,
     Rule::EditingIdle, "D"},
    {ID_EDIT_MOVE_DOWN, Menu::Edit, "Move Channels Do&wn", "Ctrl+Shift+Down", Keys::Shortcut,
     Rule::EditingIdle, "D"},
    {ID_EDIT_SORT_RX, Menu::Edit, "Sort &by Rx Frequency", nullptr, Keys::None, Rule::EditingIdle,
     "D"},
    {ID_EDIT_INSERT_CHANNEL, Menu::Edit, "Insert E&mpty Channel", "Ins", Keys::Shortcut,
     Rule::EditingIdle, "D"},
    {ID_EDIT_DELETE_CHANNELS, Menu::Edit, "Dele&te Channels", "Ctrl+Del", Keys::Shortcut,
     Rule::EditingIdle, "D"},
    {ID_EDIT_INSERT_CHANNEL_SET, Menu::Edit, "&Insert Channel Set...", nullptr, Keys::None,
     Rule::EditingIdle, "D"},
    {ID_EDIT_SAVE_CHANNEL_SET, Menu::Edit, "Save as Channel &Set...", nullptr, Keys::None,
     Rule::EditingIdle, ""},
    {ID_EDIT_PRODUCT_INFO, Menu::Edit, "&Product Information", nullptr, Keys::None,
     Rule::ChannelWindow, "D"},
    {ID_EDIT_CHANNEL_INFO, Menu::Edit, "&Channel Information", nullptr, Keys::None, Rule::Always,
     ""},
    {ID_EDIT_OPTIONAL_FEATURES, Menu::Edit, "&Optional Features", nullptr, Keys::None,
     Rule::ChannelWindow, "D"},
    {ID_EDIT_POWER_ADJUST, Menu::Edit, "Power Adjustment", nullptr, Keys::None, Rule::ChannelWindow,
     "DF"},
    {ID_EDIT_PARAM_ADJUST, Menu::Edit, "Param Adjust", nullptr, Keys::None, Rule::ChannelWindow,
     "DF"},
    {ID_PROGRAM_READ, Menu::Program, "&Read    Ctrl+R", "Ctrl+R", Keys::Accelerator,
     Rule::RadioIdle, ""},
    {ID_PROGRAM_WRITE, Menu::Program, "&Write   Ctrl+W", "Ctrl+W", Keys::Accelerator,
     Rule::RadioIdle, ""},
    {ID_PROGRAM_WRITE_FLEET, Menu::Program, "Write to Several Radios…", nullptr, Keys::None,
     Rule::FleetIdle, ""},
    {ID_PROGRAM_SCAN_INFO, Menu::Program, "Scan Info", nullptr, Keys::None, Rule::ChannelWindow,
     "D"},
    {ID_VIEW_TOOLBAR, Menu::View, "&Toolbar", nullptr, Keys::None, Rule::Always, "C"},
    {ID_VIEW_STATUS_BAR, Menu::View, "&Status Bar", nullptr, Keys::None, Rule::Always, "C"},
    {ID_VIEW_CONTROL_BAR, Menu::View, "&Control Bar", nullptr, Keys::None, Rule::Always, "C"},
    {ID_SETUP_COM, Menu::Setup, "&Com Setup", nullptr, Keys::None, Rule::ChannelWindow, ""},
    {ID_SETUP_LANGUAGE, Menu::Setup, "&Language", nullptr, Keys::None, Rule::ChannelWindow, ""},
    {ID_SETUP_OPEN_BACKUPS, Menu::Setup, "Open &Backups Folder", nullptr, Keys::None, Rule::Always,
     ""},
    {ID_SETUP_OPEN_CHANNEL_SETS, Menu::Setup, "Open Channel &Sets Folder", nullptr, Keys::None,
     Rule::Always, ""},
    {ID_SETUP_OPEN_RECORD, Menu::Setup, "Open Programming Record", nullptr, Keys::None,
     Rule::Always, ""},
    {ID_SETUP_COMMUNICATION_LOG, Menu::Setup, "Keep a communication log", nullptr, Keys::None,
     Rule::Always, "C"},
    {ID_SETUP_OPEN_LOGS, Menu::Setup, "Open Communication Log Folder", nullptr, Keys::None,
     Rule::Always, ""},
    {ID_APP_ABOUT, Menu::Help, "&About Program...", nullptr, Keys::None, Rule::Always, ""},
    {ID_FILE_PRINT_DIRECT, Menu::None, "Print", nullptr, Keys::None, Rule::ChannelWindow, ""},
};

std::string str(const char* s) {
    return s ? s : "(none)";
}

TEST(CommandTable, EachCommandAsTheUserKnowsIt) {
    ASSERT_EQ(commands().size(), std::size(kExpected));
    std::set<int> seen;
    for (size_t i = 0; i < commands().size(); ++i) {
        const Command& c = commands()[i];
        const Expected& e = kExpected[i];
        SCOPED_TRACE(e.text);
        EXPECT_TRUE(seen.insert(c.id).second) << "ID " << c.id << " twice";
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(find(e.id), &c);
        EXPECT_EQ(c.menu, e.menu);
        EXPECT_EQ(str(c.text), str(e.text));
        EXPECT_EQ(str(c.keys), str(e.keys));
        EXPECT_EQ(c.binding, e.binding);
        EXPECT_EQ(c.rule, e.rule);
        const std::string flags = e.flags;
        EXPECT_EQ(c.changesDocument, flags.find('D') != std::string::npos);
        EXPECT_EQ(c.checkable, flags.find('C') != std::string::npos);
        EXPECT_EQ(c.factoryOnly, flags.find('F') != std::string::npos);
        EXPECT_EQ(c.submenu, flags.find('S') != std::string::npos);
        // Status-bar prompt, a line break, then the tool tip: both present.
        const std::string prompt = str(c.prompt);
        const auto nl = prompt.find('\n');
        ASSERT_NE(nl, std::string::npos) << prompt;
        EXPECT_GT(nl, 0u) << prompt;
        EXPECT_LT(nl + 1, prompt.size()) << prompt;
    }
    EXPECT_EQ(find(12345), nullptr);
}

TEST(CommandTable, MenusInTheirOrderWithTheirSeparators) {
    const auto all = [](const Command&) { return true; };
    const auto started = [](const Command& c) { return !c.factoryOnly; };
    EXPECT_EQ(menuLayout(Menu::File, all),
              (std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE,
                                ID_FILE_SAVE_AS, 0, ID_FILE_COMPARE, ID_FILE_IMPORT_CHANNELS,
                                ID_FILE_EXPORT_CHANNELS, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                                ID_FILE_PRINT_SETUP, 0, ID_FILE_RECENT, 0, ID_APP_EXIT}));
    std::vector<int> edit{ID_EDIT_UNDO,      ID_EDIT_REDO,     0,
                          ID_EDIT_COPY,      ID_EDIT_PASTE,    ID_EDIT_CLEAR,
                          ID_EDIT_FILL_DOWN, ID_EDIT_SET_CELLS};
    edit.insert(edit.end(), {0, ID_EDIT_MOVE_UP, ID_EDIT_MOVE_DOWN, ID_EDIT_SORT_RX,
                             ID_EDIT_INSERT_CHANNEL, ID_EDIT_DELETE_CHANNELS});
    edit.insert(edit.end(), {0, ID_EDIT_INSERT_CHANNEL_SET, ID_EDIT_SAVE_CHANNEL_SET});
    edit.insert(edit.end(),
                {0, ID_EDIT_PRODUCT_INFO, ID_EDIT_CHANNEL_INFO, ID_EDIT_OPTIONAL_FEATURES});
    EXPECT_EQ(menuLayout(Menu::Edit, started), edit);
    edit.insert(edit.end(), {ID_EDIT_POWER_ADJUST, ID_EDIT_PARAM_ADJUST});
    EXPECT_EQ(menuLayout(Menu::Edit, all), edit);
    EXPECT_EQ(menuLayout(Menu::Program, all),
              (std::vector<int>{ID_PROGRAM_READ, ID_PROGRAM_WRITE, ID_PROGRAM_WRITE_FLEET,
                                ID_PROGRAM_SCAN_INFO}));
    EXPECT_EQ(menuLayout(Menu::View, all),
              (std::vector<int>{ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_CONTROL_BAR}));
    EXPECT_EQ(menuLayout(Menu::Setup, all),
              (std::vector<int>{ID_SETUP_COM, ID_SETUP_LANGUAGE, 0, ID_SETUP_OPEN_BACKUPS,
                                ID_SETUP_OPEN_CHANNEL_SETS, 0, ID_SETUP_OPEN_RECORD,
                                ID_SETUP_COMMUNICATION_LOG, ID_SETUP_OPEN_LOGS}));
    EXPECT_EQ(menuLayout(Menu::Help, all), (std::vector<int>{ID_APP_ABOUT}));
    EXPECT_EQ(menuLayout(Menu::None, all), (std::vector<int>{ID_FILE_PRINT_DIRECT}));
    EXPECT_STREQ(menuTitle(Menu::File), "&File");
    EXPECT_STREQ(menuTitle(Menu::Help), "&Help");

    // A hidden command takes no separator with it, and none is left dangling.
    EXPECT_EQ(
        menuLayout(Menu::Setup, [](const Command& c) { return c.id != ID_SETUP_LANGUAGE; }),
        (std::vector<int>{ID_SETUP_COM, 0, ID_SETUP_OPEN_BACKUPS, ID_SETUP_OPEN_CHANNEL_SETS, 0,
                          ID_SETUP_OPEN_RECORD, ID_SETUP_COMMUNICATION_LOG, ID_SETUP_OPEN_LOGS}));
    EXPECT_EQ(menuLayout(Menu::Edit,
                         [](const Command& c) {
                             return c.id == ID_EDIT_UNDO || c.id == ID_EDIT_CHANNEL_INFO;
                         }),
              (std::vector<int>{ID_EDIT_UNDO, 0, ID_EDIT_CHANNEL_INFO}));
    EXPECT_EQ(menuLayout(Menu::File, [](const Command& c) { return c.id == ID_FILE_COMPARE; }),
              (std::vector<int>{ID_FILE_COMPARE}));
}

TEST(CommandTable, ToolbarButtons) {
    EXPECT_EQ(toolbarLayout(),
              (std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_PROGRAM_READ,
                                ID_PROGRAM_WRITE, 0, ID_FILE_PRINT, 0, ID_APP_ABOUT}));
    for (const Command& c : commands())
        EXPECT_EQ(c.icon != nullptr, c.toolbarSlot > 0) << c.text;
}

// Each condition a rule looks at, turned on alone over a ready channel window.
struct Condition {
    const char* name;
    bool State::*field;
};
const Condition kBlockers[] = {
    {"documentLocked", &State::documentLocked},
    {"transferRunning", &State::transferRunning},
    {"windowTransferring", &State::windowTransferring},
    {"progressShown", &State::progressShown},
    {"fleetRunning", &State::fleetRunning},
};

State ready() {
    State s;
    s.channelWindow = true;
    s.canUndo = true;
    s.canRedo = true;
    return s;
}

TEST(CommandRules, WhatEachRuleRefuses) {
    struct Row {
        Rule rule;
        std::set<std::string> refusedBy; // conditions that disable it
    };
    const Row rows[] = {
        {Rule::Always, {}},
        {Rule::ChannelWindow, {}},
        {Rule::NoTransfer, {"transferRunning"}},
        {Rule::RadioIdle, {"fleetRunning", "progressShown"}},
        {Rule::EditingIdle, {"documentLocked", "windowTransferring"}},
        {Rule::CanUndo, {"documentLocked", "windowTransferring"}},
        {Rule::CanRedo, {"documentLocked", "windowTransferring"}},
        {Rule::FleetIdle, {"transferRunning", "progressShown"}},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(enabled(row.rule, ready())) << int(row.rule);
        for (const Condition& c : kBlockers) {
            State s = ready();
            s.*c.field = true;
            EXPECT_EQ(enabled(row.rule, s), row.refusedBy.count(c.name) == 0)
                << "rule " << int(row.rule) << " with " << c.name;
        }
        // Without a channel window only the frame's own commands run.
        State none = ready();
        none.channelWindow = false;
        EXPECT_EQ(enabled(row.rule, none), row.rule == Rule::Always || row.rule == Rule::NoTransfer)
            << int(row.rule);
    }
    // The history decides Undo and Redo, each on its own.
    State s = ready();
    s.canUndo = false;
    EXPECT_FALSE(enabled(Rule::CanUndo, s));
    EXPECT_TRUE(enabled(Rule::CanRedo, s));
    s = ready();
    s.canRedo = false;
    EXPECT_TRUE(enabled(Rule::CanUndo, s));
    EXPECT_FALSE(enabled(Rule::CanRedo, s));
}

TEST(CommandRules, NothingChangesTheDocumentWhileATransferOwnsIt) {
    State locked = ready();
    locked.documentLocked = true;
    std::set<int> refused;
    for (const Command& c : commands())
        if (!enabled(c, locked))
            refused.insert(c.id);
    // Compare, Export and Copy only read the grid, but wait for the window too.
    std::set<int> expected{ID_FILE_COMPARE,
                           ID_FILE_IMPORT_CHANNELS,
                           ID_FILE_EXPORT_CHANNELS,
                           ID_EDIT_UNDO,
                           ID_EDIT_REDO,
                           ID_EDIT_COPY,
                           ID_EDIT_PASTE};
    expected.insert({ID_EDIT_CLEAR, ID_EDIT_FILL_DOWN, ID_EDIT_SET_CELLS, ID_EDIT_PRODUCT_INFO,
                     ID_EDIT_OPTIONAL_FEATURES, ID_EDIT_POWER_ADJUST, ID_EDIT_PARAM_ADJUST,
                     ID_PROGRAM_SCAN_INFO});
    expected.insert({ID_EDIT_MOVE_UP, ID_EDIT_MOVE_DOWN, ID_EDIT_SORT_RX, ID_EDIT_INSERT_CHANNEL,
                     ID_EDIT_DELETE_CHANNELS});
    expected.insert({ID_EDIT_INSERT_CHANNEL_SET, ID_EDIT_SAVE_CHANNEL_SET});
    EXPECT_EQ(refused, expected);
    // The same commands run again once it is over.
    for (const Command& c : commands())
        EXPECT_TRUE(enabled(c, ready())) << c.text;
}

// What the window offers while its own Read runs: nothing that would replace,
// hide or end the document, start another transfer or change the document.
TEST(CommandRules, WhileATransferRuns) {
    State s = ready();
    s.documentLocked = s.transferRunning = s.windowTransferring = s.progressShown = true;
    std::set<int> refused;
    for (const Command& c : commands())
        if (!enabled(c, s))
            refused.insert(c.id);
    EXPECT_EQ(refused, (std::set<int>{ID_FILE_NEW,
                                      ID_FILE_OPEN,
                                      ID_FILE_CLOSE,
                                      ID_FILE_COMPARE,
                                      ID_FILE_IMPORT_CHANNELS,
                                      ID_FILE_EXPORT_CHANNELS,
                                      ID_FILE_RECENT,
                                      ID_APP_EXIT,
                                      ID_EDIT_UNDO,
                                      ID_EDIT_REDO,
                                      ID_EDIT_COPY,
                                      ID_EDIT_PASTE,
                                      ID_EDIT_CLEAR,
                                      ID_EDIT_FILL_DOWN,
                                      ID_EDIT_SET_CELLS,
                                      ID_EDIT_MOVE_UP,
                                      ID_EDIT_MOVE_DOWN,
                                      ID_EDIT_SORT_RX,
                                      ID_EDIT_INSERT_CHANNEL,
                                      ID_EDIT_DELETE_CHANNELS,
                                      ID_EDIT_PRODUCT_INFO,
                                      ID_EDIT_OPTIONAL_FEATURES,
                                      ID_EDIT_POWER_ADJUST,
                                      ID_EDIT_PARAM_ADJUST,
                                      ID_PROGRAM_READ,
                                      ID_PROGRAM_WRITE,
                                      ID_PROGRAM_WRITE_FLEET,
                                      ID_PROGRAM_SCAN_INFO,
                                      ID_EDIT_INSERT_CHANNEL_SET,
                                      ID_EDIT_SAVE_CHANNEL_SET}));
}

} // namespace
