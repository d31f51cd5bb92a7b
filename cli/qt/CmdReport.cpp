// Report commands of radio-cli: the printed report as PDF and the options
// page as text.

#include "app/IniFile.h"
#include "cli/Commands.h"
#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/Report.h"
#include "model/SafeFile.h"
#include "report/qt/ReportPainter.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>

namespace radio::cli {

namespace {

namespace fs = std::filesystem;

// Positional arguments plus an optional "--lang NAME" / "--lang=NAME".
struct ReportArgs {
    std::vector<std::string> positional;
    std::string language = "English";
    Language values() const {
        return language == "Chinese" ? Language::Chinese : Language::English;
    }
};

bool parseReportArgs(const Args& args, ReportArgs& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            out.positional.push_back(a);
            continue;
        }
        std::string value;
        if (a.rfind("--lang=", 0) == 0) {
            value = a.substr(7);
        } else if (a == "--lang") {
            if (i + 1 >= args.size()) {
                error = "option '--lang' needs a value";
                return false;
            }
            value = args[++i];
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
        if (value != "English" && value != "Chinese") {
            error = "unknown language '" + value + "' (English or Chinese)";
            return false;
        }
        out.language = value;
    }
    return true;
}

// "Copyrights Owner" of the language's section in the settings file beside
// the tool; empty when there is no such file or value, as in the window.
std::string copyrightsOwner(const std::string& language) {
    const fs::path ini = settingsFilePath();
    std::error_code ec;
    if (ini.empty() || !fs::is_regular_file(ini, ec))
        return std::string();
    CIniFile settings;
    // Read only: the tool never rewrites the installation's settings.
    if (!settings.Load(ini.string(), false, true, 0))
        return std::string();
    return settings.GetString(language, "Copyrights Owner");
}

bool readImage(const std::string& path, Image& image, std::string& error) {
    const Result<void> r = loadDat(path, image);
    if (!r)
        error = failureText(r.failure(), untranslated());
    return r.ok();
}

// Qt's own notes (runtime directory, painter warnings) are not the tool's
// messages: scripts read standard error for ours only.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "radio-cli: %s\n", qPrintable(message));
}

// Fonts need a GUI application object; the tool has no display, so it uses
// the offscreen platform whatever the environment asks for. A desktop's
// platform theme (QT_QPA_PLATFORMTHEME=gtk3, say) would open a display
// anyway and fail over ssh, so none is loaded.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    qInstallMessageHandler(quietQtMessages);
    qunsetenv("QT_QPA_PLATFORMTHEME");
    static int argc = 3;
    static char arg0[] = "radio-cli";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runReport(const Args& args) {
    ReportArgs p;
    std::string error;
    if (!parseReportArgs(args, p, error))
        return usageError(error);
    if (p.positional.size() != 2)
        return usageError(
            "report expects an image and an output file: radio-cli report FILE.dat OUT.pdf");
    const std::string& out = p.positional[1];
    if (!checkFiles({{FileArg::Use::Read, p.positional[0], {}}, {FileArg::Use::Replace, out, {}}},
                    error))
        return usageError(error);
    Image image{};
    if (!readImage(p.positional[0], image, error))
        return usageError(error);

    const auto app = ensureGuiApplication();
    print::ReportSource source;
    source.image = &image;
    catalogue(p.language); // installed for the painter's texts
    source.table = imageToTable(image, p.values());
    source.chinese = p.values() == Language::Chinese;
    source.owner = copyrightsOwner(p.language);

    // Drawn into memory first, then committed like every other output: a
    // full disk fails the command and leaves any previous report as it was.
    QByteArray pdf;
    bool ok = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Radio configuration report"));
        ok = print::printReport(&writer, source);
    }
    if (!ok || pdf.isEmpty())
        return usageError("cannot draw the report for " + files::quoted(out, 4096));
    const files::Result written =
        files::writeAtomically(out, pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (!written.ok)
        return usageError(written.error);
    return 0;
}

int runOptions(const Args& args) {
    ReportArgs p;
    std::string error;
    if (!parseReportArgs(args, p, error))
        return usageError(error);
    if (p.positional.size() != 1)
        return usageError("options expects one image: radio-cli options FILE.dat");
    Image image{};
    if (!readImage(p.positional[0], image, error))
        return usageError(error);
    for (const report::Line& line : report::optionLines(image, p.values(), catalogue(p.language)))
        std::printf("%s\t%s\n", line.label.c_str(), line.value.c_str());
    return 0;
}

} // namespace

const std::vector<Command>& reportCommands() {
    static const std::vector<Command> commands = {
        {"report",
         "report FILE.dat OUT.pdf [--lang English|Chinese]  write the printed report as PDF",
         "radio-cli report FILE.dat OUT.pdf [--lang English|Chinese]\n\n"
         "Writes the printed report of the image as PDF: the options page, then the\n"
         "programmed channels, seven per page. The footer's owner line is \"Copyrights\n"
         "Owner\" of the language's section in Program.ini beside radio-cli.",
         runReport},
        {"options", "options FILE.dat [--lang English|Chinese]  print the options page",
         "radio-cli options FILE.dat [--lang English|Chinese]\n\n"
         "Prints the options page of the report, one line per option: label<TAB>value.",
         runOptions},
    };
    return commands;
}

} // namespace radio::cli
