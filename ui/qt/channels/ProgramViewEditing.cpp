// The channel window's editing commands: Undo, Redo, Copy, Paste and Clear
// of channel rows, the channel-list CSV and the comparison with a file. The
// work itself is ChannelEdits' and ChannelLists'; these take the user's
// choices around it.

#include "ui/qt/channels/ProgramView.h"

#include "model/SafeFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelEdits.h"
#include "ui/qt/channels/ChannelLists.h"
#include "ui/qt/channels/ChannelSetCommands.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/FileDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// Thousands of rejected rows would make a message nobody can read or close:
// the first twenty and how many more.
QString shortList(const QStringList& lines, const radio::Translate& texts) {
    std::vector<std::string> all;
    for (const QString& line : lines)
        all.push_back(line.toStdString());
    return QString::fromStdString(radio::firstLines(all, texts));
}

void showReport(QWidget* parent, const QString& title, const QString& text) {
    QDialog dlg(parent);
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

void compareWith(CProgramView* view) {
    // The comparison reads the grid: a refused value in its editor stops it.
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    const QString path = filedialogs::askOpen(
        frame, view->userSettings(), CProgramView::tr("Compare With"),
        {filedialogs::FileType::Configuration, filedialogs::FileType::ConfigurationText});
    if (path.isEmpty())
        return;
    QString error;
    const QString report = view->channelLists()->compareWith(path, &error);
    if (!error.isEmpty()) {
        messages::show(frame, error, true);
        return;
    }
    showReport(frame, CProgramView::tr("Compared with %1").arg(QFileInfo(path).fileName()), report);
}

void importChannels(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    // The layout is the file type the user leaves chosen in the dialog.
    const radio::layouts::FileLayout* layout = &radio::layouts::defaultLayout();
    const QString path = filedialogs::askOpenLayout(
        frame, view->userSettings(), CProgramView::tr("Import Channel List"), &layout);
    if (path.isEmpty())
        return;
    // Bounded and regular files only: a pipe or a huge file must not hang the window.
    QByteArray csv;
    QString error;
    if (!ChannelLists::readInputFile(path, radio::files::kMaxTextInput, false, csv, &error)) {
        messages::show(frame, error, true);
        return;
    }
    if (layout == radio::layouts::find("interchange")) {
        // More rows than channels: the user chooses which go where.
        const radio::interchange::ListFile list = radio::interchange::readList(
            csv.toStdString(), view->bandLow(), view->bandHigh(), view->coreTexts());
        if (list.error.empty() && channelsets::needsPicker(list)) {
            channelsets::importWithPicker(view, list, QFileInfo(path).fileName());
            return;
        }
    }
    const auto outcome = view->channelLists()->importCsv(
        csv,
        [frame, view](const ChannelLists::ImportOutcome& so) {
            QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                            CProgramView::tr("%n row(s) of the file cannot be imported.", nullptr,
                                             so.refusedRows),
                            QMessageBox::Ok | QMessageBox::Cancel, frame);
            box.setInformativeText(CProgramView::tr(
                "Import the other %n row(s)? Cancel imports nothing.", nullptr, so.accepted));
            box.setDetailedText(shortList(so.rejected, view->coreTexts()));
            return box.exec() == QMessageBox::Ok;
        },
        *layout);
    if (!outcome.error.isEmpty())
        messages::show(frame, outcome.error, true);
    else if (outcome.accepted == 0 && !outcome.rejected.isEmpty())
        messages::show(frame,
                       CProgramView::tr("No row of the file can be imported:") +
                           QStringLiteral("\n") + shortList(outcome.rejected, view->coreTexts()),
                       true);
    else if (outcome.applied && !outcome.notice.isEmpty())
        messages::show(frame, outcome.notice, false);
}

void exportChannels(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    const radio::layouts::FileLayout* layout = &radio::layouts::defaultLayout();
    const QString path = filedialogs::askSaveLayout(
        frame, view->userSettings(), CProgramView::tr("Export Channel List"),
        QFileInfo(view->document()->title()).completeBaseName() + QStringLiteral(".csv"), &layout);
    if (path.isEmpty())
        return;
    QString notice;
    const QByteArray csv = view->channelLists()->exportCsv(*layout, &notice);
    QString error;
    if (!ChannelLists::writeOutputFile(path, csv, &error))
        messages::show(frame, error, true);
    else if (!notice.isEmpty())
        // Said once per file, not per channel.
        messages::show(frame, notice, false);
}

} // namespace

void CProgramView::installEditingCommands() {
    // None of them while the radio has the window's data: a transfer reads
    // or fills the grid meanwhile.
    const auto whenIdle = [this](std::function<void()> run) {
        return [this, run = std::move(run)] {
            if (!isTransferring() && !documentLocked())
                run();
        };
    };
    addCommand(ids::ID_EDIT_UNDO, whenIdle([this] { history()->undoStack()->undo(); }));
    addCommand(ids::ID_EDIT_REDO, whenIdle([this] { history()->undoStack()->redo(); }));
    addCommand(ids::ID_EDIT_COPY, whenIdle([this] { m_edits->copy(); }));
    addCommand(ids::ID_EDIT_PASTE, whenIdle([this] { m_edits->pasteFromClipboard(); }));
    addCommand(ids::ID_EDIT_CLEAR, whenIdle([this] {
                   // Delete elsewhere in the window (the navigation bar) is not meant for the
                   // rows.
                   QWidget* focus = QApplication::focusWidget();
                   if (!focus || isAncestorOf(focus))
                       m_edits->clearRows();
               }));
    addCommand(ids::ID_EDIT_FILL_DOWN, whenIdle([this] { m_edits->fillDown(); }));
    addCommand(ids::ID_EDIT_SET_CELLS, whenIdle([this] { m_edits->setSelectedCells(); }));
    // The keys of these (Ctrl+Shift+arrows, Ins, Ctrl+Del) elsewhere in the window are not meant
    // for the rows.
    const auto inGrid = [this](std::function<void(ChannelEdits*)> run) {
        return [this, run = std::move(run)] {
            QWidget* focus = QApplication::focusWidget();
            if (!isTransferring() && !documentLocked() && (!focus || isAncestorOf(focus)))
                run(m_edits.get());
        };
    };
    addCommand(ids::ID_EDIT_MOVE_UP, inGrid([](ChannelEdits* e) { e->moveRows(-1); }));
    addCommand(ids::ID_EDIT_MOVE_DOWN, inGrid([](ChannelEdits* e) { e->moveRows(1); }));
    addCommand(ids::ID_EDIT_SORT_RX, whenIdle([this] { m_edits->sortByRx(); }));
    addCommand(ids::ID_EDIT_INSERT_CHANNEL, inGrid([](ChannelEdits* e) { e->insertChannel(); }));
    addCommand(ids::ID_EDIT_DELETE_CHANNELS, inGrid([](ChannelEdits* e) { e->deleteChannels(); }));
    addCommand(ids::ID_FILE_COMPARE, whenIdle([this] { compareWith(this); }));
    addCommand(ids::ID_FILE_IMPORT_CHANNELS, whenIdle([this] { importChannels(this); }));
    addCommand(ids::ID_FILE_EXPORT_CHANNELS, whenIdle([this] { exportChannels(this); }));
    addCommand(ids::ID_EDIT_INSERT_CHANNEL_SET,
               whenIdle([this] { channelsets::insertChannelSet(this); }));
    addCommand(ids::ID_EDIT_SAVE_CHANNEL_SET,
               whenIdle([this] { channelsets::saveAsChannelSet(this); }));
}
