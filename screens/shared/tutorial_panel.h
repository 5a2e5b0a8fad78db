// The tutorial's guidance on a screen, laid out once in resources/tutorial_panel.inc and
// resources/tutorial_arrow.inc and included by every screen that takes part:
//
// - TutorialPanel: the message panel (topic "Tutorial", the step's text, "How to continue:", what
//   to do, "Minimize" and "Cancel tutorial") and its minimised twin with "Show tutorial".
// - TutorialArrow: the blinking pointer beside the control to press, pointing at it, with its
//   1000 ms timer; each tick shows or hides it while the tutorial runs. It sits on the side of the
//   control the step asks for unless another control or the screen's edge is in the way there.
//
// A screen holds one of each it shows as members; the helpers bind the included handlers
// themselves. Every helper alive is known to HideAllTutorialGuidance, so turning the tutorial off
// or moving on to a step on another screen leaves no stale panel or arrow anywhere.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/form.h"
namespace screens {

// Which side of its control the arrow would rather sit on, pointing at it; the screen takes
// another side where that one would cover a caption or leave the screen.
enum class ArrowSide { Above, Below, Left, Right };

class TutorialPanel {
 public:
  explicit TutorialPanel(platform::Form& form);
  ~TutorialPanel();
  TutorialPanel(const TutorialPanel&) = delete;
  TutorialPanel& operator=(const TutorialPanel&) = delete;

  // Fills the texts and shows the panel at (left, top) of the form, its minimised twin hidden and
  // waiting at (minimizedLeft, minimizedTop). Where the panel would cover one of `keepClear`
  // (screen rectangles), it goes to the nearest place in the form that covers none of them, made
  // wider (and so lower) where only a wider panel finds one; the twin likewise, clear of the
  // screen's texts too.
  // Of `rather` it leaves free what it can, where some place at some width is clear of all.
  void Show(std::string_view text1, std::string_view text2, int left, int top, int minimizedLeft,
            int minimizedTop, const std::vector<platform::Rect>& keepClear = {},
            const std::vector<platform::Rect>& rather = {});
  // The same where the layout placed the panels.
  void Show(std::string_view text1, std::string_view text2,
            const std::vector<platform::Rect>& keepClear = {},
            const std::vector<platform::Rect>& rather = {});
  // Hides the panel and its twin.
  void Hide();
  // Fits the panel's height to its texts: the heading, the second text and the buttons follow
  // the first text (the buttons stand beside the topic in a panel wide enough for both).
  void FitToTexts();

  // "Minimize" and "Show tutorial".
  void Minimize();
  void Restore();

  const platform::Form& Owner() const { return form_; }
  // Where the panel stands, in screen coordinates.
  platform::Rect ScreenRect() const { return panel_.ScreenRect(); }
  // Whether the screen had no room for it and widened to hold it beside itself.
  bool StandsBeside() const { return grownFrom_.has_value(); }
  bool Shown() const { return panel_.Visible() || minimized_.Visible(); }

 private:
  // Where in the form a panel of w x h, wanted at (left, top), covers none of `keepClear`; none
  // when no place does.
  std::optional<platform::Rect> ClearPlace(int left, int top, int w, int h,
                                           const std::vector<platform::Rect>& keepClear) const;
  // Makes the panel `width` wide, its frame and texts with it.
  void SetPanelWidth(int width);
  // Gives back the room the form took for the panel, if it took any.
  void Shrink();

  platform::Form& form_;
  platform::Panel& panel_;
  platform::Panel& minimized_;
  platform::Label& text1_;
  platform::Label& text2_;
  platform::Shape& frame_;
  const platform::Rect layoutPlace_, layoutTwinPlace_;  // where the layout put the panels
  std::optional<int> grownFrom_;  // the form's width before it widened for the panel
  platform::Label& heading_;
  platform::Control& minimizeButton_;
  platform::Control& cancelButton_;
  const platform::Rect layoutMinimize_, layoutCancel_;  // the buttons' places in the layout
};

class TutorialArrow {
 public:
  explicit TutorialArrow(platform::Form& form);
  ~TutorialArrow();
  TutorialArrow(const TutorialArrow&) = delete;
  TutorialArrow& operator=(const TutorialArrow&) = delete;

  // Places the pointer beside the form's control `control`, pointing at it (on `side` of it, or
  // the first other side that covers no other control and stays in the form, or below the form,
  // which then grows to hold it), and starts its
  // blinking; `shownNow` shows it at once, else the first tick does. False when the form has no
  // such control (then nothing happens).
  bool PointAt(std::string_view control, ArrowSide side, bool shownNow = true);
  // Moves the pointer beside another control without touching its blinking.
  void MoveTo(std::string_view control, ArrowSide side);
  // Stops the blinking and hides the pointer.
  void Stop();

  const platform::Form& Owner() const { return form_; }
  // Where the pointer stands, in screen coordinates.
  platform::Rect ScreenRect() const { return arrow_.ScreenRect(); }

 private:
  bool Place(std::string_view control, ArrowSide side);
  // Gives back the room the form took for the pointer at its foot, if it took any.
  void Shrink();

  platform::Form& form_;
  platform::Image& arrow_;
  platform::Timer& timer_;
  std::optional<int> grownFrom_;  // the form's height before it grew for the pointer
};

// Hides every tutorial panel and twin and stops and hides every tutorial arrow of every screen.
void HideAllTutorialGuidance();

// Whether `a` and `b` overlap.
bool Overlap(const platform::Rect& a, const platform::Rect& b);
// The screen rectangle of what a control shows: the text of a label or button with a caption,
// else the whole control.
platform::Rect ShownRect(platform::Control& c);
// The screen rectangles of the form's visible captions: labels and buttons showing a text.
std::vector<platform::Rect> CaptionRects(const platform::Form& form);
// The screen rectangles of what the form shows the player besides `target` and the pointer: the
// texts of its captions, the pictures the player clicks and its other controls; not the frames,
// panels, pictures and bars of its face, nor a control that holds all of the target (a backdrop).
std::vector<platform::Rect> OtherControls(const platform::Form& form, const platform::Control& target);

// The panel or arrow of the form named `formName`; null when it has none.
TutorialPanel* FindTutorialPanel(std::string_view formName);
TutorialArrow* FindTutorialArrow(std::string_view formName);

}  // namespace screens
