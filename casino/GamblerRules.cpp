// The gambler dialogs' rules: rows, button states, name checks and activation messages.
#include "GamblerRules.h"

#include "engine/foundation/Money.h"
#include "engine/framework/PlayerMgr.h"

#include <algorithm>

namespace {

void PadTo(std::string& text, int column) {
    if (static_cast<int>(text.size()) < column)
        text.append(static_cast<size_t>(column) - text.size(), ' ');
}

bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

std::string TGamblerRows::FormatRow(bool active, const std::string& name, u8 sex, double bankroll) {
    std::string row;
    PadTo(row, MarkColumn);
    row += active ? '*' : ' ';
    PadTo(row, NameColumn);
    row += name;
    PadTo(row, SexColumn);
    row += sex != 0 ? 'M' : 'F';
    // Through the money type: a damaged or huge bankroll still gives a number.
    // Appended, not "$" + text: GCC 12 warns falsely (-Wrestrict) about a literal put in
    // front of a temporary string.
    std::string amount = "$";
    amount += std::to_string(TMoney(bankroll).WholeDollars());
    PadTo(row, BankrollEnd - static_cast<int>(amount.size()));
    return row + amount;
}

void TGamblerRows::Build(const TPlayerMgr& mgr) {
    Map.fill(-1);
    LastRow = -1;
    const i16 size = std::min<i16>(mgr.GetTableSize(), static_cast<i16>(Map.size()));
    for (i16 record = 0; record < size; ++record)
        if (mgr.IsUsed(record))
            Map[static_cast<size_t>(++LastRow)] = record;
}

i16 TGamblerRows::RecordOf(int row) const {
    return row >= 0 && row <= LastRow ? Map[static_cast<size_t>(row)] : i16{-1};
}

std::string TGamblerRows::RowText(const TPlayerMgr& mgr, int row) const {
    const i16 record = RecordOf(row);
    if (record < 0)
        return {};
    return FormatRow(mgr.IsActive(record), mgr.GetPlayerName(record), mgr.GetSex(record),
                     mgr.GetBankroll(record));
}

TGamblerButtons TGamblerButtons::For(const TPlayerMgr& mgr, i16 selectedRecord) {
    TGamblerButtons b;
    b.CreateEnabled = mgr.HasFreeRecord();
    if (selectedRecord < 0)
        return b;
    const bool active = mgr.IsActive(selectedRecord);
    b.ActivateSaysDeactivate = active;
    b.ActivateEnabled = active || mgr.CountActive() < mgr.GetSeatCount();
    b.DeleteEnabled = !active;
    b.StatisticsEnabled = mgr.IsUsed(selectedRecord);
    return b;
}

std::string TGamblerName::Trim(const std::string& typed) {
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return typed.substr(first, typed.find_last_not_of(' ') - first + 1);
}

TGamblerName::TVerdict TGamblerName::Check(const std::string& name, const TPlayerMgr& mgr) {
    if (name.empty())
        return TVerdict::Empty;
    if (name.size() > MaxLength)
        return TVerdict::TooLong;
    // Trimmed, so a blank here stands between two other characters.
    if (!std::all_of(name.begin(), name.end(),
                     [](char c) { return IsLetterOrDigit(c) || c == ' '; }))
        return TVerdict::BadCharacter;
    if (mgr.FindPlayer(name) != -1)
        return TVerdict::Taken;
    return TVerdict::Ok;
}

std::string TGamblerName::RefusalText(TVerdict verdict) {
    switch (verdict) {
    case TVerdict::TooLong:
        return "A gambler's name can be at most 12 characters long.";
    case TVerdict::BadCharacter:
        return "A gambler's name can hold only letters and digits, with blanks only between "
               "words.";
    default:
        return {};
    }
}

std::string TGamblerActivation::Message(const std::string& name, bool activated, i16 activeCount,
                                        i16 limit) {
    if (activated)
        return "Gambler " + name +
               " was also activated for your convenience.\n\nYou should see an asterisk next "
               "to the name.";
    if (activeCount == limit)
        return "Due to the " + std::to_string(limit) + " active gambler limit gambler " + name +
               " couldn't be activated at this time.\nYou must DeActivate a gambler with an "
               "asterisk next to the name and then Activate " +
               name + ".";
    return "Due to unknown reason gambler " + name + " couldn't be activated at this time.";
}
