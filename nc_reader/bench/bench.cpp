// Reads 1,000,000 five-axis inverse-time blocks, as a checker reads each block after it is
// written, and prints the time a block. Build it in a Release configuration; the goal is a
// few hundred nanoseconds a block, with no warnings.

#include "nc_reader/reader.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const int blocks = argc > 1 ? std::atoi(argv[1]) : 1000000;
    // The program is written first, so that only the reading is timed.
    std::string program;
    std::vector<std::size_t> ends;
    program.reserve(static_cast<std::size_t>(blocks) * 72);
    char line[160];
    for (int n = 0; n < blocks; ++n) {
        const double t = n * 0.0001;
        const int length = std::snprintf(
            line, sizeof line, "N%d G93 G1 X%.3f Y%.3f Z%.3f B%.3f C%.3f F%.4f",
            (n + 1) * 10 % 100000, 50 * std::cos(t), 50 * std::sin(t), 200 + std::sin(3 * t),
            30 * std::sin(t), std::fmod(n * 0.01, 360.0), 100 + 50 * std::sin(t));
        program.append(line, static_cast<std::size_t>(length));
        ends.push_back(program.size());
    }

    nc::Reader reader;
    std::size_t warnings = 0, moves = 0;
    const auto start = std::chrono::steady_clock::now();
    std::size_t begin = 0;
    for (const std::size_t end : ends) {
        const nc::Block& block = reader.read(std::string_view(program).substr(begin, end - begin));
        warnings += block.warnings.size();
        moves += block.move.has_value();
        begin = end;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%d blocks (%zu moves, %zu warnings) read in %.3f s: %.0f ns a block\n", blocks,
                moves, warnings, took.count(), took.count() * 1e9 / blocks);
    return warnings == 0 ? 0 : 1;
}
