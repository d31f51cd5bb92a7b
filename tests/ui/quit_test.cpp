// The program's own end: the main window with its documents closed through
// File > Exit inside the running event loop, then everything torn down in
// order. Run under the sanitizers by CI, where a use of a deleted object fails.

#include "window_fixture.h"

#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include <QLineEdit>
#include <QPointer>

class QuitTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void viewGoesBeforeItsDocument() {
        START_PROGRAM();
        CChildFrame* child = f->activeChildFrame();
        QPointer<CProgramDoc> doc = child->document();
        bool docAliveWhenViewWent = false;
        connect(child->view(), &QObject::destroyed, this,
                [&] { docAliveWhenViewWent = !doc.isNull(); });
        delete child;
        QVERIFY(docAliveWhenViewWent);
        QVERIFY(doc.isNull()); // and the frame still takes the document with it
    }

    void exitThroughTheEventLoop() {
        TempProgram prog;
        prog.writeFile("one.dat", QByteArray(1024, '\xff'));
        prog.writeFile("two.dat", QByteArray(1024, '\xff'));
        auto app = prog.app({prog.path("one.dat")});
        QVERIFY(app->InitInstance());
        CMainFrame* f = app->mainFrame();
        // A second window (the first one hidden by it), a changed channel and
        // an open editor at the end.
        app->askOpenFileName = [&] { return prog.path("two.dat"); };
        f->runCommand(ids::ID_FILE_OPEN);
        QCOMPARE(f->findChildren<CChildFrame*>().size(), 2);
        CProgramView* view = f->activeView();
        view->grid()->setTextMatrix(4, 1, QStringLiteral("460.00000"));
        QTRY_VERIFY2(view->document()->IsModified(),
                     "the edit did not mark the configuration modified");
        view->grid()->setCurrent(5, 1);
        view->ShowCellEditor();
        QVERIFY(view->openEditor());

        MessageBoxCloser discard(QMessageBox::Discard);
        QTimer::singleShot(100, f, [f] { f->runCommand(ids::ID_APP_EXIT); });
        // Should the window not close, the loop still ends and the test fails.
        QTimer::singleShot(20000, QCoreApplication::instance(), &QCoreApplication::quit);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(discard.count, 1);
        QVERIFY(!f->isVisible());
        app.reset(); // the frame, its windows, views and documents
    }
};

QTEST_MAIN(QuitTest)
#include "quit_test.moc"
