#pragma once
// The channel window's channel-list files: the channel-list CSV imported and
// exported, and the comparison of the configuration with a .dat file.

#include "model/ChannelTable.h"
#include "model/FileLayouts.h"
#include "model/Image.h"
#include "model/InterchangeCsv.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class CProgramView;

class ChannelLists {
    Q_DECLARE_TR_FUNCTIONS(ChannelLists)

public:
    explicit ChannelLists(CProgramView* view) : m_view(view) {}

    // The channel-list CSV, in either of its two files: every grid column
    // (lossless), or the 21-column interchange layout other tools read.
    // Rejected rows (or cells) are listed with their line or row numbers; a
    // row with any rejected cell is left out whole. With some rejected and
    // some accepted, `confirm` is shown the outcome so far and decides
    // whether the accepted rows go in.
    struct ImportOutcome {
        QString notice; // the settings that got defaults (interchange layout)
        QString error;
        QStringList rejected;
        int refusedRows = 0; // rows left out; a row may have several rejected cells
        int accepted = 0;
        bool applied = false;
    };
    ImportOutcome importCsv(const QByteArray& csv,
                            const std::function<bool(const ImportOutcome&)>& confirm,
                            const radio::layouts::FileLayout& layout);
    // The accepted channels of an interchange import into the grid, as one
    // undoable step named `what`.
    void applyImport(const radio::interchange::Import& imp, const QString& what);
    // The channels marked in `accepted` from `img` into the grid, as one step.
    void applyChannels(const radio::Image& img, const std::array<bool, radio::kGridRows>& accepted,
                       const QString& what);
    // `notice`, when given, receives what the layout cannot carry.
    QByteArray exportCsv(const radio::layouts::FileLayout& layout, QString* notice = nullptr) const;
    // The comparison report of this configuration against a .dat file; empty
    // with `error` set when the file cannot be read.
    QString compareWith(const QString& path, QString* error) const;
    // Reads an input file by the core's rules (a regular file, at most
    // `maxBytes`; with `exact` the first `maxBytes` of a longer one); false
    // with a message for the user in `error` otherwise.
    static bool readInputFile(const QString& path, quint64 maxBytes, bool exact, QByteArray& out,
                              QString* error);
    // Writes a file by the core's rules (atomically; never a device, pipe,
    // folder or write-protected file); false with a message for the user in
    // `error` otherwise.
    static bool writeOutputFile(const QString& path, const QByteArray& data, QString* error);

private:
    CProgramView* m_view;
};
