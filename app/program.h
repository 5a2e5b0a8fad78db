// The program: where it finds its pictures and layouts, the game run, the scripted run and the
// data check.
#pragma once

#include <memory>
#include <string>

namespace platform {
class ScriptRunner;
}
namespace state {
class DataFolderLock;
}

namespace app {

// Pictures and sounds come from the assets folder beside the program (the build folder) and the
// layouts from the resources folder beside it, when those exist and the environment names no
// other; the general-data and save files live in the data folder (state/data_folder.h).
void FindFolders();

// Makes the data folder and holds it while the result lives. Null when another running copy of
// the game holds it: that has been said on stderr, and in a message box when `player` is true and
// a window can be shown; nothing has been written.
std::unique_ptr<state::DataFolderLock> HoldDataFolder(bool player);

// Runs the game from start-up to exit; returns the exit code.
int RunGame();
// Runs the game under the steps of a script file; non-zero at the first failed step.
int RunGameScript(const std::string& scriptFile);
// The game's own script steps, added to `runner`:
//   answer yes|no|continue    presses that button of the popup that is open
//   seed N                    fixes the random generator's seed (0..4294967295) from here on
//   await "FILE"              waits until FILE exists (at most a minute of real time)
//   idle                      hands the game to the real clock and reads no further step
void AddGameSteps(platform::ScriptRunner& runner);
// Checks every form's layout, handlers and pictures; prints each problem, non-zero if any.
int CheckData();

}  // namespace app
