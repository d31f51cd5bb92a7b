// The channel window's editing commands: Undo, Redo, Copy, Paste and Clear
// of channel rows, the channel-list CSV and the comparison with a file. The
// work itself is CViewEditing's; these take the user's choices around it.

#include "ui/qt/channels/ProgramView.h"

#include "model/SafeFile.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ChannelSetCommands.h"
#include "ui/qt/channels/ViewEditing.h"
#include "ui/qt/dialogs/CoreTexts.h"
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
QString shortList(const QStringList& lines) {
    std::vector<std::string> all;
    for (const QString& line : lines)
        all.push_back(line.toStdString());
    return QString::fromStdString(radio::firstLines(all, radio::coreTexts()));
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
    const QString path = filedialogs::askOpen(frame, CProgramView::tr("Compare With"),
                                              {filedialogs::FileType::Configuration});
    if (path.isEmpty())
        return;
    QString error;
    const QString report = CViewEditing::of(view)->compareWith(path, &error);
    if (!error.isEmpty()) {
        CViewEditing::showMessage(frame, error, true);
        return;
    }
    showReport(frame, CProgramView::tr("Compared with %1").arg(QFileInfo(path).fileName()), report);
}

CViewEditing::CsvLayout layoutOf(filedialogs::FileType type) {
    return type == filedialogs::FileType::InterchangeList ? CViewEditing::CsvLayout::Interchange
                                                          : CViewEditing::CsvLayout::Columns;
}

void importChannels(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    // The layout is the file type the user leaves chosen in the dialog.
    filedialogs::FileType type = filedialogs::FileType::ChannelList;
    const QString path = filedialogs::askOpen(
        frame, CProgramView::tr("Import Channel List"),
        {filedialogs::FileType::ChannelList, filedialogs::FileType::InterchangeList}, &type);
    if (path.isEmpty())
        return;
    // Bounded and regular files only: a pipe or a huge file must not hang the window.
    QByteArray csv;
    QString error;
    if (!CViewEditing::readInputFile(path, radio::files::kMaxTextInput, false, csv, &error)) {
        CViewEditing::showMessage(frame, error, true);
        return;
    }
    if (type == filedialogs::FileType::InterchangeList) {
        // More rows than channels: the user chooses which go where.
        const radio::interchange::ListFile list = radio::interchange::readList(
            csv.toStdString(), view->bandLow(), view->bandHigh(), radio::coreTexts());
        if (list.error.empty() && channelsets::needsPicker(list)) {
            channelsets::importWithPicker(view, list, QFileInfo(path).fileName());
            return;
        }
    }
    const auto outcome = CViewEditing::of(view)->importCsv(
        csv,
        [frame](const CViewEditing::ImportOutcome& so) {
            QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                            CProgramView::tr("%n row(s) of the file cannot be imported.", nullptr,
                                             so.refusedRows),
                            QMessageBox::Ok | QMessageBox::Cancel, frame);
            box.setInformativeText(CProgramView::tr(
                "Import the other %n row(s)? Cancel imports nothing.", nullptr, so.accepted));
            box.setDetailedText(shortList(so.rejected));
            return box.exec() == QMessageBox::Ok;
        },
        layoutOf(type));
    if (!outcome.error.isEmpty())
        CViewEditing::showMessage(frame, outcome.error, true);
    else if (outcome.accepted == 0 && !outcome.rejected.isEmpty())
        CViewEditing::showMessage(frame,
                                  CProgramView::tr("No row of the file can be imported:") +
                                      QStringLiteral("\n") + shortList(outcome.rejected),
                                  true);
    else if (outcome.applied && !outcome.notice.isEmpty())
        CViewEditing::showMessage(frame, outcome.notice, false);
}

void exportChannels(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    filedialogs::FileType type = filedialogs::FileType::ChannelList;
    const QString path = filedialogs::askSave(
        frame, CProgramView::tr("Export Channel List"),
        QFileInfo(view->document()->title()).completeBaseName() + QStringLiteral(".csv"),
        {filedialogs::FileType::ChannelList, filedialogs::FileType::InterchangeList}, &type);
    if (path.isEmpty())
        return;
    QString notice;
    const QByteArray csv = CViewEditing::of(view)->exportCsv(layoutOf(type), &notice);
    QString error;
    if (!CViewEditing::writeOutputFile(path, csv, &error))
        CViewEditing::showMessage(frame, error, true);
    else if (!notice.isEmpty())
        // Said once per file, not per channel.
        CViewEditing::showMessage(frame, notice, false);
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
    addCommand(ids::ID_EDIT_UNDO,
               whenIdle([this] { CViewEditing::of(this)->undoStack()->undo(); }));
    addCommand(ids::ID_EDIT_REDO,
               whenIdle([this] { CViewEditing::of(this)->undoStack()->redo(); }));
    addCommand(ids::ID_EDIT_COPY, whenIdle([this] { CViewEditing::of(this)->copy(); }));
    addCommand(ids::ID_EDIT_PASTE,
               whenIdle([this] { CViewEditing::of(this)->pasteFromClipboard(); }));
    addCommand(ids::ID_EDIT_CLEAR, whenIdle([this] {
                   // Delete elsewhere in the window (the navigation bar) is not meant for the
                   // rows.
                   QWidget* focus = QApplication::focusWidget();
                   if (!focus || isAncestorOf(focus))
                       CViewEditing::of(this)->clearRows();
               }));
    addCommand(ids::ID_EDIT_FILL_DOWN, whenIdle([this] { CViewEditing::of(this)->fillDown(); }));
    addCommand(ids::ID_EDIT_SET_CELLS,
               whenIdle([this] { CViewEditing::of(this)->setSelectedCells(); }));
    // The keys of these (Ctrl+Shift+arrows, Ins, Ctrl+Del) elsewhere in the window are not meant
    // for the rows.
    const auto inGrid = [this](std::function<void(CViewEditing*)> run) {
        return [this, run = std::move(run)] {
            QWidget* focus = QApplication::focusWidget();
            if (!isTransferring() && !documentLocked() && (!focus || isAncestorOf(focus)))
                run(CViewEditing::of(this));
        };
    };
    addCommand(ids::ID_EDIT_MOVE_UP, inGrid([](CViewEditing* e) { e->moveRows(-1); }));
    addCommand(ids::ID_EDIT_MOVE_DOWN, inGrid([](CViewEditing* e) { e->moveRows(1); }));
    addCommand(ids::ID_EDIT_SORT_RX, whenIdle([this] { CViewEditing::of(this)->sortByRx(); }));
    addCommand(ids::ID_EDIT_INSERT_CHANNEL, inGrid([](CViewEditing* e) { e->insertChannel(); }));
    addCommand(ids::ID_EDIT_DELETE_CHANNELS, inGrid([](CViewEditing* e) { e->deleteChannels(); }));
    addCommand(ids::ID_FILE_COMPARE, whenIdle([this] { compareWith(this); }));
    addCommand(ids::ID_FILE_IMPORT_CHANNELS, whenIdle([this] { importChannels(this); }));
    addCommand(ids::ID_FILE_EXPORT_CHANNELS, whenIdle([this] { exportChannels(this); }));
    addCommand(ids::ID_EDIT_INSERT_CHANNEL_SET,
               whenIdle([this] { channelsets::insertChannelSet(this); }));
    addCommand(ids::ID_EDIT_SAVE_CHANNEL_SET,
               whenIdle([this] { channelsets::saveAsChannelSet(this); }));
}
