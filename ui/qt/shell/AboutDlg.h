#pragma once
// Help > About: the settings file's title, version and copyright lines,
// logo.bmp from the program directory, and the program's licence.

#include <QDialog>

#include <string>

class QLabel;

namespace radio {
class CIniFile;
}

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Shows the texts of `settings` in the language section `languageName`
    // and the logo of `programDir` (with a trailing separator).
    void load(const radio::CIniFile* settings, const std::string& languageName,
              const QString& programDir);

    QLabel* logo() const { return m_logo; }
    QLabel* line(int controlId) const;
    QLabel* licence() const { return m_licence; }

private:
    QLabel* m_logo;
    QLabel* m_version;
    QLabel* m_copyrights;
    QLabel* m_owner;
    QLabel* m_licence;
};
