// Save games: four slots, each a pair of files in the data folder, "Savegame<slot>.int" (the
// integer tables, one little-endian 32-bit record per element) and "Savegame<slot>.str" (the text
// tables, one 256-byte record per string). The layout has no header: it is the fixed order in which
// the tables are written, index 0 of every dimension included and the spare top element left out.
//
// A save replaces both files of the slot at once or not at all, even when the program dies during it. A load reads both files whole and
// checks them before any table changes, so a missing, short or damaged save changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <climits>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/data_folder.h"
#include "state/file_io.h"
#include "state/row.h"

namespace state {

inline constexpr int kFirstSaveSlot = 1;
inline constexpr int kLastSaveSlot = 4;

// Records and bytes of a slot's two files; a shorter file is refused, a longer one is read up to
// here.
inline constexpr std::size_t kSaveGameIntRecords = 203920;
inline constexpr std::size_t kSaveGameIntBytes = kSaveGameIntRecords * kIntRecordSize;
inline constexpr std::size_t kSaveGameTextRecords = 4853;
inline constexpr std::size_t kSaveGameTextBytes = kSaveGameTextRecords * kTextRecordSize;

// The texts of the save and load questions and results, as the player reads them.
inline constexpr std::string_view kReallySaveTopic = "Really save?";
inline constexpr std::string_view kReallySaveText =
    "Do you really wish to save the game in this savegame slot? (A previous savegame in the same "
    "slot would be overwritten)";
inline constexpr std::string_view kReallyLoadTopic = "Really load?";
inline constexpr std::string_view kReallyLoadText = "Do you really wish to load this game?";
inline constexpr std::string_view kNoGameToSaveTopic = "N/A";
inline constexpr std::string_view kNoGameToSaveText = "Please first start a new game before saving.";
inline constexpr std::string_view kEmptySlotTopic = "Empty savegame slot!";
inline constexpr std::string_view kEmptySlotText =
    "This savegame slot is empty. You cannot load a not-existent game.";

// The values a loaded game may hold. A number no game reaches is refused with the save, so that
// the rules' arithmetic on it cannot overflow; the amounts that saturate (credits, experience,
// rewards) may reach the limit of 32 bits.
struct SavedRange {
  std::int32_t low;
  std::int32_t high;
};
inline constexpr std::int32_t kMostSavedValue = 1000000000;
inline constexpr SavedRange kSavedValue{-kMostSavedValue, kMostSavedValue};  // any other field
inline constexpr SavedRange kSavedAmount{-kMostSavedValue, INT32_MAX};
inline constexpr SavedRange kSavedCount{0, kMostSavedValue};
inline constexpr SavedRange kSavedDaysLeft{-kMostSavedValue, kMostSavedValue};
inline constexpr SavedRange kSavedDays{0, 100000000};  // the game day: some 270,000 years

// A field of a saved row with its own range.
template <class Kind>
struct SavedField {
  Field<Kind> field;
  SavedRange range;
  std::string_view what;  // for the player: "the credits", "the ship's class"
};
std::span<const SavedField<PlayerFields>> SavedPlayerFields();
std::span<const SavedField<ShipFields>> SavedShipFields();

// The largest hold any ship can have, every fitting and skill counted: the bound of the cargo
// carried, good by good and all together.
std::int32_t LargestCargoHold();

// "Savegame1.int", "Savegame1.str" ... for slots 1..4.
std::string SaveGameIntName(int slot);
std::string SaveGameTextName(int slot);

// The two files' bytes for the game as it stands.
std::vector<std::uint8_t> SaveGameIntBytes();
std::vector<std::uint8_t> SaveGameTextBytes();

// Checks a save game given as its two files' bytes: sizes, every number within what a game can
// reach, and every field that indexes a table in its range. Changes nothing.
FileCheck CheckSaveGameBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts);

// Checks a save game given as its two files' bytes as CheckSaveGameBytes does, and only when all is
// sound puts it into the tables. A refused save changes nothing.
FileCheck ApplySaveGameBytes(std::span<const std::uint8_t> ints, std::span<const std::uint8_t> texts);

// The name a save without one is given: the pilot's name and the star date of `gameDay`
// ("Incognito - Star date 2450.1"). A long pilot's name is cut so that the whole name, its date
// included, fits the 255 characters a slot name holds.
std::string AutomaticSlotName(std::string_view pilot, std::int32_t gameDay);

// The name a slot shows for a save made under `name`: the name as typed, or, when it is blank, the
// automatic name of the game as it stands, so a used slot never looks empty.
std::string SaveSlotName(std::string_view name);

// The file step of a confirmed save: writes the slot's two files into `folder`, then marks the slot
// used, gives it SaveSlotName(`name`) and writes the general data. The caller has asked kReallySaveTopic first
// and shows the result: "Game saved!" or what went wrong. A failed save keeps the slot's former
// files, flag and name.
FileResult SaveGame(int slot, std::string_view name, const std::filesystem::path& folder = DataFolder(),
                    FileSystem& fs = RealFileSystem());

// The file step of a confirmed load: finishes or undoes a save of the slot that was interrupted,
// then reads and checks the slot's two files from `folder` and puts them into the tables. The caller has asked kReallyLoadTopic first and shows the result: "Game
// loaded!" or why nothing was loaded.
FileResult LoadGame(int slot, const std::filesystem::path& folder = DataFolder(),
                    FileSystem& fs = RealFileSystem());

// The files on disk decide which slots are used: a slot marked empty whose pair in `folder` is whole
// and passes the load's checks is marked used, under the name the general data keeps for it or,
// when that is blank, the automatic name of the pilot and the star date the pair holds. A save of
// the slot that was interrupted is finished or undone first, as a load does. A slot marked used is
// left as it is: when its pair is missing or damaged, its Load says why.
void FindSavedSlots(const std::filesystem::path& folder = DataFolder(),
                    FileSystem& fs = RealFileSystem());

}  // namespace state
