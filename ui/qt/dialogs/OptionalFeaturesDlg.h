#pragma once
// Edit > Optional Features: the radio-wide options of the active document's
// image (time-out timer, squelch, VOX, call tone, voice, call key, beep,
// battery saver). Decoded when it opens, encoded on OK; Cancel changes nothing.

#include <QDialog>

#include <array>

#include "model/OptionalFeatures.h"

class CMainFrame;
class QCheckBox;
class QComboBox;
class QPushButton;

class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionalFeaturesDlg(CMainFrame* frame);
    ~COptionalFeaturesDlg() override;

    // Fills the controls from the active document and runs the dialog;
    // without an active document it does not open.
    int DoModal();

    QComboBox* list(radio::optional::List which) const { return m_lists[which]; }
    QCheckBox* beep() const { return m_checkBeep; }
    QCheckBox* batterySaver() const { return m_checkBatterySaver; }
    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }

    // Whether the keyboard filter lets a key through (the dialog is worked
    // with the mouse, digits and arrows only).
    static bool keyPasses(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    bool OnInitDialog();
    void OnOK();
    bool isMine(QObject* o) const;

    CMainFrame* m_pFrame;
    std::array<QComboBox*, radio::optional::kListCount> m_lists{};
    QCheckBox* m_checkBeep;
    QCheckBox* m_checkBatterySaver;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    bool m_bFiltering = false;
};
