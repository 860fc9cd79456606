// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <algorithm>

namespace pulsadrome::ui {

// Screens are laid out in a logical 800 x 600 space; positions are given in twips, 15 to a
// logical pixel, and scaled up on larger screens (never down).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr QSize kLogicalScreen{800, 600};

constexpr double twipsToLogical(int twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

inline double screenScale(QSize screen) {
    const double scale = std::min(static_cast<double>(screen.width()) / kLogicalScreen.width(),
                                  static_cast<double>(screen.height()) / kLogicalScreen.height());
    return std::max(1.0, scale);
}

// A rectangle given in twips, in device pixels at `scale`.
inline QRect twipsRect(int left, int top, int width, int height, double scale) {
    const auto px = [scale](int twips) {
        return static_cast<int>(twipsToLogical(twips) * scale + 0.5);
    };
    return {px(left), px(top), px(width), px(height)};
}

} // namespace pulsadrome::ui
