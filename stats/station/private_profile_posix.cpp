// Our ini layer follows the rules of the platform's private-profile
// functions as the Windows test suite observes them: the file is read into
// sections of "name=value" keys (blank lines dropped, blanks around names and
// values trimmed) and written back whole with CR LF line ends. A write goes
// to a temporary file that is then renamed into place, so a crash or a full
// disk never leaves a half-written settings file behind.

#include <unistd.h>

#include <cstdio>
#include <string_view>
#include <vector>

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

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string NativePath(const char* file) {
  std::string path(file);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool ReadWhole(const std::string& path, std::string* text) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
    text->append(chunk, n);
  std::fclose(f);
  return true;
}

std::vector<Section> Parse(std::string_view text) {
  std::vector<Section> sections(1, Section{std::string(), false, {}});
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = Trim(line);
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
    key.name = std::string(Trim(line.substr(0, equals)));
    if (key.has_value) key.value = std::string(Trim(line.substr(equals + 1)));
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
  if (ReadWhole(NativePath(file), &text)) {
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
  const std::string path = NativePath(file);
  std::string text;
  const bool exists = ReadWhole(path, &text);
  if (exists && access(path.c_str(), W_OK) != 0) return false;

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
  const std::string temporary = path + ".tmp";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written =
      std::fwrite(rendered.data(), 1, rendered.size(), f) == rendered.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed ||
      std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace stats
