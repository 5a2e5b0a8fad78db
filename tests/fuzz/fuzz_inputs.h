// What the fuzz targets feed the save-game and general-data readers, shared with the normal test
// that replays the fuzz fixtures. Each input runs one read and checks what must hold after it:
// a refused file changes nothing, and an accepted one saves back to the same records. A broken
// rule aborts, so the fuzzer reports it like a crash.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/mission_types.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace fuzz_inputs {

using Bytes = std::vector<std::uint8_t>;

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// A small game that passes every check and reaches each checked kind of row: wormholes, an
// active mission and offer, a news entry and a special ship; and a market on every system's planet
// and goods in the hold, for the target that plays what it loads.
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
  PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileArrowMk2);
  for (int s = 1; s <= kLastSystem; ++s) {
    SystemData[s][star_system::kPresent] = 1;
    SystemData[s][star_system::kOwner] = 1 + s % 4;
    SystemText[s][system_text::kName] = "System " + std::to_string(s);
    BodyData[s][1][body::kVisible] = 1;
    BodyData[s][1][body::kKind] = kKindSun;
    BodyData[s][2][body::kVisible] = 1;
    BodyData[s][2][body::kOwner] = SystemData[s][star_system::kOwner];
    BodyData[s][2][body::kKind] = 1 + s % 6;
    BodyData[s][3][body::kVisible] = 1;
    BodyData[s][3][body::kKind] = kKindWormhole;
    BodyData[s][3][body::kDestination] = 1 + s % kLastSystem;
    BodyText[s][2][body_text::kName] = "Planet " + std::to_string(s);
    for (int g = 1; g <= kLastGood; ++g) {
      MarketPrice[s][2][g] = 40 * g;
      MarketStock[s][2][g] = 300;
    }
  }
  PlayerShip[ship::kCargoSpace] = 120;
  PlayerShip[ship::kCrewmen] = 4;
  PlayerShip[ship::kShields] = 100;
  Cargo[1] = 10;
  Cargo[kLastGood] = 20;
  MissionOffers[9][1][mission::kActive] = 1;
  MissionOffers[9][1][mission::kType] = state::Stored(kMissionTransport);
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
  FactionText[0][faction_text::kLongName] = "Pirates";
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

// Where each record of the two files lands in the tables, found once by giving every element of
// every saved table its own mark and saving: the harness knows the tables, not the file order. The
// records of each table are listed too, so that an edit can pick a table and a record within it.
struct SaveMap {
  struct IntTable {
    std::int32_t* first;
    std::size_t count;
  };
  struct TextTable {
    std::string* first;
    std::size_t count;
  };
  std::vector<IntTable> intTables;
  std::vector<TextTable> textTables;
  std::vector<std::int32_t*> intElement;    // per integer record
  std::vector<std::string*> textElement;    // per text record
  std::vector<std::vector<std::size_t>> intRecords;   // per integer table, in file order
  std::vector<std::vector<std::size_t>> textRecords;  // per text table, in file order
};

template <class T>
std::size_t CountOf(const T& table, std::size_t elementSize) {
  return sizeof(table) / elementSize;
}

inline const SaveMap& TheSaveMap() {
  static const SaveMap map = [] {
    using namespace state;
    SaveMap m;
    auto ints = [&](auto& table) {
      m.intTables.push_back({reinterpret_cast<std::int32_t*>(&table), CountOf(table, 4)});
    };
    ints(BodyData), ints(SystemData), ints(SpaceFinds), ints(MarketStock), ints(MarketPrice);
    ints(MarketPriceTrend), ints(Cargo), ints(SystemPrice), ints(SystemPriceTrend);
    ints(GoodBasePrice), ints(NewsList), ints(SpecialShips), ints(PlayerData), ints(SkillOwned);
    ints(AbilityOwned), ints(PlayerShip), ints(FactionData), ints(MissionOffers);
    ints(ActiveMission), ints(GameDay);
    auto texts = [&](auto& table) {
      m.textTables.push_back(
          {reinterpret_cast<std::string*>(&table), CountOf(table, sizeof(std::string))});
    };
    texts(BodyText), texts(SystemText), texts(GoodName), texts(NewsHeadline), texts(PlayerName);
    texts(FactionText);

    // The mark of an element: its table in the top byte, its place below.
    for (std::size_t t = 0; t < m.intTables.size(); ++t) {
      for (std::size_t k = 0; k < m.intTables[t].count; ++k) {
        m.intTables[t].first[k] = static_cast<std::int32_t>(((t + 1) << 24) | k);
      }
    }
    for (std::size_t t = 0; t < m.textTables.size(); ++t) {
      for (std::size_t k = 0; k < m.textTables[t].count; ++k) {
        m.textTables[t].first[k] = std::to_string(t) + " " + std::to_string(k);
      }
    }
    const Bytes intBytes = SaveGameIntBytes();
    const Bytes textBytes = SaveGameTextBytes();
    m.intRecords.resize(m.intTables.size());
    for (std::size_t r = 0; r < kSaveGameIntRecords; ++r) {
      const std::uint32_t mark = Read32(&intBytes[r * 4]);
      const std::size_t t = (mark >> 24) - 1;
      Require(t < m.intTables.size());
      m.intElement.push_back(m.intTables[t].first + (mark & 0xFFFFFF));
      m.intRecords[t].push_back(r);
    }
    m.textRecords.resize(m.textTables.size());
    for (std::size_t r = 0; r < kSaveGameTextRecords; ++r) {
      const std::string mark = TextRecordAt(textBytes, r);
      const std::size_t space = mark.find(' ');
      const std::size_t t = std::stoul(mark.substr(0, space));
      Require(t < m.textTables.size());
      m.textElement.push_back(m.textTables[t].first + std::stoul(mark.substr(space + 1)));
      m.textRecords[t].push_back(r);
    }
    return m;
  }();
  return map;
}

// One edit of the input: 8 bytes.
//   byte 0      what: bits 0..5 pick an integer table, a text table, or a cut of either file
//               (modulo their count); bit 7 makes the value a small number (-128..127), the kind
//               that meets a range check's edge
//   bytes 1..3  which record of the table (modulo its records), or where the cut falls
//   bytes 4..7  the value: an integer record, or a text record's length byte and first three
//               characters
inline constexpr std::size_t kEditSize = 8;

// Input: a sequence of edits to the small game's save, which is then read. Each input is checked
// for what must hold: a refused save changes no table and has a cause; a save cut short of its
// layout is refused; an accepted one puts every edited record into its element and overwrites
// every element. `thorough` also saves the whole game back and compares both files. True when the
// save was accepted: the tables then hold it.
inline bool RunSaveGameInput(const std::uint8_t* data, std::size_t size, bool thorough = false) {
  const SaveMap& map = TheSaveMap();
  static SaveImage image = SmallGameSave();
  const std::size_t intTables = map.intTables.size();
  const std::size_t textTables = map.textTables.size();

  struct Undo {
    Bytes* file;
    std::size_t at;
    std::array<std::uint8_t, 4> bytes;
  };
  std::vector<Undo> undo;
  std::vector<std::size_t> intEdits;
  std::vector<std::size_t> textEdits;
  std::size_t intLength = image.ints.size();
  std::size_t textLength = image.texts.size();
  for (std::size_t at = 0; at + kEditSize <= size; at += kEditSize) {
    const std::uint8_t* edit = data + at;
    const std::size_t what = (edit[0] & 0x3F) % (intTables + textTables + 2);
    const std::size_t which = edit[1] | (edit[2] << 8) | (edit[3] << 16);
    std::uint32_t value = Read32(edit + 4);
    if (edit[0] & 0x80) {
      value = static_cast<std::uint32_t>(std::int32_t{static_cast<std::int8_t>(edit[4])});
    }
    Bytes* file = nullptr;
    std::size_t offset = 0;
    if (what < intTables) {
      const std::vector<std::size_t>& records = map.intRecords[what];
      const std::size_t record = records[which % records.size()];
      file = &image.ints;
      offset = record * 4;
      intEdits.push_back(record);
    } else if (what < intTables + textTables) {
      const std::vector<std::size_t>& records = map.textRecords[what - intTables];
      const std::size_t record = records[which % records.size()];
      file = &image.texts;
      offset = record * 256;
      textEdits.push_back(record);
    } else if (what == intTables + textTables) {
      intLength = std::min(intLength, which % (image.ints.size() + 1));
      continue;
    } else {
      textLength = std::min(textLength, which % (image.texts.size() + 1));
      continue;
    }
    Undo saved{file, offset, {}};
    std::memcpy(saved.bytes.data(), file->data() + offset, 4);
    undo.push_back(saved);
    for (int k = 0; k < 4; ++k) (*file)[offset + k] = static_cast<std::uint8_t>(value >> (8 * k));
  }
  // The sound save comes back after the run, edit by edit in reverse: no two-megabyte copy.
  struct Mend {
    std::vector<Undo>& undo;
    ~Mend() {
      for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
        std::memcpy(it->file->data() + it->at, it->bytes.data(), 4);
      }
    }
  } mend{undo};
  const std::span<const std::uint8_t> ints(image.ints.data(), intLength);
  const std::span<const std::uint8_t> texts(image.texts.data(), textLength);

  // Marks in elements that any accepted save overwrites (its first, a middle and its last
  // record of each file): a text mark is longer than any record can hold.
  const std::size_t markedInts[] = {0, state::kSaveGameIntRecords / 2, state::kSaveGameIntRecords - 1};
  const std::size_t markedTexts[] = {0, state::kSaveGameTextRecords / 2, state::kSaveGameTextRecords - 1};
  auto intMark = [&](std::size_t r) { return ~static_cast<std::int32_t>(Read32(&image.ints[r * 4])); };
  for (std::size_t r : markedInts) *map.intElement[r] = intMark(r);
  const std::string textMark(300, 'M');
  for (std::size_t r : markedTexts) *map.textElement[r] = textMark;
  std::vector<std::int32_t> intsBefore;
  for (std::size_t r : intEdits) intsBefore.push_back(*map.intElement[r]);
  std::vector<std::string> textsBefore;
  for (std::size_t r : textEdits) textsBefore.push_back(*map.textElement[r]);

  const state::FileCheck check = state::ApplySaveGameBytes(ints, texts);
  const bool cut = intLength < state::kSaveGameIntBytes || textLength < state::kSaveGameTextBytes;
  if (!check.ok) {
    Require(!check.cause.empty());
    for (std::size_t r : markedInts) Require(*map.intElement[r] == intMark(r));
    for (std::size_t r : markedTexts) Require(*map.textElement[r] == textMark);
    for (std::size_t k = 0; k < intEdits.size(); ++k) {
      Require(*map.intElement[intEdits[k]] == intsBefore[k]);
    }
    for (std::size_t k = 0; k < textEdits.size(); ++k) {
      Require(*map.textElement[textEdits[k]] == textsBefore[k]);
    }
    return false;
  }
  Require(!cut);
  auto intLands = [&](std::size_t r) {
    Require(*map.intElement[r] == static_cast<std::int32_t>(Read32(&image.ints[r * 4])));
  };
  auto textLands = [&](std::size_t r) {
    // Saved back, the element gives the record's length and characters again.
    Bytes again;
    state::AppendTextRecord(again, *map.textElement[r]);
    const std::uint8_t* in = &image.texts[r * 256];
    Require(std::memcmp(in, again.data(), 1u + in[0]) == 0);
  };
  for (std::size_t r : markedInts) intLands(r);
  for (std::size_t r : intEdits) intLands(r);
  for (std::size_t r : markedTexts) textLands(r);
  for (std::size_t r : textEdits) textLands(r);
  if (!thorough) return true;
  Require(state::SaveGameIntBytes() == image.ints);
  const Bytes textsAfter = state::SaveGameTextBytes();
  for (std::size_t r = 0; r < state::kSaveGameTextRecords; ++r) {
    const std::uint8_t* in = &image.texts[r * 256];
    Require(std::memcmp(in, &textsAfter[r * 256], 1u + in[0]) == 0);
  }
  return true;
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
