#include "platform/layout.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace platform {

LayoutError::LayoutError(std::string file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message),
      file_(std::move(file)), line_(line), message_(message) {}

namespace {

constexpr unsigned Bit(Kind k) { return 1u << static_cast<int>(k); }
constexpr unsigned kAll = 0x7FF;
constexpr unsigned kVisual = kAll & ~Bit(Kind::Timer);
constexpr unsigned kControls = kVisual & ~Bit(Kind::Form);
constexpr unsigned kMouse = kVisual;
constexpr unsigned kTexty = Bit(Kind::Form) | Bit(Kind::Label) | Bit(Kind::Panel) |
                            Bit(Kind::SpeedButton) | Bit(Kind::Button) | Bit(Kind::GroupBox) |
                            Bit(Kind::Edit);
constexpr unsigned kPictured = Bit(Kind::Image);
constexpr unsigned kButtons = Bit(Kind::SpeedButton) | Bit(Kind::Button);

template <class T>
T& As(Control& c) { return static_cast<T&>(c); }

Align AlignFrom(const std::string& w) {
  return w == "right" ? Align::Right : w == "center" || w == "centre" ? Align::Center : Align::Left;
}

void SetEvent(Control& c, Event e, const Value& v) { c.SetHandler(e, v.text); }

#define EVENT_ROW(ev, kinds)                                                              \
  PropertyRow {                                                                           \
    EventName(Event::ev), ValueType::HandlerName, kinds, "",                               \
        [](Control& c, const Value& v) { SetEvent(c, Event::ev, v); }                      \
  }

}  // namespace

const std::vector<PropertyRow>& PropertyTable() {
  using V = const Value&;
  static const std::vector<PropertyRow> table = {
      // name          type                 kinds       words                apply
      {"left",         ValueType::Int,      kVisual,    "", [](Control& c, V v) { c.SetLeft(v.number); }},
      {"top",          ValueType::Int,      kVisual,    "", [](Control& c, V v) { c.SetTop(v.number); }},
      {"width",        ValueType::Int,      kVisual,    "", [](Control& c, V v) { c.SetWidth(v.number); }},
      {"height",       ValueType::Int,      kVisual,    "", [](Control& c, V v) { c.SetHeight(v.number); }},
      {"visible",      ValueType::Bool,     kControls,    "", [](Control& c, V v) { c.SetVisible(v.flag); }},
      {"enabled",      ValueType::Bool,     kAll,       "", [](Control& c, V v) { c.SetEnabled(v.flag); }},
      {"caption",      ValueType::Text,     kTexty,     "", [](Control& c, V v) { c.SetCaption(LayoutCaptionText(v.text)); }},
      {"text",         ValueType::Text,     Bit(Kind::Edit), "", [](Control& c, V v) { c.SetCaption(v.text); }},
      {"tag",          ValueType::Int,      kAll,       "", [](Control& c, V v) { c.SetTag(v.number); }},
      {"default",      ValueType::Flag,     kControls,  "", [](Control& c, V) { c.SetDefault(true); }},
      {"cancel",       ValueType::Flag,     kControls,  "", [](Control& c, V) { c.SetCancel(true); }},
      {"hint",         ValueType::Text,     kVisual,    "", [](Control& c, V v) { c.SetHint(v.text); }},
      {"font",         ValueType::FontValue, kTexty,     "", [](Control& c, V v) { c.SetFont(v.font); }},
      {"color",        ValueType::Colour,   kVisual,    "", [](Control& c, V v) { c.SetColor(v.colour); }},
      {"picture",      ValueType::Text,     kPictured,  "", [](Control& c, V v) { As<Image>(c).LoadPicture(v.text); }},
      {"glyph",        ValueType::Text,     kButtons,   "", [](Control& c, V v) { As<Button>(c).LoadGlyph(v.text); }},
      {"stretch",      ValueType::Flag,     kPictured,  "", [](Control& c, V) { As<Image>(c).SetStretch(true); }},
      {"center",       ValueType::Flag,     kPictured,  "", [](Control& c, V) { As<Image>(c).SetCenter(true); }},
      {"proportional", ValueType::Flag,     kPictured,  "", [](Control& c, V) { As<Image>(c).SetProportional(true); }},
      {"transparent",  ValueType::Flag,     kPictured | Bit(Kind::Label), "",
       [](Control& c, V) {
         if (c.kind() == Kind::Image) As<Image>(c).SetTransparent(true);
         else As<Label>(c).SetTransparent(true);
       }},
      {"alignment",    ValueType::Word,     Bit(Kind::Label), "left right center centre",
       [](Control& c, V v) { As<Label>(c).SetAlignment(AlignFrom(v.text)); }},
      {"wordwrap",     ValueType::Flag,     Bit(Kind::Label), "", [](Control& c, V) { As<Label>(c).SetWordWrap(true); }},
      {"autosize",     ValueType::Flag,     Bit(Kind::Label), "", [](Control& c, V) { As<Label>(c).SetAutoSize(true); }},
      {"bevel",        ValueType::Word,     Bit(Kind::Panel), "none raised lowered",
       [](Control& c, V v) {
         As<Panel>(c).SetBevel(v.text == "none" ? Bevel::None : v.text == "lowered" ? Bevel::Lowered : Bevel::Raised);
       }},
      {"brush",        ValueType::Colour,   Bit(Kind::Shape), "", [](Control& c, V v) { As<Shape>(c).SetBrush(v.colour); }},
      {"brushclear",   ValueType::Flag,     Bit(Kind::Shape), "", [](Control& c, V) { As<Shape>(c).SetBrushClear(true); }},
      {"pen",          ValueType::Colour,   Bit(Kind::Shape), "", [](Control& c, V v) { As<Shape>(c).SetPen(v.colour); }},
      {"penwidth",     ValueType::Int,      Bit(Kind::Shape), "", [](Control& c, V v) { As<Shape>(c).SetPenWidth(v.number); }},
      {"flat",         ValueType::Flag,     kButtons,   "", [](Control& c, V) { As<Button>(c).SetFlat(true); }},
      {"maxlength",    ValueType::Int,      Bit(Kind::Edit), "", [](Control& c, V v) { As<Edit>(c).SetMaxLength(v.number); }},
      {"min",          ValueType::Int,      Bit(Kind::ProgressBar), "", [](Control& c, V v) { As<ProgressBar>(c).SetMin(v.number); }},
      {"max",          ValueType::Int,      Bit(Kind::ProgressBar), "", [](Control& c, V v) { As<ProgressBar>(c).SetMax(v.number); }},
      {"position",     ValueType::Int,      Bit(Kind::ProgressBar), "", [](Control& c, V v) { As<ProgressBar>(c).SetPosition(v.number); }},
      {"barcolor",     ValueType::Colour,   Bit(Kind::ProgressBar), "", [](Control& c, V v) { As<ProgressBar>(c).SetBarColor(v.colour); }},
      {"interval",     ValueType::Int,      Bit(Kind::Timer), "", [](Control& c, V v) { As<Timer>(c).SetInterval(v.number); }},
      {"position",     ValueType::Word,     Bit(Kind::Form), "designed centre center maximised maximized",
       [](Control& c, V v) {
         As<Form>(c).SetPosition(v.text == "designed" ? FormPosition::Designed
                                 : v.text.starts_with("maxim") ? FormPosition::Maximised
                                                                : FormPosition::Centre);
       }},
      {"border",       ValueType::Word,     Bit(Kind::Form), "none single",
       [](Control& c, V v) { As<Form>(c).SetBorder(v.text == "single" ? BorderStyle::Single : BorderStyle::None); }},
      {"stayontop",    ValueType::Flag,     Bit(Kind::Form), "", [](Control& c, V) { As<Form>(c).SetStayOnTop(true); }},
      {"dragbysurface", ValueType::Flag,    Bit(Kind::Form), "", [](Control& c, V) { As<Form>(c).SetDraggedBySurface(true); }},
      EVENT_ROW(Click, kMouse),
      EVENT_ROW(DblClick, kMouse),
      EVENT_ROW(MouseDown, kMouse),
      EVENT_ROW(MouseUp, kMouse),
      EVENT_ROW(MouseMove, kMouse),
      EVENT_ROW(MouseEnter, kMouse),
      EVENT_ROW(MouseLeave, kMouse),
      EVENT_ROW(KeyPress, Bit(Kind::Edit) | Bit(Kind::Form)),
      EVENT_ROW(Timer, Bit(Kind::Timer)),
      EVENT_ROW(Activate, Bit(Kind::Form)),
      EVENT_ROW(Show, Bit(Kind::Form)),
      EVENT_ROW(Hide, Bit(Kind::Form)),
      EVENT_ROW(CloseQuery, Bit(Kind::Form)),
      EVENT_ROW(Close, Bit(Kind::Form)),
  };
  return table;
}

const PropertyRow* FindProperty(Kind kind, std::string_view name) {
  for (const PropertyRow& row : PropertyTable()) {
    // One name may mean different things for different kinds ("position" of a form and of a
    // progress bar), so the kind picks the row.
    if (row.name == name && (row.kinds & Bit(kind))) return &row;
  }
  return nullptr;
}

bool KindFromName(std::string_view word, Kind& kind) {
  static constexpr Kind kinds[] = {Kind::Form, Kind::Image, Kind::Label, Kind::Panel,
                                   Kind::Shape, Kind::SpeedButton, Kind::Button, Kind::GroupBox,
                                   Kind::Edit, Kind::ProgressBar, Kind::Timer};
  for (Kind k : kinds)
    if (KindName(k) == word) {
      kind = k;
      return true;
    }
  return false;
}

bool ColourFromName(std::string_view word, Color& c) {
  static const std::pair<std::string_view, Color> names[] = {
      {"black", colors::Black},     {"white", colors::White},      {"red", colors::Red},
      {"lime", colors::Lime},       {"green", Rgb(0, 128, 0)},     {"blue", colors::Blue},
      {"navy", Rgb(0, 0, 128)},     {"yellow", colors::Yellow},    {"aqua", Rgb(0, 255, 255)},
      {"teal", Rgb(0, 128, 128)},   {"fuchsia", Rgb(255, 0, 255)}, {"purple", Rgb(128, 0, 128)},
      {"maroon", Rgb(128, 0, 0)},   {"olive", Rgb(128, 128, 0)},   {"gray", colors::Gray},
      {"grey", colors::Gray},       {"silver", colors::Silver},    {"orange", Rgb(255, 165, 0)},
      {"skyblue", Rgb(166, 202, 240)}, {"btnface", colors::ButtonFace},
  };
  for (auto& [n, col] : names)
    if (n == word) {
      c = col;
      return true;
    }
  if (word.size() == 7 && word[0] == '#') {
    unsigned v = 0;
    for (char ch : word.substr(1)) {
      if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
      v = v * 16 + unsigned(std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : (std::tolower(ch) - 'a' + 10));
    }
    c = Rgb(int(v >> 16) & 255, int(v >> 8) & 255, int(v) & 255);
    return true;
  }
  return false;
}

namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

struct Parser {
  std::string file;
  int line = 0;

  [[noreturn]] void Fail(const std::string& message) const { throw LayoutError(file, line, message); }

  std::vector<Token> Tokenize(std::string_view s) const {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
      const char c = s[i];
      if (c == ' ' || c == '\r') { ++i; continue; }
      if (c == '\t') Fail("tab character: indent with spaces");
      if (c == '#') {
        // "#rrggbb" is a colour; any other "#" starts a comment.
        const bool colour = i + 7 <= s.size() &&
                            std::all_of(s.begin() + i + 1, s.begin() + i + 7, [](char h) {
                              return std::isxdigit(static_cast<unsigned char>(h));
                            }) &&
                            (i + 7 == s.size() || s[i + 7] == ' ' || s[i + 7] == '\r');
        if (!colour) break;
      }
      if (c == '"') {
        Token t;
        t.quoted = true;
        ++i;
        bool closed = false;
        while (i < s.size()) {
          if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            t.text += n == 'n' ? '\n' : n;
            i += 2;
          } else if (s[i] == '"') {
            closed = true;
            ++i;
            break;
          } else {
            t.text += s[i++];
          }
        }
        if (!closed) Fail("text without a closing quotation mark");
        out.push_back(std::move(t));
        continue;
      }
      Token t;
      while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '"' && s[i] != '\r') t.text += s[i++];
      out.push_back(std::move(t));
    }
    return out;
  }

  static bool IsInt(const std::string& s) {
    if (s.empty()) return false;
    std::size_t i = (s[0] == '-') ? 1 : 0;
    if (i == s.size() || s.size() > 11) return false;
    for (; i < s.size(); ++i)
      if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
  }

  static bool IsIdentifier(const std::string& s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
      return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
  }

  int Int(const std::vector<Token>& t, std::size_t& i, std::string_view prop) const {
    if (i >= t.size() || t[i].quoted || !IsInt(t[i].text))
      Fail(std::string(prop) + " needs a whole number" + (i < t.size() ? ", not '" + t[i].text + "'" : ""));
    const long long v = std::atoll(t[i].text.c_str());
    if (v < -1000000000LL || v > 1000000000LL) Fail(std::string(prop) + " is out of range");
    ++i;
    return int(v);
  }

  // Reads the value(s) of one property starting at t[i].
  Value ReadValue(const PropertyRow& row, const std::vector<Token>& t, std::size_t& i,
                  std::string_view prop) const {
    Value v;
    auto missing = [&](const char* what) {
      Fail(std::string(prop) + " needs " + what);
    };
    switch (row.type) {
      case ValueType::Int:
        v.number = Int(t, i, prop);
        break;
      case ValueType::Text:
        if (i >= t.size() || !t[i].quoted) missing("a quoted text");
        v.text = t[i++].text;
        break;
      case ValueType::Bool:
        if (i >= t.size() || (t[i].text != "true" && t[i].text != "false") || t[i].quoted)
          missing("true or false");
        v.flag = t[i++].text == "true";
        break;
      case ValueType::Flag:
        v.flag = true;
        break;
      case ValueType::Colour:
        if (i >= t.size() || t[i].quoted || !ColourFromName(t[i].text, v.colour))
          Fail(std::string(prop) + " needs a colour (a name or #rrggbb)" +
               (i < t.size() ? ", not '" + t[i].text + "'" : ""));
        ++i;
        break;
      case ValueType::FontValue: {
        if (i >= t.size() || !t[i].quoted) missing("a quoted font name and a size");
        v.font.name = t[i++].text;
        v.font.size = Int(t, i, prop);
        if (v.font.size <= 0 || v.font.size > 200) Fail("font size must be 1..200");
        while (i < t.size() && !t[i].quoted) {
          const std::string& w = t[i].text;
          if (w == "bold") v.font.bold = true;
          else if (w == "italic") v.font.italic = true;
          else if (w == "underline") v.font.underline = true;
          else if (w == "strikeout") v.font.strikeout = true;
          else if (!ColourFromName(w, v.font.color)) break;
          ++i;
        }
        break;
      }
      case ValueType::Word: {
        if (i >= t.size() || t[i].quoted) missing("a word");
        std::istringstream words{std::string(row.words)};
        std::string w;
        bool ok = false;
        while (words >> w) ok = ok || w == t[i].text;
        if (!ok) Fail(std::string(prop) + " must be one of: " + std::string(row.words) + " (not '" + t[i].text + "')");
        v.text = t[i++].text;
        break;
      }
      case ValueType::HandlerName:
        if (i >= t.size() || t[i].quoted || !IsIdentifier(t[i].text)) missing("a handler name");
        v.text = t[i++].text;
        break;
    }
    return v;
  }

  // `continued`: the line continues a component, so its first word may be a misspelt kind.
  void ReadProperties(LayoutNode& node, const std::vector<Token>& t, std::size_t i,
                      bool continued = false) const {
    const std::size_t first = i;
    node.properties.reserve(node.properties.size() + (t.size() - i));  // at most a property a word
    while (i < t.size()) {
      if (t[i].quoted) Fail("unexpected text \"" + t[i].text + "\"");
      const std::string prop = t[i++].text;
      const PropertyRow* row = FindProperty(node.kind, prop);
      if (!row) {
        Kind k;
        if (KindFromName(prop, k)) Fail("a component must start its own line ('" + prop + "')");
        Fail("unknown property '" + prop + "' for " + std::string(KindName(node.kind)) + " " +
             node.name + (continued && i - 1 == first ? " (or an unknown component kind)" : ""));
      }
      if (row->type == ValueType::HandlerName) {
        for (const auto& p : node.properties)
          if (p.row == row) Fail(prop + " is bound twice on " + node.name);
      }
      LayoutProperty p{row, ReadValue(*row, t, i, prop), line};
      node.properties.push_back(std::move(p));
    }
  }
};

LayoutNode* FindIn(LayoutNode& root, const std::vector<std::size_t>& path) {
  LayoutNode* n = &root;
  for (std::size_t k : path) n = &n->children[k];
  return n;
}

// A non-empty line of a layout. Lines copied out of a repeat block also carry the rows they were
// copied for and how far the repeat moves the component they start.
struct SourceLine {
  std::string file;  // the layout file, or the included file the line comes from
  int number = 0;    // in that file
  int indent = 0;
  std::vector<Token> tokens;
  std::vector<std::pair<std::string, long long>> rows;  // outermost repeat first: {"k", 3}
  unsigned stepped = 0;                                 // a bit per entry of kSteppable
  unsigned included = 0;                                // the bits an include (not a repeat) set
  std::array<long long, 4> step{};
};

// Points the parser's errors at `l`.
void At(Parser& p, const SourceLine& l) {
  p.file = l.file;
  p.line = l.number;
}

// The properties a repeat may advance from row to row.
constexpr std::string_view kSteppable[] = {"left", "top", "width", "height"};
// Keeps a mistyped range from filling the memory.
constexpr std::size_t kMaxExpandedLines = 10000;

struct RepeatHeader {
  std::string var;
  long long first = 0;
  long long last = 0;
  unsigned stepped = 0;
  std::array<int, 4> step{};
};

bool StartsComponent(const SourceLine& l) {
  Kind kind;
  return !l.tokens[0].quoted && KindFromName(l.tokens[0].text, kind);
}

bool IsRepeat(const SourceLine& l) { return !l.tokens[0].quoted && l.tokens[0].text == "repeat"; }

std::string RowsText(const SourceLine& l) {
  std::string s;
  for (const auto& [var, value] : l.rows) s += (s.empty() ? "" : ", ") + var + " = " + std::to_string(value);
  return s;
}

// Reads "repeat VAR FIRST..LAST [step PROPERTY N ...]".
RepeatHeader ReadRepeatHeader(Parser& p, const SourceLine& l) {
  static const std::string kShape = " (repeat k 1..5 step top 20)";
  At(p, l);
  const std::vector<Token>& t = l.tokens;
  RepeatHeader h;
  if (t.size() < 2 || t[1].quoted || !Parser::IsIdentifier(t[1].text))
    p.Fail("repeat needs a variable and a range" + kShape);
  h.var = t[1].text;
  for (const auto& row : l.rows)
    if (row.first == h.var) p.Fail("repeat " + h.var + " inside a repeat of the same variable");
  const std::size_t dots = t.size() > 2 && !t[2].quoted ? t[2].text.find("..") : std::string::npos;
  const std::string first = dots == std::string::npos ? "" : t[2].text.substr(0, dots);
  const std::string last = dots == std::string::npos ? "" : t[2].text.substr(dots + 2);
  if (!Parser::IsInt(first) || !Parser::IsInt(last))
    p.Fail("repeat " + h.var + " needs a range FIRST..LAST" + kShape);
  h.first = std::atoll(first.c_str());
  h.last = std::atoll(last.c_str());
  if (h.first > h.last) p.Fail("repeat range " + t[2].text + " runs backwards");
  std::size_t i = 3;
  if (i == t.size()) return h;
  if (t[i].quoted || t[i].text != "step")
    p.Fail("after its range a repeat takes only 'step PROPERTY N ...', not '" + t[i].text + "'");
  if (++i == t.size()) p.Fail("step needs a property and a number" + kShape);
  while (i < t.size()) {
    const std::string& prop = t[i].text;
    const auto* found = std::find(std::begin(kSteppable), std::end(kSteppable), prop);
    if (t[i].quoted || found == std::end(kSteppable))
      p.Fail("a repeat steps left, top, width or height, not '" + prop + "'");
    const unsigned bit = 1u << (found - std::begin(kSteppable));
    if (h.stepped & bit) p.Fail("repeat steps " + prop + " twice");
    ++i;
    h.step[found - std::begin(kSteppable)] = p.Int(t, i, "step " + prop);
    h.stepped |= bit;
  }
  return h;
}

void Substitute(std::string& text, const std::string& var, long long value) {
  const std::string key = "{" + var + "}";
  const std::string number = std::to_string(value);
  for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + number.size()))
    text.replace(at, key.size(), number);
}

// Copies `in` to `out`, replacing each repeat block by one copy of its lines per row: "{VAR}"
// becomes the row's number, the lines move out to the repeat's own indent, and the components
// at that indent are marked with how far the row moves them.
void ExpandRepeats(Parser& p, const std::vector<SourceLine>& in, std::vector<SourceLine>& out) {
  for (std::size_t i = 0; i < in.size(); ++i) {
    const SourceLine& header = in[i];
    if (!IsRepeat(header)) {
      out.push_back(header);
      continue;
    }
    const RepeatHeader h = ReadRepeatHeader(p, header);
    std::size_t end = i + 1;
    while (end < in.size() && in[end].indent > header.indent) ++end;
    if (end == i + 1) p.Fail("repeat " + h.var + " has no lines indented under it");
    const SourceLine& firstLine = in[i + 1];
    At(p, firstLine);
    if (!StartsComponent(firstLine) && !IsRepeat(firstLine))
      p.Fail("a repeat block starts with a component, not '" + firstLine.tokens[0].text + "'");
    for (std::size_t k = i + 2; k < end; ++k)
      if (in[k].indent < firstLine.indent) {
        At(p, in[k]);
        p.Fail("a line of a repeat block is indented less than the block's first line");
      }
    const int outdent = firstLine.indent - header.indent;
    for (long long v = h.first; v <= h.last; ++v) {
      std::vector<SourceLine> copy(in.begin() + std::ptrdiff_t(i) + 1, in.begin() + std::ptrdiff_t(end));
      for (SourceLine& c : copy) {
        c.indent -= outdent;
        c.rows.emplace_back(h.var, v);
        for (Token& t : c.tokens) Substitute(t.text, h.var, v);
      }
      const std::size_t from = out.size();
      ExpandRepeats(p, copy, out);
      for (std::size_t k = from; k < out.size(); ++k) {
        SourceLine& c = out[k];
        if (c.indent != header.indent || !StartsComponent(c)) continue;
        c.stepped |= h.stepped;
        for (std::size_t s = 0; s < c.step.size(); ++s) c.step[s] += h.step[s] * (v - h.first);
      }
      if (out.size() > kMaxExpandedLines) {
        At(p, header);
        p.Fail("repeat " + h.var + " makes more than " + std::to_string(kMaxExpandedLines) + " lines");
      }
    }
    i = end - 1;
  }
}

// A "{name}" left after the expansion names no repeat variable around it.
void CheckNoPlaceholderLeft(const Parser& p, const SourceLine& l) {
  for (const Token& t : l.tokens) {
    for (std::size_t open = t.text.find('{'); open != std::string::npos; open = t.text.find('{', open + 1)) {
      const std::size_t close = t.text.find('}', open);
      if (close == std::string::npos) break;
      const std::string name = t.text.substr(open + 1, close - open - 1);
      if (!Parser::IsIdentifier(name)) continue;
      if (l.rows.empty()) p.Fail("{" + name + "} outside a repeat block");
      std::string vars;
      for (const auto& row : l.rows) vars += (vars.empty() ? "" : ", ") + row.first;
      p.Fail("{" + name + "} is not a repeat variable here (the block repeats " + vars + ")");
    }
  }
}

// Moves a component copied out of a repeat block by its row's steps.
void ApplySteps(const Parser& p, LayoutNode& node, const SourceLine& l) {
  for (std::size_t s = 0; s < l.step.size(); ++s) {
    if (!(l.stepped & (1u << s))) continue;
    bool found = false;
    for (LayoutProperty& prop : node.properties) {
      if (prop.row->name != kSteppable[s]) continue;
      const long long value = prop.value.number + l.step[s];
      if (value < -1000000000LL || value > 1000000000LL)
        p.Fail(std::string(kSteppable[s]) + " of " + node.name + " is out of range after the repeat's steps");
      prop.value.number = int(value);
      found = true;
    }
    if (!found && (l.included & (1u << s)))
      p.Fail("the include moves " + std::string(kSteppable[s]) + ", but " +
             std::string(KindName(node.kind)) + " " + node.name + " sets no " + std::string(kSteppable[s]));
    if (!found)
      p.Fail("the repeat steps " + std::string(kSteppable[s]) + ", but " +
             std::string(KindName(node.kind)) + " " + node.name + " sets no " + std::string(kSteppable[s]));
  }
}


// Splits a layout text into its non-empty lines.
std::vector<SourceLine> Tokenize(Parser& p, std::string_view text, const std::string& fileName) {
  std::vector<SourceLine> lines;
  p.file = fileName;
  p.line = 0;
  for (std::size_t pos = 0; pos <= text.size();) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view lineText = text.substr(pos, end - pos);
    pos = end + 1;
    ++p.line;
    SourceLine line;
    line.file = fileName;
    line.number = p.line;
    while (std::size_t(line.indent) < lineText.size() && lineText[line.indent] == ' ') ++line.indent;
    line.tokens = p.Tokenize(lineText);
    if (!line.tokens.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

bool IsInclude(const SourceLine& l) { return !l.tokens[0].quoted && l.tokens[0].text == "include"; }

// Included files nest at most this deep, which also stops a file that includes itself.
constexpr int kMaxIncludeDepth = 8;
// Every layout file, a form's own and an included one, is at most this long.
constexpr std::size_t kMaxLayoutBytes = 1 << 20;
// The lines of a form with all its includes put in: includes that include others several times
// each would otherwise multiply without end.
constexpr std::size_t kMaxFormLines = 50000;

// What is wrong with a layout file that could not be read, after its name.
std::string_view ReadProblem(FileRead result) {
  switch (result) {
    case FileRead::Ok: break;
    case FileRead::CannotOpen: return "cannot be read";
    case FileRead::NotRegular: return "is not a regular file";
    case FileRead::TooLarge: return "is larger than 1 MB";
  }
  return "";
}

// An included file is found beside the file that includes it (in the layout folder when that
// file names no folder).
std::string IncludePath(const std::string& includer, const std::string& name) {
  const std::size_t slash = includer.find_last_of('/');
  return (slash == std::string::npos ? LayoutFolder() : includer.substr(0, slash)) + "/" + name;
}

// Reads the lines of `text` into `out`, replacing each "include "FILE" [left L] [top T]" line by
// the lines of FILE: indented as deep as the include line, and its outermost components moved by
// L and T (as a repeat's step moves its rows).
void ReadLines(Parser& p, std::string_view text, const std::string& fileName,
               std::vector<SourceLine>& out, int depth, std::string& form) {
  for (SourceLine& line : Tokenize(p, text, fileName)) {
    if (depth == 0 && form.empty() && line.tokens.size() >= 2 && line.tokens[0].text == "form")
      form = line.tokens[1].text;
    if (!IsInclude(line)) {
      out.push_back(std::move(line));
      continue;
    }
    static const std::string kShape = " (include \"part.inc\" left 10 top 20)";
    At(p, line);
    const std::vector<Token>& t = line.tokens;
    if (t.size() < 2 || !t[1].quoted || t[1].text.empty()) p.Fail("include needs a quoted file name" + kShape);
    unsigned stepped = 0;
    std::array<long long, 4> step{};
    for (std::size_t i = 2; i < t.size();) {
      const std::string& prop = t[i].text;
      const int s = prop == "left" ? 0 : prop == "top" ? 1 : -1;
      if (t[i].quoted || s < 0) p.Fail("after its file an include takes only 'left N' and 'top N', not '" + prop + "'");
      if (stepped & (1u << s)) p.Fail("include sets " + prop + " twice");
      ++i;
      step[std::size_t(s)] = p.Int(t, i, prop);
      stepped |= 1u << s;
    }
    if (depth >= kMaxIncludeDepth)
      p.Fail("includes nest more than " + std::to_string(kMaxIncludeDepth) + " deep (does a file include itself?)");
    const std::string& name = t[1].text;
    if (name.find_first_of("/\\") != std::string::npos || name.front() == '.')
      p.Fail("include takes the name of a file beside the layout, without a folder ('" + name + "')");
    const std::string path = IncludePath(fileName, name);
    std::string text;
    if (const FileRead read = ReadRegularFile(path, kMaxLayoutBytes, text); read != FileRead::Ok)
      p.Fail("the included file " + path + " " + std::string(ReadProblem(read)));
    std::vector<SourceLine> part;
    ReadLines(p, text, path, part, depth + 1, form);
    At(p, line);
    if (part.empty()) p.Fail("the included file " + path + " is empty");
    if (out.size() + part.size() > kMaxFormLines)
      p.Fail("form " + form + " grows past " + std::to_string(kMaxFormLines) +
             " lines with the included file " + path + " (do includes include others many times?)");
    At(p, part.front());
    Kind firstKind = Kind::Form;
    const bool component = StartsComponent(part.front()) && KindFromName(part.front().tokens[0].text, firstKind) &&
                           firstKind != Kind::Form;
    if (!component && !IsRepeat(part.front()))
      p.Fail("an included file starts with a component, not '" + part.front().tokens[0].text + "'");
    const int base = part.front().indent;
    for (SourceLine& l : part) {
      if (l.indent < base) {
        At(p, l);
        p.Fail("a line of an included file is indented less than its first line");
      }
      // Timers have no place on the form; the include moves the rest.
      Kind kind = Kind::Form;
      const bool outermost = l.indent == base && StartsComponent(l) && KindFromName(l.tokens[0].text, kind) &&
                             kind != Kind::Timer;
      if (l.indent == base && IsRepeat(l) && stepped) {
        At(p, l);
        p.Fail("an include moves only the components it holds, not a repeat beside them (put the repeat in a panel)");
      }
      l.indent = line.indent + (l.indent - base);
      if (outermost) {
        l.stepped |= stepped;
        l.included |= stepped;
        for (std::size_t s = 0; s < step.size(); ++s) l.step[s] += step[s];
      }
      out.push_back(std::move(l));
    }
  }
}
}  // namespace

LayoutNode ParseLayout(std::string_view text, const std::string& fileName) {
  Parser p;
  p.file = fileName;
  std::vector<SourceLine> lines;
  std::string form;
  ReadLines(p, text, fileName, lines, 0, form);
  std::vector<SourceLine> expanded;
  ExpandRepeats(p, lines, expanded);

  LayoutNode root;
  root.file = fileName;
  bool haveForm = false;
  // Open components: indent and path from the root (the form has an empty path).
  struct Open { int indent; std::vector<std::size_t> path; };
  std::vector<Open> open;
  std::set<std::string> names;
  // Components a repeat moves, moved once all their lines are read.
  std::vector<std::pair<std::vector<std::size_t>, const SourceLine*>> stepped;
  for (const SourceLine& line : expanded) {
    At(p, line);
    CheckNoPlaceholderLeft(p, line);
    const int indent = line.indent;
    const std::vector<Token>& tokens = line.tokens;
    Kind kind;
    const bool starts = !tokens[0].quoted && KindFromName(tokens[0].text, kind);
    if (!haveForm) {
      if (!starts || kind != Kind::Form) p.Fail("a layout starts with 'form <Name> : <Class>'");
      if (tokens.size() < 4 || tokens[2].text != ":" || !Parser::IsIdentifier(tokens[1].text) ||
          !Parser::IsIdentifier(tokens[3].text))
        p.Fail("a layout starts with 'form <Name> : <Class>'");
      root.kind = Kind::Form;
      root.name = tokens[1].text;
      root.className = tokens[3].text;
      root.line = p.line;
      haveForm = true;
      open.push_back(Open{indent, {}});
      p.ReadProperties(root, tokens, 4);
      continue;
    }
    if (!starts) {
      // Continues the component opened last.
      LayoutNode* last = FindIn(root, open.back().path);
      if (indent <= open.back().indent)
        p.Fail("unknown component kind '" + tokens[0].text + "' (a continued line must be indented more than its component)");
      p.ReadProperties(*last, tokens, 0, true);
      continue;
    }
    if (kind == Kind::Form) p.Fail("only one form per layout");
    if (tokens.size() < 2 || tokens[1].quoted || !Parser::IsIdentifier(tokens[1].text))
      p.Fail(std::string(KindName(kind)) + " needs a name");
    const std::string& name = tokens[1].text;
    if (name == root.name || !names.insert(name).second)
      p.Fail("duplicate name '" + name + "'" + (line.rows.empty() ? "" : " (" + RowsText(line) + ")"));
    while (open.size() > 1 && open.back().indent >= indent) open.pop_back();
    if (open.size() == 1 && indent <= open.front().indent)
      p.Fail("components must be indented under the form");
    LayoutNode* parent = FindIn(root, open.back().path);
    if (parent->kind != Kind::Form && parent->kind != Kind::Panel && parent->kind != Kind::GroupBox)
      p.Fail("a " + std::string(KindName(parent->kind)) + " cannot hold components ('" + name + "' is indented under " + parent->name + ")");
    LayoutNode child;
    child.kind = kind;
    child.name = name;
    child.line = p.line;
    child.file = line.file;
    p.ReadProperties(child, tokens, 2);
    std::vector<std::size_t> path = open.back().path;
    path.push_back(parent->children.size());
    parent->children.push_back(std::move(child));
    if (line.stepped) stepped.emplace_back(path, &line);
    open.push_back(Open{indent, std::move(path)});
  }
  if (!haveForm) {
    p.file = fileName;
    p.line = 1;
    p.Fail("empty layout: it starts with 'form <Name> : <Class>'");
  }
  for (const auto& [path, line] : stepped) {
    At(p, *line);
    ApplySteps(p, *FindIn(root, path), *line);
  }
  return root;
}

LayoutNode ReadLayoutFile(const std::string& path) {
  std::string text;
  if (const FileRead read = ReadRegularFile(path, kMaxLayoutBytes, text); read != FileRead::Ok)
    throw LayoutError(path, 0, "the layout file " + std::string(ReadProblem(read)));
  return ParseLayout(text, path);
}

static void Collect(const LayoutNode& n, ValueType type, std::string_view name,
                    std::set<std::string>& out) {
  for (const auto& p : n.properties)
    if (p.row->type == type && (name.empty() || p.row->name == name)) out.insert(p.value.text);
  for (const auto& c : n.children) Collect(c, type, name, out);
}

std::vector<std::string> LayoutHandlerNames(const LayoutNode& layout) {
  std::set<std::string> s;
  Collect(layout, ValueType::HandlerName, "", s);
  return {s.begin(), s.end()};
}

std::vector<std::string> LayoutPictureNames(const LayoutNode& layout) {
  std::set<std::string> s;
  Collect(layout, ValueType::Text, "picture", s);
  Collect(layout, ValueType::Text, "glyph", s);
  s.erase("");
  return {s.begin(), s.end()};
}

namespace {
std::string& LayoutFolderSetting() {
  static std::string folder;
  return folder;
}
}  // namespace

void SetLayoutFolder(std::string folder) { LayoutFolderSetting() = std::move(folder); }

std::string LayoutFolder() {
  if (!LayoutFolderSetting().empty()) return LayoutFolderSetting();
  if (const char* env = std::getenv("FARHAVEN_RESOURCES"); env && *env) return env;
#ifdef FARHAVEN_RESOURCE_DIR
  return FARHAVEN_RESOURCE_DIR;
#else
  return "resources";
#endif
}

std::string LayoutFileName(std::string_view formName) {
  std::string file;
  for (std::size_t i = 0; i < formName.size(); ++i) {
    const char c = formName[i];
    const bool upper = c >= 'A' && c <= 'Z';
    if (upper && i > 0) {
      const char before = formName[i - 1];
      const bool afterLower = (before >= 'a' && before <= 'z') || (before >= '0' && before <= '9');
      const bool endsAcronym = before >= 'A' && before <= 'Z' && i + 1 < formName.size() &&
                               formName[i + 1] >= 'a' && formName[i + 1] <= 'z';
      if (afterLower || endsAcronym) file += '_';
    }
    file += upper ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return file + ".layout";
}

std::string LayoutPath(std::string_view formName) {
  return LayoutFolder() + "/" + LayoutFileName(formName);
}

}  // namespace platform
