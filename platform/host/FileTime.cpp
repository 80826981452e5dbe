// Asking the host when a file was last written.
#include "FileTime.h"

#include "VirtualPath.h"

#include <sys/stat.h>

std::optional<i64> GetFileWrittenWallSeconds(const std::string& virtualPath) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(virtualPath);
    struct stat st {};
    if (!host || ::stat(host->c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<i64>(st.st_mtim.tv_sec);
}
