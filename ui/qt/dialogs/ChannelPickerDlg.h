#pragma once
// Chooses the rows of a channel list or a channel set to bring into the
// radio's channels: every row with its name, frequencies and tones, the
// ones this radio cannot take greyed with the reason, a box per row, the
// first channel to fill and where each chosen row will land. Handed the
// list by load(); hands back chosen() and firstChannel().

#include "model/InterchangeCsv.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

class CChannelPickerDlg : public QDialog {
    Q_OBJECT
public:
    enum Column { ColUse, ColLocation, ColName, ColRx, ColTx, ColTones, ColChannel, ColNote };

    explicit CChannelPickerDlg(QWidget* parent = nullptr);

    // `heading` names the file or set; `details` (the set's description and
    // rules) may be empty. The first rows that fit are ticked.
    void load(const radio::interchange::ListFile& list, const QString& heading,
              const QString& details, int firstChannel = 1);

    // The ticked rows, in the list's order, and the channel the first goes to.
    std::vector<std::size_t> chosen() const;
    int firstChannel() const;

    // The same as clicking row `index`'s box.
    void setChecked(std::size_t index, bool on);
    QTableWidget* table() const { return m_table; }
    QSpinBox* firstChannelBox() const { return m_first; }
    QLabel* summary() const { return m_summary; }
    QPushButton* okButton() const { return m_btnOk; }

private:
    void updatePreview();

    QLabel* m_heading;
    QLabel* m_details;
    QTableWidget* m_table;
    QSpinBox* m_first;
    QLabel* m_summary;
    QPushButton* m_btnOk;
    bool m_loading = false;
};
