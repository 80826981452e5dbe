// INI files: read once into memory and answered from there, changed line by line, and replaced
// whole through a flushed temporary file.
#include "PrivateProfile.h"

#include "PathKind.h"
#include "VirtualPath.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// What of one file is held: a settings file is a few kilobytes, so more than this is not
// one, and the rest of it is left unread. Each line is counted with what keeping it costs.
constexpr size_t HeldBytesLimit = size_t{1} << 20;
constexpr size_t LineCost = 32;
// Nor is a file that goes on this long without enough line breaks to reach that limit.
constexpr size_t ReadBytesLimit = size_t{64} << 20;
// Files held at once; the program has one, tests make many.
constexpr size_t HeldFilesLimit = 8;

// What a file on the disk was when it was read or written, to see a change made by others.
struct TStamp {
    bool Exists = false;
    mode_t Mode = 0;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    std::int64_t Modified = 0;
    std::int64_t Changed = 0;

    bool operator==(const TStamp&) const = default;
};

// Where a section name first stands: its header line and its last key line, after which a new
// key of the section goes.
struct TSectionPlace {
    size_t Header = 0;
    size_t LastKey = 0;
};

struct THeldFile {
    // False for a directory or a file that could not be read: nothing is read from it and
    // no write replaces it.
    bool Usable = true;
    std::vector<std::string> Lines;
    // The first value of each key, by its section and key name in lower case.
    std::map<std::string, std::string> Values;
    // What a write changes, so that a burst of writes costs no walk over the lines each: the
    // line of each key in the first section of its name, and each section name's first place.
    std::map<std::string, size_t> KeyLines;
    std::map<std::string, TSectionPlace> Sections;
    TStamp Stamp;
    // Changed by an open batch and not yet written.
    bool Pending = false;
    // One of the player's files (the settings): written only while the player's folder can be.
    bool PlayerFile = false;
    // Changed while the player's folder cannot be written: held for the run, never read again.
    bool HeldOnly = false;
    // Last written to its kept place, which holds what the file's own place does not: never read
    // again from the disk.
    bool InKept = false;
    // Why a file that is there could not be read (an errno value), 0 when it was.
    int ReadError = 0;
    std::uint64_t LastUse = 0;
};

TProfileDisk& HostDisk() {
    static TProfileDisk disk;
    return disk;
}

TProfileDisk* Disk = &HostDisk();
TProfileWriteWatcher* Watcher = nullptr;
std::map<std::string, THeldFile> Held;
std::uint64_t Uses = 0;
// Files whose temporaries left by killed runs have been cleared in this run.
std::set<std::string> Swept;
// Where each settings file by its host path goes while its own place cannot take it.
std::map<std::string, std::string> KeptPlaces;
int BatchDepth = 0;

std::string Trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string Lower(const std::string& s) {
    std::string lower = s;
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

// Text lines hold no control characters but tabs; a line that does is not settings.
bool IsText(const std::string& line) {
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return false;
    }
    return true;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[' || !IsText(t))
        return std::nullopt;
    const size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line; comments and lines without "=" have none.
std::optional<std::string> KeyOf(const std::string& line, std::string* value) {
    const std::string t = Trim(line);
    if (t.empty() || t.front() == ';' || !IsText(t))
        return std::nullopt;
    const size_t eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    if (value != nullptr)
        *value = Trim(t.substr(eq + 1));
    return Trim(t.substr(0, eq));
}

std::string ValueName(const std::string& section, const std::string& key) {
    return Lower(Trim(section)) + '\0' + Lower(Trim(key));
}

void Index(THeldFile& file) {
    file.Values.clear();
    file.KeyLines.clear();
    file.Sections.clear();
    // Keys above the first section belong to none.
    std::optional<std::string> section;
    TSectionPlace* first = nullptr;
    for (size_t i = 0; i < file.Lines.size(); ++i) {
        const std::string& line = file.Lines[i];
        if (const auto name = SectionOf(line)) {
            section = *name;
            const auto [place, added] =
                file.Sections.try_emplace(Lower(*name), TSectionPlace{i, i});
            first = added ? &place->second : nullptr;
            continue;
        }
        std::string value;
        if (const auto key = KeyOf(line, &value); key && section) {
            std::string name = ValueName(*section, *key);
            if (first != nullptr) {
                file.KeyLines.try_emplace(name, i);
                first->LastKey = i;
            }
            file.Values.emplace(std::move(name), std::move(value));
        }
    }
}

TStamp StampOf(const std::string& host) {
    TStamp stamp;
    struct stat st {};
    if (::stat(host.c_str(), &st) != 0)
        return stamp;
    stamp.Exists = true;
    stamp.Mode = st.st_mode;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Size = st.st_size;
    stamp.Modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.Changed = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

std::string FolderOf(const std::string& host) {
    const size_t slash = host.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : host.substr(0, slash);
}

std::string TempOf(const std::string& host) {
    std::string temp = host;
    temp += ".tmp";
    temp += std::to_string(::getpid());
    return temp;
}

// Removes the temporaries "<file>.tmp<process id>" of processes that no longer run: a run
// killed while it replaced the file left them.
void SweepTemporaries(const std::string& host) {
    if (!Swept.insert(host).second)
        return;
    const std::string folder = FolderOf(host);
    const std::string prefix = host.substr(host.rfind('/') + 1) + ".tmp";
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.size() - prefix.size() > 9)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(digits);
        // This process replaces files one at a time and is not replacing one now.
        if (pid == ::getpid() ||
            (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            stale.push_back(folder + "/" + name);
    }
    ::closedir(dir);
    for (const std::string& path : stale)
        Disk->Remove(path);
}

// Reads a file as lines: each cut at the line limit, the rest of it skipped unscanned, and
// nothing past the held limit.
THeldFile Load(const std::string& host) {
    THeldFile file;
    file.Stamp = StampOf(host);
    if (!file.Stamp.Exists)
        return file;
    // A directory, or a device that never ends, is no settings file.
    if (!S_ISREG(file.Stamp.Mode)) {
        file.Usable = false;
        return file;
    }
    const int fd = Disk->OpenToRead(host);
    if (fd < 0) {
        file.Usable = errno == ENOENT;
        file.ReadError = file.Usable ? 0 : errno;
        return file;
    }
    std::string line;
    bool cut = false;
    size_t held = 0;
    size_t read = 0;
    const auto endLine = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        held += line.size() + LineCost;
        file.Lines.push_back(std::move(line));
        line.clear();
        cut = false;
    };
    char buffer[65536];
    while (held < HeldBytesLimit) {
        const long n = read < ReadBytesLimit ? Disk->Read(fd, buffer, sizeof buffer) : 0;
        if (n < 0) {
            file.Usable = false;
            file.ReadError = errno != 0 ? errno : EIO;
            break;
        }
        read += static_cast<size_t>(n);
        if (n == 0) {
            // The last line needs no line break.
            if (!line.empty() || cut)
                endLine();
            break;
        }
        for (long i = 0; i < n; ++i) {
            const char ch = buffer[i];
            if (ch == '\n')
                endLine();
            else if (line.size() < PrivateProfileLineLimit)
                line += ch;
            else
                cut = true;
        }
    }
    Disk->Close(fd);
    if (!file.Usable)
        file.Lines.clear();
    Index(file);
    return file;
}

// Drops the files held longest unused, except those with changes not yet written.
void Forget(const std::string& keep) {
    while (Held.size() > HeldFilesLimit) {
        auto oldest = Held.end();
        for (auto it = Held.begin(); it != Held.end(); ++it) {
            if (it->first == keep || it->second.Pending || it->second.HeldOnly || it->second.InKept)
                continue;
            if (oldest == Held.end() || it->second.LastUse < oldest->second.LastUse)
                oldest = it;
        }
        if (oldest == Held.end())
            return;
        Held.erase(oldest);
    }
}

// The file as held, read again when the disk holds another one now.
THeldFile& Current(const std::string& host) {
    auto it = Held.find(host);
    if (it == Held.end()) {
        SweepTemporaries(host);
        it = Held.emplace(host, Load(host)).first;
    } else if (!it->second.Pending && !it->second.HeldOnly && !it->second.InKept &&
               StampOf(host) != it->second.Stamp) {
        it->second = Load(host);
    }
    it->second.LastUse = ++Uses;
    Forget(host);
    return it->second;
}

std::optional<std::string> FindValue(const std::string& section, const std::string& key,
                                     const std::string& file) {
    const auto host = TVirtualPaths::ToHost(file);
    if (!host)
        return std::nullopt;
    const THeldFile& held = Current(*host);
    const auto value = held.Values.find(ValueName(section, key));
    if (value == held.Values.end())
        return std::nullopt;
    return value->second;
}

// The key's line as the reader sees it: a "key=value" line of that key, and no section header.
std::optional<std::string> ValueOfKeyLine(const std::string& line, const std::string& key) {
    std::string value;
    const auto k = KeyOf(line, &value);
    if (!k || Lower(*k) != Lower(Trim(key)) || SectionOf(line))
        return std::nullopt;
    return value;
}

// Puts the key into the first section of its name (made when missing), keeping every other line.
// The index follows the change where the lines written read back as written; a value or name
// that reads otherwise (a control character, a ";" or "[" in front) has the file indexed again.
void SetKey(THeldFile& file, const std::string& section, const std::string& key,
            const std::string& value) {
    std::vector<std::string>& lines = file.Lines;
    const std::string name = ValueName(section, key);
    size_t at = 0;
    if (const auto known = file.KeyLines.find(name); known != file.KeyLines.end()) {
        // The key keeps the spelling the file already has.
        at = known->second;
        lines[at] = *KeyOf(lines[at], nullptr) + "=" + value;
    } else if (const auto place = file.Sections.find(Lower(Trim(section)));
               place != file.Sections.end()) {
        at = place->second.LastKey + 1;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Trim(key) + "=" + value);
        for (auto& [other, line] : file.KeyLines)
            line += line >= at ? 1 : 0;
        for (auto& [other, sectionPlace] : file.Sections) {
            sectionPlace.Header += sectionPlace.Header >= at ? 1 : 0;
            sectionPlace.LastKey += sectionPlace.LastKey >= at ? 1 : 0;
        }
        place->second.LastKey = at;
        file.KeyLines.emplace(name, at);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        std::string header(1, '[');
        header += Trim(section);
        header += ']';
        lines.push_back(std::move(header));
        lines.push_back(Trim(key) + "=" + value);
        at = lines.size() - 1;
        const auto read = SectionOf(lines[at - 1]);
        if (!read || Lower(*read) != Lower(Trim(section))) {
            Index(file);
            return;
        }
        file.Sections.emplace(Lower(*read), TSectionPlace{at - 1, at});
        file.KeyLines.emplace(name, at);
    }
    if (const auto read = ValueOfKeyLine(lines[at], key))
        file.Values.insert_or_assign(name, *read);
    else
        Index(file);
}

// True when the key's line already reads as SetKey would write it: the file would not change.
bool AlreadyHolds(const THeldFile& file, const std::string& section, const std::string& key,
                  const std::string& value) {
    const auto known = file.KeyLines.find(ValueName(section, key));
    if (known == file.KeyLines.end())
        return false;
    const std::string& line = file.Lines[known->second];
    const auto spelled = KeyOf(line, nullptr);
    return spelled && *spelled + "=" + value == line;
}

// The reason of the call that just failed; a disk that does not say gives an I/O error.
int FailedWith() {
    return errno != 0 ? errno : EIO;
}

// Replaces the file whole: the temporary file is on the disk before it takes the file's
// name, so the name always holds the old file or the new one, whole. 0, or the errno value of
// the step that failed.
int Replace(const std::string& named, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    // A link in the file's place stays: the file it leads to is replaced where it is, and one
    // that leads nowhere is not replaced at all.
    std::string host = named;
    struct stat link {};
    if (::lstat(named.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* real = ::realpath(named.c_str(), nullptr);
        if (real == nullptr)
            return FailedWith();
        host = real;
        std::free(real);
    }
    const std::string temp = TempOf(host);
    errno = 0;
    const int fd = Disk->CreateToWrite(temp);
    if (fd < 0)
        return FailedWith();
    int error = 0;
    errno = 0;
    if (!Disk->Write(fd, text.data(), text.size()) || !Disk->Flush(fd))
        error = FailedWith();
    // A file that did not close may not hold what was written.
    errno = 0;
    if (!Disk->Close(fd) && error == 0)
        error = FailedWith();
    errno = 0;
    if (error == 0 && !Disk->Rename(temp, host))
        error = FailedWith();
    if (error != 0) {
        Disk->Remove(temp);
        return error;
    }
    // The new name's durability is the folder's; the file is replaced either way.
    Disk->FlushFolder(FolderOf(host));
    return 0;
}

void TellWriteFailed(const std::string& host, const std::string& why) {
    if (Watcher != nullptr)
        Watcher->WriteFailed(host, why);
}

// Why nothing can be written over a file that could not be used as one.
std::string WhyUnusable(const THeldFile& file) {
    if (file.Stamp.Exists && !S_ISREG(file.Stamp.Mode))
        return std::string("is ") + DescribeHostPathKind(S_ISDIR(file.Stamp.Mode)
                                                             ? THostPathKind::Directory
                                                             : THostPathKind::Other);
    return std::string("cannot be read (") +
           std::strerror(file.ReadError != 0 ? file.ReadError : EIO) + ")";
}

// Why the file's own place refused the lines: unusable, or the replacement's errno value.
std::string WhyRefused(const THeldFile& file, const std::string& host, int error) {
    if (!file.Usable)
        return WhyUnusable(file);
    return IsDanglingLinkAt(host) ? std::string("is a link to nothing, which is left as it is")
                                  : std::string("cannot be written (") + std::strerror(error) + ")";
}

// Writes a changed file, or keeps it in memory when its folder may not be written; false
// when it was not written. Refused in its place, it goes to its kept place where it has one;
// a file that failed there too is read again next time, unless its kept file is ahead of its place.
bool Store(const std::string& host) {
    THeldFile& file = Held.at(host);
    file.Pending = false;
    if (file.PlayerFile && !TVirtualPaths::PlayerFolderUsable()) {
        file.HeldOnly = true;
        return false;
    }
    const auto kept = KeptPlaces.find(host);
    const int error = file.Usable ? Replace(host, file.Lines) : EISDIR;
    if (error == 0) {
        // The kept file is behind what now stands in the file's place.
        if (file.InKept && kept != KeptPlaces.end())
            Disk->Remove(kept->second);
        file.InKept = false;
        file.Stamp = StampOf(host);
        return true;
    }
    const std::string why = WhyRefused(file, host, error);
    if (kept != KeptPlaces.end() && Replace(kept->second, file.Lines) == 0) {
        if (!std::exchange(file.InKept, true) && Watcher != nullptr)
            Watcher->WriteKept(host, why, kept->second);
        return true;
    }
    // What the kept file holds and its place does not stays held: the disk has nothing newer.
    if (!file.InKept)
        Held.erase(host);
    TellWriteFailed(host, why);
    return false;
}

} // namespace

bool SetPrivateProfileKeptPlace(const std::string& file, const std::string& kept) {
    const auto host = TVirtualPaths::ToHost(file);
    const auto keptHost = kept.empty() ? std::nullopt : TVirtualPaths::ToHost(kept);
    if (!host)
        return false;
    if (!keptHost) {
        KeptPlaces.erase(*host);
        return false;
    }
    KeptPlaces.insert_or_assign(*host, *keptHost);
    SweepTemporaries(*keptHost);
    const TStamp keptStamp = StampOf(*keptHost);
    const TStamp own = StampOf(*host);
    if (!keptStamp.Exists || !S_ISREG(keptStamp.Mode) ||
        (own.Exists && S_ISREG(own.Mode) && own.Modified > keptStamp.Modified))
        return false;
    THeldFile taken = Load(*keptHost);
    if (!taken.Usable)
        return false;
    // Held under the file's own name, as what stands there would be, but never read from there
    // while the kept file is ahead of it.
    taken.Usable = !own.Exists || S_ISREG(own.Mode);
    taken.Stamp = own;
    taken.InKept = true;
    taken.PlayerFile = TVirtualPaths::IsWritableName(file);
    Held.insert_or_assign(*host, std::move(taken));
    Held.at(*host).LastUse = ++Uses;
    if (BatchDepth > 0)
        Held.at(*host).Pending = true;
    else
        Store(*host);
    Forget(*host);
    return true;
}

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

bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& file) {
    const auto host = TVirtualPaths::ToHost(file);
    if (!host || Trim(section).empty() || Trim(key).empty())
        return false;
    // Line breaks inside a value would make new keys of it, and a line the reader would cut
    // could not be read back.
    if (value.find_first_of("\r\n") != std::string::npos ||
        key.find_first_of("=\r\n") != std::string::npos ||
        section.find_first_of("]\r\n") != std::string::npos ||
        Trim(key).size() + 1 + value.size() > PrivateProfileLineLimit ||
        Trim(section).size() + 2 > PrivateProfileLineLimit)
        return false;
    THeldFile& held = Current(*host);
    // What cannot stand in the file's place goes to its kept place, if it has one.
    if (!held.Usable && KeptPlaces.count(*host) == 0) {
        TellWriteFailed(*host, WhyUnusable(held));
        return false;
    }
    held.PlayerFile = TVirtualPaths::IsWritableName(file);
    // A value written again as it stands costs the disk nothing: the program writes its
    // settings at every save whether or not they changed. What is only held in memory still
    // goes through the write, which tells whether it reached the disk.
    if (!held.HeldOnly && (!held.PlayerFile || TVirtualPaths::PlayerFolderUsable()) &&
        AlreadyHolds(held, section, key, value))
        return true;
    SetKey(held, section, key, value);
    if (BatchDepth > 0) {
        held.Pending = true;
        return true;
    }
    return Store(*host);
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
    std::vector<std::string> pending;
    for (const auto& [host, file] : Held)
        if (file.Pending)
            pending.push_back(host);
    bool written = true;
    for (const std::string& host : pending) {
        // A box telling of an earlier failure may have let another write store it meanwhile.
        const auto it = Held.find(host);
        if (it != Held.end() && it->second.Pending)
            written = Store(host) && written;
    }
    return written;
}

int TProfileDisk::OpenToRead(const std::string& hostPath) {
    // Never waiting, so that a pipe put in the file's place since it was looked at cannot
    // hold the program still.
    return OpenPlainFileToRead(hostPath);
}

int TProfileDisk::CreateToWrite(const std::string& hostPath) {
    return ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0666);
}

long TProfileDisk::Read(int fd, char* buffer, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0 || errno != EINTR)
            return static_cast<long>(n);
    }
}

bool TProfileDisk::Write(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool TProfileDisk::Flush(int fd) {
    return ::fsync(fd) == 0;
}

bool TProfileDisk::Close(int fd) {
    // Linux releases the descriptor even when close is interrupted.
    return ::close(fd) == 0 || errno == EINTR;
}

bool TProfileDisk::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool TProfileDisk::FlushFolder(const std::string& hostFolder) {
    const int fd = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}

bool TProfileDisk::Remove(const std::string& hostPath) {
    return ::unlink(hostPath.c_str()) == 0;
}

TProfileWriteWatcher* SetPrivateProfileWatcher(TProfileWriteWatcher* watcher) {
    return std::exchange(Watcher, watcher);
}

TProfileWriteWatcher* GetPrivateProfileWatcher() {
    return Watcher;
}

void SetPrivateProfileDisk(TProfileDisk* disk) {
    Disk = disk != nullptr ? disk : &HostDisk();
    Held.clear();
    Swept.clear();
    KeptPlaces.clear();
}
