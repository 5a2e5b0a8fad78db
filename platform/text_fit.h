// Whether every text a form shows fits its place: the script runner asks at each screenshot, so a
// player flow fails where a caption is cut off or struck through.
#pragma once

#include <string>
#include <vector>

namespace platform {

class Form;

// One line per fault of the form's visible labels, naming the label and the text:
//  - the text's drawn pixels reach past the label's box (wider or taller than it), or past the
//    panel or form that clips the label, so part of it is cut off;
//  - the outline of a shape (a frame) runs through the text's drawn pixels, where it shows: the
//    frame lies above the label, or the label lets it through (transparent);
//  - another label's text is drawn over it through that label (transparent), with nothing opaque
//    between them there, so the two texts show mixed.
// Empty when everything fits.
std::vector<std::string> TextFitFaults(const Form& form);

// One line per visible label of a screen (the forms shown, bottom to top) whose text shows in
// part in the thin margin (under 40 pixels) that a screen shown in its place (as wide or as tall
// as it, or more) leaves of it: a stray piece of a screen the player has left. A text hidden
// whole is no fault, nor one that a popup or a smaller screen covers in part, as any window
// covers another.
std::vector<std::string> TextsShowingPastFaults(const std::vector<Form*>& bottomToTop);

}  // namespace platform
