// SPDX-License-Identifier: MIT
// Which of the two promotional links the start-up draw brings to the front.
#pragma once

#include <algorithm>

namespace Zentrova {

enum class BrandBanner { CoBranding, FullBranding };

// draw, in [0, 1), throws a six-sided die: an even number brings the
// full-branding link, an odd one the co-branding link.
constexpr BrandBanner brandBannerFor(double draw)
{
    // Clamped so that a source that strays to 1.0 still throws a face that exists.
    const int thrown = std::clamp(int(draw * 6) + 1, 1, 6);
    return thrown % 2 == 0 ? BrandBanner::FullBranding : BrandBanner::CoBranding;
}

} // namespace Zentrova
