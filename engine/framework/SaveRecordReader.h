// TSaveRecordReader: what a damaged save file holds, read by the form the game writes records
// in: the gamblers that come back as they were written, and those left out as they are told.
#pragma once

#include "engine/framework/SaveLayout.h"

#include <optional>
#include <string>
#include <vector>

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

private:
    // What a damaged file's place holds: a gambler recovered whole, or one left out, under
    // Name where it can be read.
    struct TStoredPlace {
        std::optional<std::vector<u8>> Whole;
        bool LeftOut = false;
        std::optional<std::string> Name;
        // The record he is told by, where it is whole but for the game's own form: he is not
        // told where it comes back from elsewhere.
        std::optional<std::vector<u8>> ToldAs;
    };
    // One place of a file read in place up to its damage: its bytes where it was written, and
    // those where the damage would have moved it.
    struct TPlaceBytes {
        const u8* Record = nullptr;
        size_t Present = 0;
        // The shift, and whether it is whole records' worth.
        i64 Shift = 0;
        bool Aligned = false;
        // The shift away, where all of it is among the bytes read; its head, where that is.
        const u8* Shifted = nullptr;
        const u8* ShiftedHead = nullptr;
        size_t ShiftedPresent = 0;
        // A gambler as the game writes him lies the shift away.
        bool ShiftedWritten = false;
    };
    bool IsWhole(const u8* record) const { return Layout.CouldBeWhole(record, {}); }
    bool IsWritten(const u8* record) const { return Layout.CouldBeWritten(record, {}); }
    // How many bytes of each place that starts among the bytes are there (none where a record
    // is smaller than the engine's): the place the end of a cut file goes through is there only
    // in part.
    std::vector<size_t> PresentPlaces(const std::vector<u8>& bytes) const;
    std::vector<TStoredPlace> JudgeStoredPlaces(const std::vector<u8>& bytes, i64 fileSize,
                                                TReader& reader) const;
    // The table's InPlace row: each place where it was written.
    std::vector<TStoredPlace> ReadInPlace(const std::vector<u8>& bytes) const;
    // The table's UpToDamage rows: each place where it was written, up to the first that is
    // not as the game writes it (damaged, Places.size() when none is); past it the damage may
    // have moved every record. Gamblers whole the shift away from places not taken from there
    // go to alsoRead.
    std::vector<TStoredPlace> ReadUpToDamage(const std::vector<u8>& bytes, i64 shift,
                                             size_t& damaged,
                                             std::vector<std::vector<u8>>& alsoRead) const;
    TPlaceBytes PlaceBytes(const std::vector<u8>& bytes, size_t r, size_t present, i64 shift) const;
    // UpToDamage, before the damaged place: read in place, where a free place with bytes put
    // in or taken out at its head brings nobody back.
    TStoredPlace ReadBeforeDamage(const TPlaceBytes& place) const;
    // Whether a place read so is as the game writes it, and the damage still to come.
    bool IsAsWritten(const TPlaceBytes& place, const TStoredPlace& read,
                     const std::vector<TStoredPlace>& before) const;
    // UpToDamage, the damaged place: its gambler whole the shift away, or what is left of him
    // in place told.
    TStoredPlace ReadDamagedPlace(const TPlaceBytes& place, TStoredPlace inPlace,
                                  std::vector<std::vector<u8>>& alsoRead) const;
    // UpToDamage, past the damaged place: a gambler whole in place or the shift away, or one
    // told by his mark the shift away (in place too where the shift is whole records' worth).
    TStoredPlace ReadPastDamage(const TPlaceBytes& place,
                                std::vector<std::vector<u8>>& alsoRead) const;
    // What ReadUpToDamage read shows no gambler from the damaged place on, and every one before
    // it as the game writes him: only free places took the damage.
    bool OnlyFreePlacesDamaged(const std::vector<u8>& bytes,
                               const std::vector<TStoredPlace>& places, size_t damaged,
                               i64 shift) const;
    // Some place comes back with the gambler's name.
    static bool NamedBefore(const std::vector<TStoredPlace>& places,
                            const std::vector<u8>& gambler);
    // The table's Everywhere line. The game never writes two gamblers of one name: where two
    // records of one name that differ were read (among the places and alsoRead), neither comes
    // back and he is told once by his name; a copy byte for byte comes back once; nobody who
    // comes back is told.
    static std::vector<TStoredPlace> OneOfEachName(std::vector<TStoredPlace> places,
                                                   const std::vector<std::vector<u8>>& alsoRead);
    // The reader a damaged file of the size is judged by first; the one that decided can be a
    // later one, where the first explains nothing.
    TReader ChooseReader(const std::vector<u8>& bytes, i64 fileSize) const;
    // A file a record longer, read as a record's worth put in at a border: every slot of it a
    // gambler or the blank, a copy adding nobody; none when some slot is neither.
    std::vector<TStoredPlace> JudgeSlots(const std::vector<u8>& bytes) const;
    // A file shift bytes longer (or shorter) than its size, read as that many bytes put in (or
    // taken out) at one point; none when no point explains it, or when the one that does tells
    // nothing of a gambler lying whole in his own place. Records and free places are held
    // asWritten by the game, or else records only whole and free places holding anything.
    std::vector<TStoredPlace> JudgeShiftedPlaces(const std::vector<u8>& bytes, i64 shift,
                                                 bool asWritten) const;
    // What a place holds read where it was written (see SaveRecordReader.cpp for the rule);
    // present of its size bytes are in the file.
    TStoredPlace JudgeInPlace(const u8* record, size_t present) const;
    // The place is marked free and its first present bytes are the blank's.
    bool IsFreePlace(const u8* record, size_t present) const;
    // save_record::ReadsAsBlank against the layout's blank.
    bool ReadsAsBlank(const u8* record, size_t present) const;
    // The one rule of what shows a place was free, whatever its mark says: the blank's face, or
    // what damage leaves of it (save_record::PlaceShowsBlankFace; see SaveRecordReader.cpp).
    bool ShowsBlankFace(const u8* record, size_t present) const;

    TSaveLayout Layout;
    bool JudgeEveryPoint = false;
};
