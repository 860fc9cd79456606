// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on damaged and unsupported files: a sentence saying what is wrong, never a
// crash and never a read past the end of the bytes (the sweeps put a locked page right after
// them).
#include "sound/WaveAnalysis.h"
#include "sound/WaveReader.h"

#include <gmock/gmock.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <random>

using namespace pulsadrome::sound;
using namespace pulsadrome::sound::testing;

namespace {

QByteArray le16(quint16 v) {
    // Not QByteArray{a, b}: that is a count and a fill character.
    QByteArray bytes;
    bytes.append(char(v & 0xFF)).append(char(v >> 8));
    return bytes;
}
QByteArray le32(quint32 v) {
    return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16));
}

QByteArray patched(QByteArray bytes, int at, const QByteArray& value) {
    bytes.replace(at, value.size(), value);
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    return QByteArray(id, 4) + le32(quint32(body.size())) + body +
           (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

const QByteArray kPcmFmt = le16(1) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16);

// Canonical sox files: fmt body at byte 20, PCM data body at byte 44.
QByteArray pcm() {
    return fixture("tone_s16_mono_22050.wav");
}
QByteArray adpcm() {
    return fixture("adpcm_mono_11025.wav");
}
int adpcmDataBody() {
    return adpcm().indexOf("data") + 8;
}

struct Damage {
    const char* name;
    std::function<QByteArray()> make;
    const char* error; // a part of the expected sentence
};

void PrintTo(const Damage& damage, std::ostream* os) {
    *os << damage.name;
}

const Damage kDamages[] = {
    {"empty", [] { return QByteArray(); }, "too short to be a wave file (0 bytes)"},
    {"randomBytes",
     [] {
         std::mt19937 random(7);
         QByteArray bytes;
         for (int i = 0; i < 4096; ++i) {
             bytes += char(random());
         }
         return bytes;
     },
     "Not a wave file"},
    {"truncatedInTheData", [] { return pcm().left(pcm().size() - 100); },
     "truncated: its RIFF header announces 8864 bytes but the file holds 8764"},
    {"riffSizeOf10MB", [] { return patched(pcm(), 4, le32(10 << 20)); },
     "announces 10485768 bytes"},
    {"dataSizeOf10MB",
     [] { return riff(chunk("fmt ", kPcmFmt) + "data" + le32(10 << 20) + QByteArray(100, 'x')); },
     "The \"data\" chunk at byte 36 claims 10485760 bytes but only 100 remain"},
    {"foreignChunkBeyondTheEnd",
     [] { return riff(chunk("fmt ", kPcmFmt) + "LIST" + le32(0xFFFFFFF0u) + QByteArray(10, 'x')); },
     "The \"LIST\" chunk at byte 36 claims 4294967280 bytes but only 10 remain"},
    {"chunkHeaderCutShort",
     [] { return riff(chunk("fmt ", kPcmFmt) + chunk("data", QByteArray(8, '\0')) + "LIS"); },
     "cut short at byte 52"},
    {"zeroChannels", [] { return patched(pcm(), 22, le16(0)); }, "gives 0 channels"},
    {"sixChannels", [] { return patched(pcm(), 22, le16(6)); },
     "6 channels are not supported; only mono and stereo are"},
    {"floatSamples", [] { return patched(pcm(), 20, le16(3)); },
     "format tag 0x0003 (IEEE float) is not supported"},
    {"unknownFormatTag", [] { return patched(pcm(), 20, le16(0x1234)); },
     "format tag 0x1234 is not supported"},
    {"twentyFourBitPcm", [] { return patched(pcm(), 34, le16(24)); }, "PCM with 24 bits"},
    {"rateZero", [] { return patched(pcm(), 24, le32(0)); }, "sample rate 0 Hz"},
    {"blockAlignMismatch", [] { return patched(pcm(), 32, le16(3)); },
     "block align 3 does not match 1 channels of 16 bits"},
    {"shortFmtChunk",
     [] { return riff(chunk("fmt ", kPcmFmt.left(12)) + chunk("data", QByteArray(8, '\0'))); },
     "The fmt chunk is 12 bytes long"},
    {"noFmtChunk", [] { return riff(chunk("data", QByteArray(8, '\0'))); }, "no fmt chunk"},
    {"noDataChunk", [] { return riff(chunk("fmt ", kPcmFmt) + chunk("LIST", "INFO")); },
     "no data chunk"},
    {"lessThanOneFrame", [] { return riff(chunk("fmt ", kPcmFmt) + chunk("data", "x")); },
     "The data chunk (1 bytes) holds no whole sample frame"},
    {"adpcmWithThreeBits", [] { return patched(adpcm(), 34, le16(3)); },
     "Microsoft ADPCM with 3 bits"},
    {"adpcmBlockAlignBelowItsHeader", [] { return patched(adpcm(), 32, le16(7)); },
     "block align 7 is too small"},
    {"adpcmTooManySamplesPerBlock", [] { return patched(adpcm(), 38, le16(2000)); },
     "gives 2000 samples per block; blocks of 256 bytes hold 2 to 500"},
    {"adpcmCoefficientsBeyondTheFmtChunk", [] { return patched(adpcm(), 40, le16(200)); },
     "announces 200 coefficient pairs but holds 7"},
    {"adpcmFmtWithoutExtension",
     [] {
         const QByteArray fmt = le16(2) + le16(1) + le32(11025) + le32(5675) + le16(256) + le16(4);
         return riff(chunk("fmt ", fmt) + chunk("data", QByteArray(256, '\0')));
     },
     "lacks the samples per block"},
    {"adpcmUnknownPredictor",
     [] { return patched(adpcm(), adpcmDataBody() + 256, QByteArray(1, 7)); },
     "ADPCM block 1 names predictor 7 but the fmt chunk holds 7"},
};

class DamagedWave : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedWave, isRefusedWithASentenceSayingWhy) {
    const QByteArray bytes = GetParam().make();
    const auto wave = readWave(bytes);
    ASSERT_FALSE(wave);
    EXPECT_THAT(wave.error.toStdString(), ::testing::HasSubstr(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedWave, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

// Bytes that end right where an inaccessible page begins: a read past them crashes the test.
class GuardedBytes {
public:
    explicit GuardedBytes(const QByteArray& bytes) : size_(std::size_t(bytes.size())) {
        const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
        dataPages_ = (size_ + page - 1) / page * page;
        length_ = dataPages_ + page;
        void* memory =
            mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            return;
        }
        base_ = static_cast<std::uint8_t*>(memory);
        if (mprotect(base_ + dataPages_, page, PROT_NONE) != 0) {
            munmap(base_, length_);
            base_ = nullptr;
            return;
        }
        std::memcpy(base_ + dataPages_ - size_, bytes.constData(), size_);
    }
    ~GuardedBytes() {
        if (base_ != nullptr) {
            munmap(base_, length_);
        }
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    bool ok() const { return base_ != nullptr; }
    std::span<const std::uint8_t> bytes() const { return {base_ + dataPages_ - size_, size_}; }

private:
    std::size_t size_;
    std::size_t dataPages_ = 0;
    std::size_t length_ = 0;
    std::uint8_t* base_ = nullptr;
};

class WaveSweep : public ::testing::TestWithParam<const char*> {};

TEST_P(WaveSweep, everyCutShortCopyIsRefusedWithoutReadingPastItsEnd) {
    const QByteArray whole = fixture(GetParam());
    const auto wholeWave = decodeWave(bytesOf(whole));
    ASSERT_TRUE(wholeWave) << wholeWave.error.toStdString();
    for (int size = 0; size < whole.size(); ++size) {
        // The RIFF size is made to agree, so that the chunk sizes are what gets checked.
        QByteArray cut = whole.left(size);
        if (size >= 8) {
            cut = patched(cut, 4, le32(quint32(size - 8)));
        }
        const GuardedBytes guarded(cut);
        ASSERT_TRUE(guarded.ok());
        const auto wave = decodeWave(guarded.bytes());
        if (wave) {
            // Only the pad byte that ends an odd-sized last chunk may go missing.
            ASSERT_EQ(wave->samples, wholeWave->samples) << "cut to " << size << " bytes";
        } else {
            ASSERT_FALSE(wave.error.isEmpty());
        }
    }
}

TEST_P(WaveSweep, scrambledBytesGiveASoundOrAnErrorNeverACrash) {
    const QByteArray whole = fixture(GetParam());
    ASSERT_FALSE(whole.isEmpty());
    std::mt19937 random(2024);
    int decoded = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray scrambled = whole;
        // Mostly the headers, where the sizes and the format live.
        const int span = round % 3 == 0 ? int(whole.size()) : 96;
        for (int n = 1 + int(random() % 4); n > 0; --n) {
            scrambled[int(random() % span)] = char(random());
        }
        const GuardedBytes guarded(scrambled);
        ASSERT_TRUE(guarded.ok());
        const auto wave = decodeWave(guarded.bytes());
        if (!wave) {
            ASSERT_FALSE(wave.error.isEmpty());
            continue;
        }
        ++decoded;
        ASSERT_THAT(wave->format.channels, ::testing::AnyOf(1, 2));
        ASSERT_EQ(wave->samples.size() % std::size_t(wave->format.channels), 0u);
        const auto mix = convertForMix(*wave);
        ASSERT_TRUE(mix) << mix.error.toStdString();
        ASSERT_GT(mix->frameCount(), 0u);
    }
    EXPECT_GT(decoded, 0); // the sweep did reach the decoders
}

INSTANTIATE_TEST_SUITE_P(Files, WaveSweep,
                         ::testing::Values("adpcm_stereo_22050.wav", "chunky_odd_u8_mono_11025.wav",
                                           "tone_s16_stereo_44100.wav"));

TEST(WaveReader, aOneFrameSoundStillComesOut) {
    const QByteArray fmt = le16(1) + le16(1) + le32(8287) + le32(8287) + le16(1) + le16(8);
    const auto mix = readWave(riff(chunk("fmt ", fmt) + chunk("data", QByteArray(1, char(255)))));
    ASSERT_TRUE(mix) << mix.error.toStdString();
    EXPECT_NEAR(double(mix->frameCount()), 48000.0 / 8287, 1.0);
}

TEST(WaveReader, extremeAdpcmCoefficientsSaturateInsteadOfWrappingAround) {
    // One coefficient pair, (-32768, -32768), on two samples of -32768: the prediction is
    // 2^31 / 256, far above full scale.
    const QByteArray fmt = le16(2) + le16(1) + le32(11025) + le32(5675) + le16(256) + le16(4) +
                           le16(6) + le16(500) + le16(1) + le16(0x8000) + le16(0x8000);
    const QByteArray block =
        QByteArray(1, 0) + le16(16) + le16(0x8000) + le16(0x8000) + QByteArray(249, char(0x00));
    const auto wave = decodeWave(bytesOf(riff(chunk("fmt ", fmt) + chunk("data", block))));
    ASSERT_TRUE(wave) << wave.error.toStdString();
    ASSERT_EQ(wave->samples.size(), 500u);
    EXPECT_EQ(wave->samples[2], 32767);
}

TEST(WaveReader, anExtensibleFmtChunkIsReadByItsSubFormat) {
    const auto extensible = [](quint16 subFormat) {
        return le16(0xFFFE) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16) + le16(22) +
               le16(16) + le32(4) + le16(subFormat) +
               QByteArray::fromHex("000000001000800000aa00389b71");
    };
    const QByteArray plain = pcm();
    const QByteArray data = plain.mid(44);
    const auto expected = decodeWave(bytesOf(plain));
    const auto wave = decodeWave(bytesOf(riff(chunk("fmt ", extensible(1)) + chunk("data", data))));
    ASSERT_TRUE(wave) << wave.error.toStdString();
    ASSERT_TRUE(expected);
    EXPECT_EQ(wave->samples, expected->samples);

    const auto floats =
        decodeWave(bytesOf(riff(chunk("fmt ", extensible(3)) + chunk("data", data))));
    ASSERT_FALSE(floats);
    EXPECT_THAT(floats.error.toStdString(), ::testing::HasSubstr("0x0003 (IEEE float)"));
}

} // namespace
