// Registers every kind of resource table.
#include "Resources.h"

void RegisterResources() {
    RegisterStringTables();
    RegisterMenus();
    RegisterAcceleratorTables();
    RegisterDialogs();
    RegisterGamblerResources();
    RegisterAdviceStrings();
    RegisterBetOptionsResources();
    RegisterStatDialogs();
    RegisterStatStrings();
    RegisterResourceImages();
}
