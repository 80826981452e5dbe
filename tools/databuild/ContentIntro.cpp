// The intro: a title card held for five seconds with a short jingle, on the intro's black screen.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableLayout.h"

namespace {

constexpr u32 TitleTicks = 30;
constexpr i32 CardWidth = 480;
constexpr i32 CardHeight = 200;

TAnmFrameSource TitleCard() {
    TCanvas card(CardWidth, CardHeight);
    card.Fill(CL_FELT);
    card.FrameRect(0, 0, CardWidth, CardHeight, CL_RAIL, 6);
    card.FrameRect(8, 8, CardWidth - 8, CardHeight - 8, CL_GOLD);
    const TTextStyle title{22, true, false};
    card.TextIn(2, 42, CardWidth + 2, 82, "Olbin Tevrani's", title, CL_TITLE_SHADOW);
    card.TextIn(0, 40, CardWidth, 80, "Olbin Tevrani's", title, CL_TITLE);
    card.TextIn(2, 82, CardWidth + 2, 122, "Craps Pendrel 2001", title, CL_TITLE_SHADOW);
    card.TextIn(0, 80, CardWidth, 120, "Craps Pendrel 2001", title, CL_TITLE);
    card.TextIn(0, 150, CardWidth, 170, "Click or press any key", TTextStyle{11, false, false},
                CL_CREAM);
    return card.Frame(0, 0);
}

} // namespace

void AddIntro(TDataSet& set) {
    const std::string dir = INTRO_DIR;
    set.AddAnm(dir + "s4title.anm", {TitleCard()});
    const TSamples jingle = Then(Then(Tone(523.25, 120, 0.35), Tone(659.25, 120, 0.35)),
                                 Then(Tone(783.99, 120, 0.35), Tone(1046.5, 240, 0.35)));
    set.AddWave(dir + "s4jingle.wav", jingle);

    TSpriteListModel& list = set.SpriteLists.emplace_back(dir + "s4glrd00.spl");
    // The intro plays sprite 0 of its list and ends when the frame tick reaches its duration.
    TSpriteModel title(dir + "s4title.sp", 0);
    title.AddAnm(dir + "s4title.anm", (TABLE_WIDTH - CardWidth) / 2,
                 (TABLE_HEIGHT - CardHeight) / 2, 0, TitleTicks, PLAY_HOLD);
    title.AddWave(dir + "s4jingle.wav", TicksOf(jingle));
    list.Add(std::move(title));
}
