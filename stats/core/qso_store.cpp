// The seven texts that are not interned are packed into one block, each
// followed by a zero byte; host texts are zero-terminated, so none of them
// can hold a zero byte of its own and the packing is unambiguous.

#include "stats/core/qso_store.h"

#include <cstring>
#include <string>

#include "stats/core/print_scan.h"

namespace stats {
namespace {

uint32_t Fnv1a(std::string_view text, uint32_t hash = 2166136261u) {
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 16777619u;
  }
  return hash;
}

uint32_t Mix(uint32_t hash, uint32_t value) {
  hash ^= value + 0x9e3779b9u + (hash << 6) + (hash >> 2);
  return hash;
}

Print MatchPrint(std::string_view call, uint32_t band, uint32_t mode) {
  return ToPrint(Mix(Mix(Fnv1a(call), band), mode));
}

std::string PackTexts(const QsoRecord& r) {
  std::string packed;
  for (const std::string* text :
       {&r.call, &r.block_text10, &r.block_text17, &r.rst_received, &r.rst_sent,
        &r.exchange_received, &r.exchange_sent}) {
    packed.append(*text).push_back('\0');
  }
  return packed;
}

Print RecordPrint(std::string_view packed, int32_t frequency_khz,
                  const COleDateTime& time, uint32_t band, uint32_t mode,
                  uint32_t kda_key) {
  uint32_t hash = Fnv1a(packed);
  hash = Mix(hash, static_cast<uint32_t>(frequency_khz));
  uint64_t bits;
  std::memcpy(&bits, &time.m_dt, sizeof bits);
  hash = Mix(hash, static_cast<uint32_t>(bits));
  hash = Mix(hash, static_cast<uint32_t>(bits >> 32));
  hash = Mix(hash, static_cast<uint32_t>(time.m_status));
  return ToPrint(Mix(Mix(Mix(hash, band), mode), kda_key));
}

// Takes the next zero-terminated text of a packed block.
std::string_view Next(const char** cursor) {
  std::string_view text(*cursor);
  *cursor += text.size() + 1;
  return text;
}

}  // namespace

QsoView QsoStore::View(size_t index) const {
  const Slot& slot = slots_[index];
  const char* cursor = slot.texts.get();
  QsoView view;
  view.call = Next(&cursor);
  view.block_text10 = Next(&cursor);
  view.block_text17 = Next(&cursor);
  view.rst_received = Next(&cursor);
  view.rst_sent = Next(&cursor);
  view.exchange_received = Next(&cursor);
  view.exchange_sent = Next(&cursor);
  view.band = bands_.Text(slot.band);
  view.mode = modes_.Text(slot.mode);
  view.kda_key = keys_.Text(slot.kda_key);
  view.frequency_khz = slot.frequency_khz;
  view.time = slot.time;
  return view;
}

QsoRecord QsoStore::At(size_t index) const {
  const QsoView v = View(index);
  QsoRecord r;
  r.call = v.call;
  r.block_text10 = v.block_text10;
  r.block_text17 = v.block_text17;
  r.band = v.band;
  r.mode = v.mode;
  r.rst_received = v.rst_received;
  r.rst_sent = v.rst_sent;
  r.exchange_received = v.exchange_received;
  r.exchange_sent = v.exchange_sent;
  r.kda_key = v.kda_key;
  r.frequency_khz = v.frequency_khz;
  r.time = v.time;
  return r;
}

size_t QsoStore::FindEqual(const QsoRecord& record) const {
  return FindEqualPacked(record, PackTexts(record));
}

size_t QsoStore::FindEqualPacked(const QsoRecord& record,
                                 const std::string& packed) const {
  const uint32_t band = bands_.Find(record.band);
  const uint32_t mode = modes_.Find(record.mode);
  const uint32_t key = keys_.Find(record.kda_key);
  if (band == StringPool::kNone || mode == StringPool::kNone ||
      key == StringPool::kNone) {
    return npos;
  }
  const Print print =
      RecordPrint(packed, record.frequency_khz, record.time, band, mode, key);
  const Print* prints = record_prints_.data();
  const size_t n = record_prints_.size();
  for (size_t i = FindPrint(prints, 0, n, print); i < n;
       i = FindPrint(prints, i + 1, n, print)) {
    const Slot& s = slots_[i];
    if (s.band == band && s.mode == mode && s.kda_key == key &&
        s.frequency_khz == record.frequency_khz &&
        SameTime(s.time, record.time) && s.texts_size == packed.size() &&
        std::memcmp(s.texts.get(), packed.data(), packed.size()) == 0) {
      return i;
    }
  }
  return npos;
}

size_t QsoStore::FindMatch(std::string_view call, std::string_view band,
                           std::string_view mode, size_t from) const {
  const uint32_t band_id = bands_.Find(band);
  const uint32_t mode_id = modes_.Find(mode);
  if (band_id == StringPool::kNone || mode_id == StringPool::kNone) {
    return npos;
  }
  const Print print = MatchPrint(call, band_id, mode_id);
  const Print* prints = match_prints_.data();
  const size_t n = match_prints_.size();
  for (size_t i = FindPrint(prints, from, n, print); i < n;
       i = FindPrint(prints, i + 1, n, print)) {
    const Slot& s = slots_[i];
    if (s.band == band_id && s.mode == mode_id &&
        std::string_view(s.texts.get()) == call) {
      return i;
    }
  }
  return npos;
}

void QsoStore::Append(const QsoRecord& record) {
  AppendPacked(record, PackTexts(record));
}

bool QsoStore::AppendIfNew(const QsoRecord& record) {
  const std::string packed = PackTexts(record);
  if (FindEqualPacked(record, packed) != npos) return false;
  AppendPacked(record, packed);
  return true;
}

void QsoStore::AppendPacked(const QsoRecord& record,
                            const std::string& packed) {
  Slot slot;
  slot.time = record.time;
  slot.frequency_khz = record.frequency_khz;
  slot.band = bands_.Intern(record.band);
  slot.mode = modes_.Intern(record.mode);
  slot.kda_key = keys_.Intern(record.kda_key);
  slot.texts_size = static_cast<uint32_t>(packed.size());
  slot.texts.reset(new char[packed.size()]);
  std::memcpy(slot.texts.get(), packed.data(), packed.size());
  match_prints_.push_back(MatchPrint(record.call, slot.band, slot.mode));
  record_prints_.push_back(RecordPrint(packed, slot.frequency_khz, slot.time,
                                       slot.band, slot.mode, slot.kda_key));
  tally_.Add(TallyOf(slot));
  slots_.push_back(std::move(slot));
}

void QsoStore::RemoveAt(size_t index) {
  tally_.Remove(TallyOf(slots_[index]));
  slots_.erase(slots_.begin() + static_cast<ptrdiff_t>(index));
  match_prints_.erase(match_prints_.begin() + static_cast<ptrdiff_t>(index));
  record_prints_.erase(record_prints_.begin() + static_cast<ptrdiff_t>(index));
}

void QsoStore::Clear() {
  std::deque<Slot>().swap(slots_);
  std::vector<Print>().swap(match_prints_);
  std::vector<Print>().swap(record_prints_);
  tally_.Clear();
  bands_.Clear();
  modes_.Clear();
  keys_.Clear();
}

TallyEntry QsoStore::TallyOf(const Slot& slot) const {
  const std::string_view key = keys_.Text(slot.kda_key);
  return TallyEntry{slot.band, modes_.Text(slot.mode), slot.texts[0] != '\0',
                    key.empty() ? TallyEntry::kNoKey : slot.kda_key};
}

size_t QsoStore::MemoryBytes() const {
  size_t bytes =
      slots_.size() * sizeof(Slot) +
      (match_prints_.capacity() + record_prints_.capacity()) * sizeof(Print);
  for (const Slot& s : slots_) bytes += s.texts_size;
  return bytes;
}

}  // namespace stats
