// Numbered rows of a screen (a layout's repeat block): the row a component stands in, read from
// the number its name ends in, so one handler serves every row.
#pragma once

#include "platform/controls.h"

namespace screens {

// 3 for "AbilityButton3"; 0 for a name that ends in no number.
int RowNumber(const platform::Control& control);

}  // namespace screens
