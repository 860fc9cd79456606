// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/HighScoreFile.h"

#include "common/AtomicFile.h"
#include "play/games/ScoreScramble.h"
#include "play/games/Windows1252.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>

namespace pulsadrome::play {

namespace {

std::optional<qint32> wholeScore(QStringView text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QStringView digits = text.front() == u'-' ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 11) {
        return std::nullopt;
    }
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(value);
}

// The entry of one stored line, or why it cannot be read.
struct LineResult {
    std::optional<ScoreEntry> entry;
    ScoreProblem problem;
};

LineResult readLine(QByteArray bytes, int number, const QString& separator) {
    if (bytes.endsWith('\r')) {
        bytes.chop(1);
    }
    const auto failure = [number](ScoreProblem::Kind kind) {
        return LineResult{std::nullopt, ScoreProblem{kind, number, 0, {}, {}}};
    };
    if (bytes.size() > kMaxScoreLineLength) {
        return failure(ScoreProblem::Kind::LineTooLong);
    }
    const std::optional<QString> stored = decodeWindows1252(bytes);
    if (!stored) {
        return failure(ScoreProblem::Kind::LineNotText);
    }
    for (const QChar c : *stored) {
        if (!isInScoreAlphabet(c)) {
            return failure(ScoreProblem::Kind::LineForeign);
        }
    }
    const QString plain = scrambleLine(*stored);
    const qsizetype at = plain.indexOf(separator);
    if (at < 0) {
        return failure(ScoreProblem::Kind::LineNoSeparator);
    }
    const std::optional<qint32> score = wholeScore(QStringView(plain).mid(at + separator.size()));
    if (!score) {
        return failure(ScoreProblem::Kind::LineNoScore);
    }
    return {ScoreEntry{plain.left(at), *score}, {}};
}

} // namespace

QString describe(const ScoreProblem& problem, const i18n::CaptionTable& captions) {
    const auto line = [&](const char16_t* key) { return captions.text(key).arg(problem.line); };
    switch (problem.kind) {
    case ScoreProblem::Kind::None:
        return {};
    case ScoreProblem::Kind::LineTooLong:
        return line(u"score_ligne_trop_longue");
    case ScoreProblem::Kind::LineNotText:
        return line(u"score_ligne_pas_texte");
    case ScoreProblem::Kind::LineForeign:
        return line(u"score_ligne_caracteres");
    case ScoreProblem::Kind::LineNoSeparator:
        return line(u"score_ligne_sans_separateur");
    case ScoreProblem::Kind::LineNoScore:
        return line(u"score_ligne_sans_score");
    case ScoreProblem::Kind::LineNotReadBack:
        return line(u"score_ligne_non_relue");
    case ScoreProblem::Kind::FileTooLarge:
        return captions.text(u"score_fichier_trop_grand");
    case ScoreProblem::Kind::LineCount:
        return captions.text(u"score_nombre_lignes").arg(problem.line).arg(problem.expected);
    case ScoreProblem::Kind::ReadFailed:
        return i18n::readProblemText(captions, problem.read);
    case ScoreProblem::Kind::WriteFailed:
        return i18n::writeProblemText(captions, problem.write);
    }
    return {};
}

QString systemWords(const ScoreProblem& problem) {
    if (problem.kind == ScoreProblem::Kind::ReadFailed &&
        problem.read.problem == ReadProblem::Other) {
        return problem.read.systemText;
    }
    if (problem.kind == ScoreProblem::Kind::WriteFailed &&
        problem.write.problem == WriteProblem::Other) {
        return problem.write.systemText;
    }
    return {};
}

ScoreFileContents readScoreFile(const QString& path, int listCount, const QString& separator) {
    ScoreFileContents contents;
    if (!QFileInfo::exists(path)) {
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.state = ScoreFileContents::State::Unreadable;
        contents.problem = {ScoreProblem::Kind::ReadFailed, 0, 0, readFailure(path, file), {}};
        return contents;
    }
    const QByteArray bytes = file.read(kMaxScoreFileBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        contents.state = ScoreFileContents::State::Unreadable;
        contents.problem = {ScoreProblem::Kind::ReadFailed, 0, 0, readFailure(path, file), {}};
        return contents;
    }
    return readScoreBytes(bytes, listCount, separator);
}

ScoreFileContents readScoreBytes(const QByteArray& bytes, int listCount, const QString& separator) {
    ScoreFileContents contents;
    QList<QByteArray> lines = bytes.left(kMaxScoreFileBytes).split('\n');
    while (!lines.isEmpty() && (lines.back().isEmpty() || lines.back() == "\r")) {
        lines.pop_back();
    }

    ScoreProblem problem;
    if (bytes.size() > kMaxScoreFileBytes) {
        problem.kind = ScoreProblem::Kind::FileTooLarge;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        LineResult line = readLine(lines[i], static_cast<int>(i + 1), separator);
        if (line.entry) {
            contents.entries.push_back(std::move(*line.entry));
        } else if (problem.none()) {
            problem = line.problem;
        }
    }
    if (problem.none() && lines.size() != listCount) {
        problem = {
            ScoreProblem::Kind::LineCount, static_cast<int>(lines.size()), listCount, {}, {}};
    }
    contents.state =
        problem.none() ? ScoreFileContents::State::Sound : ScoreFileContents::State::Damaged;
    contents.problem = problem;
    return contents;
}

ScoreEntry storableEntry(const ScoreEntry& entry, const QString& separator) {
    QString name = storableName(entry.name);
    while (!separator.isEmpty() && name.contains(separator)) {
        name.remove(separator);
    }
    const qsizetype room =
        kMaxScoreLineLength - separator.size() - QString::number(entry.score).size();
    name.truncate(std::max<qsizetype>(room, 0));
    // The name's end and the separator must not make an earlier separator.
    while (!name.isEmpty() && (name + separator).indexOf(separator) != name.size()) {
        name.chop(1);
    }
    return {name, entry.score};
}

ScoreFileBytes scoreFileBytes(const std::vector<ScoreEntry>& entries, const QString& separator) {
    ScoreFileBytes result;
    QByteArray& bytes = result.bytes;
    int number = 0;
    for (const ScoreEntry& entry : entries) {
        ++number;
        const ScoreEntry stored = storableEntry(entry, separator);
        const std::optional<QByteArray> encoded = encodeWindows1252(
            scrambleLine(stored.name + separator + QString::number(stored.score)));
        const LineResult back =
            encoded ? readLine(*encoded, number, separator) : LineResult{std::nullopt, {}};
        if (!back.entry || back.entry->name != stored.name || back.entry->score != stored.score) {
            return {{}, {ScoreProblem::Kind::LineNotReadBack, number, 0, {}, {}}};
        }
        bytes += *encoded + "\r\n";
    }
    return result;
}

ScoreProblem writeScoreFile(const QString& path, const std::vector<ScoreEntry>& entries,
                            const QString& separator) {
    const ScoreFileBytes encoded = scoreFileBytes(entries, separator);
    if (!encoded.problem.none()) {
        return encoded.problem;
    }
    if (const WriteOutcome outcome = writeFileAtomically(path, encoded.bytes); !outcome) {
        return {ScoreProblem::Kind::WriteFailed, 0, 0, {}, outcome};
    }
    return {};
}

QString setAsideDamagedFile(const QString& path) {
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = base + QLatin1Char('-') + QString::number(n);
    }
    return QFile::rename(path, aside) ? aside : QString();
}

} // namespace pulsadrome::play
