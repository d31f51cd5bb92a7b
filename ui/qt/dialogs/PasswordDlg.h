#pragma once
// The factory access code, asked each time Ctrl+F11 is pressed in a channel
// window. A wrong code is reported and the dialog stays open for another try.

#include "model/Text.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPasswordDlg(QWidget* parent = nullptr);

    // The language of the message a wrong code shows.
    void load(radio::Language language) { m_language = language; }

    QLineEdit* edit() const { return m_edit; }
    QPushButton* okButton() const { return m_btnOk; }
    QPushButton* cancelButton() const { return m_btnCancel; }
    // The text typed, as it was when OK was pressed.
    QString password() const { return m_strPassword; }

private:
    void OnOK();

    QLineEdit* m_edit;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QString m_strPassword;
    radio::Language m_language = radio::Language::English;
};
