#pragma once
// Every command of the main window's menus and toolbar, declared once: where
// it sits, its texts and keys, and when it may run. Plain C++ so the rules
// can be checked without widgets; the window builds its menus, toolbar and
// accelerators from this table and enables each action by its rule.

#include "ui/CommandIds.h"

#include <vector>

namespace cmd {

// The menu bar's popups, in their order.
enum class Menu { None, File, Edit, Program, View, Setup, Help };
constexpr int kMenuCount = 6;

// How a command's key is bound.
enum class Keys {
    None,
    // A key of the window, checked against the rule when pressed; the menu
    // text names the key itself.
    Accelerator,
    // The action's own shortcut, shown by the menu. Editors inside the
    // window keep these keys while they are open.
    Shortcut,
};

// Platform key bindings a Shortcut command follows instead of its text.
enum class StandardKey { None, Undo, Copy, Paste, Delete };

// When a command may run.
enum class Rule {
    Always,        // the frame's own commands
    NoTransfer,    // New, Open, Close, Exit: they replace, hide or end a document a
                   // running transfer still uses
    ChannelWindow, // works on the active channel window or its document
    RadioIdle,     // Read and Write: not while a fleet is written, nor while
                   // the window's own progress window is open (pending or running)
    EditingIdle,   // the channel window is not busy with the radio
    CanUndo,       // ... and has a step to undo
    CanRedo,       // ... and has a step to redo
    FleetIdle,     // Write to Several Radios: no single transfer running or pending
};

// What the rules look at.
struct State {
    bool channelWindow = false;      // there is an active (or last active) channel window
    bool documentLocked = false;     // a transfer owns the document
    bool transferRunning = false;    // a single read or write is running somewhere
    bool windowTransferring = false; // the active window's own transfer is running
    bool progressShown = false;      // the active window's progress window is open
    bool fleetRunning = false;       // radios are written from the fleet window
    bool canUndo = false;            // the active window's history
    bool canRedo = false;
};

struct Command {
    int id;
    Menu menu;            // Menu::None: reached by its ID only
    bool separatorBefore; // in its menu, after an earlier item
    const char* text;     // menu text with its mnemonic (catalogue source)
    const char* prompt;   // "status-bar prompt\ntool tip" (catalogue source)
    const char* keys;     // portable key sequence, or nullptr
    Keys binding;
    StandardKey standardKey;
    const char* icon; // toolbar picture, or nullptr
    int toolbarSlot;  // 0: not on the toolbar; a gap between slots is a separator
    bool checkable;
    bool changesDocument; // refused while a transfer owns the document
    bool factoryOnly;     // in its menu only once the factory code was given
    Rule rule;
    bool submenu; // opens a list the window fills (Recent Files)
};

// The catalogue context of the texts and prompts.
constexpr const char* kContext = "CMainFrame";

// The whole table, menu by menu in menu order.
const std::vector<Command>& commands();
// The command of `id`, or null.
const Command* find(int id);
// The popup titles (catalogue sources), by Menu - 1.
const char* menuTitle(Menu menu);

bool enabled(Rule rule, const State& state);
// The command's rule, and no document change while a transfer owns it.
bool enabled(const Command& command, const State& state);

// A menu's items top to bottom, 0 for a separator, leaving out the commands
// `shown` rejects (hidden by the settings, factory commands outside factory
// mode). Separators only ever stand between two items.
template <class Shown> std::vector<int> menuLayout(Menu menu, Shown shown) {
    std::vector<int> items;
    bool pendingSeparator = false;
    for (const Command& c : commands()) {
        if (c.menu != menu)
            continue;
        pendingSeparator = pendingSeparator || c.separatorBefore;
        if (!shown(c))
            continue;
        if (pendingSeparator && !items.empty())
            items.push_back(0);
        pendingSeparator = false;
        items.push_back(c.id);
    }
    return items;
}

// The toolbar's buttons left to right, 0 for a separator.
std::vector<int> toolbarLayout();

} // namespace cmd
