// Fuzz target: a save game built from a sound one with the input's edits made, through the reader,
// and when the reader accepts it, played: traded, flown and fought.
#include "fuzz/fuzz_inputs.h"
#include "fuzz/play_loaded_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (fuzz_inputs::RunSaveGameInput(data, size)) {
    std::uint32_t seed = 0;
    for (std::size_t k = 0; k < size; ++k) seed = seed * 31 + data[k];
    fuzz_inputs::PlayLoadedGame(seed);
  }
  return 0;
}
