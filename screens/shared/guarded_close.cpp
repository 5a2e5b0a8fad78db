#include "screens/shared/guarded_close.h"

namespace screens {

GuardedClose::GuardedClose(platform::Form& form, std::uint8_t& mayClose)
    : form_(form), mayClose_(mayClose) {
  form_.Bind("FormCloseQuery", [this](platform::Sender s) { CloseQuery(s); });
  form_.Bind("FormClose", [this](platform::Sender) { Closed(); });
}

void GuardedClose::CloseByButton() {
  mayClose_ = 1;
  form_.Close();
}

void GuardedClose::CloseQuery(platform::EventArgs& args) const {
  if (mayClose_ == 1) {
    args.canClose = true;
    return;
  }
  args.canClose = onRefused_ ? onRefused_() : false;
}

}  // namespace screens
