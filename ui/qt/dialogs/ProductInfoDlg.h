#pragma once
// Edit > Product Information: the radio's model and band, chosen from the
// settings file's lists. OK stores them in the image and the per-user values,
// retitles the main window and gives the view its new band limits.

#include "app/ProductInfo.h"

#include <QDialog>

class CMainFrame;
class QComboBox;
class QPushButton;

class CProductInfoDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_TYPE = 1013, IDC_FREQUENCY = 1014 };

    explicit CProductInfoDlg(CMainFrame* frame);

    // Fills the lists and runs the dialog; without an active document or
    // settings it does not open.
    int DoModal();

    QComboBox* typeList() const { return m_cbType; }
    QComboBox* frequencyList() const { return m_cbFrequency; }
    QPushButton* okButton() const { return m_btnOk; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool OnInitDialog();
    void OnSelChangeType();
    void OnOK();
    void fillFrequencies();

    CMainFrame* m_pFrame;
    radio::ProductDialogState m_state;
    bool m_bLoading = false;
    QComboBox* m_cbType;
    QComboBox* m_cbFrequency;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};
