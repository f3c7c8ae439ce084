#include "job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

namespace mill5x {
namespace {

namespace fs = std::filesystem;

class Job : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        fs::copy_file(MILL5X_SAMPLES_DIR "/post-processors/MILL5X.pptable", settings);
    }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) {
        std::ifstream file(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    const fs::path folder =
        fs::temp_directory_path() /
        ("mill5x_job_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    const fs::path settings = folder / "MILL5X.pptable";
};

// A run that stops keeps its program apart as base.NC1.FAILED and takes away the program of
// the run before, which no longer belongs to the CL file; a good run puts base.NC1 back.
// The outputs are written beside their places and put there only when all three are whole:
// a run that cannot write its listing leaves those of the run before.
TEST_F(Job, WritesTheProgramListingAndStatusNextToTheClFile) {
    write("PART.V2.APT", "FEDRAT/100\nFROM/0,0,0\nGOTO/1,0,0\nFINI\n");
    JobOutcome outcome = run_job(folder / "PART.V2.APT", "PART.V2", settings);
    EXPECT_TRUE(outcome.complete && outcome.failure.empty()) << outcome.failure;
    EXPECT_TRUE(read("PART.V2.NC1").ends_with("N90 M30\r\n%\r\n")) << read("PART.V2.NC1");

    write("PART.V2.APT", "FROM/0,0,0\nGOTO/1,0,0\nFINI\n");
    outcome = run_job(folder / "PART.V2.APT", "PART.V2", settings);
    EXPECT_TRUE(outcome.ran && !outcome.complete && outcome.failure.empty());
    EXPECT_FALSE(fs::exists(folder / "PART.V2.NC1"));
    const std::string outputs[] = {read("PART.V2.NC1.FAILED"), read("PART.V2.NCL"),
                                   read("PART.V2.NCS")};
    EXPECT_TRUE(outputs[0].ends_with("N40 Z250.\r\n")) << outputs[0];
    EXPECT_NE(outputs[1].find("*** error: no feed rate for this cutting move: FEDRAT is missing"),
              std::string::npos);
    EXPECT_NE(outputs[2].find("Result:          STOPPED at CL line 2: the NC program is "
                              "incomplete\r\nNC program:      PART.V2.NC1.FAILED (kept apart"),
              std::string::npos)
        << outputs[2];

    write("PART.V2.APT", "FINI\n");
    fs::create_directories(folder / "PART.V2.NCL.tmp" / "in the way");
    EXPECT_EQ(run_job(folder / "PART.V2.APT", "PART.V2", settings).failure,
              "cannot write " + (folder / "PART.V2.NCL").string());
    for (int i = 0; const char* output : {"PART.V2.NC1.FAILED", "PART.V2.NCL", "PART.V2.NCS"})
        EXPECT_EQ(read(output), outputs[i++]) << output;
    EXPECT_FALSE(fs::exists(folder / "PART.V2.NC1.tmp"));
    EXPECT_FALSE(fs::exists(folder / "PART.V2.NC1.body.tmp"));
}

// Settings missing or wrong, a CL file missing, or none chosen (the CL path is the folder).
TEST_F(Job, ARunThatCannotStartSaysWhyInTheStatus) {
    write("A.APT", "FINI\n");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {nullptr, "A.APT", "cannot read the machine settings "},
        {"# machine\nUNITS = MM\nSPEED = 3\n", "A.APT",
         "MILL5X.pptable, line 3: unknown key 'SPEED'"},
        {"", "MISSING.APT", "cannot read the CL file "},
        {"", "", "no CL file was chosen: "},
    };
    for (const auto& [settings_text, cl_name, failure] : cases) {
        fs::remove(settings);
        if (settings_text) write("MILL5X.pptable", settings_text);
        const std::string base = fs::path(cl_name).stem().string();
        const JobOutcome outcome = run_job(folder / cl_name, base, settings);
        EXPECT_TRUE(!outcome.ran && outcome.failure.find(failure) != std::string::npos)
            << outcome.failure;
        const std::string status = read(base + ".NCS");
        EXPECT_EQ(status.empty(), base.empty()) << status; // no nameless status file
        EXPECT_TRUE(base.empty() || status.ends_with("FAILED: nothing was post-processed\r\n"
                                                     "Errors:          1\r\n\r\nerror: " +
                                                     outcome.failure + "\r\n"))
            << status;
        EXPECT_FALSE(fs::exists(folder / (base + ".NC1")));
    }
}

} // namespace
} // namespace mill5x
