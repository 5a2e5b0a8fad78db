// The star map of a new game, one row per system, per body and per system's space-find spots.
#include "state/star_map.h"

#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/star_systems.h"
#include "state/variables.h"

#include <iterator>

namespace state {
namespace {

// The tables' short names: the owners, the body kinds and the economy classes of systems and
// planets (a barren planet, where nobody lives, has kind 0 and no market).
constexpr std::int32_t kFed = kFactionFederation;
constexpr std::int32_t kRim = kFactionOuterRim;
constexpr std::int32_t kCoal = kFactionCoalition;
constexpr std::int32_t kSynd = kFactionSyndicate;
constexpr std::int32_t kSun = kKindSun;
constexpr std::int32_t kWormhole = kKindWormhole;
constexpr std::int32_t kHideout = kKindPirateHideout;
constexpr std::int32_t kBarren = 0;
constexpr std::int32_t kAgri = kEconomyAgricultural;
constexpr std::int32_t kMine = kEconomyMining;
constexpr std::int32_t kLux = kEconomyLuxury;
constexpr std::int32_t kInd = kEconomyIndustrial;
constexpr std::int32_t kLocal = kEconomyLocalCapital;
constexpr std::int32_t kCap = kEconomyCapital;

// clang-format off
constexpr StarSystemRow kSystemRows[] = {
  // sys  name               owner  class
  {  1, "Sol",              kFed,  kCap},
  {  2, "Carse",            kFed,  kLux},
  {  3, "Hope",             kFed,  kAgri},
  {  4, "Sirius",           kFed,  kInd},
  {  5, "N. Manchester",    kCoal, kInd},
  {  6, "New Germany",      kCoal, kInd},
  {  7, "Moor",             kSynd, kMine},
  {  8, "Finis",            kFed,  kCap},
  {  9, "Warfield",         kFed,  kAgri},
  { 10, "New Ireland",      kFed,  kAgri},
  { 11, "Baiton",           kFed,  kAgri},
  { 12, "Hyraxan",          kRim,  kCap},
  { 13, "New Moscow",       kSynd, kCap},
  { 14, "New Scotland",     kRim,  kAgri},
  { 15, "Lands End",        kRim,  kMine},
  { 16, "New France",       kCoal, kCap},
  { 17, "New Italy",        kSynd, kMine},
  { 18, "New England",      kCoal, kAgri},
  { 19, "New Cuba",         kSynd, kAgri},
  { 20, "Tortuga",          kSynd, kAgri},
  { 21, "Barbados",         kSynd, kAgri},
  { 22, "Westwind",         kRim,  kAgri},
  { 23, "Kimberley",        kRim,  kAgri},
  { 24, "Glenshire",        kRim,  kAgri},
};
static_assert(std::size(kSystemRows) == kSystemGlenshire, "one row per named system");

constexpr StarBodyRow kBodyRows[] = {
  // sys slot kind     name                         x    y    pic city dest jump mark
  {  1,  1, kSun,      "",                          344, 260,  0,  0,  0, 0, BodyMark::kNone},
  {  1,  2, kCap,      "Earth",                     441, 362,  2,  0,  0, 0, BodyMark::kNone},
  {  1,  3, kCap,      "Moon",                      518, 321,  3,  0,  0, 0, BodyMark::kNone},
  {  1,  4, kInd,      "Mars",                      357, 138,  4,  0,  0, 0, BodyMark::kNone},
  {  1,  5, kInd,      "Jupiter",                   190, 189,  5,  0,  0, 0, BodyMark::kNone},
  {  1,  6, kInd,      "Saturn",                     89, 239,  6,  0,  0, 0, BodyMark::kNone},
  {  1,  7, kWormhole, "",                          620, 167,  0,  0,  2, 2, BodyMark::kNone},
  {  1,  8, kHideout,  "",                          290, 402,  0,  0,  0, 0, BodyMark::kNone},
  {  2,  1, kSun,      "",                          285, 209,  0,  0,  0, 0, BodyMark::kNone},
  {  2,  2, kLocal,    "Carse",                     210, 151,  8,  0,  0, 0, BodyMark::kNone},
  {  2,  3, kLux,      "Melflor",                   435, 138,  9,  0,  0, 0, BodyMark::kNone},
  {  2,  4, kLux,      "New Hawaii",                388, 393, 10,  0,  0, 0, BodyMark::kNone},
  {  2,  5, kWormhole, "",                          115, 300,  0,  0,  1, 2, BodyMark::kNone},
  {  2,  6, kWormhole, "",                           86, 148,  0,  0,  5, 4, BodyMark::kNone},
  {  2,  7, kWormhole, "",                          550, 123,  0,  0,  3, 4, BodyMark::kNone},
  {  2,  8, kWormhole, "",                          679, 239,  0,  0,  4, 6, BodyMark::kNone},
  {  2,  9, kHideout,  "",                          502, 397,  0,  0,  0, 0, BodyMark::kNone},
  {  3,  1, kSun,      "",                          331, 230,  0,  0,  0, 0, BodyMark::kNone},
  {  3,  2, kAgri,     "Hope Prime",                120, 150, 11, 11,  0, 0, BodyMark::kNone},
  {  3,  3, kAgri,     "New Light",                 482, 274, 12,  0,  0, 0, BodyMark::kNone},
  {  3,  4, kMine,     "Asteroids A",               293, 151, 24,  0,  0, 0, BodyMark::kMiningRocks},
  {  3,  5, kWormhole, "",                          276, 412,  0,  0,  2, 4, BodyMark::kNone},
  {  3,  6, kWormhole, "Wormhole to Moore",         530, 123,  0,  0,  7, 3, BodyMark::kNone},
  {  3,  7, kHideout,  "",                          535, 387,  0,  0,  0, 0, BodyMark::kNone},
  {  4,  1, kSun,      "",                          254, 151,  0,  0,  0, 0, BodyMark::kNone},
  {  4,  2, kLocal,    "Sirius Prime",              365, 274, 13, 10,  0, 0, BodyMark::kNone},
  {  4,  3, kInd,      "Sirius II",                 145, 314, 14,  0,  0, 0, BodyMark::kNone},
  {  4,  4, kInd,      "XF-45",                     453, 123, 15,  0,  0, 0, BodyMark::kNone},
  {  4,  5, kWormhole, "",                           86, 148,  0,  0,  2, 6, BodyMark::kNone},
  {  4,  6, kWormhole, "",                          571, 258,  0,  0,  8, 6, BodyMark::kNone},
  {  4,  7, kHideout,  "",                          260, 414,  0,  0,  0, 0, BodyMark::kNone},
  {  5,  1, kSun,      "",                          276, 210,  0,  0,  0, 0, BodyMark::kNone},
  {  5,  2, kInd,      "Manchester",                339, 138, 16,  0,  0, 0, BodyMark::kNone},
  {  5,  3, kInd,      "Manchester II",             158, 274, 17,  0,  0, 0, BodyMark::kNone},
  {  5,  4, kInd,      "Carter Base",               470, 258, 18,  0,  0, 0, BodyMark::kNone},
  {  5,  5, kWormhole, "",                          659, 250,  0,  0,  2, 4, BodyMark::kNone},
  {  5,  6, kWormhole, "",                           86, 148,  0,  0,  6, 4, BodyMark::kNone},
  {  5,  7, kHideout,  "",                          368, 387,  0,  0,  0, 0, BodyMark::kNone},
  {  6,  1, kSun,      "",                          403, 260,  0,  0,  0, 0, BodyMark::kNone},
  {  6,  2, kLocal,    "Neu Berlin",                555, 260, 19,  0,  0, 0, BodyMark::kNone},
  {  6,  3, kMine,     "Neu Ruhrgebiet",            353, 328, 22,  0,  0, 0, BodyMark::kNone},
  {  6,  4, kInd,      "Neu Frankfurt",             453, 123, 20,  0,  0, 0, BodyMark::kNone},
  {  6,  5, kWormhole, "",                          221, 195,  0,  0, 15, 8, BodyMark::kNone},
  {  6,  6, kWormhole, "",                          551, 123,  0,  0, 17, 4, BodyMark::kNone},
  {  6,  7, kWormhole, "",                          546, 390,  0,  0,  5, 4, BodyMark::kNone},
  {  6,  8, kWormhole, "",                           95, 235,  0,  0, 16, 2, BodyMark::kNone},
  {  6,  9, kHideout,  "",                          250, 400,  0,  0,  0, 0, BodyMark::kNone},
  {  6, 10, kWormhole, "",                          171, 400,  0,  0, 18, 4, BodyMark::kNone},
  {  7,  1, kSun,      "",                          470, 250,  0,  0,  0, 0, BodyMark::kNone},
  {  7,  2, kMine,     "Moor",                      285, 303, 23,  0,  0, 0, BodyMark::kNone},
  {  7,  3, kMine,     "Asteroids A",               293, 151, 24,  0,  0, 0, BodyMark::kMiningRocks},
  {  7,  4, kMine,     "Asteroids B",               204, 303, 24,  0,  0, 0, BodyMark::kMiningRocks},
  {  7,  6, kWormhole, "",                           86, 148,  0,  0,  3, 3, BodyMark::kNone},
  {  7,  7, kWormhole, "",                          670, 195,  0,  0, 23, 3, BodyMark::kNone},
  {  7,  8, kWormhole, "",                          502, 160,  0,  0, 17, 6, BodyMark::kNone},
  {  7,  9, kHideout,  "",                          600, 440,  0,  0,  0, 0, BodyMark::kNone},
  {  8,  1, kSun,      "",                          437, 338,  0,  0,  0, 0, BodyMark::kNone},
  {  8,  2, kLocal,    "Finis Prime",               521, 242, 15,  0,  0, 0, BodyMark::kNone},
  {  8,  3, kBarren,   "New Cario",                 672, 290, 12,  0,  0, 0, BodyMark::kNone},
  {  8,  4, kLocal,    "Sargoth",                   304, 282, 26,  0,  0, 0, BodyMark::kNone},
  {  8,  5, kInd,      "Pergor",                    332, 420, 27,  0,  0, 0, BodyMark::kNone},
  {  8,  6, kMine,     "Temblor",                   144, 195, 28,  0,  0, 0, BodyMark::kNone},
  {  8,  7, kWormhole, "",                          594, 430,  0,  0,  9, 6, BodyMark::kNone},
  {  8,  8, kWormhole, "",                          178, 430,  0,  0,  4, 2, BodyMark::kNone},
  {  8,  9, kWormhole, "Wormhole to N. Ireland",    583, 156,  0,  0, 10, 6, BodyMark::kNone},
  {  8, 10, kHideout,  "",                          407, 164,  0,  0,  0, 0, BodyMark::kNone},
  {  9,  1, kSun,      "",                          371, 269,  0,  0,  0, 0, BodyMark::kNone},
  {  9,  2, kMine,     "Summer",                    452, 269, 29,  0,  0, 0, BodyMark::kNone},
  {  9,  3, kMine,     "Sparta",                    250, 323, 30,  0,  0, 0, BodyMark::kNone},
  {  9,  4, kBarren,   "Boron",                     179, 165, 31,  0,  0, 0, BodyMark::kNone},
  {  9,  5, kAgri,     "New Rainforest",            656, 316, 32,  0,  0, 0, BodyMark::kNone},
  {  9,  6, kWormhole, "",                          549, 412,  0,  0, 20, 4, BodyMark::kNone},
  {  9,  8, kWormhole, "",                          585, 181,  0,  0,  8, 6, BodyMark::kNone},
  {  9,  9, kHideout,  "",                          468, 156,  0,  0,  0, 0, BodyMark::kNone},
  { 10,  1, kSun,      "",                          382, 279,  0,  0,  0, 0, BodyMark::kNone},
  { 10,  2, kLocal,    "Hyperion",                  235, 195, 25, 12,  0, 0, BodyMark::kNone},
  { 10,  3, kAgri,     "Innisfree",                 464, 347, 43,  0,  0, 0, BodyMark::kNone},
  { 10,  4, kAgri,     "New Dublin",                231, 398, 19,  0,  0, 0, BodyMark::kNone},
  { 10,  5, kMine,     "Asteriods C",               380, 163, 24,  0,  0, 0, BodyMark::kNone},
  { 10,  6, kWormhole, "",                           86, 263,  0,  0,  8, 6, BodyMark::kNone},
  { 10,  7, kWormhole, "",                          565, 148,  0,  0, 12, 2, BodyMark::kNone},
  { 10,  8, kWormhole, "",                          599, 251,  0,  0, 14, 3, BodyMark::kNone},
  { 10,  9, kWormhole, "",                          592, 398,  0,  0, 11, 1, BodyMark::kNone},
  { 10, 10, kHideout,  "",                           86, 148,  0,  0,  0, 0, BodyMark::kNone},
  { 11,  1, kSun,      "",                          335, 211,  0,  0,  0, 0, BodyMark::kNone},
  { 11,  2, kAgri,     "Hermes",                    126, 211, 33,  0,  0, 0, BodyMark::kNone},
  { 11,  3, kMine,     "Tear",                      529, 211, 34,  0,  0, 0, BodyMark::kNone},
  { 11,  4, kAgri,     "New Oxford",                261, 307,  9,  0,  0, 0, BodyMark::kNone},
  { 11,  5, kAgri,     "Tulan",                     416, 355, 21,  0,  0, 0, BodyMark::kNone},
  { 11,  6, kAgri,     "Tulan II",                  565, 355, 21,  0,  0, 0, BodyMark::kNone},
  { 11,  7, kWormhole, "",                          416, 123,  0,  0, 10, 1, BodyMark::kNone},
  { 11,  8, kWormhole, "",                          177, 399,  0,  0, 20, 4, BodyMark::kNone},
  { 11,  9, kHideout,  "",                          528, 130,  0,  0,  0, 0, BodyMark::kNone},
  { 12,  1, kSun,      "",                          371, 271,  0,  0,  0, 0, BodyMark::kNone},
  { 12,  2, kLocal,    "Hyraxan VII",               126, 179, 35,  0,  0, 0, BodyMark::kNone},
  { 12,  3, kAgri,     "Holuria",                   583, 219, 30,  0,  0, 0, BodyMark::kNone},
  { 12,  4, kInd,      "Nox III",                   151, 371, 36,  0,  0, 0, BodyMark::kNone},
  { 12,  5, kInd,      "Seressa II",                499, 371, 22,  0,  0, 0, BodyMark::kNone},
  { 12,  6, kMine,     "Tempest IX",                250, 439, 37,  0,  0, 0, BodyMark::kNone},
  { 12,  7, kAgri,     "Megan",                     592, 439, 35,  0,  0, 0, BodyMark::kNone},
  { 12,  8, kWormhole, "",                          452, 123,  0,  0, 15, 2, BodyMark::kNone},
  { 12,  9, kWormhole, "",                           80, 271,  0,  0, 10, 2, BodyMark::kNone},
  { 12, 10, kHideout,  "",                          400, 430,  0,  0,  0, 0, BodyMark::kNone},
  { 13,  1, kSun,      "",                          281, 265,  0,  0,  0, 0, BodyMark::kNone},
  { 13,  2, kCap,      "Moscow Prime",              404, 321,  9,  0,  0, 0, BodyMark::kNone},
  { 13,  3, kInd,      "Murmansk",                  235, 385, 16,  0,  0, 0, BodyMark::kNone},
  { 13,  4, kInd,      "Petersburg",                 88, 335,  8,  0,  0, 0, BodyMark::kNone},
  { 13,  5, kAgri,     "Molotow",                   114, 211, 38,  0,  0, 0, BodyMark::kNone},
  { 13,  6, kAgri,     "Gameris",                   346, 131, 30,  0,  0, 0, BodyMark::kNone},
  { 13,  7, kWormhole, "",                          529, 403,  0,  0, 17, 4, BodyMark::kNone},
  { 13,  8, kWormhole, "",                          592, 195,  0,  0, 19, 4, BodyMark::kNone},
  { 13,  9, kHideout,  "",                          212, 164,  0,  0,  0, 0, BodyMark::kNone},
  { 14,  1, kSun,      "",                          365, 242,  0,  0,  0, 0, BodyMark::kNone},
  { 14,  2, kMine,     "Tir",                       214, 242, 44,  0,  0, 0, BodyMark::kNone},
  { 14,  3, kInd,      "New Sutherland",            536, 163, 13,  0,  0, 0, BodyMark::kNone},
  { 14,  4, kAgri,     "New Skye",                  480, 302, 20,  0,  0, 0, BodyMark::kNone},
  { 14,  5, kAgri,     "New Aberdeen",              365, 412, 19,  0,  0, 0, BodyMark::kNone},
  { 14,  6, kWormhole, "",                           59, 242,  0,  0, 10, 3, BodyMark::kNone},
  { 14,  7, kHideout,  "",                          693, 286,  0,  0,  0, 0, BodyMark::kNone},
  { 15,  1, kSun,      "",                          416, 235,  0,  0,  0, 0, BodyMark::kNone},
  { 15,  2, kMine,     "Howling Wind",              264, 339, 39,  0,  0, 0, BodyMark::kNone},
  { 15,  3, kMine,     "Asteroids B",               509, 123, 24,  0,  0, 0, BodyMark::kRocks},
  { 15,  4, kMine,     "Asteroids C",               225, 179, 24,  0,  0, 0, BodyMark::kRocks},
  { 15,  5, kMine,     "Asteroids A",                69, 235, 24,  0,  0, 0, BodyMark::kRocks},
  { 15,  6, kWormhole, "Wormhole to New Glenshire", 594, 179,  0,  0, 24, 3, BodyMark::kNone},
  { 15,  7, kWormhole, "",                          565, 295,  0,  0,  6, 9, BodyMark::kNone},
  { 15,  8, kWormhole, "",                          114, 390,  0,  0, 12, 2, BodyMark::kNone},
  { 15,  9, kHideout,  "",                          427, 128,  0,  0,  0, 0, BodyMark::kNone},
  { 16,  1, kSun,      "",                          541, 211,  0,  0,  0, 0, BodyMark::kNone},
  { 16,  2, kAgri,     "Bordeaux",                  346, 139, 20,  0,  0, 0, BodyMark::kNone},
  { 16,  3, kCap,      "Paris",                     141, 211, 10,  0,  0, 0, BodyMark::kNone},
  { 16,  4, kInd,      "Lille",                     416, 297, 33,  0,  0, 0, BodyMark::kNone},
  { 16,  5, kInd,      "Montpellier",               247, 382, 32,  0,  0, 0, BodyMark::kNone},
  { 16,  6, kWormhole, "",                          516, 433,  0,  0,  6, 2, BodyMark::kNone},
  { 16,  7, kHideout,  "",                          670, 324,  0,  0,  0, 0, BodyMark::kNone},
  { 17,  1, kSun,      "",                          437, 262,  0,  0,  0, 0, BodyMark::kNone},
  { 17,  2, kMine,     "Roma",                      335, 195, 40,  0,  0, 0, BodyMark::kNone},
  { 17,  3, kMine,     "Milano",                    554, 305, 34,  0,  0, 0, BodyMark::kNone},
  { 17,  4, kMine,     "Deserto",                   335, 345, 30,  0,  0, 0, BodyMark::kNone},
  { 17,  5, kMine,     "Sicily",                    440, 393, 38,  0,  0, 0, BodyMark::kNone},
  { 17,  6, kMine,     "Asteroids B",               230, 229, 24,  0,  0, 0, BodyMark::kRocks},
  { 17,  7, kMine,     "Asteroids A",                59, 278, 24,  0,  0, 0, BodyMark::kRocks},
  { 17,  8, kWormhole, "",                           59, 163,  0,  0, 13, 4, BodyMark::kNone},
  { 17,  9, kWormhole, "",                          197, 350,  0,  0,  6, 4, BodyMark::kNone},
  { 17, 10, kWormhole, "",                          577, 433,  0,  0,  7, 6, BodyMark::kNone},
  { 17, 11, kWormhole, "",                          500, 135,  0,  0, 19, 4, BodyMark::kNone},
  { 17, 12, kHideout,  "",                          693, 286,  0,  0,  0, 0, BodyMark::kNone},
  { 18,  1, kSun,      "",                          392, 318,  0,  0,  0, 0, BodyMark::kNone},
  { 18,  2, kMine,     "New Abaraeron",             101, 195, 28,  0,  0, 0, BodyMark::kNone},
  { 18,  3, kLocal,    "New London",                225, 254, 41,  0,  0, 0, BodyMark::kNone},
  { 18,  4, kInd,      "New Wales",                 583, 318, 42,  0,  0, 0, BodyMark::kNone},
  { 18,  5, kAgri,     "New England IV",            499, 412, 36,  0,  0, 0, BodyMark::kNone},
  { 18,  6, kWormhole, "",                          392, 195,  0,  0,  6, 4, BodyMark::kNone},
  { 18,  7, kHideout,  "",                          100, 380,  0,  0,  0, 0, BodyMark::kNone},
  { 19,  1, kSun,      "",                          384, 260,  0,  0,  0, 0, BodyMark::kNone},
  { 19,  2, kMine,     "New Cuba",                  200, 321, 32,  0,  0, 0, BodyMark::kNone},
  { 19,  3, kMine,     "Asteroids A",               255, 175, 24,  0,  0, 0, BodyMark::kRocks},
  { 19,  4, kMine,     "Asteroids B",               534, 236, 24,  0,  0, 0, BodyMark::kRocks},
  { 19,  5, kMine,     "Asteroids C",               486, 387, 24,  0,  0, 0, BodyMark::kRocks},
  { 19,  6, kWormhole, "",                          100, 215,  0,  0, 13, 5, BodyMark::kNone},
  { 19,  7, kWormhole, "",                          535, 135,  0,  0, 20, 3, BodyMark::kNone},
  { 19,  8, kWormhole, "",                          667, 253,  0,  0, 21, 4, BodyMark::kNone},
  { 19,  9, kWormhole, "",                          387, 430,  0,  0, 17, 4, BodyMark::kNone},
  { 19, 10, kHideout,  "",                          648, 384,  0,  0,  0, 0, BodyMark::kNone},
  { 20,  1, kSun,      "",                          282, 230,  0,  0,  0, 0, BodyMark::kNone},
  { 20,  2, kMine,     "Tortuga",                   406, 286, 32,  0,  0, 0, BodyMark::kNone},
  { 20,  3, kMine,     "Asteroids A",               440, 132, 24,  0,  0, 0, BodyMark::kRocks},
  { 20,  4, kMine,     "Asteroids B",               166, 265, 24,  0,  0, 0, BodyMark::kRocks},
  { 20,  5, kMine,     "Asteroids C",               253, 433, 24,  0,  0, 0, BodyMark::kRocks},
  { 20,  6, kMine,     "Asteroids D",               400, 400, 24,  0,  0, 0, BodyMark::kRocks},
  { 20,  7, kMine,     "Asteroids E",               630, 310, 24,  0,  0, 0, BodyMark::kRocks},
  { 20,  8, kWormhole, "",                          568, 159,  0,  0, 11, 4, BodyMark::kNone},
  { 20,  9, kWormhole, "",                           89, 199,  0,  0,  9, 4, BodyMark::kNone},
  { 20, 10, kWormhole, "",                           97, 396,  0,  0, 19, 3, BodyMark::kNone},
  { 20, 11, kWormhole, "",                          567, 424,  0,  0, 21, 4, BodyMark::kNone},
  { 20, 12, kHideout,  "",                          204, 180,  0,  0,  0, 0, BodyMark::kNone},
  { 21,  1, kSun,      "",                          378, 326,  0,  0,  0, 0, BodyMark::kNone},
  { 21,  2, kMine,     "Barbados",                  552, 254, 34,  0,  0, 0, BodyMark::kNone},
  { 21,  3, kMine,     "Asteroids A",               305, 177, 24,  0,  0, 0, BodyMark::kRocks},
  { 21,  4, kMine,     "Asteroids B",               507, 346, 24,  0,  0, 0, BodyMark::kRocks},
  { 21,  5, kMine,     "Asteroids C",               109, 390, 24,  0,  0, 0, BodyMark::kRocks},
  { 21,  6, kWormhole, "",                           82, 205,  0,  0, 20, 4, BodyMark::kNone},
  { 21,  7, kWormhole, "",                          320, 440,  0,  0, 22, 3, BodyMark::kNone},
  { 21,  8, kWormhole, "",                          590, 430,  0,  0, 24, 2, BodyMark::kNone},
  { 21,  9, kHideout,  "",                          687, 345,  0,  0,  0, 0, BodyMark::kNone},
  { 22,  1, kSun,      "",                          342, 265,  0,  0,  0, 0, BodyMark::kNone},
  { 22,  2, kMine,     "Westwind",                  375, 361, 45,  0,  0, 0, BodyMark::kNone},
  { 22,  3, kMine,     "Asteroids A",               445, 159, 24,  0,  0, 0, BodyMark::kRocks},
  { 22,  4, kMine,     "Asteroids B",               295, 416, 24,  0,  0, 0, BodyMark::kRocks},
  { 22,  5, kMine,     "Asteroids C",               483, 434, 24,  0,  0, 0, BodyMark::kRocks},
  { 22,  6, kWormhole, "",                          568, 159,  0,  0, 21, 3, BodyMark::kNone},
  { 22,  7, kWormhole, "",                          650, 249,  0,  0, 23, 3, BodyMark::kNone},
  { 22,  8, kHideout,  "",                          100, 177,  0,  0,  0, 0, BodyMark::kNone},
  { 23,  1, kSun,      "",                          367, 201,  0,  0,  0, 0, BodyMark::kNone},
  { 23,  2, kLocal,    "Kimberley Prime",           256, 352, 11,  0,  0, 0, BodyMark::kNone},
  { 23,  3, kLux,      "Kimberley II (\"Sin\")",    241, 227, 47,  0,  0, 0, BodyMark::kNone},
  { 23,  4, kAgri,     "Kimberley III",             491, 346, 20,  0,  0, 0, BodyMark::kNone},
  { 23,  5, kMine,     "Kimberley IV",              497, 213, 48,  0,  0, 0, BodyMark::kNone},
  { 23,  6, kWormhole, "",                          101, 225,  0,  0, 22, 3, BodyMark::kNone},
  { 23,  7, kWormhole, "",                           98, 356,  0,  0,  7, 3, BodyMark::kNone},
  { 23,  8, kWormhole, "",                          616, 243,  0,  0, 24, 2, BodyMark::kNone},
  { 23,  9, kHideout,  "",                          168, 160,  0,  0,  0, 0, BodyMark::kNone},
  { 24,  1, kSun,      "",                          388, 358,  0,  0,  0, 0, BodyMark::kNone},
  { 24,  2, kLocal,    "Glenshire",                 440, 239, 26,  0,  0, 0, BodyMark::kNone},
  { 24,  3, kAgri,     "New Donegal",               274, 268, 41,  0,  0, 0, BodyMark::kNone},
  { 24,  4, kMine,     "Ornagh",                    570, 316, 28,  0,  0, 0, BodyMark::kNone},
  { 24,  5, kAgri,     "Andrea County",             171, 394, 46,  0,  0, 0, BodyMark::kNone},
  { 24,  6, kWormhole, "",                          535, 436,  0,  0, 15, 3, BodyMark::kNone},
  { 24,  7, kWormhole, "",                          594, 147,  0,  0, 21, 2, BodyMark::kNone},
  { 24,  8, kWormhole, "",                           94, 308,  0,  0, 23, 2, BodyMark::kNone},
  { 24,  9, kHideout,  "",                          362, 168,  0,  0,  0, 0, BodyMark::kNone},
};

constexpr SpaceFindSpots kFindSpotRows[] = {
  // sys   slot 1      slot 2      slot 3      slot 4
  {  1,  160, 369,   653, 320,   350, 418,   482, 207},
  {  2,  228, 310,   222, 420,   424, 272,   565, 280},
  {  3,  240, 416,   448, 409,   647, 365,   239, 252},
  {  4,  150, 380,   448, 409,   647, 365,   239, 252},
  {  5,  200, 401,   367, 361,   558, 405,   528, 153},
  {  6,  394, 437,   106, 358,    92, 150,   340, 165},
  {  7,  434, 404,   600, 383,    75, 346,   376, 326},
  {  8,  412, 206,   144, 312,   459, 441,   241, 153},
  {  9,  391, 391,   340, 163,   100, 304,   556, 304},
  { 10,  259, 302,   363, 409,   493, 252,   690, 342},
  { 11,   95, 324,   651, 277,   240, 184,   495, 445},
  { 12,  270, 203,   265, 324,   645, 324,   472, 237},
  { 13,  444, 215,   376, 435,   660, 324,   170, 340},
  { 14,  202, 378,   637, 307,   521, 436,   408, 151},
  { 15,  585, 412,   404, 390,   695, 295,   365, 143},
  { 16,   72, 318,   272, 254,   659, 262,   605, 366},
  { 17,  684, 305,   104, 402,   179, 209,   410, 145},
  { 18,  101, 343,   264, 399,   550, 195,   392, 459},
  { 19,  359, 400,   423, 216,   543, 311,    65, 321},
  { 20,  327, 159,   512, 288,   227, 333,   196, 176},
  { 21,  224, 325,   512, 288,   417, 426,   453, 152},
  { 22,   92, 253,   168, 378,   491, 295,   601, 383},
  { 23,  592, 403,   305, 291,   427, 134,   177, 303},
  { 24,  339, 420,   281, 412,   682, 277,   173, 222},
};
// clang-format on

const StarSystemRow* FindSystem(std::int32_t system) {
  for (const auto& row : kSystemRows)
    if (row.system == system) return &row;
  return nullptr;
}

}  // namespace

std::span<const StarSystemRow> StarSystems() { return kSystemRows; }
std::span<const StarBodyRow> StarBodies() { return kBodyRows; }
std::span<const SpaceFindSpots> StarSpaceFindSpots() { return kFindSpotRows; }

std::string StarBodyName(const StarBodyRow& body) {
  if (!body.name.empty()) return std::string(body.name);
  switch (body.kind) {
    case kSun: return "Sun";
    case kHideout: return "Pirate hideout";
    case kWormhole: {
      const StarSystemRow* destination = FindSystem(body.destination);
      return "Wormhole to " + std::string(destination ? destination->name : std::string_view{});
    }
    default: return {};
  }
}

}  // namespace state
