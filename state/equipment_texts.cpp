// The long descriptions of the equipment, as the equipment shop shows them. The ship class does
// not change them.
#include <array>
#include <cstddef>

#include "state/equipment.h"
#include "state/id.h"

namespace state {
namespace {

constexpr std::array<const char*, 9> kGunDescriptions{
    /*  0 */ "Laser guns are standard weapons, which fire a focused laser beam capable of cutting through even the thickest armor.",
    /*  1 */ "Turbo-Lasers are automatic weapons firing rapid bursts of laser beams. They have lower accuracy and lower damage, but can be fired very fast. There is a low risk of overheating.",
    /*  2 */ "Fusion guns are derived from laser guns, but use a more raw type of energy. They cause more damage, while being less accurate and requiring more action-points (AP). There is a chance of it causing double damage.",
    /*  3 */ "These high-end weapons are extremely expensive, but are the best guns you can get for a fighter or corvette. They combine the strength of a fusion gun with the accuracy of a laser weapon.",
    /*  4 */ "Not much is known about these modern high-tech weapons. These beasts cause unbelievable damage, but there is a chance the own ship is stunned due to a sudden electro magnetic pulse (EMP).",
    /*  5 */ "This is an experimental and unstable weapon. It causes great damage, but doing so it uses up so much energy that shields of the firing ship are decreased as well.",
    /*  6 */ "Leech cannons are capable of drawing energy from the enemy shields on a sub-dimensional level. While most of the energy is dispersed, some of it can be used to strengthen your own shields.",
    /*  7 */ "Disruptor cannons are feared weapons based on anti-matter technology and are able to disintegrate matter. When fired there is a chance that the enemy ship is stunned due to a sudden electro magnetic pulse (EMP).",
    /*  8 */ "Laser gatlings are large automatic turrets firing rapid bursts of advanced laser beams. They can overheat, but the bursts are coming so rapidly there is a chance of intercepting incoming torpedos.",
};

constexpr std::array<const char*, 11> kMissileDescriptions{
    /*  0 */ "Standard-issue missiles that use a combination of image recognition and heat-seeking technology to lead a nuclear warhead to its target.",
    /*  1 */ "Trying to miniaturize the large Arrow Mk. II, which only corvettes can carry, the warhead of this missile is larger than the Mk. I warhead, but more unstable. There is a chance this missile detonates too early.",
    /*  2 */ "These dummy missiles carry only enough nuclear material to make enemy sensors believe it to be a real Arrow missile. Due to its much lower weight Dummy Arrows can be reloaded and fired very fast.",
    /*  3 */ "X-ASM stands for Experimental Advanced Space Missile and, like the name suggests, is a greatly improved version of the Arrow technology. It uses a quantum based warhead and even has some ECM resistance.",
    /*  4 */ "The need to equip corvettes with larger missiles lead to the construction of the Arrow Mk. II. It simply carries a larger nuclear warhead.",
    /*  5 */ "The Zeus Mk. I is a large missile designed to be used only against capital ships. Setting its semi-active homing system requires the full attention of the crew.",
    /*  6 */ "Though fully automated, it takes twice as long to load the Zeus MK. II than other torpedoes, due to its large warhead. (doubled cool down timer).",
    /*  7 */ "Mines have been developed to counter enemy tractor beams. When deployed they are pulled by the enemy tractor beam to it´s target. The enemy has the choice to turn off the tractor beam or risk great damage.",
    /*  8 */ "The neutron warhead on this standard Zeus Mk. I torpedo causes an electro magnetic pulse (EMP) to stun the enemy ship.",
    /*  9 */ "This improved and mine flies slowly towards it´s target even if no tractor beam is used as long as the enemy is using the “mark” ability.",
    /* 10 */ "This is the largest torpedo ever deployed, using the latest in quantum technology to cause unbelievable amounts of damage. A battleship can only fire one volley of these large torpedoes.",
};

constexpr std::array<const char*, 7> kEngineDescriptions{
    /*  0 */ "The Traveller Mk. I engine is a common sight and available for all ship classes – in different sizes of course.",
    /*  1 */ "This improved version has an increased travel speed. There are no engines available that are faster in interstellar travel.",
    /*  2 */ "This engine uses a sudden particle burst to enter an unstable sub-hyperspace for a couple of seconds making it possible to escape combat. It works similar to the “Flee” ability available in the skill tree.",
    /*  3 */ "An experimental engine providing an extreme agility at the expense of travel speed. This engine increases the chance of evading enemy fire.",
    /*  4 */ "These very compact engines are so small that additional space in your cargo bay becomes available.",
    /*  5 */ "This engine is able to bring up an emergency shield when your primary shields drop below a certain degree. It is quiet often used in highly dangerous environments.",
    /*  6 */ "This experimental technology increases your maximum shield strength. However due to it´s size your cargo space is limited.",
};

constexpr std::array<const char*, 7> kComputerDescriptions{
    /*  0 */ "This cheap targeting computer is far away from being the best of it´s class, but for most pilots it´s doing the job.",
    /*  1 */ "The Takedown Mk. I was specifically designed for space fighters and offers several state-of-the-art targeting algorithms.",
    /*  2 */ "This further development is available in different sizes for all ship classes and provides the best targeting available on the market. Due to it´s experimental nature there is a chance of a gun malfunction.",
    /*  3 */ "This special computer browses the local news channels and calculates the current economic situation. You will know the prices of commodities on distant planets, similar to the \"trader\" ability available in the skill tree.",
    /*  4 */ "This special computer increases the range and quality of your ship sensors. You will be able to detect more blips on your ship scanners. Works similar like the “tracking ability” available in the skill tree.",
    /*  5 */ "Spy sensors allow you to receive and decrypt secret data on the system map.",
    /*  6 */ "This costly equipment allows you to set up a complete command headquarters on your battleship increasing the victory points you receive from successful missions.",
};

constexpr std::array<const char*, 6> kEcmDescriptions{
    /*  0 */ "This standard ECM system by Mars Corporation is the most common ECM available for all ship classes.",
    /*  1 */ "This is an improved version of the standard Mk. I ECM system.",
    /*  2 */ "Just recently the Mars Corporation began to deploy a new premium product line of ECM systems. The Supersafe Mk. I uses a very complicated and time consuming algorithm to mislead enemy missiles.",
    /*  3 */ "For the paranoid captain this ECM system provides the best protection available.",
    /*  4 */ "This ECM is especially useful against space mines (efficiency is doubled).",
    /*  5 */ "The plasma net ECM casts out a wide-spread net of plasma that physically destroys all missiles on it´s way. It´s a 100% success, but it costs shield energy.",
};

constexpr std::array<const char*, 6> kCargoModuleDescriptions{
    /*  0 */ "Just a plain, big cargo bay filled with endless columns of containers. Several smoke and hazard detectors make sure that even dangerous freight can be shipped safely.",
    /*  1 */ "This special cargo management system is run fully automated by robots, which are able to increase the effective cargo space through the use of highly advanced packing algorithms.",
    /*  2 */ "This additional reactor is placed in the cargo bay and connected to your primary ship engines. It is able to increase the effective maximum amount of shields significantly, but at the cost of available cargo space.",
    /*  3 */ "Nobody really understands how this technology works, however this device is able to move the ship from the current space/time continuum. The “cloaking” ability is needed to make use of this device!",
    /*  4 */ "This useful equipment is a fully automated ship hospital run by materialized holographic projected medics. It is able to bring back 50% of crew members and droids having been put out of service during crew combat.",
    /*  5 */ "The boarding shuttle increases the maximum amount of crewmen available and makes it always (!) possible to board enemy ships. You will still need to reduce the enemy shields before starting such an attempt though.",
};

template <std::size_t N, CatalogueId Id>
std::string Describe(const std::array<const char*, N>& texts, Id id) {
  const std::int32_t n = Stored(id);
  if (n < 0 || n >= static_cast<std::int32_t>(N)) return "";
  return texts[static_cast<std::size_t>(n)];
}

}  // namespace

std::string GetGunDescription(GunId gun) {
  return Describe(kGunDescriptions, gun);
}

std::string GetMissileDescription(MissileId missile) {
  return Describe(kMissileDescriptions, missile);
}

std::string GetEngineDescription(EngineId engine) {
  return Describe(kEngineDescriptions, engine);
}

std::string GetComputerDescription(ComputerId computer) {
  return Describe(kComputerDescriptions, computer);
}

std::string GetEcmDescription(EcmId ecm) {
  return Describe(kEcmDescriptions, ecm);
}

std::string GetCargoModuleDescription(CargoModuleId module) {
  return Describe(kCargoModuleDescriptions, module);
}

}  // namespace state
