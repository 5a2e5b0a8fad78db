#include "state/random.h"

namespace state {

std::uint32_t RandSeed = 0;

}  // namespace state
