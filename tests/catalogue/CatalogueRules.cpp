// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueRules.h"

#include <algorithm>

namespace pulsadrome::catalogue::rules {

namespace {

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(u'|', Qt::SkipEmptyParts);
}

QString written(const Event& event) {
    return QString::number(event.value) + (event.dotted ? QStringLiteral(".") : QString());
}

bool isSimpleBeat(const Rhythm& rhythm) {
    return !rhythm.meter.isCompound();
}

// The middle note of 8 4 8 (crotchet beat) or 4 2 4 (minim beat): a beat-long note starting
// half a beat late, between two half-beat values.
bool isSyncopation(const Rhythm& rhythm, std::size_t i) {
    const auto& events = rhythm.events;
    const int beat = rhythm.meter.beatTicks();
    const Event& event = events[i];
    return isSimpleBeat(rhythm) && !event.rest && event.tuplet < 0 && event.length == beat &&
           event.start % beat == beat / 2 && i > 0 && i + 1 < events.size() &&
           events[i - 1].length == beat / 2 && events[i + 1].length == beat / 2;
}

} // namespace

const std::vector<SeriesRules>& seriesRules() {
    static const std::vector<SeriesRules> all{
        {Series::Main,
         {
             {.from = 1, .figures = words("4|2|2.|1"), .meters = words("4/4")},
             {.from = 9, .rests = words("4|2")}, // crotchet and minim rests from level 2
             {.from = 17, .meters = words("3/4")},
             {.from = 25, .meters = words("2/4")},
             {.from = 41, .figures = words("8 8")},
             {.from = 97, .figures = words("4. 8"), .rests = words("8"), .leadingRest = true},
             {.from = 145, .figures = words("16 16 16 16")},
             {.from = 185, .figures = words("8 16 16|16 16 8")},
             {.from = 241, .figures = words("8. 16|8 4 8"), .ties = true},
             {.from = 305, .figures = words("3(8 8 8)|16 8 16"), .rests = words("16")},
             {.from = 345},
         },
         {{1, 40},
          {41, 96},
          {97, 144},
          {145, 184},
          {185, 240},
          {241, 304},
          {305, 344},
          {345, 368}}},
        {Series::Compound,
         {
             {.from = 369,
              .figures = words("4.|8 8 8|4 8|8 4|2."),
              .rests = words("4.|8"),
              .meters = words("6/8")},
             {.from = 401,
              .figures = words("16 16 8 8|8 16 16 8|8 8 16 16|16 16 16 16 16 16|8. 16 8"),
              .leadingRest = true},
             {.from = 433, .figures = words("2(8 8)"), .rests = words("16"), .ties = true},
         },
         {{369, 400}, {401, 432}, {433, 464}}},
        {Series::MinimBeat,
         {
             {.from = 465,
              .figures = words("2|1|1.|0|4 4"),
              .rests = words("2"),
              .meters = words("2/2|3/2|4/2")},
             {.from = 497,
              .figures = words("2. 4|8 8 8 8"),
              .rests = words("4"),
              .leadingRest = true},
             {.from = 529, .figures = words("4. 8|4 2 4|3(4 4 4)"), .ties = true},
         },
         {{465, 496}, {497, 528}, {529, 560}}},
    };
    return all;
}

const SeriesRules& rulesOf(Series series) {
    return seriesRules()[static_cast<std::size_t>(series)];
}

const Introduction* introductionAt(const SeriesRules& rules, int rhythm) {
    for (const Introduction& introduction : rules.introductions) {
        if (introduction.from == rhythm) {
            return &introduction;
        }
    }
    return nullptr;
}

std::vector<BeatGroup> beatGroups(const Rhythm& rhythm) {
    std::vector<BeatGroup> groups;
    const int beat = rhythm.meter.beatTicks();
    BeatGroup current{0, 0, {}};
    for (std::size_t i = 0; i < rhythm.events.size(); ++i) {
        const Event& event = rhythm.events[i];
        QString word = written(event);
        const bool opensTuplet =
            event.tuplet >= 0 && (i == 0 || rhythm.events[i - 1].tuplet != event.tuplet);
        const bool closesTuplet =
            event.tuplet >= 0 &&
            (i + 1 == rhythm.events.size() || rhythm.events[i + 1].tuplet != event.tuplet);
        if (opensTuplet) {
            word.prepend(QStringLiteral("%1(").arg(rhythm.tuplets[event.tuplet].count));
        }
        if (closesTuplet) {
            word.append(u')');
        }
        if (current.eventCount == 0) {
            current = BeatGroup{static_cast<int>(i), 0, {}};
        } else {
            current.figure += u' ';
        }
        current.figure += word;
        ++current.eventCount;
        if ((event.start + event.length) % beat == 0) {
            groups.push_back(current);
            current.eventCount = 0;
        }
    }
    return groups;
}

std::optional<QString> forbiddenFigure(const Rhythm& rhythm, int number) {
    const auto series = seriesOfRhythm(number);
    if (!series) {
        return QStringLiteral("not a rhythm number");
    }
    QStringList figures, rests, meters;
    bool ties = false, leadingRest = false;
    for (const Introduction& introduction : rulesOf(*series).introductions) {
        if (introduction.from <= number) {
            figures += introduction.figures;
            rests += introduction.rests;
            meters += introduction.meters;
            ties = ties || introduction.ties;
            leadingRest = leadingRest || introduction.leadingRest;
        }
    }
    if (!meters.contains(rhythm.meter.text())) {
        return QStringLiteral("meter %1 not yet").arg(rhythm.meter.text());
    }
    if (rhythm.events.front().rest && !leadingRest) {
        return QStringLiteral("begins with a rest");
    }
    for (const Event& event : rhythm.events) {
        if (event.rest && !rests.contains(written(event))) {
            return QStringLiteral("rest r%1 not yet").arg(written(event));
        }
        if (event.tied && !ties) {
            return QStringLiteral("tie not yet");
        }
    }
    for (const BeatGroup& group : beatGroups(rhythm)) {
        if (!figures.contains(group.figure)) {
            return QStringLiteral("figure \"%1\" not yet").arg(group.figure);
        }
    }
    return std::nullopt;
}

bool usesStageNovelty(const Rhythm& rhythm, const Introduction& introduction) {
    if (introduction.leadingRest && rhythm.events.front().rest) {
        return true;
    }
    for (const Event& event : rhythm.events) {
        if ((introduction.ties && event.tied) ||
            (event.rest && introduction.rests.contains(written(event)))) {
            return true;
        }
    }
    const auto groups = beatGroups(rhythm);
    return std::any_of(groups.begin(), groups.end(), [&](const BeatGroup& group) {
        return introduction.figures.contains(group.figure);
    });
}

// Notes and rests shorter than the beat stay inside their beat, so they can be beamed by the
// beat. A note or rest may cross a beat only when it starts on one, or as the middle of a
// syncopation 8 4 8 / 4 2 4. In 4/4 and 4/2 the middle of the bar shows too, except under a
// note starting the bar, a two- or three-beat note on beat 2 (4 2 4, 4 2.) or a syncopation.
std::optional<QString> notationFault(const Rhythm& rhythm) {
    const int beat = rhythm.meter.beatTicks();
    const int bar = rhythm.barTicks();
    const bool hasMiddle = rhythm.meter.numerator == 4;
    for (std::size_t i = 0; i < rhythm.events.size(); ++i) {
        const Event& event = rhythm.events[i];
        const int start = event.start % bar;
        const int end = start + event.length;
        const bool syncopation = isSyncopation(rhythm, i);
        const int nextBeat = (start / beat + 1) * beat;
        if (start % beat != 0 && end > nextBeat && !syncopation) {
            return QStringLiteral("%1 at tick %2 crosses a beat").arg(written(event)).arg(start);
        }
        const int middle = bar / 2;
        if (hasMiddle && start < middle && end > middle) {
            const bool onBeatTwo = start == beat && !event.rest &&
                                   (event.length == 2 * beat || event.length == 3 * beat);
            if (start != 0 && !onBeatTwo && !syncopation) {
                return QStringLiteral("%1 at tick %2 hides the middle of the bar")
                    .arg(written(event))
                    .arg(start);
            }
        }
    }
    return std::nullopt;
}

// Onsets per four beats (so that a 2/4 bar and a 4/4 bar of the same motion weigh alike), plus
// two points per halving of the beat that the shortest written value needs (a triplet counts
// as the next halving), two per syncopation (a note that starts off the beat and is held over
// the next beat), one per tie and one per rest.
double difficulty(const Rhythm& rhythm) {
    const int beat = rhythm.meter.beatTicks();
    int shortest = beat;
    int onsets = 0, syncopations = 0, ties = 0, rests = 0;
    for (const Event& event : rhythm.events) {
        shortest = std::min(shortest, event.length);
        ties += event.tied;
        rests += event.rest;
        if (event.onset) {
            ++onsets;
            const int nextBeat = (event.start / beat + 1) * beat;
            syncopations += event.start % beat != 0 && event.start + event.heldLength > nextBeat;
        }
    }
    int halvings = 0;
    while ((beat >> halvings) > shortest) {
        ++halvings;
    }
    const double beats = static_cast<double>(rhythm.totalTicks()) / beat;
    return 4.0 * onsets / beats + 2 * halvings + 2 * syncopations + ties + rests;
}

Sound soundOf(const Rhythm& rhythm) {
    Sound sound{rhythm.meter.text(), {}};
    for (const Event& event : rhythm.events) {
        if (event.onset) {
            sound.second.emplace_back(event.start, event.heldLength);
        }
    }
    return sound;
}

OnsetPattern onsetPatternOf(const Rhythm& rhythm) {
    return {rhythm.meter.text(), rhythm.onsets()};
}

} // namespace pulsadrome::catalogue::rules
