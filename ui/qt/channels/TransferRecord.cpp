#include "ui/qt/channels/TransferRecord.h"

#include "app/AppState.h"
#include "app/Backups.h"
#include "app/ProductInfo.h"
#include "link/Fleet.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/channels/ViewEditing.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace fleetui {

namespace {

// The catalogue context of this file's texts.
struct TransferRecord {
    Q_DECLARE_TR_FUNCTIONS(TransferRecord)
};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const kLogValue = "CommunicationLog";

std::string userKey() {
    const radio::AppState& st = radio::appState();
    return st.settings ? radio::userValuesKey(*st.settings) : std::string();
}

} // namespace

QString userDataFolder() {
    // The backups' own naming (AppName, made safe as a folder name), one level up.
    return QFileInfo(backupsFolder()).path();
}

QString backupsFolder() {
    return QString::fromStdString(radio::backups::backupsFolder(radio::appState().settings));
}

QString recordPath() {
    return QDir(userDataFolder()).filePath(QStringLiteral("programming-record.csv"));
}

QString logFolder() {
    return QDir(userDataFolder()).filePath(QStringLiteral("logs"));
}

bool communicationLogOn() {
    const radio::UserValues* values = radio::appState().userValues;
    return values && values->get(userKey(), kLogValue).value_or(0) == 1;
}

void setCommunicationLogOn(bool on) {
    if (radio::UserValues* values = radio::appState().userValues)
        values->set(userKey(), kLogValue, on ? 1 : 0);
}

std::shared_ptr<radio::link::TraceLog> communicationLog() {
    if (!communicationLogOn())
        return nullptr;
    const QString folder = logFolder();
    QDir().mkpath(folder);
    const QString name = QStringLiteral("communication-%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return std::make_shared<radio::link::TraceLog>(QDir(folder).filePath(name).toStdString());
}

bool appendRecord(const radio::link::RecordRow& row, QString* error) {
    QDir().mkpath(userDataFolder());
    radio::link::RecordWriter writer(recordPath().toStdString());
    std::string why;
    if (writer.append(row, why))
        return true;
    if (error)
        *error = qs(why);
    return false;
}

QString configurationName(const CProgramView* view) {
    const CProgramDoc* doc = view ? view->document() : nullptr;
    if (!doc)
        return {};
    const QString path = doc->pathName();
    return path.isEmpty() ? doc->title() : QFileInfo(path).fileName();
}

QString configurationSummary(const CProgramView* view) {
    const CProgramDoc* doc = view ? view->document() : nullptr;
    if (!doc)
        return {};
    // A new document's path is only the name proposed for its first save.
    const QFileInfo file(doc->pathName());
    QStringList parts{!doc->pathName().isEmpty() && file.isFile()
                          ? file.fileName()
                          : TransferRecord::tr("not saved")};
    if (const radio::CIniFile* settings = radio::appState().settings) {
        const radio::ProductTexts p = radio::productTexts(*settings, doc->m_image);
        if (!p.model.empty())
            parts << qs(p.model);
        if (!p.band.empty())
            parts << TransferRecord::tr("%1 MHz").arg(qs(p.band));
    }
    return TransferRecord::tr("Configuration: %1").arg(parts.join(QStringLiteral(", ")));
}

void recordSingleWrite(CProgramView* view, const radio::link::TransferResult& result,
                       bool verifying) {
    radio::link::RecordRow row;
    row.time = radio::link::localIsoTime();
    row.port = view->m_strPort.toStdString();
    row.identification = result.identification;
    row.configuration = configurationName(view).toStdString();
    row.checksum =
        radio::link::writtenChecksum(view->document()->m_image, radio::appState().factoryMode);
    row.verified = "-";
    switch (result.status) {
    case radio::link::TransferStatus::Success:
        row.result = "programmed";
        break;
    case radio::link::TransferStatus::Cancelled:
        row.result = "failed: cancelled";
        break;
    default:
        row.result = "failed: " + radio::link::shortMessage(result.messageId);
        break;
    }
    QPointer<CProgramView> guard(view);
    const auto append = [guard](const radio::link::RecordRow& r) {
        QString error;
        if (!appendRecord(r, &error) && guard)
            CViewEditing::showMessage(
                guard,
                TransferRecord::tr("The programming record could not be written: %1").arg(error),
                true);
    };
    if (!verifying) {
        append(row);
        return;
    }
    // The row waits for the read-back, which fills in the verified column.
    CViewEditing* editing = CViewEditing::of(view);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(editing, &CViewEditing::verifyFinished, editing,
                                   [row, append, connection](bool verified) mutable {
                                       QObject::disconnect(*connection);
                                       row.verified = verified ? "yes" : "no";
                                       if (!verified)
                                           row.result = "failed: verify";
                                       append(row);
                                   });
}

void reportTraceError(CProgramView* view, const QString& error) {
    if (!error.isEmpty())
        CViewEditing::showMessage(
            view, TransferRecord::tr("The communication log could not be written: %1").arg(error),
            true);
}

} // namespace fleetui
