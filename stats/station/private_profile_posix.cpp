// Our ini layer follows the rules of the platform's private-profile
// functions as the Windows test suite observes them: the file is read into
// sections of "name=value" keys (blank lines dropped, blanks around names and
// values trimmed) and written back whole with CR LF line ends. A write goes
// to a temporary file that is then renamed into place, so a crash or a full
// disk never leaves a half-written settings file behind.

#include <cstdio>
#include <string_view>
#include <vector>

#include "stats/core/os.h"
#include "stats/core/text.h"
#include "stats/core/whole_file.h"
#include "stats/station/private_profile.h"

namespace stats {
namespace {

struct Key {
  std::string name;
  std::string value;
  bool has_value;  // a line without "=" is a key without a value
};

struct Section {
  std::string name;  // empty for the keys before the first section line
  bool named;
  std::vector<Key> keys;
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

// An existing file may be replaced only where it may be written itself.
bool MayWrite(const char* file) {
  std::FILE* f = os::OpenFile(file, "r+b");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

std::vector<Section> Parse(std::string_view text) {
  std::vector<Section> sections(1, Section{std::string(), false, {}});
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = TrimBlanks(line);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      if (close != std::string_view::npos) {
        sections.push_back(
            Section{std::string(line.substr(1, close - 1)), true, {}});
        continue;
      }
    }
    const size_t equals = line.find('=');
    Key key;
    key.has_value = equals != std::string_view::npos;
    key.name = std::string(TrimBlanks(line.substr(0, equals)));
    if (key.has_value)
      key.value = std::string(TrimBlanks(line.substr(equals + 1)));
    sections.back().keys.push_back(std::move(key));
  }
  return sections;
}

std::string Render(const std::vector<Section>& sections) {
  std::string text;
  for (const Section& section : sections) {
    if (section.named) text.append("[").append(section.name).append("]\r\n");
    for (const Key& key : section.keys) {
      text.append(key.name);
      if (key.has_value) text.append("=").append(key.value);
      text.append("\r\n");
    }
  }
  return text;
}

Section* FindSection(std::vector<Section>& sections, std::string_view name) {
  for (Section& s : sections) {
    if (s.named && SameName(s.name, name)) return &s;
  }
  return nullptr;
}

Key* FindKey(Section& section, std::string_view name) {
  for (Key& k : section.keys) {
    if (SameName(k.name, name)) return &k;
  }
  return nullptr;
}

// A value enclosed whole in a pair of equal quotation marks loses them.
std::string Unquote(const std::string& value, size_t room) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
      value.back() == value[0]) {
    const std::string inner = value.substr(1, value.size() - 2);
    if (value.size() - 1 <= room) return inner;
    return value.substr(1, room);  // cut short, the closing mark is lost too
  }
  return value.substr(0, room);
}

}  // namespace

std::string ReadIniValue(const char* section, const char* key,
                         const char* fallback, const char* file) {
  const size_t room = kProfileBufferSize - 1;
  std::string text;
  if (ReadWholeFile(file, &text)) {
    std::vector<Section> sections = Parse(text);
    if (Section* s = FindSection(sections, section)) {
      if (Key* k = FindKey(*s, key)) return Unquote(k->value, room);
    }
  }
  std::string_view value(fallback == nullptr ? "" : fallback);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return std::string(value.substr(0, room));
}

bool WriteIniValue(const char* section, const char* key, const char* value,
                   const char* file) {
  std::string text;
  if (ReadWholeFile(file, &text) && !MayWrite(file)) return false;

  std::string_view new_value(value);
  while (!new_value.empty() && IsBlank(new_value.front())) {
    new_value.remove_prefix(1);
  }
  std::vector<Section> sections = Parse(text);
  Section* s = FindSection(sections, section);
  if (s == nullptr) {
    sections.push_back(Section{section, true, {}});
    s = &sections.back();
  }
  if (Key* k = FindKey(*s, key)) {
    if (k->has_value && k->value == new_value) return true;
    k->value = std::string(new_value);
    k->has_value = true;
  } else {
    s->keys.push_back(Key{key, std::string(new_value), true});
  }

  const std::string rendered = Render(sections);
  return ReplaceWholeFile(file, {rendered});
}

}  // namespace stats
