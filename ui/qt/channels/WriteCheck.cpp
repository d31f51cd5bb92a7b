#include "ui/qt/channels/WriteCheck.h"

#include "app/AppState.h"
#include "app/ProductInfo.h"
#include "model/ChannelTable.h"
#include "model/DataTexts.h"
#include "model/MemoryMap.h"
#include "ui/qt/common/CoreTexts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace writecheck {

namespace {

// The catalogue context of this file's texts.
struct WriteCheck {
    Q_DECLARE_TR_FUNCTIONS(WriteCheck)
};

const radio::Translate& texts(const radio::AppState& state) {
    return radio::coreTexts(radio::data::languageOf(state.chinese));
}

} // namespace

std::function<bool(QWidget*, const QString&, const QString&)> askWriteAnyway =
    [](QWidget* parent, const QString& text, const QString& list) {
        QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                        QMessageBox::Cancel, parent);
        box.setInformativeText(list);
        QPushButton* anyway =
            box.addButton(WriteCheck::tr("Write Anyway"), QMessageBox::AcceptRole);
        // A slip of Enter must not send the values to a radio.
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == anyway;
    };

std::function<void(QWidget*, const QString&)> showReport = [](QWidget* parent,
                                                              const QString& text) {
    // Not modal: a file opened from the command line or dropped on the
    // window must not wait on a click before the window is usable.
    auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
};

std::vector<radio::check::Problem> problems(const radio::AppState& state,
                                            const radio::Image& image) {
    return radio::check::checkConfiguration(image, radio::checkSettings(state.settings),
                                            texts(state));
}

QString listText(const radio::AppState& state, const std::vector<radio::check::Problem>& found) {
    return QString::fromStdString(radio::check::describeAll(found, texts(state)));
}

bool confirmWrite(QWidget* parent, const radio::AppState& state, const radio::Image& image) {
    const auto found = problems(state, image);
    if (found.empty())
        return true;
    return askWriteAnyway(
        parent,
        WriteCheck::tr("%n value(s) of this configuration would be refused if typed; the "
                       "radio may not work as intended. Write it anyway?",
                       nullptr, int(found.size())),
        listText(state, found));
}

void reportOpened(QWidget* parent, const radio::AppState& state, const radio::Image& image,
                  const QString& fileName) {
    const auto found = problems(state, image);
    if (found.empty())
        return;
    // Older files may rely on such values: the file opens all the same.
    showReport(parent,
               WriteCheck::tr("%1 holds %n value(s) that no editor would accept:", nullptr,
                              int(found.size()))
                       .arg(fileName) +
                   QLatin1Char('\n') +
                   QString::fromStdString(radio::check::describeAll(found, texts(state), 5)));
}

void reportBandChange(QWidget* parent, const radio::AppState& state, const radio::Image& image,
                      const radio::BandLimits& band) {
    if (!state.settings)
        return;
    const std::string text = radio::productTexts(*state.settings, image).band;
    const std::string defect = radio::bandDefect(text, texts(state));
    if (!defect.empty()) {
        showReport(parent, WriteCheck::tr(
                               "The band %1 (key Field%2 in section Setup of Program.ini) cannot "
                               "be used: %3. No frequency can be entered until another band is "
                               "chosen or the settings file is corrected.")
                               .arg(QString::fromStdString(text))
                               .arg(radio::mm::get(image, radio::mm::ModelType) + 1)
                               .arg(QString::fromStdString(defect)));
        return;
    }
    std::vector<radio::check::Problem> outside;
    for (const radio::check::Problem& p : radio::check::checkChannels(image, &band, texts(state)))
        if (p.gridColumn == radio::ColRx || p.gridColumn == radio::ColTx)
            outside.push_back(p);
    if (outside.empty())
        return;
    std::vector<int> channels;
    for (const radio::check::Problem& p : outside)
        if (channels.empty() || channels.back() != p.channel)
            channels.push_back(p.channel);
    QStringList numbers;
    for (int n : channels)
        numbers << QString::number(n);
    showReport(parent,
               WriteCheck::tr("%n channel(s) lie outside the new band: %1. Write will list them "
                              "until they are changed.",
                              nullptr, int(channels.size()))
                       .arg(numbers.join(QStringLiteral(", "))) +
                   QLatin1Char('\n') + listText(state, outside));
}

} // namespace writecheck
