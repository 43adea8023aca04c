// The plain colours the views paint with (COLORREF: blue in the high byte).
#pragma once

#include <windows.h>

namespace hoshikura {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kDarkGreen = 0x008000;
constexpr COLORREF kVersionRed = 0x0000F0;   // the version number
constexpr COLORREF kTitleRed = 0x0000E1;     // the features window's title

// A number of this luck class is written blue when lucky, red when unlucky,
// black otherwise.
constexpr COLORREF LuckColour(int luckClass) {
    return luckClass >= 1 ? kBlue : luckClass <= -1 ? kRed : kBlack;
}

}  // namespace hoshikura
