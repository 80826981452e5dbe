// INI files: a line-preserving reader and a whole-file writer that replaces the file atomically.
#include "PrivateProfile.h"

#include "VirtualPath.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

// The open batches, and the lines of each file they changed, by host path.
int BatchDepth = 0;
std::map<std::string, std::vector<std::string>> BatchedFiles;

std::string Trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& file) {
    const auto host = TVirtualPaths::ToHost(file);
    if (!host)
        return std::nullopt;
    if (const auto batched = BatchedFiles.find(*host); batched != BatchedFiles.end())
        return batched->second;
    if (std::filesystem::is_directory(*host))
        return std::nullopt;
    std::ifstream in(*host, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line; comments and lines without "=" have none.
std::optional<std::string> KeyOf(const std::string& line, std::string* value) {
    const std::string t = Trim(line);
    if (t.empty() || t.front() == ';')
        return std::nullopt;
    const size_t eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    if (value != nullptr)
        *value = Trim(t.substr(eq + 1));
    return Trim(t.substr(0, eq));
}

std::optional<std::string> FindValue(const std::string& section, const std::string& key,
                                     const std::string& file) {
    const auto lines = ReadLines(file);
    if (!lines)
        return std::nullopt;
    bool inSection = false;
    for (const auto& line : *lines) {
        if (const auto name = SectionOf(line)) {
            inSection = SameName(*name, Trim(section));
            continue;
        }
        std::string value;
        if (inSection) {
            if (const auto k = KeyOf(line, &value); k && SameName(*k, Trim(key)))
                return value;
        }
    }
    return std::nullopt;
}

} // namespace

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& file) {
    const auto value = FindValue(section, key, file);
    if (!value)
        return Trim(defaultValue);
    std::string v = *value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

int GetPrivateProfileIntA(const std::string& section, const std::string& key, int defaultValue,
                          const std::string& file) {
    const auto value = FindValue(section, key, file);
    if (!value)
        return defaultValue;
    const std::string& v = *value;
    size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        negative = v[i++] == '-';
    long long n = 0;
    for (; i < v.size() && std::isdigit(static_cast<unsigned char>(v[i])); ++i) {
        n = n * 10 + (v[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1)
            n = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        n = -n;
    if (n > INT_MAX)
        n = INT_MAX;
    return static_cast<int>(n);
}

namespace {

// Puts the key into its section (made when missing), keeping every other line.
void SetKey(std::vector<std::string>& lines, const std::string& section, const std::string& key,
            const std::string& value) {
    const std::string entry = Trim(key) + "=" + value;
    std::optional<size_t> sectionLine;
    std::optional<size_t> lastKeyLine;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (inSection)
                break;
            inSection = SameName(*name, Trim(section));
            if (inSection)
                sectionLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = KeyOf(lines[i], nullptr)) {
            lastKeyLine = i;
            if (SameName(*k, Trim(key))) {
                // The key keeps the spelling the file already has.
                lines[i] = *k + "=" + value;
                return;
            }
        }
    }
    if (sectionLine) {
        const size_t at = (lastKeyLine ? *lastKeyLine : *sectionLine) + 1;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
        return;
    }
    if (!lines.empty() && !Trim(lines.back()).empty())
        lines.emplace_back();
    lines.push_back("[" + Trim(section) + "]");
    lines.push_back(entry);
}

// Replaces the file whole through a temporary file, so a failed write leaves the old one.
bool WriteLines(const std::string& host, const std::vector<std::string>& lines) {
    std::ostringstream text;
    for (const auto& line : lines)
        text << line << "\r\n";
    const std::string temp = host + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, host, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& file) {
    const auto host = TVirtualPaths::ToHost(file);
    if (!host || Trim(section).empty() || Trim(key).empty())
        return false;
    // Line breaks inside a value would make new keys of it.
    if (value.find_first_of("\r\n") != std::string::npos ||
        key.find_first_of("=\r\n") != std::string::npos ||
        section.find_first_of("]\r\n") != std::string::npos)
        return false;
    // A file the open batch holds already is changed where it lies.
    if (const auto batched = BatchedFiles.find(*host); batched != BatchedFiles.end()) {
        SetKey(batched->second, section, key, value);
        return true;
    }
    std::vector<std::string> lines;
    if (std::filesystem::exists(*host)) {
        auto existing = ReadLines(file);
        if (!existing)
            return false;
        lines = std::move(*existing);
    }
    SetKey(lines, section, key, value);
    if (BatchDepth > 0) {
        BatchedFiles[*host] = std::move(lines);
        return true;
    }
    return WriteLines(*host, lines);
}

TPrivateProfileBatch::TPrivateProfileBatch() {
    ++BatchDepth;
}

TPrivateProfileBatch::~TPrivateProfileBatch() {
    Close();
}

bool TPrivateProfileBatch::Close() {
    if (!Open)
        return true;
    Open = false;
    if (--BatchDepth > 0)
        return true;
    bool written = true;
    for (const auto& [host, lines] : BatchedFiles)
        written = WriteLines(host, lines) && written;
    BatchedFiles.clear();
    return written;
}
