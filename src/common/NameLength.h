// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pulsadrome {

// The longest name a child may type: in the new-player form and the menu's name boxes alike.
inline constexpr int kMaxNameLength = 40;

} // namespace pulsadrome
