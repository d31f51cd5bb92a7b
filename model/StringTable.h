#pragma once
// The program's string table (message texts by ID) in the English reference
// wording. The user interface translates these texts through its catalogues.

#include <string>

namespace radio {

enum StringId {
    IDS_OUT_OF_RANGE = 61448,   // "Out of range,please input again."
    IDS_COMM_ERROR = 61451,     // "Communication Error,..."
    IDS_DATA_CLEARED = 61452,   // "All data will be Cleared!"
    IDS_OPEN_PORT_FAIL = 61453, // "Could not Open the Port,..."
    IDS_INTERRUPT = 61454,      // "Program Interrupt, ..."
    IDS_STEP_ERROR = 61456,     // "Error data Value, ..."
    IDS_CAUTION = 61458,        // "Caution"
};

// English text of a string-table entry; empty for an unknown ID.
const char* englishString(int id);

} // namespace radio
