#pragma once
// Channel lists longer than the radio and channel sets in the window: the
// picker for Import Channel List and Edit > Insert Channel Set..., the
// selected rows saved as a set of the user's own, and the folder of those.

#include "model/InterchangeCsv.h"

#include <QString>
#include <QStringList>

#include <functional>

class CChannelPickerDlg;
class CProgramView;
class QWidget;

namespace radio {
struct AppState;
}

namespace channelsets {

// Tests answer these in place of the user. The picker: true when confirmed.
extern std::function<bool(CChannelPickerDlg* dlg)> askPick;
// Which of `items` (the sets that fit): its index, or -1 for Cancel.
extern std::function<int(QWidget* parent, const QStringList& items)> askSet;
// The name of a new set; empty for Cancel.
extern std::function<QString(QWidget* parent, const QString& suggestion)> askName;

// A list the picker must choose from: more rows than the radio has channels,
// or Locations that are none of its channels.
bool needsPicker(const radio::interchange::ListFile& list);

// Offers the rows of `list` (read from `fileName`) in the picker and imports
// the chosen ones into `view` as one undoable step.
void importWithPicker(CProgramView* view, const radio::interchange::ListFile& list,
                      const QString& fileName);
// Edit > Insert Channel Set...
void insertChannelSet(CProgramView* view);
// Edit > Save as Channel Set...
void saveAsChannelSet(CProgramView* view);
// Setup > Open Channel Sets Folder
void openFolder(QWidget* parent, const radio::AppState& state);

// The user's folder of sets and the folder of the built-in ones.
QString userFolder(const radio::AppState& state);
QString builtInFolder(const radio::AppState& state);

} // namespace channelsets
