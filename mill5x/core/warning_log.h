#pragma once
// The warnings of a run, each message once with the line it first appeared on and how often
// it came: a file of millions of records that repeats a warning keeps one entry. Beyond
// max_distinct different messages only the count grows.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mill5x {

struct Warning {
    std::int64_t line = 0; // the first CL line it came on
    std::string message;
    std::int64_t count = 1;
};

class WarningLog {
public:
    static constexpr std::size_t max_distinct = 200;

    void add(std::int64_t line, std::string_view message);

    const std::vector<Warning>& distinct() const { return distinct_; }
    std::int64_t total() const { return total_; }
    std::int64_t unlisted() const { return unlisted_; } // beyond max_distinct

private:
    std::vector<Warning> distinct_;
    std::unordered_map<std::string, std::size_t> index_;
    std::int64_t total_ = 0;
    std::int64_t unlisted_ = 0;
};

} // namespace mill5x
