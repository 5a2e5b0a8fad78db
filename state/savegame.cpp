#include "state/savegame.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "state/equipment.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/general_data.h"
#include "state/mission_types.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "state/win1252.h"

namespace state {
namespace {

// Elements of each dimension that a save game holds: index 0 up to the last used one.
constexpr int kStoredSystems = kSystems - 1;
constexpr int kStoredBodies = kBodies - 1;
constexpr int kStoredFindSlots = kFindSlots - 1;
constexpr int kStoredNews = kNewsRows - 1;
constexpr int kStoredSpecialShips = kSpecialShips - 1;
constexpr int kStoredFactions = kFactions - 1;
constexpr int kStoredOfferSlots = kOfferSlots - 1;
constexpr int kStoredGoods = kFieldsStored;  // per-good rows hold goods 0..100

// Every saved integer in file order, each dimension's last index running fastest, as runs of
// neighbouring elements: `visit(first, count)`, a row's stored fields at a time.
template <class F>
void ForEachSavedInt(F&& visit) {
  auto row = [&](auto& r) { visit(Positions(r).data(), std::size_t{kFieldsStored}); };
  auto systemsAndBodies = [&](auto& grid) {
    for (int s = 0; s < kStoredSystems; ++s)
      for (int b = 0; b < kStoredBodies; ++b) row(grid[s][b]);
  };
  auto systems = [&](auto& table) {
    for (int s = 0; s < kStoredSystems; ++s) row(table[s]);
  };
  systemsAndBodies(BodyData);
  systems(SystemData);
  for (int s = 0; s < kStoredSystems; ++s)
    for (int k = 0; k < kStoredFindSlots; ++k) row(SpaceFinds[s][k]);
  systemsAndBodies(MarketStock);
  systemsAndBodies(MarketPrice);
  systemsAndBodies(MarketPriceTrend);
  row(Cargo);
  systems(SystemPrice);
  systems(SystemPriceTrend);
  row(GoodBasePrice);
  for (int n = 0; n < kStoredNews; ++n) row(NewsList[n]);
  for (int k = 0; k < kStoredSpecialShips; ++k) row(SpecialShips[k]);
  row(PlayerData);
  row(SkillOwned);
  row(AbilityOwned);
  row(PlayerShip);
  for (int f = 0; f < kStoredFactions; ++f) row(FactionData[f]);
  for (int s = 0; s < kStoredSystems; ++s)
    for (int k = 0; k < kStoredOfferSlots; ++k) row(MissionOffers[s][k]);
  row(ActiveMission);
  visit(&GameDay, std::size_t{1});
}

// Every saved text in file order.
template <class F>
void ForEachSavedText(F&& visit) {
  auto row = [&](auto& r) {
    for (int k = 0; k < kStringsStored; ++k) visit(Positions(r)[k]);
  };
  for (int s = 0; s < kStoredSystems; ++s)
    for (int b = 0; b < kStoredBodies; ++b) row(BodyText[s][b]);
  for (int s = 0; s < kStoredSystems; ++s) row(SystemText[s]);
  for (int g = 0; g < kStoredGoods; ++g) visit(GoodName[g]);
  for (int n = 0; n < kStoredNews; ++n) visit(NewsHeadline[n]);
  visit(PlayerName);
  for (int f = 0; f < kStoredFactions; ++f) row(FactionText[f]);
}

// First record of the integer blocks the check reads.
constexpr std::size_t kRow = kFieldsStored;
constexpr std::size_t kBodyDataStart = 0;
constexpr std::size_t kSystemDataStart = kBodyDataStart + kStoredSystems * kStoredBodies * kRow;
constexpr std::size_t kSpaceFindsStart = kSystemDataStart + kStoredSystems * kRow;
constexpr std::size_t kMarketStockStart = kSpaceFindsStart + kStoredSystems * kStoredFindSlots * kRow;
constexpr std::size_t kCargoStart = kMarketStockStart + 3 * kStoredSystems * kStoredBodies * kRow;
constexpr std::size_t kSystemPriceStart = kCargoStart + kRow;
constexpr std::size_t kGoodBasePriceStart = kSystemPriceStart + 2 * kStoredSystems * kRow;
constexpr std::size_t kNewsListStart = kGoodBasePriceStart + kRow;
constexpr std::size_t kSpecialShipsStart = kNewsListStart + kStoredNews * kRow;
constexpr std::size_t kPlayerDataStart = kSpecialShipsStart + kStoredSpecialShips * kRow;
constexpr std::size_t kPlayerShipStart = kPlayerDataStart + 3 * kRow;
constexpr std::size_t kFactionDataStart = kPlayerShipStart + kRow;
constexpr std::size_t kMissionOffersStart = kFactionDataStart + kStoredFactions * kRow;
constexpr std::size_t kActiveMissionStart =
    kMissionOffersStart + kStoredSystems * kStoredOfferSlots * kRow;
constexpr std::size_t kGameDayRecord = kActiveMissionStart + kRow;

static_assert(kSystemDataStart == 40400 && kSpaceFindsStart == 42925 && kMarketStockStart == 55550);
static_assert(kCargoStart == 176750 && kSystemPriceStart == 176851 && kGoodBasePriceStart == 181901);
static_assert(kNewsListStart == 182002 && kSpecialShipsStart == 184123);
static_assert(kPlayerDataStart == 185234 && kPlayerShipStart == 185537);
static_assert(kFactionDataStart == 185638 && kMissionOffersStart == 186143);
static_assert(kActiveMissionStart == 203818 && kGameDayRecord == 203919);
static_assert(kGameDayRecord + 1 == kSaveGameIntRecords);
// The pilot's name among the text records: after the bodies', the systems', the goods' and the
// news' texts.
constexpr std::size_t kPlayerNameRecord = kStoredSystems * kStoredBodies * kStringsStored +
                                          kStoredSystems * kStringsStored + kStoredGoods + kStoredNews;
static_assert(kPlayerNameRecord + 1 + kStoredFactions * kStringsStored == kSaveGameTextRecords);

// Id ranges of the catalogue and the world that a loaded game may hold where a field indexes a
// table.
constexpr SavedRange kAnySystem{0, kLastSystem};
constexpr SavedRange kShipSystem{1, kLastSystem};
constexpr SavedRange kAnyBody{-kLastFindSlot, kLastBody};
constexpr SavedRange kFaction{0, kLastFaction};
constexpr SavedRange kShipClass{-1, 19};
constexpr SavedRange kBodyKind{kKindPirateHideout, 6};
constexpr SavedRange kMissionType{Stored(kMissionSearchAndDestroy), Stored(kLastMissionType)};

class SaveChecker {
 public:
  explicit SaveChecker(std::span<const std::uint8_t> ints) : ints_(ints) {}

  // False once a field was out of range; `cause` then says which.
  template <class Kind>
  bool Field(std::size_t rowStart, state::Field<Kind> field, SavedRange range,
             std::string_view what) {
    return Record(rowStart + field.position, range, what);
  }

  bool Record(std::size_t record, SavedRange range, std::string_view what) {
    if (!cause_.empty()) return false;
    return Within(IntRecordAt(ints_, record), record, range, what);
  }

  // `value` stands for `record` (a sum of several, for one).
  bool Within(std::int64_t value, std::size_t record, SavedRange range, std::string_view what) {
    if (!cause_.empty()) return false;
    if (value >= range.low && value <= range.high) return true;
    cause_ = "damaged: " + std::string(what) + " is " + std::to_string(value) + " (record " +
             std::to_string(record) + ", expected " + std::to_string(range.low) + ".." +
             std::to_string(range.high) + ")";
    return false;
  }

  template <class Kind>
  std::int32_t Value(std::size_t rowStart, state::Field<Kind> field) const {
    return IntRecordAt(ints_, rowStart + field.position);
  }

  const std::string& cause() const { return cause_; }

 private:
  std::span<const std::uint8_t> ints_;
  std::string cause_;
};

void CheckMission(SaveChecker& check, std::size_t row) {
  if (check.Value(row, mission::kActive) == 0) return;
  check.Field(row, mission::kType, kMissionType, "a mission's type");
  check.Field(row, mission::kTargetBody, kAnyBody, "a mission's target body");
  check.Field(row, mission::kTargetSystem, kAnySystem, "a mission's target system");
  check.Field(row, mission::kCampaignSystem, kAnySystem, "a mission's campaign system");
}

// Whether `record` holds a field with a range of its own, which may reach beyond kSavedValue.
bool HasOwnRange(std::size_t record) {
  const auto in = [&](std::size_t rowStart, auto fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [&](const auto& f) { return record == rowStart + f.field.position; });
  };
  if (record == kGameDayRecord) return true;
  if (record >= kPlayerDataStart && record < kPlayerDataStart + kRow)
    return in(kPlayerDataStart, SavedPlayerFields());
  if (record >= kPlayerShipStart && record < kPlayerShipStart + kRow)
    return in(kPlayerShipStart, SavedShipFields());
  // The offers' rows and the active mission's after them: the rewards.
  if (record >= kMissionOffersStart && record < kActiveMissionStart + kRow)
    return (record - kMissionOffersStart) % kRow == mission::kReward.position;
  return false;
}

// Every field of the used rows that a rule takes as a table index or a catalogue id.
std::string CheckSaveGameInts(std::span<const std::uint8_t> ints) {
  SaveChecker check(ints);
  // Every record first: none holds more than a game can reach, so a rule's sum or product of a
  // few of them stays within 32 bits. The fields that may grow to the saturation limit are
  // exempt here and checked by their own range below.
  for (std::size_t r = 0; r < kSaveGameIntRecords; ++r) {
    const std::int32_t value = IntRecordAt(ints, r);
    if ((value < kSavedValue.low || value > kSavedValue.high) && !HasOwnRange(r)) {
      check.Record(r, kSavedValue, "a saved number");
      return check.cause();
    }
  }

  for (const auto& f : SavedPlayerFields())
    check.Field(kPlayerDataStart, f.field, f.range, f.what);
  for (const auto& f : SavedShipFields())
    check.Field(kPlayerShipStart, f.field, f.range, f.what);
  check.Record(kGameDayRecord, kSavedDays, "the game day");
  check.Record(kActiveMissionStart + mission::kReward.position, kSavedAmount,
               "the mission's reward");
  for (int s = 0; s < kStoredSystems; ++s)
    for (int k = 0; k < kStoredOfferSlots; ++k)
      check.Field(kMissionOffersStart + (s * kStoredOfferSlots + k) * kRow, mission::kReward,
                  kSavedAmount, "a mission offer's reward");

  // The hold: no good, and not all of them together, beyond what the largest hold can carry.
  const SavedRange hold{0, LargestCargoHold()};
  std::int64_t carried = 0;
  for (int g = 1; g <= kLastStoredField; ++g) {
    check.Record(kCargoStart + g, hold, "the cargo of a good");
    carried += IntRecordAt(ints, kCargoStart + g);
  }
  check.Within(carried, kCargoStart + 1, hold, "the cargo in the hold");

  for (int s = 1; s <= kLastSystem; ++s) {
    const std::size_t system = kSystemDataStart + s * kRow;
    check.Field(system, star_system::kOwner, kFaction, "a star system's owner");
    check.Field(system, star_system::kAttacker, kFaction, "a campaign's attacker");
    for (int b = 1; b <= kLastBody; ++b) {
      const std::size_t body = kBodyDataStart + (s * kStoredBodies + b) * kRow;
      check.Field(body, body::kOwner, kFaction, "a body's owner");
      check.Field(body, body::kKind, kBodyKind, "a body's kind");
      if (check.Value(body, body::kKind) == kKindWormhole) {
        check.Field(body, body::kDestination, kShipSystem, "a wormhole's destination");
      }
    }
    for (int k = 1; k <= kLastOfferSlot; ++k) {
      CheckMission(check, kMissionOffersStart + (s * kStoredOfferSlots + k) * kRow);
    }
  }
  CheckMission(check, kActiveMissionStart);

  for (int n = 1; n <= kLastNews; ++n) {
    const std::size_t news = kNewsListStart + n * kRow;
    if (check.Value(news, news::kValid) != 0)
      check.Field(news, news::kSystem, kAnySystem, "a news entry's system");
  }
  for (int k = 1; k <= kLastSpecialShip; ++k) {
    const std::size_t special = kSpecialShipsStart + k * kRow;
    if (check.Value(special, special_ship::kActive) == 0) continue;
    check.Field(special, special_ship::kClass, kShipClass, "a special ship's class");
    check.Field(special, special_ship::kFaction, kFaction, "a special ship's faction");
  }
  return check.cause();
}

bool ValidSlot(int slot) { return slot >= kFirstSaveSlot && slot <= kLastSaveSlot; }

FileResult NoSuchSlot(std::string_view topic, int slot) {
  return {false, std::string(topic),
          "There is no savegame slot " + std::to_string(slot) + ". Choose one of the slots 1 to 4."};
}

constexpr std::string_view kLoadFailedTopic = "Load failed!";
constexpr std::string_view kSaveFailedTopic = "Save failed!";

FileResult LoadFailed(const std::string& file, const std::string& cause) {
  return {false, std::string(kLoadFailedTopic),
          "The game could not be loaded. " + file + ": " + cause + ". Nothing has been changed."};
}

}  // namespace

std::int32_t LargestCargoHold() {
  // The plain bay of the roomiest class, half as large again by a module or the compact engine,
  // and half as large again by the advanced cargo skill.
  std::int32_t most = 0;
  for (const ShipClassId c : kEveryShipClass)
    most = std::max(most, GetShipClassStat(c, kAttrCargoSpace));
  const std::int32_t fitted = most + most / 2;
  return fitted + fitted / 2;
}

std::span<const SavedField<PlayerFields>> SavedPlayerFields() {
  static const SavedField<PlayerFields> fields[] = {
      {player::kCredits, kSavedAmount, "the credits"},
      {player::kProfession, {1, 6}, "the profession"},
      {player::kFaction, kFaction, "the player's faction"},
      {player::kPortrait, {0, 2}, "the portrait"},
      {player::kLevel, {0, 19}, "the level"},
      {player::kExperience, kSavedAmount, "the experience"},
      {player::kPilotWings, {0, 3}, "the pilot wings"},
      {player::kCampaignRibbons, kSavedCount, "the campaign ribbons"},
      {player::kSilverStar, {0, 1}, "the silver star"},
      {player::kGoldStar, {0, 1}, "the gold star"},
      {player::kMedalOfHonor, {0, 1}, "the medal of honor"},
      {player::kRank, {0, 8}, "the military rank"},
      {player::kLoan, kSavedAmount, "the loan"},
      {player::kLoanDaysLeft, kSavedDaysLeft, "the loan's days left"},
      {player::kEarlyPaybackDays, kSavedDaysLeft, "the early payback days"},
      {player::kWarBonds, kSavedAmount, "the war bonds"},
      {player::kWarBondLevel, {-1, 4}, "the war bonds' level"},
      {player::kWarBondLockDays, kSavedDaysLeft, "the war bonds' locked days"},
      {player::kCriminalDays, kSavedDaysLeft, "the criminal days"},
      {player::kFlightEncounters, kSavedCount, "the flight's encounters"},
      {player::kLifePoints, kSavedValue, "the lives"},
      {player::kBarBribes, kSavedValue, "the bar's bribes"},
      {player::kMissionsCompleted, kSavedCount, "the missions completed"},
      {player::kFightersDestroyed, kSavedCount, "the fighters destroyed"},
      {player::kCorvettesDestroyed, kSavedCount, "the corvettes destroyed"},
      {player::kDestroyersDestroyed, kSavedCount, "the destroyers destroyed"},
      {player::kCruisersDestroyed, kSavedCount, "the cruisers destroyed"},
      {player::kBattleshipsDestroyed, kSavedCount, "the battleships destroyed"},
      {player::kCiviliansDestroyed, kSavedCount, "the civilian ships destroyed"},
      {player::kGoodsSold, kSavedCount, "the goods sold"},
      {player::kAttacksWon, kSavedCount, "the attacks won"},
      {player::kDefencesWon, kSavedCount, "the defences won"},
  };
  return fields;
}

std::span<const SavedField<ShipFields>> SavedShipFields() {
  static const SavedField<ShipFields> fields[] = {
      {ship::kClass, kShipClass, "the ship's class"},
      {ship::kFaction, kFaction, "the ship's faction"},
      {ship::kBody, kAnyBody, "the ship's body"},
      {ship::kSystem, kShipSystem, "the ship's star system"},
      {ship::kCargoSpace, {0, LargestCargoHold()}, "the ship's cargo space"},
      {ship::kCrewmen, kSavedCount, "the crewmen"},
      {ship::kOfficers, kSavedCount, "the officers"},
      {ship::kMarines, kSavedCount, "the marines"},
      {ship::kPirates, kSavedCount, "the pirates"},
      {ship::kDroids, kSavedCount, "the droids"},
      {ship::kMissileLauncher, {Stored(kMissileArrowMk1), Stored(kLastMissile)}, "the missile launcher"},
      {ship::kGun, {Stored(kGunLaser), Stored(kLastGun)}, "the gun"},
      {ship::kEcm, {Stored(kEcmDefenderMk1), Stored(kLastEcm)}, "the ECM"},
      {ship::kTargeting, {Stored(kComputerQuicklockMk1), Stored(kLastComputer)}, "the targeting computer"},
      {ship::kEngine, {Stored(kEngineTravellerMk1), Stored(kLastEngine)}, "the engine"},
      {ship::kCargoModule, {Stored(kModuleCargoBay), Stored(kLastCargoModule)}, "the cargo-bay module"},
  };
  return fields;
}

std::string SaveGameIntName(int slot) { return "Savegame" + std::to_string(slot) + ".int"; }
std::string SaveGameTextName(int slot) { return "Savegame" + std::to_string(slot) + ".str"; }

std::vector<std::uint8_t> SaveGameIntBytes() {
  std::vector<std::uint8_t> out(kSaveGameIntBytes);
  std::uint8_t* p = out.data();
  ForEachSavedInt([&](const std::int32_t* first, std::size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(p, first, count * kIntRecordSize);  // the records' own byte order
    } else {
      for (std::size_t k = 0; k < count; ++k) StoreIntRecord(p + k * kIntRecordSize, first[k]);
    }
    p += count * kIntRecordSize;
  });
  return out;
}

std::vector<std::uint8_t> SaveGameTextBytes() {
  std::vector<std::uint8_t> out;
  out.reserve(kSaveGameTextBytes);
  ForEachSavedText([&](std::string& s) { AppendTextRecord(out, s); });
  return out;
}

FileCheck CheckSaveGameBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts) {
  if (ints.size() < kSaveGameIntBytes) return {false, false, "Read beyond end of file"};
  if (texts.size() < kSaveGameTextBytes) return {false, true, "Read beyond end of file"};
  std::string cause = CheckSaveGameInts(ints);
  if (!cause.empty()) return {false, false, std::move(cause)};
  return {};
}

FileCheck ApplySaveGameBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts) {
  if (FileCheck check = CheckSaveGameBytes(ints, texts); !check.ok) return check;

  // Everything is sound, and any bytes decode as text: fill the tables.
  std::size_t record = 0;
  ForEachSavedInt([&](std::int32_t* first, std::size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(first, ints.data() + record * kIntRecordSize, count * kIntRecordSize);
    } else {
      for (std::size_t k = 0; k < count; ++k) first[k] = IntRecordAt(ints, record + k);
    }
    record += count;
  });
  std::size_t next = 0;
  ForEachSavedText([&](std::string& s) { s = TextRecordAt(texts, next++); });
  return {};
}

std::string AutomaticSlotName(std::string_view pilot, std::int32_t gameDay) {
  const std::string date = " - Star date " + DateOf(gameDay, kFirstStarDateYear);
  // Counted as the file counts it, one byte a character.
  std::string name = Utf8ToWin1252(pilot);
  if (name.size() + date.size() > kMaxFileTextLength) {
    name.resize(kMaxFileTextLength > date.size() ? kMaxFileTextLength - date.size() : 0);
    // A name cut after a word does not run into the date with two spaces.
    name.erase(name.find_last_not_of(' ') + 1);
  }
  return Win1252ToUtf8(name) + date;
}

std::string SaveSlotName(std::string_view name) {
  if (name.find_first_not_of(" \t") != std::string_view::npos) return std::string(name);
  return AutomaticSlotName(PlayerName, GameDay);
}

FileResult SaveGame(int slot, std::string_view name, const std::filesystem::path& folder,
                    FileSystem& fs) {
  if (!ValidSlot(slot)) return NoSuchSlot(kSaveFailedTopic, slot);
  const std::vector<std::uint8_t> ints = SaveGameIntBytes();
  // A save that could not be loaded again is not written: the slot keeps what it has.
  if (std::string cause = CheckSaveGameInts(ints); !cause.empty()) {
    return {false, std::string(kSaveFailedTopic),
            "The game could not be saved: it is " + cause +
                ". The savegame that was in this slot before has been kept."};
  }
  const std::vector<std::uint8_t> texts = SaveGameTextBytes();
  std::filesystem::path failed;
  const IoStatus status = WriteFilePair(fs, {folder / SaveGameIntName(slot), ints},
                                        {folder / SaveGameTextName(slot), texts}, failed);
  if (!status.ok) {
    return {false, std::string(kSaveFailedTopic),
            "The game could not be saved. " + failed.filename().string() + ": " + status.cause +
                ". The savegame that was in this slot before has been kept."};
  }

  // Both files are in place: only now does the slot count as used.
  SaveSlotUsed[slot] = 1;
  SaveSlotNames[slot] = SaveSlotName(name);
  const IoStatus general = WriteGeneralDataFiles(folder, fs, failed);
  if (!general.ok) {
    return {false, "Game saved!",
            "The game has been saved, but the list of savegames could not be updated. " +
                failed.filename().string() + ": " + general.cause +
                ". It will be written again when you leave the game."};
  }
  return {true, "Game saved!", "The game has been successfully saved."};
}

void FindSavedSlots(const std::filesystem::path& folder, FileSystem& fs) {
  for (int slot = kFirstSaveSlot; slot <= kLastSaveSlot; ++slot) {
    if (SaveSlotUsed[slot] != 0) continue;
    const std::filesystem::path intFile = folder / SaveGameIntName(slot);
    const std::filesystem::path textFile = folder / SaveGameTextName(slot);
    std::filesystem::path failed;
    if (!FinishInterruptedPair(fs, intFile, textFile, failed).ok) continue;
    if (!fs.Exists(intFile) || !fs.Exists(textFile)) continue;
    std::vector<std::uint8_t> ints;
    std::vector<std::uint8_t> texts;
    if (!fs.ReadAll(intFile, ints, kSaveGameIntBytes).ok) continue;
    if (!fs.ReadAll(textFile, texts, kSaveGameTextBytes).ok) continue;
    if (!CheckSaveGameBytes(ints, texts).ok) continue;
    SaveSlotUsed[slot] = 1;
    if (SaveSlotNames[slot].find_first_not_of(" \t") == std::string::npos)
      SaveSlotNames[slot] = AutomaticSlotName(TextRecordAt(texts, kPlayerNameRecord),
                                              IntRecordAt(ints, kGameDayRecord));
  }
}

FileResult LoadGame(int slot, const std::filesystem::path& folder, FileSystem& fs) {
  if (!ValidSlot(slot)) return NoSuchSlot(kLoadFailedTopic, slot);
  const std::string intName = SaveGameIntName(slot);
  const std::string textName = SaveGameTextName(slot);
  // A save that was interrupted is finished or undone first, so only a whole pair is read.
  std::filesystem::path failed;
  IoStatus status = FinishInterruptedPair(fs, folder / intName, folder / textName, failed);
  if (!status.ok) return LoadFailed(failed.filename().string(), status.cause);
  std::vector<std::uint8_t> ints;
  std::vector<std::uint8_t> texts;
  status = fs.ReadAll(folder / intName, ints, kSaveGameIntBytes);
  if (!status.ok) return LoadFailed(intName, status.cause);
  status = fs.ReadAll(folder / textName, texts, kSaveGameTextBytes);
  if (!status.ok) return LoadFailed(textName, status.cause);

  const FileCheck check = ApplySaveGameBytes(ints, texts);
  if (!check.ok) return LoadFailed(check.inTextFile ? textName : intName, check.cause);
  return {true, "Game loaded!", "The game has been successfully loaded."};
}

}  // namespace state
