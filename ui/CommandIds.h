#pragma once
// Command IDs, control IDs and resource numbers of the program. Help contexts,
// tests and the handlers of other modules use these numbers, so they are the
// contract between the menus and the code. Plain C++: every layer reads it.

namespace ids {

// ---- File
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP = 57670;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;

// ---- Edit
constexpr int ID_EDIT_PARAM_ADJUST = 32771;
constexpr int ID_EDIT_POWER_ADJUST = 32783;
constexpr int ID_EDIT_PRODUCT_INFO = 32786;
constexpr int ID_EDIT_CHANNEL_INFO = 32787;
constexpr int ID_EDIT_OPTIONAL_FEATURES = 32788;

// Undo, redo and channel rows on the clipboard (the framework's standard IDs).
constexpr int ID_EDIT_CLEAR = 57632;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;

// Comparing configurations, the channel-list CSV and the read backups.
constexpr int ID_FILE_COMPARE = 32810;
constexpr int ID_FILE_IMPORT_CHANNELS = 32811;
constexpr int ID_FILE_EXPORT_CHANNELS = 32812;
constexpr int ID_SETUP_OPEN_BACKUPS = 32813;

// Writing a fleet of radios at once, the programming record, the communication log.
constexpr int ID_PROGRAM_WRITE_FLEET = 32814;
constexpr int ID_SETUP_OPEN_RECORD = 32815;
constexpr int ID_SETUP_COMMUNICATION_LOG = 32816;
constexpr int ID_SETUP_OPEN_LOGS = 32817;

// Bulk edits of the selected cells, and the recently used configurations.
constexpr int ID_EDIT_FILL_DOWN = 32818;
constexpr int ID_EDIT_SET_CELLS = 32819;
constexpr int ID_FILE_RECENT = 32820;

// Rearranging the channels.
constexpr int ID_EDIT_MOVE_UP = 32840;
constexpr int ID_EDIT_MOVE_DOWN = 32841;
constexpr int ID_EDIT_SORT_RX = 32842;
constexpr int ID_EDIT_INSERT_CHANNEL = 32843;
constexpr int ID_EDIT_DELETE_CHANNELS = 32844;

// Channel sets: inserted from a standard or the user's own set, saved from
// the selected rows, and the user's folder of them.
constexpr int ID_EDIT_INSERT_CHANNEL_SET = 32850;
constexpr int ID_EDIT_SAVE_CHANNEL_SET = 32851;
constexpr int ID_SETUP_OPEN_CHANNEL_SETS = 32852;

// ---- Program
constexpr int ID_PROGRAM_READ = 32773;
constexpr int ID_PROGRAM_WRITE = 32774;
constexpr int ID_PROGRAM_SCAN_INFO = 32782;

// ---- View
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_VIEW_CONTROL_BAR = 32780;

// ---- Setup
constexpr int ID_SETUP_COM = 32777;
constexpr int ID_SETUP_LANGUAGE = 32799;

// ---- resources
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_PROGRAMTYPE = 129;

// ---- controls
constexpr int IDC_GRID = 1000;
constexpr int IDC_NAV_BAR = 100;
constexpr int IDC_NAV_TREE = 1032;
constexpr int IDC_EDIT_RX = 2127;
constexpr int IDC_EDIT_TX = 2128;
constexpr int IDC_CB_DECODE = 2132;
constexpr int IDC_CB_ENCODE = 2133;
constexpr int IDC_CB_POWER = 1129;
constexpr int IDC_CB_SCAN_ADD = 1134;
constexpr int IDC_CB_BUSY_LOCK = 1139;
constexpr int IDC_CB_WIDTH = 1128;
constexpr int IDC_CB_COMPAND = 2134;
constexpr int IDC_CB_SCRAMBLER = 2135;
constexpr int IDC_ABOUT_VERSION = 1001;
constexpr int IDC_ABOUT_COPYRIGHTS = 1002;
constexpr int IDC_ABOUT_OWNER = 1003;
constexpr int IDC_ABOUT_LOGO = 1004;
constexpr int IDC_LANG_ENGLISH = 1006;
constexpr int IDC_LANG_CHINESE = 1007;

// Help context of the main frame's own F1 (its resource help ID, as the
// frame's help command computes it).
constexpr int HELP_MAIN_FRAME = 0x20000 + IDR_MAINFRAME - 0x10000;

} // namespace ids
