#include "ui/qt/dialogs/ChannelPickerDlg.h"

#include "model/CellCommit.h"
#include "model/MemoryMap.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString mhzText(std::int64_t units) {
    return units > 0 ? dialogs::qs(radio::megahertz(units)) : QString();
}

} // namespace

CChannelPickerDlg::CChannelPickerDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CChannelPickerDlg"));
    setWindowTitle(tr("Choose Channels"));
    setFont(dialogs::templateFont());

    m_heading = new QLabel;
    m_heading->setObjectName(QStringLiteral("heading"));
    m_details = new QLabel;
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setWordWrap(true);
    m_table = new QTableWidget(0, ColNote + 1);
    m_table->setObjectName(QStringLiteral("rows"));
    m_table->setHorizontalHeaderLabels({tr("Use"), tr("Location"), tr("Name"), tr("Rx Frequency"),
                                        tr("Tx Frequency"), tr("Dec / Enc"), tr("Channel"),
                                        tr("Note")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_loading && item->column() == ColUse)
            updatePreview();
    });

    m_first = new QSpinBox;
    m_first->setObjectName(QStringLiteral("firstChannel"));
    m_first->setRange(1, radio::mm::kChannelCount);
    auto* firstLabel = new QLabel(tr("&First channel:"));
    firstLabel->setBuddy(m_first);
    connect(m_first, qOverload<int>(&QSpinBox::valueChanged), this, [this] { updatePreview(); });
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("summary"));

    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(firstLabel);
    firstRow->addWidget(m_first);
    firstRow->addWidget(m_summary, 1);
    auto* body = new QVBoxLayout;
    body->addWidget(m_heading);
    body->addWidget(m_details);
    body->addWidget(m_table, 1);
    body->addLayout(firstRow);

    m_btnOk = new QPushButton(tr("OK"));
    auto* cancel = new QPushButton(tr("Cancel"));
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    dialogs::layOutWithOkCancel(this, body, m_btnOk, cancel);
    resize(760, 480);
}

void CChannelPickerDlg::load(const radio::interchange::ListFile& list, const QString& heading,
                             const QString& details, int firstChannel) {
    using dialogs::qs;
    m_loading = true;
    m_heading->setText(heading);
    m_details->setText(details);
    m_details->setVisible(!details.isEmpty());
    m_first->setValue(firstChannel);
    m_table->setRowCount(int(list.rows.size()));
    int room = radio::mm::kChannelCount - firstChannel + 1;
    for (int r = 0; r < int(list.rows.size()); ++r) {
        const auto& row = list.rows[std::size_t(r)];
        const bool usable = row.usable && row.rx > 0;
        const QString reason = row.reason.empty() ? tr("No frequency") : qs(row.reason);
        const QString tones =
            usable ? qs(row.cells[radio::ColDecode] + " / " + row.cells[radio::ColEncode])
                   : QString();
        const QString texts[] = {QString(),       qs(row.location),
                                 qs(row.name),    mhzText(row.rx),
                                 mhzText(row.tx), tones,
                                 QString(),       usable ? QString() : reason};
        for (int c = ColUse; c <= ColNote; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            // A row this radio cannot take is shown, greyed, and cannot be ticked.
            item->setFlags(usable ? Qt::ItemIsEnabled : Qt::NoItemFlags);
            if (!usable)
                item->setToolTip(reason);
            if (c == ColUse && usable) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                item->setCheckState(room-- > 0 ? Qt::Checked : Qt::Unchecked);
            }
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_loading = false;
    updatePreview();
}

std::vector<std::size_t> CChannelPickerDlg::chosen() const {
    std::vector<std::size_t> out;
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (m_table->item(r, ColUse)->checkState() == Qt::Checked)
            out.push_back(std::size_t(r));
    return out;
}

int CChannelPickerDlg::firstChannel() const {
    return m_first->value();
}

void CChannelPickerDlg::setChecked(std::size_t index, bool on) {
    QTableWidgetItem* item = m_table->item(int(index), ColUse);
    if (item && (item->flags() & Qt::ItemIsUserCheckable))
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void CChannelPickerDlg::updatePreview() {
    m_loading = true;
    const int first = firstChannel();
    const int last = radio::mm::kChannelCount;
    int next = first;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const bool on = m_table->item(r, ColUse)->checkState() == Qt::Checked;
        QString where;
        if (on)
            where = next <= last ? QString::number(next) : tr("does not fit");
        next += on ? 1 : 0;
        m_table->item(r, ColChannel)->setText(where);
    }
    m_loading = false;
    const int count = next - first;
    const int room = last - first + 1;
    if (count == 0)
        m_summary->setText(tr("No row is chosen."));
    else if (count > room)
        m_summary->setText(tr("%1 rows are chosen, but channels %2 to %3 are only %4.")
                               .arg(count)
                               .arg(first)
                               .arg(last)
                               .arg(room));
    else
        m_summary->setText(tr("%n row(s) into channels %1 to %2.", nullptr, count)
                               .arg(first)
                               .arg(first + count - 1));
    m_btnOk->setEnabled(count > 0 && count <= room);
}
