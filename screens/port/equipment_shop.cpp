// The equipment shop.
#include "screens/port/port.h"
#include "screens/screen_ui.h"

namespace screens {

void OpenEquipmentShop() { ScreenNotBuiltYet("EquipmentShop"); }

void OpenEquipmentView() { ScreenNotBuiltYet("EquipmentView"); }

}  // namespace screens
