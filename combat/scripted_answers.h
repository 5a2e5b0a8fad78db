// The answers of the recording screens: those a test or tool scripted, front first, then its
// blanket answer when it set one. A question with neither is a fault of the script: it throws
// UnscriptedQuestion, naming the question, so the test or tool stops there instead of going on with
// an answer nobody chose.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace combat {

class UnscriptedQuestion : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The next answer for a question of `kind` ("question", "choice"); `line` is its topic and text as
// the transcript writes them.
bool NextScriptedAnswer(std::deque<bool>& scripted, const std::optional<bool>& blanket,
                        std::string_view kind, std::string_view line);

}  // namespace combat
