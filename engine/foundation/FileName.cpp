// TJorpFileName text operations: splitting a DOS path into its parts and rebuilding it.
#include "FileName.h"

#include <cctype>

namespace {

// The runtime's path buffers: the whole path and each of its parts, without the NUL.
constexpr std::size_t MaxPath = 260;
constexpr std::size_t MaxPart = 255;
constexpr std::size_t MaxDrive = 2;

struct TParts {
    std::string Drive;
    std::string Directory;
    std::string Name;
    std::string Extension;

    std::string Join() const { return Drive + Directory + Name + Extension; }
};

TParts SplitParts(const std::string& path) {
    TParts parts;
    TJorpFileName::Split(path, parts.Drive, parts.Directory, parts.Name, parts.Extension);
    return parts;
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string ToLower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string StripLeading(const std::string& text, char c) {
    const std::size_t first = text.find_first_not_of(c);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string StripTrailing(const std::string& text, char c) {
    const std::size_t last = text.find_last_not_of(c);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// A path given where a directory is wanted: without a "." it names a directory whatever its
// last component; with one, its name and extension are dropped.
std::string DirectoryOf(const std::string& dir) {
    if (dir.find('.') == std::string::npos)
        return StripTrailing(dir, '\\') + "\\";
    const TParts parts = SplitParts(dir);
    return parts.Drive + parts.Directory;
}

// One step of walking a directory: the first component with its backslash, and the rest.
bool SplitFirstComponent(std::string& first, std::string& rest) {
    const std::size_t slash = rest.find('\\');
    if (slash == std::string::npos) {
        first.clear();
        return false;
    }
    first = rest.substr(0, slash + 1);
    rest = rest.substr(slash + 1);
    return true;
}

// What SplitFirstDir walks: everything after the drive, without the root's backslash.
std::string WalkablePart(const std::string& path) {
    const TParts parts = SplitParts(path);
    return StripLeading(parts.Directory + parts.Name + parts.Extension, '\\');
}

// The walk shared by IsWithin and MakeRelativeTo: strips base's directory components off
// pathRest and reports whether all of them matched.
bool StripBaseDirs(const TJorpFileName& path, const TJorpFileName& base, std::string& pathRest) {
    if (path.GetDrive() != base.GetDrive())
        return false;
    std::string baseFirst;
    std::string baseRest = WalkablePart(base.GetText());
    std::string pathFirst;
    pathRest = WalkablePart(path.GetText());
    for (;;) {
        if (!SplitFirstComponent(baseFirst, baseRest))
            return true;
        if (!SplitFirstComponent(pathFirst, pathRest))
            return false;
        if (baseFirst != pathFirst)
            return false;
    }
}

} // namespace

TJorpFileName& TJorpFileName::Assign(const TJorpFileName& other) {
    if (this != &other)
        Text = other.Text;
    return *this;
}

TJorpFileName& TJorpFileName::AssignString(const std::string& text) {
    Text = text;
    return *this;
}

TJorpFileName& TJorpFileName::AppendText(const std::string& text) {
    Text += text;
    return *this;
}

void TJorpFileName::Split(const std::string& path, std::string& drive, std::string& directory,
                          std::string& name, std::string& extension) {
    std::string text = ToLower(TrimBlanks(path));
    if (text.size() > MaxPath)
        text.resize(MaxPath);

    drive.clear();
    std::size_t start = 0;
    if (text.size() >= 2 && text[1] == ':') {
        drive = text.substr(0, MaxDrive);
        start = 2;
    }

    // The last component starts after the last separator; its last "." starts the extension.
    const std::size_t lastSep = text.find_last_of("\\/");
    const std::size_t compStart =
        (lastSep == std::string::npos || lastSep < start) ? start : lastSep + 1;
    std::string dir = text.substr(start, compStart - start);
    std::string last = text.substr(compStart);
    name.clear();
    extension.clear();
    if (last == "." || last == "..") {
        dir += last;
    } else {
        const std::size_t dot = last.rfind('.');
        if (dot == std::string::npos) {
            name = last;
        } else {
            name = last.substr(0, dot);
            extension = last.substr(dot);
        }
    }
    if (dir.size() > MaxPart)
        dir.resize(MaxPart);
    if (name.size() > MaxPart)
        name.resize(MaxPart);
    if (extension.size() > MaxPart)
        extension.resize(MaxPart);

    if (!drive.empty())
        drive = StripTrailing(drive, ':') + ":";

    dir = StripTrailing(StripLeading(dir, '\\'), '\\');
    if (dir.empty())
        directory = drive.empty() ? std::string() : std::string("\\");
    else
        directory = "\\" + dir + "\\";
}

std::string TJorpFileName::GetDrive() const {
    return SplitParts(Text).Drive;
}

std::string TJorpFileName::GetDirectory() const {
    return SplitParts(Text).Directory;
}

std::string TJorpFileName::GetName() const {
    return SplitParts(Text).Name;
}

std::string TJorpFileName::GetExtension(bool noDot) const {
    std::string ext = SplitParts(Text).Extension;
    if (noDot && !ext.empty() && ext[0] == '.')
        ext.erase(0, 1);
    return ext;
}

std::string TJorpFileName::GetNameExt() const {
    const TParts parts = SplitParts(Text);
    return parts.Name + parts.Extension;
}

std::string TJorpFileName::GetParts(u32 mask) const {
    const TParts parts = SplitParts(Text);
    std::string result;
    if (mask & FN_DRIVE)
        result += parts.Drive;
    if (mask & FN_DIRECTORY)
        result += parts.Directory;
    if (mask & FN_NAME)
        result += parts.Name;
    if (mask & FN_EXTENSION)
        result += GetExtension(true);
    return result;
}

std::string TJorpFileName::GetLastDirName(bool withBackslash) const {
    const std::string directory = GetDirectory();
    if (directory.empty())
        return std::string();
    const std::string trimmed = StripTrailing(directory, '\\');
    const std::size_t slash = trimmed.rfind('\\');
    std::string result = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
    if (withBackslash)
        result += '\\';
    return result;
}

char TJorpFileName::GetDriveLetter() const {
    const std::string drive = GetDrive();
    if (!drive.empty())
        return drive[0];
    // A bare letter names a drive as the letter with a colon would.
    if (!Text.empty())
        return Text[0];
    return 0;
}

int TJorpFileName::GetDriveNumber() const {
    const int letter = std::toupper(static_cast<unsigned char>(GetDriveLetter()));
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A' + 1;
    return -1;
}

bool TJorpFileName::SplitFirstDir(std::string& first, std::string& rest) const {
    rest = WalkablePart(Text);
    return SplitFirstComponent(first, rest);
}

bool TJorpFileName::IsWithin(const TJorpFileName& base) const {
    std::string rest;
    return StripBaseDirs(*this, base, rest);
}

TJorpFileName& TJorpFileName::SetDriveFrom(const TJorpFileName& path) {
    const char letter = path.GetDriveLetter();
    if (letter == 0)
        return *this;
    TParts parts = SplitParts(Text);
    // The letter may come from an unsplit path as written; rebuilt names are lower case.
    parts.Drive =
        std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
    parts.Drive += ':';
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::SetPathFrom(const TJorpFileName& dir) {
    const TParts from = SplitParts(DirectoryOf(dir.Text));
    TParts parts = SplitParts(Text);
    if (!from.Drive.empty())
        parts.Drive = from.Drive;
    parts.Directory = from.Directory;
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::SetName(const TJorpFileName& path) {
    TParts parts = SplitParts(Text);
    parts.Name = path.GetName();
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::SetExtension(const std::string& ext) {
    const TParts from = SplitParts(ext);
    TParts parts = SplitParts(Text);
    // A bare "bmp" means the extension, not a file called bmp.
    if (!from.Name.empty() && ext.find('.') == std::string::npos)
        parts.Extension = "." + from.Name;
    else
        parts.Extension = from.Extension;
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::SetNameExtFrom(const TJorpFileName& path) {
    const TParts from = SplitParts(path.Text);
    TParts parts = SplitParts(Text);
    parts.Name = from.Name;
    parts.Extension = from.Extension;
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::Append(const TJorpFileName& path) {
    const TParts from = SplitParts(path.Text);
    TParts parts = SplitParts(Text);
    std::string sub = from.Directory;
    if (!sub.empty() && sub[0] == '\\')
        sub.erase(0, 1);
    parts.Directory += sub;
    parts.Name = from.Name;
    parts.Extension = from.Extension;
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::ClearParts(u32 mask) {
    TParts parts = SplitParts(Text);
    if (mask & FN_DRIVE)
        parts.Drive.clear();
    if (mask & FN_DIRECTORY)
        parts.Directory.clear();
    if (mask & FN_NAME)
        parts.Name.clear();
    if (mask & FN_EXTENSION)
        parts.Extension.clear();
    Text = parts.Join();
    return *this;
}

TJorpFileName& TJorpFileName::AppendDirectory(const std::string& sub) {
    return SetPathFrom(GetDirectory() + StripLeading(sub, '\\'));
}

TJorpFileName& TJorpFileName::PrependDirectory(const std::string& base) {
    return SetPathFrom(StripTrailing(base, '\\') + GetDirectory());
}

TJorpFileName& TJorpFileName::Rebase(const std::string& base) {
    const TParts parts = SplitParts(Text);
    std::string directory = parts.Directory;
    if (!directory.empty() && directory[0] == '\\')
        directory.erase(0, 1);
    Text = StripTrailing(base, '\\') + "\\" + directory + parts.Name + parts.Extension;
    return *this;
}

bool TJorpFileName::MakeRelativeTo(const TJorpFileName& base) {
    std::string rest;
    if (!StripBaseDirs(*this, base, rest))
        return false;
    TJorpFileName remainder(rest);
    remainder.SetPathFrom(remainder.GetDirectory());
    Text = remainder.Text;
    return true;
}

TJorpFileName operator+(const TJorpFileName& name, const TJorpFileName& path) {
    TJorpFileName result(name);
    result.Append(path);
    return result;
}
