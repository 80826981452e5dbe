// The 14 table buttons' face sprites: pressed, disabled and signal looks over the painted up look,
// and the talk button's twelve looks.
#include "tools/databuild/content/ButtonArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableObjects.h"

#include <cstdio>

namespace {

constexpr i16 ButtonZ = 40;

std::string FaceFile(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "f1btn%02d.anm", number);
    return TableFile(name);
}

} // namespace

std::vector<TAnmFrameSource> ButtonFrames(const TTableButton& button) {
    constexpr int TalkButton = 13;
    constexpr int SizeButton = 2;
    auto frame = [&button](TButtonLook look, const std::string& label) {
        return ButtonFace(button, look, label).Frame(0, 0);
    };
    if (button.Number == TalkButton) {
        // Frame f is talk setting ((f + 1) / 3 + 3) mod 4 in its up, pressed or disabled look:
        // each release moves all three on by 3.
        std::vector<TAnmFrameSource> frames;
        const TButtonLook looks[3] = {TButtonLook::Up, TButtonLook::Pressed, TButtonLook::Disabled};
        for (int f = 0; f < 12; ++f)
            frames.push_back(
                frame(looks[(f + 1) % 3], "TALK " + std::to_string(((f + 1) / 3 + 3) % 4)));
        return frames;
    }
    std::vector<TAnmFrameSource> frames = {frame(TButtonLook::Pressed, button.Label),
                                           frame(TButtonLook::Disabled, button.Label),
                                           frame(TButtonLook::Signal, button.Label)};
    // The window-size button shows frame 1 or 3 when the screen leaves it nothing to do.
    if (button.Number == SizeButton)
        frames.push_back(frame(TButtonLook::Disabled, button.Label));
    return frames;
}

void AddButtons(TDataSet& set) {
    TSpriteListModel& list = TableSprites(set);
    for (const TTableButton& button : TableButtons()) {
        set.AddAnm(FaceFile(button.Number), ButtonFrames(button));
        TSpriteModel sprite(ProgramString(TableObjectString(button.Code)), button.Code);
        sprite.AddAnm(FaceFile(button.Number), button.Box.L, button.Box.T, ButtonZ);
        sprite.Needs = NeedsOf(button.Code);
        list.Add(std::move(sprite));
    }
}
