#include "screens/shared/rows.h"

#include <string>

namespace screens {

int RowNumber(const platform::Control& control) {
  const std::string& name = control.Name();
  std::size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
  if (digits == name.size() || name.size() - digits > 6) return 0;
  return std::stoi(name.substr(digits));
}

}  // namespace screens
