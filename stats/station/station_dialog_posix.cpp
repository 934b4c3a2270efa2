// The dialog on POSIX hands the form to the runner the embedding program
// installed, and keeps the dialog's rules: the category shows as the list
// item it selects, and nothing but OK changes the texts.

#include <utility>

#include "stats/station/station_dialog.h"
#include "stats/station/station_form_runner.h"

namespace stats {
namespace {

StationFormRunner& Runner() {
  static StationFormRunner runner;
  return runner;
}

}  // namespace

void InstallStationFormRunner(StationFormRunner runner) {
  Runner() = std::move(runner);
}

int StationDialog::Run() {
  if (!Runner()) return -1;
  StationTexts form = texts;
  const int category = FindCategory(form.category);
  if (category >= 0) form.category = kCategories[category];
  const int result = Runner()(form);
  if (result == 1) texts = std::move(form);
  return result;
}

}  // namespace stats
