// TDataWriter: staging through a virtual drive, packing in name order, and the move into place.
#include "tools/databuild/writer/DataWriter.h"

#include "engine/foundation/Det.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "platform/host/VirtualPath.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"
#include "tools/databuild/writer/EngineFiles.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <set>

namespace fs = std::filesystem;

namespace {

// The engine writes to its settings' CD location: this drive, mapped onto the staging folder.
constexpr char StagingDrive = 'w';

void WriteWhole(const fs::path& path, const std::vector<u8>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw TBuildError(path.string(), "cannot be written");
}

std::vector<std::string> ReadManifest(const fs::path& path) {
    std::vector<std::string> names;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            names.push_back(line);
    return names;
}

// The folder and its parents up to the root, removed while they are empty.
void RemoveEmptyFolders(fs::path folder, const fs::path& root) {
    std::error_code ec;
    while (folder != root && folder.has_relative_path() && fs::is_empty(folder, ec) && !ec) {
        fs::remove(folder, ec);
        folder = folder.parent_path();
    }
}

fs::path Normal(fs::path path) {
    path = path.lexically_normal();
    if (!path.has_filename())
        path = path.parent_path();
    return path;
}

} // namespace

std::vector<u8> ReadWholeFile(const fs::path& path) {
    // A staged file read short would pack as a shorter or empty file without a word: the
    // size is taken first and every byte of it must arrive.
    std::error_code ec;
    const bool plain = fs::is_regular_file(path, ec);
    const std::uintmax_t size = plain ? fs::file_size(path, ec) : 0;
    std::ifstream in(path, std::ios::binary);
    if (!plain || ec || !in ||
        size > static_cast<std::uintmax_t>(std::numeric_limits<std::streamsize>::max()))
        throw TBuildError(path.string(), "cannot be read");
    std::vector<u8> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size ||
        in.peek() != std::ifstream::traits_type::eof())
        throw TBuildError(path.string(), "cannot be read");
    return bytes;
}

TDataWriter::TDataWriter(fs::path target, bool loose)
    : Target(Normal(std::move(target))), Loose(loose) {
    // Appended, not "." + name: GCC 12 warns falsely (-Wrestrict) about a literal put in
    // front of a temporary string.
    std::string staging = ".";
    staging += Target.filename().string();
    staging += ".staging";
    Staging = Target.parent_path() / staging;
}

TDataWriter::~TDataWriter() {
    if (Settings) {
        TEngineContext::Settings = SavedSettings;
        TVirtualPaths::SetDriveRoot(StagingDrive, SavedDrive);
    }
    std::error_code ec;
    fs::remove_all(Staging, ec);
}

void TDataWriter::WriteRaw(const TRawFile& file) {
    WriteWhole(Staging / HostRelativeName(file.Name), file.Bytes);
}

void TDataWriter::Write(const TDataSet& set) {
    std::error_code ec;
    fs::remove_all(Staging, ec);
    fs::create_directories(Staging);
    const std::vector<std::string> names = set.FileNames();
    // The engine's writers open their files but make no folders.
    for (const std::string& name : names)
        fs::create_directories((Staging / HostRelativeName(name)).parent_path());

    SavedDrive = TVirtualPaths::GetDriveRoot(StagingDrive).value_or("");
    TVirtualPaths::SetDriveRoot(StagingDrive, fs::absolute(Staging).string());
    Settings = std::make_unique<TJorpIniFile>("c:", "\\", "otcraps", "databuild.ini", true);
    Settings->SetCDDrive(std::string(1, StagingDrive) + ":");
    Settings->SetCDDir("\\");
    SavedSettings = TEngineContext::Settings;
    TEngineContext::Settings = Settings.get();

    WriteGameFile(set.Game);
    for (const TModeModel& mode : set.Modes)
        WriteModeFile(mode);
    for (const TGameObjectListModel& list : set.GameObjectLists)
        WriteGameObjectListFile(list);
    for (const TMiscDataModel& data : set.MiscData)
        WriteMiscDataFile(data);
    for (const TSpriteListModel& list : set.SpriteLists)
        WriteSpriteListFile(list);
    for (const TSkitCatModel& catalogue : set.SkitCats)
        WriteSkitCatalogueFile(set, catalogue);
    for (const TRawFile& file : set.GetRawFiles())
        WriteRaw(file);

    for (const std::string& name : names)
        if (!fs::is_regular_file(Staging / HostRelativeName(name)))
            throw TBuildError(name, "was not written");
    if (Loose) {
        WriteCatalogue({}, {});
        Outputs.clear();
        for (const std::string& name : names)
            Outputs.push_back(HostRelativeName(name));
        Outputs.push_back(CATALOGUE_NAME);
        SortNames(Outputs);
    } else {
        Pack(names);
        Outputs = {CATALOGUE_NAME, PACK_NAME};
    }
}

void TDataWriter::Pack(const std::vector<std::string>& stored) {
    // In the catalogue's own order: names from the root, without the leading backslash.
    std::vector<std::string> names = stored;
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return NameBefore(CatalogueName(a), CatalogueName(b));
    });
    std::vector<u8> pack;
    std::vector<std::pair<u32, u32>> places;
    for (const std::string& name : names) {
        const fs::path staged = Staging / HostRelativeName(name);
        const std::vector<u8> bytes = ReadWholeFile(staged);
        if (pack.size() + bytes.size() > 0xFFFFFFFFULL)
            throw TBuildError(name, "does not fit in the pack's 32-bit offsets");
        places.emplace_back(static_cast<u32>(pack.size()), static_cast<u32>(bytes.size()));
        pack.insert(pack.end(), bytes.begin(), bytes.end());
        fs::remove(staged);
        RemoveEmptyFolders(staged.parent_path(), Staging);
    }
    WriteWhole(Staging / PACK_NAME, pack);
    WriteCatalogue(names, places);
}

void TDataWriter::WriteCatalogue(const std::vector<std::string>& names,
                                 const std::vector<std::pair<u32, u32>>& places) {
    TDet catalogue(0, TFileMode(TJorpFileName(CATALOGUE_NAME), 0, 0));
    catalogue.MakeRoot();
    for (size_t i = 0; i < names.size(); ++i)
        if (catalogue.AddFile(CatalogueName(names[i]), places[i].second, places[i].first) ==
            nullptr)
            throw TBuildError(names[i], "cannot be catalogued");
    catalogue.Save(nullptr);
}

void TDataWriter::Commit() {
    fs::create_directories(Target);
    const std::vector<std::string> previous = ReadManifest(Target / MANIFEST_NAME);
    for (const std::string& name : Outputs) {
        const fs::path to = Target / name;
        fs::create_directories(to.parent_path());
        // A rename within one file system replaces the old file in one step.
        fs::rename(Staging / name, to);
    }
    const std::set<std::string> written(Outputs.begin(), Outputs.end());
    for (const std::string& name : previous) {
        // Only names this builder could have written: nothing outside the target.
        const fs::path relative = fs::path(name).lexically_normal();
        if (written.count(name) != 0 || relative.is_absolute() || relative.empty() ||
            *relative.begin() == "..")
            continue;
        std::error_code ec;
        fs::remove(Target / relative, ec);
        RemoveEmptyFolders((Target / relative).parent_path(), Target);
    }
    std::vector<u8> manifest;
    for (const std::string& name : Outputs) {
        manifest.insert(manifest.end(), name.begin(), name.end());
        manifest.push_back('\n');
    }
    WriteWhole(Staging / MANIFEST_NAME, manifest);
    fs::rename(Staging / MANIFEST_NAME, Target / MANIFEST_NAME);
}
