#include "tools/assetgen/style.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "tools/assetgen/canvas.h"

namespace assetgen {
namespace {

// State words as the file names spell them ("_Highlighted", "HIGHLIGHT", "M", "ON+", "_over"...).
std::string StateWord(std::string_view token) {
  std::string s;
  for (char c : token)
    if (c != '_') s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool ApplyState(std::string_view token, Style& style) {
  std::string w = StateWord(token);
  if (w == "highlighted" || w == "highlight" || w == "h" || w == "m" || w == "mouseover" || w == "over" || w == "lit")
    return style.lit = true;
  if (w == "on" || w == "selected") return style.on = true;
  if (w == "on+") return style.on = style.lit = true;
  if (w == "off") return style.off = true;
  if (w == "dim") return style.dim = true;
  return w == "normal";
}

int ToInt(std::string_view s, int fallback) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && end == s.data() + s.size() ? v : fallback;
}

}  // namespace

std::uint32_t Hash(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (char c : text) h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return h;
}

int Style::Int(std::string_view name, int fallback) const {
  auto it = params.find(name);
  return it == params.end() ? fallback : ToInt(it->second, fallback);
}

double Style::Fraction(std::string_view name, double fallback) const {
  auto it = params.find(name);
  if (it == params.end()) return fallback;
  std::string_view v = it->second;
  auto slash = v.find('/');
  int a = ToInt(v.substr(0, slash), -1), b = slash == std::string_view::npos ? 1 : ToInt(v.substr(slash + 1), 0);
  if (a < 0 || b <= 0) return fallback;
  return std::clamp(double(a) / b, 0.0, 1.0);
}

std::string Style::Text(std::string_view name) const {
  auto it = params.find(name);
  return it == params.end() ? std::string() : it->second;
}

Style ParseStyle(std::string_view kind, const Catalogue& catalogue, const std::set<std::string, std::less<>>& flags,
                 const std::set<std::string, std::less<>>& params) {
  Style style;
  std::size_t start = 0;
  for (bool first = true;; first = false) {
    auto dot = kind.find('.', start);
    std::string_view token = kind.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (first) {
      style.shape = token;
    } else if (token.empty() || ApplyState(token, style)) {
    } else if (auto eq = token.find('='); eq != std::string_view::npos) {
      std::string name(token.substr(0, eq));
      if (name != "hue" && !params.contains(name))
        throw std::invalid_argument("shape '" + style.shape + "' takes no parameter '" + name + "'");
      style.params[name] = token.substr(eq + 1);
      if (name == "hue" && !style.tint) style.tint = HueColour(Hash(token.substr(eq + 1)));
    } else if (flags.contains(token)) {
      style.flags.emplace(token);
    } else if (auto c = catalogue.colours.find(token); c != catalogue.colours.end()) {
      style.tint = c->second;
    } else {
      throw std::invalid_argument("'" + std::string(token) + "' is no state, colour or flag of shape '" +
                                  style.shape + "'");
    }
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return style;
}

}  // namespace assetgen
