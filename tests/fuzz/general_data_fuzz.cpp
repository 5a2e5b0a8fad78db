// Fuzz target: the general-data pair from raw input, through the reader.
#include "fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_inputs::RunGeneralDataInput(data, size);
  return 0;
}
