// The damaged-data-file report and its texts.
#include "DataFileDamage.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/JorpBase.h"

#include <string>

void JorpDamagedDataFile(const std::string& path, const std::string& problem) {
    JorpFatalError(nullptr, "Damaged data file: " + path + "\n" + problem + "\nAborting Program",
                   "Fatal Error - Data File");
}

std::string ShortSourceProblem(const TJorpBaseFile& image, i64 held) {
    const std::string start = "It is truncated: it holds " + std::to_string(held) + " bytes, ";
    // A plain file was measured when it was found; a packed one is placed by its catalogue.
    if (image.WholeFile)
        return start + "but it had " + std::to_string(image.Size) + " when the game found it.";
    return start + "but its catalogue puts " + image.Name + " (" + std::to_string(image.Size) +
           " bytes) at byte " + std::to_string(image.Offset) + ".";
}

std::string CatalogueProblem(u32 size, u32 at, bool ranOut) {
    if (!ranOut)
        return "Its list of files is damaged at byte " + std::to_string(at) + ".";
    const char* where = size < JORP_HEADER_SIZE ? "its header" : "its list of files";
    return "It is truncated: its " + std::to_string(size) + " bytes end inside " + where + ".";
}
