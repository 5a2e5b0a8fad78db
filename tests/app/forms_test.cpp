// The registry of the game's forms: every layout in resources/ is a form the game creates, each
// one is reached through the registry by its own class, and each one renders. A screen added without its entry, or
// an entry without its layout, fails here.
#include "app/forms.h"

#include <SDL.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/layout.h"
#include "screens/shared/game_forms.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;

TEST_F(GameFormsTest, EveryLayoutBelongsToARegisteredFormAndEveryFormRenders) {
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  std::set<std::string> registered;
  for (const app::FormEntry& e : app::GameForms()) {
    SCOPED_TRACE(e.name);
    registered.insert(platform::LayoutFileName(e.name));
    platform::Form* form = platform::App().FindForm(e.name);
    ASSERT_NE(form, nullptr) << "created, under its own name";
    EXPECT_EQ(screens::FindGameForm(typeid(*form)), form) << "registered under its own class";
    auto surface = platform::App().RenderForm(*form);
    ASSERT_NE(surface, nullptr);
    EXPECT_GT(surface->w, 0);
    EXPECT_GT(surface->h, 0);
  }
  EXPECT_EQ(registered.size(), app::GameForms().size()) << "two entries share a layout";

  for (const auto& file : fs::directory_iterator(FARHAVEN_SOURCE_DIR "/resources")) {
    if (file.path().extension() != ".layout") continue;
    EXPECT_TRUE(registered.count(file.path().filename().string()))
        << file.path().filename() << " is the layout of no registered form";
  }
  platform::SetAssetFolder("");
}

}  // namespace
}  // namespace screens_test
