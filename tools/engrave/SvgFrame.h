// SPDX-License-Identifier: GPL-3.0-or-later
// Turns LilyPond's cropped SVG of one bar into a grid-cell picture: a 233 x 57 frame with the
// staff line at the same height in every picture, the rhythm's text in a <desc>, and nothing the
// screens do not draw.
#pragma once

#include <QByteArray>
#include <QString>

namespace pulsadrome::engrave {

// The frame of every picture, in its own units (the answer grid's cell in pixels at 1x).
inline constexpr int kPictureWidth = 233;
inline constexpr int kPictureHeight = 57;

// LilyPond's geometry, in staff spaces: the line is 57.5 mm at the default 20-point staff, and
// the rhythmic staff reserves 5.5 spaces above its line and 2.5 below (its Y-extent).
inline constexpr double kLineWidth = 32.7207;
inline constexpr double kRoomAbove = 5.5;
inline constexpr double kRoomBelow = 2.5;
// Air left and right of the line, so that a cell's frame never touches the notes.
inline constexpr double kSideMargin = 0.75;

// Picture units per staff space, and where the staff line lies in every picture.
inline constexpr double kScale = kPictureWidth / (kLineWidth + 2 * kSideMargin);
inline constexpr double kStaffLineY =
    (kPictureHeight - (kRoomAbove + kRoomBelow) * kScale) / 2 + kRoomAbove * kScale;

struct FrameOptions {
    QString description;      // the <desc> text
    bool dashedStaff = false; // the placeholder's empty staff
};

struct FrameResult {
    QByteArray svg; // empty on failure
    QString error;  // why, when svg is empty

    bool ok() const { return !svg.isEmpty(); }
};

// `lilySvg` is one `-dcrop` SVG page of a single-line RhythmicStaff. Fails when the page has no
// staff line, carries text set in a font or an element this frame does not vouch for, or when
// ink reaches outside the frame.
FrameResult frameLilyPondSvg(const QByteArray& lilySvg, const FrameOptions& options);

} // namespace pulsadrome::engrave
