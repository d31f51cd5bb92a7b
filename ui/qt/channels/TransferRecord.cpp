#include "ui/qt/channels/TransferRecord.h"

#include "app/Backups.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "link/Fleet.h"
#include "model/DataTexts.h"
#include "ui/qt/channels/AfterTransfer.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Messages.h"

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

} // namespace

QString userDataFolder(const radio::AppState& state) {
    // The backups' own naming (AppName, made safe as a folder name), one level up.
    return QFileInfo(backupsFolder(state)).path();
}

QString backupsFolder(const radio::AppState& state) {
    return QString::fromStdString(radio::backups::backupsFolder(state.settings));
}

QString recordPath(const radio::AppState& state) {
    return QDir(userDataFolder(state)).filePath(QStringLiteral("programming-record.csv"));
}

QString logFolder(const radio::AppState& state) {
    return QDir(userDataFolder(state)).filePath(QStringLiteral("logs"));
}

bool communicationLogOn(const radio::AppState& state) {
    return radio::userSettings(state).get(radio::userkeys::CommunicationLog);
}

void setCommunicationLogOn(const radio::AppState& state, bool on) {
    radio::userSettings(state).set(radio::userkeys::CommunicationLog, on);
}

std::shared_ptr<radio::link::TraceLog> communicationLog(const radio::AppState& state) {
    if (!communicationLogOn(state))
        return nullptr;
    const QString folder = logFolder(state);
    QDir().mkpath(folder);
    const QString name = QStringLiteral("communication-%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return std::make_shared<radio::link::TraceLog>(QDir(folder).filePath(name).toStdString());
}

bool appendRecord(const radio::AppState& state, const radio::link::RecordRow& row, QString* error) {
    QDir().mkpath(userDataFolder(state));
    radio::link::RecordWriter writer(recordPath(state).toStdString());
    const radio::Result<void> appended = writer.append(row);
    if (!appended && error)
        *error = qs(radio::failureText(appended.failure(),
                                       radio::coreTexts(radio::data::languageOf(state.chinese))));
    return appended.ok();
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
    if (const radio::CIniFile* settings = view->state().settings) {
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
        radio::link::writtenChecksum(view->document()->m_image, view->state().factoryMode);
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
    const radio::AppState* state = &view->state();
    const auto append = [guard, state](const radio::link::RecordRow& r) {
        QString error;
        if (!appendRecord(*state, r, &error) && guard)
            messages::show(
                guard,
                TransferRecord::tr("The programming record could not be written: %1").arg(error),
                true);
    };
    if (!verifying) {
        append(row);
        return;
    }
    // The row waits for the read-back, which fills in the verified column.
    AfterTransfer* after = view->afterTransfer();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(after, &AfterTransfer::verifyFinished, after,
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
        messages::show(
            view, TransferRecord::tr("The communication log could not be written: %1").arg(error),
            true);
}

} // namespace fleetui
