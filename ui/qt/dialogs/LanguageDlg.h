#pragma once
// Setup > Language: English or Chinese; OK with the other language stores it
// for the next start.

#include <QDialog>

class QRadioButton;

namespace radio {
class CIniFile;
}

class CLanguageDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLanguageDlg(QWidget* parent = nullptr);

    // Checks the running language; OK stores the other one in `settings`
    // (when there are settings) for the next start.
    void load(bool runningChinese, radio::CIniFile* settings);

    bool m_bChanged = false; // OK stored a language other than the running one
    int m_nLanguage = -1;    // 0 English, 1 Chinese

    QRadioButton* englishButton() const { return m_english; }
    QRadioButton* chineseButton() const { return m_chinese; }

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRadioButton* m_english;
    QRadioButton* m_chinese;
    bool m_bRunningChinese = false;
    radio::CIniFile* m_settings = nullptr;
};
