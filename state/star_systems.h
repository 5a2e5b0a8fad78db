// The 24 star systems by name, numbered as the star map and every system field hold them
// (state::kLastSystem is the last). Like the field names (state/fields.h), the ids sit at the top
// level, next to `state`, so that every layer writes them short.
#pragma once

#include <cstdint>

enum StarSystemId : std::int32_t {
  kSystemSol = 1,
  kSystemCarse = 2,
  kSystemHope = 3,
  kSystemSirius = 4,
  kSystemNewManchester = 5,
  kSystemNewGermany = 6,
  kSystemMoor = 7,
  kSystemFinis = 8,
  kSystemWarfield = 9,
  kSystemNewIreland = 10,
  kSystemBaiton = 11,
  kSystemHyraxan = 12,
  kSystemNewMoscow = 13,
  kSystemNewScotland = 14,
  kSystemLandsEnd = 15,
  kSystemNewFrance = 16,
  kSystemNewItaly = 17,
  kSystemNewEngland = 18,
  kSystemNewCuba = 19,
  kSystemTortuga = 20,
  kSystemBarbados = 21,
  kSystemWestwind = 22,
  kSystemKimberley = 23,
  kSystemGlenshire = 24,
};
