#include "tools/assetgen/catalogue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <unordered_map>

namespace assetgen {
namespace {

using Lists = std::map<std::string, std::vector<std::string>, std::less<>>;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool ParseInt(std::string_view s, int& out) {
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One alternative list item: a list name, a numeric range "a..b" (zero padding kept) or a literal.
void ExpandItem(std::string_view item, const Lists& lists, std::vector<std::string>& out) {
  if (auto it = lists.find(item); it != lists.end()) {
    out.insert(out.end(), it->second.begin(), it->second.end());
    return;
  }
  if (auto dots = item.find(".."); dots != std::string_view::npos) {
    std::string_view a = item.substr(0, dots), b = item.substr(dots + 2);
    int from = 0, to = 0;
    if (IsDigits(a) && IsDigits(b) && ParseInt(a, from) && ParseInt(b, to)) {
      if (to < from || to - from > 1000) throw std::invalid_argument("bad range {" + std::string(item) + "}");
      std::size_t width = a.size() > 1 && a[0] == '0' ? a.size() : 0;
      for (int v = from; v <= to; ++v) {
        std::string s = std::to_string(v);
        if (s.size() < width) s.insert(0, width - s.size(), '0');
        out.push_back(std::move(s));
      }
      return;
    }
  }
  out.emplace_back(item);
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Replaces $N (value of group N) and $#N (its 1-based position) in a kind or label.
std::string Substitute(std::string_view text, const Expansion& e) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$') {
      out += text[i];
      continue;
    }
    bool position = i + 1 < text.size() && text[i + 1] == '#';
    std::size_t start = i + 1 + (position ? 1 : 0), end = start;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    int n = 0;
    if (!ParseInt(text.substr(start, end - start), n) || n < 1 || n > static_cast<int>(e.values.size()))
      throw std::invalid_argument("reference '" + std::string(text.substr(i, end - i)) +
                                  "' names no brace group of the file name");
    out += position ? std::to_string(e.positions[n - 1]) : e.values[n - 1];
    i = end - 1;
  }
  return out;
}


void ParseSize(std::string_view size, Asset& a) {
  if (a.IsPicture()) {
    auto x = size.find('x');
    if (x == std::string_view::npos || !ParseInt(size.substr(0, x), a.width) ||
        !ParseInt(size.substr(x + 1), a.height) || a.width < 1 || a.height < 1 || a.width > 4096 ||
        a.height > 4096)
      throw std::invalid_argument("picture size '" + std::string(size) + "' is not WIDTHxHEIGHT");
    return;
  }
  std::string s(size);
  char* end = nullptr;
  a.seconds = s.size() > 1 && s.back() == 's' ? std::strtod(s.c_str(), &end) : 0;
  if (end != s.c_str() + s.size() - 1 || !(a.seconds > 0 && a.seconds <= 60))
    throw std::invalid_argument("sound length '" + s + "' is not SECONDSs (at most 60)");
}

void ParseColour(const std::vector<std::string>& words, Catalogue& cat) {
  if (words.size() < 3) throw std::invalid_argument("colour row needs r,g,b and at least one name");
  int rgb[3];
  std::string_view v = words[1];
  for (int i = 0; i < 3; ++i) {
    auto comma = i < 2 ? v.find(',') : v.size();
    if (comma == std::string_view::npos || !ParseInt(v.substr(0, comma), rgb[i]) || rgb[i] < 0 || rgb[i] > 255)
      throw std::invalid_argument("colour '" + words[1] + "' is not r,g,b with 0..255");
    v = i < 2 ? v.substr(comma + 1) : v;
  }
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (!cat.colours.emplace(words[i], Rgb{std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])}).second)
      throw std::invalid_argument("colour name '" + words[i] + "' is defined twice");
  }
}

void ParseList(const std::vector<std::string>& words, Lists& lists) {
  if (words.size() < 3) throw std::invalid_argument("list row needs a name and at least one item");
  std::vector<std::string> items;
  for (std::size_t i = 2; i < words.size(); ++i) ExpandItem(words[i], lists, items);
  if (!lists.emplace(words[1], std::move(items)).second)
    throw std::invalid_argument("list '" + words[1] + "' is defined twice");
}

}  // namespace

bool AlikeGroup::Holds(const Asset& a, const Asset& b) const {
  if (!shape.empty()) {
    auto shape_of = [](const Asset& x) { return std::string_view(x.kind).substr(0, x.kind.find('.')); };
    return shape_of(a) == shape && shape_of(b) == shape;
  }
  return std::find(files.begin(), files.end(), a.file) != files.end() &&
         std::find(files.begin(), files.end(), b.file) != files.end();
}

Format FormatOf(std::string_view file) {
  auto dot = file.rfind('.');
  std::string ext = dot == std::string_view::npos ? "" : Lower(file.substr(dot));
  if (ext == ".jpg") return Format::Jpeg;
  if (ext == ".bmp") return Format::Bmp;
  if (ext == ".wav") return Format::Wav;
  if (ext == ".ogg") return Format::Ogg;
  throw std::invalid_argument("unknown file type of '" + std::string(file) + "' (.jpg, .bmp, .wav, .ogg)");
}

std::vector<Expansion> ExpandPattern(std::string_view pattern, const Lists& lists) {
  // Split into literal text and groups of alternatives.
  std::vector<std::string> literals(1);
  std::vector<std::vector<std::string>> groups;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '}') throw std::invalid_argument("'}' without '{'");
    if (pattern[i] != '{') {
      literals.back() += pattern[i];
      continue;
    }
    auto close = pattern.find('}', i);
    if (close == std::string_view::npos) throw std::invalid_argument("'{' without '}'");
    std::string_view body = pattern.substr(i + 1, close - i - 1);
    if (body.find('{') != std::string_view::npos) throw std::invalid_argument("brace groups do not nest");
    if (body.find(',') == std::string_view::npos && body.find("..") == std::string_view::npos &&
        !lists.contains(body))
      throw std::invalid_argument("'{" + std::string(body) + "}' is no list, range or set of alternatives");
    std::vector<std::string> alternatives;
    for (std::size_t start = 0;;) {
      auto comma = body.find(',', start);
      ExpandItem(body.substr(start, comma - start), lists, alternatives);
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    groups.push_back(std::move(alternatives));
    literals.emplace_back();
    i = close;
  }
  // Every combination, the first group outermost.
  std::vector<Expansion> out;
  Expansion current;
  auto walk = [&](auto&& self, std::size_t g, std::string text) -> void {
    if (g == groups.size()) {
      current.text = std::move(text);
      out.push_back(current);
      return;
    }
    for (std::size_t k = 0; k < groups[g].size(); ++k) {
      current.values.push_back(groups[g][k]);
      current.positions.push_back(static_cast<int>(k) + 1);
      self(self, g + 1, text + groups[g][k] + literals[g + 1]);
      current.values.pop_back();
      current.positions.pop_back();
    }
  };
  walk(walk, 0, literals[0]);
  return out;
}

Catalogue ParseCatalogue(std::string_view text, std::string_view source) {
  Catalogue cat;
  Lists lists;
  std::unordered_map<std::string, int> seen;  // lower-cased file name -> line
  int line_no = 0;
  for (std::size_t pos = 0; pos <= text.size();) {
    auto nl = text.find('\n', pos);
    std::string_view line = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto words = SplitWords(line);
    if (words.empty() || words[0][0] == '#') continue;
    try {
      if (words[0] == "colour") {
        ParseColour(words, cat);
        continue;
      }
      if (words[0] == "list") {
        ParseList(words, lists);
        continue;
      }
      auto rest_after = [&](int columns) {  // the rest of the line after the first `columns` words
        std::size_t at = 0;
        for (int col = 0; col < columns; ++col) {
          at = line.find_first_not_of(" \t", at);
          at = line.find_first_of(" \t", at);
        }
        std::string_view rest = line.substr(line.find_first_not_of(" \t", at));
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.remove_suffix(1);
        return rest;
      };
      if (words[0] == "alike") {
        if (words.size() < 3) throw std::invalid_argument("alike row needs file names and why they may look alike");
        AlikeGroup group;
        group.line = line_no;
        group.why = std::string(rest_after(2));
        if (words[1].starts_with("shape:")) {
          group.shape = words[1].substr(6);
        } else {
          for (const Expansion& e : ExpandPattern(words[1], lists)) group.files.push_back(e.text);
          if (group.files.size() < 2) throw std::invalid_argument("alike row names fewer than two files");
        }
        cat.alike.push_back(std::move(group));
        continue;
      }
      if (words[0] == "stretchable") {
        if (words.size() < 3) throw std::invalid_argument("stretchable row needs file names and why");
        const std::string why(rest_after(2));
        for (const Expansion& e : ExpandPattern(words[1], lists)) cat.stretchable[e.text] = why;
        continue;
      }
      if (words.size() < 4) throw std::invalid_argument("a row needs file name, kind, size and label");
      // The label is the rest of the line after the third column.
      std::string_view label = rest_after(3);
      for (const Expansion& e : ExpandPattern(words[0], lists)) {
        Asset a;
        a.file = e.text;
        a.line = line_no;
        a.format = FormatOf(a.file);
        a.kind = Substitute(words[1], e);
        ParseSize(words[2], a);
        a.label = Substitute(label, e);
        if (a.file.find_first_of("/\\") != std::string::npos)
          throw std::invalid_argument("file name '" + a.file + "' must be a bare name");
        auto [it, fresh] = seen.emplace(Lower(a.file), line_no);
        if (!fresh)
          throw std::invalid_argument("'" + a.file + "' is already generated by line " + std::to_string(it->second) +
                                      " (names are matched without regard to case)");
        cat.assets.push_back(std::move(a));
      }
    } catch (const std::invalid_argument& e) {
      throw CatalogueError(std::string(source) + ":" + std::to_string(line_no) + ": " + e.what());
    }
  }
  return cat;
}

Catalogue LoadCatalogue(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CatalogueError(path.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseCatalogue(text.str(), path.string());
}

}  // namespace assetgen
