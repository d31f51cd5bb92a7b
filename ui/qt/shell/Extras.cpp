#include "ui/qt/shell/Extras.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "model/SafeFile.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/shell/CommandIds.h"
#include "ui/qt/shell/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

namespace extras {

QString backupsFolder(const radio::CIniFile* settings) {
    return QString::fromStdString(radio::backups::backupsFolder(settings));
}

radio::backups::Result backupRead(const radio::Image& image, const radio::CIniFile* settings) {
    return radio::backups::backupRead(image, settings);
}

namespace {

QString tx(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("Extras", text, disambiguation, n);
}

CViewEditing* activeEditing(CMainFrame* frame) {
    return CViewEditing::of(frame->activeView());
}

void showReport(CMainFrame* frame, const QString& title, const QString& text) {
    QDialog dlg(frame);
    dlg.setObjectName(QStringLiteral("compareDlg"));
    dlg.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dlg);
    auto* view = new QPlainTextEdit(text, &dlg);
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
    dlg.resize(640, 480);
    dlg.exec();
}

void compareWith(CMainFrame* frame) {
    CViewEditing* e = activeEditing(frame);
    // The comparison reads the grid: a refused value in its editor stops it.
    if (!e || !frame->activeView()->commitBeforeCommand())
        return;
    const QString path = QFileDialog::getOpenFileName(frame, tx("Compare With"), QString(),
                                                      tx("Configurations (*.dat)"));
    if (path.isEmpty())
        return;
    QString error;
    const QString report = e->compareWith(path, &error);
    if (!error.isEmpty()) {
        CViewEditing::showMessage(frame, error, true);
        return;
    }
    showReport(frame, tx("Compared with %1").arg(QFileInfo(path).fileName()), report);
}

void importChannels(CMainFrame* frame) {
    CViewEditing* e = activeEditing(frame);
    // While a transfer runs the document is read-only.
    if (!e || CProgramView::documentLocked() || !frame->activeView()->commitBeforeCommand())
        return;
    const QString path = QFileDialog::getOpenFileName(frame, tx("Import Channel List"), QString(),
                                                      tx("Channel lists (*.csv)"));
    if (path.isEmpty())
        return;
    // Bounded and regular files only: a pipe or a huge file must not hang the window.
    QByteArray csv;
    QString error;
    if (!CViewEditing::readInputFile(path, radio::files::kMaxTextInput, false, csv, &error)) {
        CViewEditing::showMessage(frame, error, true);
        return;
    }
    const auto outcome = e->importCsv(csv, [frame](const QStringList& rejected, int accepted) {
        QMessageBox box(
            QMessageBox::Warning, QCoreApplication::applicationName(),
            tx("%n row(s) of the file cannot be imported.", nullptr, int(rejected.size())),
            QMessageBox::Ok | QMessageBox::Cancel, frame);
        box.setInformativeText(
            tx("Import the other %n row(s)? Cancel imports nothing.", nullptr, accepted));
        box.setDetailedText(rejected.join(QStringLiteral("\n")));
        return box.exec() == QMessageBox::Ok;
    });
    if (!outcome.error.isEmpty())
        CViewEditing::showMessage(frame, outcome.error, true);
    else if (outcome.accepted == 0 && !outcome.rejected.isEmpty())
        CViewEditing::showMessage(frame,
                                  tx("No row of the file can be imported:") + QStringLiteral("\n") +
                                      outcome.rejected.join(QStringLiteral("\n")),
                                  true);
}

void exportChannels(CMainFrame* frame) {
    CViewEditing* e = activeEditing(frame);
    if (!e || !frame->activeView()->commitBeforeCommand())
        return;
    const QString path = QFileDialog::getSaveFileName(frame, tx("Export Channel List"), QString(),
                                                      tx("Channel lists (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(e->exportCsv()) < 0 || !file.commit())
        CViewEditing::showMessage(frame, tx("Cannot write \"%1\".").arg(path), true);
}

void openBackupsFolder(CMainFrame* frame) {
    const QString folder = backupsFolder(radio::appState().settings);
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        CViewEditing::showMessage(frame, tx("The backups are in %1").arg(folder), false);
}

QAction* makeAction(CMainFrame* frame, int id, const char* name, const QString& text,
                    const QKeySequence& keys, const std::function<void()>& run) {
    auto* a = new QAction(text, frame);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(id);
    a->setShortcut(keys);
    // The line editors keep their own Ctrl+Z, Ctrl+C, Delete while they are open.
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, frame, run);
    frame->addAction(a);
    return a;
}

} // namespace

void installCommands(CMainFrame* frame) {
    const auto withView = [frame](void (*run)(CViewEditing*)) {
        return [frame, run] {
            CProgramView* view = frame->activeView();
            if (view && !view->isTransferring() && !CProgramView::documentLocked())
                run(CViewEditing::of(view));
        };
    };
    QAction* undo =
        makeAction(frame, ids::ID_EDIT_UNDO, "actionUndo", tx("&Undo"), QKeySequence::Undo,
                   withView([](CViewEditing* e) { e->undoStack()->undo(); }));
    QAction* redo = makeAction(frame, ids::ID_EDIT_REDO, "actionRedo", tx("&Redo"),
                               QKeySequence(Qt::CTRL | Qt::Key_Y),
                               withView([](CViewEditing* e) { e->undoStack()->redo(); }));
    QAction* copy = makeAction(frame, ids::ID_EDIT_COPY, "actionCopyRows", tx("&Copy Channels"),
                               QKeySequence::Copy, withView([](CViewEditing* e) { e->copy(); }));
    QAction* paste =
        makeAction(frame, ids::ID_EDIT_PASTE, "actionPasteRows", tx("&Paste Channels"),
                   QKeySequence::Paste, withView([](CViewEditing* e) { e->pasteFromClipboard(); }));
    QAction* clear =
        makeAction(frame, ids::ID_EDIT_CLEAR, "actionClearRows", tx("C&lear Channels"),
                   QKeySequence::Delete, [frame] {
                       // Delete elsewhere in the window (the navigation bar) is not meant for the
                       // rows.
                       CProgramView* view = frame->activeView();
                       QWidget* focus = QApplication::focusWidget();
                       if (view && !view->isTransferring() && !CProgramView::documentLocked() &&
                           (!focus || view->isAncestorOf(focus)))
                           CViewEditing::of(view)->clearRows();
                   });
    QAction* compare = makeAction(frame, ids::ID_FILE_COMPARE, "actionCompareWith",
                                  tx("Co&mpare With..."), {}, [frame] { compareWith(frame); });
    QAction* import =
        makeAction(frame, ids::ID_FILE_IMPORT_CHANNELS, "actionImportChannels",
                   tx("&Import Channel List..."), {}, [frame] { importChannels(frame); });
    QAction* exportList =
        makeAction(frame, ids::ID_FILE_EXPORT_CHANNELS, "actionExportChannels",
                   tx("&Export Channel List..."), {}, [frame] { exportChannels(frame); });
    QAction* backups =
        makeAction(frame, ids::ID_SETUP_OPEN_BACKUPS, "actionOpenBackups",
                   tx("Open &Backups Folder"), {}, [frame] { openBackupsFolder(frame); });

    if (QMenu* file = frame->menu(0)) {
        // After Save As, before printing.
        QAction* saveAs = frame->action(ids::ID_FILE_SAVE_AS);
        const auto list = file->actions();
        const qsizetype at = list.indexOf(saveAs);
        QAction* before = at >= 0 && at + 1 < list.size() ? list[at + 1] : nullptr;
        file->insertSeparator(before);
        file->insertActions(before, {compare, import, exportList});
    }
    if (QMenu* edit = frame->menu(1)) {
        QAction* first = edit->actions().value(0);
        edit->insertActions(first, {undo, redo});
        edit->insertSeparator(first);
        edit->insertActions(first, {copy, paste, clear});
        edit->insertSeparator(first);
    }
    if (QMenu* setup = frame->menu(4)) {
        setup->addSeparator();
        setup->addAction(backups);
    }

    // Enabled only with a channel window that is not busy with the radio.
    const auto update = [=] {
        CProgramView* view = frame->activeView();
        const bool ready = view && !view->isTransferring() && !CProgramView::documentLocked();
        CViewEditing* e = ready ? CViewEditing::of(view) : nullptr;
        undo->setEnabled(e && e->undoStack()->canUndo());
        redo->setEnabled(e && e->undoStack()->canRedo());
        for (QAction* a : {copy, paste, clear, compare, import, exportList})
            a->setEnabled(ready);
    };
    for (int position : {0, 1})
        if (QMenu* m = frame->menu(position))
            QObject::connect(m, &QMenu::aboutToShow, frame, update);
    // Each channel window keeps its own history from the moment it is shown.
    QObject::connect(frame->mdiArea(), &QMdiArea::subWindowActivated, frame, [frame, update] {
        QTimer::singleShot(0, frame, [frame, update] {
            // Undo and Redo follow the history, so Ctrl+Z works without a menu shown first.
            if (CViewEditing* e = CViewEditing::of(frame->activeView());
                e && !e->undoStack()->property("watched").toBool()) {
                e->undoStack()->setProperty("watched", true);
                QObject::connect(e->undoStack(), &QUndoStack::indexChanged, frame, update);
                QObject::connect(e->undoStack(), &QUndoStack::cleanChanged, frame, update);
            }
            update();
        });
    });
}

} // namespace extras
