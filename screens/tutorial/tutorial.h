// The interactive tutorial: a step machine over state::TutorialActive and state::TutorialStep
// that leads a new captain through the first game. Each step shows its message panel and, where
// useful, a blinking arrow on the screen where the player must act; the screens' handlers and the
// rules move it on (through rules::Ui::BeginTutorialStep) when the expected action happens.
#pragma once

#include "rules/tutorial.h"
#include "state/tutorial_steps.h"

namespace screens {

// Turns the tutorial on at its first step (the faction selection); any guidance still shown goes.
void StartTutorial();
// Turns the tutorial off and hides every panel and arrow it shows. The step is kept.
void StopTutorial();

// Moves on to `step`: whatever the step before showed goes, the new step's panel and arrow show,
// and state::TutorialStep becomes `step`.
void BeginTutorialStep(tutorial::Step step);
// Moves on to `to` when the running tutorial stands at `from`: the screens' hooks.
void AdvanceTutorial(tutorial::Step from, tutorial::Step to);
// Moves the running tutorial on after `event`: the screens' own hooks, besides the rules'.
void FollowTutorial(rules::TutorialEvent event);
// Puts away what `step` shows when the tutorial stands at it, without moving on.
void EndTutorialStep(tutorial::Step step);
// Places the running step's panel and arrow again, once their screen has changed around them
// (a panel of it opened where the guidance stands).
void PlaceTutorialGuidanceAgain();

}  // namespace screens
