#include "state/savegame.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <span>

#include "fuzz/fuzz_inputs.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/variables.h"
#include "state/win1252.h"
#include "random_game.h"
#include "save_test_support.h"

using namespace state;
using namespace save_test;

namespace {

// The record of the integer file that holds `element`, found by marking it.
std::size_t RecordOf(std::int32_t& element) {
  const std::int32_t kept = element;
  element = 0x5AFE5AFE;
  const Bytes bytes = SaveGameIntBytes();
  element = kept;
  for (std::size_t r = 0; r < bytes.size() / 4; ++r) {
    if (IntRecordAt(bytes, r) == 0x5AFE5AFE) return r;
  }
  ADD_FAILURE() << "element is not saved";
  return 0;
}

class SaveGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGeneralDataDefaults();
    RandomGame(7);
  }
  ScratchFolder folder;
};

TEST_F(SaveGameTest, FilesHaveTheFixedSizesAndEachTableLandsOnItsRecord) {
  ASSERT_TRUE(SaveGame(2, "Layout", folder.path()).ok);
  EXPECT_EQ(fs::file_size(folder / "Savegame2.int"), 815680u);
  EXPECT_EQ(fs::file_size(folder / "Savegame2.str"), 1242368u);

  struct Case {
    const char* what;
    std::int32_t* element;
    std::size_t record;
  };
  const Case cases[] = {
      {"first body field", &BodyData[0][0].At(state::kUnusedField), 0},
      {"last body field", &BodyData[24][15].At(state::kLastStoredField), 40399},
      {"system data", &SystemData[0].At(state::kUnusedField), 40400},
      {"space finds", &SpaceFinds[24][4].At(state::kLastStoredField), 55549},
      {"market stock", &MarketStock[0][0][0], 55550},
      {"market price", &MarketPrice[0][0][0], 95950},
      {"price trend", &MarketPriceTrend[0][0][0], 136350},
      {"cargo", &Cargo[1], 176751},
      {"system price", &SystemPrice[0][0], 176851},
      {"system price trend", &SystemPriceTrend[0][0], 179376},
      {"base price", &GoodBasePrice[0], 181901},
      {"news", &NewsList[0].At(state::kUnusedField), 182002},
      {"special ships", &SpecialShips[0].At(state::kUnusedField), 184123},
      {"player data", &PlayerData.At(state::kUnusedField), 185234},
      {"skills", &SkillOwned[0], 185335},
      {"abilities", &AbilityOwned[0], 185436},
      {"player ship", &PlayerShip.At(state::kUnusedField), 185537},
      {"factions", &FactionData[0].At(state::kUnusedField), 185638},
      {"mission offers", &MissionOffers[0][0].At(state::kUnusedField), 186143},
      {"last offer field", &MissionOffers[24][6].At(state::kLastStoredField), 203817},
      // Inner elements: each block runs system, then body or slot, then field.
      {"inner body field", &BodyData[1][2][body::kKind], 1821},
      {"inner space find", &SpaceFinds[2][1].At(5), 44041},
      {"inner market stock", &MarketStock[3][4][5], 60807},
      {"last market price", &MarketPrice[24][15][100], 136349},
      {"inner system price", &SystemPrice[5][6], 177362},
      {"inner news field", &NewsList[2].At(7), 182211},
      {"last special ship field", &SpecialShips[10].At(state::kLastStoredField), 185233},
      {"inner faction field", &FactionData[3].At(9), 185950},
      {"inner offer field", &MissionOffers[2][3].At(4), 187864},
      {"active mission", &ActiveMission.At(state::kUnusedField), 203818},
      {"game day", &GameDay, 203919},
  };
  for (const Case& c : cases) EXPECT_EQ(RecordOf(*c.element), c.record) << c.what;

  // GameDay is the file's last record, least significant byte first.
  GameDay = 0x01020304;
  ASSERT_TRUE(SaveGame(2, "Layout", folder.path()).ok);
  const Bytes ints = ReadFile(folder / "Savegame2.int");
  EXPECT_EQ((Bytes{ints.end() - 4, ints.end()}), (Bytes{4, 3, 2, 1}));

  // Text records: the player's name at record 4797, the last faction text at the end.
  PlayerName = "Ann";
  FactionText[4].At(10) = "Last";
  ASSERT_TRUE(SaveGame(2, "Layout", folder.path()).ok);
  const Bytes texts = ReadFile(folder / "Savegame2.str");
  const Bytes name(texts.begin() + 4797 * 256, texts.begin() + 4798 * 256);
  EXPECT_EQ(name[0], 3);
  EXPECT_EQ(std::string(name.begin() + 1, name.begin() + 4), "Ann");
  EXPECT_TRUE(std::all_of(name.begin() + 4, name.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(TextRecordAt(texts, 4852), "Last");
  EXPECT_EQ(TextRecordAt(texts, 4400), SystemText[0].At(0));

  struct TextCase {
    const char* what;
    std::string* element;
    std::size_t record;
  };
  const TextCase textCases[] = {
      {"inner body text", &BodyText[1][2].At(3), 201},
      {"last body text", &BodyText[24][15].At(10), 4399},
      {"inner system text", &SystemText[2].At(5), 4427},
      {"first good name", &GoodName[0], 4675},
      {"last good name", &GoodName[100], 4775},
      {"first headline", &NewsHeadline[0], 4776},
      {"last headline", &NewsHeadline[20], 4796},
      {"player name", &PlayerName, 4797},
      {"first faction text", &FactionText[0].At(0), 4798},
      {"inner faction text", &FactionText[2].At(3), 4823},
  };
  for (const TextCase& c : textCases) {
    const std::string kept = *c.element;
    *c.element = "Marked record";
    const Bytes marked = SaveGameTextBytes();
    *c.element = kept;
    std::vector<std::size_t> found;
    for (std::size_t r = 0; r < marked.size() / 256; ++r) {
      if (TextRecordAt(marked, r) == "Marked record") found.push_back(r);
    }
    EXPECT_EQ(found, std::vector<std::size_t>{c.record}) << c.what;
  }
}

TEST_F(SaveGameTest, SaveLoadSaveGivesIdenticalBytesAndLeavesTheRestAlone) {
  ASSERT_TRUE(SaveGame(1, "Round trip", folder.path()).ok);
  const Bytes ints = ReadFile(folder / "Savegame1.int");
  const Bytes texts = ReadFile(folder / "Savegame1.str");
  const std::string name = PlayerName;

  // Another game in memory, with unsaved tables and spare elements marked.
  RandomGame(99);
  SystemVisited[3] = 77;
  EnemyShip[ship::kClass] = 5;
  BodyData[25][16].At(state::kSpareField) = 1234;
  PlayerShip.At(state::kSpareField) = 4321;
  GoodName[101] = "spare";
  FactionText[4].At(11) = "spare";
  // What a save game does not hold: the known prices, the combat state, the tutorial, the travel
  // screen's selection and the general data.
  std::int32_t* const unsaved[] = {&BodyPricesKnown[5],
                                   &PlayerAbilitySlots[3],
                                   &PlayerSlotState[2],
                                   &PlayerModifiers[2][modifier::kActive],
                                   &EnemyMissileVolley[missile_volley::kInFlight],
                                   &PlayerFleet[1][fleet_ship::kFaction],
                                   &BoardingAreas[4],
                                   &TutorialStep,
                                   &DisplayedSystem,
                                   &SelectedBody,
                                   &SelectedGood,
                                   &TradeQuantity,
                                   &StartCount,
                                   &HighscoreTable[1][highscore::kScore],
                                   &SaveSlotUsed[2]};
  for (std::int32_t* element : unsaved) *element = 61;
  std::uint8_t* const unsavedFlags[] = {&NoAgingFlag, &CompatibilityMode, &TutorialActive, &MusicOn};
  for (std::uint8_t* flag : unsavedFlags) *flag = 3;
  SaveSlotNames[1] = "Renamed";

  const FileResult result = LoadGame(1, folder.path());
  ASSERT_TRUE(result.ok) << result.text;
  EXPECT_EQ(result.topic, "Game loaded!");
  EXPECT_EQ(result.text, "The game has been successfully loaded.");
  EXPECT_EQ(PlayerName, name);
  EXPECT_EQ(SystemVisited[3], 77);
  EXPECT_EQ(EnemyShip[ship::kClass], 5);
  EXPECT_EQ(BodyData[25][16].At(state::kSpareField), 1234);
  EXPECT_EQ(PlayerShip.At(state::kSpareField), 4321);
  EXPECT_EQ(GoodName[101], "spare");
  EXPECT_EQ(FactionText[4].At(11), "spare");
  for (std::int32_t* element : unsaved) EXPECT_EQ(*element, 61);
  for (std::uint8_t* flag : unsavedFlags) EXPECT_EQ(*flag, 3);
  EXPECT_EQ(SaveSlotNames[1], "Renamed");

  ASSERT_TRUE(SaveGame(3, "Again", folder.path()).ok);
  EXPECT_EQ(ReadFile(folder / "Savegame3.int"), ints);
  EXPECT_EQ(ReadFile(folder / "Savegame3.str"), texts);
}

TEST_F(SaveGameTest, ASaveWithoutANameIsNamedAfterThePilotAndTheStarDate) {
  PlayerName = "Zoë Varro";
  GameDay = 725;
  const struct {
    const char* typed;
    const char* kept;
  } cases[] = {{"", "Zoë Varro - Star date 2452.5"},
               {"  \t", "Zoë Varro - Star date 2452.5"},
               {" Before the war ", " Before the war "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(SaveGame(2, c.typed, folder.path()).ok);
    EXPECT_EQ(SaveSlotNames[2], c.kept);
    EXPECT_EQ(TextRecordAt(ReadFile(folder / "GeneralData.str"), 1), c.kept);
  }
}

TEST_F(SaveGameTest, SavingMarksTheSlotAndWritesTheGeneralData) {
  SaveSlotNames[4] = "Old name";
  const FileResult result = SaveGame(4, "Before the war", folder.path());
  ASSERT_TRUE(result.ok) << result.text;
  EXPECT_EQ(result.topic, "Game saved!");
  EXPECT_EQ(result.text, "The game has been successfully saved.");
  EXPECT_EQ(SaveSlotUsed[4], 1);
  EXPECT_EQ(SaveSlotNames[4], "Before the war");
  EXPECT_EQ(folder.Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str",
                                                       "Savegame4.int", "Savegame4.str"}));
  const Bytes general = ReadFile(folder / "GeneralData.int");
  EXPECT_EQ(IntRecordAt(general, 3), 1);
  EXPECT_EQ(TextRecordAt(ReadFile(folder / "GeneralData.str"), 3), "Before the war");
}

TEST_F(SaveGameTest, TextsAreConvertedAtTheFileBoundary) {
  struct Case {
    std::string stored;
    std::string loaded;
  };
  const Case cases[] = {
      {"Ship´s log – it’s “fine” € …", "Ship´s log – it’s “fine” € …"},
      {"Ωmega \xf0\x9f\x9a\x80 Ĉ", "?mega ? ?"},                // outside the code page
      {"bad \xff\xc3 utf-8", "bad ?? utf-8"},                   // malformed sequences
      {std::string(300, 'n'), std::string(255, 'n')},           // cut to 255 characters
      {std::string(300, '\xc3') , std::string(255, '?')},
      {"\xc2\x81\xc2\x8d\xc2\x9d", "\xc2\x81\xc2\x8d\xc2\x9d"},  // undefined bytes round-trip
  };
  for (const Case& c : cases) {
    PlayerName = c.stored;
    ASSERT_TRUE(SaveGame(1, "Texts", folder.path()).ok);
    PlayerName = "other";
    ASSERT_TRUE(LoadGame(1, folder.path()).ok);
    EXPECT_EQ(PlayerName, c.loaded) << c.stored;
    EXPECT_EQ(FitToFileText(c.stored), c.loaded) << c.stored;
  }
  // Each Windows-1252 byte comes back unchanged.
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
  EXPECT_EQ(Win1252ToUtf8("\x80\x96\xb4"), "€–´");
}

TEST_F(SaveGameTest, MissingShortOrCutFilesLoadNothing) {
  ASSERT_TRUE(SaveGame(1, "Good", folder.path()).ok);
  const Bytes ints = ReadFile(folder / "Savegame1.int");
  const Bytes texts = ReadFile(folder / "Savegame1.str");

  struct Case {
    const char* what;
    std::function<void()> damage;
    std::string message;
  };
  const Case cases[] = {
      {"no integer file", [&] { fs::remove(folder / "Savegame1.int"); },
       "Savegame1.int: File not found"},
      {"no text file", [&] { fs::remove(folder / "Savegame1.str"); },
       "Savegame1.str: File not found"},
      {"integer file cut to 1000 bytes",
       [&] { WriteFile(folder / "Savegame1.int", Bytes(ints.begin(), ints.begin() + 1000)); },
       "Savegame1.int: Read beyond end of file"},
      {"integer file one byte short",
       [&] { WriteFile(folder / "Savegame1.int", Bytes(ints.begin(), ints.end() - 1)); },
       "Savegame1.int: Read beyond end of file"},
      {"empty text file", [&] { WriteFile(folder / "Savegame1.str", {}); },
       "Savegame1.str: Read beyond end of file"},
      {"a folder in place of the file", [&] {
         fs::remove(folder / "Savegame1.str");
         fs::create_directory(folder / "Savegame1.str");
       },
       "Savegame1.str: Invalid filename"},
  };
  for (const Case& c : cases) {
    fs::remove_all(folder / "Savegame1.str");
    WriteFile(folder / "Savegame1.int", ints);
    WriteFile(folder / "Savegame1.str", texts);
    c.damage();
    RandomGame(5);
    const Snapshot before;
    const FileResult result = LoadGame(1, folder.path());
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_EQ(result.topic, "Load failed!") << c.what;
    EXPECT_NE(result.text.find(c.message), std::string::npos) << c.what << ": " << result.text;
    EXPECT_NE(result.text.find("Nothing has been changed."), std::string::npos) << c.what;
    EXPECT_TRUE(Snapshot() == before) << c.what;
  }

  // A longer file than the layout is read up to the layout's end.
  Bytes longer = ints;
  longer.resize(ints.size() + 4096, 0xEE);
  fs::remove_all(folder / "Savegame1.str");
  WriteFile(folder / "Savegame1.int", longer);
  WriteFile(folder / "Savegame1.str", texts);
  ASSERT_TRUE(LoadGame(1, folder.path()).ok);
  EXPECT_EQ(SaveGameIntBytes(), ints);
  // ... and what lies beyond is not even read, however long the file is.
  Bytes read;
  ASSERT_TRUE(RealFileSystem().ReadAll(folder / "Savegame1.int", read, kSaveGameIntBytes).ok);
  EXPECT_EQ(read, ints);
}

// A saved element with a value out of its range, and one on the edge of it that loads.
struct RangeCase {
  const char* what;
  std::int32_t* element;
  std::int32_t bad;
  std::int32_t edge;
};

// Saves the game, then for each case puts the bad value into the saved file: the load is refused,
// names the record and changes nothing; with the edge value it loads.
void ExpectRefusedButEdgeLoads(std::span<const RangeCase> cases, ScratchFolder& folder) {
  ASSERT_TRUE(SaveGame(1, "Good", folder.path()).ok);
  const Bytes good = ReadFile(folder / "Savegame1.int");
  for (const RangeCase& c : cases) {
    const std::size_t record = RecordOf(*c.element);
    Bytes damaged = good;
    PutRecord(damaged, record, c.bad);
    WriteFile(folder / "Savegame1.int", damaged);
    const Snapshot before;
    const FileResult refused = LoadGame(1, folder.path());
    EXPECT_FALSE(refused.ok) << c.what;
    EXPECT_NE(refused.text.find("Savegame1.int: damaged"), std::string::npos) << refused.text;
    EXPECT_NE(refused.text.find("record " + std::to_string(record)), std::string::npos)
        << refused.text;
    EXPECT_TRUE(Snapshot() == before) << c.what;

    PutRecord(damaged, record, c.edge);
    WriteFile(folder / "Savegame1.int", damaged);
    EXPECT_TRUE(LoadGame(1, folder.path()).ok) << c.what << " " << c.edge;
    EXPECT_EQ(*c.element, c.edge) << c.what;
  }
}

TEST_F(SaveGameTest, FieldsThatIndexATableAreCheckedBeforeAnythingChanges) {
  RandomGame(3);
  MissionOffers[5][2][mission::kActive] = 1;
  ActiveMission[mission::kActive] = 1;
  NewsList[4][news::kValid] = 1;
  SpecialShips[2][special_ship::kActive] = 1;
  BodyData[7][3][body::kKind] = kKindWormhole;
  const RangeCase cases[] = {
      {"ship's system", &PlayerShip[ship::kSystem], 0, 24},
      {"ship's system", &PlayerShip[ship::kSystem], 25, 1},
      {"ship's body", &PlayerShip[ship::kBody], -5, -4},
      {"ship's body", &PlayerShip[ship::kBody], 16, 15},
      {"ship class", &PlayerShip[ship::kClass], -2, -1},
      {"ship class", &PlayerShip[ship::kClass], 20, 19},
      {"ship faction", &PlayerShip[ship::kFaction], 5, 0},
      {"missile launcher", &PlayerShip[ship::kMissileLauncher], 11, 10},
      {"gun", &PlayerShip[ship::kGun], 9, 8},
      {"ECM", &PlayerShip[ship::kEcm], 6, 5},
      {"targeting", &PlayerShip[ship::kTargeting], 7, 6},
      {"engine", &PlayerShip[ship::kEngine], 7, 6},
      {"cargo module", &PlayerShip[ship::kCargoModule], -1, 5},
      {"profession", &PlayerData[player::kProfession], 0, 6},
      {"player faction", &PlayerData[player::kFaction], 5, 4},
      {"portrait", &PlayerData[player::kPortrait], 3, 2},
      {"level", &PlayerData[player::kLevel], 20, 0},
      {"rank", &PlayerData[player::kRank], 9, 8},
      {"system owner", &SystemData[24][star_system::kOwner], 5, 4},
      {"campaign attacker", &SystemData[1][star_system::kAttacker], -1, 0},
      {"body owner", &BodyData[3][15][body::kOwner], 5, 4},
      {"body kind", &BodyData[3][15][body::kKind], 7, -3},
      {"wormhole destination", &BodyData[7][3][body::kDestination], 0, 24},
      {"offer type", &MissionOffers[5][2][mission::kType], 28, 27},
      {"offer system", &MissionOffers[5][2][mission::kTargetSystem], 25, 0},
      {"mission body", &ActiveMission[mission::kTargetBody], 16, -4},
      {"mission campaign", &ActiveMission[mission::kCampaignSystem], 25, 24},
      {"news system", &NewsList[4][news::kSystem], -1, 0},
      {"special ship class", &SpecialShips[2][special_ship::kClass], 20, -1},
      {"special ship faction", &SpecialShips[2][special_ship::kFaction], 5, 4},
  };
  ExpectRefusedButEdgeLoads(cases, folder);

  // Rows that are not in use are not checked: an empty offer slot may hold anything.
  MissionOffers[6][3][mission::kActive] = 0;
  ASSERT_TRUE(SaveGame(1, "Good", folder.path()).ok);
  Bytes unused = ReadFile(folder / "Savegame1.int");
  PutRecord(unused, RecordOf(MissionOffers[6][3][mission::kType]), 999);
  WriteFile(folder / "Savegame1.int", unused);
  EXPECT_TRUE(LoadGame(1, folder.path()).ok);
}

// Hostile saves: numbers no game reaches, which the rules' arithmetic would overflow on.
TEST_F(SaveGameTest, NumbersBeyondWhatAGameReachesAreRefused) {
  RandomGame(5);
  for (int g = 0; g <= kLastStoredField; ++g) Cargo[g] = 0;
  const std::int32_t hold = LargestCargoHold();
  const RangeCase cases[] = {
      {"contraband far beyond any hold", &Cargo[kLastGood], 2000000000, hold},
      {"a good at the 32-bit limit", &Cargo[1], INT32_MAX, hold},
      {"negative cargo", &Cargo[5], -1, 0},
      {"cargo space", &PlayerShip[ship::kCargoSpace], hold + 1, hold},
      {"credits", &PlayerData[player::kCredits], INT32_MIN, INT32_MAX},
      {"experience", &PlayerData[player::kExperience], -kMostSavedValue - 1, INT32_MAX},
      {"missions completed", &PlayerData[player::kMissionsCompleted], -1, kMostSavedValue},
      {"campaign ribbons", &PlayerData[player::kCampaignRibbons], kMostSavedValue + 1, 0},
      {"ships destroyed", &PlayerData[player::kBattleshipsDestroyed], INT32_MAX, 7},
      {"crew", &PlayerShip[ship::kMarines], -3, 0},
      {"pilot wings", &PlayerData[player::kPilotWings], 4, 3},
      {"medal", &PlayerData[player::kGoldStar], 2, 1},
      {"war bonds' level", &PlayerData[player::kWarBondLevel], 5, -1},
      {"criminal days", &PlayerData[player::kCriminalDays], INT32_MIN, -kMostSavedValue},
      {"game day", &GameDay, -1, 0},
      {"game day", &GameDay, INT32_MAX, kSavedDays.high},
      {"mission reward", &ActiveMission[mission::kReward], INT32_MIN, INT32_MAX},
      {"market stock", &MarketStock[4][2][13], INT32_MAX, kMostSavedValue},
      {"market price", &MarketPrice[9][3][1], INT32_MIN, -kMostSavedValue},
      {"unused field of an empty row", &SpecialShips[9].At(50), INT32_MAX, 12345},
  };
  ExpectRefusedButEdgeLoads(cases, folder);

  // The hold is counted whole: goods each within it but together beyond it are refused.
  Cargo[2] = hold;
  Cargo[3] = 1;
  ASSERT_FALSE(SaveGame(1, "Overloaded", folder.path()).ok);
  Cargo[3] = 0;
  ASSERT_TRUE(SaveGame(1, "Full", folder.path()).ok);
  Bytes overloaded = ReadFile(folder / "Savegame1.int");
  PutRecord(overloaded, RecordOf(Cargo[7]), 1);
  WriteFile(folder / "Savegame1.int", overloaded);
  const FileResult refused = LoadGame(1, folder.path());
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.text.find("the cargo in the hold is " + std::to_string(hold + 1)),
            std::string::npos)
      << refused.text;
}

TEST_F(SaveGameTest, AGameThatCouldNotBeLoadedIsNotSaved) {
  ASSERT_TRUE(SaveGame(2, "Good", folder.path()).ok);
  const Bytes ints = ReadFile(folder / "Savegame2.int");
  PlayerShip[ship::kSystem] = 0;
  const FileResult result = SaveGame(2, "Broken", folder.path());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.topic, "Save failed!");
  EXPECT_NE(result.text.find("the ship's star system is 0"), std::string::npos) << result.text;
  EXPECT_EQ(ReadFile(folder / "Savegame2.int"), ints);
  EXPECT_EQ(SaveSlotNames[2], "Good");
}

TEST_F(SaveGameTest, AFailedSaveKeepsTheOldSaveItsFlagAndName) {
  struct Case {
    Fault fault;
    const char* file;
    int error;
    std::string cause;
  };
  const Case cases[] = {
      {Fault::Create, "Savegame1.int", EACCES, "Savegame1.int: File access denied"},
      {Fault::WriteHalfway, "Savegame1.int", ENOSPC, "Savegame1.int: Disk full"},
      {Fault::WriteHalfway, "Savegame1.str", ENOSPC, "Savegame1.str: Disk full"},
      {Fault::Sync, "Savegame1.str", EIO, "Savegame1.str: I/O error 5"},
      {Fault::Close, "Savegame1.int", EDQUOT, "Savegame1.int: Disk full"},
      {Fault::Rename, "Savegame1.int", EMFILE, "Savegame1.int: Too many open files"},
      {Fault::Rename, "Savegame1.str", EIO, "Savegame1.str: I/O error 5"},  // after the first
  };
  for (const Case& c : cases) {
    SetGeneralDataDefaults();
    RandomGame(1);
    ASSERT_TRUE(SaveGame(1, "First", folder.path()).ok);
    const std::vector<std::string> files = folder.Files();
    const Bytes ints = ReadFile(folder / "Savegame1.int");
    const Bytes texts = ReadFile(folder / "Savegame1.str");
    const Bytes general = ReadFile(folder / "GeneralData.str");

    RandomGame(2);
    FaultyFileSystem faulty(c.fault, c.file, c.error);
    const FileResult result = SaveGame(1, "Second", folder.path(), faulty);
    EXPECT_EQ(faulty.failures(), 1) << c.cause;
    EXPECT_FALSE(result.ok) << c.cause;
    EXPECT_EQ(result.topic, "Save failed!");
    EXPECT_NE(result.text.find(c.cause), std::string::npos) << result.text;
    EXPECT_EQ(ReadFile(folder / "Savegame1.int"), ints) << c.cause;
    EXPECT_EQ(ReadFile(folder / "Savegame1.str"), texts) << c.cause;
    EXPECT_EQ(ReadFile(folder / "GeneralData.str"), general) << c.cause;
    EXPECT_EQ(SaveSlotNames[1], "First");
    EXPECT_EQ(folder.Files(), files) << c.cause;  // no temporary file is left behind
  }

  // A first save that fails leaves the slot empty and no file behind.
  SetGeneralDataDefaults();
  FaultyFileSystem full(Fault::WriteHalfway, "Savegame3.str");
  EXPECT_FALSE(SaveGame(3, "Never", folder.path(), full).ok);
  EXPECT_EQ(SaveSlotUsed[3], 0);
  EXPECT_EQ(SaveSlotNames[3], "");
  EXPECT_FALSE(fs::exists(folder / "Savegame3.int"));
  EXPECT_FALSE(fs::exists(folder / "Savegame3.str"));
  // ... also when its second file cannot be put into place after the first was.
  FaultyFileSystem stuck(Fault::Rename, "Savegame3.str");
  EXPECT_FALSE(SaveGame(3, "Never", folder.path(), stuck).ok);
  EXPECT_EQ(stuck.failures(), 1);
  EXPECT_FALSE(fs::exists(folder / "Savegame3.int"));
  EXPECT_FALSE(fs::exists(folder / "Savegame3.str"));
}

TEST_F(SaveGameTest, ASaveKilledHalfWayLeavesTheOldSaveLoadable) {
  ASSERT_TRUE(SaveGame(1, "Before", folder.path()).ok);
  const Snapshot saved;
  // What a save killed while writing leaves: half-written temporary files beside the old pair.
  WriteFile(folder / "Savegame1.int.tmp", Bytes(1000, 0xAB));
  WriteFile(folder / "Savegame1.str.tmp", Bytes(10, 0xCD));
  RandomGame(8);
  ASSERT_TRUE(LoadGame(1, folder.path()).ok);
  EXPECT_TRUE(Snapshot() == saved);
  // The next save writes over the leftovers and leaves none behind.
  ASSERT_TRUE(SaveGame(1, "After", folder.path()).ok);
  EXPECT_EQ(folder.Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str",
                                                       "Savegame1.int", "Savegame1.str"}));
}

TEST_F(SaveGameTest, ASaveWhoseGeneralDataFailsSaysSo) {
  FaultyFileSystem faulty(Fault::WriteHalfway, "GeneralData.int");
  const FileResult result = SaveGame(2, "Kept", folder.path(), faulty);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.text.find("The game has been saved, but"), std::string::npos) << result.text;
  EXPECT_NE(result.text.find("GeneralData.int: Disk full"), std::string::npos) << result.text;
  // The slot files are in place, so the slot counts as used; the list follows at program end.
  EXPECT_EQ(SaveSlotUsed[2], 1);
  EXPECT_EQ(SaveSlotNames[2], "Kept");
  EXPECT_EQ(folder.Files(), (std::vector<std::string>{"Savegame2.int", "Savegame2.str"}));
}

TEST_F(SaveGameTest, SlotsOutsideOneToFourAreRefused) {
  for (int slot : {0, 5, -1}) {
    const FileResult saved = SaveGame(slot, "x", folder.path());
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.text.find("There is no savegame slot"), std::string::npos);
    EXPECT_FALSE(LoadGame(slot, folder.path()).ok);
  }
  EXPECT_TRUE(folder.Files().empty());
  EXPECT_EQ(SaveGameIntName(3), "Savegame3.int");
  EXPECT_EQ(SaveGameTextName(3), "Savegame3.str");
}

TEST(SaveGameFuzzFixtures, EveryFixtureKeepsTheReadersRules) {
  // Seeds and findings of the fuzz target; each runs the fuzz target's own checks.
  const fs::path dir = fs::path(FARHAVEN_SOURCE_DIR) / "tests/fixtures/fuzz";
  int count = 0;
  for (const char* target : {"savegame", "general_data"}) {
    for (const auto& entry : fs::directory_iterator(dir / target)) {
      const Bytes input = ReadFile(entry.path());
      SCOPED_TRACE(entry.path().string());
      if (std::string(target) == "savegame") {
        fuzz_inputs::RunSaveGameInput(input.data(), input.size(), true);
      } else {
        fuzz_inputs::RunGeneralDataInput(input.data(), input.size());
      }
      ++count;
    }
  }
  EXPECT_GE(count, 4);
}

}  // namespace
