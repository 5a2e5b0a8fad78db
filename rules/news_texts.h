// The sentence variants of the news texts: for each kind of news three parts of ten variants.
// A sentence names its subjects with placeholders that FillNames replaces:
// {A} the first faction, {B} the second faction, {S} the system, {G} the good.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/news.h"

namespace rules {

struct NewsNames {
  std::string_view first;   // {A}
  std::string_view second;  // {B}
  std::string_view system;  // {S}
  std::string_view good;    // {G}
};

using SentenceVariants = std::array<std::string_view, 10>;

struct NewsSentences {
  const SentenceVariants& part1;
  const SentenceVariants& part2;
  const SentenceVariants& part3;
};

// The sentences of one news kind 1..9; any other kind reads as kind 1.
NewsSentences NewsSentencesOf(NewsKind kind);

// The pattern with its placeholders replaced by the names.
std::string FillNames(std::string_view pattern, const NewsNames& names);

}  // namespace rules
