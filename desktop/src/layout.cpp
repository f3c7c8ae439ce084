// The resizable layout: each control follows the client area's size as its row's Follow says,
// and the window is not made smaller than the design allows.

#include "form_parts.h"

#include <algorithm>
#include <cmath>

namespace desktop {

using namespace detail;

namespace {

bool follows(const Follow& follow) {
    return follow.left != 0 || follow.top != 0 || follow.right != 0 || follow.bottom != 0;
}

int moved(LONG edge, double share, int change) {
    return static_cast<int>(edge + std::lround(share * change));
}

} // namespace

void Form::follow_client_size() {
    RECT client;
    if (!window_ || !GetClientRect(window_, &client) || IsIconic(window_)) return;
    const int wider = to_twips(client.right) - design_.client_width;
    const int taller = to_twips(client.bottom) - design_.client_height;
    for (Placed& placed : controls_) {
        const Follow& follow = placed.row->follow;
        if (!follows(follow)) continue;
        const RECT& designed = placed.designed;
        RECT twips{moved(designed.left, follow.left, wider),
                   moved(designed.top, follow.top, taller),
                   moved(designed.right, follow.right, wider),
                   moved(designed.bottom, follow.bottom, taller)};
        // A window smaller than the design leaves a control empty, never turned inside out.
        twips.right = std::max(twips.right, twips.left);
        twips.bottom = std::max(twips.bottom, twips.top);
        if (EqualRect(&placed.twips, &twips)) continue;
        placed.twips = twips;
        place(placed);
    }
}

void Form::limit_size(MINMAXINFO& limits) const {
    if (design_.min_client_width <= 0 && design_.min_client_height <= 0) return;
    RECT outer{0, 0, to_pixels(design_.min_client_width), to_pixels(design_.min_client_height)};
    AdjustWindowRectExForDpi(&outer, window_style_of(design_), menu_ != nullptr, 0, dpi_);
    limits.ptMinTrackSize.x = std::max<LONG>(limits.ptMinTrackSize.x, outer.right - outer.left);
    limits.ptMinTrackSize.y = std::max<LONG>(limits.ptMinTrackSize.y, outer.bottom - outer.top);
}

} // namespace desktop
