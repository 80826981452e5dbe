// Test support: the real program played by a person's input alone. Steps of a script run on
// whichever message loop is running (the program's or a dialog's), polled every few
// milliseconds of the program's clock: mouse clicks on the table's buttons, spots and seat
// strip, the menus, the dialogs' controls and typed names; the game is only read, never set.
#pragma once

#include "InnermostState.h"
#include "MoneyLog.h"
#include "ProgramSupport.h"

#include "casino/CasinoPlayerData.h"
#include "casino/GamblerRecord.h"
#include "craps/bets/TableClickPieces.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/controls/ListBox.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/framework/window/Desktop.h"
#include "tools/databuild/model/TableLayout.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

class PlayedTable : public ProgramFixture {
protected:
    // A step answers true when it is done; one that is not is asked again at the next poll.
    using TStep = std::function<bool()>;
    using TSteps = std::vector<TStep>;

    static constexpr u64 PollMs = 40;
    // After a click on the table: time for its frame to take it, and more than a double
    // click's gap, so that two clicks on one button are two presses.
    static constexpr u64 ClickGapMs = 600;

    // The program runs until the script is done or stops, or until the limit of its clock.
    int Play(u64 limitMs) {
        Poll();
        CloseAt(limitMs);
        return RunOwlMain();
    }
    // Called whenever every step is done: puts more, or answers false to end the session.
    std::function<bool()> Plan;
    // A plan of one script, made when the session first asks for steps (the frame may not be
    // there before); the session ends once it is done.
    void PlanOnce(std::function<TSteps()> script) {
        Plan = [this, script = std::move(script), planned = false]() mutable {
            if (planned)
                return false;
            planned = true;
            Then(script());
            return true;
        };
    }

    // Steps put ahead of the rest, in their order.
    void Then(TSteps steps) {
        Steps.insert(Steps.begin(), std::make_move_iterator(steps.begin()),
                     std::make_move_iterator(steps.end()));
    }
    static TStep Do(std::function<void()> act) {
        return [act = std::move(act)] {
            act();
            return true;
        };
    }
    // Waits until the condition holds; a failure, and the end of the session, after the
    // limit of the program's time.
    TStep Until(std::function<bool()> done, std::string what, u64 limitMs = 120'000) {
        return [this, done = std::move(done), what = std::move(what), limitMs,
                deadline = u64{0}]() mutable {
            if (deadline == 0)
                deadline = Now() + limitMs;
            if (done())
                return true;
            if (Now() >= deadline) {
                ADD_FAILURE() << "waited in vain for " << what;
                Stop();
            }
            return false;
        };
    }
    void Stop() {
        if (!Stopped)
            CloseAt(Now() + 500);
        Stopped = true;
    }
    u64 Now() { return Session.Backend().Now(); }
    bool Stopped = false;

    // The table ---------------------------------------------------------------------------

    static TCasinoCGameLord* Lord() {
        return Frame() != nullptr && Mode() != nullptr
                   ? dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject())
                   : nullptr;
    }
    static TPlayerMgr& Mgr() { return *Frame()->GetPlayerMgr(); }
    static TState* Innermost() { return InnermostState(Lord()); }
    template <class T> static bool Running() { return dynamic_cast<T*>(Innermost()) != nullptr; }
    static u32 Frames() {
        const TJorpModeWindow* mode = Frame() != nullptr ? Mode() : nullptr;
        return mode != nullptr && mode->GetFrameTimer() != nullptr
                   ? mode->GetFrameTimer()->GetCounter()
                   : 0;
    }

    // Joe's record as the save file holds it.
    TCasinoPlayerData SavedJoe() {
        TCasinoPlayerData joe;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Dir.Host(""))) {
            if (entry.path().filename() != "otcraps.sav")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            EXPECT_GE(bytes.size(), 231 + TCasinoPlayerData::EncodedSize);
            if (bytes.size() >= 231 + TCasinoPlayerData::EncodedSize) {
                EXPECT_TRUE(joe.Decode(reinterpret_cast<const u8*>(bytes.data()) + 231,
                                       TCasinoPlayerData::EncodedSize));
            }
        }
        return joe;
    }

    // The frame up, the intro shown a while and clicked away, and the table taking bets.
    TSteps PastTheIntro() {
        return {
            Until([] { return Frame() != nullptr && Mode() != nullptr; }, "the frame"),
            Until([this] { return Now() >= 1500; }, "the intro"),
            Do([this] { Session.Backend().Click(OnMode(320, 240)); }),
            Until([] { return Lord() != nullptr && Running<TCAct1State>(); }, "the table"),
        };
    }

    // A click on the table, then the gap for its frame.
    TSteps TableClick(TPoint screen, TMouseButton button = TMouseButton::Left) {
        auto since = std::make_shared<std::pair<u64, u32>>();
        return {Do([this, screen, button, since] {
                    *since = {Now(), Frames()};
                    Session.Backend().Click(screen, button);
                }),
                // Frames stop while a dialog is up: one that opened unasked ends the run.
                Until(
                    [this, since] {
                        return Now() >= since->first + ClickGapMs && Frames() >= since->second + 2;
                    },
                    "the table to take a click", 10'000)};
    }
    // The table's buttons by number (table_button), the spots by index, and the seat strip.
    TSteps PressButton(i16 button, TMouseButton which = TMouseButton::Left) {
        for (const TTableButton& b : TableButtons())
            if (b.Number == static_cast<u16>(button))
                return TableClick(OnMode((b.Box.L + b.Box.R) / 2, (b.Box.T + b.Box.B) / 2), which);
        ADD_FAILURE() << "no table button " << button;
        return {};
    }
    // The chips: 0 for $1 up to 5 for $10,000.
    TSteps Chip(int index, TMouseButton which = TMouseButton::Left) {
        return PressButton(static_cast<i16>(table_button::LastChip - index), which);
    }
    TSteps ClickSpot(i16 spot) {
        const TPoint p = SpotPoint(spot);
        return TableClick(OnMode(p.x, p.y));
    }
    TSteps ClickSeatStrip() {
        const TRect& r = table_region::Regions[table_region::SeatAreaSlot].Rect;
        return TableClick(OnMode((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    // A point of the spot's region that no other spot's region covers, the middle first.
    static TPoint SpotPoint(i16 spot) {
        const auto free = [spot](TPoint p) {
            for (const table_region::TRegion& r : table_region::Regions)
                if (r.Spot != table_region::NoSpot && r.Spot != spot && r.Rect.Contains(p))
                    return false;
            return true;
        };
        for (const table_region::TRegion& r : table_region::Regions) {
            if (r.Spot != spot)
                continue;
            const TPoint middle{(r.Rect.left + r.Rect.right) / 2, (r.Rect.top + r.Rect.bottom) / 2};
            if (free(middle))
                return middle;
            for (i32 y = r.Rect.top; y < r.Rect.bottom; ++y)
                for (i32 x = r.Rect.left; x < r.Rect.right; ++x)
                    if (free({x, y}))
                        return {x, y};
        }
        ADD_FAILURE() << "no free point on spot " << spot;
        return {};
    }

    // Menus and dialogs ---------------------------------------------------------------------

    template <class T> static T* Showing() {
        for (HWND w : TDesktop::Get().GetTopLevelWindows())
            if (auto* found = dynamic_cast<T*>(w))
                return found;
        return nullptr;
    }
    template <class T> TStep Shown(const char* what) {
        return Until([] { return Showing<T>() != nullptr; }, what, 10'000);
    }
    template <class T> TStep Gone(const char* what) {
        return Until([] { return Showing<T>() == nullptr; }, what, 10'000);
    }
    static TPoint Centre(const TRect& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A click on a control of the dialog of that kind on the screen.
    template <class T> TStep ClickControl(int id) {
        return Do([this, id] {
            T* dialog = Showing<T>();
            HWND control = dialog != nullptr ? dialog->GetDlgItem(id) : nullptr;
            if (control == nullptr) {
                ADD_FAILURE() << "no control " << id;
                Stop();
                return;
            }
            Session.Backend().Click(Centre(TDesktop::Get().ScreenClientRect(control)));
        });
    }
    // A row of a dialog's list box, clicked where it is drawn.
    template <class T> TStep ClickRow(int listId, int row) {
        return Do([this, listId, row] {
            T* dialog = Showing<T>();
            auto* list =
                dialog != nullptr ? dynamic_cast<TListBox*>(dialog->GetDlgItem(listId)) : nullptr;
            if (list == nullptr) {
                ADD_FAILURE() << "no list " << listId;
                Stop();
                return;
            }
            const TRect r = TDesktop::Get().ScreenClientRect(list);
            const i32 h = list->GetItemHeight();
            Session.Backend().Click(
                {(r.left + r.right) / 2, r.top + 2 + (row - list->GetTopIndex()) * h + h / 2});
        });
    }
    // An item of a menu of the frame's bar, by the bar's and the popup's positions.
    TSteps Menu(int popup, int item) {
        return {
            Do([this, popup] {
                Session.Backend().Click(Centre(ChromeLayout::MenuBarItemRects(Frame()).at(popup)));
            }),
            Until([] { return TMenuUi::Get().GetPopup() != nullptr; }, "the menu", 5'000),
            Do([this, item] {
                Session.Backend().Click(Centre(TMenuUi::Get().GetPopup()->ItemRects().at(item)));
            })};
    }

    // Money -----------------------------------------------------------------------------

    // A gambler's bankroll by record: a seated one's from his seat's block, the others' from
    // the manager.
    static TMoney Bankroll(i16 record) {
        TPlayerMgr& mgr = Mgr();
        return TMoney(mgr.IsActive(record)
                          ? TGamblerRecordView({mgr.GetDataBlock(record),
                                                static_cast<size_t>(mgr.GetPlayerDataSize())})
                                .GetBankroll()
                          : mgr.GetBankroll(record));
    }
    // Every gambler's bankroll, every stake and odds on the table and the house's result, in
    // cents.
    i64 TotalCents(i16 records) const {
        long double total = (Log != nullptr ? Log->House : 0.0L) + OutsideTable;
        for (i16 record = 0; record < records; ++record)
            total += Bankroll(record).GetValue();
        for (i16 spot = 0; spot < 43; ++spot)
            for (i16 seat = 0; seat < 3; ++seat)
                total +=
                    static_cast<long double>(Lord()->GetBetSpot(spot)->GetAmount(seat).GetValue()) +
                    Lord()->GetBetSpot(spot)->GetOddsAmount(seat).GetValue();
        return std::llround(total * 100.0L);
    }

    std::unique_ptr<TMoneyLog> Log;
    // Money that left the table's world (a deleted gambler's) less money that entered it (a
    // new gambler's stake).
    long double OutsideTable = 0.0L;
    static void Append(TSteps& to, TSteps more) {
        for (TStep& step : more)
            to.push_back(std::move(step));
    }

private:
    void Poll() {
        Session.Backend().After(PollMs, [this] {
            Run();
            if (!Stopped)
                Poll();
        });
    }
    void Run() {
        while (!Stopped) {
            if (Steps.empty()) {
                if (!Plan || !Plan()) {
                    Stop();
                    return;
                }
                continue;
            }
            TStep step = std::move(Steps.front());
            Steps.pop_front();
            if (!step()) {
                Steps.push_front(std::move(step));
                return;
            }
        }
    }

    std::deque<TStep> Steps;
};
