#include "app/program.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/background.h"
#include "app/forms.h"
#include "audio/asset_files.h"
#include "audio/audio_system.h"
#include "platform/application.h"
#include "platform/data_check.h"
#include "platform/layout.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "screens/popups/popup_forms.h"
#include "state/data_folder.h"
#include "state/random.h"

namespace app {

namespace fs = std::filesystem;

namespace {

fs::path ProgramFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return {};
  fs::path folder(base);
  SDL_free(base);
  return folder;
}

// The game with its forms and its sound, for as long as `body` runs; torn down however it ends.
int WithGame(const std::function<int()>& body) {
  struct Session {
    Session() {
      audio::InitAudio();
      platform::App().AddLoopWork(&audio::PumpAudio);
      CreateForms();
    }
    ~Session() {
      DestroyForms();
      platform::App().ClearLoopWork();
      audio::ShutdownAudio();
    }
  } session;
  return body();
}

}  // namespace

void FindFolders() {
  const fs::path folder = ProgramFolder();
  // Beside the program (the build folder's), else where the install rules put them: DIR/bin holds
  // the program, DIR/share/farhaven the rest. The environment's folders come first; without any,
  // the layouts are the source folder's.
  const fs::path bin = folder.has_filename() ? folder : folder.parent_path();  // "DIR/bin/" too
  auto find = [&](const char* name) -> std::string {
    std::error_code ec;
    for (const fs::path& f : {bin / name, bin.parent_path() / "share/farhaven" / name}) {
      if (!bin.empty() && fs::is_directory(f, ec)) return f.string();
    }
    return {};
  };
  if (const std::string assets = find("assets"); !std::getenv("FARHAVEN_ASSETS") && !assets.empty()) {
    platform::SetAssetFolder(assets);
    audio::SetAssetFolder(assets);
  }
  if (const std::string layouts = find("resources"); !std::getenv("FARHAVEN_RESOURCES") && !layouts.empty())
    platform::SetLayoutFolder(layouts);
}

std::unique_ptr<state::DataFolderLock> HoldDataFolder(bool player) {
  const fs::path folder = state::DataFolder();
  // A folder that cannot be made shows up later, as each file that cannot be written.
  (void)state::MakeDataFolder(folder);
  auto lock = std::make_unique<state::DataFolderLock>(folder);
  if (lock->state() != state::FolderLock::HeldElsewhere) return lock;
  std::fprintf(stderr, "%s\n", state::kAlreadyRunningText);
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool window = driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
  if (player && window)
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Farhaven 4", state::kAlreadyRunningText, nullptr);
  return nullptr;
}

int RunGame() {
  // Without a display the game says so and ends, before the sound and the screens are set up.
  platform::App().OpenDisplay();
  const auto lock = HoldDataFolder(true);
  if (!lock) return 1;
  return WithGame([] {
    platform::App().Run();
    return 0;
  });
}

void AddGameSteps(platform::ScriptRunner& runner) {
  runner.AddVerb("seed", [](const platform::ScriptStep& step) {
    const auto seed = step.words.size() == 2 ? ParseSeed(step.words[1]) : std::nullopt;
    if (!seed) throw platform::ScriptError("seed takes a whole number from 0 to 4294967295");
    state::Randomize(*seed);
  });
  runner.AddVerb("answer", [&runner](const platform::ScriptStep& step) {
    if (step.words.size() != 2) throw platform::ScriptError("answer takes yes, no or continue");
    std::string button;
    try {
      button = screens::PopupAnswerButton(step.words[1]);
    } catch (const std::runtime_error& e) {
      throw platform::ScriptError(e.what());
    }
    runner.Perform("click " + button);
  });
  // Waits on the real clock until a file of that name exists (at most a minute), then reads on: a
  // test that runs the program beside another process tells it so when to go on.
  runner.AddVerb("await", [](const platform::ScriptStep& step) {
    if (step.words.size() != 2) throw platform::ScriptError("await takes a file name");
    for (int tries = 0; tries < 3000; ++tries) {
      std::error_code ec;
      if (fs::exists(step.words[1], ec)) return;
      SDL_Delay(20);
    }
    throw platform::ScriptError("await: " + step.words[1] + " did not appear within a minute");
  });
  // Hands the game to the real clock and reads no further step: from here the game runs as if its
  // player had stopped touching it, until the process is ended. The idle check uses it to measure
  // a screen that only a few steps reach.
  runner.AddVerb("idle", [](const platform::ScriptStep& step) {
    if (step.words.size() != 1) throw platform::ScriptError("idle takes nothing");
    platform::App().SetClock(nullptr);
    platform::App().SetIdleHook(nullptr);
  });
}

int RunGameScript(const std::string& scriptFile) {
  const auto lock = HoldDataFolder(false);
  if (!lock) return 1;
  return WithGame([&] {
    platform::ScriptRunner runner;
    AddGameSteps(runner);
    return platform::RunScriptFile(scriptFile, [] { platform::App().Run(); }, runner);
  });
}

int CheckData() {
  int problems = 0;
  for (const FormEntry& e : GameForms()) {
    for (const std::string& p : platform::CheckForm(platform::LayoutPath(e.name), e.make)) {
      std::fprintf(stderr, "%s\n", p.c_str());
      ++problems;
    }
  }
  if (problems == 0) {
    std::printf("Farhaven 4: %zu screens checked, no problems (layouts in %s, pictures in %s)\n",
                GameForms().size(), platform::LayoutFolder().c_str(), platform::AssetFolder().c_str());
  }
  return problems == 0 ? 0 : 1;
}

}  // namespace app
