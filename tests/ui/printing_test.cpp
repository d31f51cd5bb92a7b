// Printing from the channel window: the menu commands print the report of
// the grid as it is at that moment through the application's printer (a PDF
// file here), the preview shows the same pages, and failures are not silent.

#include "window_fixture.h"

#include "model/MemoryMap.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ApplicationPrinter.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/MainFrame.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>

namespace {

// Channels 1..`count` programmed alike.
radio::Image imageWithChannels(int count) {
    radio::Image img = radio::newDocumentImage();
    const uint8_t rec[16] = {0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x75, 0x46,
                             0x70, 0x06, 0xFF, 0xFF, 0xE7, 0xFF, 0xE3, 0xFF};
    for (int n = 1; n <= 16; ++n)
        for (int i = 0; i < 16; ++i)
            img[radio::mm::channelOffset(n) + i] = n <= count ? rec[i] : 0xFF;
    return img;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& file) {
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    const qsizetype at = info.indexOf(QLatin1String("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

QString pdfText(const QString& file) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

// Runs `action` once the next modal dialog of type T is up, then closes it.
template <typename T, typename F> void whenModal(F action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        timer->stop();
        timer->deleteLater();
        action(dlg);
        dlg->reject();
    });
    timer->start(20);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QTemporaryDir m_out;

    QString printToPdf(CMainFrame* frame, const QString& name, int command) {
        const QString file = m_out.filePath(name);
        QPrinter& printer = radio::print::applicationPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        frame->runCommand(command);
        return file;
    }

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void directPrintUsesTheGridAsItIsNow() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        CProgramView* view = startWithImage(prog, app, imageWithChannels(8));
        QVERIFY(view);
        for (int id : {ids::ID_FILE_PRINT, ids::ID_FILE_PRINT_DIRECT, ids::ID_FILE_PRINT_PREVIEW,
                       ids::ID_FILE_PRINT_SETUP})
            QVERIFY(view->hasCommand(id));

        QString file = printToPdf(app->mainFrame(), "eight.pdf", ids::ID_FILE_PRINT_DIRECT);
        QCOMPARE(pdfPages(file), 3);
        QString text = pdfText(file);
        QVERIFY2(text.contains("Channel 8:"), qPrintable(text));
        QVERIFY(text.contains("462.56250"));
        QVERIFY(text.contains("Page 1 of 3"));
        QVERIFY(text.contains("Test Works Ltd"));

        // Channel 8 deleted in the grid only: the image still holds it, the
        // report does not.
        for (int c = 1; c < radio::kGridCols; ++c)
            view->grid()->setTextMatrix(8, c, QString());
        file = printToPdf(app->mainFrame(), "seven.pdf", ids::ID_FILE_PRINT_DIRECT);
        QCOMPARE(pdfPages(file), 2);
        text = pdfText(file);
        QVERIFY(text.contains("Channel 7:"));
        QVERIFY(!text.contains("Channel 8:"));
        QVERIFY(text.contains("Page 2 of 2"));
        QCOMPARE(int(view->document()->m_image[radio::mm::channelOffset(8)]), 0x50);
    }

    void chineseReportTakesTheChineseOwner() {
        TempProgram prog("Chinese");
        std::unique_ptr<CProgramApp> app;
        QVERIFY(startWithImage(prog, app, imageWithChannels(1)));
        const QString file = printToPdf(app->mainFrame(), "zh.pdf", ids::ID_FILE_PRINT_DIRECT);
        QCOMPARE(pdfPages(file), 2);
        const QString text = pdfText(file);
        for (const char* s :
             {"可选功能", "超时定时器:", "信道1:", "接收频率:", "测试有限公司", "Page 2 of 2"})
            QVERIFY2(text.contains(QString::fromUtf8(s)), s);
        QVERIFY(!text.contains("Test Works Ltd"));
    }

    void previewShowsEveryPage() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        QVERIFY(startWithImage(prog, app, imageWithChannels(15)));
        int pages = -1;
        whenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* dlg) {
            if (auto* w = dlg->findChild<QPrintPreviewWidget*>())
                pages = w->pageCount();
        });
        printToPdf(app->mainFrame(), "unused.pdf", ids::ID_FILE_PRINT_PREVIEW);
        QCOMPARE(pages, 4);
        QVERIFY(!QFile::exists(m_out.filePath("unused.pdf")));
    }

    void cancelledDialogPrintsNothing() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        QVERIFY(startWithImage(prog, app, imageWithChannels(8)));
        int maxPage = 0;
        whenModal<QPrintDialog>([&maxPage](QPrintDialog* dlg) { maxPage = dlg->maxPage(); });
        const QString file = printToPdf(app->mainFrame(), "cancelled.pdf", ids::ID_FILE_PRINT);
        QCOMPARE(maxPage, 3);
        QVERIFY(!QFile::exists(file));
    }

    void failedPrintIsReported() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        QVERIFY(startWithImage(prog, app, imageWithChannels(1)));
        MessageBoxCloser closer;
        printToPdf(app->mainFrame(), "no/such/dir/x.pdf", ids::ID_FILE_PRINT_DIRECT);
        QCOMPARE(closer.count, 1);
        QCOMPARE(closer.text, QStringLiteral("The report could not be printed."));
    }

    // What the print dialog hands back: a page range, and copies that a PDF
    // printer cannot make itself; page numbers keep the whole report's count.
    void pageRangeAndCopies() {
        radio::Image img = imageWithChannels(16);
        radio::print::ReportSource source;
        source.image = &img;
        source.table = radio::imageToTable(img, radio::Language::English);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_out.filePath("range.pdf"));
        QVERIFY(radio::print::printReport(&printer, source, 2, 3, 2));
        QCOMPARE(pdfPages(printer.outputFileName()), 4);
        const QString text = pdfText(printer.outputFileName());
        QCOMPARE(text.count("Page 2 of 4"), 2);
        QCOMPARE(text.count("Page 3 of 4"), 2);
        QVERIFY(!text.contains("Page 1 of 4") && !text.contains("Page 4 of 4"));
        QVERIFY(!text.contains("Time Out Timer:"));
    }

    void cleanup() { radio::print::applicationPrinter().setOutputFileName(QString()); }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
