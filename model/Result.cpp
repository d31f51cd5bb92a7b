#include "model/Result.h"

namespace radio {

namespace {

// The English wording of each code, in the order of FailureCode.
const char* const kTexts[kFailureCodes] = {
    RADIO_TEXT("Failure", "cancelled"),
    RADIO_TEXT("Failure", "Could not Open the Port: %1"),
    RADIO_TEXT("Failure", "Could not Open the Port (backup read): %1"),
    RADIO_TEXT("Failure", "Could not Open the Port (verify read): %1"),
    RADIO_TEXT("Failure", "Communication Error"),
    RADIO_TEXT("Failure", "Communication Error (backup read)"),
    RADIO_TEXT("Failure", "Communication Error (verify read)"),
    RADIO_TEXT("Failure", "Program Interrupt"),
    RADIO_TEXT("Failure", "Program Interrupt (backup read)"),
    RADIO_TEXT("Failure", "Program Interrupt (verify read)"),
    RADIO_TEXT("Failure", "no backup kept: %1"),
    RADIO_TEXT("Failure", "verify found %1 differing bytes"),
    RADIO_TEXT("Failure", "%1 is not a configuration file: it holds %2 bytes, 1024 are needed."),
    RADIO_TEXT("Failure", "cannot create the backups folder \"%1\""),
    RADIO_TEXT("Failure", "too many backups with the same time in \"%1\""),
    RADIO_TEXT("Failure", "%1"),
};

} // namespace

Failure failedBecause(FailureCode code, Failure cause) {
    return {code, {}, std::make_shared<const Failure>(std::move(cause))};
}

std::string failureText(const Failure& failure, const Translate& translate) {
    const int code = int(failure.code);
    if (code < 0 || code >= kFailureCodes)
        return {};
    std::vector<std::string> args = failure.args;
    if (failure.cause)
        args.push_back(failureText(*failure.cause, translate));
    std::string pattern = translate("Failure", kTexts[code]);
    // A reason the system did not give leaves no dangling colon behind.
    const std::string last = "%" + std::to_string(args.size());
    if (!args.empty() && args.back().empty() && pattern.size() > last.size() &&
        pattern.compare(pattern.size() - last.size(), last.size(), last) == 0) {
        std::size_t cut = pattern.size() - last.size();
        while (cut > 0 && pattern[cut - 1] == ' ')
            --cut;
        const std::string wideColon = "\xEF\xBC\x9A"; // a Chinese text's colon
        if (cut > 0 && pattern[cut - 1] == ':')
            pattern.erase(cut - 1);
        else if (cut >= wideColon.size() &&
                 pattern.compare(cut - wideColon.size(), wideColon.size(), wideColon) == 0)
            pattern.erase(cut - wideColon.size());
    }
    return textArg(pattern, args);
}

} // namespace radio
