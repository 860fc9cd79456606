// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBench.h"

#include "catalogue/Levels.h"

#include <stdexcept>

namespace pulsadrome::play::testing {

RecordingRhythm::RecordingRhythm() {
    for (int i = 0; i < kInstrumentCount; ++i) {
        bands << QStringLiteral("band %1").arg(i);
    }
}

bool RecordingRhythm::record(const char* operation, const QString& argument, bool result) {
    calls << (argument.isNull() ? QString::fromLatin1(operation)
                                : QString::fromLatin1(operation) + ' ' + argument);
    return result;
}

QStringList RecordingRhythm::argsOf(const char* operation) const {
    const QString prefix = QString::fromLatin1(operation) + ' ';
    QStringList args;
    for (const QString& call : calls) {
        if (call.startsWith(prefix)) {
            args << call.mid(prefix.size());
        }
    }
    return args;
}

app::StoreStatus MemoryPlayers::storeCurrent() {
    if (fail) {
        return {
            app::StoreProblem::Failed, QStringLiteral("disk full"), app::StoreFault::DiskFull, {}};
    }
    stored.push_back(record);
    return {};
}

LevelBench::LevelBench(const std::function<void(app::PlayerRecord&)>& edit,
                       const std::function<void(RecordingRhythm&)>& editSound) {
    if (edit) {
        edit(players.record);
    }
    if (editSound) {
        editSound(sound);
    }
    menuLevels.ApplyProgress(players.record.progress());
    run.Form_Load();
}

void LevelBench::start(const char* code) {
    const catalogue::Level* level = catalogue::findLevelByCode(QString::fromLatin1(code));
    if (!level) {
        throw std::invalid_argument(code);
    }
    run.applyLevelStart(catalogue::startLevel(*level, QStringLiteral("NIVEAU "),
                                              run.options().duration().text, menu));
}

void LevelBench::keys(const char* letters) {
    for (const char* c = letters; *c; ++c) {
        switch (*c) {
        case 'R':
            run.Form_KeyDown(KeyRight);
            break;
        case 'L':
            run.Form_KeyDown(KeyLeft);
            break;
        case 'U':
            run.Form_KeyDown(KeyUp);
            break;
        case 'D':
            run.Form_KeyDown(KeyDown);
            break;
        case ' ':
            run.Form_KeyDown(KeySpace);
            break;
        default:
            throw std::invalid_argument(letters);
        }
    }
}

void LevelBench::answer(int answer) {
    const GridKind kind = gridKindOf(run.levelCode());
    int target = 1;
    while (answerNumberOf(target, kind) != answer) {
        ++target;
    }
    // Along the row first, then up or down: never through a barred step.
    const int row = (target - 1) / 3;
    const int column = (target - 1) % 3;
    while ((run.grid().cursor() - 1) % 3 < column) {
        keys("R");
    }
    while ((run.grid().cursor() - 1) % 3 > column) {
        keys("L");
    }
    while ((run.grid().cursor() - 1) / 3 < row) {
        keys("D");
    }
    while ((run.grid().cursor() - 1) / 3 > row) {
        keys("U");
    }
    keys(" ");
}

void LevelBench::answerWrong() {
    const int right = run.question().toInt();
    for (int other : QuestionOrder(gridKindOf(run.levelCode()))) {
        if (other != right) {
            answer(other);
            return;
        }
    }
}

void LevelBench::feedbackOver() {
    run.Timer1_Timer();
    run.Timer1_Timer();
}

void LevelBench::ticks(int count) {
    for (int i = 0; i < count; ++i) {
        run.Timer2_Timer();
    }
}

std::string gridPicture(const AnswerGrid& grid) {
    std::string picture;
    for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
        picture += grid.frameColour(cell) == catalogue::FrameColour::Red ? '#' : '.';
        if (cell % 3 == 0 && cell < AnswerGrid::kCellCount) {
            picture += ' ';
        }
    }
    return picture;
}

} // namespace pulsadrome::play::testing
