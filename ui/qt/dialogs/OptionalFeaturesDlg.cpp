#include "ui/qt/dialogs/OptionalFeaturesDlg.h"

#include "app/AppState.h"
#include "model/DataTexts.h"
#include "ui/qt/dialogs/CoreTexts.h"
#include "ui/qt/dialogs/DialogSupport.h"
#include "ui/qt/dialogs/Help.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using dialogs::qs;

namespace {

// The dialog's own wording of a setting's label where it has one, else the
// wording Compare uses: a new setting needs only the one.
QString labelOf(const char* english) {
    const QString own = COptionalFeaturesDlg::tr(english);
    return own != QLatin1String(english) ? own : qs(radio::coreTexts()("Diff", english));
}

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("COptionalFeaturesDlg"));
    setWindowTitle(tr("Optional Features"));
    setFont(dialogs::templateFont());

    using radio::settings::Kind;
    for (const radio::settings::Setting* st :
         radio::settings::ofGroup(radio::settings::Group::OptionalFeatures)) {
        if (st->controlId == 0)
            continue;
        if (st->kind() == Kind::Switch) {
            auto* check = new QCheckBox(labelOf(st->label));
            check->setProperty("controlId", st->controlId);
            m_checks.emplace_back(st, check);
        } else {
            auto* cb = new QComboBox;
            cb->setProperty("controlId", st->controlId);
            cb->setObjectName(QStringLiteral("list%1").arg(st->controlId));
            cb->setMaxVisibleItems(12);
            cb->setMinimumWidth(90);
            m_lists.emplace_back(st, cb);
        }
    }
    // Two columns of lists, as the template places them.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 16);
    const int rows = int(m_lists.size() + 1) / 2;
    for (int i = 0; i < int(m_lists.size()); ++i) {
        const auto& [st, cb] = m_lists[std::size_t(i)];
        const int column = i < rows ? 0 : 3;
        auto* label = new QLabel(labelOf(st->label));
        label->setBuddy(cb);
        grid->addWidget(label, i % rows, column);
        grid->addWidget(cb, i % rows, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    // Plain texts without mnemonics: the keyboard filter lets no letter through.
    m_btnOk = new QPushButton(tr("OK"));
    m_btnOk->setProperty("controlId", 1);
    m_btnCancel = new QPushButton(tr("Cancel"));
    m_btnCancel->setProperty("controlId", 2);
    m_btnOk->setAutoDefault(false);
    m_btnCancel->setAutoDefault(false);
    connect(m_btnOk, &QPushButton::clicked, this, &COptionalFeaturesDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        if (i > 0)
            bottom->addSpacing(16);
        bottom->addWidget(m_checks[i].second);
    }
    bottom->addStretch(1);
    bottom->addWidget(m_btnOk);
    bottom->addWidget(m_btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(bottom);
}

COptionalFeaturesDlg::~COptionalFeaturesDlg() {
    if (m_bFiltering)
        qApp->removeEventFilter(this);
}

int COptionalFeaturesDlg::DoModal() {
    if (!m_bLoaded)
        return QDialog::Rejected;
    return exec();
}

QComboBox* COptionalFeaturesDlg::list(radio::optional::List which) const {
    const radio::settings::Setting* wanted = &radio::optional::setting(which);
    for (const auto& [st, cb] : m_lists)
        if (st == wanted)
            return cb;
    return nullptr;
}

QCheckBox* COptionalFeaturesDlg::check(const char* key) const {
    for (const auto& [st, box] : m_checks)
        if (st == radio::settings::find(key))
            return box;
    return nullptr;
}

void COptionalFeaturesDlg::load(const radio::Image& image) {
    m_image = image;
    m_bLoaded = true;
    const radio::Language zh = radio::data::languageOf(radio::appState().chinese);
    for (const auto& [st, cb] : m_lists) {
        cb->clear();
        for (const std::string& e : st->entries(m_image, zh))
            cb->addItem(qs(e));
        cb->setCurrentIndex(st->index(m_image));
    }
    for (const auto& [st, box] : m_checks)
        box->setChecked(st->index(m_image) == 1);
    if (!m_lists.empty())
        m_lists.front().second->setFocus();
}

void COptionalFeaturesDlg::OnOK() {
    for (const auto& [st, cb] : m_lists)
        st->storeIndex(m_image, cb->currentIndex());
    for (const auto& [st, box] : m_checks)
        st->storeIndex(m_image, box->isChecked() ? 1 : 0);
    accept();
}

bool COptionalFeaturesDlg::keyPasses(int key, Qt::KeyboardModifiers modifiers) {
    const bool editing = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace ||
                         key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right ||
                         key == Qt::Key_Up || key == Qt::Key_Down;
    return editing && !(modifiers & Qt::ShiftModifier);
}

void COptionalFeaturesDlg::showEvent(QShowEvent* e) {
    // Every key the dialog's windows get (the open list's popup included) is
    // screened before the controls see it.
    if (!m_bFiltering) {
        qApp->installEventFilter(this);
        m_bFiltering = true;
    }
    QDialog::showEvent(e);
}

void COptionalFeaturesDlg::hideEvent(QHideEvent* e) {
    if (m_bFiltering) {
        qApp->removeEventFilter(this);
        m_bFiltering = false;
    }
    QDialog::hideEvent(e);
}

bool COptionalFeaturesDlg::isMine(QObject* o) const {
    for (auto* w = qobject_cast<QWidget*>(o); w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

bool COptionalFeaturesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isMine(watched))
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        // Nothing else in the dialog acts on F1; taking it here keeps a key
        // that travels up to the parents from asking twice.
        appHelp(dialogs::focusedControlId(this));
        return true;
    }
    return !keyPasses(key->key(), key->modifiers());
}
