// Writes the bundled sample roster, byte for byte, to the file named on the command line.
#include "tests/support/roster_fixture.h"

#include <cstdio>
#include <exception>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FILE\n", argv[0]);
        return 2;
    }
    try {
        const std::string roster = roster_fixture::MakeSampleRoster();
        std::ofstream output(argv[1], std::ios::binary | std::ios::trunc);
        output.write(roster.data(), static_cast<std::streamsize>(roster.size()));
        output.close();
        if (!output) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
