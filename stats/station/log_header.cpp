// The address and the soap box travel in three forms: lines joined by
// "\r\n" in the dialog, by "<CR><LF>" markers in the settings file, and by
// "\r\nADDRESS: " (or "\r\nSOAPBOX: ") ready to be written as Cabrillo tag
// lines. ReplaceAll turns one form into the next.

#include "stats/station/log_header.h"

#include "stats/core/text.h"
#include "stats/station/private_profile.h"
#include "stats/station/station_dialog.h"

namespace stats {
namespace {

std::string Read(const char* key, const char* fallback = "") {
  return ReadIniValue(kSettingsSection, key, fallback, kSettingsFile);
}

void Write(const char* key, const std::string& value) {
  WriteIniValue(kSettingsSection, key, value.c_str(), kSettingsFile);
}

std::string FromFileForm(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

std::string ToFileForm(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string ToCabrilloForm(const std::string& file_form, const char* tag) {
  return ReplaceAll(ReplaceAll(file_form, "<CR>", std::string("\r\n") + tag),
                    "<LF>", "");
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  if (pattern == replacement || pattern.empty()) return std::string(text);
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, from)) {
    result.append(text, from, at - from).append(replacement);
    from = at + pattern.size();
  }
  result.append(text, from, std::string_view::npos);
  return result;
}

std::string FileStemOf(std::string_view call_sign) {
  const std::string replaced =
      ReplaceAll(ReplaceAll(call_sign, "/", "_"), "\\", "_");
  const std::string_view stem = TrimBlanks(replaced);
  return stem.empty() ? "LUMKA" : std::string(stem);
}

int SetupStation(LogHeader& header, std::string_view call_sign) {
  header.call_sign = std::string(call_sign);
  header.file_stem = FileStemOf(call_sign);
  header.operators = Read("Operators", header.call_sign.c_str());
  header.name = Read("Name");
  header.address = FromFileForm(Read("Address"));
  header.claimed = Read("Claimed");
  header.contest = "ZELMAR TEST";
  header.category = "SOSB MIX-LP";
  header.email = Read("Email");
  header.club = Read("Club");
  header.soap_box = FromFileForm(Read("SoapBox"));

  StationDialog dialog;
  StationTexts& t = dialog.texts;
  t.call_sign = header.call_sign;
  t.operators = header.operators;
  t.category = header.category;
  t.name = header.name;
  t.address = header.address;
  t.claimed = header.claimed;
  t.contest = header.contest;
  t.email = header.email;
  t.club = header.club;
  t.soap_box = header.soap_box;
  if (dialog.Run() != 1) return 0;

  header.call_sign = t.call_sign;
  header.operators = t.operators;
  header.category = t.category;
  header.name = t.name;
  header.address = ToFileForm(t.address);
  header.contest = t.contest;
  header.email = t.email;
  header.club = t.club;
  header.soap_box = ToFileForm(t.soap_box);

  Write("Operators", header.operators);
  Write("Name", header.name);
  Write("Address", header.address);
  Write("Category", header.category);
  Write("Contest", header.contest);
  Write("Email", header.email);
  Write("Club", header.club);
  Write("SoapBox", header.soap_box);

  header.soap_box = ToCabrilloForm(header.soap_box, "SOAPBOX: ");
  header.address = ToCabrilloForm(header.address, "ADDRESS: ");
  header.qso_lines.Clear();
  return 1;
}

}  // namespace stats
