#pragma once
// Help > About: the settings file's title, version and copyright lines,
// logo.bmp from the program directory, and the program's licence.

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

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
