// Fuzz target: a save game built from a sound one with the input patched in, through the reader.
#include "fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_inputs::RunSaveGameInput(data, size);
  return 0;
}
