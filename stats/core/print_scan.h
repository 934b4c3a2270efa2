// The linear scan under every store search: the first position at or after
// `from` whose 16-bit fingerprint equals `print`. Thirty-two fingerprints are
// compared at a time (SSE2 where the compiler targets it), then the block
// that holds a hit is read one by one, so the first match in store order
// still wins. Sixteen bits keep the arrays small enough to stream through
// the cache quickly; the rare false hit is settled by the full comparison.

#ifndef STATS_CORE_PRINT_SCAN_H_
#define STATS_CORE_PRINT_SCAN_H_

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace stats {

using Print = uint16_t;

// Folds a 32-bit hash into a fingerprint.
inline Print ToPrint(uint32_t hash) {
  return static_cast<Print>(hash ^ (hash >> 16));
}

// Returns the first i in [from, size) with prints[i] == print, or `size`.
inline size_t FindPrint(const Print* prints, size_t from, size_t size,
                        Print print) {
  constexpr size_t kBlock = 32;
  size_t i = from;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(print));
  for (; i + kBlock <= size; i += kBlock) {
    const __m128i* block = reinterpret_cast<const __m128i*>(prints + i);
    const __m128i hits = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi16(_mm_loadu_si128(block), wanted),
                     _mm_cmpeq_epi16(_mm_loadu_si128(block + 1), wanted)),
        _mm_or_si128(_mm_cmpeq_epi16(_mm_loadu_si128(block + 2), wanted),
                     _mm_cmpeq_epi16(_mm_loadu_si128(block + 3), wanted)));
    if (_mm_movemask_epi8(hits) != 0) break;
  }
#else
  for (; i + kBlock <= size; i += kBlock) {
    unsigned hit = 0;
    for (size_t k = 0; k < kBlock; ++k) hit |= prints[i + k] == print;
    if (hit != 0) break;
  }
#endif
  for (; i < size; ++i) {
    if (prints[i] == print) return i;
  }
  return size;
}

}  // namespace stats

#endif  // STATS_CORE_PRINT_SCAN_H_
