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
