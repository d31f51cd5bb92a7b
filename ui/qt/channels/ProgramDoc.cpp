#include "ui/qt/channels/ProgramDoc.h"

#include "app/AppState.h"
#include "app/IniFile.h"
#include "model/qt/Translate.h"

#include <QFileInfo>

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

void CProgramDoc::setTitle(const QString& title) {
    if (m_strTitle == title)
        return;
    m_strTitle = title;
    emit titleChanged(title);
}

void CProgramDoc::setPathName(const QString& path, bool addToTitle) {
    m_strPathName = path;
    if (addToTitle)
        setTitle(QFileInfo(path).fileName());
}

void CProgramDoc::notifyModified(bool before) {
    if (IsModified() != before)
        emit modifiedChanged(IsModified());
}

void CProgramDoc::SetModifiedFlag() {
    const bool before = IsModified();
    m_bChangedBeside = true;
    notifyModified(before);
    emit changed();
}

void CProgramDoc::setHistoryClean(bool clean) {
    const bool before = IsModified();
    m_bHistoryClean = clean;
    notifyModified(before);
}

void CProgramDoc::markSaved() {
    const bool before = IsModified();
    m_bChangedBeside = false;
    // The history takes its present state as the clean one (and reports it).
    emit saved();
    m_bHistoryClean = true;
    notifyModified(before);
}

bool CProgramDoc::OnNewDocument() {
    const radio::AppState& st = radio::appState();
    m_image = radio::newDocumentImage();
    setTitle(st.chinese ? QStringLiteral("信道信息") : QStringLiteral("Channel Information"));
    // Proposed as the file name at the first save.
    const std::string appName = st.settings ? st.settings->GetString("Setup", "AppName") : "";
    setPathName(QString::fromStdString(appName), false);
    radio::appState().freshDocument = true;
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path, QString* error) {
    radio::Image loaded = m_image;
    const radio::Result<void> res = radio::loadDat(path.toStdString(), loaded);
    if (!res) {
        if (error)
            *error =
                QString::fromStdString(radio::failureText(res.failure(), radio::qtTranslate()));
        return false;
    }
    m_image = loaded;
    radio::appState().freshDocument = false;
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path, QString* error) {
    const radio::Result<void> res = radio::saveDat(path.toStdString(), m_image);
    if (!res && error)
        *error = QString::fromStdString(radio::failureText(res.failure(), radio::qtTranslate()));
    return res.ok();
}
