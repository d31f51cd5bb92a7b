// The radio-wide dialogs run by the main frame: Product Information (32786),
// Optional Features (32788), Power Adjust (32783), Param Adjust (32771), and
// the factory-mode entry reached with Ctrl+F11.

#include "ui/shell/MainFrame.h"

#include "app/core/AppState.h"
#include "ui/dialogs/OptionalFeaturesDlg.h"
#include "ui/dialogs/ParamAdjustDlg.h"
#include "ui/dialogs/PasswordDlg.h"
#include "ui/dialogs/PowerAdjustDlg.h"
#include "ui/dialogs/ProductInfoDlg.h"
#include "ui/shell/CommandIds.h"

void CMainFrame::installDialogCommands() {
    // The frame keeps one of each reused dialog for its whole life; each
    // opening reloads it from the active document.
    auto* productInfo = new CProductInfoDlg(this);
    auto* optionalFeatures = new COptionalFeaturesDlg(this);
    auto* powerAdjust = new CPowerAdjustDlg(this);
    addDocumentCommand(ids::ID_EDIT_PRODUCT_INFO, [productInfo] { productInfo->DoModal(); });
    addDocumentCommand(ids::ID_EDIT_OPTIONAL_FEATURES,
                       [optionalFeatures] { optionalFeatures->DoModal(); });
    addDocumentCommand(ids::ID_EDIT_POWER_ADJUST, [powerAdjust] { powerAdjust->DoModal(); });
    addDocumentCommand(ids::ID_EDIT_PARAM_ADJUST, [this] {
        // A fresh dialog for every run.
        CParamAdjustDlg dlg(this, this);
        dlg.DoModal();
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
