#pragma once
// Asks for the one value that "Set Selected Cells" puts into every selected
// row of the current column: a list of the column's entries, or a text box
// for a frequency column.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

class CSetCellsDlg : public QDialog {
    Q_OBJECT
public:
    // `entries` empty: a frequency column, typed. `current` preselects the
    // value of the current cell; `rows` is how many rows will take it.
    CSetCellsDlg(const QString& columnName, const QStringList& entries, const QString& current,
                 int rows, QWidget* parent = nullptr);

    // The chosen entry or the typed text.
    QString value() const;
    // One of them is null.
    QComboBox* list() const { return m_list; }
    QLineEdit* edit() const { return m_edit; }
    QPushButton* okButton() const { return m_btnOk; }

private:
    QComboBox* m_list = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_btnOk;
};
