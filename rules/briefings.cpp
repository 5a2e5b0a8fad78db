#include "rules/briefings.h"

#include <array>
#include <string_view>

#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using Wordings = std::array<std::string_view, 10>;

// --- Ten wordings of the same orders -------------------------------------------------------------

constexpr Wordings kSearchAndDestroy{
    "We have reports of merchant ships disappearing in this system. Intelligence suggests that this is due to pirate activity. Your mission is to investigate this issue and destroy all hostiles should you encounter any.",
    "Several freighters have vanished in this system during the last weeks. We believe pirates are behind it. Find out what is going on out there and destroy every hostile ship you come across.",
    "Traders are afraid to fly through this system, because too many of them never arrived. Our analysts blame pirate raiders. Your mission is to look into this matter and take out any hostiles you find.",
    "Another merchant vessel has gone missing in this sector. Everything points to pirates hiding somewhere nearby. Investigate the area and make sure that no hostile ship gets away.",
    "The merchant guild has complained about lost ships in this system. It seems pirates have found a new hunting ground. Your task is to search the area and destroy all hostiles you encounter.",
    "Our patrols have lost contact with a number of cargo ships in this system. Intelligence thinks pirates are attacking them. Go there, find out what happened and destroy any hostile ship on sight.",
    "Ships are disappearing in this system and we are quite sure it is the work of pirates. Your mission is to search the location named below and eliminate all hostiles should you meet any.",
    "Insurance companies refuse to cover freight through this system since merchant ships started to disappear. Pirates are the most likely cause. Investigate and destroy all hostiles you encounter.",
    "We have received distress calls from merchant ships in this system, and then silence. Pirates are suspected. Your mission is to investigate these incidents and destroy every hostile ship in range.",
    "Freighters keep vanishing in this system. Intelligence reports point to pirate activity. Fly out there, check what is going on and destroy any hostile spacecraft you encounter.",
};

constexpr Wordings kPatrol{
    "Keeping our support and trading lines safe is crucial for winning this war. Your mission is a standard three NavPoint patrol in this system. Engage and destroy any enemy spacecraft you encounter.",
    "Our supply and trade routes must stay open if we want to win this war. Fly a standard patrol along three NavPoints in this system and destroy any enemy ship you meet.",
    "The war is won on the supply lines. Your mission is to patrol three NavPoints in this system and keep the space lanes clear. Engage every enemy spacecraft you find.",
    "We need to keep our trading lines safe from enemy raiders. You are to fly a three NavPoint patrol in this system. Any enemy ship you encounter is to be engaged and destroyed.",
    "Safe support lines are the backbone of our war effort. Your task is a routine patrol over three NavPoints in this system. Destroy all enemy spacecraft on your way.",
    "Enemy raiders threaten our supply routes in this system. Fly a standard patrol across three NavPoints and engage any enemy ship you run into.",
    "To keep our traders and supply ships safe we need a patrol in this system. Visit all three NavPoints of your route and destroy every enemy spacecraft you meet.",
    "Your mission is a standard patrol of three NavPoints in this system. Our support and trading lines must stay safe, so engage and destroy any enemy you encounter.",
    "Without safe trading lines there is no victory in this war. Patrol the three NavPoints in this system and make sure no enemy spacecraft remains there.",
    "High Command wants our supply lines in this system secured. Fly a three NavPoint patrol and engage all enemy ships you encounter on your route.",
};

constexpr Wordings kTransport{
    "In order to provide supplies for our outposts, we need you to transport goods to the location named below. You can buy them wherever you like, but get these goods shipped fast.",
    "Our outposts are running short of supplies. Bring the goods named below to this location. Where you buy them is up to you, but do not waste any time.",
    "We need supplies for our outposts. Your task is to transport the goods below to the location named. Buy them wherever you like, but ship them as fast as you can.",
    "The outposts of this system depend on regular deliveries. Buy the goods named below wherever you want and transport them to this location quickly.",
    "Supplies for our outposts are needed urgently. Get the goods named below and ship them to this location. You can buy them anywhere, just be fast.",
    "Your mission is to transport goods to one of our outposts. Buy the goods named below at any market you like and get them to the location named as fast as possible.",
    "Our outposts need fresh supplies. It does not matter where you buy the goods named below, as long as they reach this location soon.",
    "We have to supply our outposts and need a reliable transport. Buy the goods below wherever you like and deliver them to the location named without delay.",
    "One of our outposts has asked for supplies. Transport the goods named below to this location. Buy them wherever you want, but get them there fast.",
    "Transport the goods named below to this location to keep our outposts supplied. You are free to buy them wherever you like, but time is short.",
};

constexpr Wordings kAmbush{
    "We have a situation here. An enemy capital ship has jumped into the system and is causing trouble. Your mission is to make sure that these troubles stop. We know this ship is bigger than yours, so we are willing to pay you kindly. We also believe that you can succeed.",
    "An enemy capital ship has entered this system and is making trouble. Stop it. The ship is bigger than yours, which is why the pay is good. We trust that you can do it.",
    "A large enemy ship has jumped into the system and is harassing our traffic. Your task is to put an end to it. We know it outclasses your ship, so the reward is generous. We believe in you.",
    "Trouble has arrived in this system in the shape of an enemy capital ship. Your mission is to end its raids. It is bigger than your ship, so we pay well for the risk. We are sure you will succeed.",
    "An enemy capital ship is causing havoc in this system. We need someone to stop it. Your ship is smaller, we know, and we will pay you kindly for that. We think you are up to the task.",
    "We have got a problem: an enemy capital ship jumped in and is attacking everything in sight. Make these troubles stop. It is larger than your ship, but the reward is high and we believe you can win.",
    "An enemy capital ship has appeared in this system and is causing serious trouble. Your mission is to stop it. It is bigger than your ship, so we will pay you handsomely. Good luck, we trust in you.",
    "A big enemy warship has jumped into this system. It must not stay. We know it is bigger than yours and we pay accordingly. We believe you can handle it.",
    "An enemy capital ship is making trouble in this system and our forces are too weak to stop it. It is bigger than your ship, so the pay is kind. We are confident that you will succeed.",
    "Situation report: an enemy capital ship has jumped into the system and is causing trouble. Stop it. The ship outclasses yours and we pay for the risk. We believe you can make it.",
};

constexpr Wordings kBounty{
    "Your mission is to look for a certain criminal that has been raiding our support lines in the past. Use your ship sensors to detect him. He can be in this system or in a system nearby. We want this man dead or alive.",
    "A known criminal has been raiding our support lines for months. Find him with your ship sensors, either in this system or in a system nearby. Bring him in, dead or alive.",
    "There is a price on the head of a criminal who keeps attacking our supply lines. Use your ship sensors to track him down. He hides in this or a nearby system. Dead or alive.",
    "Your task is to hunt down a criminal who has raided our support lines in the past. Your ship sensors will find him in this system or one nearby. We want him, dead or alive.",
    "We are looking for a criminal who has attacked our support lines again and again. Search for him with your ship sensors, here or in a nearby system. Dead or alive, we do not care.",
    "A wanted criminal has been raiding our supply routes. Use your ship sensors to locate him. He is in this system or close by. We want this man dead or alive.",
    "Find the criminal who has been plundering our support lines. Your ship sensors should detect him in this system or a nearby one. Bring him to justice, dead or alive.",
    "Our support lines have suffered from the raids of a certain criminal. Locate him with your ship sensors in this or a nearby system and stop him. Dead or alive.",
    "Your mission is a manhunt: a criminal who raided our support lines is hiding in this system or a neighbouring one. Use your ship sensors to find him. Dead or alive.",
    "The raids on our support lines must end. Track down the criminal behind them with your ship sensors. He can be here or in a system nearby. We want him dead or alive.",
};

constexpr Wordings kSupply{
    "The government needs you to transport the goods specified below to this location. You can buy them wherever you like, but get these goods shipped fast.",
    "Your government asks you to deliver the goods named below to this location. Buy them wherever you like, but ship them fast.",
    "We need the goods specified below at this location. Where you buy them is your business, but the government wants them soon.",
    "The government has ordered a supply run. Transport the goods named below to this location. You can buy them anywhere, just hurry.",
    "Transport the goods specified below to this location for the government. Buy them wherever you like, but do not waste any time.",
    "Our government needs supplies at this location. Get the goods named below at any market and ship them as fast as you can.",
    "The government is in need of the goods specified below. Buy them wherever you want and bring them to this location quickly.",
    "Your task is a supply run for the government: buy the goods named below anywhere you like and get them to this location fast.",
    "The goods specified below are needed by the government at this location. You choose where to buy them, but get them shipped fast.",
    "The government relies on you to bring the goods named below to this location. Buy them wherever you like and be quick about it.",
};

constexpr Wordings kSpecialForces{
    "High Command wants to deploy a team of Special Forces at this location. Your mission is to transport the team safely and quietly. Try to avoid enemy contact.",
    "A team of Special Forces has to be dropped at this location. Get them there safe and quiet. Avoid any contact with the enemy.",
    "High Command has a Special Forces team waiting for transport. Take them to this location without attracting attention. Stay away from enemy ships.",
    "Your mission is to bring a Special Forces team to this location. They must arrive safely and unseen, so avoid enemy contact wherever possible.",
    "We need to put a team of Special Forces on the ground at this location. Fly them there quietly and keep away from the enemy.",
    "High Command orders the deployment of Special Forces at this location. Transport the team safely and silently. Do not engage the enemy if you can avoid it.",
    "A Special Forces team is ready for deployment. Your task is to get them to this location quietly. Enemy contact must be avoided.",
    "Transport a team of Special Forces to this location. Safety and silence come first, so try to avoid any enemy contact.",
    "High Command wants Special Forces deployed at this location. Carry the team there safely, quietly, and without meeting the enemy.",
    "Your mission is a covert transport: a team of Special Forces has to reach this location safely. Avoid enemy contact on the way.",
};

constexpr Wordings kFlanking{
    "In order to take some pressure off our battlegroups, you are to enter the enemy system and immediately engage any enemy ships in range. Generate a lot noise, draw the enemy’s attention, and divert some of their forces away from our invasion site.",
    "Our battlegroups are under heavy pressure. Enter the enemy system and attack every enemy ship in range. Make as much noise as you can and pull their forces away from our invasion site.",
    "To relieve our battlegroups you are to jump into the enemy system and engage any enemy ship you find. Draw their attention and divert their forces from our invasion site.",
    "Your mission is a diversion: enter the enemy system, engage all enemy ships in range and make a lot of noise, so that the enemy moves forces away from our invasion site.",
    "We need to take pressure off our battlegroups. Fly into the enemy system and attack at once. Every enemy ship you tie up there is missing at our invasion site.",
    "Enter the enemy system and engage any enemy ship in range. Be loud, draw the enemy’s attention and lure some of their forces away from our invasion site.",
    "Our invasion needs some breathing space. Attack the enemy in their own system, make a lot of noise and divert their forces from our battlegroups.",
    "You are to open a second front: jump into the enemy system, engage every enemy ship in range and draw their forces away from our invasion site.",
    "Take some pressure off our battlegroups by attacking the enemy system. Engage any ships in range and keep the enemy busy, far away from our invasion site.",
    "High Command wants a distraction. Enter the enemy system, engage the enemy immediately and draw as many of their ships as possible away from our invasion site.",
};

constexpr Wordings kBattle{
    "Parts of our fleet are engaging an enemy battlegroup and have asked for your assistance. Your mission is to engage the enemy battlegroup located at this position and destroy all waves of enemy ship coming at you.",
    "Our fleet is fighting an enemy battlegroup and needs your help. Go to this position, engage the enemy and destroy every wave of enemy ships.",
    "An enemy battlegroup is engaged with parts of our fleet. They have called for your assistance. Join the battle at this position and destroy all enemy waves.",
    "Our ships are in battle with an enemy battlegroup and asked for reinforcements. Your mission is to join them at this position and destroy every wave of enemy ships that comes at you.",
    "Parts of our fleet need assistance against an enemy battlegroup. Engage the enemy at this position and destroy all waves of enemy ships.",
    "A battle is raging at this position between our fleet and an enemy battlegroup. Join the fight and destroy every wave of enemy ships you face.",
    "Our fleet has asked for your help against an enemy battlegroup. Go to this position and engage. Destroy all waves of enemy ships.",
    "We need you at the front: parts of our fleet are fighting an enemy battlegroup at this position. Destroy every wave of enemy ships coming at you.",
    "Reinforcements are needed. An enemy battlegroup is engaging parts of our fleet at this position. Join the battle and destroy all enemy waves.",
    "Your mission is to support our fleet against an enemy battlegroup at this position. Engage and destroy every wave of enemy ships.",
};

constexpr Wordings kSiege{
    "We have reports that the enemy is heavily supported by a nearby system. Your mission is to fly to this jumppoint and hold your position until further orders arrive. A small battlegroup will be put at your command to assist.",
    "The enemy receives strong support from a nearby system. Fly to this jumppoint and hold it until further orders arrive. A small battlegroup will be under your command.",
    "A nearby system keeps supplying the enemy. Your mission is to block this jumppoint and hold your position until you receive new orders. You will command a small battlegroup.",
    "Intelligence reports that a nearby system is the enemy’s main support. Hold this jumppoint until further orders arrive. A small battlegroup will assist you.",
    "We must cut the enemy off from its support in a nearby system. Go to this jumppoint and hold it until further orders. A small battlegroup is put at your command.",
    "The enemy draws heavy support from a nearby system. Your task is to take position at this jumppoint and hold it until new orders arrive. A small battlegroup will follow your command.",
    "Fly to this jumppoint and hold your position until further orders: the enemy is supported from a nearby system and that support must stop. A small battlegroup will assist you.",
    "Our reports say that a nearby system supports the enemy heavily. Your mission is to hold this jumppoint until ordered otherwise. A small battlegroup will be at your command.",
    "To weaken the enemy we have to block the support coming from a nearby system. Hold this jumppoint until further orders arrive. You will lead a small battlegroup.",
    "Hold this jumppoint until further orders arrive. The enemy is heavily supported by a nearby system and we want that route closed. A small battlegroup is put at your command.",
};

constexpr Wordings kRaiding{
    "Our sensors have noticed an enemy supply convoy travelling through a nearby system. Your mission is to get there and intercept the convoy, destroying or capturing all transporters. You will be escorted by a small battlegroup.",
    "An enemy supply convoy is travelling through a nearby system. Intercept it and destroy or capture all of its transporters. A small battlegroup will escort you.",
    "We have detected an enemy supply convoy in a nearby system. Your task is to intercept the convoy and destroy or capture every transporter. You will have a small battlegroup as escort.",
    "Our sensors report an enemy supply convoy in a nearby system. Get there, intercept it and make sure none of the transporters escapes. A small battlegroup will escort you.",
    "An enemy convoy carrying supplies is passing through a nearby system. Intercept it and destroy or capture all transporters. You will be escorted by a small battlegroup.",
    "Your mission is to raid an enemy supply convoy travelling through a nearby system. Destroy or capture all of its transporters. A small battlegroup goes with you.",
    "Enemy transporters have been spotted in a nearby system. Intercept the supply convoy and destroy or capture every ship of it. A small battlegroup will be your escort.",
    "Intercept the enemy supply convoy that our sensors found in a nearby system. Destroy or capture all transporters. You will be escorted by a small battlegroup.",
    "The enemy is moving supplies through a nearby system. Get there and intercept the convoy, destroying or capturing all transporters. A small battlegroup will escort you.",
    "A supply convoy of the enemy is on its way through a nearby system. Your orders are to intercept it and destroy or capture all transporters, escorted by a small battlegroup.",
};

// --- One or two wordings ---------------------------------------------------------------------------

constexpr std::string_view kReportForDuty =
    "As you may have heard in the news there is a major battle going on in a nearby system. You are ordered to report for duty at the local battlegroup commander. Many new missions and tasks await you!";
constexpr std::string_view kStrike =
    "We have located an enemy patrol investigating our positions. It is your mission to attack the enemy ship and make sure he can’t make a call home.";
constexpr std::string_view kCombatPatrolFirst =
    "One of the most important rules of warfare is to know the position of the enemies fleet. Your mission is to fly a patrol investigating three NavPoints. You have permission to engage at your decision.";
constexpr std::string_view kCombatPatrolSecond =
    "The enemy has placed several unarmed spy beacons in this system. Your mission is to fly a three-point patrol and destroy any beacons you encounter. Be warned though, the enemy will be patrolling the area themselves.";
constexpr std::string_view kCombatTransport =
    "Our battlegroup is in need of supplies. We’ve lost several of our transporters during the last weeks and we would need you to buy these supplies in a friendly system and get them here as soon as possible.";
constexpr std::string_view kAssaultFirst =
    "Code red: An enemy capital ship is closing in on one of our unarmed vessels. All our other forces are engaged at different positions and you are the only one available. Destroy this ship at all cost, but be careful it’s bigger than you.";
constexpr std::string_view kAssaultSecond =
    "Our intelligence was able to locate an enemy capital ship at this position. We know that it is larger than your ship and you are taking a risk, but it is imperative for this campaign to destroy this ship.";
constexpr std::string_view kInfiltrate =
    "Enemy forces are gathering behind the next jump point. Your mission is to infiltrate the enemy system, hide close to the sun to jam the enemy sensors, gather has much information as you can and return here in one piece. Ship ´spy equipment´ required.";
constexpr std::string_view kEscort =
    "The enemy has put out several space mine fields in this sector. You will escort an anti-mine vehicle destroying these threats to our transport ships.";
constexpr std::string_view kRecon =
    "The enemy is jamming our sensors and we urgently need information about the enemies position in this system. Your mission is to fly a three-point recon patrol and scan every NavPoint on your route. ´Spy equipment´ is required.";
constexpr std::string_view kMarineLanding =
    "One of our marine battalions has been ordered to destroy a ground defense complex. Your mission is to transport them to this location. You will get a strong escort, but finally it is up to you to get them there in one piece.";
constexpr std::string_view kEvacuation =
    "We have got reports that the enemy wants to use weapons of mass-destruction on our citizens. Your mission is to evacuate civilians and transport them to the closest friendly or neutral system.";
constexpr std::string_view kAbduction =
    "We have got reports of a famous enemy captain engaged in this or a nearby system. Your mission is to find him and his ship using your ship sensors, boarding his ship and abducting him.";
constexpr std::string_view kAnalysis =
    "Our market analysts require new data. Your mission is to visit at least 50% of all colonized planets and save their current price data to your ship computer.";

constexpr std::array<std::string_view, 4> kBlitzkrieg{
    "High Command wants to shock the enemy forces. You are to cross the borders, move swiftly through enemy space, and bombard the enemy homeworld. As you can imagine this is a very dangerous mission, but you will be highly rewarded.",
    "High Command has a special mission for you. Spy probes show that the enemy homeworld is currently vulnerable to an attack. Your task is to cross into enemy space and assault their homeworld. This task will be perilous, but as you can imagine, the rewards will be extravagant.",
    "Six hours ago, the enemy’s home defense fleet moved out of their home system in response to our attacks. Our diversion worked – this is a chance to strike their capital. As swiftly as you can, move into enemy space and put their homeworld under bombardment. Have courage, and good luck!",
    "The enemy recently diverted many ships from their home system, leaving their capital planet susceptible to attack. Opportunities like this are rare. We want someone talented, like yourself, to carry out this mission. Penetrate the enemy’s lines and mount an assault on their homeworld.",
};

// clang-format off
constexpr std::array<std::string_view, 11> kBountyNames{
  "", "Blackbeard", "Razorteeth", "Black Joe", "Nightmare", "Iceman", "Ray The Killer",
  "Dark Messiah", "Dark Morgan", "Jester", "Hellkid",
};
constexpr std::array<std::string_view, 11> kAceNames{
  "", "Starkiller", "Angel", "Hunter", "Fang", "Jester", "Torpedo", "Iceman", "Maniac",
  "Kamikaze", "Lady",
};
// clang-format on

// Stands in for a record that is neither the active mission nor an offer on a board: it has no
// wording (variant -1) and no name, and nothing is drawn for it.
state::TMissionRow nowhere{};

state::TMissionRow& Record(std::int32_t source, std::int32_t system, std::int32_t slot) {
  if (source == 1) return state::ActiveMission;
  if (system < 0 || system >= state::kSystems || slot < 0 || slot >= state::kOfferSlots) {
    nowhere.fill(0);
    nowhere[mission::kNameVariant] = nowhere[mission::kBriefingVariant] = -1;
    return nowhere;
  }
  return state::MissionOffers[system][slot];
}

// The stored wording of the record, drawn first when there is none yet. Every draw gives a
// wording: 1..count.
std::int32_t Variant(state::TMissionRow& record, std::int32_t count) {
  if (record[mission::kBriefingVariant] == 0)
    record[mission::kBriefingVariant] = state::Random(count) + 1;
  return record[mission::kBriefingVariant];
}

std::string TenWordings(const Wordings& wordings, std::int32_t source, std::int32_t system,
                        std::int32_t slot) {
  const std::int32_t v = Variant(Record(source, system, slot), 10);
  if (v < 1 || v > 10) return {};
  return std::string(wordings[v - 1]);
}

std::string OneWording(std::string_view wording, std::int32_t source, std::int32_t system,
                       std::int32_t slot) {
  const std::int32_t v = Variant(Record(source, system, slot), 10);
  if (v < 1 || v > 10) return {};
  return std::string(wording);
}

std::string TwoWordings(std::string_view first, std::string_view second, std::int32_t source,
                        std::int32_t system, std::int32_t slot) {
  const std::int32_t v = Variant(Record(source, system, slot), 10);
  if (v >= 1 && v <= 4) return std::string(first);
  if (v >= 5 && v <= 10) return std::string(second);
  return {};
}

struct PlanetAndSystem {
  std::string planet;
  std::string system;
};

// The target planet and system named by the record's own target fields.
PlanetAndSystem TargetNames(const state::TMissionRow& record) {
  const std::int32_t b = record[mission::kTargetBody];
  const std::int32_t s = record[mission::kTargetSystem];
  PlanetAndSystem names;
  if (s >= 0 && s < state::kSystems) {
    names.system = state::SystemText[s][system_text::kName];
    if (b >= 0 && b < state::kBodies) names.planet = state::BodyText[s][b][body_text::kName];
  }
  return names;
}

std::string Suppression(std::int32_t v, const std::string& P, const std::string& S) {
  switch (v) {
    case 1: return "We have got reports of an uprising at " + P + " in the " + S + " system. We cannot allow the citizens to turn their world over to the enemy, so it will be your mission to get there and restore peace and order. Most likely, the appearance of your battleship alone will suppress the revolution.";
    case 2: return "The citizens of " + P + " in the " + S + " system have been causing some trouble lately. If this continues, they might turn their world over to the enemy. Your task is to head to " + S + " immediately and restore order. Be prepared for combat if necessary.";
    case 3: return "Yesterday, guerrilla insurgents on " + P + " in " + S + " managed to take over the capitol. We cannot let this happen. Head there immediately and do whatever is necessary to suppress this rebellion.";
    case 4: return "As you might have already heard, our government is having some trouble with the citizens of " + P + " in " + S + ". Your battleship has become a symbol for us; set a course for " + S + " immediately and show them the might of the High Command.";
    case 5: return "You might be curious to know that the citizens of " + P + " in the " + S + " system are rebelling against us. Your task is to suppress this rebellion and bring peace and order again. Be prepared to use force if necessary.";
    case 6: return "Ten hours ago, there was a mass uprising on " + P + " in the " + S + " system. The government and military there cannot hold all of them back. They need our help. Head to " + S + " immediately and help the government restore peace.";
    case 7: return "We’ve tried negotiations; we’ve tried compromise. Yet none would suffice the citizens of " + P + ". They’ve stated that they are going to succeed. You understand that we cannot allow this. Set a course for the " + S + " system, and see to it that this rebellion is crushed.";
    case 8: return "The people on " + P + " in the " + S + " system crossed the line today when they declared that they’re going to secceed from the faction. This is treason! Head there now with your battleship and show them the consequences of their actions.";
    case 9: return "Insurgent forces at " + P + " in the " + S + " system have recently begun armed attacks and bombing runs on the military there. Apparently, they fail to realize that their world belongs to the High Command. Take your battleship and suppress this uprising.";
    case 10: return "You already know that the people on " + P + " in the " + S + " system are not on stable grounds with us. Well, our patience has run out. They’ve pushed this thing too far, and we have a war to fight. Head to " + S + " immediately and quench the rebel actions.";
    default: return {};
  }
}

std::string BombingRun(std::int32_t v, const std::string& P, const std::string& S) {
  switch (v) {
    case 1: return "High Command wants you to conduct a planetary bombardment of " + P + " in the " + S + " system. You will have to break through many waves of enemy defenses. You will be escorted by a small battlegroup.";
    case 2: return "Our invasion fleet in the " + S + " system managed to break through the enemy’s perimeter defenses. We are now ready for planetary bombardment. Your task is to defeat the remaining enemy waves around planet " + P + " and initiate your bombing run. You’ll have a small battlegroup to escort you.";
    case 3: return "Our forces were victorious in the " + S + " system. We need people to finish what they started, however. Your task is to break through the remaining enemy defensive lines at " + P + " and conduct planet wide bombings. You’ll have a small battlegroup to escort you.";
    case 4: return "We are ready to move on to phase II of our invasion of " + S + ". You need to fight off the remaining waves at " + P + " and conduct planetary bombardments there. We’ll send you a small battlegroup for escort.";
    case 5: return "Your job is to defeat the remaining waves surrounding " + P + " in the " + S + " system and start your bombing runs on the planet. You’ll receive a small battlegroup to escort you.";
    case 6: return "We’ve received updated status on the efforts of our front lines. They’ve managed to breach the " + S + " system. We now need ships capable of conducting bombing runs. Your task is to fight off the remaining waves at " + P + " and initiate bombing runs on the planet. We’ll send a small group of ships to escort you.";
    case 7: return "The order came in from High Command a few hours ago. Planet " + P + " in the " + S + " system is to be assaulted from orbit. Take your battlegroup, defeat the remaining waves at " + P + ", and initiate your bombing run.";
    case 8: return "Our fleet was successful in the " + S + " system. Planet " + P + " has only a few remaining waves defending it. Your task is to defeat those waves and start a bombing run on the planet. You’ll have several ships to escort you.";
    case 9: return "Planet " + P + " in the " + S + " system holds the enemy’s weapons production facilities. We need to take them out. Your task is to hit the planet with a barrage of gunfire from orbit. You’ll have to fight through several lines of enemy defenses, so take care. We’ll also send you a small battlegroup for escort.";
    case 10: return "Our efforts in the " + S + " system left planet " + P + " vulnerable to attack. Take this opportunity to conduct a planetary bombing there. Fight off the remaining waves of defenders and blast the planet from orbit. You’ll have a small group of ships under your command.";
    default: return {};
  }
}

std::string TargetName(const std::array<std::string_view, 11>& names, std::int32_t source,
                       std::int32_t system, std::int32_t slot) {
  state::TMissionRow& record = Record(source, system, slot);
  if (record[mission::kNameVariant] == 0)
    record[mission::kNameVariant] = state::Random(10) + 1;
  const std::int32_t v = record[mission::kNameVariant];
  const std::string_view name = v >= 1 && v <= 10 ? names[v] : std::string_view("Troublemaker");
  return state::Quoted(name);
}

}  // namespace

std::string GetMissionTextSearchAndDestroy(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kSearchAndDestroy, source, system, slot); }
std::string GetMissionTextPatrol(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kPatrol, source, system, slot); }
std::string GetMissionTextTransport(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kTransport, source, system, slot); }
std::string GetMissionTextAmbush(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kAmbush, source, system, slot); }
std::string GetMissionTextBounty(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kBounty, source, system, slot); }
std::string GetMissionTextSupply(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kSupply, source, system, slot); }
std::string GetMissionTextSpecialForces(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kSpecialForces, source, system, slot); }
std::string GetMissionTextReportForDuty(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kReportForDuty, source, system, slot); }
std::string GetMissionTextStrike(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kStrike, source, system, slot); }
std::string GetMissionTextCombatPatrol(std::int32_t source, std::int32_t system, std::int32_t slot) { return TwoWordings(kCombatPatrolFirst, kCombatPatrolSecond, source, system, slot); }
std::string GetMissionTextCombatTransport(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kCombatTransport, source, system, slot); }
std::string GetMissionTextAssault(std::int32_t source, std::int32_t system, std::int32_t slot) { return TwoWordings(kAssaultFirst, kAssaultSecond, source, system, slot); }
std::string GetMissionTextInfiltrate(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kInfiltrate, source, system, slot); }
std::string GetMissionTextEscort(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kEscort, source, system, slot); }
std::string GetMissionTextRecon(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kRecon, source, system, slot); }
std::string GetMissionTextMarineLanding(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kMarineLanding, source, system, slot); }
std::string GetMissionTextEvacuation(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kEvacuation, source, system, slot); }
std::string GetMissionTextAbduction(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kAbduction, source, system, slot); }
std::string GetMissionTextAnalysis(std::int32_t source, std::int32_t system, std::int32_t slot) { return OneWording(kAnalysis, source, system, slot); }
std::string GetMissionTextFlanking(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kFlanking, source, system, slot); }
std::string GetMissionTextBattle(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kBattle, source, system, slot); }
std::string GetMissionTextSiege(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kSiege, source, system, slot); }
std::string GetMissionTextRaiding(std::int32_t source, std::int32_t system, std::int32_t slot) { return TenWordings(kRaiding, source, system, slot); }

std::string GetMissionTextBlitzkrieg(std::int32_t source, std::int32_t system, std::int32_t slot) {
  const std::int32_t v = Variant(Record(source, system, slot), 4);
  if (v < 1 || v > 4) return {};
  return std::string(kBlitzkrieg[v - 1]);
}

std::string GetMissionTextSuppression(std::int32_t source, std::int32_t system, std::int32_t slot) {
  state::TMissionRow& record = Record(source, system, slot);
  const std::int32_t v = Variant(record, 10);
  const PlanetAndSystem names = TargetNames(record);
  return Suppression(v, names.planet, names.system);
}

std::string GetMissionTextBombingRun(std::int32_t source, std::int32_t system, std::int32_t slot) {
  state::TMissionRow& record = Record(source, system, slot);
  const std::int32_t v = Variant(record, 10);
  const PlanetAndSystem names = TargetNames(record);
  return BombingRun(v, names.planet, names.system);
}

std::string GetMissionTextFlagship(std::int32_t source, std::int32_t system, std::int32_t slot) {
  const std::int32_t v = Variant(Record(source, system, slot), 3);
  switch (v) {
    case 1:
      return "This is a rare opportunity! We have located the position of the enemy Admiral’s flagship. Use everything at your disposal and attack him immediately! Try to abduct him for interrogation, but if you can simply destroy his ship, we will benefit greatly. A success would have a great impact on the war!";
    case 2:
      return state::GetRankTitleShort(Faction{state::PlayerData[player::kFaction]},
                                      Rank{state::PlayerData[player::kRank]}) +
             " " + state::NameInText(state::PlayerName) +
             ", we have a special mission for you. Our spies have located the position of the "
             "enemy’s command ship. The opposing Admiral will be onboard. You have all available "
             "forces at your disposal. Move in, capture him if you can, but make use of this "
             "opportunity and take him out!";
    case 3:
      return "We’re in luck. Yesterday the enemy Admiral’s flagship revealed itself for a split second, allowing us to place a tracking signal on it. It is now in a fairly vulnerable position. Use all available forces to take him out. If you can capture him, all the better.";
    default:
      return {};
  }
}

std::string GetMissionBriefing(MissionType type, std::int32_t source, std::int32_t system,
                               std::int32_t slot) {
  using Builder = std::string (*)(std::int32_t, std::int32_t, std::int32_t);
  static constexpr std::array<Builder, state::Stored(kLastMissionType) + 1> kBuilders{
      nullptr,
      GetMissionTextSearchAndDestroy, GetMissionTextPatrol,         GetMissionTextTransport,
      GetMissionTextAmbush,           GetMissionTextBounty,         GetMissionTextSupply,
      GetMissionTextSpecialForces,    GetMissionTextReportForDuty,  GetMissionTextStrike,
      GetMissionTextCombatPatrol,     GetMissionTextCombatTransport, GetMissionTextAssault,
      GetMissionTextInfiltrate,       GetMissionTextEscort,         GetMissionTextRecon,
      GetMissionTextMarineLanding,    GetMissionTextEvacuation,     GetMissionTextAbduction,
      GetMissionTextAnalysis,         GetMissionTextBlitzkrieg,     GetMissionTextFlanking,
      GetMissionTextSuppression,      GetMissionTextBombingRun,     GetMissionTextBattle,
      GetMissionTextSiege,            GetMissionTextRaiding,        GetMissionTextFlagship,
  };
  if (!state::IsMissionType(type)) return {};
  return kBuilders[state::Stored(type)](source, system, slot);
}

std::string GetBountyTargetName(std::int32_t source, std::int32_t system, std::int32_t slot) {
  return TargetName(kBountyNames, source, system, slot);
}

std::string GetAbductionTargetName(std::int32_t source, std::int32_t system, std::int32_t slot) {
  return TargetName(kAceNames, source, system, slot);
}

}  // namespace rules
