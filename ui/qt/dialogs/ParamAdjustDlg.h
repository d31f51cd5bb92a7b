#pragma once
// Edit > Param Adjust (factory mode): audio and modulation levels for
// compander off and on, and the two emphasis switches. A list or a small edit
// floats over the cell being edited; everything is stored into the dialog's
// copy of the image when it closes, however it is closed, and the caller
// takes that copy back.

#include "model/Image.h"
#include "model/Text.h"

#include <QDialog>

class CAdjustGrid;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CParamAdjustDlg : public QDialog {
    Q_OBJECT
public:
    explicit CParamAdjustDlg(QWidget* parent = nullptr);

    // Fills the grid from `image`, which the dialog keeps a copy of, with the
    // headings in `language`.
    void load(const radio::Image& image, radio::Language language);
    // Runs the dialog; without a load() it does not open.
    int DoModal();
    // The loaded image with the values stored at the last close.
    const radio::Image& image() const { return m_image; }

    CAdjustGrid* grid() const { return m_grid; }
    QComboBox* list1to7() const { return m_cbOneToSeven; }
    QComboBox* list0to7() const { return m_cbZeroToSeven; }
    QLineEdit* limitEdit() const { return m_editLimit; }
    QCheckBox* deEmphasis() const { return m_checkDeEmphasis; }
    QCheckBox* preEmphasis() const { return m_checkPreEmphasis; }
    // The editor open over a cell, or null.
    QWidget* openEditor() const;
    // Opens the current cell's editor.
    void ShowEditor();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* editorForRow(int row) const;
    void commitEditor();
    void storeValues();

    radio::Image m_image{};
    CAdjustGrid* m_grid;
    QComboBox* m_cbOneToSeven;
    QComboBox* m_cbZeroToSeven;
    QLineEdit* m_editLimit;
    QCheckBox* m_checkDeEmphasis;
    QCheckBox* m_checkPreEmphasis;
    int m_nEditRow = 0;
    int m_nEditCol = 0;
    bool m_bLoaded = false;
};
