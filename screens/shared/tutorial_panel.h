// The tutorial's guidance on a screen, laid out once in resources/tutorial_panel.inc and
// resources/tutorial_arrow.inc and included by every screen that takes part:
//
// - TutorialPanel: the message panel (topic "Tutorial", the step's text, "How to continue:", what
//   to do, "Minimize" and "Cancel tutorial") and its minimised twin with "Show tutorial".
// - TutorialArrow: the blinking marker beside the control to press, with its 1000 ms timer; each
//   tick shows or hides it while the tutorial runs.
//
// A screen holds one of each it shows as members; the helpers bind the included handlers
// themselves. Every helper alive is known to HideAllTutorialGuidance, so turning the tutorial off
// or moving on to a step on another screen leaves no stale panel or arrow anywhere.
#pragma once

#include <string_view>

#include "platform/form.h"
#include "rules/tutorial.h"

namespace screens {

class TutorialPanel {
 public:
  explicit TutorialPanel(platform::Form& form);
  ~TutorialPanel();
  TutorialPanel(const TutorialPanel&) = delete;
  TutorialPanel& operator=(const TutorialPanel&) = delete;

  // Fills the texts and shows the panel at (left, top) of the form, its minimised twin hidden and
  // waiting at (minimizedLeft, minimizedTop).
  void Show(std::string_view text1, std::string_view text2, int left, int top, int minimizedLeft,
            int minimizedTop);
  // The same where the layout placed the panels.
  void Show(std::string_view text1, std::string_view text2);
  // Hides the panel and its twin.
  void Hide();
  // Fits the panel's height to its texts: the heading, the second text and the buttons follow
  // the first text.
  void FitToTexts();

  // "Minimize" and "Show tutorial".
  void Minimize();
  void Restore();

  const platform::Form& Owner() const { return form_; }

 private:
  platform::Form& form_;
  platform::Panel& panel_;
  platform::Panel& minimized_;
  platform::Label& text1_;
  platform::Label& text2_;
  platform::Shape& frame_;
  platform::Label& heading_;
  platform::Control& minimizeButton_;
  platform::Control& cancelButton_;
};

class TutorialArrow {
 public:
  explicit TutorialArrow(platform::Form& form);
  ~TutorialArrow();
  TutorialArrow(const TutorialArrow&) = delete;
  TutorialArrow& operator=(const TutorialArrow&) = delete;

  // Places the marker at (left, top) of the form and starts its blinking; `shownNow` shows it at
  // once, else the first tick does.
  void Start(int left, int top, bool shownNow = true);
  // Places the marker beside the form's control `control` (on `side` of it) and starts it; false
  // when the form has no such control (then nothing happens).
  bool PointAt(std::string_view control, rules::ArrowSide side, bool shownNow = true);
  // Moves the marker without touching its blinking.
  void MoveTo(int left, int top);
  // Stops the blinking and hides the marker.
  void Stop();

  int Width() const { return arrow_.Width(); }
  int Height() const { return arrow_.Height(); }
  const platform::Form& Owner() const { return form_; }

 private:
  platform::Form& form_;
  platform::Panel& arrow_;
  platform::Timer& timer_;
};

// Hides every tutorial panel and twin and stops and hides every tutorial arrow of every screen.
void HideAllTutorialGuidance();

// The panel or arrow of the form named `formName`; null when it has none.
TutorialPanel* FindTutorialPanel(std::string_view formName);
TutorialArrow* FindTutorialArrow(std::string_view formName);

}  // namespace screens
