// jx-generate-data SOURCE_FOLDER OUTPUT_FOLDER: writes SanBirth.dll, dream.dll
// and SanFile.dll into OUTPUT_FOLDER from the readable sources.
#include <exception>
#include <iostream>
#include <string>

#include "data/GenerateData.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " SOURCE_FOLDER OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string sources = argv[1];
    const std::string output = argv[2];
    try {
        jx::data::WriteSanBirth(sources, output + "/SanBirth.dll");
        jx::data::WriteDream(sources, output + "/dream.dll");
        jx::data::WriteSanFile(sources, output + "/SanFile.dll");
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
