// POSIX only: the station dialog has no window of its own here. The program
// that embeds the plug-in (the score tool, a test) installs a form runner
// that fills in the form; without one, the dialog cannot be shown.

#ifndef STATS_STATION_STATION_FORM_RUNNER_H_
#define STATS_STATION_STATION_FORM_RUNNER_H_

#include <functional>

#include "stats/station/station_dialog.h"

namespace stats {

// Edits the texts as the operator would and returns 1 for OK or 2 for
// CANCEL. The texts it gets have the category already replaced by the list
// item it selects; after anything but 1 its edits are dropped.
using StationFormRunner = std::function<int(StationTexts&)>;

// Installs `runner` for every later StationDialog::Run; an empty function
// removes it.
void InstallStationFormRunner(StationFormRunner runner);

}  // namespace stats

#endif  // STATS_STATION_STATION_FORM_RUNNER_H_
