#include "ui/qt/dialogs/PowerAdjustDlg.h"

#include "model/PowerAdjust.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/dialogs/DialogSupport.h"
#include "ui/qt/widgets/AdjustGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace radio::power;
using dialogs::qs;

CPowerAdjustDlg::CPowerAdjustDlg(QWidget* parent) : QDialog(parent), m_grid(new CAdjustGrid(1, 3)) {
    setObjectName(QStringLiteral("CPowerAdjustDlg"));
    setWindowTitle(tr("Power Adjustment"));
    setFont(dialogs::templateFont());

    m_grid->setObjectName(QStringLiteral("grid1137"));
    m_grid->setProperty("controlId", int(IDC_POWER_GRID));
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setWordWrap(true);
    m_grid->installEventFilter(this);

    m_edit = new QLineEdit(m_grid->viewport());
    m_edit->setObjectName(QStringLiteral("edit1033"));
    m_edit->setProperty("controlId", int(IDC_POWER_EDIT));
    m_edit->setMaxLength(3);
    m_edit->setAlignment(Qt::AlignCenter);
    m_edit->setFrame(false);
    m_edit->hide();
    m_edit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);

    connect(m_grid, &CAdjustGrid::mouseDown, this, [this] { ShowEditor(); });
}

int CPowerAdjustDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

void CPowerAdjustDlg::load(const radio::Image& image, int bandLow, int bandHigh,
                           radio::Language language) {
    m_image = image;
    const radio::Translate& tr = radio::coreTexts(language);
    const std::vector<int> edges = segmentsFromLimits(bandLow, bandHigh);
    m_nRows = int(edges.size());
    m_edit->hide();
    m_grid->setValueRows(m_nRows);

    m_grid->setTextMatrix(0, 1, qs(lowHeader(tr)));
    m_grid->setTextMatrix(0, 2, qs(highHeader(tr)));
    for (int r = 1; r <= m_nRows; ++r)
        m_grid->setTextMatrix(r, 0, QString::number(edges[r - 1]));

    // Widths relative to the first column's own; the heads get two lines.
    const int w = m_grid->horizontalHeader()->defaultSectionSize();
    m_grid->setColumnWidth(0, int(0.8 * w));
    m_grid->setColumnWidth(1, int(1.1 * w));
    m_grid->setColumnWidth(2, int(1.2 * w));
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    m_grid->horizontalHeader()->setFixedHeight(
        std::max(2 * rowHeight, 2 * m_grid->fontMetrics().height() + 8));

    const std::vector<Row> rows = radio::power::load(m_image, std::size_t(m_nRows));
    for (int r = 1; r <= m_nRows; ++r) {
        m_grid->setTextMatrix(r, 1, QString::number(rows[r - 1].low));
        m_grid->setTextMatrix(r, 2, QString::number(rows[r - 1].high));
    }
    m_grid->setFixedSize(m_grid->fullSize());
    adjustSize();
    m_grid->setFocus();
    m_bLoaded = true;
}

void CPowerAdjustDlg::ShowEditor() {
    const int row = m_grid->row();
    const int col = m_grid->col();
    if (row < 1 || row > m_nRows || col < 1)
        return;
    m_nEditRow = row;
    m_nEditCol = col;
    m_edit->setGeometry(m_grid->cellRect(row, col));
    m_edit->setText(m_grid->textMatrix(row, col));
    m_edit->selectAll();
    m_edit->show();
    m_edit->setFocus();
}

void CPowerAdjustDlg::commitEditor() {
    if (m_edit->isHidden())
        return;
    const std::string text = m_edit->text().toStdString();
    const int v = m_nEditCol == 1 ? committedLow(text) : committedHigh(text);
    m_grid->setTextMatrix(m_nEditRow, m_nEditCol, QString::number(v));
    const bool hadFocus = m_edit->hasFocus();
    m_edit->hide();
    if (hadFocus)
        m_grid->setFocus();
}

bool CPowerAdjustDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commitEditor();
    } else if (event->type() == QEvent::KeyPress && (watched == m_edit || watched == m_grid)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_edit) {
                // Commit, then the next row becomes current.
                m_grid->setFocus();
                commitEditor();
                m_grid->setCurrent(m_grid->row() + 1, m_grid->col());
            } else {
                ShowEditor();
            }
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_grid->setFocus();
            commitEditor();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CPowerAdjustDlg::storeGrid() {
    if (!m_bLoaded)
        return;
    std::vector<Row> rows(static_cast<std::size_t>(m_nRows));
    for (int r = 1; r <= m_nRows; ++r) {
        rows[r - 1].low = m_grid->textMatrix(r, 1).toInt();
        rows[r - 1].high = m_grid->textMatrix(r, 2).toInt();
    }
    store(m_image, rows);
}

void CPowerAdjustDlg::done(int result) {
    // However the dialog is left, the value being typed counts and every
    // cell is stored.
    commitEditor();
    storeGrid();
    QDialog::done(result);
}
