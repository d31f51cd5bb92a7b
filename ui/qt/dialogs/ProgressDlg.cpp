#include "ui/qt/dialogs/ProgressDlg.h"

#include "ui/qt/dialogs/DialogSupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Template 131 in dialog units, converted with the template font's metrics.
struct DluScale {
    explicit DluScale(const QFont& font) {
        const QFontMetrics fm(font);
        x = fm.averageCharWidth();
        y = fm.height();
    }
    QRect rect(int l, int t, int w, int h) const {
        return {l * x / 4, t * y / 8, w * x / 4, h * y / 8};
    }
    int x, y;
};

} // namespace

CProgressDlg::CProgressDlg(CProgramView* view, QWidget* owner)
    : QDialog(owner), m_pView(view), m_progress(new QProgressBar(this)),
      m_counter(new QLabel(QStringLiteral("0"), this)), m_btnOk(new QPushButton(tr("OK"), this)),
      m_btnCancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("progressDlg"));
    setWindowTitle(tr("Process"));
    setModal(false);
    setFont(dialogs::templateFont());
    const DluScale dlu(font());
    setFixedSize(dlu.rect(0, 0, 205, 64).size());
    m_progress->setGeometry(dlu.rect(23, 21, 159, 9));
    m_progress->setTextVisible(false);
    m_progress->setProperty("controlId", IDC_PROGRESS);
    m_btnOk->setGeometry(dlu.rect(23, 40, 42, 14));
    m_btnOk->setDefault(true);
    m_btnOk->setProperty("controlId", 1);
    m_btnCancel->setGeometry(dlu.rect(140, 40, 42, 14));
    m_btnCancel->setProperty("controlId", 2);
    m_counter->setGeometry(dlu.rect(83, 40, 40, 14));
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_counter->setProperty("controlId", IDC_COUNTER);
    m_counter->setObjectName(QStringLiteral("counter"));
    connect(m_btnOk, &QPushButton::clicked, this, &CProgressDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &CProgressDlg::OnCancel);
}

void CProgressDlg::OnInitDialog() {
    m_progress->setRange(0, 64);
    m_progress->setValue(0);
    m_counter->setText(QStringLiteral("0"));
    setWindowTitle(m_strTitle);
    m_bCancel = 0;
    m_btnOk->setEnabled(true);
}

void CProgressDlg::setRange(int maximum) {
    m_progress->setRange(0, maximum);
    m_progress->setValue(0);
}

void CProgressDlg::stepIt() {
    m_progress->setValue(m_progress->value() + 1);
}

int CProgressDlg::position() const {
    return m_progress->value();
}

int CProgressDlg::maximum() const {
    return m_progress->maximum();
}

void CProgressDlg::setCounterText(const QString& text) {
    m_counter->setText(text);
}

bool CProgressDlg::started() const {
    return !m_btnOk->isEnabled();
}

void CProgressDlg::OnOK() {
    // One window starts at most one transfer.
    if (started())
        return;
    m_btnOk->setEnabled(false);
    emit startTransfer();
}

void CProgressDlg::OnCancel() {
    m_bCancel = 1;
    if (!started()) {
        // Nothing runs yet: the window simply goes.
        hide();
        deleteLater();
        return;
    }
    emit cancelRequested();
}

void CProgressDlg::reject() {
    OnCancel();
}
