#pragma once
// Edit > Optional Features: the radio-wide options of an image (time-out
// timer, squelch, VOX, call tone, voice, call key, beep, battery saver).
// Decoded from the image it is given, encoded into its copy on OK, which the
// caller takes back; Cancel changes nothing.

#include <QDialog>

#include <utility>
#include <vector>

#include "model/Image.h"
#include "model/OptionalFeatures.h"
#include "model/RadioSettings.h"

class QCheckBox;
class QComboBox;
class QPushButton;

class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionalFeaturesDlg(QWidget* parent = nullptr);
    ~COptionalFeaturesDlg() override;

    // Fills the controls from `image`, which the dialog keeps a copy of.
    void load(const radio::Image& image);
    // Runs the dialog; Accepted when OK stored the choices into image().
    // Without a load() it does not open.
    int DoModal();
    // The loaded image with the choices of the last OK.
    const radio::Image& image() const { return m_image; }

    QComboBox* list(radio::optional::List which) const;
    QCheckBox* beep() const { return check("beep"); }
    QCheckBox* batterySaver() const { return check("battery_saver"); }
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
    void OnOK();
    bool isMine(QObject* o) const;
    QCheckBox* check(const char* key) const;

    radio::Image m_image{};
    bool m_bLoaded = false;
    // One control per setting of the group that has a control id, in layout order.
    std::vector<std::pair<const radio::settings::Setting*, QComboBox*>> m_lists;
    std::vector<std::pair<const radio::settings::Setting*, QCheckBox*>> m_checks;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    bool m_bFiltering = false;
};
