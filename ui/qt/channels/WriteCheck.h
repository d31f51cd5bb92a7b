#pragma once
// The window's side of the configuration check: before every write to a
// radio the whole configuration is checked with the rules typing meets, and
// a file that opens with values no editor would accept says so once.

#include "model/ConfigCheck.h"
#include "model/Image.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace radio {
struct AppState;
}

namespace writecheck {

// Each check reads the settings file and the language of `state`.

// The problems of `image` against the settings file, in the user's language.
std::vector<radio::check::Problem> problems(const radio::AppState& state,
                                            const radio::Image& image);
// One line per problem: the first twenty, then how many more.
QString listText(const radio::AppState& state, const std::vector<radio::check::Problem>& problems);

// Before a write: true when `image` passes, or when the user chose "Write
// Anyway" over the listed problems (Cancel is the default).
bool confirmWrite(QWidget* parent, const radio::AppState& state, const radio::Image& image);
// The question; tests answer it in place of the user.
extern std::function<bool(QWidget* parent, const QString& text, const QString& list)>
    askWriteAnyway;

// After a file opened: says once, with the count and the first problems,
// that it holds values no editor would accept. Nothing when it passes.
void reportOpened(QWidget* parent, const radio::AppState& state, const radio::Image& image,
                  const QString& fileName);
// After Product Information changed the band: names the channels whose
// frequencies fall outside `band`, or why the band itself cannot be used.
void reportBandChange(QWidget* parent, const radio::AppState& state, const radio::Image& image,
                      const radio::BandLimits& band);

// Shows these reports without waiting for them to be closed; tests read them.
extern std::function<void(QWidget* parent, const QString& text)> showReport;

} // namespace writecheck
