#pragma once
// Program > Scan Info: priority mode and channel, look-back times, revert
// channel, dropout delay and Tx dwell time of an image. Each channel view
// owns one and loads it with its document's image at every opening; OK
// stores into the dialog's copy, which the view takes back.

#include "model/Image.h"
#include "model/ScanInfo.h"
#include "model/Text.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The small up/down button pair beside an edit. It keeps no position: each
// press reports a step of +1 (up) or -1 (down).
class CSpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButtons(QWidget* parent = nullptr);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void deltaPos(int delta);

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

class CScanInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CScanInfoDlg(QWidget* parent = nullptr);

    // Fills the controls from `image`, which the dialog keeps a copy of. The
    // priority-channel check of OK reads the channels of that copy. Lists and
    // messages are in `language`.
    void load(const radio::Image& image, radio::Language language);
    // Runs the dialog; Accepted when OK stored the values into image().
    // Without a load() it does not open.
    int DoModal();
    // The loaded image with the values of the last OK.
    const radio::Image& image() const { return m_image; }

    // The values the controls showed when they were last read.
    const radio::scan::Values& values() const { return m_values; }

    QComboBox* priorityList() const { return m_cbPriority; }
    QComboBox* revertList() const { return m_cbRevert; }
    QLineEdit* priorityChannel() const { return m_editChannel; }
    QLineEdit* lookBackA() const { return m_editLookBackA; }
    QLineEdit* lookBackB() const { return m_editLookBackB; }
    QLineEdit* dropout() const { return m_editDropout; }
    QLineEdit* dwell() const { return m_editDwell; }
    CSpinButtons* spin(int controlId) const;
    QPushButton* okButton() const { return m_btnOk; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnOK();
    void OnSelChangePriority();
    void applyPriorityMode(int priority);
    void OnDeltaPos(int controlId, int delta);
    bool OnKillFocus(QLineEdit* edit);
    // Controls -> members, as a data exchange does: a text that is no number
    // shows a message, keeps the member's previous value and stops there.
    bool readControls();
    void writeControls();

    static constexpr int kChannelChars = 2; // the Priority Channel box's typing limit

    radio::Image m_image{};
    radio::Language m_language = radio::Language::English;
    bool m_bLoaded = false;
    radio::scan::Values m_values;
    bool m_bLoading = false;
    bool m_bReading = false;

    QComboBox* m_cbPriority;
    QComboBox* m_cbRevert;
    QLineEdit* m_editChannel;
    QLineEdit* m_editLookBackA;
    QLineEdit* m_editLookBackB;
    QLineEdit* m_editDropout;
    QLineEdit* m_editDwell;
    CSpinButtons* m_spinA;
    CSpinButtons* m_spinB;
    CSpinButtons* m_spinDropout;
    CSpinButtons* m_spinDwell;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};
