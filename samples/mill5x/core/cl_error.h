#pragma once
// A fault in the CL input: it stops the post-processing at the statement that caused it.

#include <stdexcept>
#include <string>

namespace mill5x {

class ClError : public std::runtime_error {
public:
    explicit ClError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace mill5x
