// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameQuestions.h"

#include "catalogue/RhythmCatalogue.h"

namespace pulsadrome::play {

bool soundsLikeAsked(int chosen, int asked) {
    return catalogue::soundsAlike(chosen, asked);
}

std::optional<TempoGroup> tempoGroupOfMeter(QStringView meter) {
    if (meter == u"44") {
        return TempoGroup::Crotchet;
    }
    if (meter == u"22") {
        return TempoGroup::Minim;
    }
    if (meter == u"68") {
        return TempoGroup::DottedCrotchet;
    }
    return std::nullopt;
}

int GameQuestions::advance() {
    index_ = index_ < kGameQuestionCount ? index_ + 1 : 1;
    return repeat();
}

int GameQuestions::repeat() {
    if (index_ == 0) {
        return 0;
    }
    question_ = GameQuestionOrder[static_cast<std::size_t>(index_ - 1)];
    return question_;
}

bool GameQuestions::isRight(int cell) const {
    if (cell == question_) {
        return true;
    }
    return question_ != 0 && soundsLikeAsked(rhythmOf(cell), rhythmOf(question_));
}

} // namespace pulsadrome::play
