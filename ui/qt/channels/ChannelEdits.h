#pragma once
// Spreadsheet-like editing of one channel window's rows: channel rows copied
// and pasted as tab-separated text, rows cleared, bulk edits of the selected
// cells and the channels rearranged, each one step of the view's history.

#include "model/RowClipboard.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CProgramView;
class CSetCellsDlg;

class ChannelEdits {
    Q_DECLARE_TR_FUNCTIONS(ChannelEdits)

public:
    explicit ChannelEdits(CProgramView* view);

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
    // The Edit menu's "Fill Down" (Ctrl+D): the top selected cell of each
    // selected column goes into the selected cells below it.
    void fillDown();
    // The Edit menu's "Set Selected Cells...": asks for one value for the
    // current column and puts it into every selected row.
    void setSelectedCells();

    // Rearranging the channels: whole records move in the image (settings no
    // grid column shows included), each time one undoable step. False when
    // nothing moved.
    // The selected channels `delta` rows down (up when negative); they stay selected.
    bool moveRows(int delta);
    bool sortByRx();
    // An empty channel at the first selected row; false with `problem` set
    // when no empty channel below makes room.
    bool insertChannel(QString* problem);
    // The Edit menu's Insert Empty Channel, saying why when there is no room.
    void insertChannel();
    bool deleteChannels();

    // Runs the "Set Selected Cells" dialog; true when it was confirmed.
    // Tests answer it in place of the user.
    static std::function<bool(CSetCellsDlg* dlg)> askValue;

private:
    // The refused cells of a paste or a bulk edit, one line each.
    QStringList describe(const std::vector<radio::clipboard::Rejected>& refused) const;
    void reportUnchanged(const QStringList& problems) const;
    // Commits the open editor and records what is pending; false when the
    // channels may not be rearranged now.
    bool readyToRearrange();

    CProgramView* m_view;
};
