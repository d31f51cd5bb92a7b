#include "ui/qt/dialogs/ScanInfoDlg.h"

#include "model/DataTexts.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace radio::scan;
using dialogs::qs;

CSpinButtons::CSpinButtons(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {m_up, m_down}) {
        b->setArrowType(b == m_up ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(16, 11);
        layout->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { emit deltaPos(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit deltaPos(-1); });
}

CScanInfoDlg::CScanInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CScanInfoDlg"));
    // The title as the radio's documentation spells it.
    setWindowTitle(tr("Scan Infomation"));
    setFont(dialogs::templateFont());

    m_cbPriority = new QComboBox;
    m_cbRevert = new QComboBox;
    m_editChannel = new QLineEdit;
    m_editChannel->setMaxLength(kChannelChars);
    m_editLookBackA = new QLineEdit;
    m_editLookBackB = new QLineEdit;
    m_editDropout = new QLineEdit;
    m_editDwell = new QLineEdit;
    // The counters accept digits only.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_editDropout->setValidator(new QRegularExpressionValidator(digits, m_editDropout));
    m_editDwell->setValidator(new QRegularExpressionValidator(digits, m_editDwell));
    m_spinA = new CSpinButtons;
    m_spinB = new CSpinButtons;
    m_spinDropout = new CSpinButtons;
    m_spinDwell = new CSpinButtons;

    struct Control {
        QWidget* w;
        int id;
    };
    for (const Control& c : {Control{m_cbPriority, IDC_PRIORITY},
                             {m_cbRevert, IDC_REVERT},
                             {m_editChannel, IDC_PRIORITY_CHANNEL},
                             {m_editLookBackA, IDC_LOOK_BACK_A},
                             {m_editLookBackB, IDC_LOOK_BACK_B},
                             {m_editDropout, IDC_DROPOUT},
                             {m_editDwell, IDC_DWELL},
                             {m_spinA, IDC_SPIN_A},
                             {m_spinB, IDC_SPIN_B},
                             {m_spinDropout, IDC_SPIN_DROPOUT},
                             {m_spinDwell, IDC_SPIN_DWELL}}) {
        c.w->setProperty("controlId", c.id);
        c.w->setObjectName(QStringLiteral("control%1").arg(c.id));
    }
    for (QLineEdit* e :
         {m_editChannel, m_editLookBackA, m_editLookBackB, m_editDropout, m_editDwell})
        e->setMinimumWidth(70);
    for (QLineEdit* e : {m_editLookBackA, m_editLookBackB, m_editDropout, m_editDwell})
        e->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* control, CSpinButtons* spin = nullptr) {
        auto* l = new QLabel(label);
        l->setBuddy(control);
        grid->addWidget(l, row, 0);
        grid->addWidget(control, row, 1);
        if (spin)
            grid->addWidget(spin, row, 2, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    };
    addRow(tr("Priority"), m_cbPriority);
    addRow(tr("Priority Channel"), m_editChannel);
    addRow(tr("Look Back Time A"), m_editLookBackA, m_spinA);
    addRow(tr("Look Back Time B"), m_editLookBackB, m_spinB);
    addRow(tr("Revert Channel"), m_cbRevert);
    addRow(tr("Dropout Delay Time"), m_editDropout, m_spinDropout);
    addRow(tr("Tx Dwell Time"), m_editDwell, m_spinDwell);
    grid->setColumnStretch(1, 1);

    m_btnOk = new QPushButton(tr("OK"));
    m_btnCancel = new QPushButton(tr("Cancel"));
    connect(m_btnOk, &QPushButton::clicked, this, &CScanInfoDlg::OnOK);
    dialogs::layOutWithOkCancel(this, grid, m_btnOk, m_btnCancel);

    // Once the user shortens a longer stored number, typing is held to two
    // characters again.
    connect(m_editChannel, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() <= kChannelChars)
            m_editChannel->setMaxLength(kChannelChars);
    });
    connect(m_cbPriority, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_bLoading)
            OnSelChangePriority();
    });
    connect(m_spinA, &CSpinButtons::deltaPos, this, [this](int d) { OnDeltaPos(IDC_SPIN_A, d); });
    connect(m_spinB, &CSpinButtons::deltaPos, this, [this](int d) { OnDeltaPos(IDC_SPIN_B, d); });
    connect(m_spinDropout, &CSpinButtons::deltaPos, this,
            [this](int d) { OnDeltaPos(IDC_SPIN_DROPOUT, d); });
    connect(m_spinDwell, &CSpinButtons::deltaPos, this,
            [this](int d) { OnDeltaPos(IDC_SPIN_DWELL, d); });
}

CSpinButtons* CScanInfoDlg::spin(int controlId) const {
    switch (controlId) {
    case IDC_SPIN_A:
        return m_spinA;
    case IDC_SPIN_B:
        return m_spinB;
    case IDC_SPIN_DROPOUT:
        return m_spinDropout;
    case IDC_SPIN_DWELL:
        return m_spinDwell;
    default:
        return nullptr;
    }
}

int CScanInfoDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

void CScanInfoDlg::load(const radio::Image& image, radio::Language language) {
    m_image = image;
    m_language = language;
    m_bLoaded = true;
    m_bLoading = true;
    if (m_cbPriority->count() == 0)
        for (const std::string& e : priorityEntries())
            m_cbPriority->addItem(qs(e));
    m_values = decode(m_image);
    m_cbPriority->setCurrentIndex(m_values.priority);
    applyPriorityMode(m_values.priority);
    m_cbRevert->setCurrentIndex(m_values.revert);
    writeControls();
    m_bLoading = false;
    m_cbPriority->setFocus();
}

void CScanInfoDlg::applyPriorityMode(int priority) {
    const bool fixed = fixedControlsEnabled(priority);
    if (!fixed)
        m_editChannel->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{m_editChannel, m_editLookBackA,
                                                      m_editLookBackB, m_spinA, m_spinB})
        w->setEnabled(fixed);
    m_cbRevert->clear();
    for (const std::string& e : revertEntries(priority, m_language))
        m_cbRevert->addItem(qs(e));
    m_cbRevert->setCurrentIndex(0);
}

void CScanInfoDlg::OnSelChangePriority() {
    applyPriorityMode(m_cbPriority->currentIndex());
}

bool CScanInfoDlg::readControls() {
    m_bReading = true;
    m_values.priority = m_cbPriority->currentIndex();
    m_values.revert = m_cbRevert->currentIndex();
    m_values.priorityChannel = m_editChannel->text().toStdString();
    bool ok = true;
    auto fail = [&](QLineEdit* edit, const QString& message, const QString& previous) {
        dialogs::showMessage(this, message);
        edit->setText(previous);
        edit->setFocus();
        edit->selectAll();
        ok = false;
    };
    auto readSeconds = [&](QLineEdit* edit, double& member) {
        if (!ok)
            return;
        if (const auto v = parseSeconds(edit->text().toStdString()))
            member = *v;
        else
            fail(edit, tr("Please enter a number."), qs(formatSeconds(member)));
    };
    auto readCounter = [&](QLineEdit* edit, int& member) {
        if (!ok)
            return;
        if (const auto v = parseCounter(edit->text().toStdString()))
            member = *v;
        else
            fail(edit, tr("Please enter an integer."), QString::number(member));
    };
    readSeconds(m_editLookBackA, m_values.lookBackA);
    readSeconds(m_editLookBackB, m_values.lookBackB);
    readCounter(m_editDropout, m_values.dropout);
    readCounter(m_editDwell, m_values.dwell);
    m_bReading = false;
    return ok;
}

void CScanInfoDlg::writeControls() {
    // The limit holds for typing only: a stored channel of 100 or more shows
    // in full, so that OK refuses it instead of storing its first two digits.
    const QString channel = qs(m_values.priorityChannel);
    m_editChannel->setMaxLength(std::max(kChannelChars, int(channel.size())));
    m_editChannel->setText(channel);
    m_editLookBackA->setText(qs(formatSeconds(m_values.lookBackA)));
    m_editLookBackB->setText(qs(formatSeconds(m_values.lookBackB)));
    m_editDropout->setText(QString::number(m_values.dropout));
    m_editDwell->setText(QString::number(m_values.dwell));
}

void CScanInfoDlg::OnDeltaPos(int controlId, int delta) {
    if (!readControls())
        return;
    const bool up = delta == 1;
    switch (controlId) {
    case IDC_SPIN_A:
        m_values.lookBackA = up ? lookBackUp(m_values.lookBackA) : lookBackDown(m_values.lookBackA);
        break;
    case IDC_SPIN_B:
        m_values.lookBackB = up ? lookBackUp(m_values.lookBackB) : lookBackDown(m_values.lookBackB);
        break;
    case IDC_SPIN_DROPOUT:
        m_values.dropout = up ? counterUp(m_values.dropout) : counterDown(m_values.dropout);
        break;
    case IDC_SPIN_DWELL:
        m_values.dwell = up ? counterUp(m_values.dwell) : counterDown(m_values.dwell);
        break;
    default:
        return;
    }
    writeControls();
}

bool CScanInfoDlg::OnKillFocus(QLineEdit* edit) {
    if (!readControls())
        return false;
    if (edit == m_editLookBackA)
        m_values.lookBackA = lookBackLeave(m_values.lookBackA);
    else if (edit == m_editLookBackB)
        m_values.lookBackB = lookBackLeave(m_values.lookBackB);
    else if (edit == m_editDropout)
        m_values.dropout = counterLeave(m_values.dropout);
    else if (edit == m_editDwell)
        m_values.dwell = counterLeave(m_values.dwell);
    writeControls();
    return true;
}

bool CScanInfoDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_bReading && isVisible()) {
        // Only a move to another control leaves the edit; a message box or an
        // open list takes the focus for a moment and gives it back.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            OnKillFocus(static_cast<QLineEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

void CScanInfoDlg::OnOK() {
    // Enter presses OK without leaving the edit: the value being typed gets
    // the same limits as when the edit is left, so an out-of-range number
    // never reaches the image.
    for (QLineEdit* e : {m_editLookBackA, m_editLookBackB, m_editDropout, m_editDwell})
        if (e->hasFocus() && !OnKillFocus(e))
            return;
    if (!readControls())
        return;
    if (encode(m_image, m_values) == OkResult::ChannelNotProgrammed) {
        if (m_editChannel->hasSelectedText())
            m_editChannel->del();
        readControls();
        dialogs::showMessage(this, qs(channelMessage(radio::coreTexts(m_language))));
        return;
    }
    accept();
}
