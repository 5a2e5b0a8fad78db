#include "rules/news.h"

#include <gtest/gtest.h>

#include <string>

#include "state/fields.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::NewsHeadline;
using state::NewsList;

class News : public World {};

TEST_F(News, NewEntriesPushTheOldestOutAndStartCleared) {
  for (int n = 1; n <= 21; ++n) {
    // Whatever row 0 holds never reaches a new entry.
    NewsList[0].fill(99);
    NewsHeadline[0] = "stale";
    const int slot = rules::InsertNewsEntry();
    ASSERT_EQ(slot, 1);
    for (int field = 0; field < state::kRowLength; ++field) {
      ASSERT_EQ(NewsList[1].At(field), 0) << field;
    }
    ASSERT_EQ(NewsHeadline[1], "");
    NewsList[1][news::kValid] = 1;
    NewsList[1][news::kDay] = n;
    NewsHeadline[1] = "news " + std::to_string(n);
  }
  EXPECT_EQ(NewsList[1][news::kDay], 21);
  EXPECT_EQ(NewsList[20][news::kDay], 2);
  EXPECT_EQ(NewsHeadline[20], "news 2");
}

// Many days of market news: every new entry is well formed; old ones age down to 0 and stay.
TEST_F(News, MarketNewsAreWellFormedAndAgeWithoutLeaving) {
  for (int s = 1; s <= state::kLastSystem; ++s) AddSystem(s, 1 + s % 4);
  int written = 0;
  int kinds[5] = {};
  for (int day = 2; day <= 3000; ++day) {
    state::GameDay = day;
    const int before = NewsList[1][news::kDay];
    const int lifetime20 = NewsList[20][news::kLifetime];
    rules::UpdateMarketNews();
    if (NewsList[1][news::kValid] == 1 && NewsList[1][news::kDay] == day && before != day) {
      ++written;
      const state::TNewsRow& e = NewsList[1];
      ASSERT_GE(e[news::kKind], 1);
      ASSERT_LE(e[news::kKind], 4);
      ++kinds[e[news::kKind]];
      ASSERT_GE(e[news::kLifetime], 20);
      ASSERT_LE(e[news::kLifetime], 49);
      ASSERT_GE(e[news::kSystem], 1);
      ASSERT_LE(e[news::kSystem], 24);
      const std::string system = " : System " + std::to_string(e[news::kSystem]);
      switch (rules::NewsKind{e[news::kKind]}) {
        case rules::kNewsNeedForGoods:
          ASSERT_GE(e[news::kSubject], 1);
          ASSERT_LE(e[news::kSubject], 10);
          ASSERT_EQ(NewsHeadline[1], "Need for " + state::GoodName[e[news::kSubject]] + system);
          break;
        case rules::kNewsSurplus:
          ASSERT_GE(e[news::kSubject], 1);
          ASSERT_LE(e[news::kSubject], 10);
          ASSERT_EQ(NewsHeadline[1], "Surplus of " + state::GoodName[e[news::kSubject]] + system);
          break;
        case rules::kNewsPirateAttack:
          ASSERT_EQ(e[news::kSubject], 0);
          ASSERT_EQ(NewsHeadline[1], "Pirates attack" + system);
          break;
        default:
          ASSERT_EQ(e[news::kSubject], 0);
          ASSERT_EQ(NewsHeadline[1], "Increased patrols" + system);
      }
      // Variants are drawn only when the text is first built.
      ASSERT_EQ(e[news::kFirstSentenceVariant] + e[news::kSecondSentenceVariant] +
                    e[news::kThirdSentenceVariant] + e[news::kWarThirdSentenceVariant],
                0);
    } else if (NewsList[20][news::kValid] == 1) {
      ASSERT_EQ(NewsList[20][news::kLifetime], lifetime20 > 0 ? lifetime20 - 1 : 0);
    }
  }
  // About 6 days in 100, every kind among them.
  EXPECT_GT(written, 120);
  EXPECT_LT(written, 240);
  for (int kind = 1; kind <= 4; ++kind) EXPECT_GT(kinds[kind], 0) << kind;
  EXPECT_EQ(NewsList[20][news::kLifetime], 0);
  EXPECT_EQ(NewsList[20][news::kValid], 1);
}

// The market-news rolls at their edges: a news on a roll of 5 and none on 6; the kind by the second
// roll; then the lifetime and the system, in that order (kinds 3 and 4 name no good).
TEST_F(News, MarketNewsRollsAtTheirEdges) {
  struct Case {
    int roll, kindRoll;
    int kind;  // 0: no news
  };
  const Case cases[] = {
      {6, 0, 0},  {5, 30, 1}, {5, 31, 2}, {5, 60, 2},
      {5, 61, 3}, {5, 80, 3}, {5, 81, 4}, {0, 99, 4},
  };
  for (const Case& c : cases) {
    SetUp();
    state::GameDay = 77;
    int lifetime = -1, system = -1;
    const std::uint32_t seed = FindSeed([&] {
      if (state::Random(100) != c.roll) return false;
      if (c.kind == 0) return true;
      if (state::Random(100) != c.kindRoll) return false;
      if (c.kind <= 2) return true;
      lifetime = state::Random(30);
      system = state::Random(24);
      return true;
    });
    state::Randomize(seed);
    rules::UpdateMarketNews();
    const std::string label = std::to_string(c.roll) + "/" + std::to_string(c.kindRoll);
    if (c.kind == 0) {
      EXPECT_EQ(NewsList[1][news::kValid], 0) << label;
      EXPECT_EQ(state::RandSeed, SeedAfter(seed, 1)) << label;
      continue;
    }
    EXPECT_EQ(NewsList[1][news::kValid], 1) << label;
    EXPECT_EQ(NewsList[1][news::kKind], c.kind) << label;
    EXPECT_EQ(NewsList[1][news::kDay], 77) << label;
    if (c.kind >= 3) {
      EXPECT_EQ(NewsList[1][news::kLifetime], 20 + lifetime) << label;
      EXPECT_EQ(NewsList[1][news::kSystem], system + 1) << label;
      EXPECT_EQ(state::RandSeed, SeedAfter(seed, 4)) << label;
    }
  }
}

TEST_F(News, WarDeclaredTextIsQuotedExactlyAndKeepsItsThirdVariantInField24) {
  struct Case {
    int v1, v2, v3;
    std::string text;
  };
  const Case cases[] = {
      {1, 1, 1,
       "\"The Federation has officially declared war on the Syndicate. In the past the Federation "
       "have repeatedly accused the Syndicate of preparing a large scale invasion. As always, there "
       "will be people making profit from the current situation. And indeed, there will be reckless "
       "adventurers heading for the border systems.\""},
      {4, 3, 9,
       "\"It´s official – starting today the Federation and the Syndicate are at war. Federation "
       "officials explained that this action is necessary to defend important interests of its "
       "people living in the border regions. We will keep you in tune of further developments.\""},
      {10, 5, 7,
       "\"Outraged by the recent supply raids that the Syndicate has been carrying out against the "
       "Federation, the Federation formally declared war today. In the past, both factions have "
       "been accused of infiltrating each other’s border outposts. Since trade lines between the "
       "two factions have been cut, experts predict a rise in smuggler activity between the "
       "Federation and the Syndicate.\""},
  };
  for (const Case& c : cases) {
    const int slot = rules::InsertNewsEntry();
    NewsList[slot][news::kFirstSentenceVariant] = c.v1;
    NewsList[slot][news::kSecondSentenceVariant] = c.v2;
    NewsList[slot][news::kWarThirdSentenceVariant] = c.v3;
    const std::uint32_t seed = state::RandSeed;
    EXPECT_EQ(rules::BuildWarDeclaredNews("Federation", "Syndicate", slot), c.text);
    EXPECT_EQ(state::RandSeed, seed) << "stored variants draw nothing";
    EXPECT_EQ(NewsList[slot][news::kThirdSentenceVariant], 0);
  }
}

// Every variant of every family has a sentence, and every placeholder is filled.
TEST_F(News, EveryVariantOfEveryKindReadsAsThreeFilledSentences) {
  AddSystem(5, 2);
  for (int kind = state::Stored(rules::kNewsNeedForGoods);
       kind <= state::Stored(rules::kNewsInvasionFailed); ++kind) {
    for (int v = 1; v <= 10; ++v) {
      const int slot = rules::InsertNewsEntry();
      NewsList[slot][news::kKind] = kind;
      NewsList[slot][news::kSubject] = kind <= 2 ? 3 : kind <= 4 ? 0 : 1;
      NewsList[slot][news::kSecondFaction] = 2;
      NewsList[slot][news::kSystem] = 5;
      NewsList[slot][news::kFirstSentenceVariant] = NewsList[slot][news::kSecondSentenceVariant] =
          NewsList[slot][news::kThirdSentenceVariant] =
              NewsList[slot][news::kWarThirdSentenceVariant] = v;
      const std::string text = rules::BuildNewsText(slot);
      SCOPED_TRACE("kind " + std::to_string(kind) + " variant " + std::to_string(v));
      ASSERT_GE(text.size(), 40u);
      EXPECT_EQ(text.front(), '"');
      EXPECT_EQ(text.back(), '"');
      EXPECT_EQ(text.find('{'), std::string::npos) << text;
      EXPECT_EQ(text.find("  "), std::string::npos) << text;
      EXPECT_EQ(text.find("the  "), std::string::npos) << text;
    }
  }
  // The names the builders are given appear in their texts.
  const int slot = rules::InsertNewsEntry();
  NewsList[slot][news::kKind] = state::Stored(rules::kNewsNeedForGoods);
  NewsList[slot][news::kSubject] = 3;
  NewsList[slot][news::kSystem] = 5;
  NewsList[slot][news::kFirstSentenceVariant] = NewsList[slot][news::kSecondSentenceVariant] =
      NewsList[slot][news::kThirdSentenceVariant] = 1;
  EXPECT_EQ(rules::BuildNewsText(slot),
            "\"Good morning! Today we have some news for space traders and merchants. As a result "
            "of the recent military activities in the System 5 system, the prices of Weapons have "
            "skyrocketed. The government announced that at this time there is no way they can "
            "influence the markets to balance the current situation.\"");
}

TEST_F(News, ATextIsDrawnOnceAndReadsTheSameAfterSaveAndLoad) {
  AddSystem(7, 2);
  const int slot = rules::InsertNewsEntry();
  NewsList[slot][news::kValid] = 1;
  NewsList[slot][news::kKind] = state::Stored(rules::kNewsInvasion);
  NewsList[slot][news::kSubject] = 3;
  NewsList[slot][news::kSecondFaction] = 2;
  NewsList[slot][news::kSystem] = 7;
  state::Randomize(5);
  const std::string first = rules::BuildNewsText(slot);
  EXPECT_EQ(state::RandSeed, SeedAfter(5, 3));
  for (const news::Field field :
       {news::kFirstSentenceVariant, news::kSecondSentenceVariant, news::kThirdSentenceVariant}) {
    EXPECT_GE(NewsList[slot][field], 1);
    EXPECT_LE(NewsList[slot][field], 10);
  }
  EXPECT_EQ(NewsList[slot][news::kWarThirdSentenceVariant], 0);
  EXPECT_EQ(rules::BuildNewsText(slot), first);

  const state::TNewsRow saved = NewsList[slot];
  NewsList[slot].fill(0);
  NewsList[slot] = saved;
  state::Randomize(99);
  EXPECT_EQ(rules::BuildNewsText(slot), first);
  EXPECT_EQ(state::RandSeed, 99u);

  // An expired entry can still be opened.
  NewsList[slot][news::kLifetime] = 0;
  EXPECT_EQ(rules::BuildNewsText(slot), first);
}

TEST_F(News, DamagedVariantsAndSlotsDoNotBreakTheText) {
  const int slot = rules::InsertNewsEntry();
  NewsList[slot][news::kFirstSentenceVariant] = 1;
  NewsList[slot][news::kSecondSentenceVariant] = 1;
  NewsList[slot][news::kThirdSentenceVariant] = 1;
  const std::string expected = rules::BuildCeaseFireNews("Coalition", "Outer Rim", slot);
  NewsList[slot][news::kFirstSentenceVariant] = 57;
  NewsList[slot][news::kSecondSentenceVariant] = -3;
  NewsList[slot][news::kThirdSentenceVariant] = 11;
  EXPECT_EQ(rules::BuildCeaseFireNews("Coalition", "Outer Rim", slot), expected);
  EXPECT_EQ(rules::BuildCeaseFireNews("Coalition", "Outer Rim", 0), "");
  EXPECT_EQ(rules::BuildCeaseFireNews("Coalition", "Outer Rim", 21), "");
  EXPECT_EQ(rules::BuildNewsText(0), "");
}

}  // namespace
