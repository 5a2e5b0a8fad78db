#include "rules/news.h"

#include "rules/news_texts.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::NewsList;
using state::Random;

bool ValidSlot(int slot) { return slot >= 1 && slot <= state::kLastNews; }

// The name of a table entry, or empty for an index outside the table.
template <class Texts, class Field>
std::string_view NameAt(const Texts& texts, int index, Field field) {
  if (index < 0 || index >= static_cast<int>(texts.size())) return {};
  return texts[index][field];
}

std::string_view GoodNameAt(int good) {
  if (good < 0 || good >= static_cast<int>(state::GoodName.size())) return {};
  return state::GoodName[good];
}

// A stored variant outside 1..10 (a damaged save) reads as variant 1.
std::string_view Variant(const SentenceVariants& sentences, int variant) {
  if (variant < 1 || variant > 10) variant = 1;
  return sentences[variant - 1];
}

// Draws the entry's missing variants in field order, then joins the three sentences in quotes.
std::string Compose(NewsKind kind, int slot, news::Field thirdField, const NewsNames& names) {
  if (!ValidSlot(slot)) return {};
  state::TNewsRow& entry = NewsList[slot];
  for (const news::Field field :
       {news::kFirstSentenceVariant, news::kSecondSentenceVariant, thirdField}) {
    if (entry[field] == 0) entry[field] = Random(10) + 1;
  }
  const NewsSentences sentences = NewsSentencesOf(kind);
  std::string text = "\"";
  text += FillNames(Variant(sentences.part1, entry[news::kFirstSentenceVariant]), names);
  text += ' ';
  text += FillNames(Variant(sentences.part2, entry[news::kSecondSentenceVariant]), names);
  text += ' ';
  text += FillNames(Variant(sentences.part3, entry[thirdField]), names);
  text += '"';
  return text;
}

}  // namespace

int InsertNewsEntry() {
  for (int row = state::kLastNews; row >= 2; --row) {
    for (int field = 1; field <= 100; ++field)
      NewsList[row].At(field) = NewsList[row - 1].At(field);
    state::NewsHeadline[row] = state::NewsHeadline[row - 1];
  }
  // The new entry starts from a cleared row.
  NewsList[1].fill(0);
  state::NewsHeadline[1].clear();
  return 1;
}

void UpdateMarketNews() {
  for (int row = 1; row <= state::kLastNews; ++row) {
    if (NewsList[row][news::kValid] > 0 && NewsList[row][news::kLifetime] > 0)
      NewsList[row][news::kLifetime] -= 1;
  }
  if (Random(100) > 5) return;

  const int slot = InsertNewsEntry();
  state::TNewsRow& entry = NewsList[slot];
  entry[news::kValid] = 1;
  const int r = Random(100);
  const NewsKind kind = r <= 30   ? kNewsNeedForGoods
                        : r <= 60 ? kNewsSurplus
                        : r <= 80 ? kNewsPirateAttack
                                  : kNewsIncreasedPatrols;
  entry[news::kKind] = state::Stored(kind);
  if (kind == kNewsNeedForGoods || kind == kNewsSurplus) {
    // Only goods 1..10 can be named; the draws stop at the first good that exists.
    for (int draws = 1; draws <= 1000; ++draws) {
      int good = Random(101);
      if (good >= 11) good = 0;
      entry[news::kSubject] = good;
      if (state::GoodBasePrice[good] > 0) break;
    }
  }
  entry[news::kDay] = state::GameDay;
  entry[news::kLifetime] = 20 + Random(30);
  entry[news::kSystem] = Random(24) + 1;

  std::string headline;
  switch (kind) {
    case kNewsNeedForGoods:
      headline = "Need for " + std::string(GoodNameAt(entry[news::kSubject]));
      break;
    case kNewsSurplus:
      headline = "Surplus of " + std::string(GoodNameAt(entry[news::kSubject]));
      break;
    case kNewsPirateAttack: headline = "Pirates attack"; break;
    default: headline = "Increased patrols"; break;
  }
  headline += " : ";
  headline += state::SystemText[entry[news::kSystem]][system_text::kName];
  state::NewsHeadline[slot] = headline;
}

std::string BuildNeedForGoodsNews(std::string_view system, std::string_view good, int slot) {
  return Compose(kNewsNeedForGoods, slot, news::kThirdSentenceVariant, {{}, {}, system, good});
}

std::string BuildSurplusNews(std::string_view system, std::string_view good, int slot) {
  return Compose(kNewsSurplus, slot, news::kThirdSentenceVariant, {{}, {}, system, good});
}

std::string BuildPirateAttackNews(std::string_view system, std::string_view good, int slot) {
  return Compose(kNewsPirateAttack, slot, news::kThirdSentenceVariant, {{}, {}, system, good});
}

std::string BuildIncreasedPatrolsNews(std::string_view system, std::string_view good, int slot) {
  return Compose(kNewsIncreasedPatrols, slot, news::kThirdSentenceVariant, {{}, {}, system, good});
}

std::string BuildWarDeclaredNews(std::string_view declaring, std::string_view other, int slot) {
  return Compose(kNewsWarDeclared, slot, news::kWarThirdSentenceVariant,
                 {declaring, other, {}, {}});
}

std::string BuildCeaseFireNews(std::string_view first, std::string_view second, int slot) {
  return Compose(kNewsCeaseFire, slot, news::kThirdSentenceVariant, {first, second, {}, {}});
}

std::string BuildInvasionNews(std::string_view attacker, std::string_view defender,
                              std::string_view system, int slot) {
  return Compose(kNewsInvasion, slot, news::kThirdSentenceVariant,
                 {attacker, defender, system, {}});
}

std::string BuildSystemCapturedNews(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int slot) {
  return Compose(kNewsSystemCaptured, slot, news::kThirdSentenceVariant,
                 {attacker, defender, system, {}});
}

std::string BuildInvasionFailedNews(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int slot) {
  return Compose(kNewsInvasionFailed, slot, news::kThirdSentenceVariant,
                 {attacker, defender, system, {}});
}

std::string BuildNewsText(int slot) {
  if (!ValidSlot(slot)) return {};
  const state::TNewsRow& entry = NewsList[slot];
  const std::string_view system =
      NameAt(state::SystemText, entry[news::kSystem], system_text::kName);
  const std::string_view first =
      NameAt(state::FactionText, entry[news::kSubject], faction_text::kShortName);
  const std::string_view second =
      NameAt(state::FactionText, entry[news::kSecondFaction], faction_text::kShortName);
  switch (NewsKind{entry[news::kKind]}) {
    case kNewsNeedForGoods:
      return BuildNeedForGoodsNews(system, GoodNameAt(entry[news::kSubject]), slot);
    case kNewsSurplus: return BuildSurplusNews(system, GoodNameAt(entry[news::kSubject]), slot);
    case kNewsPirateAttack:
      return BuildPirateAttackNews(system, GoodNameAt(entry[news::kSubject]), slot);
    case kNewsIncreasedPatrols:
      return BuildIncreasedPatrolsNews(system, GoodNameAt(entry[news::kSubject]), slot);
    case kNewsWarDeclared: return BuildWarDeclaredNews(first, second, slot);
    case kNewsCeaseFire: return BuildCeaseFireNews(first, second, slot);
    case kNewsInvasion: return BuildInvasionNews(first, second, system, slot);
    case kNewsSystemCaptured: return BuildSystemCapturedNews(first, second, system, slot);
    case kNewsInvasionFailed: return BuildInvasionFailedNews(first, second, system, slot);
    default: return {};
  }
}

std::string_view NewsTopic(NewsKind kind) {
  return kind >= kNewsWarDeclared ? "War news!" : "Trade news!";
}

}  // namespace rules
