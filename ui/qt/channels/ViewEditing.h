#pragma once
// Spreadsheet-like editing of one channel window: undo and redo of every
// grid change, channel rows copied and pasted as tab-separated text, rows
// cleared, the channel-list CSV imported and exported, the comparison with a
// file, and what follows a transfer (a backup of every read, the optional
// check of a write). One object per view, found or made with of().

#include "link/Verify.h"
#include "model/ChannelMoves.h"
#include "model/ChannelTable.h"
#include "model/FileLayouts.h"
#include "model/Image.h"
#include "model/InterchangeCsv.h"
#include "model/RowClipboard.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CProgramView;
class CProgressDlg;
class CSetCellsDlg;
class QUndoStack;
class QWidget;

namespace radio::link {
class TransferController;
}

class CViewEditing : public QObject {
    Q_OBJECT
public:
    explicit CViewEditing(CProgramView* view);
    ~CViewEditing() override;

    // The view's editing object, made on first use.
    static CViewEditing* of(CProgramView* view);
    // The view's editing object if the view records its history yet, else null.
    static CViewEditing* existing(const CProgramView* view);

    QUndoStack* undoStack() const { return m_stack; }
    // What Undo and Redo would do, named for the Edit menu ("Fill Down",
    // "Paste", "Edit Cell"...); empty when there is nothing to undo or redo.
    QString undoText() const;
    QString redoText() const;
    // Forgets the history: after a read the grid shows the radio, which is
    // nothing to undo.
    void resetHistory();

    // Grid rows the row commands work on: the selected rows, else the current one.
    std::vector<int> selectedRows() const;
    QString copyText() const;
    void copy() const;
    // Pastes from the first selected row down as one undoable step. False,
    // with the refused cells in `problems`, when nothing was pasted.
    bool paste(const QString& text, QStringList* problems);
    void pasteFromClipboard();
    void clearRows();

    // Bulk edits of the selected cells. Each cell is committed as if typed;
    // when any is refused nothing changes and `problems` lists the refused
    // cells. False when nothing changed.
    bool fillDown(QStringList* problems);
    // `value` into column `column` of every selected row.
    bool setCells(int column, const QString& value, QStringList* problems);
    // Puts `after` into the grid as one undoable step named `what`.
    void applyTable(const radio::ChannelTable& after, const QString& what);

    // Rearranging the channels: whole records move in the image (settings no
    // grid column shows included), each time one undoable step. False when
    // nothing moved.
    // The selected channels `delta` rows down (up when negative); they stay selected.
    bool moveRows(int delta);
    bool sortByRx();
    // An empty channel at the first selected row; false with `problem` set
    // when no empty channel below makes room.
    bool insertChannel(QString* problem);
    bool deleteChannels();

    // The document's image with the channels as the grid shows them now.
    radio::Image gridImage() const;

    // The channel-list CSV, in either of its two files: every grid column
    // (lossless), or the 21-column interchange layout other tools read.
    // Rejected rows (or cells) are listed with their line or row numbers; a
    // row with any rejected cell is left out whole. With some rejected and
    // some accepted, `confirm` is shown the outcome so far and decides
    // whether the accepted rows go in.
    struct ImportOutcome {
        QString notice; // the settings that got defaults (interchange layout)
        QString error;
        QStringList rejected;
        int refusedRows = 0; // rows left out; a row may have several rejected cells
        int accepted = 0;
        bool applied = false;
    };
    ImportOutcome importCsv(const QByteArray& csv,
                            const std::function<bool(const ImportOutcome&)>& confirm,
                            const radio::layouts::FileLayout& layout);
    // The accepted channels of an interchange import into the grid, as one
    // undoable step named `what`.
    void applyImport(const radio::interchange::Import& imp, const QString& what);
    // The channels marked in `accepted` from `img` into the grid, as one step.
    void applyChannels(const radio::Image& img, const std::array<bool, radio::kGridRows>& accepted,
                       const QString& what);
    // `notice`, when given, receives what the layout cannot carry.
    QByteArray exportCsv(const radio::layouts::FileLayout& layout, QString* notice = nullptr) const;
    // The comparison report of this configuration against a .dat file; empty
    // with `error` set when the file cannot be read.
    QString compareWith(const QString& path, QString* error) const;
    // Reads an input file by the core's rules (a regular file, at most
    // `maxBytes`; with `exact` the first `maxBytes` of a longer one); false
    // with a message for the user in `error` otherwise.
    static bool readInputFile(const QString& path, quint64 maxBytes, bool exact, QByteArray& out,
                              QString* error);
    // Writes a file by the core's rules (atomically; never a device, pipe,
    // folder or write-protected file); false with a message for the user in
    // `error` otherwise.
    static bool writeOutputFile(const QString& path, const QByteArray& data, QString* error);

    // ---- transfer hooks (called by the view's transfer code)
    // Offers "Verify after writing" in a write's progress window, as this
    // user left it last time.
    static void addVerifyOption(CProgressDlg* dlg);
    // After a successful read: a backup and a fresh history.
    void readFinished();
    // After a successful write: starts the read-back on `transfer` when the
    // window asks for it and returns true; verifyDone() follows.
    bool writeFinished(radio::link::TransferController* transfer);
    // While the read-back runs.
    bool verifying() const { return m_verifying; }
    // The read-back's outcome: its message, then verifyFinished.
    void verifyDone(const radio::link::VerifyOutcome& outcome);
    QString lastVerifyText() const { return m_lastVerify; }
    QString lastBackupPath() const { return m_lastBackup; }

    // Message boxes; tests replace it (warning: a problem rather than news).
    static std::function<void(QWidget* parent, const QString& text, bool warning)> showMessage;
    // Runs the "Set Selected Cells" dialog; true when it was confirmed.
    // Tests answer it in place of the user.
    static std::function<bool(CSetCellsDlg* dlg)> askValue;

public slots:
    // The Edit menu's "Fill Down" (Ctrl+D): the top selected cell of each
    // selected column goes into the selected cells below it.
    void fillDown();
    // The Edit menu's "Set Selected Cells...": asks for one value for the
    // current column and puts it into every selected row.
    void setSelectedCells();
    // The Edit menu's Insert Empty Channel, saying why when there is no room.
    void insertChannel();

signals:
    void verifyFinished(bool verified);

private:
    // The refused cells of a paste or a bulk edit, one line each.
    static QStringList describe(const std::vector<radio::clipboard::Rejected>& refused);
    void reportUnchanged(const QStringList& problems) const;
    void gridChanged();
    void settle();
    void show(const radio::ChannelTable& table);
    // The channel plan of `image` into the document (which holds that of
    // `current`), and the grid showing it.
    void showPlan(const radio::Image& image, const radio::Image& current);
    // Commits the open editor and records what is pending; false when the
    // channels may not be rearranged now.
    bool readyToRearrange();
    bool rearrange(const radio::moves::Order& from, const QString& what);

    friend class CTableCommand;
    friend class CPlanCommand;
    CProgramView* m_view;
    QUndoStack* m_stack;
    radio::ChannelTable m_last; // what the grid showed after the last recorded step
    bool m_pending = false;
    bool m_applying = false;

    bool m_verifying = false;
    QString m_lastVerify;
    QString m_lastBackup;
};
