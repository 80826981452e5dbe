// The resource-image tool: writes the program's pictures as a C++ source file.
#include "resources/images/ResourceImages.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    const std::string source = ResourceImageSource(MakeResourcePictures());
    // Written beside the target and renamed, so a failed run leaves no half file to compile.
    const std::string partial = std::string(argv[1]) + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << source;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), argv[1]) != 0) {
        std::fprintf(stderr, "cannot replace %s\n", argv[1]);
        return 1;
    }
    return 0;
}
