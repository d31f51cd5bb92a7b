#pragma once
// Shared set-up of the window tests: a temporary program directory with its
// own Program.ini and catalogues, per-user values in a temporary place, and
// closing of the message boxes the program shows.

#include "app/AppState.h"
#include "model/Image.h"
#include "program/qt/ProgramApp.h"
#include "ui/qt/channels/AfterTransfer.h"
#include "ui/qt/channels/ChannelEdits.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ChannelLists.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

struct TempProgram {
    QTemporaryDir dir;

    // `language` null leaves the Language key out; `showLang` likewise.
    explicit TempProgram(const char* language = "English", const char* showLang = "1",
                         bool catalogues = true) {
        if (catalogues) {
            for (const char* qm : {"English.qm", "Chinese.qm"})
                QFile::copy(QStringLiteral(STAGE_DIR "/") + QLatin1String(qm), path(qm));
        }
        QByteArray ini = "[Setup]\n";
        if (language)
            ini += QByteArray("Language=") + language + "\n";
        if (showLang)
            ini += QByteArray("ShowLang=") + showLang + "\n";
        ini += "AppName=Test Radio Tool\n"
               "Type1=TR-1\nField1=400-470|450-470\n"
               "Type2=TR-2\nField2=136-174\n"
               "Type3=TR-3\nField3=460-470\n"
               "[English]\nCompany=Test Works\nAbout Title=About Test Tool...\n"
               "AppName=TestTool\nVersion=Version 9.1\nCopyrights=Copyright 2026\n"
               "Copyrights Owner=Test Works Ltd\n"
               "[Chinese]\nCompany=测试公司\nAbout Title=关于测试...\nAppName=测试\n"
               "Version=版本 9.1\nCopyrights=版权 2026\nCopyrights Owner=测试有限公司\n";
        writeFile("Program.ini", ini);
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void writeFile(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    QByteArray readFile(const QString& p) const {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    std::unique_ptr<CProgramApp> app(const QStringList& extra = {}) const {
        return std::make_unique<CProgramApp>(QStringList{path("Program")} + extra, dir.path());
    }
};

// A window test's first step: starts the program on the program directory
// `prog` as the user starts it, and names what the test works with: `app`, its
// frame `f` and the `view` of the configuration opened at start-up.
#define START_PROGRAM_IN(prog)                                                                     \
    auto app = (prog).app();                                                                       \
    QVERIFY2(app->InitInstance(), "the program did not start");                                    \
    [[maybe_unused]] CMainFrame* f = app->mainFrame();                                             \
    [[maybe_unused]] CProgramView* view = f->activeView()

// The same on a fresh program directory `prog`, made with TempProgram's
// arguments (its language first).
#define START_PROGRAM(...)                                                                         \
    TempProgram prog{__VA_ARGS__};                                                                 \
    START_PROGRAM_IN(prog)

// The bytes of an image, as a file holds them.
inline QByteArray bytes(const radio::Image& img) {
    return QByteArray(reinterpret_cast<const char*>(img.data()), int(img.size()));
}

// Starts the program with `img` as the file its command line names (as "Open
// With" does); the view of it, or null when the program did not start.
inline CProgramView* startWithImage(TempProgram& prog, std::unique_ptr<CProgramApp>& app,
                                    const radio::Image& img) {
    prog.writeFile("radio.dat", bytes(img));
    app = prog.app({prog.path("radio.dat")});
    return app->InitInstance() ? app->mainFrame()->activeView() : nullptr;
}

// Starts the program afresh in `language` for typing into the grid: its
// window active, the band 460-470 MHz. The view, or null when it did not start.
inline CProgramView* startForTyping(std::unique_ptr<TempProgram>& prog,
                                    std::unique_ptr<CProgramApp>& app, const char* language) {
    app.reset();
    prog = std::make_unique<TempProgram>(language);
    app = prog->app();
    if (!app->InitInstance())
        return nullptr;
    QApplication::setActiveWindow(app->mainFrame());
    if (!QTest::qWaitForWindowActive(app->mainFrame()))
        return nullptr;
    CProgramView* view = app->mainFrame()->activeView();
    view->setBand(46000000, 47000000);
    return view;
}

// Types `text` into a cell through its editor and commits it; the step is
// recorded once the commit is over.
inline void typeCell(CProgramView* view, int row, int col, const QString& text) {
    view->grid()->setCurrent(row, col);
    view->ShowCellEditor();
    auto* edit = qobject_cast<QLineEdit*>(view->openEditor());
    QVERIFY(edit);
    edit->setText(text);
    view->CommitCellEditor();
    QCoreApplication::processEvents();
}

// The channel window's messages go into `into` instead of a message box.
inline void keepMessages(QStringList& into) {
    messages::show = [&into](QWidget*, const QString& text, bool) { into << text; };
}

// Per-user values and data (backups, the copies of unsaved work) go to a
// temporary directory, never the user's own nor another test's.
inline void isolateUserValues(const QTemporaryDir& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
}

// Answers the next modal message box with `button`, keeping its text.
class MessageBoxCloser : public QObject {
public:
    explicit MessageBoxCloser(QMessageBox::StandardButton button = QMessageBox::Ok)
        : m_button(button) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            ++count;
            if (QAbstractButton* b = box->button(m_button))
                b->click();
            else
                box->reject();
            if (m_once)
                timer->stop();
        });
        timer->start(20);
    }
    void keepRunning() { m_once = false; }
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;

private:
    QMessageBox::StandardButton m_button;
    bool m_once = true;
};

// Chooses `path` in a file dialog as the user does: types it into the
// file-name box and presses the accept button. QFileDialog::selectFile()
// leaves that box alone while it has the keyboard focus, so where the focus
// lands would decide the outcome. The button stays disabled while the dialog
// still reads the folder, so the choice is made again for a while. Returns
// why the dialog stayed open, or nothing once it has closed.
inline QString chooseFile(QFileDialog* dlg, const QString& path) {
    auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dlg->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!name || !buttons)
        return QStringLiteral("the file dialog has no file-name box or buttons");
    QAbstractButton* accept = nullptr;
    for (QAbstractButton* b : buttons->buttons())
        if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
            accept = b;
    if (!accept)
        return QStringLiteral("the file dialog has no accept button");
    for (int tries = 0; tries < 250 && dlg->isVisible(); ++tries) {
        name->setText(path);
        if (accept->isEnabled())
            accept->click();
        if (dlg->isVisible())
            QTest::qWait(20);
    }
    if (!dlg->isVisible())
        return {};
    return QStringLiteral("the file dialog stayed open with \"%1\" typed, its %2 button %3")
        .arg(name->text(), accept->text(),
             accept->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
}
