// Stand-ins for lord operations that land with other work; the lead deletes this file at merge.
#include "craps/table/CrapsGameLord.h"

void TCasinoCGameLord::ClearButtonFlag(i16 b) { if (b >= 0 && b < ButtonCount) { ButtonFlags[static_cast<size_t>(b)] = 0; ButtonBusy = 0; } }
bool TCasinoCGameLord::ChooseGiveDiceSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseStallSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseShakeSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseThrowSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseDiceLandSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseNoComeSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChoosePointComSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::ChooseResultSkit(u32&, u32&) { return false; }
bool TCasinoCGameLord::PlayShooterPickUp(u32&, u32&) { return false; }
bool TCasinoCGameLord::PlayOddsReturn(u32&, u32&) { return false; }
bool TCasinoCGameLord::AnyInstructionMode() const { return false; }
i16 TCasinoCGameLord::BadBetTopic(u16) const { return 0; }
i16 TCasinoCGameLord::FreeOddsTopic() const { return 0; }
void TCasinoCGameLord::AskBadBet(u16) {}
void TCasinoCGameLord::AskFreeOdds() {}
void TCasinoCGameLord::AskGeneral() {}
