// Test support: the damaged save's fixtures: a file with Ann and Bob beside Joe, the three-
// gambler save the sweeps damage and a new player's own, and how those left out are told.
#pragma once

#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace damaged_save {

using Texts = std::vector<std::string>;
inline const std::string KeptAside = "Save File Corrupted\nThe old file is kept as otcraps.bad.";
inline const char* const Nameless = "1 gambler whose name cannot be read";

// Ann's record as the writer writes it: the body of the record checks' fuzz seeds.
inline std::string AnnSeedRecord() {
    TCasinoPlayerData record;
    record.SetName("Ann Seed");
    record.SetSex(0);
    record.SetBankroll(321.0);
    record.SetStartBankroll(321.0);
    record.SetUsed(1);
    std::string bytes(TCasinoPlayerData::EncodedSize, '\0');
    EXPECT_TRUE(record.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

// How a gambler left out is told: by his name in quotes, or among those whose names cannot be
// read.
inline std::string Told(const std::string& leftOut) {
    return leftOut.find(" whose name") != std::string::npos ? leftOut : "\"" + leftOut + "\"";
}

// The names as they were read, from what is told: each name in quotes, with the quotes and
// backslashes in it escaped; the count of those whose names cannot be read as it is.
inline std::vector<std::string> Names(const std::vector<std::string>& told) {
    std::vector<std::string> names;
    for (const std::string& entry : told) {
        if (entry.size() < 2 || entry.front() != '"' || entry.back() != '"') {
            names.push_back(entry);
            continue;
        }
        std::string name;
        for (size_t i = 1; i + 1 < entry.size(); ++i)
            name += entry[i] == '\\' ? entry[++i] : entry[i];
        names.push_back(name);
    }
    return names;
}

class DamagedSave : public CasinoRecords {
protected:
    // A file with Ann and Bob beside Joe, none of them seated.
    std::string GoodFile() {
        Make();
        EXPECT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        SeatNames("", "");
        Frame.Boxes.clear();
        return File();
    }
    // The game started: a gambler seated, and a save that says nothing.
    void ExpectStartedAndSaving(const std::string& what) {
        ASSERT_GE(Mgr->GetActive(0), 0) << what;
        const size_t boxes = Frame.Boxes.size();
        Mgr->Save();
        EXPECT_EQ(Frame.Boxes.size(), boxes) << what;
    }
};

class DamagedSaveSweep : public DamagedSave {
protected:
    std::string ThreeGamblers() {
        Make();
        EXPECT_TRUE(Mgr->CreatePlayer("Ann Seed", 0, 321.0) &&
                    Mgr->CreatePlayer("Bob Decoy", 1, 1234.5));
        // Joe has played two sessions, so that his session slot is not the first and his
        // history holds more than zeros.
        TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(0)), CasinoRecordSize))
            .Edit([](TCasinoPlayerData& data) {
                for (int session = 0; session < 2; ++session) {
                    data.BeginSession(1, TMoney(1.0));
                    data.SetBankroll(data.GetBankroll() - 2.5);
                    data.EndSession();
                }
            });
        SeatNames("", "");
        Make();
        return File();
    }
    // A new player's own save: Joe alone.
    std::string JoeAlone() {
        // Gone before its save is: a manager still running would write it again as it ends.
        Mgr.reset();
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        Make();
        SeatNames("", "");
        Make();
        return File();
    }
    static bool OneByteApart(const std::string& a, const std::string& b) {
        const std::string& longer = a.size() > b.size() ? a : b;
        const std::string& shorter = a.size() > b.size() ? b : a;
        if (longer.size() != shorter.size() + 1)
            return false;
        for (size_t i = 0; i <= shorter.size(); ++i)
            if (longer.substr(0, i) + longer.substr(i + 1) == shorter)
                return true;
        return false;
    }
    // The one name is the other with at most count bytes put in or taken out, or changed, at
    // one point: what a name the damage went through reads as.
    static bool ChangedAtOnePoint(const std::string& a, const std::string& b, size_t count) {
        const size_t shorter = std::min(a.size(), b.size());
        if (std::max(a.size(), b.size()) - shorter > count)
            return false;
        size_t front = 0, back = 0;
        while (front < shorter && a[front] == b[front])
            ++front;
        while (back < shorter - front && a[a.size() - 1 - back] == b[b.size() - 1 - back])
            ++back;
        return std::max(a.size(), b.size()) - front - back <= count;
    }
};

} // namespace damaged_save
