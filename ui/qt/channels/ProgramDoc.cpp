#include "ui/qt/channels/ProgramDoc.h"

#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "model/DataTexts.h"
#include "textfile/ConfigFile.h"
#include "ui/qt/common/CoreTexts.h"

#include <QFileInfo>

CProgramDoc::CProgramDoc(radio::AppState& state, QObject* parent)
    : QObject(parent), m_state(state) {}

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
    const radio::AppState& st = m_state;
    m_image = radio::newDocumentImage();
    setTitle(st.chinese ? QStringLiteral("信道信息") : QStringLiteral("Channel Information"));
    // Proposed as the file name at the first save.
    const std::string appName = st.settings ? st.settings->GetString("Setup", "AppName") : "";
    setPathName(QString::fromStdString(appName), false);
    m_state.freshDocument = true;
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path, QString* error) {
    // A configuration text is checked against the models and bands of the
    // settings file, as the window checks what is typed.
    const radio::configfile::Loaded loaded =
        radio::configfile::load(path.toStdString(), radio::checkSettings(m_state.settings),
                                radio::coreTexts(radio::data::languageOf(m_state.chinese)));
    if (!loaded.ok) {
        if (error)
            *error = QString::fromStdString(radio::configfile::failure(
                loaded, QFileInfo(path).fileName().toStdString(),
                radio::coreTexts(radio::data::languageOf(m_state.chinese))));
        return false;
    }
    m_image = loaded.image;
    m_state.freshDocument = false;
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path, QString* error) {
    const radio::Result<void> res = radio::configfile::save(path.toStdString(), m_image,
                                                            radio::checkSettings(m_state.settings));
    if (!res && error)
        *error = QString::fromStdString(radio::failureText(
            res.failure(), radio::coreTexts(radio::data::languageOf(m_state.chinese))));
    return res.ok();
}
