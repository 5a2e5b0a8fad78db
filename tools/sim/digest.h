// The digest farhaven-sim prints: a few numbers a person can read and one checksum over every
// table of the game state, so two runs can be compared at a glance.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

// FNV-1a over the saved tables (integers as little-endian bytes, texts as their bytes).
std::uint64_t ChecksumGameState();

// "day ...\ncredits ...\nlevel ...\nowners ...\nchecksum ...\n"
std::string Digest();

}  // namespace sim
