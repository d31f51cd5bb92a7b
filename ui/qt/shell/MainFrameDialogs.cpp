// The radio-wide dialogs run by the main frame: Product Information (32786),
// Optional Features (32788), Power Adjust (32783), Param Adjust (32771), and
// the factory-mode entry reached with Ctrl+F11.

#include "ui/qt/shell/MainFrame.h"

#include "app/AppState.h"
#include "model/DataTexts.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/WriteCheck.h"
#include "ui/qt/dialogs/OptionalFeaturesDlg.h"
#include "ui/qt/dialogs/ParamAdjustDlg.h"
#include "ui/qt/dialogs/PasswordDlg.h"
#include "ui/qt/dialogs/PowerAdjustDlg.h"
#include "ui/qt/dialogs/ProductInfoDlg.h"

#include <QPointer>

namespace {

// The image a dialog handed back becomes the document's; the document is
// marked changed when its bytes changed.
void takeImage(CProgramDoc* doc, const radio::Image& edited) {
    if (!doc || doc->m_image == edited)
        return;
    doc->m_image = edited;
    doc->SetModifiedFlag();
}

radio::Language language(const CProgramDoc* doc) {
    return radio::data::languageOf(doc->state().chinese);
}

// Builds the frame's dialog on its first opening and keeps it from then on:
// most sessions never open it, and building it costs start-up time. `run`
// loads the dialog from the active document, runs it and takes its result.
template <class Dialog>
std::function<void()> keptDialog(CMainFrame* frame,
                                 std::function<void(CMainFrame*, Dialog*, CProgramDoc*)> run) {
    return [frame, run, dlg = QPointer<Dialog>()]() mutable {
        QPointer<CProgramDoc> doc = frame->activeDocument();
        if (!doc)
            return;
        if (!dlg)
            dlg = new Dialog(frame);
        run(frame, dlg, doc);
    };
}

void runProductInfo(CMainFrame* frame, CProductInfoDlg* dlg, CProgramDoc* doc) {
    QPointer<CProgramDoc> guard(doc);
    const radio::AppState& st = doc->state();
    if (!dlg->load(doc->m_image, st.settings, st.userValues, st.languageName) ||
        dlg->DoModal() != QDialog::Accepted || !guard)
        return;
    takeImage(doc, dlg->image());
    const radio::ProductChoice& choice = dlg->choice();
    frame->setWindowTitle(QString::fromStdString(choice.title));
    // The channel editor checks against the new band from now on.
    if (CProgramView* view = frame->activeView()) {
        const bool changed =
            view->bandLow() != choice.limits.low || view->bandHigh() != choice.limits.high;
        view->setBand(choice.limits.low, choice.limits.high);
        // Channels typed for the old band stay as they are: say which ones no longer fit.
        if (changed)
            writecheck::reportBandChange(frame, view->state(), view->gridImage(), choice.limits);
    }
}

void runOptionalFeatures(CMainFrame*, COptionalFeaturesDlg* dlg, CProgramDoc* doc) {
    QPointer<CProgramDoc> guard(doc);
    dlg->load(doc->m_image, language(doc));
    if (dlg->DoModal() == QDialog::Accepted && guard)
        takeImage(doc, dlg->image());
}

// The adjustment dialogs store whatever way they are closed.
void runPowerAdjust(CMainFrame* frame, CPowerAdjustDlg* dlg, CProgramDoc* doc) {
    CProgramView* view = frame->activeView();
    if (!view)
        return;
    QPointer<CProgramDoc> guard(doc);
    dlg->load(doc->m_image, view->bandLow(), view->bandHigh(), view->language());
    dlg->DoModal();
    if (guard)
        takeImage(doc, dlg->image());
}

} // namespace

void CMainFrame::installDialogCommands() {
    // The frame keeps one of each reused dialog for its whole life; each
    // opening reloads it from the active document.
    addDocumentCommand(ids::ID_EDIT_PRODUCT_INFO,
                       keptDialog<CProductInfoDlg>(this, runProductInfo));
    addDocumentCommand(ids::ID_EDIT_OPTIONAL_FEATURES,
                       keptDialog<COptionalFeaturesDlg>(this, runOptionalFeatures));
    addDocumentCommand(ids::ID_EDIT_POWER_ADJUST,
                       keptDialog<CPowerAdjustDlg>(this, runPowerAdjust));
    addDocumentCommand(ids::ID_EDIT_PARAM_ADJUST, [this] {
        QPointer<CProgramDoc> doc = activeDocument();
        if (!doc)
            return;
        // A fresh dialog for every run.
        CParamAdjustDlg dlg(this);
        dlg.load(doc->m_image, language(doc));
        dlg.DoModal();
        if (doc)
            takeImage(doc, dlg.image());
    });
}
void CMainFrame::OnFactoryModeEntry() {
    // The code is asked every time, also when factory mode is already on.
    CPasswordDlg dlg(this);
    dlg.load(radio::data::languageOf(m_state.chinese));
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_state.factoryMode = true;
    appendFactoryCommands();
}
