#include "state/savegame.h"

#include <bit>
#include <cstring>
#include <utility>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/mission_types.h"
#include "state/variables.h"

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
  auto row = [&](TDataRow& r) { visit(r.data(), std::size_t{kFieldsStored}); };
  auto systemsAndBodies = [&](Grid<TDataRow, kSystems, kBodies>& grid) {
    for (int s = 0; s < kStoredSystems; ++s)
      for (int b = 0; b < kStoredBodies; ++b) row(grid[s][b]);
  };
  auto systems = [&](Table<TDataRow, kSystems>& table) {
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
  auto row = [&](TTextRow& r) {
    for (int k = 0; k < kStringsStored; ++k) visit(r[k]);
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
static_assert(kStoredSystems * kStoredBodies * kStringsStored + kStoredSystems * kStringsStored +
                  kStoredGoods + kStoredNews + 1 + kStoredFactions * kStringsStored ==
              kSaveGameTextRecords);

// Id ranges of the catalogue and the world that a loaded game may hold where a field indexes a
// table.
struct Range {
  std::int32_t low;
  std::int32_t high;
};
constexpr Range kAnySystem{0, kLastSystem};
constexpr Range kShipSystem{1, kLastSystem};
constexpr Range kAnyBody{-kLastFindSlot, kLastBody};
constexpr Range kFaction{0, kLastFaction};
constexpr Range kShipClass{-1, 19};
constexpr Range kProfession{1, 6};
constexpr Range kPortrait{0, 2};
constexpr Range kLevel{0, 19};
constexpr Range kRank{0, 8};
constexpr Range kBodyKind{kKindPirateHideout, 6};
constexpr Range kMissionType{1, kLastMissionType};
constexpr Range kMissileLauncher{0, 10};
constexpr Range kGun{0, 8};
constexpr Range kEcm{0, 5};
constexpr Range kTargeting{0, 6};
constexpr Range kEngine{0, 6};
constexpr Range kCargoModule{0, 5};

class SaveChecker {
 public:
  explicit SaveChecker(std::span<const std::uint8_t> ints) : ints_(ints) {}

  // False once a field was out of range; `cause` then says which.
  bool Field(std::size_t rowStart, int field, Range range, std::string_view what) {
    if (!cause_.empty()) return false;
    const std::int32_t value = IntRecordAt(ints_, rowStart + field);
    if (value >= range.low && value <= range.high) return true;
    cause_ = "damaged: " + std::string(what) + " is " + std::to_string(value) + " (record " +
             std::to_string(rowStart + field) + ", expected " + std::to_string(range.low) + ".." +
             std::to_string(range.high) + ")";
    return false;
  }

  std::int32_t Value(std::size_t rowStart, int field) const {
    return IntRecordAt(ints_, rowStart + field);
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

// Every field of the used rows that a rule takes as a table index or a catalogue id.
std::string CheckSaveGameInts(std::span<const std::uint8_t> ints) {
  SaveChecker check(ints);
  const std::size_t ship = kPlayerShipStart;
  check.Field(ship, ship::kClass, kShipClass, "the ship's class");
  check.Field(ship, ship::kFaction, kFaction, "the ship's faction");
  check.Field(ship, ship::kBody, kAnyBody, "the ship's body");
  check.Field(ship, ship::kSystem, kShipSystem, "the ship's star system");
  check.Field(ship, ship::kMissileLauncher, kMissileLauncher, "the missile launcher");
  check.Field(ship, ship::kGun, kGun, "the gun");
  check.Field(ship, ship::kEcm, kEcm, "the ECM");
  check.Field(ship, ship::kTargeting, kTargeting, "the targeting computer");
  check.Field(ship, ship::kEngine, kEngine, "the engine");
  check.Field(ship, ship::kCargoModule, kCargoModule, "the cargo-bay module");

  const std::size_t player = kPlayerDataStart;
  check.Field(player, player::kProfession, kProfession, "the profession");
  check.Field(player, player::kFaction, kFaction, "the player's faction");
  check.Field(player, player::kPortrait, kPortrait, "the portrait");
  check.Field(player, player::kLevel, kLevel, "the level");
  check.Field(player, player::kRank, kRank, "the military rank");

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

FileCheck ApplySaveGameBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts) {
  if (ints.size() < kSaveGameIntBytes) return {false, false, "Read beyond end of file"};
  if (texts.size() < kSaveGameTextBytes) return {false, true, "Read beyond end of file"};
  std::string cause = CheckSaveGameInts(ints);
  if (!cause.empty()) return {false, false, std::move(cause)};

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
  SaveSlotNames[slot] = std::string(name);
  const IoStatus general = WriteGeneralDataFiles(folder, fs, failed);
  if (!general.ok) {
    return {false, "Game saved!",
            "The game has been saved, but the list of savegames could not be updated. " +
                failed.filename().string() + ": " + general.cause +
                ". It will be written again when you leave the game."};
  }
  return {true, "Game saved!", "The game has been successfully saved."};
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
