// The one instance of the plug-in's state, and the seams through which the
// score tool and the tests reach it. None of this is exported to the host.

#ifndef STATS_PLUGIN_H_
#define STATS_PLUGIN_H_

#include "stats/core/contest_state.h"
#include "stats/station/log_header.h"
#include "stats/stats.h"

namespace stats {

// Created when the library is loaded, destroyed when it is unloaded: first
// the log header, then the contest state.
struct Plugin {
  LogHeader header;
  ContestState state;
  bool clock_overridden = false;
  COleDateTime clock{0.0, COleDateTime::kValid};
};

// Makes the tour rule take the current time from `now` instead of the
// system clock (UTC); nullptr returns to the system clock.
void OverrideClock(const COleDateTime* now);

// Read access to the state behind the exports, valid while the library is
// loaded.
const ContestState& InspectState();
const LogHeader& InspectLogHeader();

}  // namespace stats

#endif  // STATS_PLUGIN_H_
