// Private-profile (INI) reading and writing on virtual paths, in the old system's manner.
#pragma once

#include <cstddef>
#include <string>

// Section and key names compare without regard to case; values are trimmed of blanks
// (and of one pair of enclosing quotes); a missing file, section or key gives the
// default. Each file is read from the disk once and then answered from memory; a write
// changes what is held, and a file changed on the disk by other means is read again.
// Lines are cut at the line limit as they are read (the rest of a longer line is skipped, not
// kept), and lines holding control characters (a binary file) say nothing: their keys read as
// missing. The limit leaves room for a key and any host path as its value.
constexpr size_t PrivateProfileLineLimit = 8192;

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& file);

// The leading decimal integer of the value (an optional sign, then digits; a value
// without digits is 0); the default when the key is missing.
int GetPrivateProfileIntA(const std::string& section, const std::string& key, int defaultValue,
                          const std::string& file);

// Creates the file, the section and the key as needed and keeps everything else. The file
// is replaced whole through a temporary file that is flushed to the disk before it takes the
// file's name, so a failed write or a killed program leaves the old file as it was; a key
// whose line already reads so leaves the file alone (true). Refuses
// a line longer than the limit. In a player's folder that cannot be used, the value is held
// for the rest of the run but never written (false).
bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& file);

// Hears of every write of a settings file that did not reach the disk, so that the program can
// tell the player. Not told of a refused key or value (the caller's fault, not the disk's), nor
// of a write kept back because the player has been told his folder cannot be used.
class TProfileWriteWatcher {
public:
    virtual ~TProfileWriteWatcher() = default;
    // hostPath is the file's place on the host; why follows it in a sentence: "is a folder",
    // "cannot be written (No space left on device)".
    virtual void WriteFailed(const std::string& hostPath, const std::string& why) = 0;
    // A write its own place refused (why, as above) was made in the file's kept place instead
    // (SetPrivateProfileKeptPlace): told at the first of a run of such writes.
    virtual void WriteKept(const std::string& hostPath, const std::string& why,
                           const std::string& keptHostPath) {
        WriteFailed(hostPath, why + ", and is kept instead in " + keptHostPath);
    }
};

// Names where a settings file is kept while its own place cannot take it (empty: nowhere). A
// write the file's place refuses (a folder or an unreadable file there, a replacement that
// fails) replaces the kept file instead, and the values stay held for the run; a later write
// that reaches the file's own place again removes the kept file, which it has overtaken. A kept
// file standing when the place is named is what a run that could not write the file left: when
// it is newer than the file, or no file stands there, the file is read as it and moved back
// into its place at once where that can be done (true: the kept file was taken up).
bool SetPrivateProfileKeptPlace(const std::string& file, const std::string& kept);

// Puts in the watcher (null: none) and returns the one it replaces.
TProfileWriteWatcher* SetPrivateProfileWatcher(TProfileWriteWatcher* watcher);
TProfileWriteWatcher* GetPrivateProfileWatcher();

// Collects the writes made while it is open: each file they change is read once, changed in
// memory and written once when the outermost open batch closes, so that a burst of keys costs
// one rewrite of the file instead of one per key. Reads meanwhile see the collected values.
// Writes that would be refused are refused at once, as without a batch.
class TPrivateProfileBatch {
public:
    TPrivateProfileBatch();
    // Closes the batch if it is still open.
    ~TPrivateProfileBatch();
    TPrivateProfileBatch(const TPrivateProfileBatch&) = delete;
    TPrivateProfileBatch& operator=(const TPrivateProfileBatch&) = delete;

    // The outermost batch writes every changed file; false when one could not be written
    // (it keeps its old contents then). An inner batch, or one closed before, writes nothing.
    bool Close();

private:
    bool Open = true;
};

// The disk calls settings files are read and replaced through, so that a test can count the
// reads or watch the steps of a replacement. Descriptors are the host's; -1 is a failure.
class TProfileDisk {
public:
    virtual ~TProfileDisk() = default;
    virtual int OpenToRead(const std::string& hostPath);
    // Made empty, or made.
    virtual int CreateToWrite(const std::string& hostPath);
    // Bytes read, 0 at the end, -1 on failure.
    virtual long Read(int fd, char* buffer, size_t size);
    virtual bool Write(int fd, const char* data, size_t size);
    // Returns once what was written is on the disk.
    virtual bool Flush(int fd);
    virtual bool Close(int fd);
    // Puts from in to's place in one step.
    virtual bool Rename(const std::string& from, const std::string& to);
    // Returns once the folder's names are on the disk.
    virtual bool FlushFolder(const std::string& hostFolder);
    virtual bool Remove(const std::string& hostPath);
};

// Puts in the disk the settings files go through (null: the host's) and forgets every file
// held in memory and every kept place. The caller keeps the disk alive while it is in.
void SetPrivateProfileDisk(TProfileDisk* disk);
