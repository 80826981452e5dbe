// Fuzz target: arbitrary bytes read as the lock file's text. What reads back is an id a process
// can have (or none) and a host name of plain characters (or none), and writing it out again
// reads back the same; the same bytes read as the kernel's list of locks are read to their end
// without harm.
#include "platform/host/InstanceLock.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TLockHolder holder = ParseLockHolder(text);
    if (holder.Pid < 0 || holder.Pid > INT_MAX || holder.Host.size() > 255)
        std::abort();
    for (const char c : holder.Host)
        if (c <= ' ' || c >= 0x7F)
            std::abort();
    if (holder.Pid > 0) {
        const TLockHolder again = ParseLockHolder(FormatLockHolder(holder.Pid, holder.Host));
        if (again.Pid != holder.Pid || again.Host != holder.Host)
            std::abort();
    }
    // The same text as /proc/locks: read to its end whatever it holds.
    const TLockFileId file{254, 0, static_cast<u64>(size)};
    HoldsFlockOn(text, holder.Pid, file);
    return 0;
}
