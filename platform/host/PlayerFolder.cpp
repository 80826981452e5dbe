// The player's folder: located from the environment, made and proved at first use, stocked with
// an earlier build's save and settings; and the data folder found beside or above the program.
#include "PlayerFolder.h"

#include "MessageBox.h"
#include "VirtualPath.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Saved games are nobody else's business.
constexpr mode_t FolderMode = 0700;
// A file this large beside the program is not an earlier build's save or settings.
constexpr off_t EarlierFileLimit = 16 << 20;

std::string Normal(const fs::path& path) {
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// A file is made, filled, flushed and removed again: a folder that takes that takes the
// settings and the save. The name is the temporary of what the folder holds (in the player's
// folder the settings', with the process's id), so that one a killed run left is cleared with
// theirs.
int ProveWritable(const std::string& probe) {
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!WriteAll(fd, "\r\n", 2) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    ::unlink(probe.c_str());
    return error;
}

// Copies source to target through temp, unless target exists or source is no plain file of
// a sensible size. The errno of a failure to write the player's folder; 0 otherwise, a copy
// left undone because the source could not be read included.
int CopyEarlier(const std::string& source, const std::string& target, const std::string& temp) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0)
        return 0;
    const int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return 0;
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > EarlierFileLimit) {
        ::close(in);
        return 0;
    }
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return error;
    }
    int error = 0;
    bool readable = true;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            readable = false;
        if (n <= 0)
            break;
        if (!WriteAll(out, buffer, static_cast<size_t>(n))) {
            error = errno;
            break;
        }
    }
    ::close(in);
    if (error == 0 && readable && ::fsync(out) != 0)
        error = errno;
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error != 0 || !readable) {
        ::unlink(temp.c_str());
        return error;
    }
    // Never over a file another copy of the program put there meanwhile.
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EINVAL || errno == ENOSYS) {
            if (::link(temp.c_str(), target.c_str()) != 0 && errno != EEXIST)
                error = errno;
        } else if (errno != EEXIST) {
            error = errno;
        }
        ::unlink(temp.c_str());
        if (error != 0)
            return error;
    }
    return SyncFolder(fs::path(target).parent_path().string());
}

void Refuse(const std::string& folder, int error) {
    MessageBoxExA(nullptr,
                  "The folder for saved games and settings cannot be used:\n" + folder + "\n" +
                      std::strerror(error) + ".\nThis game will not be saved.",
                  "Warning", MB_OK | MB_ICONEXCLAMATION);
    TVirtualPaths::SetPlayerFolderUsable(false);
}

std::string HomeFolder(const TEnvironment& environment) {
    if (const char* home = environment("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return "/";
}

} // namespace

int MakePlayerFolders(const std::string& folder, bool* made) {
    if (made != nullptr)
        *made = false;
    fs::path path;
    for (const fs::path& part : fs::path(folder)) {
        path /= part;
        if (::mkdir(path.c_str(), FolderMode) == 0) {
            if (made != nullptr)
                *made = true;
            continue;
        }
        if (errno != EEXIST)
            return errno;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return errno;
        if (!S_ISDIR(st.st_mode))
            return ENOTDIR;
    }
    return 0;
}

const char* HostEnvironment(const char* name) {
    return std::getenv(name);
}

std::string LocatePlayerFolder(const TEnvironment& environment) {
    const char* own = environment("OTCRAPS_HOME");
    if (own != nullptr && *own != '\0') {
        std::error_code ec;
        const fs::path absolute = fs::absolute(own, ec);
        return Normal(ec ? fs::path(own) : absolute);
    }
    const char* data = environment("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/')
        return Normal(fs::path(data) / "otcraps");
    return Normal(fs::path(HomeFolder(environment)) / ".local/share/otcraps");
}

std::string LocateDataFolder(const std::string& programDirectory) {
    std::error_code ec;
    if (fs::is_directory(fs::path(programDirectory) / "data", ec))
        return programDirectory;
    const fs::path installed = fs::path(programDirectory).parent_path() / "share" / "otcraps";
    if (fs::is_directory(installed / "data", ec))
        return Normal(installed);
    return programDirectory;
}

bool PreparePlayerFolder(const std::string& folder, const std::string& programDirectory) {
    const std::string data = folder + "/data";
    const std::string settingsTemp = folder + "/otcraps.ini.tmp" + std::to_string(::getpid());
    int error = MakePlayerFolders(folder);
    if (error == 0)
        error = ProveWritable(settingsTemp);
    if (error == 0)
        error =
            CopyEarlier(programDirectory + "/otcraps.ini", folder + "/otcraps.ini", settingsTemp);
    // A data folder that cannot be made or written in (a file or a link to nothing in its
    // place, full, read-only) leaves the player's folder to take the save, which says where.
    int dataError = MakePlayerFolders(data);
    if (dataError == 0 && error != 0)
        dataError = ProveWritable(data + "/otcraps.tmp");
    if (dataError == 0)
        dataError = CopyEarlier(programDirectory + "/data/otcraps.sav", data + "/otcraps.sav",
                                data + "/otcraps.tmp");
    // Only where nothing at all can be written is the run saved nowhere.
    if (error == 0 || dataError == 0)
        return true;
    Refuse(folder, error);
    return false;
}

TPlayerFolderMapping::TPlayerFolderMapping(const char* argv0, const TEnvironment& environment) {
    const std::string program = TVirtualPaths::ProgramDirectory(argv0);
    const std::string folder = LocatePlayerFolder(environment);
    TVirtualPaths::SetPlayerFolderUsable(true);
    TVirtualPaths::SetDriveRoot('c', LocateDataFolder(program));
    TVirtualPaths::SetPlayerRoot(folder,
                                 [folder, program] { PreparePlayerFolder(folder, program); });
}

TPlayerFolderMapping::~TPlayerFolderMapping() {
    TVirtualPaths::SetPlayerRoot("");
}
