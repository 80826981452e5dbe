// The program's own cursor pictures on the built data set: the drawn pointing hand over a
// table button, the arrow back over the bare felt.
#include "ProgramSupport.h"

#include "platform/headless/HeadlessBackend.h"
#include "tools/databuild/model/TableLayout.h"

namespace {

class ProgramCursor : public ProgramFixture {
protected:
    ProgramCursor() {
        Build();
        Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    }
};

TEST_F(ProgramCursor, ATableButtonShowsTheDrawnPointingHand) {
    THeadlessBackend& backend = Session.Backend();
    const TBox box = TableButtons().front().Box;
    u32 overButton = 0;
    i32 width = 0;
    bool system = true;
    const auto moveTo = [&backend](TPoint at) {
        TInputEvent move;
        move.Kind = TInputKind::MouseMove;
        move.Pos = at;
        backend.At(backend.Now(), move);
    };
    backend.At(1500, [&] { moveTo(OnMode((box.L + box.R) / 2, (box.T + box.B) / 2)); });
    backend.At(1800, [&] {
        const HCURSOR shown = backend.GetCursor();
        if (shown == nullptr)
            return;
        overButton = shown->Id;
        system = shown->System;
        width = shown->Image != nullptr ? shown->Image->Width : 0;
    });
    CloseAt(2000);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(overButton, 6U);
    EXPECT_FALSE(system);
    EXPECT_EQ(width, 32);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace
