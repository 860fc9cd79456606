// SPDX-License-Identifier: GPL-3.0-or-later
// The resource library when no asset has been made yet: the program then reports every picture
// and sound as missing.
