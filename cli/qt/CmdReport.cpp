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

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace radio::cli {

namespace {

// "Copyrights Owner" of the language's section in the settings file beside
// the tool; empty when there is no such file or value, as in the window.
std::string copyrightsOwner(const std::string& language) {
    const auto settings = installedSettings();
    return settings ? settings->GetString(language, "Copyrights Owner") : std::string();
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

int runReport(const ShowArgs& p) {
    std::string error;
    if (p.files.size() != 2)
        return usageError(
            "report expects an image and an output file: radio-cli report FILE.dat OUT.pdf");
    const std::string& out = p.files[1];
    if (!checkFiles({{FileArg::Use::Read, p.files[0], {}}, {FileArg::Use::Replace, out, {}}},
                    error))
        return usageError(error);
    Image image{};
    if (!readImage(p.files[0], image, error))
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

int runOptions(const ShowArgs& p) {
    std::string error;
    if (p.files.size() != 1)
        return usageError("options expects one image: radio-cli options FILE.dat");
    Image image{};
    if (!readImage(p.files[0], image, error))
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
         "Writes the printed report of the image as PDF: the options page, then the\n"
         "programmed channels, seven per page. The footer's owner line is \"Copyrights\n"
         "Owner\" of the language's section in Program.ini beside radio-cli.",
         [](CLI::App& app) { return declareShow(app, "FILE.dat OUT.pdf", runReport); }},
        {"options", "options FILE.dat [--lang English|Chinese]  print the options page",
         "Prints the options page of the report, one line per option: label<TAB>value.",
         [](CLI::App& app) { return declareShow(app, "FILE.dat", runOptions); }},
    };
    return commands;
}

} // namespace radio::cli
