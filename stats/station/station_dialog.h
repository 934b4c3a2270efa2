// The station details dialog: a form of ten texts, one of them a drop-down
// box of categories, with OK and CANCEL. On Windows it is the modal dialog of
// resource 101; on POSIX the embedding program supplies the form (see
// station_form_runner.h).

#ifndef STATS_STATION_STATION_DIALOG_H_
#define STATS_STATION_STATION_DIALOG_H_

#include <string>

namespace stats {

struct StationTexts {
  std::string call_sign;
  std::string claimed;
  std::string club;
  std::string category;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soap_box;  // lines separated by "\r\n"
  std::string address;   // lines separated by "\r\n"
};

// The category list of the drop-down box, in its order.
constexpr const char* kCategories[] = {
    "SOSB MIX-LP", "SOSB-CW-LP", "SOSB-SSB-LP", "SOSB-RTTY-LP", "MOST-MIX-LP"};
constexpr int kCategoryCount = 5;

// Returns the index of the first category that begins with `text`, compared
// without regard to case, or -1 when none does or `text` is empty.
int FindCategory(const std::string& text);

class StationDialog {
 public:
  StationTexts texts;

  // Shows the dialog modally with `texts`. Returns 1 after OK, with every
  // text read back from the form; 2 after CANCEL, Esc or the close box, and
  // -1 when the dialog cannot be shown, with the texts unchanged.
  int Run();
};

}  // namespace stats

#endif  // STATS_STATION_STATION_DIALOG_H_
