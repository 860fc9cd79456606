# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading and measuring rhythm text for the catalogue generator.

The program's own parser (src/catalogue/RhythmText) is the authority; this is a compact twin so
the generator can weigh candidates, and the C++ tests check the committed result again.
"""

import math
import re
from dataclasses import dataclass, field

Q = 768  # ticks per crotchet

METERS = {"2/4": (2, 4), "3/4": (3, 4), "4/4": (4, 4), "6/8": (6, 8),
          "2/2": (2, 2), "3/2": (3, 2), "4/2": (4, 2)}

TOKEN = re.compile(r"\s*(?:(?P<tup>[23])\(|(?P<close>\))|(?P<note>r?(?:16|0|1|2|4|8)\.?~?))")


@dataclass
class Event:
    rest: bool
    value: int
    dotted: bool
    tied: bool
    tuplet: int  # 0 outside a tuplet, else its number (2 or 3)
    start: int = 0
    length: int = 0
    onset: bool = False
    held: int = 0

    def written(self):
        return ("r" if self.rest else "") + str(self.value) + ("." if self.dotted else "")


@dataclass
class Rhythm:
    meter: str
    events: list = field(default_factory=list)

    @property
    def bar(self):
        n, d = METERS[self.meter]
        return n * 4 * Q // d

    @property
    def beat(self):
        n, d = METERS[self.meter]
        return 3 * Q // 2 if d == 8 else self.bar // n

    def onsets(self):
        return tuple(e.start for e in self.events if e.onset)

    def sound(self):
        """What is heard: the meter and each sounding note's start and held length."""
        return (self.meter, tuple((e.start, e.held) for e in self.events if e.onset))

    def pattern(self):
        return (self.meter, self.onsets())


def value_ticks(value):
    return 8 * Q if value == 0 else 4 * Q // value


def parse(text):
    """'<meter> <tokens…>' -> Rhythm; raises ValueError."""
    meter, _, rest = text.strip().partition(" ")
    if meter not in METERS:
        raise ValueError(f"unknown meter {meter!r}")
    rhythm = Rhythm(meter)
    pos, tuplet = 0, 0
    rest = rest.rstrip()
    while pos < len(rest):
        m = TOKEN.match(rest, pos)
        if not m:
            raise ValueError(f"bad token at {rest[pos:]!r}")
        pos = m.end()
        if m.group("tup"):
            tuplet = int(m.group("tup"))
        elif m.group("close"):
            tuplet = 0
        else:
            tok = m.group("note")
            rhythm.events.append(Event(rest=tok.startswith("r"),
                                       value=int(tok.strip("r.~")),
                                       dotted="." in tok, tied=tok.endswith("~"),
                                       tuplet=tuplet))
    time, held_by = 0, None
    for i, e in enumerate(rhythm.events):
        ticks = value_ticks(e.value)
        if e.dotted:
            ticks += ticks // 2
        if e.tuplet == 3:
            ticks = ticks * 2 // 3
        elif e.tuplet == 2:
            ticks = ticks * 3 // 2
        e.start, e.length = time, ticks
        time += ticks
        e.onset = not e.rest and not (i > 0 and rhythm.events[i - 1].tied)
        if e.onset:
            held_by = e
        if not e.rest:
            held_by.held += ticks
    if time % rhythm.bar:
        raise ValueError(f"{text!r} does not fill whole bars")
    return rhythm


def groups(rhythm):
    """Splits a bar into beat groups: a group ends where the time reaches a beat boundary, so
    a long note or a syncopation spans several beats. Returns (start_tick, [events])."""
    out, current, start = [], [], 0
    for e in rhythm.events:
        if not current:
            start = e.start
        current.append(e)
        if (e.start + e.length) % rhythm.beat == 0:
            out.append((start, current))
            current = []
    return out


def shape(events):
    """A group's figure with rests read as notes and ties dropped: 'r8 8' -> '8 8'."""
    parts = []
    for i, e in enumerate(events):
        word = str(e.value) + ("." if e.dotted else "")
        if e.tuplet and (i == 0 or not events[i - 1].tuplet):
            word = f"{e.tuplet}(" + word
        if e.tuplet and (i == len(events) - 1 or not events[i + 1].tuplet):
            word += ")"
        parts.append(word)
    return " ".join(parts)


def notation_fault(rhythm):
    """None when the bar shows its beats; else why not. Off-beat notes may only cross a beat
    as the middle of the syncopations 8 4 8 (crotchet beat) and 4 2 4 (minim beat); in 4/4 and
    4/2 the middle of the bar shows, except under a note on beat 1, a 2- or 3-beat note on
    beat 2, or one of those syncopations."""
    b, bar = rhythm.beat, rhythm.bar
    n, d = METERS[rhythm.meter]
    ev = rhythm.events
    for i, e in enumerate(ev):
        s, t = e.start % bar, e.start % bar + e.length
        syncopation = (not e.rest and d != 8 and s % b == b // 2 and e.length == b
                       and 0 < i < len(ev) - 1
                       and ev[i - 1].length == b // 2 and ev[i + 1].length == b // 2)
        if any(s < k * b < t for k in range(1, bar // b)) and s % b and not syncopation:
            return f"{e.written()} at {s} crosses a beat"
        if n == 4 and d in (2, 4) and s < bar // 2 < t:
            on_beat_two = s == b and not e.rest and e.length in (2 * b, 3 * b)
            if not (s == 0 or on_beat_two or syncopation):
                return f"{e.written()} at {s} hides the middle of the bar"
    return None


def syncopations(rhythm):
    """Sounding notes that start off the beat and are held over the next beat."""
    b = rhythm.beat
    count = 0
    for e in rhythm.events:
        if e.onset and e.start % b:
            next_beat = (e.start // b + 1) * b
            count += e.start + e.held > next_beat
    return count


def difficulty(rhythm):
    """How hard a bar is to take in by ear: onsets per four beats (so meters compare)
    + 2 x the smallest-value level + 2 x syncopations + ties + rests. The level counts the
    halvings of the beat that the shortest written value needs; a triplet counts as the next
    halving."""
    beats = rhythm.bar // rhythm.beat
    shortest = min(e.length for e in rhythm.events)
    level = max(0, math.ceil(math.log2(rhythm.beat / shortest) - 1e-9))
    return (4 * len(rhythm.onsets()) / beats + 2 * level + 2 * syncopations(rhythm)
            + sum(e.tied for e in rhythm.events) + sum(e.rest for e in rhythm.events))



WRITTEN_LENGTHS = {value_ticks(v) * m // 2: f"{v}{'.' if m == 3 else ''}"
                   for v in (1, 2, 4, 8, 16) for m in (2, 3)}


def needless_tie(rhythm):
    """A tie is needless when one written note could take the place of the tied pair."""
    for i, e in enumerate(rhythm.events[:-1]):
        nxt = rhythm.events[i + 1]
        if not e.tied or e.tuplet or nxt.tuplet:
            continue
        merged = WRITTEN_LENGTHS.get(e.length + nxt.length)
        if merged is None:
            continue
        word = merged + ("~" if nxt.tied else "")
        tokens = [x.written() + ("~" if x.tied else "") for x in rhythm.events]
        if any(x.tuplet for x in rhythm.events):
            continue
        text = rhythm.meter + " " + " ".join(tokens[:i] + [word] + tokens[i + 2:])
        if notation_fault(parse(text)) is None:
            return True
    return False
