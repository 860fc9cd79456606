# SPDX-License-Identifier: GPL-3.0-or-later
"""The figures each stage of each series brings, as beat groups the generator can string
together. A group is written text, the beats it fills and a taste weight (how often a teacher
would reach for it). Everything a stage brings stays allowed afterwards."""

from dataclasses import dataclass, field


@dataclass
class Stage:
    first: int  # first rhythm number of the stage
    last: int
    title: str
    groups: list  # (text, beats, weight) new at this stage
    new_shapes: tuple  # the stage's new figure: beat groups, rests ("r16") or ties ("~")
    ties: bool = False
    leading_rest: bool = False


@dataclass
class SeriesPlan:
    name: str
    first: int
    last: int
    meters: tuple
    stages: list = field(default_factory=list)


MAIN = SeriesPlan("main series", 1, 368, ("2/4", "3/4", "4/4"), [
    Stage(1, 40, "crotchet, minim, dotted minim, semibreve; crotchet and minim rests",
          [("4", 1, 3), ("2", 2, 2), ("2.", 3, 1), ("1", 4, 0.5), ("r4", 1, 1), ("r2", 2, 0.4)],
          ("4", "2", "2.", "1")),
    Stage(41, 96, "two quavers on a beat", [("8 8", 1, 3)], ("8 8",)),
    Stage(97, 144, "dotted crotchet and quaver; quaver rests; a rest may begin the bar",
          [("4. 8", 2, 2), ("8 r8", 1, 0.8), ("r8 8", 1, 1), ("4. r8", 2, 0.3)],
          ("4. 8",), leading_rest=True),
    Stage(145, 184, "four semiquavers", [("16 16 16 16", 1, 2.5)], ("16 16 16 16",)),
    Stage(185, 240, "quaver and two semiquavers, two semiquavers and quaver",
          [("8 16 16", 1, 2), ("16 16 8", 1, 2), ("r8 16 16", 1, 0.4)],
          ("8 16 16", "16 16 8")),
    Stage(241, 304, "dotted quaver and semiquaver; syncopation 8 4 8; ties across a beat",
          [("8. 16", 1, 2.5), ("8 4 8", 2, 3.5), ("r8 4 8", 2, 0.6)],
          ("8. 16", "8 4 8", "~"), ties=True),
    Stage(305, 344, "quaver triplet; semiquaver quaver semiquaver; semiquaver rests",
          [("3(8 8 8)", 1, 2.5), ("16 8 16", 1, 2), ("r16 16 16 16", 1, 0.6),
           ("r16 16 8", 1, 0.5), ("8 r16 16", 1, 0.5), ("3(r8 8 8)", 1, 0.3)],
          ("3(8 8 8)", "16 8 16", "r16")),
    Stage(345, 368, "mastery: every figure, denser bars, rests and ties together", [], ()),
])

COMPOUND = SeriesPlan("compound-time series", 369, 464, ("6/8",), [
    Stage(369, 400, "dotted crotchet, three quavers, crotchet-quaver, dotted minim, rests",
          [("4.", 1, 3), ("8 8 8", 1, 3), ("4 8", 1, 3), ("8 4", 1, 1.2), ("2.", 2, 1),
           ("r4.", 1, 0.6), ("4 r8", 1, 0.6), ("8 r8 8", 1, 0.5), ("8 8 r8", 1, 0.4),
           ("r8 8 8", 1, 0.6), ("r8 4", 1, 0.3), ("r8 r8 8", 1, 0.15), ("8 r8 r8", 1, 0.2)],
          ("4.", "8 8 8", "4 8", "8 4", "2.")),
    Stage(401, 432, "semiquavers inside a beat; dotted quaver figure; a rest may begin",
          [("16 16 8 8", 1, 2), ("8 16 16 8", 1, 2), ("8 8 16 16", 1, 2),
           ("16 16 16 16 16 16", 1, 1.3), ("8. 16 8", 1, 2.5), ("r8 16 16 8", 1, 0.3),
           ("8. 16 r8", 1, 0.3)],
          ("16 16 8 8", "8 16 16 8", "8 8 16 16", "16 16 16 16 16 16", "8. 16 8"),
          leading_rest=True),
    Stage(433, 464, "ties across the beat, cross-beat syncopation, duplet, semiquaver rests",
          [("2(8 8)", 1, 2.5), ("r16 16 8 8", 1, 0.5), ("8 r16 16 8", 1, 0.5),
           ("8 8 r16 16", 1, 0.4)],
          ("2(8 8)", "~", "r16"), ties=True),
])

MINIM = SeriesPlan("minim-beat series", 465, 560, ("2/2", "3/2", "4/2"), [
    Stage(465, 496, "minim, semibreve, dotted semibreve, breve, two crotchets, minim rest",
          [("2", 1, 3), ("4 4", 1, 3), ("1", 2, 1.5), ("1.", 3, 0.6), ("0", 4, 0.6),
           ("r2", 1, 0.7)],
          ("2", "4 4", "1", "1.", "0")),
    Stage(497, 528, "dotted minim and crotchet, four quavers, crotchet rest; a rest may begin",
          [("2. 4", 2, 2.5), ("8 8 8 8", 1, 2.5), ("4 r4", 1, 0.7), ("r4 4", 1, 0.7),
           ("2. r4", 2, 0.3)],
          ("2. 4", "8 8 8 8", "r4"), leading_rest=True),
    Stage(529, 560, "dotted crotchet and quaver, syncopation 4 2 4, crotchet triplet, ties",
          [("4. 8", 1, 2.5), ("4 2 4", 2, 4), ("r4 2 4", 2, 0.5), ("3(4 4 4)", 1, 2.5)],
          ("4. 8", "4 2 4", "3(4 4 4)", "~"), ties=True),
])

SERIES = (MAIN, COMPOUND, MINIM)

# Fixed by the program: tempo samples and the first levels of the main series.
FIXED = {
    1: "4/4 4 4 4 4", 2: "4/4 2 4 4", 3: "4/4 4 4 2", 4: "4/4 4 2 4", 5: "4/4 2. 4",
    6: "4/4 1", 7: "4/4 2 2", 8: "4/4 4 2.", 369: "6/8 4. 4.", 465: "2/2 2 2",
}

# The first stage of the main series, written by hand. With crotchet-grid values only there
# are 32 different-sounding bars (21 in 4/4, 8 in 3/4, 3 in 2/4) for 40 numbers, so levels 2,
# 4 and 5 review eight bars of earlier levels; no level holds one twice.
MAIN_STAGE_ONE = {
    # Level 2: rests arrive, 4/4 only.
    9: "4/4 4 4 4 r4", 10: "4/4 2 r2", 11: "4/4 4 r4 4 4", 12: "4/4 4 4 4 4",  # review
    13: "4/4 4 4 r2", 14: "4/4 2 r4 4", 15: "4/4 4 4 r4 4", 16: "4/4 4 r4 2",
    # Level 3: 3/4 arrives.
    17: "3/4 4 4 4", 18: "4/4 4 2 r4", 19: "3/4 2 4", 20: "4/4 4 r4 r4 4",
    21: "3/4 2.", 22: "4/4 4 r4 4 r4", 23: "3/4 4 2", 24: "4/4 4 r4 r2",
    # Level 4: 2/4 arrives.
    25: "2/4 4 4", 26: "3/4 4 4 r4", 27: "4/4 2 4 r4", 28: "3/4 2 r4",
    29: "2/4 2", 30: "4/4 4 4 r4 4", 31: "3/4 4 r4 4", 32: "4/4 2. r4",  # 30: review
    # Level 5: review of the stage, busier; only 34 and 37 are new.
    33: "4/4 4 r4 4 4", 34: "2/4 4 r4", 35: "3/4 4 4 4", 36: "4/4 4 4 4 r4",
    37: "3/4 4 r2", 38: "2/4 4 4", 39: "4/4 4 2 4", 40: "3/4 4 r4 4",
}

# The compound series' first stage, written by hand: a beat holds one of eight onset sets
# (the first beat cannot start with a rest), so 32 bars use 30 of the 32 patterns; the two
# pairs are quaver-rest readings of level 1 and 2 bars (376/394, 378/398).
COMPOUND_STAGE_ONE = {
    370: "6/8 4 8 4.", 371: "6/8 2.", 372: "6/8 4. 8 8 8", 373: "6/8 4 8 4 8",
    374: "6/8 8 8 8 4.", 375: "6/8 4. 4 8", 376: "6/8 8 8 8 8 8 8",
    377: "6/8 8 4 4.", 378: "6/8 4 8 8 8 8", 379: "6/8 4 8 r4.", 380: "6/8 4. 8 4",
    381: "6/8 8 8 8 4 8", 382: "6/8 8 4 4 8", 383: "6/8 8 8 8 r4.", 384: "6/8 4 8 8 4",
    385: "6/8 8 4 8 8 8", 386: "6/8 4. r8 8 8", 387: "6/8 8 8 8 8 4", 388: "6/8 8 4 r4.",
    389: "6/8 4 8 r8 8 8", 390: "6/8 8 4 8 4", 391: "6/8 4. r8 4", 392: "6/8 8 8 8 r8 4",
    393: "6/8 8 4 r8 8 8", 394: "6/8 4 r8 8 8 8", 395: "6/8 8 8 8 r8 8 8", 396: "6/8 4 8 r8 4",
    397: "6/8 4. r8 r8 8", 398: "6/8 8 r8 8 8 8 8", 399: "6/8 8 4 r8 4",
    400: "6/8 8 8 8 r8 r8 8",
}

# The minim-beat series' first stage, written by hand: the breve and the dotted semibreve in
# level 1 and 2, the minim rest from level 3, bars filling up with crotchets towards level 4.
MINIM_STAGE_ONE = {
    466: "3/2 2 2 2", 467: "2/2 1", 468: "4/2 0", 469: "3/2 1.", 470: "2/2 4 4 2",
    471: "4/2 1 1", 472: "3/2 2 1",
    473: "2/2 2 4 4", 474: "4/2 1 2 2", 475: "3/2 4 4 2 2", 476: "4/2 2 1 2", 477: "3/2 1 2",
    478: "4/2 2 2 1", 479: "3/2 2 4 4 2", 480: "4/2 1. 2",
    481: "2/2 4 4 4 4", 482: "3/2 2 4 4 r2", 483: "4/2 2 4 4 1", 484: "3/2 4 4 1",
    485: "4/2 1 4 4 2", 486: "4/2 4 4 r2 1", 487: "3/2 1 4 4", 488: "2/2 4 4 r2",
    489: "3/2 4 4 4 4 2", 490: "4/2 4 4 2 4 4 2", 491: "3/2 2 4 4 4 4", 492: "4/2 4 4 4 4 1",
    493: "3/2 4 4 r2 2", 494: "4/2 2 4 4 r2 2", 495: "4/2 4 4 2 r2 4 4",
    496: "4/2 4 4 4 4 4 4 2",
}
