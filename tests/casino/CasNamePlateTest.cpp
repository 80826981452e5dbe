// Name plates: binding and its fatal reports, names spelled onto the glyph places (centring,
// gaps, overlong names and foreign bytes), hiding, the due tick and the golden.
#include "CasinoArt.h"

#include "casino/CasNamePlate.h"
#include "engine/media/Anm.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace buttontest;

class CasNamePlate : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WritePlateArt(Cd);
        WritePlateFile(&Owner, "plate", 0, 0, 12);
    }
    std::unique_ptr<TCasNamePlate> MakePlate(u32 glyphs, const std::string& name = "plate") {
        return TCasNamePlate::Make(&Owner, TFileMode(name, 0, FM_LEVEL_NOW), glyphs);
    }
    // Each place's frame, -1 where the place is hidden.
    static std::vector<int> Places(const TCasNamePlate& plate) {
        std::vector<int> frames;
        for (u32 i = 0; i < plate.GetGlyphCount(); ++i) {
            const TAnm* g = plate.GetGlyph(i);
            frames.push_back(g->IsShown() ? g->GetCurrentData().CurrentFrame : -1);
        }
        return frames;
    }

    TTickOwner Owner;
};

TEST_F(CasNamePlate, BothFormsBindThePlateAndEveryGlyphInOrder) {
    const std::string image = Cd.ReadHostFile("plate.sp");
    const TEmbeddedAddress address{reinterpret_cast<const u8*>(image.data()),
                                   static_cast<u32>(image.size())};
    std::unique_ptr<TCasNamePlate> plates[] = {
        MakePlate(12), TCasNamePlate::Make(&Owner, TFileMode("plate", 0, 0), address, u32{12})};
    for (const auto& plate : plates) {
        EXPECT_FALSE(plate->IsShown());
        EXPECT_EQ(plate->GetBackground(), plate->GetAnm(0));
        for (i16 i = 1; i <= 12; ++i) {
            EXPECT_EQ(plate->GetAnm(i)->GetCurrentData().Direction, ANM_HOLD) << i;
            EXPECT_EQ(plate->GetGlyph(static_cast<u32>(i - 1)), plate->GetAnm(i));
        }
    }
}

TEST_F(CasNamePlate, ASpriteShortOfThePlateOrAGlyphEndsTheProgramNamingIt) {
    WritePlateFile(&Owner, "short", 0, 0, 5);
    WriteButtonArt(Cd);
    WriteButtonFile(&Owner, "waves", 0, 0, 0, 1);
    const struct {
        const char* File;
        std::string Tail;
    } cases[] = {{"short", "Alpha\n Num: 6\n"}, {"waves", "Background\n Num: 0\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        ExpectSetupReport([&] { MakePlate(12, c.File); }, "Name Plate", "Description: \n" + c.Tail);
    }
    // A plate of five places reads the short sprite.
    EXPECT_EQ(MakePlate(5, "short")->GetGlyphCount(), 5U);
}

TEST_F(CasNamePlate, NamesAreCentredInCapitalsWithGapsForWhatHasNoGlyph) {
    constexpr int _ = -1;
    const struct {
        std::string Name;
        u32 Glyphs;
        std::vector<int> Frames;
    } cases[] = {
        {"Joe Gambler", 12, {9, 14, 4, _, 6, 0, 12, 1, 11, 4, 17, _}},
        {"Al", 12, {_, _, _, _, _, 0, 11, _, _, _, _, _}},
        {"r2d2", 12, {_, _, _, _, 17, 28, 3, 28, _, _, _, _}},
        // An odd remainder puts the extra empty place on the right.
        {"Bob", 12, {_, _, _, _, 1, 14, 1, _, _, _, _, _}},
        {"", 12, {_, _, _, _, _, _, _, _, _, _, _, _}},
        {"[z09", 4, {26, 25, 26, 35}},
        // Punctuation and bytes above 127 (accented letters in any code page) leave gaps.
        {"O'N\xE9il-\xC0!", 12, {_, 14, _, 13, _, 8, 11, _, _, _, _, _}},
        {std::string("a\0b", 3), 3, {0, _, 1}},
        // Longer than the plate: its first characters, from the first place.
        {"Maximilian Longname", 12, {12, 0, 23, 8, 12, 8, 11, 8, 0, 13, _, 11}},
        {"ABCDEFG", 5, {0, 1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto plate = MakePlate(c.Glyphs);
        plate->SetName("Somebody Else");
        plate->SetName(c.Name, 0);
        EXPECT_TRUE(plate->GetBackground()->IsShown());
        EXPECT_EQ(plate->GetBackground()->GetCurrentData().CurrentFrame, 0);
        EXPECT_EQ(Places(*plate), c.Frames);
        EXPECT_FALSE(plate->HasFlags(JOF_TIMED_ON));
        plate->HideName();
        EXPECT_FALSE(plate->GetBackground()->IsShown());
        EXPECT_EQ(Places(*plate), std::vector<int>(c.Glyphs, -1));
    }
}

TEST_F(CasNamePlate, GlyphCountsAboveTwelveAreTwelve) {
    auto plate = MakePlate(40);
    EXPECT_EQ(plate->GetGlyphCount(), 12U);
    plate->SetGlyphCount(0xFFFFFFFFU);
    EXPECT_EQ(plate->GetGlyphCount(), 12U);
    plate->SetName("Thirteen Char");
    EXPECT_EQ(Places(*plate), (std::vector<int>{19, 7, 8, 17, 19, 4, 4, 13, -1, 2, 7, 0}));
    // Fewer places than were bound: the name is laid out on those only.
    plate->SetGlyphCount(3);
    plate->SetName("Ed");
    EXPECT_EQ(Places(*plate), (std::vector<int>{4, 3, -1}));
}

using CasNamePlateGolden = FeltScreen;

TEST_F(CasNamePlateGolden, JoeGambler) {
    WritePlateArt(Cd);
    WritePlateFile(Window, "plate", 8, 6, 12);
    Felt(120, 30, ButtonColours());
    auto plate = TCasNamePlate::Make(Window, TFileMode("plate", 0, FM_LEVEL_NOW), u32{12});
    plate->Play(0);
    plate->Show();
    plate->SetName("JOE GAMBLER");
    EXPECT_TRUE(Matches({plate.get()}, "casino_nameplate_joe_gambler"));
}

} // namespace
