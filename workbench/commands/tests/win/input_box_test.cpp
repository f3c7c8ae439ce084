// The input box of the real Shell, answered by a timer that runs inside its modal loop the
// way a user or an automation tool would act on it.

#include "commands/win/input_box.h"

#include "window_testing.h"

#include <gtest/gtest.h>

#include <functional>

namespace workbench {
namespace {

using desktop::testing::text_of;

// Acts on the dialog the test opens next, from within its modal loop; true once it has.
std::function<bool()> pending_action;

void CALLBACK on_timer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pending_action && pending_action()) KillTimer(nullptr, timer);
}

TEST(InputBox, GivesTheTypedTextOnOkAndNothingOnCancel) {
    const struct {
        const wchar_t* typed;
        int button;
        const wchar_t* result;
    } cases[] = {{L" mill 5x ", IDOK, L" mill 5x "}, {L"mill5x", IDCANCEL, L""}};
    for (const auto& c : cases) {
        std::wstring seen_prompt, initial_field;
        pending_action = [&] {
            const HWND dialog = FindWindowW(L"#32770", L"Install PostProcessor");
            if (!dialog) return false;
            seen_prompt = text_of(GetDlgItem(dialog, input_box_prompt_id));
            const HWND field = GetDlgItem(dialog, input_box_field_id);
            initial_field = text_of(field);
            SetWindowTextW(field, c.typed);
            SendMessageW(GetDlgItem(dialog, c.button), BM_CLICK, 0, 0);
            return true;
        };
        SetTimer(nullptr, 0, 50, on_timer);
        const auto result =
            input_box(nullptr, L"Enter PostProcessor name", L"Install PostProcessor");
        EXPECT_EQ((std::vector{result, seen_prompt, initial_field}),
                  (std::vector<std::wstring>{c.result, L"Enter PostProcessor name", L""}));
    }
}

} // namespace
} // namespace workbench
