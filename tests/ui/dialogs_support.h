#pragma once
// Shared set-up of the dialog tests: a main frame with one new document, the
// settings and per-user values in memory, the language catalogue, and a way
// to act on a modal dialog or message box while it runs.

#include "app/AppState.h"
#include "app/IniFile.h"
#include "tests/MemoryUserValues.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/ChildFrame.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <map>
#include <memory>

namespace dialogtest {

using MapValues = testsupport::MemoryUserValues;

// One program run: settings, language, frame and a new document.
struct Program {
    QTemporaryDir dir;
    radio::CIniFile settings;
    MapValues values;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<CMainFrame> frame;
    CChildFrame* child = nullptr;

    explicit Program(const std::string& language, const std::string& band = "400-480") {
        {
            QFile ini(dir.filePath(QStringLiteral("Program.ini")));
            ini.open(QIODevice::WriteOnly);
            ini.write(("[Setup]\nAppName=RadioTest\nType1=M1\nType2=M2\nField1=" + band +
                       "|430-480\nField2=136-174\n[English]\nAppName=Radio\n"
                       "[Chinese]\nAppName=电台\n")
                          .c_str());
        }
        settings.Load(dir.filePath(QStringLiteral("Program.ini")).toStdString(), false, true, 0);
        radio::AppState& st = radio::appState();
        radio::setLanguage(st, language);
        st.settings = &settings;
        st.userValues = &values;
        st.factoryMode = false;
        translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(STAGE_DIR "/") + QString::fromStdString(language)))
            QCoreApplication::installTranslator(translator.get());
        frame = std::make_unique<CMainFrame>(
            radio::appState()); // the factory items stay out until the code
        frame->show();
        newDocument();
    }
    ~Program() {
        frame.reset();
        QCoreApplication::removeTranslator(translator.get());
        radio::AppState& st = radio::appState();
        st.settings = nullptr;
        st.userValues = nullptr;
        st.factoryMode = false;
    }
    void newDocument() {
        auto* doc = new CProgramDoc(radio::appState());
        doc->OnNewDocument();
        child = new CChildFrame(doc);
        frame->addChildFrame(child);
        child->view()->OnInitialUpdate();
    }
    CProgramDoc* doc() const { return child->document(); }
    CProgramView* view() const { return child->view(); }
    radio::Image& image() const { return child->document()->m_image; }
};

// Runs `act` on the next modal window other than `except` once it is shown.
// Whatever `act` leaves open (a failed check returns early) is closed, so a
// failure never leaves the test waiting; a window that never comes is given
// up after ten seconds.
inline void onNextModal(std::function<void(QWidget*)> act, QWidget* except = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, except, tries] {
        QWidget* w = QApplication::activeModalWidget();
        if (++*tries > 2000) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (!w || w == except || !w->isVisible())
            return;
        // Focus and key handling need the dialog to be the active window;
        // on a loaded machine activation can lag behind showing.
        if (QApplication::activeWindow() != w && *tries < 400) {
            w->activateWindow();
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> guard(w);
        act(w);
        if (guard && guard->isVisible())
            guard->close();
    });
    timer->start();
}

inline QStringList items(const QComboBox* cb) {
    QStringList out;
    for (int i = 0; i < cb->count(); ++i)
        out << cb->itemText(i);
    return out;
}

// Closes the next message box with OK, noting its text and caption.
struct SeenMessage {
    QString text, caption;
    int count = 0;
};
inline void answerNextMessage(SeenMessage* seen, QWidget* over) {
    onNextModal(
        [seen](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                w->close();
                return;
            }
            seen->text = box->text();
            seen->caption = box->windowTitle();
            ++seen->count;
            box->button(QMessageBox::Ok)->click();
        },
        over);
}

} // namespace dialogtest
