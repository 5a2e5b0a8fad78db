// What a save slot shows: the automatic name of a save made without one fits the slot name's 255
// characters with its star date, and the files on disk decide which slots are used.
#include <gtest/gtest.h>

#include <string>

#include "random_game.h"
#include "save_test_support.h"
#include "state/general_data.h"
#include "state/savegame.h"
#include "state/variables.h"
#include "state/win1252.h"

using namespace state;
using namespace save_test;

namespace {

TEST(AutomaticSlotName, CutsTheLongPilotsNameSoTheStarDateFitsTheField) {
  const std::string date = " - Star date 2450.1";  // 19 characters: the pilot keeps 236
  const struct {
    const char* what;
    std::string pilot;
    std::string expected;
  } cases[] = {
      {"a short name stays whole", "Zoë Varro", "Zoë Varro" + date},
      {"a name that just fits stays whole", std::string(236, 'A'), std::string(236, 'A') + date},
      {"a name one too long loses its last character", std::string(237, 'B'),
       std::string(236, 'B') + date},
      {"the longest name the name screen takes", std::string(255, 'C'), std::string(236, 'C') + date},
      {"a cut after a word leaves no space before the date", std::string(235, 'D') + " Eve",
       std::string(235, 'D') + date},
      // Characters beyond ASCII take two bytes here but one in the file: they count as one.
      {"a name of accented letters", [] {
         std::string s;
         for (int k = 0; k < 255; ++k) s += "é";
         return s;
       }(),
       [&] {
         std::string s;
         for (int k = 0; k < 236; ++k) s += "é";
         return s + date;
       }()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AutomaticSlotName(c.pilot, 1), c.expected);
  }
  // However far the game has run, the date stays whole and the name within the field.
  for (const std::int32_t day : {0, 725, 359999, 100000000}) {
    SCOPED_TRACE(day);
    const std::string name = AutomaticSlotName(std::string(255, 'F'), day);
    EXPECT_LE(Utf8ToWin1252(name).size(), kMaxFileTextLength);
    const std::string dated = " - Star date " + std::to_string(2450 + day / 360) + "." + std::to_string(day % 360);
    EXPECT_TRUE(name.ends_with(dated)) << name;
  }
}

TEST(AutomaticSlotName, KeepsItsDateAcrossTheGeneralData) {
  ScratchFolder folder;
  SetGeneralDataDefaults();
  RandomGame(3);
  PlayerName = std::string(255, 'M');
  GameDay = 725;
  ASSERT_TRUE(SaveGame(2, "", folder.path()).ok);
  const std::string shown = SaveSlotNames[2];
  EXPECT_TRUE(shown.ends_with(" - Star date 2452.5")) << shown;
  SaveSlotNames[2].clear();
  ASSERT_TRUE(ReadGeneralData(folder.path()).ok);
  EXPECT_EQ(SaveSlotNames[2], shown);
}

// The files on disk against the list of slots in the general data.
class SavedSlots : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGeneralDataDefaults();
    RandomGame(5);
    PlayerName = "Ilse Marr";
    GameDay = 725;
    ASSERT_TRUE(SaveGame(1, "Saved", folder.path()).ok);
    RandomGame(6);  // the game in memory is another one
    PlayerName = "Other Pilot";
    GameDay = 3;
    running = Snapshot();
  }
  ScratchFolder folder;
  Snapshot running;
};

TEST_F(SavedSlots, TheFilesOnDiskDecideWhichSlotsAreUsed) {
  enum class Disk { Whole, IntMissing, BothMissing, IntShort, IntDamaged };
  const struct {
    const char* what;
    Disk disk;
    int markedUsed;
    std::string storedName;
    int shownUsed;
    std::string shownName;
    std::string loadSays;  // part of Load's text ("" when it loads)
  } cases[] = {
      {"a whole save the list misses shows under its pilot and date", Disk::Whole, 0, "", 1,
       "Ilse Marr - Star date 2452.5", ""},
      {"a whole save the list misses keeps a name the list has", Disk::Whole, 0, "Kept", 1, "Kept", ""},
      {"a listed whole save stays as it is", Disk::Whole, 1, "Saved", 1, "Saved", ""},
      {"half a pair is no save", Disk::IntMissing, 0, "", 0, "", ""},
      {"no pair is no save", Disk::BothMissing, 0, "", 0, "", ""},
      {"a short pair is no save", Disk::IntShort, 0, "", 0, "", ""},
      {"a damaged pair is no save", Disk::IntDamaged, 0, "", 0, "", ""},
      {"a listed slot whose files are gone shows as it is, and Load says why", Disk::BothMissing, 1,
       "Saved", 1, "Saved", "Savegame1.int: File not found"},
      {"a listed slot whose pair is damaged shows as it is, and Load says why", Disk::IntDamaged, 1,
       "Saved", 1, "Saved", "Savegame1.int: damaged: the game day is -5"},
  };
  const Bytes wholeInts = ReadFile(folder / "Savegame1.int");
  const Bytes wholeTexts = ReadFile(folder / "Savegame1.str");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes ints = wholeInts;
    fs::remove(folder / "Savegame1.int");
    WriteFile(folder / "Savegame1.str", wholeTexts);
    switch (c.disk) {
      case Disk::Whole: WriteFile(folder / "Savegame1.int", ints); break;
      case Disk::IntMissing: break;
      case Disk::BothMissing: fs::remove(folder / "Savegame1.str"); break;
      case Disk::IntShort: ints.resize(ints.size() - 4); WriteFile(folder / "Savegame1.int", ints); break;
      case Disk::IntDamaged:
        PutRecord(ints, kSaveGameIntRecords - 1, -5);  // the game day
        WriteFile(folder / "Savegame1.int", ints);
        break;
    }
    const std::vector<std::string> before = folder.Files();
    SaveSlotUsed[1] = c.markedUsed;
    SaveSlotNames[1] = c.storedName;
    FindSavedSlots(folder.path());
    EXPECT_EQ(SaveSlotUsed[1], c.shownUsed);
    EXPECT_EQ(SaveSlotNames[1], c.shownName);
    for (int slot = 2; slot <= kLastSaveSlot; ++slot) EXPECT_EQ(SaveSlotUsed[slot], 0);
    EXPECT_EQ(folder.Files(), before) << "checking the slots changes no file";
    EXPECT_TRUE(Snapshot() == running) << "checking the slots changes no game";
    if (!c.loadSays.empty()) {
      const FileResult load = LoadGame(1, folder.path());
      EXPECT_FALSE(load.ok);
      EXPECT_NE(load.text.find(c.loadSays), std::string::npos) << load.text;
    }
  }
}

}  // namespace
