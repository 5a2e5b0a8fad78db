// The components a screen is built of. Each lives in a form's tree; coordinates are relative to
// the parent's client area. Every setter that changes what is drawn asks for a redraw.
#pragma once

#include "platform/types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct SDL_Surface;

namespace platform {

class Form;
class Picture;
class Canvas;

enum class Kind { Form, Image, Label, Panel, Shape, SpeedButton, Button, GroupBox, Edit,
                  ProgressBar, Timer };
std::string_view KindName(Kind k);  // the layout keyword: "image", "speedbutton" ...

enum class Align { Left, Right, Center };

struct Font {
  std::string name = "Arial";
  int size = 8;  // points
  bool bold = false, italic = false, underline = false, strikeout = false;
  Color color = colors::Black;
  friend bool operator==(const Font&, const Font&) = default;
};

// A caption as a layout file writes it, as it is shown: "&&" is a literal "&", a single "&" marks a
// shortcut and is not shown. Only the layouts' own captions follow this rule; a caption set in code
// (a pilot's name, a save slot's name, any text of the game's data) is shown exactly as it is.
std::string LayoutCaptionText(std::string_view caption);

class Control {
 public:
  Control(Kind kind, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  Form* OwnerForm() const;
  bool IsContainer() const;

  int Left() const { return bounds_.x; }
  int Top() const { return bounds_.y; }
  int Width() const { return bounds_.w; }
  int Height() const { return bounds_.h; }
  Rect Bounds() const { return bounds_; }
  void SetLeft(int v) { SetBounds(v, bounds_.y, bounds_.w, bounds_.h); }
  void SetTop(int v) { SetBounds(bounds_.x, v, bounds_.w, bounds_.h); }
  void SetWidth(int v) { SetBounds(bounds_.x, bounds_.y, v, bounds_.h); }
  void SetHeight(int v) { SetBounds(bounds_.x, bounds_.y, bounds_.w, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The rectangle in logical screen coordinates (the owner form's place included).
  Rect ScreenRect() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to (not including) the form.
  bool VisibleInForm() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(std::string_view text);
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view text);

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  void SetFontColor(Color c);
  void SetFontSize(int points);
  void SetFontBold(bool bold);
  void SetFontName(std::string_view name);

  Color GetColor() const { return color_; }
  void SetColor(Color c);

  // The form's keyboard answers: Enter runs the OnClick handler of its default control, Escape
  // that of its cancelling one (a single-button popup's button is both).
  bool IsDefault() const { return default_; }
  void SetDefault(bool v) { default_ = v; }
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }

  // Stacking among siblings: the last child is drawn last and hit first.
  void BringToFront();
  void SendToBack();

  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
  Control& Adopt(std::unique_ptr<Control> child);

  // The handler name bound to an event by the layout ("" = none).
  const std::string& HandlerName(Event e) const { return handlers_[static_cast<int>(e)]; }
  void SetHandler(Event e, std::string name) { handlers_[static_cast<int>(e)] = std::move(name); }

  // Draws this control (not its children) with the canvas origin at its own top-left corner.
  virtual void Paint(Canvas& canvas) {}

 protected:
  void Changed();  // something visible changed: the screen needs a redraw
  virtual void TextChanged() {}

 private:
  friend class Form;
  Kind kind_;
  std::string name_;
  Control* parent_ = nullptr;
  Form* form_ = nullptr;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  int tag_ = 0;
  bool default_ = false, cancel_ = false;
  std::string hint_;
  Font font_;
  Color color_ = colors::ButtonFace;
  std::vector<std::unique_ptr<Control>> children_;
  std::array<std::string, static_cast<int>(Event::Count)> handlers_;
};

// A picture by bare file name. Without stretch it shows at its own size from the top-left corner
// (or centred with `center`); a transparent picture lets its bottom-left pixel's colour through.
class Image : public Control {
 public:
  explicit Image(std::string name) : Control(Kind::Image, std::move(name)) {}
  void LoadPicture(std::string_view fileName);  // "" clears the picture
  const std::string& PictureName() const { return pictureName_; }
  bool PictureMissing() const;
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; Changed(); }
  void SetCenter(bool v) { center_ = v; Changed(); }
  void SetProportional(bool v) { proportional_ = v; Changed(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  void Paint(Canvas& canvas) override;

 private:
  std::string pictureName_;
  std::shared_ptr<const Picture> picture_;
  bool stretch_ = false, center_ = false, proportional_ = false, transparent_ = false;
};

// Text. A label without a layout width sizes itself to its text (autosize).
class Label : public Control {
 public:
  explicit Label(std::string name);
  ~Label() override;
  Align Alignment() const { return align_; }
  void SetAlignment(Align a) { align_ = a; TextChanged(); }
  void SetWordWrap(bool v) { wordWrap_ = v; TextChanged(); }
  bool WordWrap() const { return wordWrap_; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Changed(); }
  void SetAutoSize(bool v) { autoSize_ = v; TextChanged(); }
  bool AutoSize() const { return autoSize_; }
  // The height the caption takes at the label's width, wrapped when word wrap is on (0 for none).
  int TextHeight();
  void SetEnabled(bool v) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Paint(Canvas& canvas) override;

 protected:
  void TextChanged() override;

 private:
  void RenderText();
  Align align_ = Align::Left;
  bool wordWrap_ = false, transparent_ = false, autoSize_ = false;
  SDL_Surface* text_ = nullptr;  // rendered caption, rebuilt after a change
  bool textValid_ = false;
};

enum class Bevel { None, Raised, Lowered };

// A container; children are placed relative to its top-left corner and clipped to it.
class Panel : public Control {
 public:
  explicit Panel(std::string name) : Control(Kind::Panel, std::move(name)) {}
  void SetBevel(Bevel b) { bevel_ = b; Changed(); }
  void Paint(Canvas& canvas) override;

 private:
  Bevel bevel_ = Bevel::Raised;
};

class GroupBox : public Control {
 public:
  explicit GroupBox(std::string name) : Control(Kind::GroupBox, std::move(name)) {}
  void Paint(Canvas& canvas) override;
};

// A filled rectangle: brush colour inside (unless clear), pen colour around.
class Shape : public Control {
 public:
  explicit Shape(std::string name);
  Color Brush() const { return brush_; }
  void SetBrush(Color c) { brush_ = c; brushClear_ = false; Changed(); }
  void SetBrushClear(bool v) { brushClear_ = v; Changed(); }
  Color Pen() const { return pen_; }
  void SetPen(Color c) { pen_ = c; Changed(); }
  void SetPenWidth(int w) { penWidth_ = w; Changed(); }
  void Paint(Canvas& canvas) override;

 private:
  Color brush_ = colors::White, pen_ = colors::Black;
  int penWidth_ = 1;
  bool brushClear_ = false;
};

// A push button (`button`) or a speed button (`speedbutton`, may be flat and carry a glyph).
class Button : public Control {
 public:
  Button(Kind kind, std::string name) : Control(kind, std::move(name)) {}
  explicit Button(std::string name) : Button(Kind::Button, std::move(name)) {}
  void SetFlat(bool v) { flat_ = v; Changed(); }
  void LoadGlyph(std::string_view fileName);
  const std::string& GlyphName() const { return glyphName_; }
  void Paint(Canvas& canvas) override;

 private:
  bool flat_ = false;
  std::string glyphName_;
  std::shared_ptr<const Picture> glyph_;
};

class SpeedButton : public Button {
 public:
  explicit SpeedButton(std::string name) : Button(Kind::SpeedButton, std::move(name)) {}
};

// One line of text typed by the player. Only characters that Windows-1252 can hold are taken
// (others become "?"), at most MaxLength of them, so the text survives the save files exactly.
class Edit : public Control {
 public:
  explicit Edit(std::string name);
  const std::string& Text() const { return Caption(); }
  void SetText(std::string_view text) { SetCaption(text); }
  void SetCaption(std::string_view text) override;
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int n) { maxLength_ = n; }
  int Caret() const { return caret_; }  // in characters
  void SetCaret(int pos);
  bool Focused() const;
  void SetFocus();
  // Keyboard input once OnKeyPress has let the key through.
  void InsertChar(char32_t c);
  void Backspace();
  void DeleteForward();
  void Paint(Canvas& canvas) override;

 private:
  int Length() const;
  int maxLength_ = 255;
  int caret_ = 0;
};

class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int v) { min_ = v; Changed(); }
  void SetMax(int v) { max_ = v; Changed(); }
  void SetPosition(int v) { position_ = v; Changed(); }
  Color BarColor() const { return bar_; }
  void SetBarColor(Color c) { bar_ = c; Changed(); }
  void Paint(Canvas& canvas) override;

 private:
  int min_ = 0, max_ = 100, position_ = 0;
  Color bar_ = Rgb(6, 176, 37);
};

// A window timer: fires OnTimer every Interval ms of the application clock while enabled, also
// while its form is hidden or a modal form is open. Setting Interval or Enabled restarts the count.
class Timer : public Control {
 public:
  explicit Timer(std::string name);
  ~Timer() override;
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  void SetEnabled(bool v) override;
  void Restart();
  std::uint64_t Due() const { return due_; }
  bool Running() const { return running_; }

 private:
  friend class Application;
  int interval_ = 1000;
  std::uint64_t due_ = 0;
  bool running_ = false;  // its handler is executing: it does not fire again meanwhile
};

}  // namespace platform
