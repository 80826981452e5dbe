// The gambler dialogs' rules without windows: the list's rows and row map, which buttons the
// list allows, what makes a new gambler's name acceptable, and what a new gambler is told.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <optional>
#include <string>

class TPlayerMgr;

// The list shows the gamblers in use in record order; a row stands for one record.
class TGamblerRows {
public:
    // Columns of the row text: the active mark, the name, the sex, and where the bankroll ends.
    static constexpr int MarkColumn = 2;
    static constexpr int NameColumn = 8;
    static constexpr int SexColumn = 22;
    static constexpr int BankrollEnd = 34;

    // One row: blanks to each column, the bankroll in whole dollars ending at its column. A
    // field longer than its room pushes the rest along rather than being cut.
    static std::string FormatRow(bool active, const std::string& name, u8 sex, double bankroll);

    // Fills the map from the manager's records in use.
    void Build(const TPlayerMgr& mgr);
    // The record of a row; -1 for a row that is not in the map.
    i16 RecordOf(int row) const;
    // The number of rows.
    int Count() const { return LastRow + 1; }
    // The text of a row from the manager's records; empty for a row not in the map.
    std::string RowText(const TPlayerMgr& mgr, int row) const;

private:
    std::array<i16, 20> Map{};
    int LastRow = -1;
};

// What the list dialog's buttons allow for the selected gambler (-1: none selected).
struct TGamblerButtons {
    bool ActivateEnabled = false;
    // "De&Activate" when set, "&Activate" otherwise.
    bool ActivateSaysDeactivate = false;
    bool CreateEnabled = false;
    bool DeleteEnabled = false;
    bool StatisticsEnabled = false;

    static TGamblerButtons For(const TPlayerMgr& mgr, i16 selectedRecord);
    friend bool operator==(const TGamblerButtons&, const TGamblerButtons&) = default;
};

// A new gambler's name: what is typed, less the blanks at its ends. The edit keeps what is
// typed to letters and digits, but a paste brings anything, and the name plate at the table
// can show only letters, digits and blanks; a name longer than the record holds would be cut
// and could then clash with another.
class TGamblerName {
public:
    static constexpr size_t MaxLength = 12;

    enum class TVerdict { Ok, Empty, TooLong, BadCharacter, Taken };

    static std::string Trim(const std::string& typed);
    // The verdict on an already trimmed name; Taken when a gambler in use bears exactly it.
    static TVerdict Check(const std::string& name, const TPlayerMgr& mgr);
    // The refusal of a name too long or with other characters (its caption is "Ooops!");
    // empty for the verdicts whose texts are in the string table.
    static std::string RefusalText(TVerdict verdict);
};

// The message a new gambler's activation ends with.
class TGamblerActivation {
public:
    // activated: the new gambler took a seat; otherwise activeCount and limit tell why not.
    static std::string Message(const std::string& name, bool activated, i16 activeCount, i16 limit);
};
