#pragma once
// Help > About: the settings file's title, version and copyright lines, and
// logo.bmp from the program directory.

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* logo() const { return m_logo; }
    QLabel* line(int controlId) const;

private:
    QLabel* m_logo;
    QLabel* m_version;
    QLabel* m_copyrights;
    QLabel* m_owner;
};
