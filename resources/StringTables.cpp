// String tables: the texts the program loads by id.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"

namespace {

// Messages of the run-time library loader; 30000 + a load error code 0 to 32, then the
// report's own texts.
constexpr TStringResource LibraryLoadStrings[] = {
    {30000, "System out of memory, executable was corrupt, or relocations were invalid."},
    {30001, "Unknown error."},
    {30002, "File was not found."},
    {30003, "Path was not found."},
    {30004, "Unknown error."},
    {30005, "Attempt was made to dynamically link to a task, or there was a sharing or "
            "network-protection error."},
    {30006, "Library required separate data segments for each task."},
    {30007, "Unknown error."},
    {30008, "There was insufficient memory to start the application."},
    {30009, "Unknown error."},
    {30010, "Windows version was incorrect."},
    {30011, "Executable file was invalid. Either it was not a windows application or there was "
            "an error in the .EXE image."},
    {30012, "Application was designed for a different operating system."},
    {30013, "Application was designed for MS-DOS 4.0."},
    {30014, "Type of executable was unknown."},
    {30015, "Attempt was made to load a real-mode application (developed for an earlier "
            "version of Windows)."},
    {30016, "Attempt was made to load a second instance of an executable file containing "
            "multiple data segments that were not marked read-only."},
    {30017, "Unknown error."},
    {30018, "Unknown error."},
    {30019, "Attempt was made to load a compressed executable file. The file must be "
            "decompressed before it can be loaded."},
    {30020, "Dynamic-link library(DLL) file was invalid. One of the DLL's required to run this "
            "application was corrupt."},
    {30021, "Application requires Microsoft Windows 32-bit extensions."},
    {30022, "Unknown error."},
    {30023, "Unknown error."},
    {30024, "Unknown error."},
    {30025, "Unknown error."},
    {30026, "Unknown error."},
    {30027, "Unknown error."},
    {30028, "Unknown error."},
    {30029, "Unknown error."},
    {30030, "Unknown error."},
    {30031, "Unknown error."},
    {30032, "Unknown error."},
    {30033, "No Error."},
    {30034, "Load DLL Failure"},
    {30035, "Loading DLL: "},
    {30036, "This is a fatal error, will abort."},
};

// The game file, as the casino layer names it.
constexpr TStringResource GameStrings[] = {
    {10000, "casino.g"},
};

} // namespace

void RegisterStringTables() {
    TResourceRegistry::Get().AddStrings(LibraryLoadStrings);
    TResourceRegistry::Get().AddStrings(GameStrings);
    RegisterDataFileStrings();
}
