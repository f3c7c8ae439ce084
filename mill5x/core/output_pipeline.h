#pragma once
// The outputs of a run are written, and the NC program checked, on a thread of their own
// while the next records are post-processed: on a machine with two cores a run takes the
// longer of the two instead of their sum. The records' texts go over in chunks, a few at a
// time, so memory still does not grow with the file.

#include "expectation.h"
#include "output_check.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace mill5x {

class OutputPipeline {
public:
    // check may be null: nothing is checked.
    OutputPipeline(std::ostream& nc_program, std::ostream& listing, OutputCheck* check);
    ~OutputPipeline();

    // One CL statement: its line of the listing, its blocks (as BlockWriter's tokens) with
    // what they must do (checked unless the statement stopped the run), and the listing's
    // lines after them (warnings).
    void add(std::string_view record, std::string_view blocks, std::vector<Expectation>& expected,
             bool checked, std::string_view after);
    // Writes and checks what is left, and waits until that is done.
    void finish();

private:
    struct Statement {
        std::size_t record_end, blocks_end, after_end, expected_end;
        bool checked;
    };
    struct Chunk {
        std::string listing, blocks; // the statements' texts one after the other
        std::vector<Expectation> expected;
        std::vector<Statement> statements;
    };
    void hand_over();
    void run();
    void write(const Chunk& chunk);

    std::ostream& nc_program_;
    std::ostream& listing_;
    OutputCheck* check_;
    Chunk filling_;
    std::string listed_, program_; // the thread's texts not yet written

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Chunk> queue_;
    std::vector<Chunk> spare_; // written chunks, whose memory the next ones take over
    bool finishing_ = false;
    std::exception_ptr failure_; // what stopped the thread
    std::thread thread_;
};

} // namespace mill5x
