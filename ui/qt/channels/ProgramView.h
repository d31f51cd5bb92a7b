#pragma once
// The channel window's view: the 16 channels of its document as a grid of
// texts, edited in place by one editor per column.

#include "app/UserKeys.h"
#include "model/ChannelTable.h"
#include "model/Text.h"
#include "ui/qt/channels/ProgramDoc.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>

class AfterTransfer;
class ChannelEdits;
class ChannelLists;
class CChannelGrid;
class EditHistory;
class CProgramDoc;
class CProgressDlg;
class QComboBox;
class QLineEdit;
namespace radio::link {
class TransferController;
struct TransferResult;
struct VerifyOutcome;
} // namespace radio::link

class CProgramView : public QWidget {
    Q_OBJECT
public:
    explicit CProgramView(CProgramDoc* doc, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc* document() const { return m_pDocument; }
    // The program's settings and language, as the document was handed them.
    radio::AppState& state() const { return m_state; }
    // The language of the data texts and the core's headings and messages.
    radio::Language language() const;
    const radio::Translate& coreTexts() const;
    // The per-user values of the program.
    radio::UserSettings userSettings() const { return radio::userSettings(m_state); }
    CChannelGrid* grid() const { return m_grid; }
    // The main window the view works in: owner of its dialogs, closed for a
    // restart. Null when there is none.
    QWidget* mainFrame() const;

    // First showing of the window with its document: sets up the grid once,
    // then shows the image.
    void OnInitialUpdate();
    // Image -> grid, then the model/band refresh (title, band limits).
    void ImageToGrid();
    // Grid -> image (channel records and scan-add bytes only).
    void GridToImage();
    // Commits the open cell editor into its cell with the radio's rules.
    // Returns true when a message was shown (the value was refused): the row
    // keeps its content, the editor stays open with the typed text, and a
    // move that left the cell is undone.
    bool CommitCellEditor();
    // The commit a command (save, print, transfer, export...) makes on its
    // own before it reads the grid; true when the command may go on.
    bool commitBeforeCommand();
    // While a transfer runs the document is read-only: no editor opens and
    // the commands that change the document do nothing.
    static bool documentLocked() { return transferRunning(); }
    // The grid's texts in grid coordinates.
    radio::ChannelTable table() const;
    // The document's image with the channels as the grid shows them now.
    radio::Image gridImage() const;

    // The history of the grid's changes. It records from the first showing
    // of the document on; made then, or by the first use before that.
    EditHistory* history();
    // The history, or null while the view records none yet.
    const EditHistory* recordedHistory() const { return m_history; }
    // The row commands, the channel-list files and what follows a transfer.
    ChannelEdits* edits() const { return m_edits.get(); }
    ChannelLists* channelLists() const { return m_channelLists.get(); }
    AfterTransfer* afterTransfer() const { return m_afterTransfer; }

    int bandLow() const { return m_nBandLow; }
    int bandHigh() const { return m_nBandHigh; }
    void setBandLow(int v) { m_nBandLow = v; }
    void setBandHigh(int v) { m_nBandHigh = v; }
    void setBand(int low, int high) {
        m_nBandLow = low;
        m_nBandHigh = high;
    }

    // Commands this view handles, by command ID. The main frame routes its
    // menu and toolbar commands here first; a command nobody registered stays
    // disabled.
    void addCommand(int id, std::function<void()> handler);
    bool hasCommand(int id) const { return m_commands.count(id) != 0; }
    bool runCommand(int id);

    void OnSetupLanguage();
    // The files of the configurations open in the main window, this one last.
    QStringList openFiles() const;
    // Asked before a language change closes the main window to restart the
    // program (unsaved changes); false keeps it running. Set by the window
    // holding the view; unset, nothing is asked.
    std::function<bool()> queryCloseMainFrame;
    // Asked before a read from the radio replaces unsaved changes; false
    // stops the read. Set like queryCloseMainFrame.
    std::function<bool()> queryReplaceDocument;

    // Serial port name used by the transfer.
    QString m_strPort = QStringLiteral("COM1");
    int m_bWrite = 0;

    // Program > Read, Program > Write, Setup > Com Setup, and the start of a
    // transfer (the progress window's OK). ProgramViewTransfer.cpp.
    void OnRead();
    void OnWrite();
    void OnComSetup();
    void OnStartTransfer();
    // The progress window exists while a transfer is prepared or runs.
    QPointer<CProgressDlg> m_pProgressDlg;
    bool isTransferring() const;
    // Whether any view's transfer is running (closing is refused meanwhile).
    static bool transferRunning();
    // Held by a fleet write for as long as it runs: the documents are
    // read-only and the windows stay open as during a transfer, and no
    // single Read or Write starts. `parent` owns the hold.
    static QObject* holdForFleet(QObject* parent);
    static bool fleetRunning();

    // Opens the current column's editor over the current cell.
    void ShowCellEditor();
    // The editor of the current column (the scrambler list for any other).
    QWidget* GetCellEditor() const;
    QWidget* cellEditor(int column) const;
    // The visible editor, or null.
    QWidget* openEditor() const;
    // Hides every editor without committing (what a scroll does).
    void hideEditors();

    // Replaced by tests; starts the program again after a language change.
    static std::function<void()> restartProgram;

signals:
    // What the view tells the main window; the window holding the view
    // passes it on.
    // The main window's title (product and band) changed.
    void frameTitleChanged(const QString& title);
    // Which commands may run changed: a transfer started or ended, the
    // history moved.
    void commandStatesChanged();
    // Ctrl+F11: the user asks for factory mode.
    void factoryModeRequested();
    // A short note for the status bar, shown for `timeoutMs`.
    void statusMessage(const QString& text, int timeoutMs);
    // A Read or Write (with its check, when asked for) ended: what the
    // progress window said last, for the status bar. `ok` only for success.
    void transferFinished(bool ok, const QString& resultText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize sizeHint() const override;

private:
    // Filled in by the modules that own these commands.
    void installTransferCommands();
    void installPrintCommands();
    void installScanInfoCommands();
    void installEditingCommands();
    void openProgressDlg(int write);
    void OnTransferFinished(const radio::link::TransferResult& result, const radio::Image& image);
    void OnVerifyFinished(const radio::link::VerifyOutcome& outcome);
    // The end in the progress window (`shown`, names shortened to fit) and
    // as transferFinished (`text`).
    void showTransferResult(bool ok, const QString& text, const QString& shown);
    void closeProgressDlg();
    radio::link::TransferController* m_pTransfer = nullptr;

    void setUpGrid();
    void createEditors();
    void refreshProductInfo();
    // Puts `editor` (default: the open one) over the current edit cell.
    void placeEditor(QWidget* editor = nullptr);
    bool handleKey(QObject* watched, class QKeyEvent* key);
    bool editorHasChanges() const;
    void moveBy(int dRow, int dCol, bool wrap);
    void OnEnterCell();
    void OnLeaveCell();
    void OnGridScroll();
    void showHelpForFocus();

    // The frame deletes the view before the document; the guard keeps a
    // late use from touching a deleted one.
    QPointer<CProgramDoc> m_pDocument;
    radio::AppState& m_state;
    CChannelGrid* m_grid;
    bool m_bFirstUpdate = true;
    int m_nBandHigh = 0;
    int m_nBandLow = 0;

    // One editor per column (Rx, Tx and the lists), built on first use.
    mutable std::array<QWidget*, radio::kGridCols> m_editors{};
    QWidget*& editorSlot(int column) const;
    QWidget* createEditor(int column) const;

    // Cell the open editor belongs to, and the value it opened with.
    int m_nEditRow = 0;
    int m_nEditCol = 0;
    int m_nOpenIndex = -1;
    bool m_bCommitting = false;

    std::map<int, std::function<void()>> m_commands;
    EditHistory* m_history = nullptr;
    std::unique_ptr<ChannelEdits> m_edits;
    std::unique_ptr<ChannelLists> m_channelLists;
    AfterTransfer* m_afterTransfer;
    bool m_bLanguageChanged = false;
    // The history step at which the user agreed to replace the document by
    // the read being prepared, and the step a read left it at while what it
    // read is kept in a backup and unchanged; -1 when none. A change beside
    // the grid (a dialog's OK) voids both.
    int m_nReadAgreedAt = -1;
    int m_nBackedUpReadAt = -1;
    // Whether a read may replace the document now, asking when it has
    // unsaved changes the user has not agreed to drop.
    bool mayReplaceByRead();
};
