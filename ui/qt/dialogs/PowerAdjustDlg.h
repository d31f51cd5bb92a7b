#pragma once
// Edit > Power Adjust (factory mode): low and high transmit power per 10 MHz
// segment of the active view's band. Values are typed into a small editor
// floating over the cell; every cell is stored when the dialog closes,
// however it is closed.

#include <QDialog>

#include <vector>

class CAdjustGrid;
class CMainFrame;
class QLineEdit;

class CPowerAdjustDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPowerAdjustDlg(CMainFrame* frame);

    // Builds the rows from the active view's band and runs the dialog;
    // without an active document it does not open.
    int DoModal();

    CAdjustGrid* grid() const { return m_grid; }
    QLineEdit* editor() const { return m_edit; }
    // Opens the editor over the current cell.
    void ShowEditor();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnInitDialog();
    void commitEditor();
    void storeGrid();

    CMainFrame* m_pFrame;
    CAdjustGrid* m_grid;
    QLineEdit* m_edit;
    int m_nRows = 0;
    const int m_nCols = 3;
    int m_nEditRow = 0;
    int m_nEditCol = 0;
};
