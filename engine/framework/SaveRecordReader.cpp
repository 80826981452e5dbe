// TSaveRecordReader: where in a damaged save file each gambler lies whole, and how those that
// must be left out are told.
//
// The rule for a damaged file. The record has no checksum: what shows damage is the form the
// game writes. A mark is 0 or 1; a free place is exactly the blank (DeletePlayer resets a
// record to it); a gambler's judged fields are sane, his name is letters, digits and blanks
// between words, his start bankroll more than $0.00, and he never has the blank's face. The
// reader is chosen by the file's size against the save's (ChooseReader), and the recovery says
// which one decided:
//
// reader     | the file                       | comes back                  | told
// ---------- | ------------------------------ | --------------------------- | ------------------
// InPlace    | of the save's size, damaged or | each whole in place, or but | any other place
//            | two records of one name        | for his mark                | not free
// OnePoint   | under a record in or out       | one all points give alike   | one some give
// Slots      | a record in, each slot sound   | each gambler of the slots   | a name in two
//            |                                |                             | versions
// UpToDamage | a record out, more than one,   | read in place:              |
//            | or no one point explains it;   |                             |
//  - before  |   each place up to the first   | each whole in place         | nobody
//  - damaged |   not as the game writes it,   | one whole the shift away    | what is left in
//            |                                |                             | place, its mark
//            |                                |                             | of 1 among it
//  - past    |   and every one past it        | each whole in place or the  | a mark the shift
//            |                                | shift away                  | away
// None       | far off, another version's     | nobody                      | nobody
//
// Each row is a function: ReadInPlace, JudgeShiftedPlaces, JudgeSlots, ReadBeforeDamage,
// ReadDamagedPlace and ReadPastDamage (in SaveRecordUpToDamage.cpp); the readers after the first
// are asked in turn (JudgeStoredPlaces) where one explains nothing, and a one-point reading that
// neither brings back nor tells a gambler lying whole in his own place explains nothing.
//
// The blank's face (ShowsBlankFace), one rule wherever the reader asks whether a place was free,
// whatever its mark says:
//
// the place shows                                   | for
// ------------------------------------------------- | ---------------------------------------
// the blank's name, or its start bankroll           | any change elsewhere in it
// but for its mark, only the blank's bytes and 0    | a lost write's zeros over it
// the blank's bytes outside one run of others       | a lost sector over it
//
// Everywhere: a place showing the blank's face tells nobody (but at the damaged place, where a mark
// of 1 lies before the damage and the face is only what damage leaves); two records of one name
// that differ are neither brought back and he is told once, a copy comes back once, and nobody who
// comes back is told (OneOfEachName); the count told is of gamblers, those whose names cannot be
// read counted together. The load hands the reader no more than the save's size and a record
// (TPlayerMgr::GetSaveReadSize): what lies past those bytes is not there to be judged.
//
// Not promised, and to stay so: with no checksum, these are told or kept in the damaged file
// set aside whole, never more than that.
// - InPlace: a gambler changed where his record still reads as the game writes it comes back
//   so; one who never played whose head a lost write or a lost sector wiped shows the blank's
//   face: a free place.
// - OnePoint: the gambler who holds the point, or the one beside it, may be left out (named).
//   A changed byte and bytes put in both inside one free place's face leave it no face of the
//   blank's to be known by, and the gamblers may be left out (named).
// - Slots: those after the record put in come back a place along.
// - UpToDamage: a record's worth cut out can lose the gambler it held (Joe's record whole) or
//   join two: cut 10 bytes into Ann, "Ann Seed" comes back with Bob's $1,234.50 and Bob is lost
//   untold; a cut of more than 16 bytes inside a gambler may leave his neighbours out, named;
//   two records' worth put in or cut inside a name can join two gamblers.
//
// Why. A free place that still shows the blank's face is a free place damaged, whatever its mark
// says: the game makes gamblers only from the create box ($200, $500 or $2,500, a name typed
// without blanks) or as the first gambler of a new file ("Joe Gambler", $500), so the blank's
// name and start bankroll are never a gambler's, nor is a start of nothing, and nobody comes
// back from it or is told. Zeros are what a lost write leaves, so a place whose other bytes are
// the blank's was free, whatever its mark; no start bankroll the game gives is the blank's bytes
// and zeros. A gambler's own bytes differ from the blank's in more than one run, since his start
// bankroll's low bytes are its zeros, and a run of other bytes rarely holds four of the blank's
// in a row: a place that differs in one run only is a free place a sector went over. A place
// without that face whose mark is not 1 but whose every other byte reads as a gambler the game
// writes is a gambler who lost his mark, which can only have been 1. A size within a record of
// the save's is the save's whatever its head says: nothing of the game's reads a save of another
// version. A record's worth taken out at any border explains the file alike, so no point could
// be agreed on and the places are read where they were written; one put in at any border moves
// the gamblers after it a place along and adds nobody, so which gamblers the slots hold matters
// more than where. A gambler lying whole in his own place as the game writes him was not moved
// there by a shift: a point that takes him for a free place because his bankroll's second byte,
// 0, reads as a free mark the shift away explains nothing. Past the first damaged place of a
// file read in place, the damage may have moved every record: a gambler comes back from there
// where he lies whole in his place or whole as the game writes him the shift away, and once. At
// the damaged place itself, what lies in place before the damage (a mark of 1, a name) tells its
// gambler, unless he lies whole the shift away; a gambler of another name there is another
// place's. It is the shift away that a mark tells a gambler to be told; in place it is some
// other byte, unless the shift was whole records' worth, and so a place whose copy the shift
// away lies past the bytes read tells nobody; nor does a damaged place whose copy there shows
// the blank's face: bytes went in at a free place's head. Counting marks in place would count
// places, not gamblers. Two damages under a record's size that leave every gambler before the
// first damaged place whole, and nothing of a gambler from there on, touched free places alone.
// The game never writes two gamblers of one name (TGamblerName::Check), so two versions of one
// are the damage's, and which is his last cannot be told; a file of the save's size holding
// two is damaged.

#include "SaveRecordReader.h"

#include "engine/framework/OnePointShift.h"
#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {

constexpr size_t UsedAt = FieldNamed<TPlayerData>("Used").At;
// The judges read each record's first byte as its mark.
static_assert(UsedAt == 0);

// A damaged name may hold a comma or a quote: on the error output each is told in quotes with
// its own quotes escaped, so that the list reads one way. A box shows the name as it is.
std::string Quoted(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

TSaveRecordReader::TSaveRecordReader(TSaveLayout layout) : Layout(std::move(layout)) {}

std::vector<size_t> TSaveRecordReader::PresentPlaces(const std::vector<u8>& bytes) const {
    std::vector<size_t> present;
    if (Layout.Size < TPlayerData::EncodedSize)
        return present;
    for (const size_t at : Layout.Places) {
        if (at >= bytes.size())
            break;
        present.push_back(std::min(bytes.size() - at, Layout.Size));
    }
    return present;
}

bool TSaveRecordReader::IsFreePlace(const u8* record, size_t present) const {
    const std::vector<u8>& blank = Layout.Blank;
    // Without a blank to hold it to, a place marked free may hold anything.
    return record[UsedAt] == 0 &&
           (blank.empty() ||
            (present <= blank.size() && std::memcmp(record, blank.data(), present) == 0));
}

bool TSaveRecordReader::ReadsAsBlank(const u8* record, size_t present) const {
    return save_record::ReadsAsBlank(record, present, Layout.Blank);
}

bool TSaveRecordReader::ShowsBlankFace(const u8* record, size_t present) const {
    return save_record::PlaceShowsBlankFace(record, present, Layout.Blank);
}

TSaveRecordReader::TStoredPlace TSaveRecordReader::JudgeInPlace(const u8* record,
                                                                size_t present) const {
    const size_t size = Layout.Size;
    TStoredPlace place;
    const u8 mark = record[UsedAt];
    if (IsFreePlace(record, present))
        return place;
    // A place that shows the blank's face is a free place damaged, whatever its mark says: the
    // game never gives a gambler that face, so nobody was there to come back or be told.
    if (ShowsBlankFace(record, present))
        return place;
    if (mark == 1 && present == size && IsWhole(record)) {
        place.Whole.emplace(record, record + size);
        return place;
    }
    if (mark != 1 && present == size) {
        // Every other byte is as the game writes a gambler's: only the mark went wrong, and it
        // can only have been 1.
        std::vector<u8> marked(record, record + size);
        marked[UsedAt] = 1;
        if (IsWritten(marked.data())) {
            place.Whole = std::move(marked);
            return place;
        }
    }
    // Where the change lies inside the name, what is left of it is all there is to give.
    place.LeftOut = true;
    place.Name = save_record::ReadableName(record, present);
    return place;
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::JudgeShiftedPlaces(const std::vector<u8>& bytes, i64 shift,
                                      bool asWritten) const {
    std::vector<TShiftVerdict> verdicts =
        JudgeOnePointShift(Layout, bytes, shift, {asWritten, JudgeEveryPoint});
    // A gambler lying whole in his own place as the game writes him is no bytes of others that
    // a shift brought there: a point that takes his place for a free one, or for another
    // gambler's, and neither brings him back nor tells him there explains nothing (byte 16 of
    // a whole-dollar bankroll is 0, as a free place's mark is).
    for (size_t r = 0; r < verdicts.size(); ++r) {
        const size_t at = Layout.Places[r];
        if (at + Layout.Size > bytes.size())
            break;
        const u8* record = bytes.data() + at;
        if (record[UsedAt] != 1 || !IsWritten(record) || ShowsBlankFace(record, Layout.Size))
            continue;
        const bool kept =
            verdicts[r].InDoubt ||
            std::any_of(verdicts.begin(), verdicts.end(), [&](const TShiftVerdict& verdict) {
                return verdict.Whole &&
                       std::equal(verdict.Whole->begin(), verdict.Whole->end(), record);
            });
        if (!kept)
            return {};
    }
    std::vector<TStoredPlace> places;
    places.reserve(verdicts.size());
    for (TShiftVerdict& verdict : verdicts) {
        TStoredPlace place;
        place.Whole = std::move(verdict.Whole);
        place.LeftOut = verdict.InDoubt;
        place.Name = std::move(verdict.Name);
        places.push_back(std::move(place));
    }
    return places;
}

TSaveRecordReader::TReader TSaveRecordReader::ChooseReader(const std::vector<u8>& bytes,
                                                           i64 fileSize) const {
    const auto size = static_cast<i64>(Layout.Size);
    const i64 shift = fileSize - Layout.FileSize;
    const bool whole = static_cast<i64>(bytes.size()) == fileSize;
    if (size < static_cast<i64>(TPlayerData::EncodedSize))
        return TReader::None;
    // Sizes side by side.
    if (shift == 0)
        return TReader::InPlace;
    if (std::llabs(shift) < size && whole)
        return TReader::OnePoint;
    if (shift == size && whole)
        return TReader::Slots;
    if (std::llabs(shift) <= size)
        return TReader::UpToDamage;
    // Far from the save's size, only the head says the file is the game's.
    return Layout.IsSaveHead(bytes) ? TReader::UpToDamage : TReader::None;
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::JudgeStoredPlaces(const std::vector<u8>& bytes, i64 fileSize,
                                     TReader& reader) const {
    const i64 shift = fileSize - Layout.FileSize;
    reader = ChooseReader(bytes, fileSize);
    if (reader == TReader::None)
        return {};
    std::vector<std::vector<u8>> alsoRead;
    if (reader == TReader::Slots) {
        std::vector<TStoredPlace> places = JudgeSlots(bytes);
        if (!places.empty())
            return places;
        reader = TReader::OnePoint;
    }
    size_t damaged = 0;
    if (reader == TReader::OnePoint) {
        std::vector<TStoredPlace> places = JudgeShiftedPlaces(bytes, shift, true);
        if (!places.empty())
            return OneOfEachName(std::move(places), alsoRead);
        // No one point explains the file as the game writes it: two damages. Where nothing
        // from the first damaged place on was a gambler, only free places were damaged.
        places = ReadUpToDamage(bytes, shift, damaged, alsoRead);
        if (OnlyFreePlacesDamaged(bytes, places, damaged, shift)) {
            if (damaged < places.size())
                places[damaged] = TStoredPlace();
            reader = TReader::UpToDamage;
            return OneOfEachName(std::move(places), alsoRead);
        }
        alsoRead.clear();
        places = JudgeShiftedPlaces(bytes, shift, false);
        if (!places.empty())
            return OneOfEachName(std::move(places), alsoRead);
        reader = TReader::UpToDamage;
    }
    if (reader == TReader::InPlace)
        return OneOfEachName(ReadInPlace(bytes), alsoRead);
    std::vector<TStoredPlace> places = ReadUpToDamage(bytes, shift, damaged, alsoRead);
    return OneOfEachName(std::move(places), alsoRead);
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::ReadInPlace(const std::vector<u8>& bytes) const {
    std::vector<TStoredPlace> places;
    places.reserve(Layout.Places.size());
    const std::vector<size_t> present = PresentPlaces(bytes);
    for (size_t r = 0; r < present.size(); ++r)
        places.push_back(JudgeInPlace(bytes.data() + Layout.Places[r], present[r]));
    return places;
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::JudgeSlots(const std::vector<u8>& bytes) const {
    const size_t size = Layout.Size;
    const size_t first = Layout.Places[0];
    const size_t count = Layout.Places.size();
    if (bytes.size() != first + (count + 1) * size)
        return {};
    // Asked first as the game writes gamblers, then only whole, as the one-point reader asks.
    for (const bool written : {true, false}) {
        std::vector<size_t> gamblers;
        std::optional<size_t> copy, free;
        // Two records of one name that differ: the first, and the other one.
        std::optional<std::pair<size_t, size_t>> twins;
        bool sound = true;
        for (size_t k = 0; sound && k <= count; ++k) {
            const u8* slot = bytes.data() + first + k * size;
            if (slot[UsedAt] == 1 && (written ? IsWritten(slot) : IsWhole(slot))) {
                const auto named = std::find_if(gamblers.begin(), gamblers.end(), [&](size_t g) {
                    return save_record::ReadableName(bytes.data() + first + g * size, size) ==
                           save_record::ReadableName(slot, size);
                });
                // One record's worth put in holds one copy or one version, not two.
                if (named == gamblers.end())
                    gamblers.push_back(k);
                else if (copy || twins)
                    sound = false;
                else if (std::memcmp(bytes.data() + first + *named * size, slot, size) == 0)
                    copy = k;
                else
                    twins = std::pair(*named, k);
            } else if (IsFreePlace(slot, size) || ReadsAsBlank(slot, size)) {
                if (!free)
                    free = k;
            } else {
                sound = false;
            }
        }
        // Twenty-one gamblers, none a copy: no slot can be the one put in. Of two versions of a
        // gambler one was put in, and which cannot be told: neither comes back, and he is told.
        const std::optional<size_t> putIn = twins ? twins->first : copy ? copy : free;
        if (!sound || !putIn)
            continue;
        std::vector<TStoredPlace> places(count);
        for (const size_t k : gamblers) {
            const u8* slot = bytes.data() + first + k * size;
            if (k != *putIn)
                places[k < *putIn ? k : k - 1].Whole.emplace(slot, slot + size);
        }
        if (twins) {
            TStoredPlace& told = places[twins->second - 1];
            told.LeftOut = true;
            told.Name =
                save_record::ReadableName(bytes.data() + first + twins->second * size, size);
        }
        return places;
    }
    return {};
}

bool TSaveRecordReader::NamedBefore(const std::vector<TStoredPlace>& places,
                                    const std::vector<u8>& gambler) {
    const std::optional<std::string> name =
        save_record::ReadableName(gambler.data(), gambler.size());
    return std::any_of(places.begin(), places.end(), [&](const TStoredPlace& place) {
        return place.Whole &&
               save_record::ReadableName(place.Whole->data(), place.Whole->size()) == name;
    });
}

std::vector<TSaveRecordReader::TStoredPlace>
TSaveRecordReader::OneOfEachName(std::vector<TStoredPlace> places,
                                 const std::vector<std::vector<u8>>& alsoRead) {
    // Nobody who comes back is told.
    for (TStoredPlace& told : places) {
        const bool back = told.ToldAs &&
                          std::any_of(places.begin(), places.end(), [&](const TStoredPlace& place) {
                              return place.Whole && *place.Whole == *told.ToldAs;
                          });
        if (back) {
            told.LeftOut = false;
            told.Name.reset();
        }
    }
    // Every version of each name read, from the places and from where else the file was read.
    std::map<std::string, std::vector<const std::vector<u8>*>> versions;
    const auto note = [&](const std::vector<u8>& gambler) {
        if (const auto name = save_record::ReadableName(gambler.data(), gambler.size()))
            versions[*name].push_back(&gambler);
    };
    for (const TStoredPlace& place : places)
        if (place.Whole)
            note(*place.Whole);
    for (const std::vector<u8>& gambler : alsoRead)
        note(gambler);
    std::set<std::string> twice;
    for (const auto& version : versions) {
        const std::vector<const std::vector<u8>*>& read = version.second;
        if (std::any_of(read.begin(), read.end(), [&](const auto* v) { return *v != *read[0]; }))
            twice.insert(version.first);
    }
    std::set<std::string> told;
    for (size_t i = 0; i < places.size(); ++i) {
        TStoredPlace& place = places[i];
        if (!place.Whole)
            continue;
        const std::string name =
            save_record::ReadableName(place.Whole->data(), place.Whole->size()).value_or("");
        const bool differ = !name.empty() && twice.count(name) > 0;
        const bool again = std::any_of(places.begin(), places.begin() + static_cast<i64>(i),
                                       [&](const TStoredPlace& before) {
                                           return before.Whole && *before.Whole == *place.Whole;
                                       });
        if (differ) {
            place.Whole.reset();
            place.LeftOut = told.insert(name).second;
            if (place.LeftOut)
                place.Name = name;
        } else if (again) {
            place.Whole.reset();
        }
    }
    return places;
}

TSaveRecordReader::TRecovery TSaveRecordReader::Recover(const std::vector<u8>& bytes,
                                                        i64 fileSize) const {
    TRecovery recovery;
    size_t nameless = 0;
    std::vector<TStoredPlace> places = JudgeStoredPlaces(bytes, fileSize, recovery.Reader);
    for (size_t r = 0; r < places.size(); ++r) {
        TStoredPlace& place = places[r];
        if (place.Whole)
            recovery.Whole.push_back({static_cast<i16>(r), std::move(*place.Whole)});
        else if (place.LeftOut && place.Name) {
            recovery.LeftOut.push_back(Quoted(*place.Name));
            recovery.Shown.push_back("\"" + *place.Name + "\"");
        } else if (place.LeftOut)
            ++nameless;
    }
    // "More" only after somebody named.
    const std::string more = recovery.LeftOut.empty() ? "" : " more";
    if (nameless == 1)
        recovery.LeftOut.push_back("1" + more + " gambler whose name cannot be read");
    else if (nameless > 1)
        recovery.LeftOut.push_back(std::to_string(nameless) + more +
                                   " gamblers whose names cannot be read");
    if (nameless > 0)
        recovery.Shown.push_back(recovery.LeftOut.back());
    return recovery;
}

bool TSaveRecordReader::HoldsOnlyWholeRecords(const std::vector<u8>& bytes) const {
    // Another version's records may be laid out otherwise: none of them is looked at.
    if (!Layout.IsSaveHead(bytes))
        return true;
    bool whole = true;
    std::set<std::string> names;
    const std::vector<size_t> present = PresentPlaces(bytes);
    for (size_t r = 0; r < present.size(); ++r) {
        const u8* record = bytes.data() + Layout.Places[r];
        const size_t size = Layout.Size;
        // The game writes its blank in every free place: anything else there is damage. Nor
        // does it ever write two gamblers of one name: the second is the damage's, whichever
        // of the two it is.
        whole = whole &&
                (record[UsedAt] == 1
                     ? present[r] == size && IsWhole(record) && !ShowsBlankFace(record, size) &&
                           names.insert(save_record::ReadableName(record, size).value_or("")).second
                     : present[r] == size && IsFreePlace(record, present[r]));
    }
    return whole;
}
