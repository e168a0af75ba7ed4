// libFuzzer entry for the birth text reader (built by tools/fuzz-birth-text.sh).
#include <cstddef>
#include <cstdint>

#include "birth_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!CheckBirthTextInput(data, size)) __builtin_trap();
  return 0;
}
