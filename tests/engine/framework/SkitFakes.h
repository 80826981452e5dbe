// What skit tests share: a mode window that answers conditions and sprite starts from a script,
// a scripted generator, a progress recorder, skits built cell by cell, and hand-made skit bytes.
#pragma once

#include "ObjectBytes.h"

#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/JorpProgress.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitCell.h"
#include "engine/framework/SkitRow.h"
#include "engine/framework/SkitTable.h"
#include "platform/host/RuntimeRandom.h"
#include "support/QuietModeWindow.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

inline std::string Le32(u32 v) {
    return Le16(static_cast<u16>(v & 0xFFFF)) + Le16(static_cast<u16>(v >> 16));
}

// Hand-made objects of the skit files, header and body.
inline std::string CellBytes(const std::string& object, const std::string& sprite, u16 oi, u16 si,
                             u32 duration) {
    return Header("Cell", 2, 0) + Str(object) + Str(sprite) + Le16(oi) + Le16(si) + Le32(duration);
}
inline std::string RowBytes(u8 mask, const std::string& cells) {
    return Header("ROW ", 1, 1) + std::string(1, static_cast<char>(mask)) + cells;
}
inline std::string TableBytes(i16 rows, const std::string& body) {
    return Header("TBL ", 1, 1) + Le16(static_cast<u16>(rows)) + body;
}
inline std::string CritBytes(i16 n, const std::string& words = "") {
    return Header("CRIT", 1, 0) + Le16(static_cast<u16>(n)) + words;
}
// A skit of one row with one cell (object 0, the sprite, 3 frames).
inline std::string OneCellSkit(u16 minor, u16 sprite) {
    return Header("SKIT", 1, minor) + Le16(9) + (minor == 1 ? Le16(1) : "") +
           TableBytes(1, RowBytes(1, CellBytes("a.go", "b.sp", 0, sprite, 3))) + CritBytes(0);
}

// One object read in place from the bytes, as it stands after the read.
template <class T, class... Args>
std::unique_ptr<T> ReadBytes(const std::string& bytes, Args&&... args) {
    return TJorpBase::CreateLoadedAt<T>(
        TEmbeddedAddress{reinterpret_cast<const u8*>(bytes.data()), static_cast<u32>(bytes.size())},
        true, std::forward<Args>(args)...);
}

class TScriptedRandom : public TRandomSource {
public:
    void Seed(u32) override {}
    // The values given, then 0.
    i32 Next() override {
        const i32 v = Values.empty() ? 0 : Values.front();
        if (!Values.empty())
            Values.pop_front();
        return v;
    }
    std::deque<i32> Values;
};

struct TRecordingProgress : TJorpProgress {
    void SelectGauge(i32 gauge) override { Log.push_back("gauge " + std::to_string(gauge)); }
    void SetItemText(const std::string& text) override { Log.push_back(text); }
    void IncrementGauge(i32) override { Log.push_back("step"); }
    void SetGaugeRange(i32 low, i32 high, i32) override {
        Log.push_back("range " + std::to_string(low) + ".." + std::to_string(high));
    }
    std::vector<std::string> Log;
};

// Sprites (object, sprite) listed in FreeFrom exist and may start from that frame on; every
// other one is refused. Conditions not listed are unknown (0).
class TSkitWindow : public TQuietModeWindow {
public:
    i32 TestSkitCondition(u16 condition) override {
        Asked.push_back(condition);
        const auto answer = Conditions.find(condition);
        return answer != Conditions.end() ? answer->second : 0;
    }
    bool CanActivateSprite(i16 object, i16 sprite, u32 key) override {
        ++Tests;
        const auto free = FreeFrom.find({object, sprite});
        return free != FreeFrom.end() && key >= free->second;
    }
    bool UseSprite(i16 object, i16 sprite, u32 key) override {
        Starts.push_back(std::to_string(object) + "." + std::to_string(sprite) + "@" +
                         std::to_string(key));
        return true;
    }

    std::map<u16, i32> Conditions;
    std::map<std::pair<i16, i16>, u32> FreeFrom;
    std::vector<u16> Asked;
    std::vector<std::string> Starts;
    int Tests = 0;
};

// A cell: its row and place, the sprite it starts and for how long.
struct TCellPlan {
    i16 Row;
    u8 Place;
    u16 Object, Sprite;
    u32 Duration;
};

// A skit with its table, as an editor or the data-set builder makes one.
inline std::unique_ptr<TSkit> MakeSkit(TJorpOwner* owner, TGObjSk* object, const std::string& name,
                                       const std::vector<TCellPlan>& cells) {
    auto skit = std::make_unique<TSkit>(owner, object, TFileMode(TJorpFileName(name), 0, 0));
    TSkitTable& table = *skit->GetTable();
    for (const TCellPlan& c : cells) {
        while (table.GetLastIndex() < c.Row)
            table.AddNewRow();
        TSkitCell* cell = table.GetSkitRow(c.Row)->EnsureCell(c.Place);
        cell->SetObjectName("obj" + std::to_string(c.Object) + ".go");
        cell->SetSpriteName("spr" + std::to_string(c.Sprite) + ".sp");
        cell->SetObjectIndex(c.Object);
        cell->SetSpriteIndex(c.Sprite);
        cell->SetDuration(c.Duration);
    }
    return skit;
}
