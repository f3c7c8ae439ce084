// The picture of a million-block five-axis NC program: the CL file of MILL5X's benchmark
// (1,000,000 five-axis GOTO records) post-processed by MILL5X for a HEAD_BC head, then read
// into a picture with the same settings and drawn at the fit, at 10 and 1000 times about the
// middle and after a pan. Prints each time and the memory a block (the growth of the peak
// resident memory and the plot's own count), and fails (exit code 1) beyond the goals: the
// first picture (reading and the first display list) within 1.5 s, each display list within
// 50 ms, less than 100 bytes a block. Build it in a Release configuration.

#include "benchmark_cl_file.h"
#include "display_list.h"
#include "job.h"
#include "load.h"
#include "machine/settings.h"
#include "setup_notes.h"
#include "status_texts.h"
#include "view.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr const char* settings_text = "PIVOT_DISTANCE = 150\nC_MIN = -99999\nC_MAX = 99999\n"
                                      "CHECK = NO\n";

bool make_nc_program(const fs::path& folder, int moves) {
    mill5x::bench::write_cl_file(folder / "BENCH.APT", moves);
    std::ofstream(folder / "MILL5X.pptable", std::ios::binary) << settings_text;
    return mill5x::run_job(folder / "BENCH.APT", "BENCH", folder / "MILL5X.pptable").complete;
}

// Made in a process of its own where there is fork, so that the post-processor's memory is
// not counted as the picture's.
bool make_nc_program_apart(const fs::path& folder, int moves) {
#ifdef __linux__
    const pid_t child = fork();
    if (child == 0) _exit(make_nc_program(folder, moves) ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
#else
    return make_nc_program(folder, moves);
#endif
}

double peak_bytes() {
#ifdef __linux__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024.0;
#else
    return 0;
#endif
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(fs::file_size(path), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

struct Timed {
    double seconds = 0, cpu_seconds = 0;
    std::size_t points = 0, polylines = 0;
};

// The median of five builds, in time and in processor time.
Timed time_list(const backplot::Plot& plot, const backplot::View& view,
                const backplot::Viewport& viewport, const backplot::DisplayOptions& options) {
    std::vector<double> seconds, cpu_seconds;
    Timed timed;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpu_start = std::clock();
        const backplot::DisplayList list =
            backplot::build_display_list(plot, view, viewport, options);
        cpu_seconds.push_back(static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC);
        seconds.push_back(seconds_since(start));
        timed.points = list.points.size();
        timed.polylines = list.polylines.size();
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(cpu_seconds.begin(), cpu_seconds.end());
    timed.seconds = seconds[2];
    timed.cpu_seconds = cpu_seconds[2];
    return timed;
}

} // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const fs::path folder = fs::temp_directory_path() / "backplot_bench";
    fs::create_directories(folder);
    if (!make_nc_program_apart(folder, moves)) {
        std::printf("MILL5X could not make the NC program\n");
        return 1;
    }
    const machine::Settings settings = machine::read_settings(settings_text);
    const double peak_before = peak_bytes();

    // The first picture, as the window makes it: the file read, its notes, the plot, the fit.
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu_start = std::clock();
    std::string bytes = read_file(folder / "BENCH.NC1");
    const double file_seconds = seconds_since(start);
    const std::size_t file_bytes = bytes.size();
    const backplot::SetupNotes notes = backplot::read_setup_notes(bytes);
    const backplot::Plot plot = backplot::load_plot(std::move(bytes), {&settings, ".NC1"});
    const double read_seconds = seconds_since(start);
    const backplot::Viewport viewport{1000, 700};
    backplot::View view(backplot::Orientation::isometric);
    view.fit(plot.box(), viewport);
    const backplot::DisplayList first = backplot::build_display_list(plot, view, viewport);
    const double first_seconds = seconds_since(start);
    const double first_cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    const double peak_growth = peak_bytes() - peak_before;
    fs::remove_all(folder);

    const double blocks = static_cast<double>(plot.line_count());
    std::printf("%.0f blocks (%.1f MB), %zu moves, machine %s, settings %s\n", blocks,
                file_bytes / 1e6, plot.move_count(), notes.machine.value_or("?").c_str(),
                notes.settings_file.value_or("?").c_str());
    std::printf("status: %s | %s | %s\n", backplot::extents_text(plot).c_str(),
                backplot::motion_text(plot).c_str(), backplot::warnings_text(plot).c_str());
    std::printf("read into a picture:  %.3f s (%.3f s of it reading the file)\n", read_seconds,
                file_seconds);
    std::printf("first picture:        %.3f s, %.3f s of processor time (%zu points in %zu "
                "polylines)\n",
                first_seconds, first_cpu_seconds, first.points.size(), first.polylines.size());

    // Zoomed about the middle of the program, where the path is (the middle of the viewport
    // lies inside the ring the path runs round, where nothing is drawn).
    backplot::DisplayOptions options;
    options.chosen = plot.move_count() / 2;
    const backplot::Pixel middle = view.project(plot.move(*options.chosen).end_point());
    struct Case {
        const char* name;
        backplot::View view;
    };
    std::vector<Case> cases;
    cases.push_back({"fit", view});
    backplot::View zoomed = view;
    zoomed.zoom(10, middle);
    cases.push_back({"10x", zoomed});
    backplot::View panned = zoomed;
    panned.pan(300, -200);
    cases.push_back({"10x, panned", panned});
    backplot::View close = view;
    close.zoom(1000, middle);
    cases.push_back({"1000x", close});
    backplot::View top(backplot::Orientation::top);
    top.fit(plot.box(), viewport);
    cases.push_back({"top, fit", top});
    double slowest = 0;
    for (const Case& c : cases) {
        const Timed timed = time_list(plot, c.view, viewport, options);
        slowest = std::max(slowest, timed.seconds);
        std::printf("display list %-12s %6.1f ms, %5.1f ms of processor time (%zu points in %zu "
                    "polylines)\n",
                    c.name, timed.seconds * 1000, timed.cpu_seconds * 1000, timed.points,
                    timed.polylines);
    }

    const double held = static_cast<double>(plot.bytes_held()) / blocks;
    const double resident = peak_growth / blocks;
    std::printf("memory a block: %.1f bytes held by the plot, %.1f bytes of peak resident "
                "growth\n",
                held, resident);
    const bool fast = first_seconds < 1.5 && slowest < 0.05;
    const bool small = held < 100 && (resident == 0 || resident < 100);
    return fast && small ? 0 : 1;
}
