#pragma once
// A fault in the CL input: it stops the post-processing at the statement that caused it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cl {

class Error : public std::runtime_error {
public:
    // line: where the fault lies when it is not the statement being post-processed (0).
    explicit Error(const std::string& message, std::int64_t line = 0)
        : std::runtime_error(message), line_(line) {}
    std::int64_t line() const { return line_; }

private:
    std::int64_t line_;
};

} // namespace cl
