#include "platform/controls.h"

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/pictures.h"
#include "platform/text.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

std::string_view EventName(Event e) {
  switch (e) {
    case Event::Click: return "OnClick";
    case Event::DblClick: return "OnDblClick";
    case Event::MouseDown: return "OnMouseDown";
    case Event::MouseUp: return "OnMouseUp";
    case Event::MouseMove: return "OnMouseMove";
    case Event::MouseEnter: return "OnMouseEnter";
    case Event::MouseLeave: return "OnMouseLeave";
    case Event::KeyPress: return "OnKeyPress";
    case Event::Timer: return "OnTimer";
    case Event::Activate: return "OnActivate";
    case Event::Show: return "OnShow";
    case Event::Hide: return "OnHide";
    case Event::CloseQuery: return "OnCloseQuery";
    case Event::Close: return "OnClose";
    case Event::Count: break;
  }
  return "?";
}

std::string_view KindName(Kind k) {
  switch (k) {
    case Kind::Form: return "form";
    case Kind::Image: return "image";
    case Kind::Label: return "label";
    case Kind::Panel: return "panel";
    case Kind::Shape: return "shape";
    case Kind::SpeedButton: return "speedbutton";
    case Kind::Button: return "button";
    case Kind::GroupBox: return "groupbox";
    case Kind::Edit: return "edit";
    case Kind::ProgressBar: return "progressbar";
    case Kind::Timer: return "timer";
  }
  return "?";
}

std::string LayoutCaptionText(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;  // a shortcut mark
    }
    out += caption[i];
  }
  return out;
}

// ---- Control ----

Control::Control(Kind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() {
  children_.clear();
  App().ControlGone(this);
}

Form* Control::OwnerForm() const { return form_; }

bool Control::IsContainer() const {
  return kind_ == Kind::Form || kind_ == Kind::Panel || kind_ == Kind::GroupBox;
}

void Control::SetBounds(int left, int top, int width, int height) {
  Rect r{left, top, width, height};
  if (r == bounds_) return;
  Changed();  // the area it leaves
  bounds_ = r;
  Changed();
}

Rect Control::ScreenRect() const {
  Rect r = bounds_;
  for (const Control* p = parent_; p; p = p->parent_) {
    r.x += p->bounds_.x;
    r.y += p->bounds_.y;
  }
  return r;
}

void Control::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Changed();
}

bool Control::VisibleInForm() const {
  for (const Control* c = this; c && c->kind_ != Kind::Form; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Changed();
}

void Control::SetCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_ = std::string(text);
  TextChanged();
  Changed();
}

void Control::SetHint(std::string_view text) { hint_ = std::string(text); }

void Control::SetFont(const Font& f) {
  if (font_ == f) return;
  font_ = f;
  TextChanged();
  Changed();
}
void Control::SetFontColor(Color c) { Font f = font_; f.color = c; SetFont(f); }
void Control::SetFontSize(int points) { Font f = font_; f.size = points; SetFont(f); }
void Control::SetFontBold(bool bold) { Font f = font_; f.bold = bold; SetFont(f); }
void Control::SetFontName(std::string_view name) { Font f = font_; f.name = name; SetFont(f); }

void Control::SetColor(Color c) {
  if (color_ == c) return;
  color_ = c;
  TextChanged();
  Changed();
}

void Control::BringToFront() {
  if (!parent_) return;
  auto& sib = parent_->children_;
  auto it = std::find_if(sib.begin(), sib.end(), [this](auto& p) { return p.get() == this; });
  std::rotate(it, it + 1, sib.end());
  Changed();
}

void Control::SendToBack() {
  if (!parent_) return;
  auto& sib = parent_->children_;
  auto it = std::find_if(sib.begin(), sib.end(), [this](auto& p) { return p.get() == this; });
  std::rotate(sib.begin(), it, it + 1);
  Changed();
}

Control& Control::Adopt(std::unique_ptr<Control> child) {
  child->parent_ = this;
  child->form_ = form_;
  children_.push_back(std::move(child));
  Changed();
  return *children_.back();
}

// A control draws only inside its own area, so only that area of the screen is drawn again; a
// form's change (it moved, or changed its colour) redraws the whole screen.
void Control::Changed() {
  if (kind_ == Kind::Form || !form_) {
    App().Invalidate();
    return;
  }
  App().Invalidate(ScreenRect());
}

// ---- Image ----

void Image::LoadPicture(std::string_view fileName) {
  pictureName_ = std::string(fileName);
  picture_ = fileName.empty() ? nullptr : platform::LoadPicture(fileName, transparent_);
  Changed();
}

bool Image::PictureMissing() const { return picture_ && picture_->Missing(); }

void Image::SetTransparent(bool v) {
  if (transparent_ == v) return;
  transparent_ = v;
  if (!pictureName_.empty()) picture_ = platform::LoadPicture(pictureName_, transparent_);
  Changed();
}

void Image::Paint(Canvas& canvas) {
  if (!picture_) return;
  if (picture_->Missing()) {
    canvas.Placeholder(Rect{0, 0, Width(), Height()}, pictureName_);
    return;
  }
  const int pw = picture_->Width(), ph = picture_->Height();
  Rect dst{0, 0, pw, ph};
  if (stretch_ && proportional_) {
    const double s = std::min(double(Width()) / pw, double(Height()) / ph);
    dst.w = int(pw * s);
    dst.h = int(ph * s);
    if (center_) dst.x = (Width() - dst.w) / 2, dst.y = (Height() - dst.h) / 2;
  } else if (stretch_) {
    dst = Rect{0, 0, Width(), Height()};
  } else if (center_) {
    dst.x = (Width() - pw) / 2;
    dst.y = (Height() - ph) / 2;
  }
  canvas.Draw(picture_->Surface(), dst);
}

// ---- Label ----

Label::Label(std::string name) : Control(Kind::Label, std::move(name)) {
  SetColor(colors::ButtonFace);
}

Label::~Label() {
  if (text_) SDL_FreeSurface(text_);
}

void Label::SetEnabled(bool v) {
  Control::SetEnabled(v);
  TextChanged();
}

void Label::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  Control::SetBounds(left, top, width, height);
  if (resized && wordWrap_) textValid_ = false;
}

void Label::TextChanged() {
  textValid_ = false;
  if (!autoSize_) return;
  const std::string shown = Caption();
  if (wordWrap_ || shown.find('\n') != std::string::npos) {
    RenderText();
    return;
  }
  // One line sizes the label by measure alone: its text is drawn when the label is first painted,
  // so the labels of the screens not shown yet cost no drawing at start-up.
  int w = 0, h = 0;
  MeasureText(GetFont(), shown.empty() ? std::string_view(" ") : std::string_view(shown), w, h);
  if (shown.empty()) w = 0;
  Control::SetBounds(Left(), Top(), w, h);
}

void Label::RenderText() {
  if (text_) SDL_FreeSurface(text_);
  text_ = nullptr;
  textValid_ = true;
  const Color c = Enabled() ? GetFont().color : colors::Gray;
  const std::string shown = Caption();
  const int wrap = wordWrap_ ? std::max(1, Width()) : 0;
  text_ = platform::RenderText(GetFont(), shown, c, wrap, align_);
  if (autoSize_) {
    int w = 0, h = 0;
    if (text_) {
      w = text_->w;
      h = text_->h;
    } else {
      MeasureText(GetFont(), " ", w, h);
      w = 0;
    }
    Control::SetBounds(Left(), Top(), wordWrap_ ? Width() : w, h);
  }
}

int Label::TextHeight() {
  if (!textValid_) RenderText();
  return text_ ? text_->h : 0;
}

void Label::Paint(Canvas& canvas) {
  if (!transparent_) canvas.Fill(Rect{0, 0, Width(), Height()}, GetColor());
  if (!textValid_) RenderText();
  if (!text_) return;
  int x = 0;
  if (!wordWrap_) {
    if (align_ == Align::Right) x = Width() - text_->w;
    if (align_ == Align::Center) x = (Width() - text_->w) / 2;
  } else {
    if (align_ == Align::Right) x = Width() - text_->w;
    if (align_ == Align::Center) x = (Width() - text_->w) / 2;
  }
  canvas.DrawText(text_, x, 0);
}

// ---- Panel, group box, shape ----

static Color Shade(Color c, int delta) {
  auto f = [delta](int v) { return std::clamp(v + delta, 0, 255); };
  return Rgb(f(c.r), f(c.g), f(c.b));
}

static void Bevelled(Canvas& canvas, Rect r, Color base, bool raised) {
  const Color light = Shade(base, 60), dark = Shade(base, -70);
  canvas.Fill(Rect{r.x, r.y, r.w, 1}, raised ? light : dark);
  canvas.Fill(Rect{r.x, r.y, 1, r.h}, raised ? light : dark);
  canvas.Fill(Rect{r.x, r.y + r.h - 1, r.w, 1}, raised ? dark : light);
  canvas.Fill(Rect{r.x + r.w - 1, r.y, 1, r.h}, raised ? dark : light);
}

void Panel::Paint(Canvas& canvas) {
  const Rect r{0, 0, Width(), Height()};
  canvas.Fill(r, GetColor());
  if (bevel_ != Bevel::None) Bevelled(canvas, r, GetColor(), bevel_ == Bevel::Raised);
}

void GroupBox::Paint(Canvas& canvas) {
  canvas.Fill(Rect{0, 0, Width(), Height()}, GetColor());
  const Color c = GetColor();
  const bool dark = c.r + c.g + c.b < 3 * 96;
  canvas.Frame(Rect{0, 7, Width(), Height() - 7}, Shade(c, dark ? 90 : -70));
  if (SDL_Surface* t = TextCache::Get(GetFont(), Caption(), GetFont().color)) {
    canvas.Fill(Rect{8, 0, t->w + 4, t->h}, GetColor());
    canvas.DrawText(t, 10, 0);
  }
}

Shape::Shape(std::string name) : Control(Kind::Shape, std::move(name)) {}

void Shape::Paint(Canvas& canvas) {
  const Rect r{0, 0, Width(), Height()};
  if (!brushClear_) canvas.Fill(r, brush_);
  if (penWidth_ > 0) canvas.Frame(r, pen_, penWidth_);
}

// ---- Buttons ----

void Button::LoadGlyph(std::string_view fileName) {
  glyphName_ = std::string(fileName);
  glyph_ = fileName.empty() ? nullptr : platform::LoadPicture(fileName, true);
  Changed();
}

void Button::Paint(Canvas& canvas) {
  const Rect r{0, 0, Width(), Height()};
  const bool pressed = App().Captured() == this && App().ControlAt(App().MouseX(), App().MouseY()) == this;
  if (!flat_ || kind() == Kind::Button) {
    canvas.Fill(r, GetColor());
    Bevelled(canvas, r, GetColor(), !pressed);
  } else if (App().Hovered() == this) {
    Bevelled(canvas, r, GetColor(), !pressed);
  }
  int textX = 0;
  if (glyph_ && !glyph_->Missing()) {
    const int gx = Caption().empty() ? (Width() - glyph_->Width()) / 2 : 4;
    canvas.Draw(glyph_->Surface(), Rect{gx, (Height() - glyph_->Height()) / 2, glyph_->Width(),
                                        glyph_->Height()});
    textX = gx + glyph_->Width();
  }
  const Color c = Enabled() ? GetFont().color : colors::Gray;
  if (SDL_Surface* t = TextCache::Get(GetFont(), Caption(), c)) {
    const int x = textX + (Width() - textX - t->w) / 2 + (pressed ? 1 : 0);
    canvas.DrawText(t, x, (Height() - t->h) / 2 + (pressed ? 1 : 0));
  }
  // The keyboard focus: a dotted frame inside the edge.
  if (OwnerForm() && OwnerForm()->Focused() == this) {
    const Rect f{3, 3, Width() - 6, Height() - 6};
    for (int x = f.x; x < f.x + f.w; x += 2) {
      canvas.Fill(Rect{x, f.y, 1, 1}, c);
      canvas.Fill(Rect{x, f.y + f.h - 1, 1, 1}, c);
    }
    for (int y = f.y; y < f.y + f.h; y += 2) {
      canvas.Fill(Rect{f.x, y, 1, 1}, c);
      canvas.Fill(Rect{f.x + f.w - 1, y, 1, 1}, c);
    }
  }
}

// ---- Edit ----

// Whether Windows-1252 has a character for c (the save files hold that code page).
static bool InWindows1252(char32_t c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (c >= 0xA0 && c <= 0xFF) return true;
  static constexpr char32_t extra[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                       0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                       0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  return std::find(std::begin(extra), std::end(extra), c) != std::end(extra);
}

Edit::Edit(std::string name) : Control(Kind::Edit, std::move(name)) {
  SetColor(colors::White);
}

void Edit::SetCaption(std::string_view text) {
  Control::SetCaption(text);
  caret_ = std::min(caret_, Length());
}

int Edit::Length() const { return int(Utf8ToUtf32(Caption()).size()); }

void Edit::SetCaret(int pos) {
  caret_ = std::clamp(pos, 0, Length());
  Changed();
}

bool Edit::Focused() const { return OwnerForm() && OwnerForm()->FocusedEdit() == this; }

void Edit::SetFocus() {
  if (OwnerForm()) OwnerForm()->SetFocusedEdit(this);
}

void Edit::InsertChar(char32_t c) {
  if (c < 0x20) return;
  if (!InWindows1252(c)) c = U'?';
  std::u32string t = Utf8ToUtf32(Caption());
  if (int(t.size()) >= maxLength_) return;
  t.insert(t.begin() + caret_, c);
  ++caret_;
  Control::SetCaption(Utf32ToUtf8(t));
}

void Edit::Backspace() {
  if (caret_ == 0) return;
  std::u32string t = Utf8ToUtf32(Caption());
  t.erase(t.begin() + caret_ - 1);
  --caret_;
  Control::SetCaption(Utf32ToUtf8(t));
}

void Edit::DeleteForward() {
  std::u32string t = Utf8ToUtf32(Caption());
  if (caret_ >= int(t.size())) return;
  t.erase(t.begin() + caret_);
  Control::SetCaption(Utf32ToUtf8(t));
}

void Edit::Paint(Canvas& canvas) {
  const Rect r{0, 0, Width(), Height()};
  canvas.Fill(r, GetColor());
  Bevelled(canvas, r, colors::Silver, false);
  int caretX = 3;
  const std::u32string t = Utf8ToUtf32(Caption());
  int lineH = 0, w = 0;
  MeasureText(GetFont(), "Ag", w, lineH);
  const int y = (Height() - lineH) / 2;
  if (SDL_Surface* s = TextCache::Get(GetFont(), Caption(), GetFont().color))
    canvas.DrawText(s, 3, y);
  if (Focused()) {
    MeasureText(GetFont(), Utf32ToUtf8(t.substr(0, caret_)), w, lineH);
    caretX = 3 + (caret_ > 0 ? w : 0);
    canvas.Fill(Rect{caretX, y, 1, lineH}, GetFont().color);
  }
}

// ---- Progress bar ----

ProgressBar::ProgressBar(std::string name) : Control(Kind::ProgressBar, std::move(name)) {}

void ProgressBar::Paint(Canvas& canvas) {
  const Rect r{0, 0, Width(), Height()};
  canvas.Fill(r, GetColor());
  Bevelled(canvas, r, GetColor(), false);
  // In 64 bits: any int range and position, however wide, fills without overflow.
  const long long span = static_cast<long long>(max_) - min_;
  if (span <= 0) return;
  const long long filled =
      (static_cast<long long>(std::clamp(position_, min_, max_)) - min_) * (Width() - 2) / span;
  canvas.Fill(Rect{1, 1, int(filled), Height() - 2}, bar_);
}

// ---- Timer ----

Timer::Timer(std::string name) : Control(Kind::Timer, std::move(name)) {
  App().AddTimer(this);
  Restart();
}

Timer::~Timer() { App().RemoveTimer(this); }

void Timer::Restart() { due_ = App().Now() + std::uint64_t(std::max(interval_, 0)); }

void Timer::SetInterval(int ms) {
  interval_ = ms;
  Restart();
}

void Timer::SetEnabled(bool v) {
  Control::SetEnabled(v);
  Restart();
}

}  // namespace platform
