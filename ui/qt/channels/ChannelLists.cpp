#include "ui/qt/channels/ChannelLists.h"

#include "app/AppState.h"
#include "app/ProductInfo.h"
#include "model/Csv.h"
#include "model/DataTexts.h"
#include "model/Diff.h"
#include "model/SafeFile.h"
#include "textfile/ConfigFile.h"
#include "ui/qt/channels/EditHistory.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/CoreTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ChannelLists::ImportOutcome
ChannelLists::importCsv(const QByteArray& csv,
                        const std::function<bool(const ImportOutcome&)>& confirm,
                        const radio::layouts::FileLayout& layout) {
    ImportOutcome out;
    if (!m_view->commitBeforeCommand())
        return out; // nothing applied; the refused value has had its message
    const radio::layouts::Imported in =
        layout.importText(csv.toStdString(), m_view->gridImage(), m_view->bandLow(),
                          m_view->bandHigh(), m_view->coreTexts());
    out.error = qs(in.error);
    if (!out.error.isEmpty())
        return out;
    for (const std::string& r : in.rejected)
        out.rejected.append(qs(r));
    out.refusedRows = in.refusedRows;
    out.accepted = int(std::count(in.accepted.begin(), in.accepted.end(), true));
    if (!out.rejected.isEmpty() && (out.accepted == 0 || !confirm || !confirm(out)))
        return out;
    out.notice = qs(in.notice);
    applyChannels(in.image, in.accepted, ChannelLists::tr("Import"));
    out.applied = true;
    return out;
}

void ChannelLists::applyImport(const radio::interchange::Import& imp, const QString& what) {
    radio::Image img = m_view->gridImage();
    radio::interchange::apply(imp, img);
    applyChannels(img, imp.listed, what);
}

void ChannelLists::applyChannels(const radio::Image& img,
                                 const std::array<bool, radio::kGridRows>& accepted,
                                 const QString& what) {
    const radio::ChannelTable imported = radio::imageToTable(img, m_view->language());
    radio::ChannelTable after = m_view->table();
    for (std::size_t n = 1; n < accepted.size(); ++n)
        if (accepted[n])
            after[n] = imported[n];
    m_view->history()->applyTable(after, what);
}

QByteArray ChannelLists::exportCsv(const radio::layouts::FileLayout& layout,
                                   QString* notice) const {
    m_view->CommitCellEditor();
    std::string said;
    const std::string text = layout.exportText(m_view->gridImage(), m_view->coreTexts(), said);
    if (notice)
        *notice = qs(said);
    return QByteArray::fromStdString(text);
}

bool ChannelLists::readInputFile(const QString& path, quint64 maxBytes, bool exact, QByteArray& out,
                                 QString* error) {
    std::string bytes;
    const radio::files::Result r =
        radio::files::readInput(path.toStdString(), bytes, maxBytes, exact);
    if (r.ok) {
        out = QByteArray::fromStdString(bytes);
        return true;
    }
    if (r.code == EFBIG)
        *error = ChannelLists::tr("\"%1\" is too large: a channel list holds at most %2 KB.")
                     .arg(path)
                     .arg(maxBytes / 1024);
    else if (r.code == 0)
        *error = ChannelLists::tr(
                     "\"%1\" is not a regular file: folders, devices and pipes cannot be read.")
                     .arg(path);
    else
        *error = ChannelLists::tr("Cannot open \"%1\".").arg(path);
    return false;
}

bool ChannelLists::writeOutputFile(const QString& path, const QByteArray& data, QString* error) {
    const radio::files::Result r = radio::files::writeAtomically(
        path.toStdString(), data.constData(), static_cast<std::size_t>(data.size()));
    if (r.ok)
        return true;
    if (r.code == 0)
        *error = ChannelLists::tr(
                     "\"%1\" is not a regular file: folders, devices and pipes cannot be written.")
                     .arg(path);
    else if (r.code == EACCES)
        *error = ChannelLists::tr("\"%1\" is write-protected; it was left unchanged.").arg(path);
    else
        *error = ChannelLists::tr("Cannot write \"%1\".").arg(path) + QLatin1Char('\n') +
                 QString::fromStdString(r.error);
    return false;
}

QString ChannelLists::compareWith(const QString& path, QString* error) const {
    radio::Image other{};
    if (radio::configfile::isText(path.toStdString())) {
        const radio::configfile::Loaded loaded = radio::configfile::load(
            path.toStdString(), radio::checkSettings(m_view->state().settings),
            m_view->coreTexts());
        if (!loaded.ok) {
            *error = qs(radio::configfile::failure(loaded, QFileInfo(path).fileName().toStdString(),
                                                   m_view->coreTexts()));
            return {};
        }
        other = loaded.image;
    } else {
        QByteArray bytes;
        if (!readInputFile(path, radio::kImageSize, true, bytes, error))
            return {};
        if (bytes.size() < int(radio::kImageSize)) {
            *error =
                ChannelLists::tr("\"%1\" is not a configuration: it is shorter than 1024 bytes.")
                    .arg(path);
            return {};
        }
        std::copy(bytes.begin(), bytes.end(), other.begin());
    }
    const radio::Image mine = m_view->gridImage();
    const radio::AppState& st = m_view->state();
    radio::diff::Options o;
    o.language = m_view->language();
    o.translate = m_view->coreTexts();
    o.nameA = m_view->document()->title().toStdString();
    o.nameB = QFileInfo(path).fileName().toStdString();
    if (st.settings) {
        const radio::ProductTexts a = radio::productTexts(*st.settings, mine);
        const radio::ProductTexts b = radio::productTexts(*st.settings, other);
        o.a = {a.model, a.band};
        o.b = {b.model, b.band};
    }
    return qs(radio::diff::formatReport(radio::diff::compare(mine, other, o), m_view->coreTexts()));
}
