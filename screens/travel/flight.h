// Flight between the bodies of a system, docking and jumping: what the travel screen does when the
// player flies to a body or a space find, or acts on the body the ship is at.
#pragma once

namespace screens {

// Flies to body `body` (1..15) of `system`, or to space find `find` (-1..-4), in the flight
// window, one day per tick, with the arrival checks at the end.
void FlyToLocation(int body, int system);
void FlyToSpaceFind(int find, int system);

// Lands on the planet the ship is at, enters a pirate hideout or jumps through a wormhole.
void DockOrJump();

// Ends a flight under way; nothing happens when none is.
void StopFlight();

// Whether the flight window is showing.
bool FlightShowing();

}  // namespace screens
