#include "output_pipeline.h"

#include "block_writer.h"

#include <span>

namespace mill5x {

namespace {

constexpr std::size_t chunk_size = 1 << 18; // characters of text
constexpr std::size_t chunks_waiting = 4;
constexpr std::string_view indent = "          ";

} // namespace

OutputPipeline::OutputPipeline(std::ostream& nc_program, std::ostream& listing, OutputCheck* check)
    : nc_program_(nc_program), listing_(listing), check_(check), thread_([this] { run(); }) {}

OutputPipeline::~OutputPipeline() {
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void OutputPipeline::add(std::string_view record, std::string_view blocks,
                         std::vector<Expectation>& expected, bool checked, std::string_view after) {
    Chunk& chunk = filling_;
    chunk.listing += record;
    const std::size_t record_end = chunk.listing.size();
    chunk.listing += after;
    chunk.blocks += blocks;
    chunk.expected.insert(chunk.expected.end(), expected.begin(), expected.end());
    expected.clear();
    chunk.statements.push_back(
        {record_end, chunk.blocks.size(), chunk.listing.size(), chunk.expected.size(), checked});
    if (chunk.listing.size() + chunk.blocks.size() > chunk_size) hand_over();
}

void OutputPipeline::hand_over() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return queue_.size() < chunks_waiting || failure_; });
    queue_.push_back(std::move(filling_));
    // Fresh memory costs a page fault a page: the chunks go round instead.
    if (spare_.empty()) {
        filling_ = Chunk{};
    } else {
        filling_ = std::move(spare_.back());
        spare_.pop_back();
    }
    lock.unlock();
    changed_.notify_all();
}

void OutputPipeline::finish() {
    hand_over();
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
    }
    changed_.notify_all();
    thread_.join();
    if (failure_) std::rethrow_exception(failure_);
}

void OutputPipeline::run() {
    try {
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !queue_.empty() || finishing_; });
            if (queue_.empty()) break;
            Chunk chunk = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            changed_.notify_all();
            write(chunk);
            chunk.listing.clear();
            chunk.blocks.clear();
            chunk.expected.clear();
            chunk.statements.clear();
            lock.lock();
            spare_.push_back(std::move(chunk));
        }
        listing_.write(listed_.data(), static_cast<std::streamsize>(listed_.size()));
    } catch (...) {
        std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
        changed_.notify_all();
    }
}

void OutputPipeline::write(const Chunk& chunk) {
    std::size_t listing_start = 0, blocks_start = 0, expected_start = 0;
    const std::string_view listing = chunk.listing, blocks = chunk.blocks;
    for (const Statement& statement : chunk.statements) {
        listed_ += listing.substr(listing_start, statement.record_end - listing_start);
        const std::size_t text_start = program_.size();
        BlockWriter::render(blocks.substr(blocks_start, statement.blocks_end - blocks_start),
                            program_);
        std::string_view lines = std::string_view(program_).substr(text_start);
        if (check_ && statement.checked)
            check_->check(lines,
                          std::span(chunk.expected)
                              .subspan(expected_start, statement.expected_end - expected_start));
        for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;
             lines.remove_prefix(end + 1)) {
            listed_ += indent;
            listed_.append(lines.data(), end + 1);
        }
        listed_ += listing.substr(statement.record_end, statement.after_end - statement.record_end);
        listing_start = statement.after_end;
        blocks_start = statement.blocks_end;
        expected_start = statement.expected_end;
    }
    nc_program_.write(program_.data(), static_cast<std::streamsize>(program_.size()));
    program_.clear();
    listing_.write(listed_.data(), static_cast<std::streamsize>(listed_.size()));
    listed_.clear();
}

} // namespace mill5x
