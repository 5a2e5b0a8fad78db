#include "screens/shared/close_question.h"

#include <utility>

#include "platform/application.h"
#include "screens/popups/popups.h"

namespace screens {

GameInProgress::GameInProgress()
    : before_(platform::App().SetCloseQuestion([] { return popups::AskQuitGame(); })) {}

GameInProgress::~GameInProgress() { platform::App().SetCloseQuestion(std::move(before_)); }

GameOver::GameOver() : before_(platform::App().SetCloseQuestion(nullptr)) {}

GameOver::~GameOver() { platform::App().SetCloseQuestion(std::move(before_)); }

}  // namespace screens
