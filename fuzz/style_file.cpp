// SPDX-License-Identifier: GPL-3.0-or-later
// The style file as the program reads it (UTF-8 bytes, whole); what it accepts must be written
// back by styleText into a text that reads the same.
#include "FuzzCheck.h"
#include "sound/Style.h"

#include <QString>

#include <cstddef>
#include <cstdint>

using namespace pulsadrome;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(sound::kMaxStyleFileBytes)) {
        return -1; // not read at all
    }
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const sound::StyleParse parsed = sound::parseStyle(text);
    if (!parsed.style) {
        FUZZ_CHECK(!parsed.error.isEmpty() && parsed.errorLine >= 1 && parsed.errorColumn >= 1);
        return 0;
    }
    const sound::StyleParse again = sound::parseStyle(sound::styleText(*parsed.style));
    FUZZ_CHECK(again.style.has_value());
    FUZZ_CHECK(again.style->bands == parsed.style->bands);
    FUZZ_CHECK(again.style->motifs.size() == parsed.style->motifs.size());
    for (std::size_t i = 0; i < parsed.style->motifs.size(); ++i) {
        const sound::Motif& a = parsed.style->motifs[i];
        const sound::Motif& b = again.style->motifs[i];
        FUZZ_CHECK(a.name == b.name && a.text == b.text);
        FUZZ_CHECK(a.rhythm.bars == b.rhythm.bars && a.rhythm.meter == b.rhythm.meter &&
                   a.rhythm.events.size() == b.rhythm.events.size());
    }
    return 0;
}
