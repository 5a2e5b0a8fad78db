// Screen layouts as text. One file per form:
//
//   form Start : StartScreen  width 377  height 519  position centre  color black
//     image NewGameButton  left 40 top 120 width 297 height 52  picture "StartScreen_06.jpg"
//                          OnClick OnNewGameClick  OnMouseMove OnNewGameHover
//     panel WelcomePanel   left 8 top 295 width 360 height 200
//       label WelcomeTopic left 6 top 4 caption "Hello" font "Arial" 12 bold white transparent
//
// A line that starts with a component kind starts a component; any other line continues the
// component above it. A component belongs to the nearest panel or group box above it that is
// indented less (else to the form). "#" starts a comment. Each kind accepts the properties the
// property table gives it; an error names the file, the line and what is wrong.
//
// Numbered rows come from a repeat block, expanded as the layout is read:
//
//     repeat k 1..5 step top 78
//       label NameSlot{k}  left 76 top 119 width 200 height 20 caption "{k}." tag {k}
//
// makes NameSlot1..NameSlot5, each 78 lower than the one before; see platform/README.md.
//
// A group of components shared by several forms lives in a file of its own and is included:
//
//     include "tutorial_panel.inc" left 560 top 22
//
// puts the file's components there, its outermost ones moved by 560 and 22.
#pragma once

#include "platform/controls.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class LayoutError : public std::runtime_error {
 public:
  LayoutError(std::string file, int line, const std::string& message);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }
  const std::string& Message() const { return message_; }

 private:
  std::string file_;
  int line_;
  std::string message_;
};

enum class ValueType { Int, Text, Bool, Flag, Colour, FontValue, Word, HandlerName };

struct Value {
  int number = 0;
  std::string text;  // Text, Word and HandlerName
  bool flag = false;
  Color colour;
  Font font;
};

// One row per property: its layout name, what it takes, which kinds accept it, how it applies.
struct PropertyRow {
  std::string_view name;
  ValueType type;
  unsigned kinds;            // bit (1 << int(Kind)) per kind that accepts it
  std::string_view words;    // the allowed words of a Word property, space-separated
  void (*apply)(Control&, const Value&);
};

const std::vector<PropertyRow>& PropertyTable();
const PropertyRow* FindProperty(Kind kind, std::string_view name);
bool KindFromName(std::string_view word, Kind& kind);
bool ColourFromName(std::string_view word, Color& c);

struct LayoutProperty {
  const PropertyRow* row;
  Value value;
  int line;
};

struct LayoutNode {
  Kind kind = Kind::Form;
  std::string name;
  std::string className;  // forms only
  int line = 0;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutNode> children;
  std::string file;
};

// Parses a layout; throws LayoutError.
LayoutNode ParseLayout(std::string_view text, const std::string& fileName);
LayoutNode ReadLayoutFile(const std::string& path);

// Every handler name and picture file a layout names.
std::vector<std::string> LayoutHandlerNames(const LayoutNode& layout);
std::vector<std::string> LayoutPictureNames(const LayoutNode& layout);

// The folder the layouts live in: SetLayoutFolder, else $FARHAVEN_RESOURCES, else the source
// tree's resources/ folder.
void SetLayoutFolder(std::string folder);
std::string LayoutFolder();
// A form's layout file is named after the form in lower case with words apart: the form
// "HighScore" is laid out in "high_score.layout", "YesNoPopup" in "yes_no_popup.layout".
std::string LayoutFileName(std::string_view formName);
std::string LayoutPath(std::string_view formName);

}  // namespace platform
