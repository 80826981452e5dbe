// TSaveRecordReader's UpToDamage rows: a damaged save read in place up to its first damaged
// place, that place, and the places past it, which the damage may have moved; and the weighing
// of two damages that took free places alone.
#include "SaveRecordReader.h"

#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t UsedAt = FieldNamed<TPlayerData>("Used").At;
constexpr size_t NameAt = FieldNamed<TPlayerData>("Name").At;

} // namespace

TSaveRecordReader::TPlaceBytes TSaveRecordReader::PlaceBytes(const std::vector<u8>& bytes, size_t r,
                                                             size_t present, i64 shift) const {
    const auto size = static_cast<i64>(Layout.Size);
    TPlaceBytes place;
    place.Record = bytes.data() + Layout.Places[r];
    place.Present = present;
    place.Shift = shift;
    place.Aligned = shift % size == 0;
    const i64 moved = static_cast<i64>(Layout.Places[r]) + shift;
    const auto read = static_cast<i64>(bytes.size());
    // Where the file is longer than the load reads, the last places' copies the shift away lie
    // past the bytes read: only their heads may be there.
    if (shift == 0 || moved < static_cast<i64>(Layout.GameDataOffset) ||
        moved + static_cast<i64>(TPlayerData::EncodedSize) > read)
        return place;
    place.ShiftedHead = bytes.data() + moved;
    place.ShiftedPresent = static_cast<size_t>(std::min(read - moved, size));
    if (moved + size <= read)
        place.Shifted = place.ShiftedHead;
    place.ShiftedWritten =
        place.Shifted != nullptr && place.Shifted[UsedAt] == 1 && IsWritten(place.Shifted);
    return place;
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::ReadUpToDamage(const std::vector<u8>& bytes, i64 shift, size_t& damaged,
                                  std::vector<std::vector<u8>>& alsoRead) const {
    damaged = Layout.Places.size();
    std::vector<TStoredPlace> places;
    places.reserve(Layout.Places.size());
    const std::vector<size_t> present = PresentPlaces(bytes);
    size_t r = 0;
    for (; r < present.size(); ++r) {
        const TPlaceBytes place = PlaceBytes(bytes, r, present[r], shift);
        TStoredPlace inPlace = ReadBeforeDamage(place);
        if (!IsAsWritten(place, inPlace, places)) {
            damaged = r;
            places.push_back(ReadDamagedPlace(place, std::move(inPlace), alsoRead));
            break;
        }
        if (place.ShiftedWritten)
            alsoRead.emplace_back(place.Shifted, place.Shifted + Layout.Size);
        places.push_back(std::move(inPlace));
    }
    while (++r < present.size())
        places.push_back(ReadPastDamage(PlaceBytes(bytes, r, present[r], shift), alsoRead));
    return places;
}

TSaveRecordReader::TStoredPlace
TSaveRecordReader::ReadBeforeDamage(const TPlaceBytes& place) const {
    TStoredPlace read = JudgeInPlace(place.Record, place.Present);
    // Read whole only with its mark set, while the shift away shows the blank's face: a free
    // place with bytes put in or taken out at its head, which brings nobody back.
    if (read.Whole && place.Record[UsedAt] != 1 && place.Shifted != nullptr &&
        ShowsBlankFace(place.Shifted, Layout.Size))
        return TStoredPlace();
    return read;
}

bool TSaveRecordReader::IsAsWritten(const TPlaceBytes& place, const TStoredPlace& read,
                                    const std::vector<TStoredPlace>& before) const {
    return !read.LeftOut && (read.Whole || IsFreePlace(place.Record, place.Present)) &&
           place.Present == Layout.Size &&
           // The game never writes a second record of a name: the damage put it in.
           !(read.Whole && NamedBefore(before, *read.Whole));
}

TSaveRecordReader::TStoredPlace
TSaveRecordReader::ReadDamagedPlace(const TPlaceBytes& place, TStoredPlace inPlace,
                                    std::vector<std::vector<u8>>& alsoRead) const {
    // A second version of a gambler read here tells him in two versions wherever he comes
    // back from.
    if (inPlace.Whole)
        alsoRead.push_back(*inPlace.Whole);
    // What lies in place before the damage shows a gambler: his name, or all but his name as
    // the game writes a gambler.
    const bool shown =
        inPlace.LeftOut &&
        (inPlace.Name ||
         (place.Present == Layout.Size && place.Record[UsedAt] == 1 &&
          Layout.CouldBeWhole(place.Record, {NameAt, NameAt + TPlayerData::NameField})));
    // The damage starts in this place: its gambler's record may lie whole past it. A gambler
    // of another name there is another place's, and comes back from there.
    if (place.ShiftedWritten &&
        (!shown || inPlace.Name == save_record::ReadableName(place.Shifted, Layout.Size))) {
        TStoredPlace whole;
        whole.Whole.emplace(place.Shifted, place.Shifted + Layout.Size);
        return whole;
    }
    if (shown)
        return inPlace;
    // What lies the shift away shows the blank's face: the bytes went in at a free place's
    // head, and nobody was there.
    if (place.ShiftedHead != nullptr && ShowsBlankFace(place.ShiftedHead, place.ShiftedPresent))
        return TStoredPlace();
    // A mark of 1 in place lies before the damage: where what follows it reads as free only by
    // what damage leaves (zeros, a run of other bytes), those may be the bytes put in after
    // it, and the gambler it marks is told.
    if (!inPlace.Whole && !inPlace.LeftOut && place.Record[UsedAt] == 1 &&
        !(place.Present >= TPlayerData::EncodedSize &&
          save_record::ShowsBlankFace(place.Record, {}, Layout.Blank))) {
        inPlace.LeftOut = true;
        inPlace.Name = save_record::ReadableName(place.Record, place.Present);
    }
    // Where bytes went in at the damaged place's head, his own head lies the shift away: what
    // lies in place tells him by no name, and he is told from there as a place past it is.
    if (!inPlace.LeftOut || inPlace.Name || place.Present != Layout.Size ||
        (place.Shift < 0 && place.Aligned))
        return inPlace;
    TStoredPlace past = ReadPastDamage(place, alsoRead);
    return past.LeftOut || past.Whole ? past : inPlace;
}

TSaveRecordReader::TStoredPlace
TSaveRecordReader::ReadPastDamage(const TPlaceBytes& place,
                                  std::vector<std::vector<u8>>& alsoRead) const {
    const size_t size = Layout.Size;
    const u8* record = place.Record;
    TStoredPlace read;
    // A gambler comes back from here only where he lies whole in his place or as the game
    // writes him the shift away.
    if (record[UsedAt] == 1 && place.Present == size && IsWhole(record)) {
        read.Whole.emplace(record, record + size);
        if (place.ShiftedWritten)
            alsoRead.emplace_back(place.Shifted, place.Shifted + size);
        return read;
    }
    if (place.ShiftedWritten) {
        read.Whole.emplace(place.Shifted, place.Shifted + size);
        return read;
    }
    if (place.Shifted != nullptr && IsWhole(place.Shifted)) {
        read.LeftOut = true;
        read.Name = save_record::ReadableName(place.Shifted, size);
        read.ToldAs.emplace(place.Shifted, place.Shifted + size);
        return read;
    }
    if (!place.Aligned) {
        // It is the shift away that a mark tells a gambler to be told; in place a 1 is no mark
        // at all, and where the head the shift away was not read, nobody is told from here. A
        // place whose head in place is still the blank's was free there: a 1 the shift away is
        // some byte of the blank (its sex), not a mark.
        const bool freeHead =
            place.Present >= TPlayerData::EncodedSize &&
            Layout.Blank.size() >= TPlayerData::EncodedSize &&
            std::memcmp(record, Layout.Blank.data(), TPlayerData::EncodedSize) == 0;
        read.LeftOut = place.ShiftedHead != nullptr && !freeHead &&
                       place.ShiftedHead[UsedAt] == 1 &&
                       !ShowsBlankFace(place.ShiftedHead, place.ShiftedPresent);
        if (read.LeftOut)
            read.Name = save_record::ReadableName(place.ShiftedHead, place.ShiftedPresent);
        return read;
    }
    // Whole records' worth moved: the marks in place are marks too.
    if (record[UsedAt] == 1 && !ShowsBlankFace(record, place.Present)) {
        read.LeftOut = true;
        read.Name = save_record::ReadableName(record, place.Present);
    }
    return read;
}

bool TSaveRecordReader::OnlyFreePlacesDamaged(const std::vector<u8>& bytes,
                                              const std::vector<TStoredPlace>& places,
                                              size_t damaged, i64 shift) const {
    for (size_t r = 0; r < places.size(); ++r) {
        const TStoredPlace& place = places[r];
        if (r < damaged ? place.Whole && !IsWritten(place.Whole->data())
                        : r > damaged && (place.Whole || place.LeftOut))
            return false;
    }
    if (damaged >= places.size())
        return true;
    // The damaged place's mark lies before the damage, or the damage took it: no mark of 1 in
    // place or the shift away, and no gambler's name, or the blank's face, in place or the
    // shift away (one changed byte cannot take both).
    const size_t at = Layout.Places[damaged];
    const i64 moved = static_cast<i64>(at) + shift;
    const bool movedIn =
        moved >= 0 && static_cast<size_t>(moved) + TPlayerData::EncodedSize <= bytes.size();
    const std::optional<std::string> name =
        save_record::ReadableName(bytes.data() + at, bytes.size() - at);
    const size_t present = std::min(bytes.size() - at, Layout.Size);
    const size_t movedPresent =
        movedIn ? std::min(bytes.size() - static_cast<size_t>(moved), Layout.Size) : 0;
    const bool blankFace =
        !name || ShowsBlankFace(bytes.data() + at, present) ||
        (movedIn && ShowsBlankFace(bytes.data() + static_cast<size_t>(moved), movedPresent));
    return !places[damaged].Whole && bytes[at + UsedAt] != 1 &&
           (!movedIn || bytes[static_cast<size_t>(moved) + UsedAt] != 1) && blankFace;
}
