// The general data: what outlives a single game. "GeneralData.int" holds the slot flags, the
// high-score table, the count of program starts, the five options and the intervals of the combat
// screen's display timers; "GeneralData.str" the slot names and the high-score names. Read once at
// start-up, written at program end and after every save that changes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "state/data_folder.h"
#include "state/file_io.h"

namespace state {

// Intervals of the ship combat screen's display timers, in milliseconds. The screen runs its
// timers from these; the options screen and the compatibility mode set them.
extern std::int32_t TimerPlayerMessageInterval;
extern std::int32_t TimerEnemyMessageInterval;
extern std::int32_t PlayerFireGunImageTimerInterval;
extern std::int32_t EnemyFireGunImageTimerInterval;
extern std::int32_t PlayerShieldTimerInterval;
extern std::int32_t EnemyShieldTimerInterval;

// The message timers' normal and slow pacing, and the animation timers'.
inline constexpr std::int32_t kMessageInterval = 1200;
inline constexpr std::int32_t kSlowMessageInterval = 2400;
inline constexpr std::int32_t kAnimationInterval = 400;
inline constexpr std::int32_t kSlowAnimationInterval = 800;

inline constexpr std::size_t kGeneralDataIntRecords = 517;
inline constexpr std::size_t kGeneralDataIntBytes = kGeneralDataIntRecords * kIntRecordSize;
inline constexpr std::size_t kGeneralDataTextRecords = 9;
inline constexpr std::size_t kGeneralDataTextBytes = kGeneralDataTextRecords * kTextRecordSize;

inline constexpr const char* kGeneralDataIntName = "GeneralData.int";
inline constexpr const char* kGeneralDataTextName = "GeneralData.str";

// The general data of a first start: no slot used, no names, an empty high-score table, no program
// starts yet, music and sound effects on, the other options off, the timers at normal pacing.
void SetGeneralDataDefaults();

// The two files' bytes for the general data as it stands. A message interval below 1000 ms (the
// compatibility mode's pacing) is stored as 1200 ms; the running intervals keep their values.
std::vector<std::uint8_t> GeneralDataIntBytes();
std::vector<std::uint8_t> GeneralDataTextBytes();

// Checks the general data given as its two files' bytes and only when they are sound takes them
// over. An option is on when its record is 1; a timer interval that is not one of the two pacings of
// its timer reads as the normal pacing.
FileCheck ApplyGeneralDataBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts);

// Start-up: finishes or undoes a write of the pair that was interrupted, then reads both files from
// `folder`. Missing files give the defaults (the files are made at program end). A damaged, short
// or unreadable pair, or anything not a regular file in its place, is renamed aside to
// "GeneralData.int.bad" and "GeneralData.str.bad" (".bad2", ".bad3" ... when an earlier one is
// there) and the defaults are used; the result then says so and is not ok.
FileResult ReadGeneralData(const std::filesystem::path& folder = DataFolder(),
                           FileSystem& fs = RealFileSystem());

// Writes both files into `folder`, replacing the old pair at once or not at all; a pair that
// already holds the data as it stands is left alone.
FileResult WriteGeneralData(const std::filesystem::path& folder = DataFolder(),
                            FileSystem& fs = RealFileSystem());

// The same, reporting the file step alone: on a failure `failedFile` names the file.
IoStatus WriteGeneralDataFiles(const std::filesystem::path& folder, FileSystem& fs,
                               std::filesystem::path& failedFile);

}  // namespace state
