#pragma once
// The CL file of MILL5X's benchmark: five-axis GOTO records round a wavy circle with a tool
// axis that tilts and turns. Backplot's benchmark draws what MILL5X makes of the same file.
// Written a line at a time, so that a benchmark's own memory stays small too.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace mill5x::bench {

inline void write_cl_file(const std::filesystem::path& path, int moves) {
    std::ofstream cl(path, std::ios::binary);
    cl << "PARTNO BENCHMARK\nUNITS/MM\nLOADTL/1,LENGTH,80\nSPINDL/RPM,8000,CLW\n"
          "FEDRAT/1200\nMULTAX/ON\nFROM/0,0,100,0,0,1\n";
    char line[160];
    for (int n = 0; n < moves; ++n) {
        const double t = n * 0.0001;
        const double tilt = 0.5 * std::sin(t), turn = t;
        const int length = std::snprintf(line, sizeof line, "GOTO/%.4f,%.4f,%.4f,%.6f,%.6f,%.6f\n",
                                         50 * std::cos(t), 50 * std::sin(t), -5 + std::sin(3 * t),
                                         std::sin(tilt) * std::cos(turn),
                                         std::sin(tilt) * std::sin(turn), std::cos(tilt));
        cl.write(line, length);
    }
    cl << "END\nFINI\n";
}

} // namespace mill5x::bench
