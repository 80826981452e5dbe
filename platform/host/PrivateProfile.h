// Private-profile (INI) reading and writing on virtual paths, in the old system's manner.
#pragma once

#include <string>

// Section and key names compare without regard to case; values are trimmed of blanks
// (and of one pair of enclosing quotes); a missing file, section or key gives the
// default. Values have no length limit.
std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& file);

// The leading decimal integer of the value (an optional sign, then digits; a value
// without digits is 0); the default when the key is missing.
int GetPrivateProfileIntA(const std::string& section, const std::string& key, int defaultValue,
                          const std::string& file);

// Creates the file, the section and the key as needed and keeps everything else. The
// file is replaced whole, so a failed write leaves the old file as it was.
bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& file);

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
