// SPDX-License-Identifier: GPL-3.0-or-later
// The teachers' commands run as the real program: a wrong argument, a target folder that refuses
// the write and a disk that takes no more are each told on stderr in the language of the data
// folder, with no English left in them, and end with the same exit codes as before (2 for the
// command line, 1 for an export that failed).
#include "app/CommandLine.h"
#include "app/DataDirectory.h"
#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageFile.h"

#include "support/ChildProcess.h"
#include "support/FileFaults.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace pulsadrome {
namespace {

constexpr const char* kSmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct Outcome {
    int exitCode = -1;
    QString said;    // stderr
    QString printed; // stdout
};

// Runs the program; `fileLimit` bytes, when given, is the largest file it may write (a write
// past it fails as on a full disk).
Outcome runProgram(const QStringList& arguments, rlim_t fileLimit = 0) {
    QProcess program;
    program.setProgram(QStringLiteral(PULSADROME_PROGRAM));
    program.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The language comes from the data folder's file, not from the computer's.
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    program.setProcessEnvironment(environment);
    if (fileLimit > 0) {
        program.setChildProcessModifier([fileLimit] { testing::limitFileSize(fileLimit); });
    }
    program.start();
    Outcome outcome;
    if (!program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
        outcome.said = QStringLiteral("(did not end)");
        return outcome;
    }
    outcome.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    outcome.said = QString::fromUtf8(program.readAllStandardError());
    outcome.printed = QString::fromUtf8(program.readAllStandardOutput());
    return outcome;
}

// Words of the English messages that are no word of French or German.
const QStringList kEnglishWords = {"the",     "needs",   "cannot", "written", "takes", "with",
                                   "try",     "file",    "folder", "disk",    "full",  "allowed",
                                   "number",  "picture", "rhythm", "could",   "not",   "unknown",
                                   "missing", "value",   "there",  "is",      "band",  "sound"};

// The English words in `text`, once the paths in `paths`, the option and command names
// ("--out", "export-rhythm") and URLs are taken out.
QStringList englishWordsIn(QString text, const QStringList& paths) {
    for (const QString& path : paths) {
        text.remove(path);
    }
    static const QRegularExpression technical(QStringLiteral("\\S*[-/]\\S*"));
    text.remove(technical);
    QStringList found;
    static const QRegularExpression word(QStringLiteral("\\b[A-Za-z]+\\b"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured(0).toLower();
        if (kEnglishWords.contains(w)) {
            found << w;
        }
    }
    return found;
}

i18n::CaptionTable captionsIn(i18n::Language language) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(language).code));
    captions.Command_langue_Click();
    return captions;
}

// A data folder whose language file names `language`.
class TeacherCommands : public ::testing::TestWithParam<i18n::Language> {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid() && target.isValid());
        ASSERT_TRUE(i18n::writeLanguageFile(
                        QDir(data.path()).filePath(QString::fromLatin1(i18n::kLanguageFileName)),
                        i18n::languageNumber(GetParam()))
                        .ok());
        captions = captionsIn(GetParam());
    }

    // Checks that `outcome` ended with `exitCode` and said, in the folder's language, `expected`
    // first, and nothing English.
    void expectTold(const Outcome& outcome, int exitCode, const QString& expected,
                    const char* what) {
        EXPECT_EQ(outcome.exitCode, exitCode) << what << ": " << outcome.said.toStdString();
        EXPECT_TRUE(outcome.said.startsWith(expected))
            << what << "\nsaid:     " << outcome.said.toStdString()
            << "\nexpected: " << expected.toStdString();
        EXPECT_THAT(englishWordsIn(outcome.said, {data.path(), target.path()}),
                    ::testing::IsEmpty())
            << what << ": " << outcome.said.toStdString();
    }

    QString writeProblem(const char* reasonKey) const {
        return captions.text(u"export_impossible")
            .arg(captions.text(QString::fromLatin1(reasonKey)));
    }

    QStringList withData(QStringList arguments) const {
        return QStringList{QStringLiteral("--data-dir"), data.path()} + arguments;
    }

    QTemporaryDir data;
    QTemporaryDir target;
    i18n::CaptionTable captions;
};

TEST_P(TeacherCommands, aWrongArgumentIsToldInTheFoldersLanguageWithExitCode2) {
    const QString tryHelp = captions.text(u"cli_aide");
    struct Case {
        QStringList arguments;
        QString sentence;
    };
    const Case cases[] = {
        {{"--no-such-option"}, captions.text(u"cli_option_inconnue").arg("--no-such-option")},
        {{"export-picture", "0", "--out", "x.png"},
         captions.text(u"cli_numero_rythme").arg("export-picture")},
        {{"export-picture", "5", "--out", "x.png", "--size", "big"}, captions.text(u"cli_taille")},
        {{"export-picture", "5"}, captions.text(u"cli_sortie").arg("export-picture")},
        {{"export-rhythm", "5", "--out", "x.wav", "--tempo", "400"}, captions.text(u"cli_tempo")},
        {{"export-rhythm", "5", "--out", "x.wav", "--band", "44"},
         captions.text(u"cli_instrument")},
        {{"export-rhythm", "5", "--out", "x.wav", "--size", "4x4"},
         captions.text(u"cli_pas_avec").arg("--size", "export-rhythm")},
        {{"export-answers", "3", "--out", "a.csv"},
         captions.text(u"cli_sans_numero").arg("export-answers")},
        {{"export-answers"}, captions.text(u"cli_sortie").arg("export-answers")},
        {{"export-answers", "--out", "a.csv", "--tempo", "90"},
         captions.text(u"cli_pas_avec").arg("--tempo", "export-answers")},
        {{"--database", "school:5432"}, captions.text(u"cli_adresse").arg("school:5432")},
        {{"--out"}, captions.text(u"cli_option_sans_valeur").arg("--out")},
        {{"--tempo", "90"}, captions.text(u"cli_seulement_export").arg("--tempo")},
        {{"playy"}, captions.text(u"cli_argument_inconnu").arg("playy")},
    };
    for (const Case& c : cases) {
        const std::string what = c.arguments.join(' ').toStdString();
        expectTold(runProgram(withData(c.arguments)), 2, c.sentence + '\n' + tryHelp + '\n',
                   what.c_str());
    }
    // The folder named after the fault still gives the language.
    const Outcome late = runProgram({"--tempo", "x", "--data-dir", data.path()});
    EXPECT_TRUE(late.said.startsWith(captions.text(u"cli_seulement_export").arg("--tempo")))
        << late.said.toStdString();
}

TEST_P(TeacherCommands, theHelpIsPrintedInTheFoldersLanguage) {
    const Outcome outcome = runProgram(withData({QStringLiteral("--help")}));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.said.toStdString();
    EXPECT_EQ(outcome.printed, captions.text(u"cli_aide_texte"));
    EXPECT_THAT(englishWordsIn(outcome.printed, {}), ::testing::IsEmpty());
}

TEST_P(TeacherCommands, aTargetFolderThatRefusesTheWriteIsToldWithExitCode1) {
    // The players file the answers come from, made before the target is sealed.
    ASSERT_EQ(
        runProgram(withData({"export-answers", "--out", target.filePath("first.csv")})).exitCode,
        0);
    testing::ReadOnlyFolder sealed(target.path());
    if (!sealed.seal()) {
        GTEST_SKIP() << "the folder cannot be made read-only here";
    }
    const QString refused = writeProblem("ecriture_interdite");
    expectTold(runProgram(withData({"export-picture", "57", "--out", target.filePath("bild.png")})),
               1, refused, "export-picture");
    expectTold(runProgram(withData({"export-rhythm", "57", "--soundfont", kSmallSoundFont, "--out",
                                    target.filePath("klang.wav")})),
               1, refused, "export-rhythm");
    expectTold(runProgram(withData({"export-answers", "--out", target.filePath("klasse.csv")})), 1,
               refused, "export-answers");
    EXPECT_FALSE(QFileInfo::exists(target.filePath("bild.png")));
    EXPECT_FALSE(QFileInfo::exists(target.filePath("klasse.csv")));
}

TEST_P(TeacherCommands, aDiskThatTakesNoMoreIsToldWithExitCode1) {
    // Enough answers that their spreadsheet file is bigger than the limit, which leaves room for
    // what the players file needs to be read.
    constexpr rlim_t kLimit = 64 * 1024;
    {
        const auto directory = app::DataDirectory::open(data.path());
        ASSERT_TRUE(directory);
        app::PlayerStore store(*directory);
        ASSERT_TRUE(store.open());
        ASSERT_TRUE(store.add(app::newPlayerRecord(QStringLiteral("Lina"))));
        const auto players = store.players();
        ASSERT_TRUE(players && !players->empty());
        std::vector<answers::AnswerRecord> log;
        const answers::Activity level{answers::Activity::Kind::Level, "4"};
        for (int i = 0; i < 2000; ++i) {
            log.push_back({players->front().id, 1'788'789'600 + i * 5, level, 25, 25 + i % 2,
                           i % 2 == 0, 1500, 100, 23});
        }
        ASSERT_TRUE(store.appendAnswers(log));
    }
    const QString full = writeProblem("disque_plein");
    expectTold(
        runProgram(withData({"export-picture", "57", "--out", target.filePath("bild.png")}), 1000),
        1, full, "export-picture");
    expectTold(runProgram(withData({"export-rhythm", "57", "--soundfont", kSmallSoundFont, "--out",
                                    target.filePath("klang.wav")}),
                          kLimit),
               1, full, "export-rhythm");
    expectTold(
        runProgram(withData({"export-answers", "--out", target.filePath("klasse.csv")}), kLimit), 1,
        full, "export-answers");
    EXPECT_TRUE(QDir(target.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden).join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(FrenchAndGerman, TeacherCommands,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Allemand),
                         [](const auto& info) {
                             return std::string(i18n::languageInfo(info.param).code);
                         });

// Every error the command line can give has its sentence in the six languages.
TEST(CommandLineErrors, everyOneHasItsSentenceInEveryLanguage) {
    const QStringList wrongs[] = {
        {"--data-dir"},
        {"--data-dir", ""},
        {"--soundfont", ""},
        {"--tour", ""},
        {"--help=3"},
        {"--database", "postgresql://s/db", "--tour", "/tmp/t"},
        {"--database", "postgresql://s/db", "export-answers", "--out", "a.csv"},
        {"export-picture", "1", "--out", "r.png", "--tempo", "90"},
        {"export-answers", "--out", "a.csv", "--size", "1x1", "--band", "3"},
        {"--size", "3x3", "--out", "x"},
    };
    for (const auto& language : i18n::languages()) {
        const i18n::CaptionTable captions = captionsIn(language.language);
        for (QStringList arguments : wrongs) {
            const std::string what = arguments.join(' ').toStdString();
            arguments.prepend(QStringLiteral("pulsadrome"));
            const app::CommandLine line = app::parseCommandLine(arguments);
            ASSERT_EQ(line.action, app::CommandLine::Action::Error) << what;
            ASSERT_TRUE(captions.hasRow(line.errorKey)) << what;
            const QString said = app::commandLineErrorText(line, captions);
            EXPECT_FALSE(said.isEmpty()) << what;
            EXPECT_FALSE(said.contains(QLatin1Char('%'))) << language.code << " " << what;
        }
    }
    const auto several = app::parseCommandLine(
        {"pulsadrome", "export-answers", "--out", "a.csv", "--size", "1x1", "--band", "3"});
    EXPECT_EQ(app::commandLineErrorText(several, captionsIn(i18n::Language::Francais)),
              QStringLiteral("--size ne va pas avec export-answers."));
}

} // namespace
} // namespace pulsadrome
