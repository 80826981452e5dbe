// TCAsk: the advice strings of a topic joined into one text, handed to the frame window.
#include "craps/table/CrapsAsk.h"

#include "craps/table/CrapsGameLord.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "resources/Resources.h"

namespace {

constexpr u16 BadBetStringCount = 3;
constexpr u16 GeneralStringCount = 12;
// Strings of free-odds topics 1 to 5.
constexpr u16 FreeOddsCounts[TCAsk::FreeOddsTopicCount] = {12, 12, 8, 8, 7};

} // namespace

u32 TCAsk::BadBetFirstString(i16 topic) {
    if (topic < 1 || topic > BadBetTopicCount)
        return 0;
    return IDS_ADVICE_BADBET + BadBetStringCount * static_cast<u32>(topic - 1);
}

u16 TCAsk::FreeOddsStringCount(i16 topic) {
    if (topic < 1 || topic > FreeOddsTopicCount)
        return 0;
    return FreeOddsCounts[topic - 1];
}

u32 TCAsk::FreeOddsFirstString(i16 topic) {
    u32 first = IDS_ADVICE_ODDS;
    for (i16 t = 1; t < topic; ++t)
        first += FreeOddsStringCount(t);
    return FreeOddsStringCount(topic) != 0 ? first : 0;
}

void TCAsk::Build(u32 first, u16 count) {
    Text.clear();
    for (u16 i = 0; i < count; ++i) {
        std::string piece;
        JorpLoadString(piece, Owner, first + i);
        Text += piece.substr(0, MaxStringLength);
    }
}

void TCAsk::Show() const {
    const TJorpApp* app = TJorpApp::GetApp();
    if (TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr)
        frame->CmAskTheExpert(Text, true);
}

void TCAsk::GetBadBetAdvice(i16 topic) {
    const u32 first = BadBetFirstString(topic);
    if (first == 0)
        return GetGeneralAdvice();
    Build(first, BadBetStringCount);
    Show();
}

void TCAsk::GetFreeOddsAdvice(i16 topic) {
    const u16 count = FreeOddsStringCount(topic);
    if (count == 0)
        return GetGeneralAdvice();
    Build(FreeOddsFirstString(topic), count);
    Show();
}

void TCAsk::GetGeneralAdvice() {
    Build(IDS_ADVICE_GENERAL, GeneralStringCount);
    Show();
}
