// Documents: New, Open, Save and Save As with the exact bytes, the load error
// of a short file, File > Close and Channel Information, replacing with New.

#include "window_fixture.h"

#include "model/ChannelTable.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QMdiArea>

namespace {
// What saving does to an image: the channel records go through the grid,
// which gives empty records their defined filler bits.
radio::Image throughGrid(radio::Image img) {
    radio::tableToImage(radio::imageToTable(img, radio::Language::English), img);
    return img;
}
// A programmed channel 3 (462.56250 both ways, no tones) and odd bytes
// nobody interprets, which must survive every step.
radio::Image sampleImage() {
    radio::Image img = radio::newDocumentImage();
    const int rec = 3 * 16;
    const uint8_t freq[4] = {0x50, 0x62, 0x25, 0x46};
    for (int i = 0; i < 4; ++i)
        img[rec + i] = img[rec + 4 + i] = freq[i];
    img[rec + 12] = 0xF7;
    img[rec + 13] = 0xFF;
    img[rec + 14] = 0xE0;
    img[0x200] = 0x5A;
    img[0x3F5] = 0x12;
    img[0x3DE] = 0;
    img[0x3DF] = 1;
    return img;
}
} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void newDocumentSavesItsImage() {
        START_PROGRAM();
        CProgramDoc* doc = f->activeDocument();
        QCOMPARE(doc->title(), QStringLiteral("Channel Information"));
        // "[*]" marks where unsaved changes are shown.
        QCOMPARE(f->activeChildFrame()->windowTitle(), QStringLiteral("Channel Information[*]"));
        QVERIFY(radio::appState().freshDocument);

        QString proposed;
        const QString target = prog.path("first.dat");
        app->askSaveFileName = [&](const QString& p) {
            proposed = p;
            return target;
        };
        f->runCommand(ids::ID_FILE_SAVE);
        // The settings' AppName is the proposed name of a new document.
        QCOMPARE(proposed, QStringLiteral("Test Radio Tool.dat"));
        const QByteArray saved = prog.readFile(target);
        QCOMPARE(saved.size(), 1024);
        QCOMPARE(saved, bytes(doc->m_image));
        // Apart from the model and band the view stores, a new image is the factory one.
        radio::Image expected = radio::newDocumentImage();
        expected[0x3DE] = expected[0x3DF] = 0;
        QCOMPARE(saved, bytes(throughGrid(expected)));
        QCOMPARE(doc->title(), QStringLiteral("first.dat"));

        // Saved again: no question, the same file.
        app->askSaveFileName = [](const QString&) -> QString {
            qFatal("asked again");
            return {};
        };
        f->activeView()->grid()->setTextMatrix(1, 1, QStringLiteral("460.00000"));
        f->runCommand(ids::ID_FILE_SAVE);
        QCOMPARE(prog.readFile(target).mid(16, 4), QByteArray("\x00\x00\x00\x46", 4));
    }

    void openedFileRoundTripsExactly() {
        START_PROGRAM();
        CChildFrame* first = f->activeChildFrame();
        const radio::Image img = sampleImage();
        prog.writeFile("radio.dat", bytes(img) + QByteArray("trailing bytes are ignored"));
        app->askOpenFileName = [&] { return prog.path("radio.dat"); };
        f->runCommand(ids::ID_FILE_OPEN);

        CProgramDoc* doc = f->activeDocument();
        QVERIFY(doc != first->document());
        QCOMPARE(doc->title(), QStringLiteral("radio.dat"));
        QCOMPARE(bytes(doc->m_image), bytes(img));
        QVERIFY(!radio::appState().freshDocument);
        QVERIFY(first->isHidden()); // the window active before the open steps aside
        QCOMPARE(f->activeView()->grid()->textMatrix(3, 1), QStringLiteral("462.56250"));

        app->askSaveFileName = [&](const QString&) { return prog.path("copy.dat"); };
        f->runCommand(ids::ID_FILE_SAVE_AS);
        const QByteArray copy = prog.readFile(prog.path("copy.dat"));
        QCOMPARE(copy, bytes(throughGrid(img)));
        QCOMPARE(copy.mid(3 * 16, 16), bytes(img).mid(3 * 16, 16)); // the programmed channel
        QCOMPARE(copy.mid(0x110), bytes(img).mid(0x110));           // everything past the records
        QCOMPARE(doc->title(), QStringLiteral("copy.dat"));
    }

    // A document needs no window: it opens a file and saves its image
    // exactly, and a file that fails to load leaves the image as it was.
    void documentStandsAlone() {
        TempProgram prog;
        const radio::Image img = sampleImage();
        prog.writeFile("radio.dat", bytes(img));
        prog.writeFile("short.dat", QByteArray(1023, '\0'));
        CProgramDoc doc(radio::appState());
        QVERIFY(doc.OnOpenDocument(prog.path("radio.dat")));
        QCOMPARE(bytes(doc.m_image), bytes(img));
        doc.m_image[0x200] = 0x33;
        QVERIFY(doc.OnSaveDocument(prog.path("out.dat")));
        QByteArray want = bytes(img);
        want[0x200] = 0x33;
        QCOMPARE(prog.readFile(prog.path("out.dat")), want);
        QString error;
        QVERIFY(!doc.OnOpenDocument(prog.path("short.dat"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(int(doc.m_image[0x200]), 0x33);
    }

    void shortFileKeepsThePreviousWindow() {
        START_PROGRAM();
        CChildFrame* first = f->activeChildFrame();
        prog.writeFile("short.dat", QByteArray(1023, '\0'));
        app->askOpenFileName = [&] { return prog.path("short.dat"); };
        MessageBoxCloser closer;
        f->runCommand(ids::ID_FILE_OPEN);
        QCOMPARE(closer.count, 1);
        QCOMPARE(f->activeChildFrame(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(f->mdiArea()->subWindowList().size(), 1);
        QVERIFY(radio::appState().freshDocument);
    }

    void closeHidesAndChannelInformationShows() {
        START_PROGRAM();
        CChildFrame* child = f->activeChildFrame();
        CProgramDoc* doc = child->document();
        child->view()->grid()->setTextMatrix(2, 1, QStringLiteral("460.00000"));
        // As after a save: closing has nothing to ask about.
        QTRY_VERIFY(doc->IsModified());
        doc->markSaved();
        child->showMaximized();

        f->runCommand(ids::ID_FILE_CLOSE);
        QVERIFY(child->isHidden());
        QCOMPARE(f->activeDocument(), doc);
        // The close box does the same.
        f->runCommand(ids::ID_EDIT_CHANNEL_INFO);
        QVERIFY(child->isVisible());
        QVERIFY(!child->isMaximized()); // shown again in its normal size
        child->close();
        QVERIFY(child->isHidden());
        f->runCommand(ids::ID_EDIT_CHANNEL_INFO);
        QVERIFY(child->isVisible());
        QCOMPARE(child->view()->grid()->textMatrix(2, 1), QStringLiteral("460.00000"));
    }

    void newAsksBeforeReplacing() {
        START_PROGRAM();
        QPointer<CChildFrame> first = f->activeChildFrame();
        {
            MessageBoxCloser cancel(QMessageBox::Cancel);
            f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(cancel.text, QStringLiteral("All data will be Cleared!"));
        }
        QCOMPARE(f->activeChildFrame(), first.data());
        {
            MessageBoxCloser ok(QMessageBox::Ok);
            f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(ok.count, 1);
        }
        QVERIFY(first.isNull());
        QVERIFY(f->activeChildFrame() != nullptr);
        QCOMPARE(f->mdiArea()->subWindowList().size(), 1);
    }

    void quittingAsksOnlyAfterEdits() {
        START_PROGRAM();
        {
            MessageBoxCloser closer;
            f->activeView()->grid()->setTextMatrix(1, 1, QStringLiteral("460.00000"));
            QTRY_VERIFY2(f->activeDocument()->IsModified(),
                         "the edit did not mark the configuration modified");
            QVERIFY(!f->close()); // nothing answers Save or Discard: the edit stays
            QCOMPARE(closer.count, 1);
        }
        f->action(ids::ID_EDIT_UNDO)->trigger();
        QVERIFY(!f->activeDocument()->IsModified()); // back to the state it started from
        MessageBoxCloser closer;
        QVERIFY(f->close());
        QTest::qWait(50);
        QCOMPARE(closer.count, 0);
    }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
