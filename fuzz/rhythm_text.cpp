// SPDX-License-Identifier: GPL-3.0-or-later
// The rhythm text parser, on a rhythm and on a catalogue line, then the segments the sound engine
// builds from what it accepts.
#include "FuzzCheck.h"
#include "catalogue/RhythmText.h"
#include "sound/Segment.h"

#include <QString>

#include <cstddef>
#include <cstdint>

using namespace pulsadrome;

namespace {

void checkRhythm(const catalogue::Rhythm& rhythm) {
    FUZZ_CHECK(rhythm.bars >= 1 && rhythm.bars <= catalogue::kMaxBars);
    FUZZ_CHECK(!rhythm.events.empty());
    int end = 0;
    for (const catalogue::Event& e : rhythm.events) {
        FUZZ_CHECK(e.start == end && e.length > 0);
        end = e.start + e.length;
        if (e.onset) {
            FUZZ_CHECK(!e.rest && e.heldLength >= e.length &&
                       e.heldLength <= rhythm.totalTicks() - e.start);
        }
    }
    FUZZ_CHECK(end == rhythm.totalTicks());
    for (const sound::Segment& segment :
         {sound::buildRhythmSegment(rhythm), sound::buildPhraseSegment(rhythm)}) {
        int tick = 0;
        for (const sound::NoteEvent& e : segment.events) {
            FUZZ_CHECK(e.tick >= tick && e.tick <= segment.lengthTicks);
            tick = e.tick;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const catalogue::RhythmParse parsed = catalogue::parseRhythm(text);
    if (parsed.ok()) {
        checkRhythm(*parsed.rhythm);
    } else {
        FUZZ_CHECK(parsed.error.column >= 1 && parsed.error.column <= text.size() + 1);
        (void)parsed.error.message();
    }
    const catalogue::CatalogueLineParse line = catalogue::parseCatalogueLine(text);
    if (line.ok()) {
        FUZZ_CHECK(line.number > 0);
        checkRhythm(*line.rhythm);
    }
    return 0;
}
