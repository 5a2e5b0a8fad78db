// Fuzz target: a save game built from a sound one with the input's edits made, through the reader.
// The whole game is saved back only in the replay of the fixtures: here each input costs one read.
#include "fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_inputs::RunSaveGameInput(data, size);
  return 0;
}
