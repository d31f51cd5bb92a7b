#pragma once
// Edit > Power Adjust (factory mode): low and high transmit power per 10 MHz
// segment of a band. Values are typed into a small editor floating over the
// cell; every cell is stored into the dialog's copy of the image when it
// closes, however it is closed, and the caller takes that copy back.

#include "model/Image.h"
#include "model/Text.h"

#include <QDialog>

#include <vector>

class CAdjustGrid;
class QLineEdit;

class CPowerAdjustDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPowerAdjustDlg(QWidget* parent = nullptr);

    // Builds the rows of the band bandLow..bandHigh (Hz) with the values of
    // `image`, which the dialog keeps a copy of, headed in `language`.
    void load(const radio::Image& image, int bandLow, int bandHigh, radio::Language language);
    // Runs the dialog; without a load() it does not open.
    int DoModal();
    // The loaded image with the values stored at the last close.
    const radio::Image& image() const { return m_image; }

    CAdjustGrid* grid() const { return m_grid; }
    QLineEdit* editor() const { return m_edit; }
    // Opens the editor over the current cell.
    void ShowEditor();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commitEditor();
    void storeGrid();

    radio::Image m_image{};
    bool m_bLoaded = false;
    CAdjustGrid* m_grid;
    QLineEdit* m_edit;
    int m_nRows = 0;
    const int m_nCols = 3;
    int m_nEditRow = 0;
    int m_nEditCol = 0;
};
