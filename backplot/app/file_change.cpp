#include "file_change.h"

namespace backplot {

bool FileChange::look(const FileStamp& now) {
    const bool settled = now == seen_;
    seen_ = now;
    return now.exists && now != read_ && settled;
}

} // namespace backplot
