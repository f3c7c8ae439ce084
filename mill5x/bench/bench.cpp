// Post-processes a CL file of 1,000,000 five-axis GOTO records, from the file to the three
// outputs, once with the check of the NC program and once without, and prints how long each
// took, the points linearization inserted and the peak memory. Build it in a Release
// configuration; the goals are 1.5 s with the check and 0.7 s without, with memory that does
// not grow with the file.

#include "benchmark_cl_file.h"
#include "job.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

double peak_megabytes() {
#ifdef __linux__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
#else
    return 0;
#endif
}

struct Timing {
    double seconds = 0, cpu_seconds = 0;
    std::string result;
    bool written = false;
};

// output_megabytes: set to the size of the NC program and the listing.
Timing post_process(const std::filesystem::path& folder, bool check, double* output_megabytes) {
    std::ofstream(folder / "MILL5X.pptable", std::ios::binary)
        << "PIVOT_DISTANCE = 150\nC_MIN = -99999\nC_MAX = 99999\nCHECK = " << (check ? "YES" : "NO")
        << "\n";
    const std::clock_t cpu_start = std::clock();
    const auto start = std::chrono::steady_clock::now();
    const mill5x::JobOutcome outcome =
        mill5x::run_job(folder / "BENCH.APT", "BENCH", folder / "MILL5X.pptable");
    Timing timing;
    timing.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    timing.cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    timing.written = outcome.complete;
    if (output_megabytes)
        *output_megabytes = static_cast<double>(std::filesystem::file_size(folder / "BENCH.NC1") +
                                                std::filesystem::file_size(folder / "BENCH.NCL")) /
                            1e6;
    std::ifstream status(folder / "BENCH.NCS");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Result:") || line.starts_with("Points inserted:") ||
            line.starts_with("Check:"))
            timing.result += "  " + line.substr(0, line.find_last_not_of('\r') + 1) + "\n";
    status.close();
    // Each run starts as a first run does, without the outputs of the one before.
    for (const char* output : {"BENCH.NC1", "BENCH.NCL", "BENCH.NCS"})
        std::filesystem::remove(folder / output);
    return timing;
}

} // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::atoi(argv[1]) : 1000000;
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "mill5x_bench";
    fs::create_directories(folder);
    mill5x::bench::write_cl_file(folder / "BENCH.APT", moves);
    const double cl_megabytes = static_cast<double>(fs::file_size(folder / "BENCH.APT")) / 1e6;
    const double memory_before = peak_megabytes();

    const Timing checked = post_process(folder, true, nullptr);
    double output_megabytes = 0;
    const Timing unchecked = post_process(folder, false, &output_megabytes);
    fs::remove_all(folder);
    std::printf("%d GOTO records, a CL file of %.1f MB, %.1f MB of NC program and listing\n%s"
                "with the check:    %.3f s (%.3f s of processor time)\n"
                "without the check: %.3f s (%.3f s of processor time)\n"
                "peak memory %.1f MB (%.1f MB before the runs)\n",
                moves, cl_megabytes, output_megabytes, checked.result.c_str(), checked.seconds,
                checked.cpu_seconds, unchecked.seconds, unchecked.cpu_seconds, peak_megabytes(),
                memory_before);
    const bool fast = checked.seconds < 1.5 && unchecked.seconds < 0.7;
    return checked.written && unchecked.written && fast ? 0 : 1;
}
