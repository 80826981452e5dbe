// TStatGrid: the texts of the statistics table, one row per statistic id, one column per session.
#pragma once

#include <array>
#include <string>

// Row index is the statistic id (1..138 used); column 0 is never written, columns 1..20 hold
// the sessions in view (1 the oldest) and 21..25 stay empty so that scrolling past the last
// session shows blank columns.
struct TStatGrid {
    static constexpr int Rows = 200;
    static constexpr int Columns = 26;

    std::array<std::array<std::string, Columns>, Rows> Cells;
    std::array<std::string, Rows> Cumulative;

    void Clear() {
        for (auto& row : Cells)
            row.fill(std::string());
        Cumulative.fill(std::string());
    }
};
