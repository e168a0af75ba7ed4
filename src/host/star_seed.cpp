// The star seed from the system's file-time count of the clock reading.
#include "star_seed.h"

std::uint32_t StarSeedOf(const SYSTEMTIME& time) {
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  return static_cast<std::uint32_t>(ticks.QuadPart / 10000);
}
