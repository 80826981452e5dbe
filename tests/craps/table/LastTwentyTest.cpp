// A gambler's last twenty sessions: made by seating and unseating him at the table, kept by
// the save file byte for byte, and shown by the statistics table with the newest four in view.
#include "RoundDriver.h"
#include "casino/GamblerRecord.h"

#include "craps/stats/CasinoStatDlg.h"
#include "resources/Resources.h"

namespace {

class LastTwenty : public CrapsTable {};

TEST_F(LastTwenty, TwentyFiveSittingsKeepTheLastTwentyThroughTheSaveFileAndTheTable) {
    MakeCrapsTable(3000.0, 120.5, 40.0);
    const i16 ann = Mgr->FindPlayer("Ann");
    ASSERT_GE(ann, 0);
    for (int sitting = 1; sitting <= 25; ++sitting) {
        Lord().UpdateSeat(1);
        // Each sitting opens on a bankroll of its own, which names it in the history.
        TGamblerRecord(std::span(Mgr->GetDataBlock(ann), TCasinoPlayerData::EncodedSize))
            .SetBankroll(1000.0 + sitting);
        Lord().SetupSeat(1);
    }
    Lord().UpdateSeat(1);

    const auto starts = [&](const u8* block) {
        TCasinoPlayerData data;
        EXPECT_TRUE(data.Decode(block, TCasinoPlayerData::EncodedSize));
        std::vector<double> found;
        TCasinoCData& history = data.GetHistory();
        for (i16 slot = history.FirstSession(); slot != -1; slot = history.NextSession())
            found.push_back(history.GetSession(slot)->StartBankroll.GetValue());
        return found;
    };
    std::vector<double> expected;
    for (int sitting = 6; sitting <= 25; ++sitting)
        expected.push_back(1000.0 + sitting);
    EXPECT_EQ(starts(Mgr->GetDataBlock(ann)), expected);

    const std::string before(reinterpret_cast<const char*>(Mgr->GetDataBlock(ann)),
                             TCasinoPlayerData::EncodedSize);
    ASSERT_TRUE(Mgr->SaveFile());
    CrapsMode.reset();
    CrapsWindow.reset();
    Frame.Window = nullptr;
    Make();
    ASSERT_TRUE(Mgr->GetDataBlock(ann) != nullptr || Mgr->LoadDataBlock(ann));
    const u8* loaded = Mgr->GetDataBlock(ann);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded), TCasinoPlayerData::EncodedSize),
              before);

    RegisterResources();
    TCasinoStatDlg stats(nullptr, *Mgr, ann);
    ASSERT_TRUE(stats.Create());
    EXPECT_EQ(stats.GetFirstColumn(), 17);
    EXPECT_EQ(stats.GetTopRow(), 1);
}

} // namespace
