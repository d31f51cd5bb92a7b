#include "model/StringTable.h"

#include "model/Text.h"

namespace radio {

const char* englishString(int id) {
    switch (id) {
    case IDS_OUT_OF_RANGE:
        return RADIO_TEXT("StringTable", "Out of range,please input again.");
    case IDS_COMM_ERROR:
        return RADIO_TEXT(
            "StringTable",
            "Communication Error,Please check all the connections and the radio power");
    case IDS_DATA_CLEARED:
        return RADIO_TEXT("StringTable", "All data will be Cleared!");
    case IDS_OPEN_PORT_FAIL:
        return RADIO_TEXT(
            "StringTable",
            "Could not Open the Port,Please check whether the Port are occupied or the device "
            "are ok");
    case IDS_INTERRUPT:
        return RADIO_TEXT("StringTable", "Program Interrupt, Please reset the radio and try again");
    case IDS_STEP_ERROR:
        return RADIO_TEXT("StringTable",
                          "Error data Value, please input according the step value(6.25K/5k).");
    case IDS_CAUTION:
        return RADIO_TEXT("StringTable", "Caution");
    default:
        return "";
    }
}

} // namespace radio
