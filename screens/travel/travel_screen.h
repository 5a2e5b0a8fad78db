// The travel screen: the game's hub, shown modally over the start screen from a new or loaded game
// until the player leaves for the start screen or the game ends. Its mission panel lives on it.
#pragma once

namespace screens {

// Shows the travel screen modally and returns when it closes.
void OpenTravelScreen();

// Whether the travel screen is showing (also while a flight window is open over it).
bool TravelScreenShowing();

// The travel screen's refresh routines, as the rules ask for them. DisplayedSystem is set before
// RedrawTravelSystem; `placeBodies` also lays the bodies out again.
void RedrawTravelSystem(bool placeBodies);
void UpdateTravelStatusBars();
void ShowTravelSpaceFinds();

// The game is over: the travel screen closes (its close permission is already set).
void CloseTravelScreenForGameOver();

// The mission panel: whether it shows, hide it, redraw it from ActiveMission, and the control
// panel's missions button (the mission board, or the panel of the active mission).
bool MissionPanelShowing();
void HideMissionPanel();
void UpdateMissionPanel();
void OpenMissions();

}  // namespace screens
