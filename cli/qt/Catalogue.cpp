// The tool's messages in the language asked for: the catalogue the window
// uses (English.qm / Chinese.qm beside the tool), read without a window.

#include "app/Startup.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <filesystem>
#include <map>
#include <memory>
#include <system_error>

namespace radio::cli {

const Translate& catalogue(const std::string& language) {
    static std::map<std::string, std::unique_ptr<QTranslator>> loaded;
    static std::map<std::string, Translate> hooks;
    const auto known = hooks.find(language);
    if (known != hooks.end())
        return known->second;

    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string path =
        ec ? std::string() : findCatalogue(exe.parent_path().string(), language);
    auto translator = std::make_unique<QTranslator>();
    // Without its catalogue the tool still speaks, in English, and says so.
    if (path.empty() || !translator->load(QString::fromStdString(path))) {
        translator.reset();
        if (language != "English")
            printError("cannot read the " + language + " catalogue; messages stay in English");
    } else if (QCoreApplication::instance())
        QCoreApplication::installTranslator(translator.get()); // for the report painter
    const QTranslator* t = translator.get();
    loaded[language] = std::move(translator);
    Translate hook = [t](const char* context, const char* english) {
        const QString text = t ? t->translate(context, english) : QString();
        return text.isEmpty() ? std::string(english) : text.toStdString();
    };
    return hooks.emplace(language, std::move(hook)).first->second;
}

} // namespace radio::cli
