#pragma once
// The large buffer of one import (the report's bytes) is asked
// to be backed by large pages where the system offers them: filling them
// then costs a few hundred page faults instead of tens of thousands, with
// the same memory in use.
#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace largebuffer {

// A hint only: nothing changes when the system ignores it.
inline void adviseLargePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::size_t kWorthIt = std::size_t(8) << 20;
  if (!data || bytes < kWorthIt) return;
  const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = (std::uintptr_t(data) + page - 1) & ~(page - 1);
  const std::uintptr_t end = (std::uintptr_t(data) + bytes) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace largebuffer
