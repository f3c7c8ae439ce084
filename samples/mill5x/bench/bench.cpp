// Post-processes a CL file of 100,000 five-axis GOTO records, from the file to the three
// outputs, and prints how long it took. Build it in a Release configuration; the goal is
// under one second.

#include "job.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

int main() {
    constexpr int moves = 100000;
    std::string cl = "PARTNO BENCHMARK\nUNITS/MM\nLOADTL/1,LENGTH,80\nSPINDL/RPM,8000,CLW\n"
                     "FEDRAT/1200\nMULTAX/ON\nFROM/0,0,100,0,0,1\n";
    char line[160];
    for (int n = 0; n < moves; ++n) {
        const double t = n * 0.001;
        const double tilt = 0.5 * std::sin(t), turn = t;
        std::snprintf(line, sizeof line, "GOTO/%.4f,%.4f,%.4f,%.6f,%.6f,%.6f\n", 50 * std::cos(t),
                      50 * std::sin(t), -5 + std::sin(3 * t), std::sin(tilt) * std::cos(turn),
                      std::sin(tilt) * std::sin(turn), std::cos(tilt));
        cl += line;
    }
    cl += "END\nFINI\n";

    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "mill5x_bench";
    fs::create_directories(folder);
    std::ofstream(folder / "BENCH.APT", std::ios::binary) << cl;
    std::ofstream(folder / "MILL5X.pptable", std::ios::binary)
        << "PIVOT_DISTANCE = 150\nC_MIN = -99999\nC_MAX = 99999\n";

    const auto start = std::chrono::steady_clock::now();
    const mill5x::JobOutcome outcome =
        mill5x::run_job(folder / "BENCH.APT", "BENCH", folder / "MILL5X.pptable");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::ifstream status(folder / "BENCH.NCS");
    std::string result_line;
    std::getline(status, result_line); // the heading
    std::getline(status, result_line); // blank
    std::getline(status, result_line);
    fs::remove_all(folder);
    std::printf("%d GOTO records, %s, %s: %.3f s\n", moves, result_line.c_str(),
                outcome.failure.empty() ? "outputs written" : outcome.failure.c_str(),
                took.count());
    return !outcome.failure.empty() || took.count() >= 1.0 ? 1 : 0;
}
