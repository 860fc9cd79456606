#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drafts assets/rhythms/rhythms.txt, the catalogue of the 560 rhythms and the band-preview
phrase. Run by hand (python3 tools/rhythms/generate.py); the output is committed.

For each stage it composes many bars from the stage's beat groups, keeps the musical ones
(a closing note, a repeated cell, few rests, not too many different figures in one bar) and
fills the stage's levels from easy to busy: eight bars a level that all differ in their onset
pattern, meters mixed, the stage's new figure in most bars of its first level. No two bars of
a series sound alike and no two share meter and onset pattern. The result is then read
through; bars a teacher would not write are replaced through CURATED below.
"""

import random
import sys
from pathlib import Path

import rhythm as rt
from vocabulary import COMPOUND_STAGE_ONE, FIXED, MAIN_STAGE_ONE, MINIM_STAGE_ONE, SERIES

OUTPUT = Path(__file__).resolve().parents[2] / "assets" / "rhythms" / "rhythms.txt"
SEED = 20240611
CANDIDATES_PER_METER = 9000

# Shows off an instrument in about two seconds: two bars of 2/4, a run into a held note.
PREVIEW = "2/4 8 16 16 8 8 16 16 16 16 4"

# Bars replaced after reading the draft (number -> text), applied over the generated
# catalogue and checked like the rest.
CURATED = {
    # Main, stage 3: plain quaver-rest figures instead of rest games.
    107: "2/4 r8 8 8 8", 115: "4/4 r4 4 4. 8", 126: "4/4 r8 8 4 4. 8",
    # Main, stage 5: a repeated cell rather than scattered rests.
    185: "4/4 16 16 8 4 16 16 8 4",
    # Main, stage 6: the syncopation 8 4 8 in every level.
    249: "4/4 8 4 8 8. 16 4", 253: "4/4 4 8 4 8 4", 261: "3/4 8 4 8 8. 16",
    265: "4/4 8. 16 8 4 8 4", 272: "4/4 8 4 8 16 16 8 8 8", 280: "4/4 8 4 8 8. 16 16 16 16 16",
    # Main, mastery: older figures combined with the newest.
    346: "4/4 8. 16 3(8 8 8) 8 4 8", 349: "4/4 r8 4 8 8. 16 3(8 8 8)",
    350: "2/4 3(8 8 8) 16 8 16", 353: "4/4 8 8~8 16 16 3(8 8 8) 4",
    355: "3/4 8 8~8 16 16 3(8 8 8)", 357: "4/4 16 8 16 8 4 8 16 16 8",
    362: "4/4 r16 16 8 8 4 8 16 16 16 16", 363: "3/4 8 4 8 3(8 8 8)",
    # Compound, stage 3: cross-beat syncopations written with ties.
    444: "6/8 8 4~8 16 16 8", 445: "6/8 8 4~4 8", 446: "6/8 8. 16 8~8 8 8",
    # Minim beat, stage 2: more dotted minims, and no rest game at the start.
    499: "3/2 r2 2. 4", 500: "4/2 2 2 2. 4", 510: "3/2 2. 4 8 8 8 8",
    521: "4/2 2. 4 8 8 8 8 2", 525: "3/2 8 8 8 8 2. 4",
    # Minim beat, stage 3: the syncopation 4 2 4 in every level.
    534: "2/2 4 2 4", 540: "3/2 4 2 4 3(4 4 4)", 545: "4/2 2 4 2 4 4. 8",
    549: "4/2 4 2 4 8 8 8 8 2",
}


BEATS = {"2/4": 2, "3/4": 3, "4/4": 4, "6/8": 2, "2/2": 2, "3/2": 3, "4/2": 4}


def stage_groups(plan, index):
    """The groups allowed at stage `index`, weighted: the stage's own figures stand out, and
    one-note groups fade as the series goes on so later bars get busier."""
    out = []
    for k, stage in enumerate(plan.stages[:index + 1]):
        for text, beats, weight in stage.groups:
            if k == index:
                weight *= 2.5
            elif len(text.split()) == 1:
                weight *= 0.7 ** (index - k)
            out.append((text, beats, weight))
    return out


# Ties a child can read: from a quaver or longer, into a quaver or longer, never inside a
# tuplet.
TIE_FROM = {"8", "4", "2", "4."}
TIE_TO = {"8", "4", "4.", "2"}


def compose(meter, groups, rng, leading_rest, ties):
    beats = BEATS[meter]
    chosen, filled = [], 0
    while filled < beats:
        room = [(t, b, w) for t, b, w in groups if b <= beats - filled
                and (filled or leading_rest or not t.startswith("r"))]
        if not room:
            return None
        if chosen and rng.random() < 0.25:
            same = [g for g in room if g[0] == chosen[-1][0]]
            if same:
                room = same
        pick = rng.choices(room, weights=[w for _, _, w in room])[0]
        chosen.append(pick)
        filled += pick[1]
    texts = [t for t, _, _ in chosen]
    if ties and len(texts) > 1 and rng.random() < 0.45:
        spots = [i for i in range(len(texts) - 1)
                 if texts[i].split()[-1] in TIE_FROM and texts[i + 1].split()[0] in TIE_TO]
        if spots:
            i = rng.choice(spots)
            texts[i:i + 2] = [texts[i] + "~" + texts[i + 1]]
    return f"{meter} " + " ".join(texts)


def uses_any(r, text, figures):
    """Whether a bar uses one of `figures`: a beat group ("8 8"), a rest ("r16") or a tie
    ("~")."""
    shapes = {rt.shape(g) for _, g in rt.groups(r)}
    words = text.split()
    return any(f in shapes or (f == "~" and "~" in text) or (f.startswith("r") and f in words)
               for f in figures)


def musical_score(r, favoured):
    """What a teacher looks for in a bar: it closes on a note, repeats a cell, keeps to two
    busy figures, has few rests and none side by side, and uses what the stage favours."""
    groups = rt.groups(r)
    words = [" ".join(e.written() for e in g) for _, g in groups]
    score = 0.0
    last = groups[-1][1]
    if len(last) == 1 and not last[0].rest:
        score += 1.5
    elif all(e.rest for e in last):
        score += 0.3
    elif last[-1].rest:
        score -= 0.6
    busy = [w for w, (_, g) in zip(words, groups) if len(g) > 1]
    if len(set(busy)) > 2:
        score -= 1.2 * (len(set(busy)) - 2)
    if len(busy) != len(set(busy)):
        score += 1.0
    if len(words) >= 3 and len(set(words)) == 1:
        score -= 1.5
    rests = sum(e.rest for e in r.events)
    score -= max(0, rests - 2) * 1.5
    if r.events[0].rest:
        score -= 1.0
        if r.events[-1].rest:
            score -= 1.0
    for a, b in zip(r.events, r.events[1:]):
        if a.rest and b.rest:
            score -= 2.0
    if len(r.onsets()) < 2:
        score -= 1.0
    score -= 0.3 * sum(e.tied for e in r.events)
    return score + 1.0 * favoured


class Catalogue:
    def __init__(self):
        self.lines = {}
        self.sounds = {}
        self.patterns = {}
        self.pairs_left = 0  # rhythms that may still share meter and onsets with another
        self.exempt_last = 0  # the main series' first stage may share (see vocabulary)

    def reindex(self):
        lines, self.lines, self.sounds, self.patterns = self.lines, {}, {}, {}
        for number, text in sorted(lines.items()):
            self.add(number, text)

    def add(self, number, text):
        r = rt.parse(text)
        fault = rt.notation_fault(r)
        if fault:
            sys.exit(f"rhythm {number} ({text}): {fault}")
        self.lines[number] = text
        self.sounds.setdefault(r.sound(), []).append(number)
        self.patterns.setdefault(r.pattern(), []).append(number)


def fill_stage(cat, plan, index, rng):
    stage = plan.stages[index]
    groups = stage_groups(plan, index)
    # The mastery stage brings nothing new: it favours every figure of the series, and its
    # first level leans on ties (rests and ties combined).
    mastery = not stage.groups
    favoured = tuple(s for st in plan.stages for s in st.new_shapes) if mastery \
        else stage.new_shapes
    novelties = ("~",) if mastery else stage.new_shapes
    leading = any(s.leading_rest for s in plan.stages[:index + 1])
    ties = any(s.ties for s in plan.stages[:index + 1])
    pool = {}
    for meter in plan.meters:
        for _ in range(CANDIDATES_PER_METER):
            text = compose(meter, groups, rng, leading, ties)
            if text and text not in pool:
                r = rt.parse(text)
                if rt.notation_fault(r) is None and not rt.needless_tie(r):
                    pool[text] = (r, rt.difficulty(r),
                                  musical_score(r, uses_any(r, text, favoured)),
                                  uses_any(r, text, novelties))
    ds = sorted(v[1] for v in pool.values() if v[3] and v[2] >= 0.5)
    lo, hi = (ds[int(0.55 * len(ds))], ds[int(0.9 * len(ds))]) if mastery else (
        ds[int(0.15 * len(ds))], ds[int(0.8 * len(ds))])
    level_count = (stage.last - stage.first + 1) // 8
    for level in range(level_count):
        first = stage.first + 8 * level
        target = lo + (hi - lo) * level / max(1, level_count - 1)
        in_level = [rt.parse(cat.lines[n]) for n in range(first, first + 8) if n in cat.lines]
        meters = [r.meter for r in in_level]
        openers = [cat.lines[n].split()[1] for n in range(first, first + 8) if n in cat.lines]
        for slot in range(first + len(in_level), first + 8):
            need_new = level == 0 and slot - first < 6
            best, best_cost = None, None
            for text, (r, d, score, new) in pool.items():
                if (need_new and not new) or r.sound() in cat.sounds:
                    continue
                if any(x.pattern() == r.pattern() for x in in_level):
                    continue
                cost = abs(d - target) - score * 1.2 + rng.random() * 0.8
                cost += 0.6 * openers.count(text.split()[1]) - 0.5 * new
                cost += 0.7 * meters.count(r.meter) + 0.3 * (r.meter == "4/4")
                if r.pattern() in cat.patterns:
                    if cat.pairs_left <= 0:
                        continue
                    cost += 6
                if best_cost is None or cost < best_cost:
                    best, best_cost = text, cost
            if best is None:
                sys.exit(f"no bar left for rhythm {slot}")
            r = pool[best][0]
            partners = cat.patterns.get(r.pattern(), [])
            if partners:
                cat.pairs_left -= 1 + (len(partners) == 1 and partners[0] > cat.exempt_last)
            cat.add(slot, best)
            in_level.append(r)
            meters.append(r.meter)
            openers.append(best.split()[1])
    arrange_levels(cat, stage, rng)


def level_mean(cat, first):
    return sum(rt.difficulty(rt.parse(cat.lines[n])) for n in range(first, first + 8)) / 8


def arrange_levels(cat, stage, rng):
    """Puts the stage's levels after its first in rising difficulty and mixes the meters
    inside each level; a fixed rhythm keeps its place."""
    firsts = list(range(stage.first, stage.last + 1, 8))
    contents = [[cat.lines[n] for n in range(f, f + 8)] for f in firsts]
    means = [level_mean(cat, f) for f in firsts]
    order = [0] + sorted(range(1, len(firsts)), key=lambda i: means[i])
    for first, index in zip(firsts, order):
        bars = contents[index]
        keep = [b for n, b in zip(range(first, first + 8), bars) if n in FIXED]
        rest = [b for b in bars if b not in keep]
        rng.shuffle(rest)
        for n, text in zip(range(first, first + 8), keep + rest):
            cat.lines[n] = text
    cat.reindex()


def main():
    rng = random.Random(SEED)
    cat = Catalogue()
    written = {**FIXED, **MAIN_STAGE_ONE, **COMPOUND_STAGE_ONE, **MINIM_STAGE_ONE}
    for number, text in sorted(written.items()):
        cat.add(number, text)
    for plan in SERIES:
        exempt = cat.exempt_last = plan.stages[0].last if plan.first == 1 else 0
        shared = {n for numbers in cat.patterns.values() if len(numbers) > 1 for n in numbers
                  if plan.first <= n <= plan.last and n > exempt}
        cat.pairs_left = (plan.last - plan.first + 1) // 20 - len(shared)
        for index in range(1, len(plan.stages)):
            fill_stage(cat, plan, index, rng)
    cat.lines.update(CURATED)
    cat.reindex()
    write(cat)
    report(cat)


def report(cat):
    """Level difficulties per stage, and every clash the C++ checks would also find."""
    for n, text in sorted(cat.lines.items()):
        r = rt.parse(text)
        if rt.needless_tie(r):
            print(f"needless tie: {n} {text}")
    for plan in SERIES:
        in_series = range(plan.first, plan.last + 1)
        for numbers in cat.sounds.values():
            late = [n for n in numbers if n in in_series and n > 40]
            if len(late) > 1 or (late and len(numbers) > 1):
                print("sound alike:", numbers)
        shared = sorted(n for numbers in cat.patterns.values() if len(numbers) > 1
                        for n in numbers if n in in_series and n > 40)
        print(f"{plan.name}: {len(shared)} share meter and onsets {shared}")
        for first in range(plan.first, plan.last + 1, 8):
            patterns = [rt.parse(cat.lines[n]).pattern() for n in range(first, first + 8)]
            if len(set(patterns)) < 8:
                print(f"level from {first}: onsets alike")
        for stage in plan.stages:
            means = [f"{level_mean(cat, f):5.2f}" for f in range(stage.first, stage.last, 8)]
            print(f"{stage.first:3}-{stage.last:3}: " + " ".join(means))


def write(cat):
    lines = ["# The rhythm catalogue: one bar per line, \"<number> <meter> <tokens>\".",
             "# Drafted by tools/rhythms/generate.py, then read through and curated.",
             "# Levels hold eight consecutive numbers; 561 is the band-preview phrase."]
    for plan in SERIES:
        for stage in plan.stages:
            lines.append("")
            lines.append(f"# {plan.name}, rhythms {stage.first}-{stage.last}: {stage.title}")
            for n in range(stage.first, stage.last + 1):
                if (n - plan.first) % 8 == 0:
                    level = (n - plan.first) // 8 + 1
                    lines.append(f"# level {level}" + (" (1a plays 6-8, 1b plays 1-5)"
                                                       if n == 1 else ""))
                lines.append(f"{n} {cat.lines[n]}")
    lines += ["", "# The band-preview phrase (two bars).", f"561 {PREVIEW}"]
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    OUTPUT.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
