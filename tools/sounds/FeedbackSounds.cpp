// SPDX-License-Identifier: GPL-3.0-or-later
#include "FeedbackSounds.h"

#include <tuple>

namespace pulsadrome::tools::sounds {

namespace {

// General MIDI programs, counted from 0.
enum Program {
    Piano = 0,
    Celesta = 8,
    Glockenspiel = 9,
    Vibraphone = 11,
    Xylophone = 13,
    Harmonica = 22,
    VoiceOohs = 53,
    Trumpet = 56,
    MutedTrumpet = 59,
    BrassSection = 61,
    Bassoon = 70,
    Clarinet = 71,
    PanFlute = 75,
    Ocarina = 79,
    SquareLead = 80,
    SawLead = 81,
    Calliope = 82,
    WarmPad = 89,
    Crystal = 98,
    Echoes = 102,
    SciFi = 103,
    Banjo = 105,
};

// General MIDI percussion keys.
enum Drum {
    LowFloorTom = 41,
    Maracas = 70,
    HighWoodBlock = 76,
    LowWoodBlock = 77,
};

constexpr int kPan = 10;

Phrase drums() {
    return Phrase().program(kDrumChannel, 0, kDrumBank);
}

Phrase profRight() {
    // Ding-ding: celesta G5 then C6 over a soft C major chord, glockenspiel sparkle.
    return Phrase()
        .program(0, Celesta)
        .program(1, Glockenspiel)
        .program(2, Piano)
        .control(0, 0, kPan, 44)
        .control(0, 1, kPan, 84)
        .note(0.00, 0.25, 0, 79, 100)
        .note(0.16, 0.60, 0, 84, 110)
        .note(0.00, 0.20, 1, 91, 45)
        .note(0.16, 0.50, 1, 96, 50)
        .chord(0.16, 0.50, 2, {60, 64, 67}, 50);
}

Phrase profWrong() {
    // A hummed "hm-hmm", A3 down to F3, on soft voices and vibraphone.
    return Phrase()
        .program(0, VoiceOohs)
        .program(1, Vibraphone)
        .note(0.00, 0.28, 0, 57, 80)
        .note(0.30, 0.55, 0, 53, 75)
        .note(0.00, 0.28, 1, 57, 45)
        .note(0.30, 0.50, 1, 53, 40);
}

Phrase spaceRight() {
    // A crystal arpeggio climbing C5 ... E6 and sweeping left to right, with a square-wave
    // echo an octave up and a sci-fi shimmer on top.
    Phrase p = Phrase().program(0, Crystal).program(1, SquareLead).program(2, SciFi);
    const int keys[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        const double at = 0.06 * i;
        p.control(at, 0, kPan, 20 + 22 * i)
            .note(at, 0.5, 0, keys[i], 95)
            .control(at, 1, kPan, 108 - 22 * i)
            .note(at, 0.04, 1, keys[i] + 12, 45);
    }
    return p.note(0.24, 0.5, 2, 84, 70);
}

Phrase spaceWrong() {
    // "Boop-boop", G4 then E4, on vibraphone and echoing synth over a quiet warm pad.
    return Phrase()
        .program(0, Vibraphone)
        .program(1, Echoes)
        .program(2, WarmPad)
        .control(0, 1, kPan, 96)
        .note(0.00, 0.25, 0, 67, 95)
        .note(0.25, 0.45, 0, 64, 90)
        .note(0.00, 0.25, 1, 67, 60)
        .note(0.25, 0.45, 1, 64, 55)
        .chord(0.00, 0.60, 2, {52, 59}, 40);
}

Phrase cowboyRight() {
    // A banjo run up G major, answered by a harmonica double stop.
    return Phrase()
        .program(0, Banjo)
        .program(1, Harmonica)
        .note(0.00, 0.30, 0, 67, 100)
        .note(0.08, 0.30, 0, 71, 100)
        .note(0.16, 0.30, 0, 74, 105)
        .note(0.24, 0.40, 0, 79, 110)
        .chord(0.34, 0.55, 1, {74, 79}, 90);
}

Phrase cowboyWrong() {
    // A soft harmonica "uh-oh", G4 down to E4, over one low banjo pluck.
    return Phrase()
        .program(0, Banjo)
        .program(1, Harmonica)
        .note(0.00, 0.25, 1, 67, 70)
        .note(0.28, 0.50, 1, 64, 65)
        .note(0.28, 0.40, 0, 55, 60);
}

Phrase carRight() {
    // A horn: beep, beep, beeep! (F4-A4 twice, then C5-E5): a reedy saw-wave pair with a little
    // brass, short and detached.
    Phrase p = Phrase().program(0, SawLead).program(1, BrassSection);
    for (const auto& [at, length, low, high] :
         {std::tuple{0.00, 0.10, 65, 69}, {0.20, 0.10, 65, 69}, {0.40, 0.32, 72, 76}}) {
        p.chord(at, length, 0, {low, high}, 90).chord(at, length, 1, {low, high}, 50);
    }
    return p;
}

Phrase carWrong() {
    // A low, soft "meep-meep" while the engine putters to a stop.
    Phrase p = drums().program(0, BrassSection);
    p.chord(0.00, 0.12, 0, {57, 60}, 65).chord(0.20, 0.25, 0, {53, 57}, 60);
    const double putts[] = {0.00, 0.13, 0.28, 0.46, 0.68};
    for (int i = 0; i < 5; ++i) {
        p.note(putts[i], 0.1, kDrumChannel, LowFloorTom, 90 - 10 * i);
    }
    return p;
}

Phrase computerRight() {
    // Bleeps racing up C6 ... C7, ping-ponging left and right, the last one sliding into place.
    Phrase p = Phrase()
                   .program(0, SquareLead)
                   .program(1, SquareLead)
                   .control(0, 0, kPan, 30)
                   .control(0, 1, kPan, 98);
    const int keys[] = {84, 88, 91};
    for (int i = 0; i < 3; ++i) {
        p.note(0.06 * i, 0.05, i % 2, keys[i], 80);
    }
    return p.glide(0.18, 0.06, 0, -2, 0)
        .glide(0.18, 0.06, 1, -2, 0)
        .note(0.18, 0.30, 0, 96, 80)
        .note(0.18, 0.30, 1, 96, 80);
}

Phrase computerWrong() {
    // A soft two-tone "bu-bup", E4 then C4, square wave rounded off by an ocarina.
    return Phrase()
        .program(0, SquareLead)
        .program(1, Ocarina)
        .note(0.00, 0.14, 0, 64, 55)
        .note(0.20, 0.35, 0, 60, 55)
        .note(0.00, 0.14, 1, 64, 70)
        .note(0.20, 0.35, 1, 60, 70);
}

Phrase horseRight() {
    // Two gallops of hooves on wood blocks, then a trumpet call G4 to C5-E5.
    Phrase p = drums().program(0, Trumpet).control(0, 0, kPan, 80);
    for (const double bar : {0.00, 0.30}) {
        p.note(bar, 0.05, kDrumChannel, LowWoodBlock, 100)
            .note(bar + 0.07, 0.05, kDrumChannel, HighWoodBlock, 90)
            .note(bar + 0.14, 0.05, kDrumChannel, LowWoodBlock, 110);
    }
    return p.note(0.30, 0.10, 0, 67, 90).chord(0.44, 0.40, 0, {72, 76}, 105);
}

Phrase horseWrong() {
    // A slow "clop ... clop" and a soft bassoon G3 to E3.
    return drums()
        .program(0, Bassoon)
        .note(0.00, 0.05, kDrumChannel, LowWoodBlock, 80)
        .note(0.36, 0.05, kDrumChannel, LowWoodBlock, 65)
        .note(0.00, 0.30, 0, 55, 75)
        .note(0.34, 0.45, 0, 52, 70);
}

Phrase trainRight() {
    // Chugging maracas, then the whistle: two toots of a G major chord on pan flutes and
    // calliope, each bending up into pitch.
    Phrase p = drums().program(0, PanFlute).program(1, Calliope);
    const int chugs[] = {70, 90, 70, 100};
    for (int i = 0; i < 4; ++i) {
        p.note(0.1 * i, 0.05, kDrumChannel, Maracas, chugs[i]);
    }
    for (const auto& [at, length] : {std::pair{0.34, 0.18}, std::pair{0.60, 0.55}}) {
        p.glide(at, 0.05, 0, -1, 0)
            .glide(at, 0.05, 1, -1, 0)
            .chord(at, length, 0, {67, 71, 74}, 100)
            .chord(at, length, 1, {67, 71, 74}, 60);
    }
    return p;
}

Phrase trainWrong() {
    // The train slows down (three chugs further and further apart) and sounds a low, soft
    // "uh-oh" on its whistle: C4-E4, then A3-C4.
    return drums()
        .program(0, PanFlute)
        .program(1, Calliope)
        .note(0.00, 0.05, kDrumChannel, Maracas, 80)
        .note(0.20, 0.05, kDrumChannel, Maracas, 65)
        .note(0.45, 0.05, kDrumChannel, Maracas, 50)
        .chord(0.05, 0.25, 0, {60, 64}, 75)
        .chord(0.35, 0.50, 0, {57, 60}, 70)
        .chord(0.05, 0.25, 1, {60, 64}, 40)
        .chord(0.35, 0.50, 1, {57, 60}, 35);
}

Phrase roosterRight() {
    // Cock-a-doodle-doo on a muted trumpet (C5 G5 G5 C6, the last one falling away), with a
    // xylophone ding on the top note.
    return Phrase()
        .program(0, MutedTrumpet)
        .program(1, Xylophone)
        .note(0.00, 0.09, 0, 72, 95)
        .note(0.11, 0.09, 0, 79, 100)
        .note(0.22, 0.12, 0, 79, 100)
        .note(0.36, 0.50, 0, 84, 110)
        .glide(0.60, 0.26, 0, 0, -3)
        .note(0.36, 0.30, 1, 96, 60);
}

Phrase roosterWrong() {
    // Two soft clucks on wood block and clarinet, then a questioning "bo?" that lifts a little.
    return drums()
        .program(0, Clarinet)
        .note(0.00, 0.05, kDrumChannel, HighWoodBlock, 80)
        .note(0.14, 0.05, kDrumChannel, HighWoodBlock, 75)
        .note(0.00, 0.07, 0, 62, 70)
        .note(0.14, 0.07, 0, 62, 70)
        .glide(0.34, 0.15, 0, -1, 0)
        .note(0.34, 0.30, 0, 58, 65);
}

} // namespace

StorageFormat storageFormat(Storage storage) {
    const QStringList signed16{"-e", "signed-integer", "-b", "16"};
    switch (storage) {
    case Storage::Stereo16At44100:
        return {44100, 2, signed16, QStringLiteral("16-bit stereo 44100 Hz")};
    case Storage::Mono16At44100:
        return {44100, 1, signed16, QStringLiteral("16-bit mono 44100 Hz")};
    case Storage::Mono16At22050:
        return {22050, 1, signed16, QStringLiteral("16-bit mono 22050 Hz")};
    case Storage::Stereo16At22050:
        return {22050, 2, signed16, QStringLiteral("16-bit stereo 22050 Hz")};
    }
    return {};
}

std::vector<FeedbackSound> feedbackSounds() {
    using enum Storage;
    return {
        {"prof_vrai", "celesta ding-ding (G5, C6) over a soft piano chord", Stereo16At44100, 0.8,
         0.15, profRight()},
        {"prof_faux", "a hummed \"hm-hmm\" (A3 to F3), voices and vibraphone", Mono16At44100, 1.0,
         0.2, profWrong()},
        {"espace_vrai", "crystal arpeggio sweeping up and across, sci-fi shimmer", Stereo16At44100,
         0.85, 0.2, spaceRight()},
        {"espace_faux", "vibraphone and echo \"boop-boop\" (G4, E4) over a warm pad",
         Stereo16At44100, 0.8, 0.25, spaceWrong()},
        {"cowboy_vrai", "banjo run up G major, harmonica answer", Mono16At44100, 1.2, 0.25,
         cowboyRight()},
        {"cowboy_faux", "soft harmonica \"uh-oh\" (G4, E4), one low banjo pluck", Mono16At44100,
         1.0, 0.25, cowboyWrong()},
        {"voiture_vrai", "car horn \"beep, beep, beeep!\"", Stereo16At44100, 0.8, 0.12, carRight()},
        {"voiture_faux", "low soft horn \"meep-meep\", engine puttering to a stop", Mono16At44100,
         1.0, 0.3, carWrong()},
        {"ordinateur_vrai", "square-wave bleeps racing up to C7, left and right", Stereo16At44100,
         0.7, 0.12, computerRight()},
        {"ordinateur_faux", "soft two-tone \"bu-bup\" (E4, C4)", Mono16At44100, 0.8, 0.15,
         computerWrong()},
        {"cheval_vrai", "galloping hooves, trumpet call", Stereo16At44100, 0.85, 0.2, horseRight()},
        {"cheval_faux", "slow \"clop ... clop\", soft bassoon (G3, E3)", Stereo16At44100, 0.8, 0.25,
         horseWrong()},
        {"train_vrai", "chugging, then two whistle toots", Stereo16At22050, 1.25, 0.25,
         trainRight()},
        {"train_faux", "train slowing down, low soft whistle \"uh-oh\"", Mono16At22050, 1.1, 0.3,
         trainWrong()},
        {"coq_vrai", "cock-a-doodle-doo on a muted trumpet, xylophone ding", Mono16At22050, 1.2,
         0.2, roosterRight()},
        {"coq_faux", "two soft clucks and a questioning \"bo?\"", Mono16At22050, 0.9, 0.2,
         roosterWrong()},
    };
}

} // namespace pulsadrome::tools::sounds
