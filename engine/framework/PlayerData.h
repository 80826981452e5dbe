// TPlayerData: the engine's part of a player's saved record: used, name, sex and two amounts.
#pragma once

#include "platform/host/Types.h"

#include <cstddef>
#include <string>

template <class T> struct TLayoutOf;

// In the save file these are the first 31 bytes of every record, laid out by
// TLayoutOf<TPlayerData> (engine/framework/PlayerDataLayout.h): used, name, sex, bankroll and
// start bankroll. Names are single-byte text of the Western code page, at most 12 characters.
class TPlayerData {
public:
    static constexpr size_t EncodedSize = 31;
    static constexpr size_t NameField = 13;
    static constexpr size_t MaxNameLength = NameField - 1;

    TPlayerData();
    virtual ~TPlayerData() = default;
    TPlayerData(const TPlayerData&) = default;
    TPlayerData& operator=(const TPlayerData&) = default;

    // Unused, "John Dough", sex 1, 2000.0 and 2000.0.
    void SetDefaults();
    // Clears the whole field, then keeps the first 12 characters.
    void SetName(const std::string& name);
    void SetName(const char* name);
    void SetSex(u8 sex) { Sex = sex; }
    void SetBankroll(double bankroll) { Bankroll = bankroll; }
    void SetStartBankroll(double bankroll) { StartBankroll = bankroll; }
    void SetUsed(u8 used) { Used = used; }

    std::string GetName() const;
    u8 GetSex() const { return Sex; }
    double GetBankroll() const { return Bankroll; }
    double GetStartBankroll() const { return StartBankroll; }
    u8 GetUsed() const { return Used; }

    // Takes the first 31 bytes of a record; false, and nothing taken, when there are fewer.
    // A name that fills its field without a NUL keeps 12 characters; an amount that is no
    // finite number reads as 0.0.
    bool Decode(const u8* bytes, size_t size);
    // Writes the record into the first bytes of the area: the engine's 31; a derived record
    // writes what follows. False, and nothing written, when the area is too small.
    virtual bool Encode(u8* bytes, size_t size) const;

private:
    template <class T> friend struct TLayoutOf;

    u8 Used = 0;
    char Name[NameField] = {};
    u8 Sex = 1;
    double Bankroll = 0.0;
    double StartBankroll = 0.0;
};

// Little-endian fields of the save file.
void JorpPutF64(u8* at, double value);
double JorpGetF64(const u8* at);
void JorpPutU16(u8* at, u16 value);
u16 JorpGetU16(const u8* at);
void JorpPutU32(u8* at, u32 value);
u32 JorpGetU32(const u8* at);
