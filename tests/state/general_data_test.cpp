#include "state/general_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "save_test_support.h"
#include "state/fields.h"
#include "state/variables.h"

using namespace state;
using namespace save_test;

namespace {

// Random general data; the high-score rows in use hold ids in their ranges.
void RandomGeneralData(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  for (int slot = 1; slot <= 4; ++slot) {
    SaveSlotUsed[slot] = in(0, 1);
    SaveSlotNames[slot] = "Slot ´" + std::to_string(any(rng));
  }
  for (int row = 1; row <= 5; ++row) {
    for (int field = 1; field <= 100; ++field) HighscoreTable[row].At(field) = any(rng);
    HighscoreTable[row][highscore::kUsed] = 1;
    HighscoreTable[row][highscore::kFaction] = in(0, 4);
    HighscoreTable[row][highscore::kRank] = in(0, 8);
    HighscoreTable[row][highscore::kShipClass] = in(-1, 19);
    HighscoreTable[row][highscore::kShipFaction] = in(0, 4);
    HighscoreNames[row] = "Captain Ærø " + std::to_string(row);
  }
  StartCount = any(rng);
  MusicOn = in(0, 1);
  SoundEffectsOn = in(0, 1);
  AutoEndTurn = in(0, 1);
  VeteranMode = in(0, 1);
  NoWarPopups = in(0, 1);
  TimerPlayerMessageInterval = in(0, 1) ? 1200 : 2400;
  TimerEnemyMessageInterval = in(0, 1) ? 1200 : 2400;
  PlayerFireGunImageTimerInterval = in(0, 1) ? 400 : 800;
  EnemyFireGunImageTimerInterval = in(0, 1) ? 400 : 800;
  PlayerShieldTimerInterval = in(0, 1) ? 400 : 800;
  EnemyShieldTimerInterval = in(0, 1) ? 400 : 800;
}

void ExpectDefaults() {
  for (int slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(SaveSlotUsed[slot], 0);
    EXPECT_EQ(SaveSlotNames[slot], "");
  }
  for (int row = 1; row <= 5; ++row) {
    for (int field = 1; field <= 100; ++field) EXPECT_EQ(HighscoreTable[row].At(field), 0);
    EXPECT_EQ(HighscoreNames[row], "");
  }
  EXPECT_EQ(StartCount, 0);
  EXPECT_EQ((std::vector<int>{MusicOn, SoundEffectsOn, AutoEndTurn, VeteranMode, NoWarPopups}),
            (std::vector<int>{1, 1, 0, 0, 0}));
  EXPECT_EQ((std::vector<int>{TimerPlayerMessageInterval, TimerEnemyMessageInterval,
                              PlayerFireGunImageTimerInterval, EnemyFireGunImageTimerInterval,
                              PlayerShieldTimerInterval, EnemyShieldTimerInterval}),
            (std::vector<int>{1200, 1200, 400, 400, 400, 400}));
}

class GeneralDataTest : public ::testing::Test {
 protected:
  void SetUp() override { RandomGeneralData(11); }
  fs::path IntFile() const { return folder / "GeneralData.int"; }
  fs::path TextFile() const { return folder / "GeneralData.str"; }
  ScratchFolder folder;
};

TEST_F(GeneralDataTest, RecordsStandWhereTheLayoutPutsThem) {
  SaveSlotUsed[1] = 0;
  SaveSlotUsed[4] = 1;
  HighscoreTable[3][highscore::kScore] = 987654;
  HighscoreTable[5].At(state::kLastStoredField) = -17;
  HighscoreTable[0][highscore::kScore] = 55;    // row 0 and field 0/101 are not stored
  HighscoreTable[1].At(state::kUnusedField) = 55;
  HighscoreTable[1].At(state::kSpareField) = 55;
  StartCount = 12;
  MusicOn = 1, SoundEffectsOn = 0, AutoEndTurn = 1, VeteranMode = 0, NoWarPopups = 1;
  TimerPlayerMessageInterval = 2400;
  TimerEnemyMessageInterval = 1200;
  PlayerFireGunImageTimerInterval = 800;
  EnemyFireGunImageTimerInterval = 400;
  PlayerShieldTimerInterval = 800;
  EnemyShieldTimerInterval = 400;
  SaveSlotNames[4] = "Fourth";
  HighscoreNames[5] = "Fifth";
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);

  const Bytes ints = ReadFile(IntFile());
  const Bytes texts = ReadFile(TextFile());
  ASSERT_EQ(ints.size(), 2068u);
  ASSERT_EQ(texts.size(), 2304u);
  const std::pair<std::size_t, std::int32_t> records[] = {
      {0, 0},     {3, 1},     {205, 987654}, {503, -17}, {504, 12},  {505, 1},   {506, 0},
      {507, 1},   {508, 0},   {509, 1},      {510, 2400}, {511, 1200}, {512, 800}, {513, 800},
      {514, 400}, {515, 800}, {516, 400},
  };
  for (auto [record, value] : records) EXPECT_EQ(IntRecordAt(ints, record), value) << record;
  EXPECT_EQ(TextRecordAt(texts, 3), "Fourth");
  EXPECT_EQ(TextRecordAt(texts, 8), "Fifth");
  for (std::size_t r = 0; r < 517; ++r) EXPECT_NE(IntRecordAt(ints, r), 55) << r;
}

TEST_F(GeneralDataTest, WriteReadWriteGivesIdenticalBytes) {
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
  const Bytes ints = ReadFile(IntFile());
  const Bytes texts = ReadFile(TextFile());
  RandomGeneralData(12);
  const FileResult read = ReadGeneralData(folder.path());
  ASSERT_TRUE(read.ok) << read.text;
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
  EXPECT_EQ(ReadFile(IntFile()), ints);
  EXPECT_EQ(ReadFile(TextFile()), texts);
}

TEST_F(GeneralDataTest, OptionsAreOnOnlyWhenOne) {
  MusicOn = 2;            // written as off
  SoundEffectsOn = 1;
  AutoEndTurn = 255;
  Bytes ints = GeneralDataIntBytes();
  EXPECT_EQ(IntRecordAt(ints, 505), 0);
  EXPECT_EQ(IntRecordAt(ints, 506), 1);
  EXPECT_EQ(IntRecordAt(ints, 507), 0);

  for (std::size_t r = 505; r <= 509; ++r) PutRecord(ints, r, 2);
  PutRecord(ints, 506, 1);
  ASSERT_TRUE(ApplyGeneralDataBytes(ints, GeneralDataTextBytes()).ok);
  EXPECT_EQ((std::vector<int>{MusicOn, SoundEffectsOn, AutoEndTurn, VeteranMode, NoWarPopups}),
            (std::vector<int>{0, 1, 0, 0, 0}));
}

TEST_F(GeneralDataTest, TimerIntervalsKeepTheirPacings) {
  // The compatibility mode's 100 ms message pacing is stored as 1200 ms and keeps running.
  TimerPlayerMessageInterval = 100;
  TimerEnemyMessageInterval = 999;
  Bytes ints = GeneralDataIntBytes();
  EXPECT_EQ(IntRecordAt(ints, 510), 1200);
  EXPECT_EQ(IntRecordAt(ints, 511), 1200);
  EXPECT_EQ(TimerPlayerMessageInterval, 100);
  EXPECT_EQ(TimerEnemyMessageInterval, 999);

  // Stored intervals outside a timer's two pacings read as its normal pacing.
  struct Case {
    std::size_t record;
    std::int32_t stored;
    std::int32_t* timer;
    std::int32_t read;
  };
  const Case cases[] = {
      {510, 2400, &TimerPlayerMessageInterval, 2400}, {510, 1200, &TimerPlayerMessageInterval, 1200},
      {510, 100, &TimerPlayerMessageInterval, 1200},  {511, 1500, &TimerEnemyMessageInterval, 1200},
      {511, -2400, &TimerEnemyMessageInterval, 1200}, {514, 800, &EnemyFireGunImageTimerInterval, 800},
      {514, 600, &EnemyFireGunImageTimerInterval, 400}, {515, 0, &PlayerShieldTimerInterval, 400},
      {516, 1200, &EnemyShieldTimerInterval, 400},
  };
  for (const Case& c : cases) {
    Bytes patched = ints;
    PutRecord(patched, c.record, c.stored);
    *c.timer = -1;
    ASSERT_TRUE(ApplyGeneralDataBytes(patched, GeneralDataTextBytes()).ok);
    EXPECT_EQ(*c.timer, c.read) << c.record << " " << c.stored;
  }

  // The gun-image timer is stored twice; the second copy is the one that counts.
  PutRecord(ints, 512, 800);
  PutRecord(ints, 513, 400);
  ASSERT_TRUE(ApplyGeneralDataBytes(ints, GeneralDataTextBytes()).ok);
  EXPECT_EQ(PlayerFireGunImageTimerInterval, 400);
}

TEST_F(GeneralDataTest, AFirstStartUsesTheDefaultsAndCreatesNothing) {
  const FileResult result = ReadGeneralData(folder.path());
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.text, "");
  ExpectDefaults();
  EXPECT_TRUE(folder.Files().empty());
}

TEST_F(GeneralDataTest, ADamagedPairIsKeptAsideAndTheDefaultsAreUsed) {
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
  const Bytes ints = ReadFile(IntFile());
  const Bytes texts = ReadFile(TextFile());

  struct Case {
    const char* what;
    std::function<void()> damage;
    std::string cause;
    std::vector<std::string> files;
  };
  const std::vector<std::string> both = {"GeneralData.int.bad", "GeneralData.str.bad"};
  const Case cases[] = {
      {"integer file one record short",
       [&] { WriteFile(IntFile(), Bytes(ints.begin(), ints.end() - 4)); },
       "GeneralData.int: Read beyond end of file", both},
      {"empty text file", [&] { WriteFile(TextFile(), {}); },
       "GeneralData.str: Read beyond end of file", both},
      {"high-score faction out of range",
       [&] {
         Bytes bad = ints;
         PutRecord(bad, 4 + 100 * 2 + 2, 9);  // row 3, field 3
         WriteFile(IntFile(), bad);
       },
       "GeneralData.int: damaged: the faction of high-score row 3 is 9", both},
      {"high-score ship class out of range",
       [&] {
         Bytes bad = ints;
         PutRecord(bad, 4 + 4, 20);  // row 1, field 5
         WriteFile(IntFile(), bad);
       },
       "GeneralData.int: damaged: the ship class of high-score row 1 is 20", both},
      {"text file missing", [&] { fs::remove(TextFile()); },
       "GeneralData.str: File not found", {"GeneralData.int.bad"}},
      {"integer file missing", [&] { fs::remove(IntFile()); },
       "GeneralData.int: File not found", {"GeneralData.str.bad"}},
  };
  for (const Case& c : cases) {
    for (const std::string& f : folder.Files()) fs::remove(folder / f);
    WriteFile(IntFile(), ints);
    WriteFile(TextFile(), texts);
    c.damage();
    const Bytes damagedInts = fs::exists(IntFile()) ? ReadFile(IntFile()) : Bytes{};
    const Bytes damagedTexts = fs::exists(TextFile()) ? ReadFile(TextFile()) : Bytes{};
    RandomGeneralData(13);

    const FileResult result = ReadGeneralData(folder.path());
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_EQ(result.topic, "General data damaged!");
    EXPECT_NE(result.text.find(c.cause), std::string::npos) << c.what << ": " << result.text;
    EXPECT_NE(result.text.find("kept as GeneralData."), std::string::npos) << result.text;
    ExpectDefaults();
    EXPECT_EQ(folder.Files(), c.files) << c.what;
    // Nothing is lost: the files aside hold exactly what was there.
    if (fs::exists(folder / "GeneralData.int.bad")) {
      EXPECT_EQ(ReadFile(folder / "GeneralData.int.bad"), damagedInts) << c.what;
    }
    if (fs::exists(folder / "GeneralData.str.bad")) {
      EXPECT_EQ(ReadFile(folder / "GeneralData.str.bad"), damagedTexts) << c.what;
    }
  }

  // A longer file than the layout is read up to the layout's end.
  for (const std::string& f : folder.Files()) fs::remove(folder / f);
  Bytes longer = ints;
  longer.resize(ints.size() + 100, 0x7F);
  WriteFile(IntFile(), longer);
  WriteFile(TextFile(), texts);
  EXPECT_TRUE(ReadGeneralData(folder.path()).ok);
  EXPECT_EQ(GeneralDataIntBytes(), ints);
}

TEST_F(GeneralDataTest, ALongSlotNameComesBackAs255Characters) {
  SaveSlotNames[2] = std::string(300, 'x');
  HighscoreNames[1] = "Ωmega";
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
  EXPECT_EQ(SaveSlotNames[2].size(), 300u);  // the running game keeps the whole name
  SaveSlotNames[2].clear();
  ASSERT_TRUE(ReadGeneralData(folder.path()).ok);
  EXPECT_EQ(SaveSlotNames[2], std::string(255, 'x'));
  EXPECT_EQ(HighscoreNames[1], "?mega");
}

TEST_F(GeneralDataTest, AFailedWriteKeepsTheOldFiles) {
  ASSERT_TRUE(WriteGeneralData(folder.path()).ok);
  const Bytes ints = ReadFile(IntFile());
  const Bytes texts = ReadFile(TextFile());
  RandomGeneralData(14);
  for (Fault fault : {Fault::WriteHalfway, Fault::Sync, Fault::Rename}) {
    FaultyFileSystem faulty(fault, "GeneralData.str");
    const FileResult result = WriteGeneralData(folder.path(), faulty);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.topic, "Write error!");
    EXPECT_NE(result.text.find("GeneralData.str: Disk full"), std::string::npos) << result.text;
    EXPECT_EQ(ReadFile(IntFile()), ints);
    EXPECT_EQ(ReadFile(TextFile()), texts);
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str"}));
  }
}

}  // namespace
