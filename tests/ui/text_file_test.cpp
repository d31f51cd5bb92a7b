// The configuration text in the window: File > Open reads it, Save keeps it
// a text, Save As offers it beside the .dat file, and a text with problems
// opens nothing and says where they are.

#include "window_fixture.h"

#include "app/ProductInfo.h"
#include "model/Channel.h"
#include "model/ChannelTable.h"
#include "tests/RandomImages.h"
#include "textfile/ConfigFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/MainFrame.h"

#include <QMdiArea>

namespace {

// Channel 3 programmed, model TR-1 in 400-470 MHz, as the grid would save it.
radio::Image sampleImage() {
    radio::Image img = radio::newDocumentImage();
    radio::writeChannel(img, 3, radio::channelFromTexts(testimages::typedChannel("462.56250")));
    img[0x3DE] = 0;
    img[0x3DF] = 0;
    img[0x200] = 0x5A;
    radio::tableToImage(radio::imageToTable(img, radio::Language::English), img);
    return img;
}

radio::Image loadText(const QString& path) {
    const auto loaded = radio::configfile::load(path.toStdString(),
                                                radio::checkSettings(radio::appState().settings),
                                                radio::untranslated());
    return loaded.image;
}

} // namespace

class TextFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void openSaveAndSaveAsKeepTheText() {
        TempProgram prog;
        auto app = prog.app();
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        const radio::Image img = sampleImage();
        const auto settings = radio::checkSettings(radio::appState().settings);
        QVERIFY(radio::configfile::save(prog.path("radio.yaml").toStdString(), img, settings).ok());

        app->askOpenFileName = [&] { return prog.path("radio.yaml"); };
        f->runCommand(ids::ID_FILE_OPEN);
        CProgramDoc* doc = f->activeDocument();
        QCOMPARE(doc->title(), QStringLiteral("radio.yaml"));
        QVERIFY(doc->m_image == img);
        QCOMPARE(f->activeView()->grid()->textMatrix(3, 1), QStringLiteral("462.56250"));

        // Save writes the text again, not the 1024 bytes.
        f->activeView()->grid()->setTextMatrix(3, 1, QStringLiteral("462.57500"));
        f->runCommand(ids::ID_FILE_SAVE);
        QVERIFY(prog.readFile(prog.path("radio.yaml")).startsWith("# Radio configuration"));
        QCOMPARE(QString::fromStdString(radio::imageToTable(
                     loadText(prog.path("radio.yaml")), radio::Language::English)[3][radio::ColRx]),
                 QStringLiteral("462.57500"));

        // Save As: the text is offered first; a name typed without an
        // extension becomes a text.
        QStringList filters;
        QString problem = QStringLiteral("no file dialog");
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [&, timer] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            timer->stop();
            filters = dlg->nameFilters();
            problem = chooseFile(dlg, prog.path("copy"));
        });
        timer->start(20);
        f->runCommand(ids::ID_FILE_SAVE_AS);
        QTRY_VERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(filters, (QStringList{QStringLiteral("Configuration text (*.yaml)"),
                                       QStringLiteral("Program Document (*.dat)")}));
        QCOMPARE(doc->title(), QStringLiteral("copy.yaml"));
        QVERIFY(loadText(prog.path("copy.yaml")) == doc->m_image);

        // A text with a problem: its line is shown, nothing opens.
        QByteArray bad = prog.readFile(prog.path("copy.yaml"));
        bad.replace("462.57500", "999.00000");
        const int line = int(bad.left(bad.indexOf("999.00000")).count('\n')) + 1;
        prog.writeFile("bad.yaml", bad);
        const auto windows = f->mdiArea()->subWindowList().size();
        app->askOpenFileName = [&] { return prog.path("bad.yaml"); };
        MessageBoxCloser closer;
        f->runCommand(ids::ID_FILE_OPEN);
        QCOMPARE(closer.count, 1);
        QVERIFY2(closer.text.contains(QStringLiteral("bad.yaml:%1: Channel 3, rx").arg(line)),
                 qPrintable(closer.text));
        QCOMPARE(f->mdiArea()->subWindowList().size(), windows);
        QCOMPARE(f->activeDocument(), doc);
    }
};

QTEST_MAIN(TextFileTest)
#include "text_file_test.moc"
