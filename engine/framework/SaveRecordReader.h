// TSaveRecordReader: what a damaged save file holds, read by the form the game writes records
// in: the gamblers that come back as they were written, and those left out as they are told.
#pragma once

#include "platform/host/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Bytes of a record that a damaged file lost, from From up to To: nothing tells what they were.
struct TLostBytes {
    size_t From = 0;
    size_t To = 0;
    bool Holds(size_t i) const { return i >= From && i < To; }
};

// What the reader is told of the save: where its pieces lie, the blank the game writes in a
// free place, and what a gambler the game writes looks like (the save's manager knows its own
// record best).
struct TSaveLayout {
    // The save's size, and where its game data and each record were written, one right after
    // the other; the size of one record.
    i64 FileSize = 0;
    size_t GameDataOffset = 0;
    std::vector<size_t> Places;
    size_t Size = 0;
    // What the game writes in a free place (DeletePlayer leaves it so too); empty when it
    // cannot be made.
    std::vector<u8> Blank;
    // How many leading and last bytes of a record the checks below read: records alike in them
    // are judged alike. The mark is the first of them.
    size_t Judged = 0;
    size_t JudgedTail = 0;
    // Whether some values of the lost bytes (the mark among them, which could then be 1) make
    // the record (Size bytes) a gambler the game can take as he stands; with none lost, whether
    // it is one.
    std::function<bool(const u8* record, TLostBytes lost)> CouldBeWhole;
    // The same, held to a whole record as the game itself writes one, which may be more than
    // CouldBeWhole asks (spare bytes it never fills, flags it writes as 0 or 1): a damaged file
    // is read by it first.
    std::function<bool(const u8* record, TLostBytes lost)> CouldBeWritten;
    // The head at the start of the bytes is of this save's versions.
    std::function<bool(const std::vector<u8>& bytes)> IsSaveHead;
};

class TSaveRecordReader {
public:
    // A gambler recovered from a damaged file: his place, and his record as it was written.
    struct TFoundRecord {
        i16 Record;
        std::vector<u8> Bytes;
        bool operator==(const TFoundRecord&) const = default;
    };
    // What a damaged file holds (see SaveRecordReader.cpp for the rule, and Reader for who
    // judged it): the gamblers that can be taken as they were written, and those left out as
    // the player is told of them, in record order: each by his name in quotes where it can be
    // read, and those whose names cannot be read together as one last entry ("1 gambler whose
    // name cannot be read", "N more gamblers whose names cannot be read" after names). LeftOut
    // is the error output's form, a name's own quotes and backslashes escaped so that the list
    // reads one way; Shown the box's, each name as it was read.
    //
    // The reader is chosen by the file's size against the save's: each place where it was
    // written (InPlace); around every point less than a record's size away (OnePoint); the
    // slots of a file a record longer (Slots); in place up to the first damaged place
    // (UpToDamage); or none, the file being no save of this game's.
    enum class TReader { None, InPlace, OnePoint, Slots, UpToDamage };
    struct TRecovery {
        TReader Reader = TReader::None;
        std::vector<TFoundRecord> Whole;
        std::vector<std::string> LeftOut;
        std::vector<std::string> Shown;
    };

    explicit TSaveRecordReader(TSaveLayout layout);

    // The bytes read of a file of fileSize bytes (at most its size and one record more).
    TRecovery Recover(const std::vector<u8>& bytes, i64 fileSize) const;
    // Every record marked used in the bytes is whole, no two of them of one name, and every
    // other one marked free and the game's blank; true too for another version's file.
    bool HoldsOnlyWholeRecords(const std::vector<u8>& bytes) const;
    // For the tests: the one-point reader tries every point one by one, without the runs and
    // spans it otherwise judges many points by; the verdicts must not change.
    void SetJudgeEveryPoint(bool every) { JudgeEveryPoint = every; }

    // The form of the engine's own record (its first TPlayerData::EncodedSize bytes), which
    // a save's CouldBeWhole starts from: used exactly 1, a name as the game writes it
    // (IsWrittenName) with nothing but NULs after it, sex 0 or 1, and both amounts finite,
    // not negative (but for less than half a cent of rounding), below a trillion, and 0 or at
    // least 1e-18 in size, and not the blank's face (ShowsBlankFace). Counters are never
    // judged, so that no real gambler is thrown out.
    static bool CouldBeGambler(const u8* record, size_t size, TLostBytes lost,
                               const std::vector<u8>& blank);
    // The record's told bytes show the face of the blank the game writes in a free place: its
    // name, or its start bankroll, which no gambler the game makes has. Such a place is a free
    // place, damaged, whatever its mark says.
    static bool ShowsBlankFace(const u8* record, TLostBytes lost, const std::vector<u8>& blank);
    // The name field of a record's bytes when it holds 1 to 12 characters, none a control
    // character, ended by a NUL inside the field.
    static std::optional<std::string> ReadableName(const u8* record, size_t size);
    // A name as the game writes it: 1 to 12 letters, digits and blanks, a blank neither first
    // nor last. A record whose name is not is no gambler the game wrote.
    static bool IsWrittenName(const std::string& name);

private:
    // What a damaged file's place holds: a gambler recovered whole, or one left out, under
    // Name where it can be read.
    struct TStoredPlace {
        std::optional<std::vector<u8>> Whole;
        bool LeftOut = false;
        std::optional<std::string> Name;
    };
    bool IsWhole(const u8* record) const { return Layout.CouldBeWhole(record, {}); }
    bool IsWritten(const u8* record) const { return Layout.CouldBeWritten(record, {}); }
    template <class Visit>
    void ForEachStoredRecord(const std::vector<u8>& bytes, Visit visit) const;
    std::vector<TStoredPlace> JudgeStoredPlaces(const std::vector<u8>& bytes, i64 fileSize,
                                                TReader& reader) const;
    // Each place where it was written, up to the first that is not as the game writes it
    // (damaged, Places.size() when none is); past it the damage may have moved every record.
    // Gamblers whole the shift away from places not taken from there go to alsoRead.
    std::vector<TStoredPlace> ReadUpToDamage(const std::vector<u8>& bytes, i64 shift,
                                             size_t& damaged,
                                             std::vector<std::vector<u8>>& alsoRead) const;
    // What ReadUpToDamage read shows no gambler from the damaged place on, and every one before
    // it as the game writes him: only free places took the damage.
    bool OnlyFreePlacesDamaged(const std::vector<u8>& bytes,
                               const std::vector<TStoredPlace>& places, size_t damaged,
                               i64 shift) const;
    // Some place comes back with the gambler's name.
    static bool NamedBefore(const std::vector<TStoredPlace>& places,
                            const std::vector<u8>& gambler);
    // The game never writes two gamblers of one name: where two records of one name that differ
    // were read (among the places and alsoRead), neither comes back and he is told once by his
    // name; a copy byte for byte comes back once.
    static std::vector<TStoredPlace> OneOfEachName(std::vector<TStoredPlace> places,
                                                   const std::vector<std::vector<u8>>& alsoRead);
    // The reader a damaged file of the size is judged by first; the one that decided can be a
    // later one, where the first explains nothing.
    TReader ChooseReader(const std::vector<u8>& bytes, i64 fileSize) const;
    // A file a record longer, read as a record's worth put in at a border: every slot of it a
    // gambler or the blank, a copy adding nobody; none when some slot is neither.
    std::vector<TStoredPlace> JudgeSlots(const std::vector<u8>& bytes) const;
    // A file shift bytes longer (or shorter) than its size, read as that many bytes put in (or
    // taken out) at one point; none when no point explains it. Records and free places are
    // held asWritten by the game, or else records only whole and free places holding anything.
    std::vector<TStoredPlace> JudgeShiftedPlaces(const std::vector<u8>& bytes, i64 shift,
                                                 bool asWritten) const;
    // What a place holds read where it was written (see SaveRecordReader.cpp for the rule);
    // present of its size bytes are in the file.
    TStoredPlace JudgeInPlace(const u8* record, size_t present) const;
    // The place is marked free and its first present bytes are the blank's.
    bool IsFreePlace(const u8* record, size_t present) const;
    // Every byte of the place is the blank's or 0: a free place some of whose bytes a lost
    // write left zeros, whatever its size.
    bool ReadsAsBlank(const u8* record, size_t present) const;
    bool ShowsBlankFace(const u8* record) const { return ShowsBlankFace(record, {}, Layout.Blank); }

    TSaveLayout Layout;
    bool JudgeEveryPoint = false;
};
