#include "state/general_data.h"

#include <array>

#include "state/variables.h"

namespace state {

std::int32_t TimerPlayerMessageInterval = kMessageInterval;
std::int32_t TimerEnemyMessageInterval = kMessageInterval;
std::int32_t PlayerFireGunImageTimerInterval = kAnimationInterval;
std::int32_t EnemyFireGunImageTimerInterval = kAnimationInterval;
std::int32_t PlayerShieldTimerInterval = kAnimationInterval;
std::int32_t EnemyShieldTimerInterval = kAnimationInterval;

namespace {

constexpr int kLastSaveSlotRow = kSaveSlots - 2;          // slots 1..4
constexpr int kLastHighscoreRow = kHighscoreRows - 2;     // rows 1..5
constexpr int kHighscoreFields = kFieldsStored - 1;       // fields 1..100

// Record numbers of "GeneralData.int".
constexpr std::size_t kSlotFlagsStart = 0;
constexpr std::size_t kHighscoreStart = kSlotFlagsStart + kLastSaveSlotRow;
constexpr std::size_t kStartCountRecord = kHighscoreStart + kLastHighscoreRow * kHighscoreFields;
constexpr std::size_t kOptionsStart = kStartCountRecord + 1;
constexpr std::size_t kIntervalsStart = kOptionsStart + 5;
static_assert(kHighscoreStart == 4 && kStartCountRecord == 504 && kIntervalsStart == 510);
static_assert(kIntervalsStart + 7 == kGeneralDataIntRecords);

std::size_t HighscoreRecord(int row, int field) {
  return kHighscoreStart + static_cast<std::size_t>(row - 1) * kHighscoreFields + (field - 1);
}

// The option bytes in file order.
std::array<std::uint8_t*, 5> Options() {
  return {&MusicOn, &SoundEffectsOn, &AutoEndTurn, &VeteranMode, &NoWarPopups};
}

// A stored interval counts only when it is one of its timer's two pacings.
std::int32_t StoredInterval(std::int32_t value, std::int32_t normal, std::int32_t slow) {
  return value == normal || value == slow ? value : normal;
}

// A message interval below a second is the compatibility mode's and is never stored.
std::int32_t MessageIntervalToStore(std::int32_t value) {
  return value < 1000 ? kMessageInterval : value;
}

std::string CheckHighscoreRows(std::span<const std::uint8_t> ints) {
  struct Check {
    int field;
    std::int32_t low, high;
    const char* what;
  };
  static constexpr Check kChecks[] = {
      {3, 0, kLastFaction, "faction"},
      {4, 0, 8, "military rank"},
      {5, -1, 19, "ship class"},
      {6, 0, kLastFaction, "ship faction"},
  };
  for (int row = 1; row <= kLastHighscoreRow; ++row) {
    if (IntRecordAt(ints, HighscoreRecord(row, 1)) == 0) continue;
    for (const Check& c : kChecks) {
      const std::size_t record = HighscoreRecord(row, c.field);
      const std::int32_t value = IntRecordAt(ints, record);
      if (value < c.low || value > c.high) {
        return "damaged: the " + std::string(c.what) + " of high-score row " + std::to_string(row) +
               " is " + std::to_string(value) + " (record " + std::to_string(record) +
               ", expected " + std::to_string(c.low) + ".." + std::to_string(c.high) + ")";
      }
    }
  }
  return {};
}

// A name for keeping a damaged file aside that nothing has yet: "<name>.bad", then "<name>.bad2",
// "<name>.bad3" ..., so an earlier damaged file is never overwritten.
std::filesystem::path FreeBadNameOf(FileSystem& fs, const std::filesystem::path& file) {
  std::filesystem::path bad = file;
  bad += ".bad";
  for (int n = 2; fs.Exists(bad); ++n) {
    bad = file;
    bad += ".bad" + std::to_string(n);
  }
  return bad;
}

}  // namespace

void SetGeneralDataDefaults() {
  for (int slot = 1; slot <= kLastSaveSlotRow; ++slot) {
    SaveSlotUsed[slot] = 0;
    SaveSlotNames[slot].clear();
  }
  for (int row = 1; row <= kLastHighscoreRow; ++row) {
    for (int field = 1; field <= kHighscoreFields; ++field) HighscoreTable[row].At(field) = 0;
    HighscoreNames[row].clear();
  }
  StartCount = 0;
  MusicOn = 1;
  SoundEffectsOn = 1;
  AutoEndTurn = 0;
  VeteranMode = 0;
  NoWarPopups = 0;
  TimerPlayerMessageInterval = kMessageInterval;
  TimerEnemyMessageInterval = kMessageInterval;
  PlayerFireGunImageTimerInterval = kAnimationInterval;
  EnemyFireGunImageTimerInterval = kAnimationInterval;
  PlayerShieldTimerInterval = kAnimationInterval;
  EnemyShieldTimerInterval = kAnimationInterval;
}

std::vector<std::uint8_t> GeneralDataIntBytes() {
  std::vector<std::uint8_t> out;
  out.reserve(kGeneralDataIntBytes);
  for (int slot = 1; slot <= kLastSaveSlotRow; ++slot) AppendIntRecord(out, SaveSlotUsed[slot]);
  for (int row = 1; row <= kLastHighscoreRow; ++row) {
    for (int field = 1; field <= kHighscoreFields; ++field) {
      AppendIntRecord(out, HighscoreTable[row].At(field));
    }
  }
  AppendIntRecord(out, StartCount);
  for (const std::uint8_t* option : Options()) AppendIntRecord(out, *option == 1 ? 1 : 0);
  AppendIntRecord(out, MessageIntervalToStore(TimerPlayerMessageInterval));
  AppendIntRecord(out, MessageIntervalToStore(TimerEnemyMessageInterval));
  AppendIntRecord(out, PlayerFireGunImageTimerInterval);
  AppendIntRecord(out, PlayerFireGunImageTimerInterval);  // the layout holds this timer twice
  AppendIntRecord(out, EnemyFireGunImageTimerInterval);
  AppendIntRecord(out, PlayerShieldTimerInterval);
  AppendIntRecord(out, EnemyShieldTimerInterval);
  return out;
}

std::vector<std::uint8_t> GeneralDataTextBytes() {
  std::vector<std::uint8_t> out;
  out.reserve(kGeneralDataTextBytes);
  for (int slot = 1; slot <= kLastSaveSlotRow; ++slot) AppendTextRecord(out, SaveSlotNames[slot]);
  for (int row = 1; row <= kLastHighscoreRow; ++row) AppendTextRecord(out, HighscoreNames[row]);
  return out;
}

FileCheck ApplyGeneralDataBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts) {
  if (ints.size() < kGeneralDataIntBytes) return {false, false, "Read beyond end of file"};
  if (texts.size() < kGeneralDataTextBytes) return {false, true, "Read beyond end of file"};
  std::string cause = CheckHighscoreRows(ints);
  if (!cause.empty()) return {false, false, std::move(cause)};

  std::size_t next = 0;
  for (int slot = 1; slot <= kLastSaveSlotRow; ++slot) SaveSlotUsed[slot] = IntRecordAt(ints, next++);
  for (int row = 1; row <= kLastHighscoreRow; ++row) {
    for (int field = 1; field <= kHighscoreFields; ++field) {
      HighscoreTable[row].At(field) = IntRecordAt(ints, next++);
    }
  }
  StartCount = IntRecordAt(ints, next++);
  for (std::uint8_t* option : Options()) *option = IntRecordAt(ints, next++) == 1 ? 1 : 0;
  auto message = [&] {
    return StoredInterval(IntRecordAt(ints, next++), kMessageInterval, kSlowMessageInterval);
  };
  auto animation = [&] {
    return StoredInterval(IntRecordAt(ints, next++), kAnimationInterval, kSlowAnimationInterval);
  };
  TimerPlayerMessageInterval = message();
  TimerEnemyMessageInterval = message();
  PlayerFireGunImageTimerInterval = animation();
  PlayerFireGunImageTimerInterval = animation();  // the second copy is the one that counts
  EnemyFireGunImageTimerInterval = animation();
  PlayerShieldTimerInterval = animation();
  EnemyShieldTimerInterval = animation();

  next = 0;
  for (int slot = 1; slot <= kLastSaveSlotRow; ++slot) SaveSlotNames[slot] = TextRecordAt(texts, next++);
  for (int row = 1; row <= kLastHighscoreRow; ++row) HighscoreNames[row] = TextRecordAt(texts, next++);
  return {};
}

FileResult ReadGeneralData(const std::filesystem::path& folder, FileSystem& fs) {
  const std::filesystem::path intFile = folder / kGeneralDataIntName;
  const std::filesystem::path textFile = folder / kGeneralDataTextName;
  std::vector<std::uint8_t> ints;
  std::vector<std::uint8_t> texts;
  // A write of the pair that was interrupted is finished or undone first.
  std::filesystem::path unfinished;
  const IoStatus finished = FinishInterruptedPair(fs, intFile, textFile, unfinished);
  const IoStatus intStatus = finished.ok ? fs.ReadAll(intFile, ints, kGeneralDataIntBytes) : finished;
  const IoStatus textStatus = fs.ReadAll(textFile, texts, kGeneralDataTextBytes);

  if (intStatus.NotFound() && textStatus.NotFound()) {  // a first start
    SetGeneralDataDefaults();
    return {true, {}, {}};
  }

  FileCheck check;
  if (!intStatus.ok) {
    check = {false, false, intStatus.cause};
  } else if (!textStatus.ok) {
    check = {false, true, textStatus.cause};
  } else {
    check = ApplyGeneralDataBytes(ints, texts);
    if (check.ok) return {true, {}, {}};
  }

  // The pair cannot be used. Whatever of it exists is kept aside, so that the defaults written at
  // program end overwrite nothing.
  SetGeneralDataDefaults();
  std::string text = "The game's general data could not be read. " +
                     std::string(check.inTextFile ? kGeneralDataTextName : kGeneralDataIntName) +
                     ": " + check.cause + ". The game starts with its default settings";
  std::string kept;
  bool keptAll = true;
  for (const std::filesystem::path& file : {intFile, textFile}) {
    if (!fs.Exists(file)) continue;
    const std::filesystem::path bad = FreeBadNameOf(fs, file);
    if (fs.Rename(file, bad).ok) {
      kept += (kept.empty() ? "" : " and ") + bad.filename().string();
    } else {
      keptAll = false;
    }
  }
  if (!kept.empty()) text += "; what was there has been kept as " + kept;
  if (!keptAll) text += "; a damaged file could not be renamed and will be replaced at the end of the game";
  text += ".";
  return {false, "General data damaged!", std::move(text)};
}

IoStatus WriteGeneralDataFiles(const std::filesystem::path& folder, FileSystem& fs,
                               std::filesystem::path& failedFile) {
  const std::vector<std::uint8_t> ints = GeneralDataIntBytes();
  const std::vector<std::uint8_t> texts = GeneralDataTextBytes();
  const std::filesystem::path intFile = folder / kGeneralDataIntName;
  const std::filesystem::path textFile = folder / kGeneralDataTextName;
  // Unchanged data is not written again: most saves change neither the slot list nor the scores.
  IoStatus status = FinishInterruptedPair(fs, intFile, textFile, failedFile);
  if (!status.ok) return status;
  if (FileHolds(fs, intFile, ints) && FileHolds(fs, textFile, texts)) return IoStatus::Success();
  return WriteFilePair(fs, {intFile, ints}, {textFile, texts}, failedFile);
}

FileResult WriteGeneralData(const std::filesystem::path& folder, FileSystem& fs) {
  std::filesystem::path failed;
  const IoStatus status = WriteGeneralDataFiles(folder, fs, failed);
  if (!status.ok) {
    return {false, "Write error!",
            "The game's settings, high scores and savegame names could not be written. " +
                failed.filename().string() + ": " + status.cause + "."};
  }
  return {true, {}, {}};
}

}  // namespace state
