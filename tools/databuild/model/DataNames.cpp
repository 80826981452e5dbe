// Data-file names: checking, ordering and the catalogue's and disk's forms.
#include "tools/databuild/model/DataNames.h"

#include "engine/foundation/NameCompare.h"
#include "tools/databuild/model/BuildError.h"

#include <algorithm>

namespace {

bool Allowed(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '\\';
}

} // namespace

void CheckDataName(const std::string& name, const std::string& item) {
    if (name.empty())
        throw TBuildError(item, "empty file name");
    for (char c : name)
        if (!Allowed(c))
            throw TBuildError(item,
                              "file name \"" + name + "\" has a character outside [a-z0-9._\\]");
    const bool rooted = name.front() == '\\';
    if (!rooted && name.find('\\') != std::string::npos)
        throw TBuildError(item, "file name \"" + name + "\" has folders but no leading backslash");
    const std::string path = rooted ? name.substr(1) : name;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find('\\', start);
        const std::string part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            throw TBuildError(item, "file name \"" + name + "\" has an empty or relative part");
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

bool NameBefore(const std::string& a, const std::string& b) {
    return JorpNameCompare(a, b) < 0;
}

void SortNames(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), NameBefore);
}

std::string CatalogueName(const std::string& name) {
    return !name.empty() && name.front() == '\\' ? name.substr(1) : name;
}

std::string HostRelativeName(const std::string& name) {
    std::string path = CatalogueName(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
