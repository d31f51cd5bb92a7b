#include "ui/qt/dialogs/ParamAdjustDlg.h"

#include "model/ParamAdjust.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/dialogs/DialogSupport.h"
#include "ui/qt/widgets/AdjustGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace radio::param;
using dialogs::qs;

namespace {

// Column widths of the template in twips.
constexpr int kWidthTwips[3] = {2000, 1500, 1500};

QComboBox* makeList(ControlId id, QWidget* parent) {
    auto* cb = new QComboBox(parent);
    // Typed values are allowed; they are checked when the list is left.
    cb->setEditable(true);
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setObjectName(QStringLiteral("list%1").arg(int(id)));
    cb->setProperty("controlId", int(id));
    for (const std::string& e : listEntries(id))
        cb->addItem(qs(e));
    cb->hide();
    return cb;
}

} // namespace

CParamAdjustDlg::CParamAdjustDlg(QWidget* parent)
    : QDialog(parent), m_grid(new CAdjustGrid(kRows + 1, kCols + 1)) {
    setObjectName(QStringLiteral("CParamAdjustDlg"));
    setWindowTitle(tr("Param Adjust"));
    setFont(dialogs::templateFont());
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_grid->setObjectName(QStringLiteral("grid1137"));
    m_grid->setProperty("controlId", int(IDC_PARAM_GRID));
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QWidget* host = m_grid->viewport();
    m_cbOneToSeven = makeList(IDC_LIST_1_TO_7, host);
    m_cbZeroToSeven = makeList(IDC_LIST_0_TO_7, host);
    m_editLimit = new QLineEdit(host);
    m_editLimit->setObjectName(QStringLiteral("edit1009"));
    m_editLimit->setProperty("controlId", int(IDC_LIMIT_EDIT));
    m_editLimit->setMaxLength(3);
    m_editLimit->setAlignment(Qt::AlignCenter);
    m_editLimit->setFrame(false);
    m_editLimit->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{m_cbOneToSeven, m_cbZeroToSeven, m_editLimit})
        w->installEventFilter(this);

    m_checkDeEmphasis = new QCheckBox(tr("De-emphasis"));
    m_checkDeEmphasis->setProperty("controlId", int(IDC_DE_EMPHASIS));
    m_checkPreEmphasis = new QCheckBox(tr("Pre-emphasis"));
    m_checkPreEmphasis->setProperty("controlId", int(IDC_PRE_EMPHASIS));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_checkDeEmphasis);
    checks->addSpacing(16);
    checks->addWidget(m_checkPreEmphasis);
    checks->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(checks);

    connect(m_grid, &CAdjustGrid::mouseDown, this, [this] { ShowEditor(); });
    connect(m_grid, &CAdjustGrid::enterCell, this,
            [this](int r, int c) { m_grid->setCellMarked(r, c, true); });
    connect(m_grid, &CAdjustGrid::leaveCell, this,
            [this](int r, int c) { m_grid->setCellMarked(r, c, false); });
}

int CParamAdjustDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

void CParamAdjustDlg::load(const radio::Image& image, radio::Language language) {
    m_image = image;
    const radio::Translate& tr = radio::coreTexts(language);
    for (int c = 1; c <= kCols; ++c)
        m_grid->setTextMatrix(0, c, qs(columnHead(c, tr)));
    for (int r = 1; r <= kRows; ++r)
        m_grid->setTextMatrix(r, 0, qs(rowLabel(r, tr)));

    const double dpi = m_grid->logicalDpiX();
    for (int c = 0; c <= kCols; ++c) {
        int w = int(kWidthTwips[c] * dpi / 1440.0 + 0.5);
        // The labels must fit whatever the font.
        if (c == 0)
            for (int r = 1; r <= kRows; ++r)
                w = std::max(w, m_grid->fontMetrics().horizontalAdvance(m_grid->textMatrix(r, 0)) +
                                    12);
        m_grid->setColumnWidth(c, w);
    }
    const int rowHeight = std::max(m_grid->verticalHeader()->defaultSectionSize(),
                                   m_grid->fontMetrics().height() + 10);
    for (int r = 0; r < m_grid->rowCount(); ++r)
        m_grid->setRowHeight(r, rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);

    const Values v = radio::param::load(m_image);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kCols; ++c)
            m_grid->setTextMatrix(r, c, QString::number(v.cell[r - 1][c - 1]));
    m_checkDeEmphasis->setChecked(v.deEmphasis);
    m_checkPreEmphasis->setChecked(v.preEmphasis);

    m_grid->setFixedSize(m_grid->fullSize());
    m_grid->setCurrent(1, 1);
    m_grid->setCellMarked(1, 1, true);
    m_grid->setFocus();
    adjustSize();
    m_bLoaded = true;
}

QWidget* CParamAdjustDlg::editorForRow(int row) const {
    switch (radio::param::editorForRow(row)) {
    case IDC_LIST_1_TO_7:
        return m_cbOneToSeven;
    case IDC_LIST_0_TO_7:
        return m_cbZeroToSeven;
    default:
        return m_editLimit;
    }
}

QWidget* CParamAdjustDlg::openEditor() const {
    for (QWidget* w : std::initializer_list<QWidget*>{m_cbOneToSeven, m_cbZeroToSeven, m_editLimit})
        if (!w->isHidden())
            return w;
    return nullptr;
}

void CParamAdjustDlg::ShowEditor() {
    const int row = m_grid->row();
    const int col = m_grid->col();
    if (row < 1 || row > kRows || col < 1 || col > kCols)
        return;
    commitEditor();
    m_nEditRow = row;
    m_nEditCol = col;
    QWidget* editor = editorForRow(row);
    const QString text = m_grid->textMatrix(row, col);
    editor->setGeometry(m_grid->cellRect(row, col));
    if (auto* cb = qobject_cast<QComboBox*>(editor)) {
        // The list opens on the cell's own value, so leaving it without a
        // choice keeps that value.
        cb->setCurrentIndex(cb->findText(text));
        cb->setEditText(text);
        cb->lineEdit()->selectAll();
    } else {
        m_editLimit->setText(text);
        m_editLimit->selectAll();
    }
    editor->show();
    editor->raise();
    editor->setFocus();
}

void CParamAdjustDlg::commitEditor() {
    QWidget* editor = openEditor();
    if (!editor)
        return;
    const QString text = editor == m_editLimit ? m_editLimit->text()
                                               : static_cast<QComboBox*>(editor)->currentText();
    const int v = committedValue(m_nEditRow, text.toStdString());
    m_grid->setTextMatrix(m_nEditRow, m_nEditCol, QString::number(v));
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    if (hadFocus)
        m_grid->setFocus();
}

bool CParamAdjustDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // An open drop-down takes the focus for a moment; that is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            watched == openEditor())
            commitEditor();
    }
    return QDialog::eventFilter(watched, event);
}

void CParamAdjustDlg::keyPressEvent(QKeyEvent* e) {
    // The dialog has no buttons: Enter closes it as Escape does.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CParamAdjustDlg::storeValues() {
    if (!m_bLoaded)
        return;
    Values v;
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kCols; ++c)
            v.cell[r - 1][c - 1] = m_grid->textMatrix(r, c).toInt();
    v.deEmphasis = m_checkDeEmphasis->isChecked();
    v.preEmphasis = m_checkPreEmphasis->isChecked();
    store(m_image, v);
}

void CParamAdjustDlg::done(int result) {
    // Enter, Escape and the close box all keep what was typed and store it.
    commitEditor();
    storeValues();
    QDialog::done(result);
}
