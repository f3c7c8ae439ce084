// Post-processes a CL file of 1,000,000 five-axis GOTO records, from the file to the three
// outputs, and prints how long it took, the throughput and the peak memory. Build it in a
// Release configuration; the goal is under two seconds, with memory that does not grow with
// the file.

#include "job.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

// The CL file is written a line at a time, so the benchmark's own memory stays small too.
void write_cl_file(const std::filesystem::path& path, int moves) {
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

double peak_megabytes() {
#ifdef __linux__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
#else
    return 0;
#endif
}

} // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::atoi(argv[1]) : 1000000;
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "mill5x_bench";
    fs::create_directories(folder);
    write_cl_file(folder / "BENCH.APT", moves);
    std::ofstream(folder / "MILL5X.pptable", std::ios::binary)
        << "PIVOT_DISTANCE = 150\nC_MIN = -99999\nC_MAX = 99999\n";
    const double cl_megabytes = static_cast<double>(fs::file_size(folder / "BENCH.APT")) / 1e6;
    const double memory_before = peak_megabytes();

    const std::clock_t cpu_start = std::clock();
    const auto start = std::chrono::steady_clock::now();
    const mill5x::JobOutcome outcome =
        mill5x::run_job(folder / "BENCH.APT", "BENCH", folder / "MILL5X.pptable");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;

    const double output_megabytes = static_cast<double>(fs::file_size(folder / "BENCH.NC1") +
                                                        fs::file_size(folder / "BENCH.NCL")) /
                                    1e6;
    std::ifstream status(folder / "BENCH.NCS");
    std::string result_line;
    std::getline(status, result_line); // the heading
    std::getline(status, result_line); // blank
    std::getline(status, result_line);
    status.close();
    fs::remove_all(folder);
    std::printf("%d GOTO records, %s, %s\n"
                "%.3f s (%.3f s of processor time); CL file %.1f MB read at %.1f MB/s, %.1f MB of "
                "NC program and listing "
                "written; peak memory %.1f MB (%.1f MB before the run)\n",
                moves, result_line.c_str(),
                outcome.failure.empty() ? "outputs written" : outcome.failure.c_str(), took.count(),
                cpu_seconds, cl_megabytes, cl_megabytes / took.count(), output_megabytes,
                peak_megabytes(), memory_before);
    return !outcome.failure.empty() || took.count() >= 2.0 ? 1 : 0;
}
