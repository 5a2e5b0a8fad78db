#include "rules/news_texts.h"

namespace rules {
namespace {

// Market news open with a word to the traders, whatever the event.
constexpr SentenceVariants kTraderGreetings = {
    "Good morning! Today we have some news for space traders and merchants.",
    "Everyone interested in transporting goods should be interested in our report today.",
    "To all traders, merchants, and dealers: we have some interesting information for you.",
    "Here is the latest report from the galactic trade desk.",
    "Attention all merchant captains – the markets are on the move again.",
    "Our trade correspondents have sent us an important update.",
    "Welcome to the trade report, the show for everyone who makes a living between the stars.",
    "Listen up, traders! There is money to be made, or lost, today.",
    "Before you plan your next run, take a moment for our market bulletin.",
    "Good news for some, bad news for others: here is today´s market report.",
};

// Kind 1: need for a good.
constexpr SentenceVariants kNeedEvent = {
    "As a result of the recent military activities in the {S} system, the prices of {G} have skyrocketed.",
    "The {S} system is seeing a sudden shortage of {G}. Prices are increasing as we speak.",
    "Warehouses in the {S} system have run out of {G}, and the local merchants are paying whatever it takes.",
    "A series of accidents at the local plants has left the {S} system desperate for {G}.",
    "Officials of the {S} system have announced that their reserves of {G} will last only a few more weeks.",
    "Demand for {G} in the {S} system has doubled within a single week.",
    "Several freighters carrying {G} to the {S} system have been reported missing, and the shelves there are empty.",
    "A new colony project in the {S} system is eating up every shipment of {G} it can get.",
    "Long queues have formed in front of the markets of the {S} system, where every crate of {G} is sold within minutes.",
    "The governor of the {S} system has called for traders to bring in {G} at any price.",
};
constexpr SentenceVariants kNeedComment = {
    "The government announced that at this time there is no way they can influence the markets to balance the current situation.",
    "Analysts expect the shortage to last for several more weeks.",
    "Whoever brings a full cargo bay there first can expect a handsome profit.",
    "Local authorities have asked independent captains for help.",
    "Experts warn that prices may fall again as quickly as they rose.",
    "We will keep you informed as the situation develops.",
    "Smaller traders are advised to hurry before the large trading houses react.",
    "The local population hopes that the situation will ease soon.",
    "Insurance companies report a sharp rise in freight contracts heading that way.",
    "As always, fortune favours the fast.",
};

// Kind 2: surplus of a good.
constexpr SentenceVariants kSurplusEvent = {
    "An unexpectedly rich production cycle has flooded the markets of the {S} system with {G}.",
    "The {S} system is overflowing with {G}, and the prices have dropped sharply.",
    "Warehouses in the {S} system are filled to the roof with {G} that nobody seems to want.",
    "After the end of a large government contract, the {S} system is left with a huge stock of {G}.",
    "Merchants in the {S} system are selling {G} far below the usual price.",
    "A new factory complex in the {S} system has started producing {G} in enormous quantities.",
    "Several fully loaded convoys of {G} have arrived in the {S} system at the same time.",
    "The traders of the {S} system are desperately looking for buyers for their {G}.",
    "Prices for {G} in the {S} system have fallen to a level not seen in years.",
    "An oversupply of {G} is causing trouble for the local dealers of the {S} system.",
};
constexpr SentenceVariants kSurplusComment = {
    "Cheap cargo is waiting for anyone with enough room in the hold.",
    "Economists expect prices to recover within a few weeks.",
    "Local producers are already complaining about their losses.",
    "Clever traders will buy now and sell wherever the demand is high.",
    "The government has refused to buy up the surplus.",
    "It remains to be seen how long this bargain will last.",
    "Some dealers fear that the low prices will ruin them before the market settles.",
    "We recommend checking your star charts for the shortest route.",
    "As one merchant put it: buy low, sell high – it has never been easier.",
    "Stay tuned for more updates from the galactic markets.",
};

// Kind 3: pirates attack.
constexpr SentenceVariants kPirateEvent = {
    "Pirates have attacked several freighters near the {S} system.",
    "A pirate raid on the trade routes of the {S} system has left three ships burning.",
    "Reports are coming in of pirate ships lurking at the wormholes of the {S} system.",
    "A well-armed pirate band has been sighted in the {S} system, preying on unescorted traders.",
    "The {S} system has become the hunting ground of a notorious pirate captain.",
    "Merchant crews in the {S} system report an alarming number of pirate attacks in the last days.",
    "Pirates have plundered a convoy on its way to the {S} system.",
    "Local patrols of the {S} system have been unable to stop a wave of pirate raids.",
    "Several distress calls have been received from the {S} system, all of them reporting pirate attacks.",
    "A pirate fleet has struck the space lanes of the {S} system without warning.",
};
constexpr SentenceVariants kPirateComment = {
    "Traders are advised to travel with well-armed escorts or avoid the area altogether.",
    "The local authorities have promised a reward for every pirate ship destroyed.",
    "Insurance rates for cargo heading there have doubled overnight.",
    "Captains who can handle a fight might find this a chance to earn some bounty.",
    "We urge all merchants to keep their shields charged and their guns ready.",
    "It is unknown how long the pirates will stay in the area.",
    "So far the military has not commented on the situation.",
    "Smugglers seem to be the only ones who are not worried.",
    "Stay safe out there, and keep an eye on your sensors.",
    "We will report as soon as the space lanes are safe again.",
};

// Kind 4: increased patrols.
constexpr SentenceVariants kPatrolEvent = {
    "The authorities have increased the number of patrols in the {S} system.",
    "A new squadron of police cruisers has been stationed in the {S} system.",
    "Customs officers in the {S} system have started to search every ship that passes through.",
    "Following a series of smuggling incidents, the {S} system has tightened its border controls.",
    "Military and police ships are now patrolling every route of the {S} system around the clock.",
    "The governor of the {S} system has declared war on smugglers and pirates alike.",
    "Patrol ships in the {S} system have been ordered to scan all cargo holds for contraband.",
    "The {S} system has received funds to double its police forces.",
    "Several smugglers were arrested in the {S} system this week as patrols were stepped up.",
    "Heavy patrols have been spotted at all wormholes of the {S} system.",
};
constexpr SentenceVariants kPatrolComment = {
    "Honest traders can look forward to safer journeys.",
    "Smugglers are advised to choose other routes – or another profession.",
    "Pirate activity in the area is expected to drop considerably.",
    "Captains with a criminal record should think twice before entering the system.",
    "The local merchants welcome the decision.",
    "Critics say that the patrols will only drive the smugglers into the neighbouring systems.",
    "Expect long waiting times at the customs checkpoints.",
    "It is not yet known how long the increased patrols will last.",
    "The police have promised to treat every law-abiding captain with courtesy.",
    "Contraband prices in the area are expected to rise.",
};

// Kind 5: war declared ({A} declares on {B}).
constexpr SentenceVariants kWarDeclared1 = {
    "The {A} has officially declared war on the {B}.",
    "A declaration of war against the {B} has been issued by the {A}.",
    "A couple of hours ago, we received reports from our Department of Colonial Politics that the {A} has declared war on the {B}.",
    "It´s official – starting today the {A} and the {B} are at war.",
    "There have been rumours in the past, but now it´s confirmed. The {A} has declared war on the {B}.",
    "Analysts have been expecting it for a long time, but today the official declaration of war against the {B} has been issued by the {A}.",
    "The tensions between the {A} and the {B} reached their zenith today as the {A} declared war.",
    "In response to recent conflicts, the {A} closed all trade lines to the {B} and declared war.",
    "Warships from both the {A} and the {B} mobilize as war was declared today.",
    "Outraged by the recent supply raids that the {B} has been carrying out against the {A}, the {A} formally declared war today.",
};
constexpr SentenceVariants kWarDeclared2 = {
    "In the past the {A} have repeatedly accused the {B} of preparing a large scale invasion.",
    "The increased number of ships along the {A}-{B} border has gotten both sides nervous.",
    "{A} officials explained that this action is necessary to defend important interests of its people living in the border regions.",
    "With both sides clashing endlessly, war was bound to result.",
    "In the past, both factions have been accused of infiltrating each other’s border outposts.",
    "The {A} said that the {B} crossed the line today when two {B} spies were captured.",
    "The two factions have had a history of trade disputes and uncompromising bickering over their economic status.",
    "The {A} and the {B} have been disputing over the systems on their border for some time now, each laying claims to the resourceful planets and moons.",
    "A few days ago, a {A} ambassador was assassinated. Though the {B} claims that it was not responsible, the {A} retaliated nonetheless.",
    "After many months of failed negotiations, the {A} abandoned all efforts to compromise.",
};
constexpr SentenceVariants kWarDeclared3 = {
    "As always, there will be people making profit from the current situation. And indeed, there will be reckless adventurers heading for the border systems.",
    "The trade lines between both factions have been cut and the galactic prices have adjusted due to this unfortunate event.",
    "There have been some few anti-war demonstrations, but in general the public backs this war.",
    "Veteran and humanitarian organisations are asking all people to donate for the victims of this upcoming war.",
    "No one knows how long the upcoming fighting will last, but we all hope for the best.",
    "Both sides seem well prepared for combat, and if either one faction is going to win, it will be the captains and their crew that gets them there.",
    "Since trade lines between the two factions have been cut, experts predict a rise in smuggler activity between the {A} and the {B}.",
    "Citizens are advised to stay out of the border systems in order to avoid the crossfire.",
    "We will keep you in tune of further developments.",
    "Some people see this war as a plague of misfortune; others, a wonder of opportunities.",
};

// Kind 6: cease-fire between {A} and {B}.
constexpr SentenceVariants kCeaseFire1 = {
    "Today we have a happy announcement to make. The {A} and the {B} have agreed to a cease-fire.",
    "The war between the {A} and the {B} is over – at least for now.",
    "After long negotiations, the {A} and the {B} have signed a cease-fire agreement.",
    "Diplomats of the {A} and the {B} announced a cease-fire this morning.",
    "The guns are silent: the {A} and the {B} have ended their hostilities.",
    "In a surprising move, the {A} has offered peace to the {B}, and the offer was accepted.",
    "A cease-fire between the {A} and the {B} came into force at midnight.",
    "The {A} and the {B} have laid down their arms today.",
    "Peace has returned to the border between the {A} and the {B}.",
    "Exhausted by the long war, the {A} and the {B} have agreed to stop the fighting.",
};
constexpr SentenceVariants kCeaseFire2 = {
    "Both sides have suffered heavy losses during the long months of war.",
    "The {A} claims that the war reached all of its goals, while the {B} says the same.",
    "Neutral observers will watch the border systems to make sure the agreement holds.",
    "The negotiations were held on neutral ground and lasted for many weeks.",
    "Rumours say that the {A} ran out of money to keep its fleets in the field.",
    "Public pressure in both factions has grown with every lost battle.",
    "The {B} has agreed to release all prisoners of war within the next days.",
    "Trade lines between the {A} and the {B} will reopen in the coming days.",
    "Both governments praised the courage of their soldiers and captains.",
    "Many citizens of the {A} and the {B} celebrated in the streets.",
};
constexpr SentenceVariants kCeaseFire3 = {
    "Traders can look forward to reopened routes and stable prices.",
    "Whether this peace will last is anyone´s guess.",
    "Veteran organisations are asking for help for the wounded of this war.",
    "Mercenaries and privateers will have to look for new jobs.",
    "Let us hope that this is the beginning of a long era of peace.",
    "The border systems are already starting to rebuild.",
    "Military experts warn that both sides will use the time to rearm.",
    "We will keep you informed about further developments.",
    "For now, the galaxy breathes a sigh of relief.",
    "Smugglers, on the other hand, are not amused.",
};

// Kind 7: invasion of system {S} of {B} by {A}.
constexpr SentenceVariants kInvasion1 = {
    "The {A} has launched an invasion of the {S} system, held by the {B}.",
    "Fleets of the {A} have entered the {S} system and are attacking the forces of the {B}.",
    "Breaking news: the {S} system is under attack by the {A}.",
    "Early this morning, warships of the {A} jumped into the {S} system and opened fire on the defenders of the {B}.",
    "The {B} reports that the {S} system has been invaded by a large fleet of the {A}.",
    "The war between the {A} and the {B} has reached the {S} system.",
    "A battlegroup of the {A} has crossed the border and begun the siege of the {S} system.",
    "The {S} system has become the new front line as the {A} attacks the {B}.",
    "The {A} has opened a new front in the {S} system.",
    "Sirens are sounding on all planets of the {S} system as the {A} begins its invasion.",
};
constexpr SentenceVariants kInvasion2 = {
    "The defenders of the {B} are fighting hard to hold their positions.",
    "The {B} has sent reinforcements to the besieged system.",
    "Civilians are fleeing from the {S} system in large numbers.",
    "The {A} says it will not stop until the {S} system is under its control.",
    "First reports speak of heavy losses on both sides.",
    "The starbase of the {S} system is under heavy fire.",
    "The {B} has called all its captains to the defence of the {S} system.",
    "Trade in the {S} system has come to a complete standstill.",
    "Military experts expect a long and bloody siege.",
    "The {A} has brought its best battlegroups to the {S} system.",
};
constexpr SentenceVariants kInvasion3 = {
    "Independent captains can help either side by flying missions in the system.",
    "Traders are advised to avoid the {S} system until the fighting is over.",
    "The outcome of this battle may decide the whole war.",
    "We will report on the course of the battle as soon as we know more.",
    "Prices in the besieged system are rising sharply.",
    "Both sides are paying well for supplies brought into the system.",
    "Only time will tell who will control the {S} system in the end.",
    "Our thoughts are with the people of the {S} system.",
    "War bonds of both factions are selling better than ever.",
    "The fighting is expected to last for many months.",
};

// Kind 8: system {S} conquered by {A} from {B}.
constexpr SentenceVariants kCaptured1 = {
    "The {S} system has fallen: the {A} has taken it from the {B}.",
    "After a long siege, the {A} has conquered the {S} system.",
    "The flag of the {A} now flies over the planets of the {S} system.",
    "The last defenders of the {B} in the {S} system have surrendered to the {A}.",
    "Breaking news: the {S} system is now under the control of the {A}.",
    "The {B} has lost the {S} system to the invading forces of the {A}.",
    "Victory for the {A}: the {S} system has been captured.",
    "The battle for the {S} system is over, and the {A} has won it.",
    "The fleet of the {B} has withdrawn from the {S} system, leaving it to the {A}.",
    "Troops of the {A} have landed on the planets of the {S} system and taken control.",
};
constexpr SentenceVariants kCaptured2 = {
    "The {B} has suffered a heavy defeat and lost many of its ships.",
    "The new rulers have promised to respect the rights of the local population.",
    "Officials of the {B} have called the conquest an act of piracy.",
    "The {A} celebrates the victory as a turning point in the war.",
    "Many citizens of the {S} system have fled to the territory of the {B}.",
    "The starbase of the {S} system is now manned by crews of the {A}.",
    "The {B} has already announced that it will try to win the system back.",
    "It was a long and costly campaign for both sides.",
    "The markets of the {S} system will now follow the laws of the {A}.",
    "High Command of the {A} praised its captains for their courage.",
};
constexpr SentenceVariants kCaptured3 = {
    "Traders will have to get used to new tariffs and new patrols.",
    "The border between the {A} and the {B} has moved once again.",
    "It remains to be seen whether the {A} can hold the system.",
    "We will keep you informed about the consequences of this conquest.",
    "For the people of the {S} system a new era has begun.",
    "Veteran organisations are collecting donations for the victims of the battle.",
    "Experts expect the {B} to strike back soon.",
    "The war is far from over.",
    "Captains of the {B} are advised to stay away from the {S} system for now.",
    "History will judge whether this victory was worth its price.",
};

// Kind 9: invasion of system {S} of {B} by {A} failed.
constexpr SentenceVariants kFailed1 = {
    "The invasion of the {S} system by the {A} has failed.",
    "The {B} has successfully defended the {S} system against the {A}.",
    "After a long siege, the forces of the {A} have retreated from the {S} system.",
    "Breaking news: the {S} system remains in the hands of the {B}.",
    "The defenders of the {S} system have driven back the invasion fleet of the {A}.",
    "The {A} has given up its attack on the {S} system.",
    "Victory for the {B}: the siege of the {S} system has been broken.",
    "The battle for the {S} system is over – the {B} has held its ground.",
    "The last ships of the {A} have left the {S} system in retreat.",
    "The {B} has repelled the invaders of the {A} at the {S} system.",
};
constexpr SentenceVariants kFailed2 = {
    "The {A} has lost many of its ships in the failed attack.",
    "The {B} celebrates the victory as a triumph of its brave defenders.",
    "Officials of the {A} called the retreat a planned withdrawal.",
    "The people of the {S} system are celebrating in the streets.",
    "The siege has left the system´s economy badly damaged.",
    "High Command of the {B} praised its captains for their courage.",
    "The {A} has already announced that it will return with a larger fleet.",
    "Both sides suffered heavy losses during the long campaign.",
    "Military experts call the defence of the {S} system a masterpiece.",
    "The commander of the invasion fleet has been relieved of duty.",
};
constexpr SentenceVariants kFailed3 = {
    "Trade in the {S} system is expected to recover soon.",
    "The border between the {A} and the {B} remains unchanged – for now.",
    "We will keep you informed about further developments.",
    "Veteran organisations are asking for donations for the wounded.",
    "It remains to be seen whether the {A} will try again.",
    "For the moment, the {S} system can breathe again.",
    "The war between the two factions goes on.",
    "Traders are returning to the system already.",
    "Historians will remember this defence for a long time.",
    "The {B} has promised to rebuild everything that was destroyed.",
};

}  // namespace

NewsSentences NewsSentencesOf(NewsKind kind) {
  switch (kind) {
    case kNewsSurplus: return {kTraderGreetings, kSurplusEvent, kSurplusComment};
    case kNewsPirateAttack: return {kTraderGreetings, kPirateEvent, kPirateComment};
    case kNewsIncreasedPatrols: return {kTraderGreetings, kPatrolEvent, kPatrolComment};
    case kNewsWarDeclared: return {kWarDeclared1, kWarDeclared2, kWarDeclared3};
    case kNewsCeaseFire: return {kCeaseFire1, kCeaseFire2, kCeaseFire3};
    case kNewsInvasion: return {kInvasion1, kInvasion2, kInvasion3};
    case kNewsSystemCaptured: return {kCaptured1, kCaptured2, kCaptured3};
    case kNewsInvasionFailed: return {kFailed1, kFailed2, kFailed3};
    default: return {kTraderGreetings, kNeedEvent, kNeedComment};
  }
}

std::string FillNames(std::string_view pattern, const NewsNames& names) {
  std::string text;
  text.reserve(pattern.size() + 64);
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
      const char key = pattern[i + 1];
      const std::string_view* name = key == 'A'   ? &names.first
                                     : key == 'B' ? &names.second
                                     : key == 'D' ? &names.second
                                     : key == 'S' ? &names.system
                                     : key == 'G' ? &names.good
                                                  : nullptr;
      if (name != nullptr) {
        text += *name;
        i += 3;
        continue;
      }
    }
    text += pattern[i];
    ++i;
  }
  return text;
}

}  // namespace rules
