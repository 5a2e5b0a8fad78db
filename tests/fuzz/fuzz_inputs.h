// What the fuzz targets feed the save-game and general-data readers, shared with the normal test
// that replays the fuzz fixtures. Each input runs one read and checks what must hold after it:
// a refused file changes nothing, and an accepted one saves back to the same records. A broken
// rule aborts, so the fuzzer reports it like a crash.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace fuzz_inputs {

using Bytes = std::vector<std::uint8_t>;

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// A small game that passes every check and reaches each checked kind of row: wormholes, an
// active mission and offer, a news entry and a special ship.
inline void SetUpSmallGame() {
  using namespace state;
  ClearGameState();
  PlayerData[player::kCredits] = 10000;
  PlayerData[player::kProfession] = 2;
  PlayerData[player::kFaction] = 3;
  PlayerData[player::kPortrait] = 1;
  PlayerData[player::kLevel] = 1;
  PlayerData[player::kRank] = 1;
  PlayerName = "Kira Vey´s \xe2\x80\x9cLuck\xe2\x80\x9d";
  PlayerShip[ship::kAlive] = 1;
  PlayerShip[ship::kClass] = 4;
  PlayerShip[ship::kFaction] = 3;
  PlayerShip[ship::kBody] = 2;
  PlayerShip[ship::kSystem] = 9;
  PlayerShip[ship::kMissileLauncher] = 4;
  for (int s = 1; s <= kLastSystem; ++s) {
    SystemData[s][star_system::kPresent] = 1;
    SystemData[s][star_system::kOwner] = 1 + s % 4;
    SystemText[s][1] = "System " + std::to_string(s);
    BodyData[s][1][body::kVisible] = 1;
    BodyData[s][1][body::kKind] = kKindSun;
    BodyData[s][2][body::kVisible] = 1;
    BodyData[s][2][body::kOwner] = SystemData[s][star_system::kOwner];
    BodyData[s][2][body::kKind] = 1 + s % 6;
    BodyData[s][3][body::kVisible] = 1;
    BodyData[s][3][body::kKind] = kKindWormhole;
    BodyData[s][3][body::kDestination] = 1 + s % kLastSystem;
    BodyText[s][2][1] = "Planet " + std::to_string(s);
  }
  MissionOffers[9][1][mission::kActive] = 1;
  MissionOffers[9][1][mission::kType] = 3;
  MissionOffers[9][1][mission::kTargetBody] = 2;
  MissionOffers[9][1][mission::kTargetSystem] = 9;
  ActiveMission = MissionOffers[9][1];
  NewsList[1][news::kValid] = 1;
  NewsList[1][news::kSystem] = 9;
  NewsHeadline[1] = "Pirates attack!";
  SpecialShips[1][special_ship::kActive] = 1;
  SpecialShips[1][special_ship::kClass] = 7;
  SpecialShips[1][special_ship::kFaction] = 0;
  GoodName[1] = "Supplies";
  FactionText[0][1] = "Pirates";
  GameDay = 42;
}

struct SaveImage {
  Bytes ints;
  Bytes texts;
};

inline const SaveImage& SmallGameSave() {
  static const SaveImage image = [] {
    SetUpSmallGame();
    return SaveImage{state::SaveGameIntBytes(), state::SaveGameTextBytes()};
  }();
  return image;
}

inline std::uint32_t Read32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

// The records from the news to the day: the part of the integer file where most checks look.
inline constexpr std::size_t kDenseStart = 182002 * 4;

// Input: byte 0 the mode, bytes 1..4 an offset, the rest a patch written at that offset into the
// small game's save. Mode bit 0: patch the text file instead of the integer file; bit 1: cut the
// patched file right after the patch; bit 2: the offset counts from the dense part.
inline void RunSaveGameInput(const std::uint8_t* data, std::size_t size) {
  // The sound save is patched in place and mended after the run: no two-megabyte copy per input.
  static SaveImage image = SmallGameSave();
  std::span<const std::uint8_t> ints = image.ints;
  std::span<const std::uint8_t> texts = image.texts;
  Bytes* patched = nullptr;
  std::size_t offset = 0;
  Bytes original;
  if (size >= 5) {
    const std::uint8_t mode = data[0];
    patched = (mode & 1) ? &image.texts : &image.ints;
    std::size_t base = 0;
    std::size_t span = patched->size();
    if ((mode & 4) && !(mode & 1)) {
      base = kDenseStart;
      span = patched->size() - kDenseStart;
    }
    offset = base + Read32(data + 1) % span;
    const std::size_t length = std::min(size - 5, patched->size() - offset);
    original.assign(patched->begin() + offset, patched->begin() + offset + length);
    std::memcpy(patched->data() + offset, data + 5, length);
    if (mode & 2) {
      ((mode & 1) ? texts : ints) = std::span<const std::uint8_t>(*patched).first(offset + length);
    }
  }
  struct Mend {
    Bytes* patched;
    std::size_t offset;
    const Bytes& original;
    ~Mend() {
      if (patched) std::copy(original.begin(), original.end(), patched->begin() + offset);
    }
  } mend{patched, offset, original};

  // The tables' content before this input: what the last input left, kept from the last run.
  static SaveImage current = {state::SaveGameIntBytes(), state::SaveGameTextBytes()};
  const state::FileCheck check = state::ApplySaveGameBytes(ints, texts);
  Bytes intsAfter = state::SaveGameIntBytes();
  Bytes textsAfter = state::SaveGameTextBytes();
  if (!check.ok) {
    Require(!check.cause.empty());
    Require(intsAfter == current.ints && textsAfter == current.texts);
    return;
  }
  // Accepted: the integers save back exactly, each text record with its length and characters.
  Require(std::equal(intsAfter.begin(), intsAfter.end(), ints.begin()));
  for (std::size_t r = 0; r < state::kSaveGameTextRecords; ++r) {
    const std::uint8_t* in = texts.data() + r * 256;
    const std::uint8_t* out = textsAfter.data() + r * 256;
    Require(std::memcmp(in, out, 1u + in[0]) == 0);
  }
  current = {std::move(intsAfter), std::move(textsAfter)};
}

// The general data as they stand, interval globals included.
inline Bytes GeneralSnapshot() {
  Bytes all = state::GeneralDataIntBytes();
  const Bytes texts = state::GeneralDataTextBytes();
  all.insert(all.end(), texts.begin(), texts.end());
  for (std::int32_t v : {state::TimerPlayerMessageInterval, state::TimerEnemyMessageInterval}) {
    all.push_back(static_cast<std::uint8_t>(v));
    all.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  return all;
}

// Input: bytes 0..1 the length of the integer file, then the integer file, then the text file.
inline void RunGeneralDataInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  const std::size_t intLength = std::min<std::size_t>(size - 2, data[0] | (data[1] << 8));
  const Bytes ints(data + 2, data + 2 + intLength);
  const Bytes texts(data + 2 + intLength, data + size);

  const Bytes before = GeneralSnapshot();
  const state::FileCheck check = state::ApplyGeneralDataBytes(ints, texts);
  if (!check.ok) {
    Require(!check.cause.empty());
    Require(GeneralSnapshot() == before);
    return;
  }
  // Accepted: every record saves back as read, options as 1 or 0 and intervals as one of their
  // timer's two pacings (both copies of the doubled one as the later copy).
  Bytes expected(ints.begin(), ints.begin() + state::kGeneralDataIntBytes);
  auto put = [&](std::size_t record, std::int32_t v) {
    for (int k = 0; k < 4; ++k) expected[record * 4 + k] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  auto get = [&](std::size_t record) { return static_cast<std::int32_t>(Read32(&ints[record * 4])); };
  for (std::size_t r = 505; r <= 509; ++r) put(r, get(r) == 1 ? 1 : 0);
  for (std::size_t r : {510u, 511u}) put(r, get(r) == 2400 ? 2400 : 1200);
  for (std::size_t r : {512u, 513u, 514u, 515u, 516u}) {
    const std::size_t from = r == 512 ? 513 : r;
    put(r, get(from) == 800 ? 800 : 400);
  }
  Require(state::GeneralDataIntBytes() == expected);
  const Bytes textsAfter = state::GeneralDataTextBytes();
  for (std::size_t r = 0; r < state::kGeneralDataTextRecords; ++r) {
    Require(std::memcmp(&texts[r * 256], &textsAfter[r * 256], 1u + texts[r * 256]) == 0);
  }
}

}  // namespace fuzz_inputs
