// The damaged-data-file report and its texts.
#include "DataFileDamage.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/Det.h"
#include "engine/foundation/JorpBase.h"
#include "engine/foundation/PrintableText.h"
#include "platform/host/VirtualPath.h"

#include <string>

namespace {

// The file where the player can find it, as the box of a missing file names it: the host path
// its virtual one maps to. The part that came from data files is made printable first; the
// host's own folder is shown as it is. Only looked up, so that naming a file makes no folder.
std::string ShownPath(const std::string& path) {
    const std::string printable = JorpPrintable(path);
    const auto host = TVirtualPaths::PeekHost(printable);
    return host ? *host : printable;
}

} // namespace

void JorpDamagedDataFile(const std::string& path, const std::string& problem) {
    JorpFatalError(nullptr,
                   "Damaged data file: " + ShownPath(path) + "\n" + JorpPrintable(problem) +
                       "\nAborting Program",
                   "Fatal Error - Data File");
}

std::string NotAFileProblem(THostPathKind kind) {
    if (kind == THostPathKind::Directory)
        return std::string("It is ") + DescribeHostPathKind(kind) + ", not a file.";
    return std::string("It is ") + DescribeHostPathKind(kind) + ".";
}

std::string UnreadableProblem() {
    return "It is a file, but it cannot be read.";
}

std::string ShortSourceProblem(const TJorpBaseFile& image, i64 held) {
    const std::string start = "It is truncated: it holds " + std::to_string(held) + " bytes, ";
    // A plain file was measured when it was found; a packed one is placed by its catalogue.
    if (image.WholeFile)
        return start + "but it had " + std::to_string(image.Size) + " when the game found it.";
    return start + "but its catalogue puts " + image.Name + " (" + std::to_string(image.Size) +
           " bytes) at byte " + std::to_string(image.Offset) + ".";
}

std::string CatalogueProblem(u32 size, u32 at, bool ranOut, const TDetBadRecord& bad) {
    if (bad.Found) {
        const std::string start = "Its list of files is damaged at byte " + std::to_string(bad.At);
        if (bad.Kind == TDetBadRecord::CountPastEnd)
            return "Its list of files ends at byte " + std::to_string(bad.End) + ", after " +
                   std::to_string(bad.Read) + (bad.Read == 1 ? " entry" : " entries") + " of " +
                   (bad.Name.empty() ? std::string("its top level") : "the folder " + bad.Name) +
                   ", whose count at byte " + std::to_string(bad.At) + " says " +
                   std::to_string(bad.Value) +
                   ": the count is damaged, or the file is cut short there.";
        if (bad.Kind == TDetBadRecord::FileWithEntries)
            return start + ": the count there gives the file " + bad.Name + " " +
                   std::to_string(bad.Value) + (bad.Value == 1 ? " entry" : " entries") +
                   ", but only folders hold entries.";
        const std::string length =
            ": the length of the name there, " + std::to_string(bad.Value) + " bytes, ";
        if (bad.Value > DET_LONGEST_NAME + 1)
            return start + length + "is more than any name has.";
        return start + length + "does not fit the name.";
    }
    if (!ranOut)
        return "Its list of files is damaged at byte " + std::to_string(at) + ".";
    const char* where = size < JORP_HEADER_SIZE ? "its header" : "its list of files";
    return "It is truncated: its " + std::to_string(size) + " bytes end inside " + where + ".";
}

std::string ObjectProblem(const TJorpBase& object) {
    const std::string at = "damaged at byte " + std::to_string(object.GetReadCursor());
    if (object.RanOutOfBytes())
        return at + ", where its contents run past its end";
    return at;
}
