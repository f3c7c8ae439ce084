#include "warning_log.h"

namespace mill5x {

void WarningLog::add(std::int64_t line, std::string_view message) {
    ++total_;
    const std::string key(message);
    if (const auto found = index_.find(key); found != index_.end()) {
        ++distinct_[found->second].count;
        return;
    }
    if (distinct_.size() == max_distinct) {
        ++unlisted_;
        return;
    }
    index_.emplace(key, distinct_.size());
    distinct_.push_back({line, key, 1});
}

} // namespace mill5x
