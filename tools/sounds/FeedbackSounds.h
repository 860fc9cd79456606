// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Phrase.h"

#include <QStringList>

#include <vector>

namespace pulsadrome::tools::sounds {

// How a sound is stored in the program: always 16-bit, so that no quantisation hiss reaches a
// child (the wave reader's 8-bit and ADPCM paths are tested on the tests' own files).
enum class Storage {
    Stereo16At44100,
    Mono16At44100,
    Mono16At22050,
    Stereo16At22050,
};

struct StorageFormat {
    int rate;
    int channels;
    QStringList soxEncoding; // sox's output options for the sample encoding
    QString name;
};
StorageFormat storageFormat(Storage storage);

// One of the sixteen right/wrong sounds of the eight sound themes.
struct FeedbackSound {
    const char* name;        // file name without ".wav": theme + "_vrai" or "_faux"
    const char* description; // what a child hears
    Storage storage;
    double longest; // seconds: the sound is cut (with a fade) at this length, 1.3 at most
    double fadeOut; // seconds of fade at the end
    Phrase phrase;
};

// The sixteen sounds. Right sounds are short and cheerful; wrong ones are gentle "not quite"
// signals, never a mocking sad-trombone fall or anything frightening.
std::vector<FeedbackSound> feedbackSounds();

} // namespace pulsadrome::tools::sounds
