// Test support: a gambler's record with sessions played on a fake clock in UTC, a stand-in for
// the statistics dialog, and the craps calculator over them.
#pragma once

#include "casino/CasinoPlayerData.h"
#include "craps/stats/StatCalcCraps.h"
#include "craps/stats/StatCalcOwner.h"
#include "craps/stats/StatGrid.h"
#include "platform/host/Clock.h"
#include "platform/host/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class TFakeStatOwner : public TStatCalcOwner {
public:
    TCasinoPlayerData* Record = nullptr;
    TStatGrid Grid;

    virtual ~TFakeStatOwner() = default;

    TCasinoPlayerData* GetStatRecord() override { return Record; }
    TStatGrid& GetStatGrid() override { return Grid; }
    TWindow* GetStatWindow() override { return nullptr; }
};

// Dates in the table follow the local clock; the tests read them in UTC.
class TUtcZone {
public:
    TUtcZone() {
        if (const char* old = std::getenv("TZ"); old != nullptr)
            Old = old;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~TUtcZone() {
        if (Old)
            setenv("TZ", Old->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TUtcZone(const TUtcZone&) = delete;
    TUtcZone& operator=(const TUtcZone&) = delete;

private:
    std::optional<std::string> Old;
};

// 2024-12-22 03:00:00 UTC.
constexpr i64 FixtureWall = 1'734'836'400;

class StatCalcFixture : public ::testing::Test {
protected:
    StatCalcFixture() { Owner.Record = &Record; }

    TCasinoCData& History() { return Record.GetHistory(); }

    // A session played through the history's own operations on the fake clock.
    TCCSession& Play(u32 seconds, double startBankroll, double endBankroll, double totalBet = 0.0) {
        History().BeginSession(TMoney(startBankroll), 1, TMoney(5.0));
        TCCSession& session = *History().GetCurrentSession();
        session.TotalBet = TMoney(totalBet);
        Clock.Advance(u64{seconds} * 1000U);
        History().EndSession(TMoney(endBankroll));
        return session;
    }
    TCCSession& Open(double startBankroll, double totalBet = 0.0) {
        History().BeginSession(TMoney(startBankroll), 1, TMoney(5.0));
        TCCSession& session = *History().GetCurrentSession();
        session.TotalBet = TMoney(totalBet);
        return session;
    }

    void Fill() {
        Owner.Grid.Clear();
        Calc.FillDialog();
    }
    // Column 1 is the oldest session in view.
    const std::string& Cell(int id, int column) const {
        return Owner.Grid.Cells[static_cast<size_t>(id)][static_cast<size_t>(column)];
    }
    const std::string& Total(int id) const {
        return Owner.Grid.Cumulative[static_cast<size_t>(id)];
    }

    TUtcZone Zone;
    TFakeClock Clock{0, FixtureWall};
    TScopedClockSource UseClock{Clock};
    TCasinoPlayerData Record;
    TFakeStatOwner Owner;
    TStatCalcCraps Calc{&Owner};
};
