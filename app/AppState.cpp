#include "app/AppState.h"

namespace radio {

AppState& appState() {
    static AppState state;
    return state;
}

void setLanguage(AppState& state, const std::string& languageName) {
    state.languageName = languageName;
    state.chinese = languageName == "Chinese"; // case-sensitive on purpose
    state.helpFile = state.chinese ? "chHelp.chm" : "enHelp.chm";
}

} // namespace radio
