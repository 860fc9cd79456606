// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/RhythmEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::sound;
using ::testing::ElementsAre;

namespace {

// Records every call the engine makes on the music system, in order.
struct Recorder {
    std::vector<std::string> calls;
    int musicTime = 0;
};

class FakeRhythmPerformance final : public RhythmPerformance {
public:
    explicit FakeRhythmPerformance(Recorder& r) : r_(r) {}
    void loadBand(const Band& b) override { log("load " + b.nameKey); }
    void releaseBand(const Band& b) override { log("release " + b.nameKey); }
    void playBandSegment(const Band& b) override { log("bandSegment " + b.nameKey); }
    void playSecondary(const Segment& s) override {
        r_.calls.push_back("play " + std::to_string(s.lengthTicks));
    }
    void stopAll() override { r_.calls.push_back("stopAll"); }
    int musicTime() const override { return r_.musicTime; }
    void sendTempo(int time, double qpm) override {
        r_.calls.push_back("tempo " + std::to_string(time) + " " + std::to_string(qpm));
    }
    void setMasterVolume(int level) override {
        r_.calls.push_back("volume " + std::to_string(level));
    }

private:
    void log(const QString& s) { r_.calls.push_back(s.toStdString()); }
    Recorder& r_;
};

class FakeFeedback final : public FeedbackPerformance {
public:
    explicit FakeFeedback(Recorder& r) : r_(r) {}
    bool playWave(const QString& name) override {
        r_.calls.push_back("wave " + name.toStdString());
        return true;
    }
    void setMasterVolume(int level) override {
        r_.calls.push_back("waveVolume " + std::to_string(level));
    }

private:
    Recorder& r_;
};

class FakePlatform final : public MusicPlatform {
public:
    Recorder recorder;
    bool canPlay = true;
    std::unique_ptr<RhythmPerformance> createRhythmPerformance(QString* why) override {
        if (!canPlay) {
            *why = QStringLiteral("no sound bank");
            return nullptr;
        }
        return std::make_unique<FakeRhythmPerformance>(recorder);
    }
    std::unique_ptr<FeedbackPerformance> createFeedbackPerformance(QString*) override {
        return std::make_unique<FakeFeedback>(recorder);
    }
    std::shared_ptr<const std::vector<Segment>> keep(std::vector<Segment> segments) override {
        return std::make_shared<const std::vector<Segment>>(std::move(segments));
    }
};

// A folder holding a rythme.sty made of the given lines.
class StyleFolder {
public:
    explicit StyleFolder(const QStringList& lines, const QString& name = "rythme.sty") {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

QStringList motifs(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        // Lengths tell the motifs apart: motif i lasts one 4/4 count-in bar plus one 2/4 or 4/4.
        lines << QStringLiteral("motif m%1 %2").arg(i).arg(i % 2 ? "4/4 1" : "2/4 2");
    }
    return lines;
}

class EngineTest : public ::testing::Test {
protected:
    i18n::CaptionTable captions;
    FakePlatform platform;
};

TEST_F(EngineTest, theBandListReadsLastBandFirstAndAPositionChoosesThatBand) {
    StyleFolder folder(
        QStringList{"band A percussion 76 76", "band B melodic 0 72", "band C melodic 12 67"} +
        motifs(3));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    const QStringList list = engine.FillBandList();
    EXPECT_THAT(list, ElementsAre("C", "B", "A"));
    EXPECT_TRUE(engine.SelectBand(list[0]));
    EXPECT_THAT(platform.recorder.calls, ElementsAre("load C", "bandSegment C"));
    EXPECT_EQ(engine.currentBand(), 2);
}

TEST_F(EngineTest, choosingABandReleasesTheCurrentOneEvenWhenItIsTheSame) {
    StyleFolder folder(QStringList{"band A percussion 76 76", "band B melodic 0 72"} + motifs(1));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    EXPECT_TRUE(engine.SelectBand("B"));
    EXPECT_TRUE(engine.SelectBand("B"));
    EXPECT_TRUE(engine.SelectBand("A"));
    EXPECT_FALSE(engine.SelectBand("Tuba"));
    EXPECT_THAT(platform.recorder.calls,
                ElementsAre("load B", "bandSegment B", "release B", "load B", "bandSegment B",
                            "release B", "load A", "bandSegment A"));
}

TEST_F(EngineTest, aRhythmStopsEverythingFirstAndThePreviewDoesNot) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(561));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    EXPECT_TRUE(engine.PlayRhythm(0));     // 2/4: count-in 1536 + 1536
    EXPECT_TRUE(engine.PlayRhythm(559));   // 4/4: 3072 + 3072
    EXPECT_TRUE(engine.PlayBandPreview()); // motif 560, a 2/4 phrase alone
    EXPECT_FALSE(engine.PlayRhythm(560));
    EXPECT_FALSE(engine.PlayRhythm(-1));
    EXPECT_THAT(platform.recorder.calls,
                ElementsAre("stopAll", "play 3072", "stopAll", "play 6144", "play 1536"));
}

TEST_F(EngineTest, aBeatSampleSoundsOverTheRhythmWithoutCuttingIt) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(561));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    EXPECT_TRUE(engine.PlayRhythm(559));
    EXPECT_TRUE(engine.PlayBeatSample(0));
    EXPECT_FALSE(engine.PlayBeatSample(560)); // the band preview is not a beat
    EXPECT_FALSE(engine.PlayBeatSample(-1));
    EXPECT_THAT(platform.recorder.calls, ElementsAre("stopAll", "play 6144", "play 3072"));
}

TEST_F(EngineTest, slot561StaysEmptyAndMotifsBeyondTheTableAreNotKept) {
    StyleFolder full(QStringList{"band A percussion 76 76"} + motifs(561));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(full.path(), false));
    EXPECT_EQ(engine.motifCount(), 561);
    EXPECT_TRUE(engine.hasSlot(560));
    EXPECT_FALSE(engine.hasSlot(561));

    StyleFolder crowded(QStringList{"band A percussion 76 76"} + motifs(600));
    RhythmEngine big(platform, captions);
    ASSERT_TRUE(big.Initialise(crowded.path(), false));
    EXPECT_EQ(big.motifCount(), 600);
    EXPECT_TRUE(big.hasSlot(561));
    EXPECT_FALSE(big.hasSlot(562));
}

TEST_F(EngineTest, theStyleIsFoundUnderEitherNameAndADamagedOneIsReported) {
    // "<folder>rythme.sty": the name glued to the folder's text.
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("class"));
    QFile glued(folder + QStringLiteral("rythme.sty"));
    ASSERT_TRUE(glued.open(QIODevice::WriteOnly));
    glued.write("band Solo melodic 0 60\nmotif a 4/4 1\n");
    glued.close();
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder, false));
    EXPECT_EQ(engine.styleFile(), glued.fileName());
    EXPECT_THAT(engine.FillBandList(), ElementsAre("Solo"));

    StyleFolder damaged(QStringList{"band A percussion 76 76", "motif a 4/4 4 4 4"});
    RhythmEngine fallback(platform, captions);
    ASSERT_TRUE(fallback.Initialise(damaged.path(), false));
    EXPECT_TRUE(fallback.styleFile().isEmpty());
    EXPECT_THAT(fallback.styleWarning().toStdString(), ::testing::HasSubstr("line 2"));
    EXPECT_EQ(fallback.motifCount(), 561); // the program's own style
}

TEST_F(EngineTest, aDamagedStyleUnderTheFirstNameStillLetsTheSecondNameLoad) {
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("class"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile damaged(folder + QStringLiteral("/rythme.sty"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("band A percussion 76 76\nmotif a 4/4 4 4 4\n");
    damaged.close();
    QFile glued(folder + QStringLiteral("rythme.sty"));
    ASSERT_TRUE(glued.open(QIODevice::WriteOnly));
    glued.write("band Solo melodic 0 60\nmotif a 4/4 1\n");
    glued.close();

    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder, false));
    EXPECT_EQ(engine.styleFile(), glued.fileName());
    EXPECT_THAT(engine.FillBandList(), ElementsAre("Solo"));
    EXPECT_EQ(engine.motifCount(), 1);
    // The damaged file is still reported, and the warning names the file that was used.
    EXPECT_THAT(engine.styleWarning().toStdString(), ::testing::HasSubstr("line 2"));
    EXPECT_THAT(engine.styleWarning().toStdString(),
                ::testing::HasSubstr(glued.fileName().toStdString()));

    // Both damaged: the program's own style, and both files named.
    ASSERT_TRUE(glued.open(QIODevice::WriteOnly | QIODevice::Truncate));
    glued.write("tuba\n");
    glued.close();
    RhythmEngine fallback(platform, captions);
    ASSERT_TRUE(fallback.Initialise(folder, false));
    EXPECT_TRUE(fallback.styleFile().isEmpty());
    EXPECT_EQ(fallback.motifCount(), 561);
    EXPECT_THAT(fallback.styleWarning().toStdString(),
                ::testing::HasSubstr(damaged.fileName().toStdString()));
    EXPECT_THAT(fallback.styleWarning().toStdString(),
                ::testing::HasSubstr(glued.fileName().toStdString()));
}

// A rythme.sty in the current folder that holds nothing to play, is damaged or cannot be read
// is passed over for the program's own style, and the adult is told so in the interface
// language, naming the file; a usable one says nothing.
TEST_F(EngineTest, aStyleThatCannotBeUsedIsPassedOverAndToldInTheInterfaceLanguage) {
    const struct {
        const char* name;
        QByteArray text;
        const char* french;  // what the French notice says of the file
        const char* english; // and the English one
    } cases[] = {
        {"empty", "", "n'a aucun instrument ou aucun rythme", "has no instrument or no rhythm"},
        {"comments only", "# nothing\n\n", "n'a aucun instrument ou aucun rythme",
         "has no instrument or no rhythm"},
        {"bands only", "band A percussion 76 76\n", "n'a aucun instrument ou aucun rythme",
         "has no instrument or no rhythm"},
        {"motifs only", "motif a 4/4 1\n", "n'a aucun instrument ou aucun rythme",
         "has no instrument or no rhythm"},
        {"damaged", "band A percussion 76 76\nmotif a 4/4 4 4 4\n", "est abîmé (ligne 2)",
         "is damaged (line 2)"},
        {"far too large", QByteArray(5 * 1024 * 1024, '#'), "ne peut pas être lu",
         "cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("rythme.sty")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();
        for (const char* language : {"francais", "anglais"}) {
            i18n::CaptionTable told;
            told.setCurrentCode(QString::fromLatin1(language));
            told.Command_langue_Click();
            RhythmEngine engine(platform, told);
            ASSERT_TRUE(engine.Initialise(dir.path(), false));
            EXPECT_TRUE(engine.styleFile().isEmpty());
            EXPECT_EQ(engine.motifCount(), 561); // the program's own style
            EXPECT_EQ(engine.FillBandList().size(), 44);
            const std::string notice = engine.setupNotice().toStdString();
            const bool french = std::string(language) == "francais";
            EXPECT_THAT(notice, ::testing::HasSubstr(french ? c.french : c.english));
            EXPECT_THAT(notice, ::testing::HasSubstr(file.fileName().toStdString()));
            EXPECT_THAT(notice,
                        ::testing::HasSubstr(french ? "son propre style" : "its own music style"));
        }
    }

    StyleFolder good(QStringList{"band A percussion 76 76"} + motifs(1));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(good.path(), false));
    EXPECT_TRUE(engine.setupNotice().isEmpty());
    EXPECT_TRUE(engine.styleWarning().isEmpty());
}

TEST_F(EngineTest, tempoIsSentAsGivenFromTheCurrentMusicTime) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(1));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    platform.recorder.musicTime = 4321;
    EXPECT_TRUE(engine.SetTempo(152));
    EXPECT_THAT(platform.recorder.calls, ElementsAre("tempo 4321 152.000000"));
}

struct VolumeCase {
    int setting;
    int changeVolume;
    int fromEdit;
};

class Volumes : public EngineTest, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(Volumes, eachPathUsesItsOwnFormula) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(1));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    EXPECT_TRUE(engine.ChangeVolume(GetParam().setting));
    EXPECT_TRUE(engine.SetVolumeFromEdit(GetParam().setting));
    EXPECT_THAT(platform.recorder.calls,
                ElementsAre("volume " + std::to_string(GetParam().changeVolume),
                            "volume " + std::to_string(GetParam().fromEdit)));
}

INSTANTIATE_TEST_SUITE_P(Settings, Volumes,
                         ::testing::Values(VolumeCase{0, -10000, -3000},
                                           VolumeCase{1, -2450, -2940}, VolumeCase{50, 0, 0},
                                           VolumeCase{100, 2500, 3000}));

TEST_F(EngineTest, aVerdictDuringPlayLeavesLaterFeedbackTenDecibelsSofter) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(1));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), true));
    EXPECT_TRUE(engine.PlayFeedback("coq", "vrai", false)); // a preview in the options
    EXPECT_TRUE(engine.PlayFeedback("cheval", "faux", true));
    EXPECT_THAT(platform.recorder.calls,
                ElementsAre("wave coq_vrai", "wave cheval_faux", "waveVolume -1000"));

    RhythmEngine listening(platform, captions);
    ASSERT_TRUE(listening.Initialise(folder.path(), false));
    EXPECT_FALSE(listening.PlayFeedback("coq", "vrai", true));
}

TEST_F(EngineTest, aRhythmsLengthCountsItsCountInAtTheTempoLastSent) {
    StyleFolder folder(QStringList{"band A percussion 76 76"} + motifs(561));
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(folder.path(), false));
    // Motif 0 is 4 quarter notes in all, motif 1 eight; a performance starts at 120.
    EXPECT_EQ(engine.RhythmMilliseconds(0), 2000);
    EXPECT_EQ(engine.RhythmMilliseconds(1), 4000);
    ASSERT_TRUE(engine.SetTempo(100));
    EXPECT_EQ(engine.RhythmMilliseconds(1), 4800);
    ASSERT_TRUE(engine.SetTempo(7));
    EXPECT_EQ(engine.RhythmMilliseconds(0), 34286);
    // The band preview is no rhythm.
    EXPECT_EQ(engine.RhythmMilliseconds(560), std::nullopt);
    EXPECT_EQ(engine.RhythmMilliseconds(-1), std::nullopt);
}

TEST_F(EngineTest, withoutSoundTheBandListStillFillsAndNothingElseActs) {
    platform.canPlay = false;
    RhythmEngine engine(platform, captions);
    QString why;
    EXPECT_FALSE(engine.Initialise(QStringLiteral("/nonexistent"), true, &why));
    EXPECT_EQ(why, QLatin1String("no sound bank"));
    EXPECT_EQ(engine.FillBandList().size(), 44);
    EXPECT_FALSE(engine.SelectBand(engine.FillBandList().first()));
    EXPECT_FALSE(engine.PlayRhythm(0));
    EXPECT_FALSE(engine.SetTempo(100));
    EXPECT_EQ(engine.RhythmMilliseconds(0), std::nullopt);
    EXPECT_FALSE(engine.ChangeVolume(50));
    EXPECT_FALSE(engine.PlayFeedback("coq", "vrai", false));
    EXPECT_TRUE(platform.recorder.calls.empty());
}

TEST_F(EngineTest, theProgramsOwnBandsAreNamedInTheInterfaceLanguage) {
    RhythmEngine engine(platform, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    const QStringList french = engine.FillBandList();
    ASSERT_EQ(french.size(), 44);
    captions.setCurrentCode(QStringLiteral("allemand"));
    captions.Command_langue_Click();
    const QStringList german = engine.FillBandList();
    EXPECT_NE(french, german);
    EXPECT_TRUE(engine.SelectBand(german[23]));
    EXPECT_EQ(engine.currentBand(), 43 - 23);
}

} // namespace
