// The shipped sample CL files post-processed with the shipped settings, against the outputs
// that were read through by hand once (tests/golden). MILL5X_UPDATE_GOLDEN=1 writes them
// anew, to be read through again before they are committed.

#include "postprocessor.h"
#include "status_report.h"

#include "machine/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace mill5x {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(Golden, EverySampleGivesItsReviewedProgramAndStatus) {
    const fs::path samples = MILL5X_SAMPLES_DIR, golden = MILL5X_GOLDEN_DIR;
    const machine::Settings settings =
        machine::read_settings(read(samples / "post-processors" / "MILL5X.pptable"));
    const bool update = std::getenv("MILL5X_UPDATE_GOLDEN") != nullptr;
    int samples_seen = 0;
    for (const auto& entry : fs::directory_iterator(samples / "workspace" / "JOBS" / "DEMO")) {
        if (entry.path().extension() != ".APT") continue;
        ++samples_seen;
        const std::string name = entry.path().stem().string();
        const PostText result = post_process(read(entry.path()), settings, name + ".APT");
        EXPECT_FALSE(result.failed()) << name;
        const std::pair<std::string, std::string> outputs[] = {
            {name + ".NC1", result.nc_program},
            {name + ".NCS",
             status_report(result, settings, {name + ".APT", name + ".NC1", "MILL5X.pptable"})}};
        for (const auto& [file, text] : outputs) {
            if (update) std::ofstream(golden / file, std::ios::binary) << text;
            EXPECT_EQ(text, read(golden / file)) << file;
        }
    }
    EXPECT_EQ(samples_seen, 4);
}

// The five-axis sample on each of the shipped machines: complete, checked, and named.
TEST(Golden, EveryShippedMachineCutsTheFiveAxisSample) {
    const fs::path samples = MILL5X_SAMPLES_DIR;
    const std::string blade = read(samples / "workspace" / "JOBS" / "DEMO" / "BLADE5X.APT");
    for (const char* name : {"MILL5X", "TRUNNION", "HEADTABLE"}) {
        const machine::Settings settings = machine::read_settings(
            read(samples / "post-processors" / (std::string(name) + ".pptable")));
        const PostText result = post_process(blade, settings, "BLADE5X.APT");
        EXPECT_FALSE(result.failed()) << name << "\n" << result.listing;
        ASSERT_TRUE(result.check) << name;
        EXPECT_EQ(result.check->positions, 31) << name;
        EXPECT_NE(result.nc_program.find(
                      "(MACHINE " + std::string(machine::kind_name(settings.kinematics)) + ")\r\n"),
                  std::string::npos)
            << name;
    }
}

} // namespace
} // namespace mill5x
