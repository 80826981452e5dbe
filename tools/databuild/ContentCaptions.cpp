// Stand-ins for the dealer: one caption sprite per skit list that is played, showing the dealer's
// line above the layout for as long as the round waits for that skit.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/SkitLists.h"
#include "tools/databuild/TableLayout.h"

#include <algorithm>

namespace {

constexpr i32 CaptionHeight = 18;
constexpr i32 CaptionX = TABLE_WIDTH / 2;
// The foot of the caption, on the dealer's side just above the layout.
constexpr i32 CaptionY = 204;
constexpr i16 CaptionZ = 60;

TAnmFrameSource Caption(const std::string& line) {
    const TTextStyle style{11, true, false};
    const i32 width = std::min(TABLE_WIDTH - 8, TCanvas::TextWidth(line, style) + 14);
    TCanvas bubble(width, CaptionHeight);
    bubble.Bevel(0, 0, width, CaptionHeight, CL_CAPTION, CL_WHITE, CL_GREY);
    bubble.TextIn(0, 0, width, CaptionHeight, line, style, CL_CAPTION_TEXT);
    return bubble.Frame(static_cast<i16>(width / 2), CaptionHeight);
}

} // namespace

std::string CaptionSpriteName(const TSkitListEntry& list) {
    return TableFile("f1cp" + list.Suffix + ".sp");
}

void AddCaptions(TDataSet& set) {
    TSpriteListModel& sprites = TableSprites(set);
    for (const TSkitListEntry* list : PlayedSkitFiles()) {
        const std::string anm = TableFile("f1cp" + list->Suffix + ".anm");
        set.AddAnm(anm, {Caption(list->Line)});
        TSpriteModel caption(CaptionSpriteName(*list), 0);
        caption.AddAnm(anm, CaptionX, CaptionY, CaptionZ, list->Ticks, PLAY_HOLD);
        sprites.Add(std::move(caption));
    }
}
