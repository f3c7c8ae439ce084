#pragma once
// The Backplot window: the picture of an NC program or CL file, its text beside it and the
// status bar; the file is watched and read again when it changes on disk.

#include "app/file_change.h"
#include "app/picture.h"
#include "win/picture_painter.h"

#include <desktop/form.h>
#include <desktop/timer.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace backplot::win {

// What the window posts itself: open the file it was started with, once it is shown.
inline constexpr UINT open_first_file_message = WM_APP + 1;

class BackplotWindow : public desktop::Form {
public:
    static constexpr std::wstring_view caption = L"Backplot";

    // The window, which opens `path` (when given) as soon as it is shown.
    explicit BackplotWindow(std::wstring path = {});

    const Picture& picture() const { return picture_; }
    const std::wstring& path() const { return path_; } // the file shown, or empty

    // Reads the file and shows it. `again`: the open file read again after it changed on disk,
    // its view and chosen line kept, a failure to read it waited out in silence.
    void open(const std::wstring& path, bool again = false);

private:
    void connect();
    void list_choice_changed(const NMHDR& header);
    void mouse(const desktop::MouseEvent& event);
    bool key(UINT key);
    void paint(HDC dc, SIZE size);
    void orient(Orientation orientation);
    void fit();
    void go_to();
    void open_chosen_file();
    void choose_settings_file();
    void show_warnings() const;
    void watch_tick();
    void show_status();
    void show_view_choice();
    void picture_changed();
    std::wstring failure_text(const std::wstring& path, const std::wstring& reason) const;

    std::wstring path_;         // the file shown
    std::wstring waiting_path_; // the file the window was started with, until it is read
    std::optional<std::wstring> settings_file_; // chosen by the user for the open file
    Picture picture_;
    // A move chosen by a click, kept while its line is the chosen line: a line may hold more
    // than one move, and the line alone names its last.
    std::optional<std::size_t> clicked_move_;
    PicturePainter painter_;
    FileChange change_;
    desktop::Timer watch_;
};

} // namespace backplot::win
