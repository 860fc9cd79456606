// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/ChildProgress.h"
#include "app/PlayerRecord.h"
#include "i18n/CaptionTable.h"
#include "play/RhythmPort.h"
#include "ui/Form.h"

#include <QList>
#include <QString>
#include <QTimeZone>
#include <QTimer>

#include <array>
#include <vector>

class QLabel;
class QTableWidget;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::app {

class NotationCard;

// The Progress screen of one child: the levels passed in each series with the day of the pass,
// the share of right answers of each level played, the time played, a chart of the right
// answers week by week, and the ten pairs of rhythms the child mixes up most, each as its two
// notation pictures with a button that plays one rhythm, then the other, as the child hears
// them (the child's band, volume and tempo). A picture alone plays its own rhythm. It reads
// nothing and writes nothing: the answers and the record are given, the report and the
// practice are asked of the program by signals.
class ProgressWindow : public ui::Form {
    Q_OBJECT
public:
    // Between the end of the first rhythm of a pair and the start of the second.
    static constexpr int kPairGapMs = 700;
    // How long the first rhythm is given when the engine cannot tell its length.
    static constexpr int kUnknownRhythmMs = 4000;

    // Who looks: the child, from the menu, who may practise; or the teacher, from the class
    // table, who goes back there and practises nothing in the child's name.
    enum class Visit { Child, Teacher };

    // `sound` is the screen's own and outlives it; `zone` is the one the child plays in.
    ProgressWindow(const i18n::CaptionTable& captions, play::RhythmPort& sound,
                   const PlayerRecord& child, const std::vector<answers::AnswerRecord>& answers,
                   const QTimeZone& zone, Visit visit = Visit::Child, QWidget* parent = nullptr);

    Visit visit() const { return visit_; }

    const answers::ChildProgress& progress() const { return progress_; }
    const PlayerRecord& child() const { return child_; }
    const QTimeZone& zone() const { return zone_; }

    // Plays pair `index` (0 ... 9): the first rhythm now, the second when pairTimer() fires.
    void playPair(int index);
    // The timer that starts the second rhythm of a pair: its timeout calls Timer_paire_Timer(),
    // which plays the second rhythm of the pair under way (tests call it themselves).
    const QTimer& pairTimer() const { return pairTimer_; }
    void Timer_paire_Timer();
    // The rhythms most confused, worst first, each once: what a practice level is made of.
    QList<int> confusedRhythms() const;

signals:
    // "Practise my confusions": `rhythms` as confusedRhythms().
    void practiseRequested(const QList<int>& rhythms);
    // The PDF report's button.
    void reportRequested();
    // The way back (the home picture, Escape, the window's close).
    void returned();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTop();
    void buildLevels();
    void buildPairs();
    void prepareSound();
    // The rhythm at the child's tempo for its series.
    void playRhythm(int rhythm);
    void leave();

    const i18n::CaptionTable& captions_;
    play::RhythmPort& sound_;
    PlayerRecord child_;
    QTimeZone zone_;
    Visit visit_;
    answers::ChildProgress progress_;
    int tempo_ = 100;
    QTimer pairTimer_;
    int secondRhythm_ = 0;
    QTableWidget* levels_ = nullptr;
    bool left_ = false;
};

} // namespace pulsadrome::app
