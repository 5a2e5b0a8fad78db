// Checks that a label can be read: its whole caption stands inside it (no word cut at its edge, no
// line below its bottom), and its text stands out from its own background by a contrast ratio of
// at least 4.5:1 (the relative luminance of sRGB colours, as accessibility guidelines measure it).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "platform/canvas.h"
#include "platform/controls.h"

namespace screens_test {

inline double RelativeLuminance(platform::Color c) {
  const auto linear = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

inline double ContrastRatio(platform::Color a, platform::Color b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline constexpr double kLegibleContrast = 4.5;

// The caption shows whole: one line within the width, or wrapped lines that all fit, no word
// wider than the label.
inline void ExpectWholeText(platform::Label& label) {
  SCOPED_TRACE(label.Name() + ": \"" + label.Caption() + "\"");
  const std::string shown = label.Caption();
  int w = 0, h = 0;
  platform::MeasureText(label.GetFont(), shown.empty() ? " " : shown, w, h);
  EXPECT_LE(h, label.Height()) << "one line is taller than the label";
  if (!label.WordWrap()) {
    EXPECT_LE(w, label.Width()) << "the line runs past the label's edge";
    return;
  }
  EXPECT_LE(label.TextHeight(), label.Height()) << "the wrapped lines run below the label";
  std::istringstream words(shown);
  for (std::string word; words >> word;) {
    platform::MeasureText(label.GetFont(), word, w, h);
    EXPECT_LE(w, label.Width()) << "\"" << word << "\" is wider than the label";
  }
}

// The label paints its own background, against which its text reaches the contrast, and shows
// its whole caption.
inline void ExpectLegible(platform::Label& label) {
  ExpectWholeText(label);
  EXPECT_FALSE(label.Transparent()) << label.Name() << " lets whatever lies behind it through";
  EXPECT_GE(ContrastRatio(label.GetFont().color, label.GetColor()), kLegibleContrast)
      << label.Name() << ": its text against its background";
}

}  // namespace screens_test
