// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/WaveReader.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace pulsadrome::sound {

namespace {

// Rates outside this range are damage, not sound.
constexpr std::uint32_t kLowestRate = 1000;
constexpr std::uint32_t kHighestRate = 384000;

constexpr std::uint16_t kTagPcm = 0x0001;
constexpr std::uint16_t kTagMsAdpcm = 0x0002;
constexpr std::uint16_t kTagExtensible = 0xFFFE;

using Bytes = std::span<const std::uint8_t>;

// Little-endian fields; the caller has checked that they lie inside `b`.
std::uint16_t u16(Bytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int16_t s16(Bytes b, std::size_t at) {
    return static_cast<std::int16_t>(u16(b, at));
}
std::uint32_t u32(Bytes b, std::size_t at) {
    return static_cast<std::uint32_t>(u16(b, at)) |
           (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

QString chunkName(Bytes b, std::size_t at) {
    QString name;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = static_cast<char>(b[at + i]);
        name += (c >= 0x20 && c < 0x7F) ? QChar::fromLatin1(c) : QChar(u'?');
    }
    return name;
}

bool hasId(Bytes b, std::size_t at, const char* id) {
    return std::memcmp(b.data() + at, id, 4) == 0;
}

struct Chunks {
    Bytes fmt;
    Bytes data;
};

// Walks the RIFF chunks and keeps the first fmt and the first data chunk. Every chunk must lie
// inside the size the RIFF header announces, and that inside the bytes given.
WaveResult<Chunks> findChunks(Bytes file) {
    using R = WaveResult<Chunks>;
    if (file.size() < 12) {
        return R::failure(
            QStringLiteral("The file is too short to be a wave file (%1 bytes).").arg(file.size()));
    }
    if (!hasId(file, 0, "RIFF") || !hasId(file, 8, "WAVE")) {
        return R::failure(QStringLiteral("Not a wave file: it does not begin with RIFF ... WAVE."));
    }
    const std::size_t end = std::size_t{8} + u32(file, 4);
    if (end > file.size()) {
        return R::failure(
            QStringLiteral("The file is truncated: its RIFF header announces %1 bytes "
                           "but the file holds %2.")
                .arg(end)
                .arg(file.size()));
    }
    std::optional<Bytes> fmt;
    std::optional<Bytes> data;
    std::size_t at = 12;
    while (at < end) {
        if (end - at < 8) {
            return R::failure(
                QStringLiteral("A chunk header is cut short at byte %1 of the file.").arg(at));
        }
        const std::size_t size = u32(file, at + 4);
        if (size > end - at - 8) {
            return R::failure(QStringLiteral("The \"%1\" chunk at byte %2 claims %3 bytes but only "
                                             "%4 remain in the file.")
                                  .arg(chunkName(file, at))
                                  .arg(at)
                                  .arg(size)
                                  .arg(end - at - 8));
        }
        const Bytes body = file.subspan(at + 8, size);
        if (!fmt && hasId(file, at, "fmt ")) {
            fmt = body;
        } else if (!data && hasId(file, at, "data")) {
            data = body;
        }
        at += 8 + size + (size & 1); // odd-sized chunks are padded to an even length
    }
    if (!fmt) {
        return R::failure(QStringLiteral("The wave file has no fmt chunk."));
    }
    if (!data) {
        return R::failure(QStringLiteral("The wave file has no data chunk."));
    }
    return {Chunks{*fmt, *data}, {}};
}

struct AdpcmCoefficients {
    int first;
    int second;
};

struct Format {
    WaveFormat wave;
    std::vector<AdpcmCoefficients> coefficients; // ADPCM only
};

QString formatTagName(std::uint16_t tag) {
    switch (tag) {
    case 0x0003:
        return QStringLiteral(" (IEEE float)");
    case 0x0006:
        return QStringLiteral(" (A-law)");
    case 0x0007:
        return QStringLiteral(" (mu-law)");
    case 0x0011:
        return QStringLiteral(" (IMA ADPCM)");
    case 0x0055:
        return QStringLiteral(" (MPEG layer 3)");
    default:
        return {};
    }
}

WaveResult<Format> readAdpcmFormat(Bytes fmt, Format format, int bits) {
    using R = WaveResult<Format>;
    const int channels = format.wave.channels;
    if (bits != 4) {
        return R::failure(
            QStringLiteral(
                "Microsoft ADPCM with %1 bits a sample is not supported; only 4 bits are.")
                .arg(bits));
    }
    if (fmt.size() < 22) {
        return R::failure(QStringLiteral("The Microsoft ADPCM fmt chunk is cut short (%1 bytes); "
                                         "it lacks the samples per block and coefficients.")
                              .arg(fmt.size()));
    }
    const int headerBytes = 7 * channels;
    if (format.wave.blockAlign <= headerBytes) {
        return R::failure(QStringLiteral("The ADPCM block align %1 is too small for a %2-channel "
                                         "block header.")
                              .arg(format.wave.blockAlign)
                              .arg(channels));
    }
    format.wave.samplesPerBlock = u16(fmt, 18);
    const int fitting = 2 + (format.wave.blockAlign - headerBytes) * 2 / channels;
    if (format.wave.samplesPerBlock < 2 || format.wave.samplesPerBlock > fitting) {
        return R::failure(QStringLiteral("The ADPCM fmt chunk gives %1 samples per block; blocks "
                                         "of %2 bytes hold 2 to %3.")
                              .arg(format.wave.samplesPerBlock)
                              .arg(format.wave.blockAlign)
                              .arg(fitting));
    }
    const std::size_t count = u16(fmt, 20);
    if (count == 0 || fmt.size() < 22 + 4 * count) {
        return R::failure(QStringLiteral("The ADPCM fmt chunk announces %1 coefficient pairs but "
                                         "holds %2.")
                              .arg(count)
                              .arg((fmt.size() - 22) / 4));
    }
    for (std::size_t i = 0; i < count; ++i) {
        format.coefficients.push_back({s16(fmt, 22 + 4 * i), s16(fmt, 24 + 4 * i)});
    }
    return {std::move(format), {}};
}

WaveResult<Format> readFormat(Bytes fmt) {
    using R = WaveResult<Format>;
    if (fmt.size() < 16) {
        return R::failure(QStringLiteral("The fmt chunk is %1 bytes long; at least 16 are needed.")
                              .arg(fmt.size()));
    }
    std::uint16_t tag = u16(fmt, 0);
    if (tag == kTagExtensible) {
        // The sub-format's first two bytes are the plain format tag.
        if (fmt.size() < 40) {
            return R::failure(QStringLiteral("The extensible fmt chunk is cut short (%1 bytes).")
                                  .arg(fmt.size()));
        }
        tag = u16(fmt, 24);
    }
    const int channels = u16(fmt, 2);
    const std::uint32_t rate = u32(fmt, 4);
    const int bits = u16(fmt, 14);
    if (channels == 0) {
        return R::failure(QStringLiteral("The fmt chunk gives 0 channels."));
    }
    if (channels > 2) {
        return R::failure(QStringLiteral("%1 channels are not supported; only mono and stereo are.")
                              .arg(channels));
    }
    if (rate < kLowestRate || rate > kHighestRate) {
        return R::failure(QStringLiteral("The sample rate %1 Hz is outside %2 ... %3 Hz.")
                              .arg(rate)
                              .arg(kLowestRate)
                              .arg(kHighestRate));
    }
    Format format;
    format.wave.channels = channels;
    format.wave.sampleRate = static_cast<int>(rate);
    format.wave.blockAlign = u16(fmt, 12);
    if (tag == kTagMsAdpcm) {
        format.wave.encoding = WaveEncoding::MsAdpcm;
        return readAdpcmFormat(fmt, std::move(format), bits);
    }
    if (tag != kTagPcm) {
        return R::failure(QStringLiteral("The wave format tag 0x%1%2 is not supported; only PCM "
                                         "and Microsoft ADPCM are.")
                              .arg(tag, 4, 16, QChar(u'0'))
                              .arg(formatTagName(tag)));
    }
    if (bits != 8 && bits != 16) {
        return R::failure(
            QStringLiteral("PCM with %1 bits a sample is not supported; only 8 and 16 bits are.")
                .arg(bits));
    }
    format.wave.encoding = bits == 8 ? WaveEncoding::Pcm8 : WaveEncoding::Pcm16;
    if (format.wave.blockAlign != channels * bits / 8) {
        return R::failure(
            QStringLiteral("The block align %1 does not match %2 channels of %3 bits.")
                .arg(format.wave.blockAlign)
                .arg(channels)
                .arg(bits));
    }
    return {std::move(format), {}};
}

std::vector<std::int16_t> decodePcm(const WaveFormat& format, Bytes data) {
    const std::size_t samples = data.size() / format.blockAlign * format.channels;
    std::vector<std::int16_t> out(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        out[i] = format.encoding == WaveEncoding::Pcm8
                     ? static_cast<std::int16_t>((data[i] - 128) * 256)
                     : s16(data, 2 * i);
    }
    return out;
}

// One channel's state while a Microsoft ADPCM block is expanded.
struct AdpcmChannel {
    AdpcmCoefficients coefficients;
    int delta;
    int previous;       // the last sample
    int beforePrevious; // the one before it

    std::int16_t expand(int nibble) {
        static constexpr std::array<int, 16> adaptation = {230, 230, 230, 230, 307, 409, 512, 614,
                                                           768, 614, 512, 409, 307, 230, 230, 230};
        // Wide arithmetic and a bounded delta: damaged blocks may hold any coefficients and
        // deltas, and a delta may triple at every nibble.
        constexpr std::int64_t kLargestDelta = 1 << 24;
        const std::int64_t predicted = (std::int64_t{previous} * coefficients.first +
                                        std::int64_t{beforePrevious} * coefficients.second) >>
                                       8;
        const std::int64_t difference = std::int64_t{nibble >= 8 ? nibble - 16 : nibble} * delta;
        const int sample =
            static_cast<int>(std::clamp<std::int64_t>(predicted + difference, -32768, 32767));
        delta = static_cast<int>(std::clamp<std::int64_t>(
            (adaptation[nibble] * std::int64_t{delta}) >> 8, 16, kLargestDelta));
        beforePrevious = previous;
        previous = sample;
        return static_cast<std::int16_t>(sample);
    }
};

// Every whole block, and of a short last block as many frames as its bytes hold. A block header
// holds per channel the predictor index, the initial delta and the last two samples, oldest last;
// then come the nibbles, high nibble first, channels interleaved.
WaveResult<std::vector<std::int16_t>> decodeMsAdpcm(const Format& format, Bytes data) {
    const WaveFormat& wave = format.wave;
    const std::size_t channels = wave.channels;
    const std::size_t header = 7 * channels;
    std::vector<std::int16_t> out;
    out.reserve(data.size() / wave.blockAlign * wave.samplesPerBlock * channels + 2 * channels);
    std::array<AdpcmChannel, 2> state{};
    for (std::size_t at = 0; at + header <= data.size(); at += wave.blockAlign) {
        const Bytes block =
            data.subspan(at, std::min<std::size_t>(wave.blockAlign, data.size() - at));
        const std::size_t frames =
            std::min<std::size_t>(wave.samplesPerBlock, 2 + (block.size() - header) * 2 / channels);
        for (std::size_t c = 0; c < channels; ++c) {
            const std::size_t predictor = block[c];
            if (predictor >= format.coefficients.size()) {
                return WaveResult<std::vector<std::int16_t>>::failure(
                    QStringLiteral("ADPCM block %1 names predictor %2 but the fmt chunk holds %3.")
                        .arg(at / wave.blockAlign)
                        .arg(predictor)
                        .arg(format.coefficients.size()));
            }
            state[c] = {format.coefficients[predictor], s16(block, channels + 2 * c),
                        s16(block, 3 * channels + 2 * c), s16(block, 5 * channels + 2 * c)};
        }
        for (std::size_t c = 0; c < channels; ++c) {
            out.push_back(static_cast<std::int16_t>(state[c].beforePrevious));
        }
        for (std::size_t c = 0; c < channels; ++c) {
            out.push_back(static_cast<std::int16_t>(state[c].previous));
        }
        const std::size_t nibbles = (frames - 2) * channels;
        for (std::size_t n = 0; n < nibbles; ++n) {
            const std::uint8_t byte = block[header + n / 2];
            const int nibble = n % 2 == 0 ? byte >> 4 : byte & 0x0F;
            out.push_back(state[n % channels].expand(nibble));
        }
    }
    return {std::move(out), {}};
}

} // namespace

WaveResult<SourceWave> decodeWave(std::span<const std::uint8_t> bytes) {
    using R = WaveResult<SourceWave>;
    const auto chunks = findChunks(bytes);
    if (!chunks) {
        return R::failure(chunks.error);
    }
    const auto format = readFormat(chunks->fmt);
    if (!format) {
        return R::failure(format.error);
    }
    SourceWave wave;
    wave.format = format->wave;
    if (wave.format.encoding == WaveEncoding::MsAdpcm) {
        auto samples = decodeMsAdpcm(*format, chunks->data);
        if (!samples) {
            return R::failure(samples.error);
        }
        wave.samples = std::move(*samples.value);
    } else {
        wave.samples = decodePcm(wave.format, chunks->data);
    }
    if (wave.samples.empty()) {
        return R::failure(QStringLiteral("The data chunk (%1 bytes) holds no whole sample frame.")
                              .arg(chunks->data.size()));
    }
    return {std::move(wave), {}};
}

WaveResult<MixWave> convertForMix(const SourceWave& wave) {
    using R = WaveResult<MixWave>;
    if (wave.format.channels < 1 || wave.format.channels > 2 || wave.samples.empty()) {
        return R::failure(QStringLiteral("There is no sound to convert."));
    }
    // SDL_AudioCVT converts the whole buffer in one go and pads the resampler with silence at both
    // ends, so the last frames come out too (an SDL_AudioStream would keep them back).
    SDL_AudioCVT cvt;
    const int built =
        SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, static_cast<Uint8>(wave.format.channels),
                          wave.format.sampleRate, AUDIO_F32SYS, kMixChannels, kMixRate);
    if (built < 0) {
        return R::failure(QStringLiteral("SDL cannot convert %1 Hz, %2 channels: %3")
                              .arg(wave.format.sampleRate)
                              .arg(wave.format.channels)
                              .arg(QString::fromUtf8(SDL_GetError())));
    }
    const std::size_t sourceBytes = wave.samples.size() * sizeof(std::int16_t);
    if (sourceBytes > static_cast<std::size_t>(INT_MAX / cvt.len_mult)) {
        return R::failure(
            QStringLiteral("The sound is too long to convert (%1 frames).").arg(wave.frameCount()));
    }
    // Floats, so that SDL works on suitably aligned memory.
    std::vector<float> buffer((sourceBytes * cvt.len_mult + sizeof(float) - 1) / sizeof(float));
    std::memcpy(buffer.data(), wave.samples.data(), sourceBytes);
    cvt.buf = reinterpret_cast<Uint8*>(buffer.data());
    cvt.len = static_cast<int>(sourceBytes);
    if (SDL_ConvertAudio(&cvt) < 0) {
        return R::failure(QStringLiteral("SDL could not convert the sound: %1")
                              .arg(QString::fromUtf8(SDL_GetError())));
    }
    const std::size_t frames =
        static_cast<std::size_t>(cvt.len_cvt) / (sizeof(float) * kMixChannels);
    buffer.resize(frames * kMixChannels);
    // The resampler's filter rings at a sharp edge: a full-scale square wave comes out up to a
    // third above full scale. The mixer takes -1 ... 1, so the ringing is cut there.
    for (float& sample : buffer) {
        sample = std::clamp(sample, -1.0f, 1.0f);
    }
    return {MixWave{wave.format, std::move(buffer)}, {}};
}

WaveResult<MixWave> readWave(std::span<const std::uint8_t> bytes) {
    const auto wave = decodeWave(bytes);
    if (!wave) {
        return WaveResult<MixWave>::failure(wave.error);
    }
    return convertForMix(*wave);
}

WaveResult<MixWave> readWave(const QByteArray& bytes) {
    return readWave(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
}

} // namespace pulsadrome::sound
