// The background window: the main form, black over the whole screen. Its first activation is the
// real start of the program: it copies an earlier build's files into the data folder, reads the
// general data, counts the start, starts the music and runs the start screen; when that returns,
// it writes the general data and ends the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/form.h"

namespace app {

// The environment variable that fixes the random generator's seed for a whole run.
inline constexpr const char* kSeedVariable = "FARHAVEN_SEED";
// A seed as a script or the environment writes it: a whole number from 0 to 4294967295.
std::optional<std::uint32_t> ParseSeed(std::string_view text);

// The address the credits screen offers to open.
inline constexpr const char* kWebSiteUrl = "https://example.org/farhaven4/";

class BackgroundWindow : public platform::Form {
 public:
  BackgroundWindow();

  // The start-up; runs once, on the first activation.
  void FormActivate();
  void OnMusicTimer();

 private:
  bool started_ = false;
  platform::Timer& musicTimer_ = Get<platform::Timer>("MusicTimer");
};

// The start-up after the forms exist, step by step; FormActivate runs these around the start
// screen's modal showing. Tests call them one by one.
void SeedRandomFromClock();      // or from $FARHAVEN_SEED when it holds a seed
void CopyEarlierGameFiles();     // an earlier build's files from the start folder, told once
void ReadGeneralDataAtStart();   // reads the general data, finds the saved slots, counts this start
void PrepareStartScreen();       // welcome panel, the high-score caption
void WriteGeneralDataAtEnd();

}  // namespace app
