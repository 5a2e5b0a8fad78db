// The combat simulator as a player sees it: each set-up page asks for its own side's ship, and the
// duel screen reads as one frame: the pieces cover the whole screen, each unstretched piece exactly
// fills its place, the turn-based screen's end-turn control is not shown, the ships stay clear of
// the message panels, and the information panels stay clear of the icons they describe. With
// FARHAVEN_SCREENSHOTS set to a folder, the pages and the duel are saved there as PNG.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/start.h"
#include "combat/screens/simulator_screens.h"
#include "platform/pictures.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;
using platform::Rect;

struct DuelLooked {};

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

Rect Bounds(const platform::Control& c) { return Rect{c.Left(), c.Top(), c.Width(), c.Height()}; }

void Screenshot(platform::Form& form, const char* name) {
  if (const char* folder = std::getenv("FARHAVEN_SCREENSHOTS"); folder && *folder)
    platform::App().SaveScreenshot((std::filesystem::path(folder) / name).string(), &form);
}

class SimulatorDuelLayout : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    app::CreateForms();
  }
  void TearDown() override {
    app::DestroyForms();
    FormTest::TearDown();
  }
  static void Pick(platform::Form& page, const char* ship, const char* expertise) {
    ClickOn(*page.Find(ship));
    ClickOn(*page.Find(expertise));
    ClickOn(*page.Find("SpeedButton1"));
  }
};

TEST_F(SimulatorDuelLayout, PagesAskForTheirSideAndTheDuelReadsAsOneFrame) {
  bool looked = false;
  WhenIdle({
      [&] {
        EXPECT_EQ(screens::Form9->Get<Label>("ShipCaption").Caption(), "Choose your ship:");
        Screenshot(*screens::Form9, "simulator-player.png");
        Pick(*screens::Form9, "ShipButton3", "ExpertiseButton2");
      },
      [&] {
        EXPECT_EQ(screens::Form9->Get<Label>("ShipCaption").Caption(), "Choose the enemy's ship:");
        Screenshot(*screens::Form9, "simulator-enemy.png");
        Pick(*screens::Form9, "ShipButton1", "ExpertiseButton1");
      },
      [&] {
        platform::Form& duel = *screens::Form3;
        platform::App().AdvanceClock(1600);
        platform::App().ProcessMessages();
        Screenshot(duel, "simulator-duel.png");
        looked = true;

        EXPECT_FALSE(duel.Get<Image>("Interface5").Visible()) << "the end-turn control in a real-time duel";
        std::vector<bool> covered(std::size_t(duel.Width()) * duel.Height());
        for (int k = 1; k <= 36; ++k) {
          const Image& piece = duel.Get<Image>("Interface" + std::to_string(k));
          if (!piece.Visible()) continue;
          if (!piece.Stretch()) {
            auto picture = platform::LoadPicture(piece.PictureName());
            ASSERT_FALSE(picture->Missing()) << piece.Name();
            EXPECT_EQ(picture->Width(), piece.Width()) << piece.Name();
            EXPECT_EQ(picture->Height(), piece.Height()) << piece.Name();
          }
          for (int y = piece.Top(); y < piece.Top() + piece.Height() && y < duel.Height(); ++y)
            for (int x = piece.Left(); x < piece.Left() + piece.Width() && x < duel.Width(); ++x)
              covered[std::size_t(y) * duel.Width() + x] = true;
        }
        EXPECT_EQ(std::count(covered.begin(), covered.end(), false), 0) << "pixels of the duel no piece covers";

        for (int k = 1; k <= 4; ++k) {
          const std::string n = std::to_string(k);
          EXPECT_FALSE(Overlap(Bounds(duel.Get<Image>("Image1")), Bounds(*duel.Find("CMessage" + n + "_Panel")))) << n;
          EXPECT_FALSE(Overlap(Bounds(duel.Get<Image>("Image6")), Bounds(*duel.Find("Enemy_CMessage" + n + "_Panel"))))
              << n;
        }
        auto* screen = static_cast<screens::TForm3*>(&duel);
        for (int slot = 1; slot <= 12; ++slot) {
          screen->ShowSimulatorAbilityInfo(slot);
          const Rect shown = Bounds(*duel.Find("InfoPanel"));
          EXPECT_FALSE(Overlap(shown, Bounds(*duel.Find("AbilityPanel" + std::to_string(slot))))) << slot;
          EXPECT_LE(shown.x + shown.w, duel.Width()) << slot;
        }
        for (combat::Side side : {combat::Side::Player, combat::Side::Enemy}) {
          screen->ShowSimulatorModifierInfo(side, 1);
          const Rect shown = Bounds(*duel.Find("InfoPanel"));
          const char* stem = side == combat::Side::Player ? "ModImage" : "EnemyModImage";
          for (int k = 1; k <= 8; ++k)
            EXPECT_FALSE(Overlap(shown, Bounds(*duel.Find(stem + std::to_string(k))))) << stem << k;
        }
        throw DuelLooked{};
      },
  });
  try {
    FireClick(*app::Form1, "SpeedButton2");
  } catch (const DuelLooked&) {
  }
  EXPECT_TRUE(looked);
}

}  // namespace
}  // namespace screens_test
