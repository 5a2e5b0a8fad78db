// The start screen's hidden simulator button opens the simulator's set-up page for the player,
// with the button's sound; Back there returns to the start screen without a duel. The pages and the
// duel as a player sees them; with FARHAVEN_SCREENSHOTS set to a folder, they are saved there.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/start.h"
#include "screens/combat/simulator_screens.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"

namespace screens_test {
namespace {

using StartSimulator = GameFormsTest;

TEST_F(StartSimulator, HiddenButtonOpensThePlayerPageAndBackReturns) {
  WhenIdle({
      [&] {
        ASSERT_NE(&screens::GameForm<screens::SimulatorSetupScreen>(), nullptr);
        EXPECT_TRUE(screens::GameForm<screens::SimulatorSetupScreen>().Visible());
        EXPECT_EQ(screens::GameForm<screens::SimulatorSetupScreen>()
                      .Get<platform::Label>("Heading")
                      .Caption(),
                  "Player setup:");
        EXPECT_EQ(combat::SimulatorSetupStep, 1);
        ClickOn(*screens::GameForm<screens::SimulatorSetupScreen>().Find("BackButton"));
      },
      [] {},
  });
  FireClick(screens::GameForm<app::StartScreen>(), "SimulatorButton");
  EXPECT_TRUE(StepsLeft());  // nothing else waited for the player
  EXPECT_EQ(combat::SimulatorSetupStep, 0);
  EXPECT_FALSE(screens::GameForm<screens::SimulatorDuelScreen>().Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

struct DuelLooked {};

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

platform::Rect Bounds(const platform::Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// Saves the form as a PNG when FARHAVEN_SCREENSHOTS names a folder (scripts/screenshots.sh).
void Screenshot(platform::Form& form, const char* name) {
  if (const char* folder = std::getenv("FARHAVEN_SCREENSHOTS"); folder && *folder)
    platform::App().SaveScreenshot((std::filesystem::path(folder) / name).string(), &form);
}

// As a player sees the simulator: each set-up page asks for its own side's ship, and the duel screen
// reads as one frame: the pieces cover the whole screen, each unstretched piece exactly fills its
// place, the turn-based screen's end-turn control is not shown, the ships stay clear of the message
// panels, and the information panels stay clear of the icons they describe.
TEST_F(StartSimulator, PagesAskForTheirSideAndTheDuelReadsAsOneFrame) {
  bool looked = false;
  auto pick = [](platform::Form& page, const char* ship, const char* expertise) {
    ClickOn(*page.Find(ship));
    ClickOn(*page.Find(expertise));
    ClickOn(*page.Find("ContinueButton"));
  };
  WhenIdle({
      [&] {
        EXPECT_EQ(screens::GameForm<screens::SimulatorSetupScreen>()
                      .Get<platform::Label>("ShipCaption")
                      .Caption(),
                  "Choose your ship:");
        Screenshot(screens::GameForm<screens::SimulatorSetupScreen>(), "simulator-player.png");
        pick(screens::GameForm<screens::SimulatorSetupScreen>(), "ShipButton3", "ExpertiseButton2");
      },
      [&] {
        EXPECT_EQ(screens::GameForm<screens::SimulatorSetupScreen>()
                      .Get<platform::Label>("ShipCaption")
                      .Caption(),
                  "Choose the enemy's ship:");
        Screenshot(screens::GameForm<screens::SimulatorSetupScreen>(), "simulator-enemy.png");
        pick(screens::GameForm<screens::SimulatorSetupScreen>(), "ShipButton1", "ExpertiseButton1");
      },
      [&] {
        platform::Form& duel = screens::GameForm<screens::SimulatorDuelScreen>();
        platform::App().AdvanceClock(1600);
        platform::App().ProcessMessages();
        Screenshot(duel, "simulator-duel.png");
        looked = true;

        EXPECT_FALSE(duel.Get<platform::Image>("FramePiece5").Visible()) << "the end-turn control in a real-time duel";
        std::vector<bool> covered(std::size_t(duel.Width()) * duel.Height());
        for (int k = 1; k <= 36; ++k) {
          const platform::Image& piece = duel.Get<platform::Image>("FramePiece" + std::to_string(k));
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
          EXPECT_FALSE(Overlap(Bounds(duel.Get<platform::Image>("PlayerShipPicture")), Bounds(*duel.Find("PlayerMessage" + n + "Panel")))) << n;
          EXPECT_FALSE(Overlap(Bounds(duel.Get<platform::Image>("EnemyShipPicture")), Bounds(*duel.Find("EnemyMessage" + n + "Panel"))))
              << n;
        }
        auto* screen = static_cast<screens::SimulatorDuelScreen*>(&duel);
        for (int slot = 1; slot <= 12; ++slot) {
          screen->ShowSimulatorAbilityInfo(slot);
          const platform::Rect shown = Bounds(*duel.Find("InfoPanel"));
          EXPECT_FALSE(Overlap(shown, Bounds(*duel.Find("AbilityPanel" + std::to_string(slot))))) << slot;
          EXPECT_LE(shown.x + shown.w, duel.Width()) << slot;
        }
        for (combat::Side side : {combat::Side::Player, combat::Side::Enemy}) {
          screen->ShowSimulatorModifierInfo(side, 1);
          const platform::Rect shown = Bounds(*duel.Find("InfoPanel"));
          const char* stem = side == combat::Side::Player ? "PlayerModifier" : "EnemyModifier";
          for (int k = 1; k <= 8; ++k)
            EXPECT_FALSE(Overlap(shown, Bounds(*duel.Find(stem + std::to_string(k))))) << stem << k;
        }
        throw DuelLooked{};
      },
  });
  try {
    FireClick(screens::GameForm<app::StartScreen>(), "SimulatorButton");
  } catch (const DuelLooked&) {
  }
  EXPECT_TRUE(looked);
}

TEST_F(StartSimulator, TheDesktopCloseRequestDuringTheDuelWindsUpTheSimulator) {
  auto choose = [] {
    for (const char* name : {"ShipButton1", "ExpertiseButton1", "ContinueButton"})
      FireClick(screens::GameForm<screens::SimulatorSetupScreen>(), name);
  };
  bool duelShown = false;
  WhenIdle({
      choose,  // the player's page
      choose,  // the enemy's page
      [&] {
        duelShown = screens::GameForm<screens::SimulatorDuelScreen>().Visible();
        platform::App().CloseRequest();
      },
  });
  FireClick(screens::GameForm<app::StartScreen>(), "SimulatorButton");
  EXPECT_TRUE(duelShown);
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(screens::GameForm<screens::SimulatorDuelScreen>().Visible());
  EXPECT_FALSE(screens::GameForm<screens::SimulatorSetupScreen>().Visible());
  EXPECT_TRUE(platform::App().ModalStack().empty());
  EXPECT_TRUE(platform::App().Quitting());
}

}  // namespace
}  // namespace screens_test
