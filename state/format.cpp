#include "state/format.h"

namespace state {

std::string FormatThousands(std::int32_t value) {
  // Work on the magnitude in 64 bits so that the most negative int32 has a positive counterpart.
  std::int64_t magnitude = value;
  if (magnitude < 0) magnitude = -magnitude;
  const std::string digits = std::to_string(magnitude);

  std::string text;
  if (value < 0) text += '-';
  // The highest group carries no leading zeros; every lower group is three digits after a comma.
  std::size_t highest = digits.size() % 3;
  if (highest == 0) highest = 3;
  text.append(digits, 0, highest);
  for (std::size_t at = highest; at < digits.size(); at += 3) {
    text += ',';
    text.append(digits, at, 3);
  }
  return text;
}

std::string DateOf(std::int32_t day, std::int32_t firstYear) {
  return std::to_string(day / 360 + firstYear) + "." + std::to_string(day % 360);
}

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string NameInText(std::string_view name) {
  constexpr std::size_t kLongestName = 32;
  std::size_t characters = 0, cut = name.size();
  for (std::size_t i = 0; i < name.size(); ++i) {
    if ((static_cast<unsigned char>(name[i]) & 0xC0) == 0x80) continue;  // inside a UTF-8 character
    if (characters++ == kLongestName) {
      cut = i;
      break;
    }
  }
  if (cut == name.size()) return std::string(name);
  return std::string(name.substr(0, cut)) + "...";
}

}  // namespace state
