// The table's own sprites: both ways of reading them, the reports of short sprite files, the
// puck's and dice's frames and the sound sprite's sounds.
#include "TableSpriteArt.h"

#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/Puck.h"
#include "craps/table/TableSound.h"
#include "engine/media/Sound.h"

namespace {

using namespace tableart;

constexpr TGrPoint At{60, 40, 7};
// Where a picture read from that cell stands: a pixel right and below.
constexpr TGrPoint Drawn{61, 41, 7};

// A T of the file "<name>.sp", read from the file or, with `inside`, from its bytes in memory.
template <class T>
std::unique_ptr<T> Read(TTempDir& cd, TTickOwner& owner, const char* name, bool inside = false) {
    const TFileMode mode(name, 0, FM_LEVEL_NOW);
    if (!inside)
        return T::Make(&owner, mode);
    // Make reads it at once: the bytes need outlive only this call.
    const std::string image = cd.ReadHostFile(std::string(name) + ".sp");
    return T::Make(&owner, mode,
                   TEmbeddedAddress{reinterpret_cast<const u8*>(image.data()),
                                    static_cast<u32>(image.size())});
}

i32 FrameAfterTicks(TSprite& sprite, TTickOwner& owner) {
    TickHeld(sprite, owner);
    const TAnm& picture = *sprite.GetAnm(0);
    return picture.IsShown() ? picture.GetCurrentData().CurrentFrame : -1;
}

class TableSprites : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteTableArt(Cd);
        WriteSpriteFile(&Owner, "puck", {"puck.anm"}, {At});
        WriteSpriteFile(&Owner, "die", {"die.anm"}, {At});
        WriteSpriteFile(&Owner, "none", {});
        WriteSpriteFile(&Owner, "sound", Members("wav", 11));
        WriteSpriteFile(&Owner, "ten", Members("wav", 10));
        WriteSpriteFile(&Owner, "short", Members("anm", 17));
    }
    TTickOwner Owner;
};

TEST_F(TableSprites, ShortSpriteFilesEndTheProgramNamingWhatIsMissing) {
    ExpectAnmSetupReport([&] { Read<TRSound>(Cd, Owner, "ten"); }, "ten", "Sound Sprite", "sound",
                         10);
    ExpectAnmSetupReport([&] { Read<TCBigDice>(Cd, Owner, "none"); }, "none", "Ask Expert",
                         "bigdice", 0);
    ExpectAnmSetupReport([&] { Read<TCDice>(Cd, Owner, "none", true); }, "none", "CDice", "Dice",
                         0);
    ExpectAnmSetupReport([&] { Read<TCPuck>(Cd, Owner, "none"); }, "none", "CPuck", "Puck", 0);
    ExpectAnmSetupReport([&] { Read<TCBetPayOff>(Cd, Owner, "short", true); }, "short",
                         "CBetPayOff", "Chips", 17);
}

TEST_F(TableSprites, ThePuckIsOnOverTheSixPointsAndOffForAnythingElse) {
    for (bool inside : {false, true}) {
        auto puck = Read<TCPuck>(Cd, Owner, "puck", inside);
        EXPECT_TRUE(!puck->IsShown() && puck->HasFlags(JOF_START_NOW | SPF_DRIVEN));
        puck->Play(Owner.Tick);
        // By sum index: the points 4, 5, 6, 8, 9 and 10 are 2, 3, 4, 6, 7 and 8.
        const i32 frames[] = {0, 0, 0, 1, 2, 3, 0, 4, 5, 6, 0, 0, 0};
        for (i16 point = -1; point <= 11; ++point) {
            puck->SetFlags(JOF_TIMED_ON);
            puck->SetPoint(point);
            EXPECT_FALSE(puck->HasFlags(JOF_TIMED_ON)) << point;
            EXPECT_EQ(FrameAfterTicks(*puck, Owner), frames[point + 1]) << point;
            EXPECT_EQ(puck->GetPicture()->GetCurrentData().Position, Drawn) << "it never moves";
        }
    }
}

TEST_F(TableSprites, DiceShowTheirFacesAndTheHandedOverPicture) {
    auto big = Read<TCBigDice>(Cd, Owner, "die", true);
    EXPECT_FALSE(big->GetPicture()->IsShown());
    big->Play(Owner.Tick);
    for (i16 face : {0, 5, 3, 6, 2, -1, 1, 4}) {
        big->SetFrame(face);
        EXPECT_EQ(FrameAfterTicks(*big, Owner), face >= 0 && face < 6 ? face : -1) << face;
    }
    auto dice = Read<TCDice>(Cd, Owner, "die");
    dice->Play(Owner.Tick);
    dice->SetFlags(JOF_TIMED_ON);
    dice->GetPicture()->GetCurrentData().CurrentFrame = 1;
    dice->Reset();
    EXPECT_FALSE(dice->HasFlags(JOF_TIMED_ON));
    EXPECT_EQ(FrameAfterTicks(*dice, Owner), 0);
}

TEST_F(TableSprites, EachSoundStartsItsOwnWaveAndNoOther) {
    for (i16 index : {0, 4, 10, 11, -1}) {
        auto sound = Read<TRSound>(Cd, Owner, "sound", index == 4);
        EXPECT_TRUE(sound->IsShown()) << "the sound sprite is never hidden";
        sound->PlaySound(index);
        // Without a mixer a started wave is on and at once asked to stop.
        for (i16 w = 0; w < TRSound::SoundCount; ++w)
            EXPECT_EQ(sound->GetWav(w)->HasFlags(JOF_ON), w == index) << index << ", wave " << w;
    }
}

} // namespace
