// Fuzz target: arbitrary bytes read as a table of rows of cells.
#include "FuzzSupport.h"
#include "engine/foundation/JorpRow.h"
#include "engine/foundation/JorpTable.h"

// Keeps the walk over what was read from being optimised away.
volatile long TableFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TJorpTable table(nullptr);
    try {
        table.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    // Every place the table claims must be a row or empty, and every row's cells real.
    long seen = 0;
    for (i16 i = 0; i <= table.GetLastIndex(); ++i) {
        auto* row = dynamic_cast<TJorpRow*>(table.GetAt(i));
        if (row == nullptr)
            continue;
        for (i16 c = 0; c <= row->GetLastIndex(); ++c)
            seen += row->GetAt(c) != nullptr ? row->GetAt(c)->GetId() : 0;
    }
    TableFuzzSink = seen;
    return 0;
}
