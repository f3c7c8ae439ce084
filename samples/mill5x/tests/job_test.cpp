#include "job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace mill5x {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class Job : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    const fs::path folder =
        fs::temp_directory_path() /
        ("mill5x_job_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
};

// With the shipped machine settings: pivot distance 150 and tool length 100 lift Z by 250.
TEST_F(Job, WritesTheProgramListingAndStatusNextToTheClFile) {
    fs::copy_file(MILL5X_SAMPLES_DIR "/mill5x/MILL5X.pptable", folder / "MILL5X.pptable");
    write("PART.V2.APT", "FROM/0,0,0\nFEDRAT/100\nGOTO/1,0,0\nGOTO/1,0,0,0,0,0\nFINI\n");
    const JobOutcome outcome =
        run_job(folder / "PART.V2.APT", "PART.V2", folder / "MILL5X.pptable");
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.failure, "");
    EXPECT_EQ(read(folder / "PART.V2.NC1"), "%\r\n(MILL5X PART.V2.APT)\r\nN10 G90 G94 G17 G21\r\n"
                                            "N20 G0 X0. Y0. Z250. B0. C0.\r\nN30 G1 X1. F100.\r\n");
    EXPECT_NE(read(folder / "PART.V2.NCL").find("*** error: the tool axis 0, 0, 0"),
              std::string::npos);
    const std::string status = read(folder / "PART.V2.NCS");
    EXPECT_NE(status.find("Result:          STOPPED at CL line 4: the NC program is incomplete\r\n"
                          "NC program:      PART.V2.NC1\r\n"),
              std::string::npos)
        << status;
}

TEST_F(Job, ARunThatCannotStartSaysWhyInTheStatus) {
    write("A.APT", "FINI\n");
    const struct {
        const char* settings; // nullptr: no settings file
        const char* cl_name;  // "": no CL file chosen, the CL path is the folder itself
        const char* failure;
    } cases[] = {
        {nullptr, "A.APT", "cannot read the machine settings "},
        {"# machine\nUNITS = MM\nSPEED = 3\n", "A.APT",
         "MILL5X.pptable, line 3: unknown key 'SPEED'"},
        {"", "MISSING.APT", "cannot read the CL file "},
        {"", "", "no CL file was chosen: "},
    };
    for (const auto& c : cases) {
        fs::remove(folder / "MILL5X.pptable");
        if (c.settings) write("MILL5X.pptable", c.settings);
        const fs::path base = fs::path(c.cl_name).stem();
        const JobOutcome outcome = run_job(folder / c.cl_name, base, folder / "MILL5X.pptable");
        EXPECT_FALSE(outcome.ran) << c.failure;
        EXPECT_NE(outcome.failure.find(c.failure), std::string::npos) << outcome.failure;
        const fs::path status = folder / (base.string() + ".NCS");
        if (base.empty())
            EXPECT_FALSE(fs::exists(status));
        else
            EXPECT_NE(read(status).find("FAILED: nothing was post-processed\r\nErrors:          "
                                        "1\r\n\r\nerror: " +
                                        outcome.failure + "\r\n"),
                      std::string::npos)
                << read(status);
        EXPECT_FALSE(fs::exists(folder / (base.string() + ".NC1")));
    }
}

// The outputs are written beside their places and put there only when all three are whole.
TEST_F(Job, AFailedWriteLeavesThePreviousOutputs) {
    fs::copy_file(MILL5X_SAMPLES_DIR "/mill5x/MILL5X.pptable", folder / "MILL5X.pptable");
    write("A.APT", "FROM/0,0,0\nFINI\n");
    for (const char* output : {"A.NC1", "A.NCL", "A.NCS"})
        write(output, "previous");
    fs::create_directories(folder / "A.NCL.tmp" / "in the way");
    const JobOutcome outcome = run_job(folder / "A.APT", "A", folder / "MILL5X.pptable");
    EXPECT_EQ(outcome.failure, "cannot write " + (folder / "A.NCL").string());
    for (const char* output : {"A.NC1", "A.NCL", "A.NCS"})
        EXPECT_EQ(read(folder / output), "previous") << output;
    EXPECT_FALSE(fs::exists(folder / "A.NC1.tmp"));
}

} // namespace
} // namespace mill5x
