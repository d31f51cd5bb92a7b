#include "ui/qt/channels/ChannelSetCommands.h"

#include "app/AppState.h"
#include "app/ChannelSets.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"
#include "model/SafeFile.h"
#include "ui/qt/channels/ChannelEdits.h"
#include "ui/qt/channels/ChannelLists.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/common/CoreTexts.h"
#include "ui/qt/common/Messages.h"
#include "ui/qt/dialogs/ChannelPickerDlg.h"
#include "ui/qt/dialogs/DialogSupport.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QUrl>

namespace channelsets {

namespace {

// The catalogue context of this file's texts.
struct ChannelSets {
    Q_DECLARE_TR_FUNCTIONS(ChannelSets)
};

using dialogs::qs;

// The chosen rows into the view's channels, with the set's rules when given.
void pickAndImport(CProgramView* view, const radio::interchange::ListFile& list,
                   const QString& heading, const QString& details, const radio::sets::Rules* rules,
                   const QString& what) {
    QWidget* frame = view->window();
    CChannelPickerDlg dlg(frame);
    dlg.load(list, heading, details);
    if (!askPick(&dlg))
        return;
    radio::interchange::Import imp = radio::interchange::place(
        list, dlg.chosen(), dlg.firstChannel(),
        radio::imageToTable(view->gridImage(), radio::Language::English), view->coreTexts());
    if (!imp.error.empty()) {
        messages::show(frame, qs(imp.error), true);
        return;
    }
    if (!imp.ok) {
        QStringList lines;
        for (const auto& r : imp.rejected)
            lines << qs(radio::interchange::describe(r));
        messages::show(frame,
                       ChannelSets::tr("Nothing was imported:") + QLatin1Char('\n') +
                           lines.join(QLatin1Char('\n')),
                       true);
        return;
    }
    if (rules)
        radio::sets::applyRules(*rules, imp);
    view->channelLists()->applyImport(imp, what);
    if (!imp.notice.empty())
        messages::show(frame, qs(imp.notice), false);
}

std::vector<radio::sets::ChannelSet> allSets(const radio::AppState& state) {
    return radio::sets::listSets(builtInFolder(state).toStdString(),
                                 userFolder(state).toStdString());
}

} // namespace

std::function<bool(CChannelPickerDlg*)> askPick = [](CChannelPickerDlg* dlg) {
    return dlg->exec() == QDialog::Accepted;
};

std::function<int(QWidget*, const QStringList&)> askSet = [](QWidget* parent,
                                                             const QStringList& items) {
    bool ok = false;
    const QString item =
        QInputDialog::getItem(parent, ChannelSets::tr("Insert Channel Set"),
                              ChannelSets::tr("Channel set:"), items, 0, false, &ok);
    return ok ? int(items.indexOf(item)) : -1;
};

std::function<QString(QWidget*, const QString&)> askName = [](QWidget* parent,
                                                              const QString& suggestion) {
    return QInputDialog::getText(parent, ChannelSets::tr("Save as Channel Set"),
                                 ChannelSets::tr("Name of the set:"), QLineEdit::Normal,
                                 suggestion);
};

bool needsPicker(const radio::interchange::ListFile& list) {
    return !radio::interchange::fitsByLocation(list);
}

QString userFolder(const radio::AppState& state) {
    return qs(radio::sets::userFolder(state.settings));
}

QString builtInFolder(const radio::AppState& state) {
    return qs(radio::sets::builtInFolder(state.programDir));
}

void importWithPicker(CProgramView* view, const radio::interchange::ListFile& list,
                      const QString& fileName) {
    pickAndImport(view, list,
                  ChannelSets::tr("%1 holds %n row(s); the radio has %2 channels.", nullptr,
                                  int(list.rows.size()))
                      .arg(fileName)
                      .arg(radio::mm::kChannelCount),
                  QString(), nullptr, ChannelSets::tr("Import"));
}

void insertChannelSet(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    const auto sets = allSets(view->state());
    std::vector<const radio::sets::ChannelSet*> fitting;
    QStringList items;
    for (const auto& set : sets) {
        if (!radio::sets::fits(set, view->bandLow(), view->bandHigh()))
            continue;
        fitting.push_back(&set);
        items << ChannelSets::tr("%1: %2, %n channel(s), %3", nullptr, set.channels)
                     .arg(qs(set.name), qs(radio::sets::titleOf(set, view->language())),
                          qs(radio::sets::bandText(set)));
    }
    if (fitting.empty()) {
        messages::show(frame, ChannelSets::tr("No channel set fits the band of this radio."), true);
        return;
    }
    const int pick = askSet(frame, items);
    if (pick < 0 || pick >= int(fitting.size()))
        return;
    const radio::sets::ChannelSet& set = *fitting[std::size_t(pick)];
    std::string csv;
    const radio::files::Result read =
        radio::files::readInput(set.path, csv, radio::files::kMaxTextInput);
    if (!read.ok) {
        messages::show(frame, qs(read.error), true);
        return;
    }
    const radio::interchange::ListFile list =
        radio::interchange::readList(csv, view->bandLow(), view->bandHigh(), view->coreTexts());
    QString details = qs(radio::sets::descriptionOf(set, view->language()));
    const QString rules = qs(radio::sets::rulesText(set, view->coreTexts()));
    if (!rules.isEmpty())
        details += (details.isEmpty() ? QString() : QStringLiteral("\n")) + rules;
    pickAndImport(view, list, qs(radio::sets::titleOf(set, view->language())), details, &set.rules,
                  ChannelSets::tr("Insert Channel Set"));
}

void saveAsChannelSet(CProgramView* view) {
    if (!view->commitBeforeCommand())
        return;
    QWidget* frame = view->window();
    const radio::ChannelTable table = view->table();
    std::vector<int> rows;
    for (int r : view->edits()->selectedRows())
        if (r >= 1 && r < radio::kGridRows && !table[std::size_t(r)][radio::ColRx].empty())
            rows.push_back(r);
    if (rows.empty()) {
        messages::show(frame, ChannelSets::tr("Select the programmed channels to save first."),
                       true);
        return;
    }
    const QString name =
        askName(frame, QFileInfo(view->document()->title()).completeBaseName()).trimmed();
    if (name.isEmpty())
        return;
    const std::string problem =
        radio::sets::checkUserName(name.toStdString(), allSets(view->state()), view->coreTexts());
    if (!problem.empty()) {
        messages::show(frame, qs(problem), true);
        return;
    }
    const QString folder = userFolder(view->state());
    const QString path = qs(radio::sets::userSetPath(folder.toStdString(), name.toStdString()));
    // A set of this name is some customer's plan: never replaced unasked.
    if (QFileInfo::exists(path)) {
        messages::show(
            frame,
            ChannelSets::tr("There is a set named \"%1\" already: choose another name.").arg(name),
            true);
        return;
    }
    QDir().mkpath(folder);
    const radio::files::Result written = radio::files::writeAtomically(
        path.toStdString(), radio::interchange::exportCsv(view->gridImage(), rows, true));
    if (!written.ok) {
        messages::show(frame, qs(written.error), true);
        return;
    }
    messages::show(
        frame,
        ChannelSets::tr("%n channel(s) saved as the set \"%1\" in %2.", nullptr, int(rows.size()))
            .arg(name, folder),
        false);
}

void openFolder(QWidget* parent, const radio::AppState& state) {
    const QString folder = userFolder(state);
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        messages::show(parent, ChannelSets::tr("Your channel sets are in %1").arg(folder), false);
}

} // namespace channelsets
