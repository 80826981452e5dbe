// Test support: a player's session of the real program, every step a click or a key: gamblers
// made, stood up, seated and replaced in the gambler dialogs, options set in their dialog, the
// expert's and the statistics' dialogs opened by the table's buttons and closed, and the dice
// rolled with each roll's money written to the log and counted.
#pragma once

#include "PlayedTable.h"

#include "casino/CasinoPlayerData.h"
#include "casino/GamblerCreateDialog.h"
#include "casino/GamblerDeleteDialog.h"
#include "casino/GamblerDialog.h"
#include "casino/GamblerMsgDlg.h"
#include "craps/stats/CasinoStatDlg.h"
#include "craps/table/BetOptionsDlg.h"
#include "engine/framework/AskTheExpertDialog.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Static.h"

#include <array>
#include <memory>
#include <string>

// Buy (1) or place on 4 and 10, 5 and 9, 6 and 8, then come odds, don't-come odds, place bets
// and hardways working on the come-out, as the options dialog shows them.
using TOptionPage = std::array<u8, 7>;

class PlayedSession : public PlayedTable {
protected:
    // The gamblers made, in record order after Joe Gambler's record 0.
    static constexpr std::array<const char*, 3> Names = {"Ann", "Bob", "Cy"};
    static constexpr i16 Records = 4;
    // The chips by index: $1, $5, $25, $100.
    static constexpr int One = 0, Five = 1;

    // The dialogs' controls.
    static constexpr int GamblerList = 100, ActivateButton = 200, DoneButton = 201,
                         CreateButton = 203, DeleteButton = 204;
    static constexpr int StartWith2500 = 207, CreateGambler = 208, ConfirmDelete = 200;
    static constexpr std::array<int, 3> BuyIds = {105, 108, 111}, PlaceIds = {106, 109, 112};
    static constexpr std::array<int, 4> WorkingIds = {114, 115, 116, 117};
    static constexpr int AcceptChanges = 103;

    void Note(const std::string& text) {
        if (Log != nullptr)
            Log->Note(text);
    }
    i16 Seat() const { return Lord()->GetCurrentSeat(); }
    static TCBetSpot& Spot(i16 spot) { return *Lord()->GetBetSpot(spot); }

    // Past the intro with a click, Joe Gambler stood up and three gamblers of $2,500 made,
    // each seated as he is made; then the money log is opened.
    TSteps Opening() {
        TSteps s = {
            Until([] { return Frame() != nullptr && Mode() != nullptr; }, "the frame"),
            Until([this] { return Now() >= 1500; }, "the intro"),
            Do([this] { Session.Backend().Click(OnMode(320, 240)); }),
            Until(
                [] {
                    return CurrentModeId() == TCasOTCrapsGFW::CrapsModeId && Lord() != nullptr &&
                           Running<TCAct1State>();
                },
                "the table"),
        };
        Append(s, Menu(0, 0));
        Append(s,
               {Shown<TGamblerDialog>("the gambler list"), ClickRow<TGamblerDialog>(GamblerList, 0),
                ClickControl<TGamblerDialog>(ActivateButton),
                Until([] { return !Mgr().IsActive(0); }, "Joe Gambler to stand up")});
        for (const char* name : Names)
            Append(s, Create(name));
        Append(s,
               {ClickControl<TGamblerDialog>(DoneButton), Gone<TGamblerDialog>("the list"),
                Until([] { return Lord()->CountOccupiedSeats() == 3; }, "three seated"), Do([this] {
                    for (i16 record = 1; record < Records; ++record)
                        EXPECT_EQ(Bankroll(record), TMoney(2500.0)) << record;
                    Log = std::make_unique<TMoneyLog>(*Lord());
                    Lord()->SetMoneyLedger(Log.get());
                    Start = TotalCents(Records);
                })});
        return s;
    }

    // The options dialog from the Options menu, its buttons clicked to the page, accepted.
    TSteps Options(const TOptionPage& page) {
        TSteps s = Menu(1, 0);
        Append(s, {Shown<TCasinoCrapsBetOptionsDlg>("the options"), Do([this, page] {
                       auto* dialog = Showing<TCasinoCrapsBetOptionsDlg>();
                       const auto click = [&](int id) {
                           Session.Backend().Click(
                               Centre(TDesktop::Get().ScreenClientRect(dialog->GetDlgItem(id))));
                       };
                       for (size_t i = 0; i < BuyIds.size(); ++i)
                           click(page[i] != 0 ? BuyIds[i] : PlaceIds[i]);
                       for (size_t i = 0; i < WorkingIds.size(); ++i) {
                           auto* box = dynamic_cast<TCheckBox*>(dialog->GetDlgItem(WorkingIds[i]));
                           if ((box->GetCheck() == BF_CHECKED) != (page[BuyIds.size() + i] != 0))
                               click(WorkingIds[i]);
                       }
                   }),
                   ClickControl<TCasinoCrapsBetOptionsDlg>(AcceptChanges),
                   Gone<TCasinoCrapsBetOptionsDlg>("the options")});
        return s;
    }

    // In the open gambler list: Create, the name typed, $2,500, and the message that he was
    // seated.
    TSteps Create(const char* name) {
        return {ClickControl<TGamblerDialog>(CreateButton),
                Shown<TGamblerCreateDialog>("the create dialog"),
                Do([this, name] {
                    for (const char* c = name; *c != '\0'; ++c)
                        Session.Backend().Type(*c);
                }),
                ClickControl<TGamblerCreateDialog>(StartWith2500),
                ClickControl<TGamblerCreateDialog>(CreateGambler),
                Shown<TGamblerMsgDlg>("the gambler message"),
                Do([this, name] {
                    auto* text = dynamic_cast<TStatic*>(Showing<TGamblerMsgDlg>()->GetDlgItem(100));
                    ASSERT_NE(text, nullptr);
                    EXPECT_EQ(text->GetText(), "Gambler " + std::string(name) +
                                                   " was also activated for your "
                                                   "convenience.\n\nYou should see an "
                                                   "asterisk next to the name.");
                }),
                ClickControl<TGamblerMsgDlg>(IDOK),
                Gone<TGamblerMsgDlg>("the message"),
                Gone<TGamblerCreateDialog>("the create dialog")};
    }

    // A table button that opens a dialog: its click, with no wait for frames, which stop
    // while the dialog is up.
    TStep DialogButton(i16 button) {
        return Do([this, button] {
            for (const TTableButton& b : TableButtons())
                if (b.Number == static_cast<u16>(button))
                    Session.Backend().Click(
                        OnMode((b.Box.L + b.Box.R) / 2, (b.Box.T + b.Box.B) / 2));
        });
    }

    // The gambler list from the File menu, a gambler's row, then Activate or DeActivate.
    TSteps Toggle(i16 record, bool sit) {
        TSteps s = Menu(0, 0);
        Append(s,
               {Shown<TGamblerDialog>("the gambler list"),
                ClickRow<TGamblerDialog>(GamblerList, record),
                Until([record] { return Showing<TGamblerDialog>()->GetSelectedRecord() == record; },
                      "the gambler's row"),
                ClickControl<TGamblerDialog>(ActivateButton),
                Until([record, sit] { return Mgr().IsActive(record) == sit; },
                      sit ? "the gambler seated" : "the gambler stood up")});
        return s;
    }
    TSteps StandOrSit(i16 record, bool sit) {
        TSteps s = {Do([this, record, sit] {
            std::string where;
            if (!sit)
                for (i16 seat = 0; seat < 3; ++seat)
                    if (Lord()->GetSeatPlayerData(seat) == Mgr().GetDataBlock(record))
                        where = " from seat " + std::to_string(seat);
            Note("record " + std::to_string(record) + (sit ? " sits down" : " stands up") + where);
        })};
        Append(s, Toggle(record, sit));
        Append(s, {ClickControl<TGamblerDialog>(DoneButton), Gone<TGamblerDialog>("the list")});
        return s;
    }

    // Each seated gambler's turn, planned as it starts, the seat strip passing the table on
    // between them; then anything last, and the roll.
    TStep Round(std::function<TSteps()> turn, TStep last = nullptr) {
        return Do([this, turn = std::move(turn), last = std::move(last)] {
            TSteps steps;
            const int seated = Lord()->CountOccupiedSeats();
            for (int i = 0; i < seated; ++i) {
                steps.push_back(Do([this, turn] { Then(turn()); }));
                if (seated > 1)
                    Append(steps, ClickSeatStrip());
            }
            if (last)
                steps.push_back(last);
            Append(steps, RollDice());
            Then(std::move(steps));
        });
    }

    // Roll clicked; the roll's line goes before the events it caused, and the money is
    // counted once betting opens again.
    TSteps RollDice() {
        auto before = std::make_shared<std::pair<std::string, std::string>>();
        TSteps s = {Do([this, before] {
            const bool comeOut = Lord()->GetComeOutFlag() == 1;
            before->second = comeOut ? std::string("come_out")
                                     : "point " + std::to_string(Lord()->GetPoint() + 2);
            EXPECT_TRUE(Lord()->TableHasAnyBet()) << "roll " << Roll;
            before->first = std::move(Log->Text);
            Log->Text.clear();
        })};
        Append(s, PressButton(table_button::Roll));
        Append(s, {Until([] { return !Running<TCAct1State>() && !Running<TCRemoveState>(); },
                         "the roll", 10'000),
                   Until([] { return Running<TCAct1State>(); }, "betting after the roll"),
                   Do([this, before] {
                       const std::string settled = std::move(Log->Text);
                       Log->Text = std::move(before->first);
                       ++Roll;
                       Note("roll " + std::to_string(Roll) + ' ' +
                            std::to_string(Lord()->GetDie1() + 1) + '+' +
                            std::to_string(Lord()->GetDie2() + 1) + ' ' + before->second);
                       Log->Text += settled;
                       // One miscount is enough: the ones after it would only repeat it.
                       if (TotalCents(Records) != Start) {
                           ADD_FAILURE() << "the money does not add up after roll " << Roll;
                           Stop();
                       }
                   })});
        return s;
    }

    // A gambler who ran low stood up, deleted and made again under his name with a fresh
    // $2,500: what he had leaves the table's world and the new stake enters it.
    TSteps Replace(i16 record, const char* name) {
        TSteps s = {
            Do([this, record] { Note("record " + std::to_string(record) + " is made again"); })};
        Append(s, Toggle(record, false));
        Append(s, {Do([this, record] { OutsideTable += Bankroll(record).GetValue(); }),
                   ClickControl<TGamblerDialog>(DeleteButton),
                   Shown<TGamblerDeleteDialog>("the delete dialog"),
                   ClickControl<TGamblerDeleteDialog>(ConfirmDelete),
                   Gone<TGamblerDeleteDialog>("the delete dialog"),
                   Until([record] { return !Mgr().IsUsed(record); }, "the gambler deleted")});
        Append(s, Create(name));
        Append(s, {Do([this, record] {
                       EXPECT_TRUE(Mgr().IsActive(record)) << "made again in another record";
                       OutsideTable -= 2500.0L;
                   }),
                   ClickControl<TGamblerDialog>(DoneButton), Gone<TGamblerDialog>("the list")});
        return s;
    }

    // The take-down button, a click on the spot, and the button again if the state is still
    // taking bets down (a seat left with nothing ends it by itself).
    TSteps TakeDown(i16 seat, i16 spot) {
        TSteps s = {Do([this, seat] { Note("seat " + std::to_string(seat) + " takes down"); })};
        Append(s, PressButton(table_button::TakeDown));
        s.push_back(Until([] { return Running<TCRemoveState>(); }, "the take-down state", 5'000));
        Append(s, ClickSpot(spot));
        s.push_back(Do([this] {
            if (Running<TCRemoveState>())
                Then(PressButton(table_button::TakeDown));
        }));
        s.push_back(Until([] { return Running<TCAct1State>(); }, "betting again", 5'000));
        return s;
    }

    int Roll = 0;
    i64 Start = 0;
};
