// TDataWriter: the data set written into a staging folder beside the target, packed or loose,
// then moved into the target file by file.
#pragma once

#include "tools/databuild/model/DataSet.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TJorpIniFile;

// The catalogue and its pack, as the program opens them.
constexpr const char* CATALOGUE_NAME = "otcraps.det";
constexpr const char* PACK_NAME = "otcraps.dew";
// The files the last build put into the target, so that the next one can take away those it no
// longer writes, and nothing else.
constexpr const char* MANIFEST_NAME = "databuild.lst";

// Every byte of a host file; a TBuildError naming the file when it is missing, not a plain file,
// or cannot be read to its end.
std::vector<u8> ReadWholeFile(const std::filesystem::path& path);

class TDataWriter {
public:
    // Nothing is written before Write; the staging folder of an earlier run that stopped
    // half-way is cleared then.
    TDataWriter(std::filesystem::path target, bool loose);
    // Removes the staging folder and gives the engine its settings and drive back.
    ~TDataWriter();
    TDataWriter(const TDataWriter&) = delete;
    TDataWriter& operator=(const TDataWriter&) = delete;

    // Every file of the set into the staging folder; then the pack and its catalogue, or
    // (loose) the plain files and a catalogue with nothing in it.
    void Write(const TDataSet& set);
    // Moves the staged files into the target, replacing files of the same name, and removes
    // the files of the previous build that this one did not write. Files the builder never
    // wrote (the save file, the settings) stay as they are.
    void Commit();

    // What Commit puts into the target, as paths relative to it, in name order.
    const std::vector<std::string>& GetOutputs() const { return Outputs; }
    const std::filesystem::path& GetStaging() const { return Staging; }

private:
    void WriteRaw(const TRawFile& file);
    void Pack(const std::vector<std::string>& stored);
    void WriteCatalogue(const std::vector<std::string>& names,
                        const std::vector<std::pair<u32, u32>>& places);

    std::filesystem::path Target;
    std::filesystem::path Staging;
    bool Loose;
    std::vector<std::string> Outputs;
    std::unique_ptr<TJorpIniFile> Settings;
    TJorpIniFile* SavedSettings = nullptr;
    std::string SavedDrive;
};
