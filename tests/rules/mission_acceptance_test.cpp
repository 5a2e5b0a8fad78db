// Accepting an offer from the mission board: the refusals that change nothing, the danger question,
// the exact copy into the active mission, the Analysis records, the tutorial's slot and the refill
// of the board.
#include "rules/mission_acceptance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/missions.h"
#include "rules/new_game.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using rules::AcceptResult;
using state::ActiveMission;
using state::MissionOffers;

// Records the tutorial steps the acceptance begins.
struct TutorialUi : support::ScriptUi {
  std::vector<tutorial::Step> steps;
  void BeginTutorialStep(tutorial::Step step) override { steps.push_back(step); }
};

class MissionAcceptance : public ::testing::Test {
 protected:
  void SetUp() override {
    ui = TutorialUi();
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    state::Randomize(11);
    support::ScriptUi quiet;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), quiet);
    system = state::PlayerShip[ship::kSystem];
    state::ActiveMission = {};
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    // A full board of known offers: slot k has type `types[k]` and every field numbered.
    for (int k = 1; k <= state::kLastOfferSlot; ++k) PutOffer(k, kMissionPatrol);
  }

  void PutOffer(int slot, MissionType type) {
    state::TMissionRow& o = MissionOffers[system][slot];
    for (int f = 1; f <= 100; ++f) o.At(f) = 1000 * slot + f;
    o[mission::kActive] = 1;
    o[mission::kType] = state::Stored(type);
  }

  std::int32_t system = 0;
  TutorialUi ui;
};

TEST_F(MissionAcceptance, RefusalsSayWhyAndChangeNothing) {
  struct Case {
    const char* name;
    int slot;
    bool busy, emptySlot;
    int tutorialStep;  // 0: no tutorial
    AcceptResult result;
    const char* topic;
    rules::Popup kind;
  };
  const Case cases[] = {
      {"empty slot", 4, false, true, 0, AcceptResult::NoOffer, "No mission selected!", rules::Popup::Picture},
      {"slot outside the board", 7, false, false, 0, AcceptResult::NoOffer, "No mission selected!", rules::Popup::Picture},
      {"no slot", 0, false, false, 0, AcceptResult::NoOffer, "No mission selected!", rules::Popup::Picture},
      {"a mission runs", 1, true, false, 0, AcceptResult::Busy, "You are busy!", rules::Popup::Picture},
      {"busy beats the tutorial", 1, true, false, 10, AcceptResult::Busy, "You are busy!", rules::Popup::Picture},
      {"tutorial picks", 1, false, false, 10, AcceptResult::TutorialSlot, "Tutorial", rules::Popup::Text},
      {"tutorial accepts", 3, false, false, 11, AcceptResult::TutorialSlot, "Tutorial", rules::Popup::Text},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    if (c.emptySlot) MissionOffers[system][c.slot][mission::kActive] = 0;
    ActiveMission[mission::kActive] = c.busy ? 1 : 0;
    state::TutorialActive = c.tutorialStep != 0;
    state::TutorialStep = c.tutorialStep;
    const auto offers = MissionOffers;
    const auto active = ActiveMission;
    const auto bodies = state::BodyData;
    const std::uint32_t seed = state::RandSeed;

    EXPECT_EQ(rules::AcceptMissionOffer(c.slot, ui), c.result);
    ASSERT_EQ(ui.popups.size(), 1u);
    EXPECT_EQ(ui.popups[0].topic, c.topic);
    EXPECT_EQ(ui.popups[0].kind, c.kind);
    if (c.kind == rules::Popup::Picture) {
      EXPECT_EQ(ui.popups[0].picture, "GeneralMissionPic.jpg");
    }
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(offers == MissionOffers);
    EXPECT_TRUE(active == ActiveMission);
    EXPECT_TRUE(bodies == state::BodyData);
    EXPECT_EQ(seed, state::RandSeed) << "a refusal refills no board";
  }
}

TEST_F(MissionAcceptance, AcceptingCopiesTheMissionFieldsOnlyAndRefillsTheFreedSlot) {
  PutOffer(3, kMissionTransport);
  for (int f = 1; f <= 100; ++f) ActiveMission.At(f) = -f;
  const state::TMissionRow offer = MissionOffers[system][3];

  EXPECT_EQ(rules::AcceptMissionOffer(3, ui), AcceptResult::Accepted);

  const std::vector<int> copied = {2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 20, 30};
  EXPECT_EQ(ActiveMission[mission::kActive], 1);
  for (int f = 2; f <= 100; ++f) {
    const bool isCopied = std::find(copied.begin(), copied.end(), f) != copied.end();
    EXPECT_EQ(ActiveMission.At(f), isCopied ? offer.At(f) : -f) << "field " << f;
  }
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].topic, "Mission accepted!");
  EXPECT_EQ(ui.popups[0].text, "You have accepted the selected mission.");
  EXPECT_TRUE(ui.questions.empty()) << "a transport asks nothing";
  // The accepted slot was free when the board was refilled, so the new offer went there.
  const state::TMissionRow& refilled = MissionOffers[system][3];
  EXPECT_EQ(refilled[mission::kActive], 1);
  EXPECT_NE(refilled[mission::kReward], offer[mission::kReward]);
  for (int k : {1, 2, 4, 5, 6}) EXPECT_EQ(MissionOffers[system][k][mission::kReward], 1000 * k + 3);
}

TEST_F(MissionAcceptance, AmbushAndAssaultAskFirstAndAcceptOnlyOnYes) {
  for (const MissionType type : {kMissionAmbush, kMissionAssault}) {
    for (const bool yes : {false, true}) {
      SCOPED_TRACE(std::to_string(state::Stored(type)) + (yes ? " yes" : " no"));
      SetUp();
      PutOffer(2, type);
      ui.answers = {yes};
      const auto offers = MissionOffers;
      EXPECT_EQ(rules::AcceptMissionOffer(2, ui), yes ? AcceptResult::Accepted : AcceptResult::Declined);
      ASSERT_EQ(ui.questions.size(), 1u);
      EXPECT_EQ(ui.questions[0].topic, "Danger!");
      EXPECT_EQ(ActiveMission[mission::kActive], yes ? 1 : 0);
      if (!yes) {
        EXPECT_TRUE(offers == MissionOffers) << "the offer stays on the board";
        EXPECT_TRUE(ui.popups.empty());
      }
    }
  }
}

TEST_F(MissionAcceptance, AnalysisClearsTheRecordsOfVisibleBodiesOnly) {
  PutOffer(1, kMissionAnalysis);
  int visible = 0, hidden = 0;
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int b = 1; b <= state::kLastBody; ++b) {
      state::BodyData[s][b][body::kAnalysed] = 1;
      (state::BodyData[s][b][body::kVisible] > 0 ? visible : hidden) += 1;
    }
  ASSERT_GT(visible, 0);
  ASSERT_GT(hidden, 0);

  EXPECT_EQ(rules::AcceptMissionOffer(1, ui), AcceptResult::Accepted);
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int b = 1; b <= state::kLastBody; ++b)
      EXPECT_EQ(state::BodyData[s][b][body::kAnalysed], state::BodyData[s][b][body::kVisible] > 0 ? 0 : 1)
          << s << "/" << b;
}

TEST_F(MissionAcceptance, OtherMissionsKeepThePlanetRecords) {
  state::BodyData[system][2][body::kAnalysed] = 1;
  EXPECT_EQ(rules::AcceptMissionOffer(1, ui), AcceptResult::Accepted);
  EXPECT_EQ(state::BodyData[system][2][body::kAnalysed], 1);
}

TEST_F(MissionAcceptance, TheTutorialTakesTheSecondOfferAndMovesOnAtItsAcceptStep) {
  struct Case {
    int step;
    std::vector<tutorial::Step> begun;
  };
  const Case cases[] = {{10, {}}, {11, {tutorial::Step::ReopenMission}}, {12, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    SetUp();
    state::TutorialActive = 1;
    state::TutorialStep = c.step;
    EXPECT_EQ(rules::AcceptMissionOffer(2, ui), AcceptResult::Accepted);
    EXPECT_EQ(ui.steps, c.begun);
  }
  // Outside steps 10 and 11 any offer may be taken.
  SetUp();
  state::TutorialActive = 1;
  state::TutorialStep = 12;
  EXPECT_EQ(rules::AcceptMissionOffer(5, ui), AcceptResult::Accepted);
}

}  // namespace
