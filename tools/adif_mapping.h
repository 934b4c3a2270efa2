// How an ADIF record becomes the QSO a logging host hands the plug-in.

#ifndef TOOLS_ADIF_MAPPING_H_
#define TOOLS_ADIF_MAPPING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "stats/host_calls.h"
#include "tools/adif_reader.h"

namespace zelmar {

// Returns the frequency in Hz of a decimal MHz text ("14.025" -> 14025000),
// computed from the digits, without binary floating point; nothing when the
// text is no number or does not fit 32 bits. Digits below 1 Hz are dropped.
std::optional<uint32_t> MegahertzToHertz(std::string_view text);

// Returns the band as the host names it: the number of metres ("20" for
// "20m", any case), anything else as written.
std::string HostBand(std::string_view adif_band);

// Returns the lower edge in Hz of an ADIF band ("20M"), or 0 when unknown.
uint32_t BandLowerEdge(std::string_view adif_band);

// Returns "CW", "SSB" (also for USB and LSB) or "RTTY"; any other mode as
// written.
std::string HostMode(std::string_view mode, std::string_view submode);

// Returns the OLE date (UTC) of QSO_DATE (YYYYMMDD) and TIME_ON (HHMM or
// HHMMSS); status invalid when they are missing or malformed.
COleDateTime QsoTime(std::string_view date, std::string_view time_on);

// Maps a whole record. `own_call` is the station call sign.
stats::HostQso ToHostQso(const AdifRecord& record, const std::string& own_call);

}  // namespace zelmar

#endif  // TOOLS_ADIF_MAPPING_H_
