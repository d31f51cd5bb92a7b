// Unsaved work survives a program that is killed: a running program keeps
// it in the recovery folder, the next start offers it back, and a save or
// discard removes the copy. The killed program is this test run again as a
// child process (the real application code), ended with SIGKILL.

#include "window_fixture.h"

#include "app/Recovery.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/MainFrame.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

#include <cstdio>

namespace {

const char* const kChildDir = "RECOVERY_TEST_CHILD_DIR";

// The child: the program with one unsaved edit, running until it is killed.
int editAndWait() {
    const QString dir = qEnvironmentVariable(kChildDir);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir + QStringLiteral("/values"));
    CProgramApp app(QStringList{dir + QStringLiteral("/Program")}, dir);
    if (!app.InitInstance())
        return 3;
    app.mainFrame()->activeView()->grid()->setTextMatrix(3, 1, QStringLiteral("460.00000"));
    QTimer::singleShot(0, [] {
        std::printf("edited\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}

QStringList keptFiles(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.rcv")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QStringList sessions(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;
    QTemporaryDir m_data;
    QString m_folder;

private slots:
    void initTestCase() {
        isolateUserValues(m_values);
        // A folder of this test's own: an offer must never reach other tests.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        m_folder = QString::fromStdString(
            radio::recovery::recoveryFolder(m_data.path().toStdString(), "Test Radio Tool"));
    }

    void killedProgramsWorkIsOfferedBack() {
        TempProgram prog;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildDir), prog.dir.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY2(child.waitForStarted(), "the child program did not start");
        QByteArray said;
        while (!said.contains("edited") && child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("edited"), "the child program did not make its edit");
        QTRY_VERIFY2_WITH_TIMEOUT(keptFiles(m_folder).size() == 1,
                                  "no copy of the unsaved edit within two seconds", 2000);

        {
            // The running program's work is its own: another start offers nothing.
            auto other = prog.app();
            MessageBoxCloser none;
            QVERIFY(other->InitInstance());
            QTest::qWait(60);
            QCOMPARE(none.count, 0);
        }

        child.kill(); // SIGKILL: nothing of the program runs any more
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(keptFiles(m_folder).size(), 1);

        auto app = prog.app();
        MessageBoxCloser restore(QMessageBox::Yes);
        QVERIFY(app->InitInstance());
        QCOMPARE(restore.count, 1);
        QVERIFY2(restore.text.contains(QStringLiteral("\"Channel Information\"")),
                 qPrintable(restore.text));
        CMainFrame* f = app->mainFrame();
        CProgramDoc* doc = f->activeDocument();
        QCOMPARE(f->activeView()->grid()->textMatrix(3, 1), QStringLiteral("460.00000"));
        QVERIFY(doc->IsModified());
        // Kept again, now by this program; the killed one's folder is gone.
        QCOMPARE(sessions(m_folder).size(), 1);
        QCOMPARE(keptFiles(m_folder).size(), 1);

        // Save removes the copy; a new edit is kept again; Discard removes it.
        app->askSaveFileName = [&](const QString&) { return prog.path("saved.dat"); };
        f->runCommand(ids::ID_FILE_SAVE);
        QVERIFY(!doc->IsModified());
        QVERIFY(keptFiles(m_folder).isEmpty());
        f->activeView()->grid()->setTextMatrix(4, 1, QStringLiteral("461.00000"));
        QTRY_VERIFY2_WITH_TIMEOUT(keptFiles(m_folder).size() == 1,
                                  "no copy of the second edit within two seconds", 2000);
        {
            MessageBoxCloser discard(QMessageBox::Discard);
            f->runCommand(ids::ID_FILE_NEW);
            QCOMPARE(discard.count, 1);
        }
        QVERIFY(keptFiles(m_folder).isEmpty());

        // A program that ends normally leaves nothing to offer.
        app.reset();
        QVERIFY(sessions(m_folder).isEmpty());
        app = prog.app();
        MessageBoxCloser none;
        QVERIFY(app->InitInstance());
        QTest::qWait(60);
        QCOMPARE(none.count, 0);
    }
};

int main(int argc, char** argv) {
    QApplication a(argc, argv);
    if (qEnvironmentVariableIsSet(kChildDir))
        return editAndWait();
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
