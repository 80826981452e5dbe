// databuild: writes the game's data set into a data folder.
#include "tools/databuild/writer/Build.h"

int main(int argc, char** argv) {
    return DataBuildMain(argc, argv);
}
