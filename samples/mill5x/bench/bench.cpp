// Post-processes a CL file of 100,000 five-axis GOTO records in memory and prints how long
// it took. Build it in a Release configuration; the goal is under one second.

#include "postprocessor.h"

#include <chrono>
#include <cmath>
#include <cstdio>
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

    mill5x::MachineSettings settings;
    settings.pivot_distance = 150;
    settings.c_min = -99999;
    settings.c_max = 99999;
    const auto start = std::chrono::steady_clock::now();
    const mill5x::PostResult result = mill5x::post_process(cl, settings, "BENCH.APT");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::printf("%d GOTO records, %d NC blocks, %s: %.3f s\n", moves, result.block_count,
                result.error ? result.error->message.c_str() : "complete", took.count());
    return result.error || took.count() >= 1.0 ? 1 : 0;
}
