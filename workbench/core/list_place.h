#pragma once
// Where a list read again shows the user's place: a pane's list is read again whenever its
// folder changes on disk, and must not jump back to its top under the user's eyes, nor leave
// the highlight on another item, which the next double-click would open.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace workbench {

// What the user sees of a list: the highlighted item and the item at the top, by index.
struct ListPlace {
    std::optional<std::size_t> highlighted;
    std::size_t top = 0;

    friend bool operator==(const ListPlace&, const ListPlace&) = default;
};

// The place in `after` that keeps `place` of `before`, items known by their keys: the
// highlighted item where it is now, none when it is gone; the top item where it is now,
// else the first item after it that is still there, else the end of the list.
ListPlace kept_place(const std::vector<std::wstring>& before, const ListPlace& place,
                     const std::vector<std::wstring>& after);

} // namespace workbench
