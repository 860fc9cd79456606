// SPDX-License-Identifier: GPL-3.0-or-later
// A high-score file's bytes as the game reads them (100 entries behind its own separator); the
// entries read must be written back into bytes that read the same.
#include "FuzzCheck.h"
#include "play/games/HighScoreFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace pulsadrome;

namespace {

const QString kSeparator = QStringLiteral("\t\t\t");
constexpr int kListCount = 100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const play::ScoreFileContents read = play::readScoreBytes(bytes, kListCount, kSeparator);
    using State = play::ScoreFileContents::State;
    FUZZ_CHECK(read.state == State::Sound || read.state == State::Damaged);
    FUZZ_CHECK((read.state == State::Sound) == read.problem.none());
    if (read.state == State::Sound) {
        FUZZ_CHECK(read.entries.size() == static_cast<std::size_t>(kListCount));
    }
    if (read.entries.empty()) {
        return 0;
    }
    std::vector<play::ScoreEntry> stored;
    for (const play::ScoreEntry& entry : read.entries) {
        stored.push_back(play::storableEntry(entry, kSeparator));
    }
    const play::ScoreFileBytes written = play::scoreFileBytes(read.entries, kSeparator);
    if (!written.problem.none()) {
        return 0; // refused before anything is written: allowed
    }
    const play::ScoreFileContents back =
        play::readScoreBytes(written.bytes, static_cast<int>(stored.size()), kSeparator);
    FUZZ_CHECK(back.state == State::Sound);
    FUZZ_CHECK(back.entries.size() == stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        FUZZ_CHECK(back.entries[i].name == stored[i].name &&
                   back.entries[i].score == stored[i].score);
    }
    return 0;
}
