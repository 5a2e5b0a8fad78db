// The descriptions of the star map: one paragraph per system and per planet, and the shared texts
// of suns, wormholes, pirate hideouts and asteroid fields.
#include <array>

#include "state/star_map.h"
#include "state/variables.h"

namespace state {
namespace {

constexpr std::string_view kInnerSun = "A common sun - spending warmth and life in this solar system.";
constexpr std::string_view kOuterSun = "The sun of this system.";
constexpr std::string_view kWormholeText =
    "Wormholes (\"Jumppoints\") allow star travelling between different star systems.";
constexpr std::string_view kHideoutText =
    "When visiting this hidden hideout your criminal flag will wear off automatically.";
constexpr std::string_view kMiningRocksText = "Just a mining facility at a group of asteroids.";
constexpr std::string_view kRocksText = "Just some plain rocks...";

// Systems 1..8 lie in the old heart of the Federation; their suns share the older text.
constexpr std::int32_t kLastInnerSystem = 8;

constexpr std::array<std::string_view, kLastSystem + 1> kSystemTexts{
    "",
    // 1 Sol
    "Home of mankind and capital of the Federation. Most dream of visiting this planet at least one "
    "time in their life. This is the last stand of the Federation.",
    // 2 Carse
    "Beside being crossroad in interstellar trade, this solar system accommodates major touristic "
    "facilities. \"Going to Carse\", is a saying for going on holidays.",
    // 3 Hope
    "For two hundred years now this system is the only place a certain anti-viral plant grows.",
    // 4 Sirius
    "During the last war the Sirius system has been a major fortress similiar to the Maginot line "
    "during the 2nd World War. Like the Axis forces did in WW2 its likely Sirius is just skipped by "
    "the Jalkath.",
    // 5 N. Manchester
    "An abandoned industrial system, wasted through the Secession. Now with the Empire at its gate the "
    "Federation is pumping spending billions to build up the defenses in this system.",
    // 6 New Germany
    "Always hiding in the rear this commercial center has now suddenly became the new frontline. No "
    "beer, no blonde natives, just a huge war camp.",
    // 7 Moor
    "The Moor system is of strategic importance, because it marks the north border between the "
    "Federation and the Outer Rim.",
    // 8 Finis
    "Finis is a normal industrial solar system. There is a significant amount of production in the "
    "high-tech area.",
    // 9 Warfield
    "Warfield is a small colony, but its military is remarkable strong and has to fight off pirate "
    "raids regularly. The population has a strange warrior codex that enables them to happily live on "
    "the unpleasant and deserted worlds.",
    // 10 New Ireland
    "This sector is an important - and very beautiful - crossroad to the Outer Rim worlds.",
    // 11 Baiton
    "Only one jump away from the border this sector is always in fear of pirate raids. However the "
    "universities on New Oxford are the most important in the known galaxy - maybe except the "
    "Federation Academy on earth.",
    // 12 Hyraxan
    "This system is the most developed and well defended system of the Outer Rim. Ressources are cheap "
    "due to major mining facilities on Tempest IX.",
    // 13 New Moscow
    "New Moscow is the capital of \"The Syndicate\" and a known high-tech center.",
    // 14 New Scotland
    "Most settlers that came to this system were originally from Scotland and they are still in the "
    "majority.",
    // 15 Lands End
    "Lands End is an unimportant system mostly filled with asteroids.",
    // 16 New France
    "New France is the capital of the Coalition.",
    // 17 New Italy
    "About one hundred years ago exhausted italian immigrants reached the rather unpleasant planets of "
    "this system. Trusting a Federation promise of a comprehensive terraforming they called the system "
    "\"New Italy\". Another promise never fulfilled.",
    // 18 New England
    "As this sector is specialized in low-tech goods the industry concentration on the Sirius sector "
    "had less influence here.",
    // 19 New Cuba
    "Although being just one jump from New Moscow, the New Cuba system is mostly covered by mining "
    "stations on nearby asteroid fields.",
    // 20 Tortuga
    "The Tortuga system is a crossroad to the inner planets of the Federation, because it has jump "
    "points to Warfield and Baiton.",
    // 21 Barbados
    "Mining facilities provide the cover for a known pirate and smuggler hideout.",
    // 22 Westwind
    "There is a strange gravitation phenomenon in this sector that pulls ships towards the sectors "
    "center. First settlers named it: \"Westwind\".",
    // 23 Kimberley
    "This sector is the \"Gomorrah\" of the galaxy - a leisure planet par excellence. The \"Kimberley "
    "Girl Of The Year\" are the most famous pin-up girls.",
    // 24 Glenshire
    "There is a strange gravitation phenomenon in this sector that pulls ships towards the sectors "
    "center. First settlers named it: \"Westwind\".",
};

struct PlanetText {
  std::int32_t system;
  std::int32_t slot;
  std::string_view text;
};

// clang-format off
constexpr PlanetText kPlanetTexts[] = {
  { 1, 2, "The cradle of mankind and seat of the Federation government. Its orbit is crowded with "
          "shipyards, embassies and the Federation Academy, and every captain is expected to visit "
          "it once in a lifetime."},
  { 1, 3, "Earth´s old companion is covered by domed cities and spaceports. Most of the trade of the "
          "Sol system passes through its low-gravity docks before it reaches the capital."},
  { 1, 4, "The red planet was the first world terraformed by mankind. Today it is home of the Mars "
          "Corporation, whose factories build the finest fighters of the Federation."},
  { 1, 5, "A gas giant ringed by floating refineries that skim fuel and chemicals from its storms. "
          "Workers here rarely see the sun and never complain about the pay."},
  { 1, 6, "Orbital factories hang between the famous rings of Saturn, turning ice and dust into "
          "synthetics for the whole Federation."},
  { 2, 2, "The capital of the system is one big holiday resort with a spaceport attached. Hotels, "
          "casinos and beaches stretch along the whole equator."},
  { 2, 3, "A garden world of vineyards and perfume plantations. Its wines and rare animals are sold "
          "for a fortune in every capital of the galaxy."},
  { 2, 4, "Endless oceans, warm beaches and a thousand islands: New Hawaii is the place where the "
          "rich of the Federation spend their money and their holidays."},
  { 3, 2, "A steaming jungle planet and the only place where the anti-viral plant grows. The "
          "Federation guards its plantations as closely as its capital."},
  { 3, 3, "A dry and dusty farming colony that lives from huge irrigation fields. The settlers are "
          "proud, poor and always short of medicals."},
  { 4, 2, "The fortress capital of the Sirius system. Beneath its dark surface lie kilometres of "
          "bunkers, hangars and arsenals from the last war."},
  { 4, 3, "A hot red world covered with weapon factories. The Federation fleet buys most of what is "
          "built here, but some crates always find their way to other buyers."},
  { 4, 4, "Officially XF-45 is a research station; in truth it is a military factory world that has "
          "never been given a proper name."},
  { 5, 2, "Once the heart of an industrial empire, Manchester is a world of rusty smokestacks. Since "
          "the Secession only half of its factories still run."},
  { 5, 3, "A planet of smelters and glowing slag fields. Its workers are tough, and so are the "
          "engines they build."},
  { 5, 4, "Carter Base was a military depot before the Secession. Today it is a rebuilt arms factory "
          "working day and night for the new defenses of the system."},
  { 6, 2, "The former trading capital of New Germany has become a huge garrison. Merchants still do "
          "business here, but between army barracks and supply depots."},
  { 6, 3, "A red and barren world riddled with mines. The ore of Neu Ruhrgebiet feeds every factory "
          "of the system - and its governor dreams of owning the whole planet one day."},
  { 6, 4, "The industrial center of the system, where the machines of war are built in long rows of "
          "assembly halls."},
  { 7, 2, "A dark mining world at the northern border. Its garrison watches the Outer Rim while its "
          "miners dig for ore and diamonds."},
  { 8, 2, "The local capital of Finis and the home of many high-tech companies. Its research labs "
          "are said to be the best of the Federation."},
  { 8, 3, "A dead desert world. A handful of hermits and scientists live here, but there is nothing "
          "to produce and nothing to buy."},
  { 8, 4, "A blue and green pearl of a planet and the second capital of Finis. Many officers of the "
          "Federation hope to retire here one day."},
  { 8, 5, "Pergor is a world of cranes, smog and assembly lines. Robotics from Pergor can be found in "
          "every ship of the Federation."},
  { 8, 6, "A poisonous world whose toxic atmosphere hides rich mineral veins. The miners work in "
          "sealed suits and earn three times the normal wage."},
  { 9, 2, "A hot desert planet with deep mines. The miners of Summer are also soldiers, and every "
          "shaft doubles as a bunker."},
  { 9, 3, "The warriors of Sparta live by their strange codex in fortified mining towns. Pirates that "
          "raided this world rarely did so twice."},
  { 9, 4, "A barren rock without water or air. Boron is a military training ground and produces "
          "nothing worth trading."},
  { 9, 5, "The only green world of Warfield. Its jungles feed the whole system, and its farmers are "
          "trained to fight as well as any soldier."},
  {10, 2, "A fortified spaceport hidden under the rocks of a small moon. Rumours say the first "
          "colonists of New Ireland were smugglers, and the city still looks like a pirate base."},
  {10, 3, "A peaceful world of green hills, lakes and small farms. Many poets and painters came to "
          "Innisfree and never left again."},
  {10, 4, "The breadbasket of New Ireland, with wide fields of grain and endless herds of cattle."},
  {10, 5, "Just some plain rocks..."},
  {11, 2, "A warm red world of orchards and tea gardens. The farmers of Hermes live in constant fear "
          "of pirate raids from across the border."},
  {11, 3, "A dry and dusty mining planet. Its ore is shipped to the inner worlds of the Federation "
          "in heavily guarded convoys."},
  {11, 4, "The home of the most famous universities of the known galaxy. Students from every faction "
          "come here, and the fields around the campus grow their food."},
  {11, 5, "A friendly farming world with mild seasons. Tulan and its sister planet share one orbit "
          "and one long-standing rivalry over the best harvest."},
  {11, 6, "The sister planet of Tulan, covered with rice fields and fish farms. Its people swear "
          "their harvest is the better one."},
  {12, 2, "The glittering capital of the Outer Rim. Its council halls and shipyards make it the most "
          "important world beyond the Federation border."},
  {12, 3, "A dry farming world where crops grow in deep, sheltered canyons. Holuria feeds the "
          "shipyard workers of Hyraxan."},
  {12, 4, "A gloomy world of factories under a permanent cloud cover. Much of the Outer Rim fleet "
          "was built here."},
  {12, 5, "The industrial heart of the Outer Rim, where its engines and weapons are forged. Many "
          "young pilots of the Alliance start their careers at its docks."},
  {12, 6, "A toxic mining world and the reason why resources are so cheap in Hyraxan. Its "
          "automated mines never stop."},
  {12, 7, "A lush farming world with small towns and big families. Megan supplies Hyraxan with food "
          "and medicals."},
  {13, 2, "The capital of the Syndicate and a center of high-tech research. Behind its shining "
          "towers the Syndicate plans its wars and its business - which is often the same."},
  {13, 3, "A cold and dark factory world. Murmansk builds the weapons of the Syndicate and asks no "
          "questions about who buys them."},
  {13, 4, "An old industrial world with grand palaces beside grim factories. Its robotics are "
          "famous throughout the galaxy."},
  {13, 5, "A dry farming world that feeds New Moscow. Its farmers are tough and its tax collectors "
          "tougher."},
  {13, 6, "A desert planet of irrigated fields and greenhouses. The Syndicate keeps it well guarded, "
          "as New Moscow depends on its food."},
  {14, 2, "An ocean world whose floating platforms mine the sea floor for ore and crystals."},
  {14, 3, "A dark, misty world of foundries and shipyards. Its engineers are known for their stubborn "
          "and reliable designs."},
  {14, 4, "Green hills, grey skies and a lot of sheep. The farmers of New Skye brew a whisky that is "
          "smuggled all across the galaxy."},
  {14, 5, "A quiet farming world of moors and fields. Some say it is the most beautiful planet of "
          "the Outer Rim, and many officers would like to own it."},
  {15, 2, "A frozen world where icy storms never stop howling. Its mining stations are the only "
          "reason anybody lives in Lands End."},
  {16, 2, "A sunny farming world of vineyards and wheat fields. Its delicacies are served on every "
          "table of the Coalition."},
  {16, 3, "The capital of the Trading Coalition and the greatest marketplace of the galaxy. "
          "Everything can be bought in Paris - if you can pay for it."},
  {16, 4, "A red industrial world where the Coalition builds its merchant ships and their "
          "weapons."},
  {16, 5, "A hot jungle planet turned into an industrial park. The factories of Montpellier are "
          "hidden beneath the green canopy."},
  {17, 2, "A hot desert world with deep mines. The settlers still wait for the promised "
          "terraforming, and meanwhile they dig."},
  {17, 3, "A dusty mining world with one small spaceport. The miners of Milano sell their ore to "
          "whoever pays best."},
  {17, 4, "Its name says everything: a desert. Only its mines make life here worth the trouble."},
  {17, 5, "A dry and rocky world where families have run the same mines for generations - and the "
          "same smuggling routes."},
  {18, 2, "A toxic mining world. The air is poison, but the ore is rich and the pay is good."},
  {18, 3, "The local capital of New England, with old-fashioned buildings, a busy spaceport and a "
          "lot of tea."},
  {18, 4, "A world of workshops and small factories that produce cheap, simple and reliable "
          "goods."},
  {18, 5, "A dark and cold farming world where crops grow in huge heated greenhouses."},
  {19, 2, "A hot jungle world whose real wealth lies in the asteroid mines around it. The Syndicate "
          "keeps a close eye on its trade."},
  {20, 2, "A jungle planet famous for its lax customs and its busy spaceport. Pirates, smugglers "
          "and honest traders meet in the same bars - and the governor of Tortuga is rumoured to be "
          "for sale."},
  {21, 2, "A sun-baked mining world. Behind the mining facilities lies one of the most notorious "
          "pirate markets of the galaxy."},
  {22, 2, "A red mining world at the center of the strange gravitation phenomenon. Pilots approach "
          "it carefully, as their ships are pulled towards it."},
  {23, 2, "The capital of Kimberley, a jungle world of casinos, clubs and luxury hotels. Here the "
          "money earned elsewhere in the galaxy is spent."},
  {23, 3, "Kimberley II is better known as \"Sin\": a planet where every pleasure can be bought. "
          "Its jewelry and delicacies are famous, its nights even more."},
  {23, 4, "A farming world that keeps the leisure planets of Kimberley fed - and quietly envies "
          "them."},
  {23, 5, "A barren red mining world where the workers dream of a weekend on Sin."},
  {24, 2, "The capital of Glenshire, a lush and quiet world. The strange gravitation of the sector "
          "makes its approach tricky for young pilots."},
  {24, 3, "A green farming world of small villages and wide pastures, settled by families from the "
          "old Irish colonies."},
  {24, 4, "A toxic mining world whose miners live in sealed domes. Ornagh supplies most of the ore "
          "of Glenshire."},
  {24, 5, "A friendly farming world named after the first woman to settle here. Its fields and "
          "orchards are the pride of Glenshire."},
};
// clang-format on

}  // namespace

std::string_view StarSystemDescription(std::int32_t system) {
  if (system < 1 || system > kLastSystem) return {};
  return kSystemTexts[system];
}

std::string_view StarBodyDescription(const StarBodyRow& body) {
  switch (body.kind) {
    case kKindSun: return body.system <= kLastInnerSystem ? kInnerSun : kOuterSun;
    case kKindWormhole: return kWormholeText;
    case kKindPirateHideout: return kHideoutText;
    default: break;
  }
  if (body.mark == BodyMark::kMiningRocks) return kMiningRocksText;
  if (body.mark == BodyMark::kRocks) return kRocksText;
  for (const auto& planet : kPlanetTexts)
    if (planet.system == body.system && planet.slot == body.slot) return planet.text;
  return {};
}

}  // namespace state
