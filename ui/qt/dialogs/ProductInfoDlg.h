#pragma once
// Edit > Product Information: the radio's model and band, chosen from the
// settings file's lists. OK stores them in the dialog's copy of the image and
// in the per-user values; the caller takes back the image and the choice (the
// new title and band limits).

#include "app/ProductInfo.h"
#include "model/Image.h"

#include <QDialog>

class QComboBox;
class QPushButton;

class CProductInfoDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_TYPE = 1013, IDC_FREQUENCY = 1014 };

    explicit CProductInfoDlg(QWidget* parent = nullptr);

    // Fills the lists for `image`, which the dialog keeps a copy of, from
    // `settings`; `user` holds the last model and band chosen, which OK
    // updates, and `languageName` names the title's language. False (and the
    // dialog does not open) without settings.
    bool load(const radio::Image& image, const radio::CIniFile* settings, radio::UserValues* user,
              const std::string& languageName);
    // Runs the dialog; Accepted when OK stored the choice into image().
    // Without a load() it does not open.
    int DoModal();
    // The loaded image with the choice of the last OK, and that choice.
    const radio::Image& image() const { return m_image; }
    const radio::ProductChoice& choice() const { return m_choice; }

    QComboBox* typeList() const { return m_cbType; }
    QComboBox* frequencyList() const { return m_cbFrequency; }
    QPushButton* okButton() const { return m_btnOk; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void OnSelChangeType();
    void OnOK();
    void fillFrequencies();

    radio::Image m_image{};
    const radio::CIniFile* m_settings = nullptr;
    radio::UserValues* m_user = nullptr;
    std::string m_languageName;
    radio::ProductChoice m_choice;
    bool m_bLoaded = false;
    radio::ProductDialogState m_state;
    bool m_bLoading = false;
    QComboBox* m_cbType;
    QComboBox* m_cbFrequency;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};
