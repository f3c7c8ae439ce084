#include "job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace mill5x {
namespace {

namespace fs = std::filesystem;

class Job : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("mill5x_job_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) {
        std::ifstream file(folder / name, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path folder;
};

TEST_F(Job, WritesTheProgramListingAndStatusNextToTheClFile) {
    write("MILL5X.pptable", "PIVOT_DISTANCE = 100\n");
    write("PART.V2.APT", "FROM/0,0,0\nFEDRAT/100\nGOTO/1,0,0\nGOTO/1,0,0,0,0,0\nFINI\n");
    const JobOutcome outcome =
        run_job(folder / "PART.V2.APT", "PART.V2", folder / "MILL5X.pptable");
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.failure, "");
    EXPECT_EQ(read("PART.V2.NC1"), "%\r\n(MILL5X PART.V2.APT)\r\nN10 G90 G94 G17 G21\r\n"
                                   "N20 G0 X0. Y0. Z100. B0. C0.\r\nN30 G1 X1. F100.\r\n");
    EXPECT_NE(read("PART.V2.NCL")
                  .find("     4  GOTO/1,0,0,0,0,0\r\n          *** error: the tool "
                        "axis 0, 0, 0 has no direction - the NC program stops here"),
              std::string::npos);
    const std::string status = read("PART.V2.NCS");
    EXPECT_NE(status.find("Result:          STOPPED at CL line 4: the NC program is incomplete\r\n"
                          "NC program:      PART.V2.NC1\r\n"),
              std::string::npos)
        << status;
    EXPECT_NE(status.find("Errors:          1\r\n\r\nline 4: error: the tool axis 0, 0, 0 has no "
                          "direction\r\n"),
              std::string::npos)
        << status;
}

TEST_F(Job, ARunThatCannotStartSaysWhyInTheStatus) {
    write("A.APT", "FINI\n");
    JobOutcome outcome = run_job(folder / "A.APT", "A", folder / "MILL5X.pptable");
    EXPECT_FALSE(outcome.ran);
    EXPECT_EQ(outcome.failure.rfind("cannot read the machine settings ", 0), 0u);
    EXPECT_NE(read("A.NCS").find("FAILED: nothing was post-processed"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "A.NC1"));

    write("MILL5X.pptable", "# machine\nUNITS = MM\nSPEED = 3\n");
    outcome = run_job(folder / "A.APT", "A", folder / "MILL5X.pptable");
    EXPECT_FALSE(outcome.ran);
    EXPECT_NE(outcome.failure.find("MILL5X.pptable, line 3: unknown key 'SPEED'"),
              std::string::npos)
        << outcome.failure;

    write("MILL5X.pptable", "");
    outcome = run_job(folder / "MISSING.APT", "MISSING", folder / "MILL5X.pptable");
    EXPECT_FALSE(outcome.ran);
    EXPECT_EQ(outcome.failure.rfind("cannot read the CL file ", 0), 0u);
    EXPECT_NE(read("MISSING.NCS").find("error: cannot read the CL file"), std::string::npos);

    // No CL file chosen in the workbench: the CL path is the folder itself.
    outcome = run_job(folder / "", "", folder / "MILL5X.pptable");
    EXPECT_FALSE(outcome.ran);
    EXPECT_EQ(outcome.failure.rfind("no CL file was chosen: ", 0), 0u) << outcome.failure;
    EXPECT_FALSE(fs::exists(folder / ".NCS"));
}

} // namespace
} // namespace mill5x
