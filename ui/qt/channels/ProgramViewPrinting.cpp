// File > Print (57607, 57608), Print Preview (57609) and Print Setup (57606):
// the view prints its document's options page and the channels of the grid.

#include "app/AppState.h"
#include "app/IniFile.h"
#include "model/Report.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ApplicationPrinter.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// What a print job reads, taken when the command starts: the grid as it is
// at that moment (a channel deleted before printing is not printed) and the
// image for the options page.
radio::print::ReportSource reportSource(const CProgramView& view) {
    const radio::AppState& st = view.state();
    radio::print::ReportSource source;
    source.image = &view.document()->m_image;
    source.table = view.table();
    source.chinese = st.chinese;
    if (st.settings)
        source.owner = st.settings->GetString(st.languageName, "Copyrights Owner");
    return source;
}

// Prints on `printer` the pages its dialog asked for (all by default), and
// the copies it asked for where the printer cannot make them itself (PDF).
bool printOn(QPrinter* printer, const radio::print::ReportSource& source) {
    const bool range = printer->printRange() == QPrinter::PageRange;
    const int copies = printer->supportsMultipleCopies() ? 1 : printer->copyCount();
    return radio::print::printReport(printer, source, range ? printer->fromPage() : 0,
                                     range ? printer->toPage() : 0, copies);
}

// A job that could not start (no printer, an output file that cannot be
// written) must not pass for a printed report.
void reportFailure(QWidget* parent) {
    QMessageBox::warning(
        parent, QCoreApplication::translate("CProgramView", "Print"),
        QCoreApplication::translate("CProgramView", "The report could not be printed."));
}

// Each job starts with all pages, one copy, and the page range limited to the
// report's pages, counted from the grid before any dialog opens.
int preparePrinting(QPrinter& printer, const radio::print::ReportSource& source) {
    radio::report::PrintCount count;
    const int maxPage = 1 + radio::report::CountPrintedChannels(source.table, count);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(1, maxPage);
    printer.setCopyCount(1);
    return maxPage;
}

void filePrint(CProgramView* view, bool withDialog) {
    // The report shows what the user typed; a refused value stops the job.
    if (!view->commitBeforeCommand())
        return;
    QPrinter& printer = radio::print::applicationPrinter();
    const radio::print::ReportSource source = reportSource(*view);
    const int maxPage = preparePrinting(printer, source);
    if (withDialog) {
        QPrintDialog dlg(&printer, view);
        dlg.setMinMax(1, maxPage);
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dlg.exec() != QDialog::Accepted)
            return;
    }
    if (!printOn(&printer, source))
        reportFailure(view);
}

void filePrintPreview(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QPrinter& printer = radio::print::applicationPrinter();
    const radio::print::ReportSource source = reportSource(*view);
    preparePrinting(printer, source);
    QPrintPreviewDialog dlg(&printer, view);
    dlg.setObjectName(QStringLiteral("printPreview"));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, view,
                     [&source, view](QPrinter* p) {
                         if (!printOn(p, source))
                             reportFailure(view);
                     });
    dlg.exec();
}

void filePrintSetup(CProgramView* view) {
    QPageSetupDialog dlg(&radio::print::applicationPrinter(), view);
    dlg.exec();
}

} // namespace

void CProgramView::installPrintCommands() {
    addCommand(ids::ID_FILE_PRINT, [this] { filePrint(this, true); });
    addCommand(ids::ID_FILE_PRINT_DIRECT, [this] { filePrint(this, false); });
    addCommand(ids::ID_FILE_PRINT_PREVIEW, [this] { filePrintPreview(this); });
    addCommand(ids::ID_FILE_PRINT_SETUP, [this] { filePrintSetup(this); });
}
