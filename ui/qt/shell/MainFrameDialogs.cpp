// The radio-wide dialogs run by the main frame: Product Information (32786),
// Optional Features (32788), Power Adjust (32783), Param Adjust (32771), and
// the factory-mode entry reached with Ctrl+F11.

#include "ui/qt/shell/MainFrame.h"

#include "app/AppState.h"
#include "ui/CommandIds.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/dialogs/OptionalFeaturesDlg.h"
#include "ui/qt/dialogs/ParamAdjustDlg.h"
#include "ui/qt/dialogs/PasswordDlg.h"
#include "ui/qt/dialogs/PowerAdjustDlg.h"
#include "ui/qt/dialogs/ProductInfoDlg.h"

#include <QPointer>

namespace {

// Runs a dialog of the active document and marks the document changed when
// the dialog changed its bytes (an OK, or any close of the adjustment dialogs).
void runMarkingChanges(CMainFrame* frame, const std::function<void()>& run) {
    QPointer<CProgramDoc> doc = frame->activeDocument();
    const radio::Image before = doc ? doc->m_image : radio::Image{};
    run();
    if (doc && doc->m_image != before)
        doc->SetModifiedFlag();
}

// Builds the frame's dialog on its first opening and keeps it from then on:
// most sessions never open it, and building it costs start-up time.
template <class Dialog> std::function<void()> keptDialog(CMainFrame* frame) {
    return [frame, dlg = QPointer<Dialog>()]() mutable {
        if (!dlg)
            dlg = new Dialog(frame);
        runMarkingChanges(frame, [&dlg] { dlg->DoModal(); });
    };
}

} // namespace

void CMainFrame::installDialogCommands() {
    // The frame keeps one of each reused dialog for its whole life; each
    // opening reloads it from the active document.
    addDocumentCommand(ids::ID_EDIT_PRODUCT_INFO, keptDialog<CProductInfoDlg>(this));
    addDocumentCommand(ids::ID_EDIT_OPTIONAL_FEATURES, keptDialog<COptionalFeaturesDlg>(this));
    addDocumentCommand(ids::ID_EDIT_POWER_ADJUST, keptDialog<CPowerAdjustDlg>(this));
    addDocumentCommand(ids::ID_EDIT_PARAM_ADJUST, [this] {
        // A fresh dialog for every run.
        runMarkingChanges(this, [this] {
            CParamAdjustDlg dlg(this, this);
            dlg.DoModal();
        });
    });
}

void CMainFrame::OnFactoryModeEntry() {
    // The code is asked every time, also when factory mode is already on.
    CPasswordDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    radio::appState().factoryMode = true;
    appendFactoryCommands();
}
