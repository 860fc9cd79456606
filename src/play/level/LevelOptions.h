// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/level/FeedbackSounds.h"
#include "play/level/LevelContext.h"
#include "play/level/TempoGroups.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace pulsadrome::play {

inline constexpr int kKeyEnter = 13;
inline constexpr int kInstrumentCount = 44;

// A number box with its up-down arrows: the text as typed, and the arrows' value within their
// range. A typed value replaces the arrows' only once validated.
struct NumberBox {
    int minimum;
    int maximum;
    int value;    // the arrows' value, minimum <= value <= maximum
    QString text; // the box's text, possibly not (yet) a number
};

// What the options of a play screen reach outside themselves; all of it outlives them.
struct OptionContext {
    RhythmPort& sound;
    app::PlayerRecordStore& players;
    Random& random;                     // feedback-sound draws
    const catalogue::MenuHolders& menu; // Label_NN and Label_instruments
    OptionScreenEvents& screen;
    CodeKind codes; // what Label_NN holds on this screen
};

// The settings of a play screen: the options panel's choices, and the volume, tempo and duration
// boxes. The level screen and the games screen share them; the games screen adds the bonus
// choice and player 2's sounds (its codes are game codes). Each choice takes effect at once on
// the screen and reaches the player's record only through writeChoices() when the panel closes.
// Failures of the engine are reported as the screen's message boxes.
//
// Setting the arrows' value from code runs their change handler, exactly as a click does.
class LevelOptions {
public:
    explicit LevelOptions(OptionContext context);

    // The load's part: the band list, then every stored choice of the record applied to the
    // boxes, the panel and the engine, in the load's order. Label_timer and the theme pictures
    // are the run's.
    void loadStoredChoices();
    // The panel's opening: the volume and tempo boxes take the record's values again, which
    // sends both to the engine.
    void reloadVolumeAndTempo();
    // The panel's closing, before the record is stored: every choice into the record's holders,
    // and the display choices applied.
    void writeChoices();

    // Volume: the arrows send through ChangeVolume; a typed value through ChangeVolume on Enter
    // and through SetVolumeFromEdit when the box loses the focus.
    void UpDown_Volume_Change(int value);
    void setVolumeText(const QString& text) { volume_.text = text; }
    void EDIT_Volume_KeyPress(int key);
    void EDIT_Volume_LostFocus();

    // Tempo: the arrows send the level's scaled tempo; a validated typed value is sent scaled
    // (through the arrows) and then unscaled, which stays in force.
    void UpDown_Tempo_Change(int value);
    void setTempoText(const QString& text) { tempo_.text = text; }
    void EDIT_Tempo_KeyPress(int key);
    void EDIT_Tempo_LostFocus();
    void Command_tempo_Click();
    // The beat of the level's group, over whatever sounds; nothing for a code outside the groups.
    void Image_tempo_Click();
    // The note the tempo counts on the screen's present code: that of its series, a crotchet for a
    // code outside the groups (whose tempo is sent as it is).
    TempoGroup beatNote() const;

    // Duration of a run: the running clock is never touched; it applies at the next start.
    void UpDown_chrono_Change(int value);
    void setDurationText(const QString& text) { duration_.text = text; }
    void Text_chrono_KeyPress(int key);
    // The arrows' second notification: the same validation as Enter in the box.
    void UpDown_chrono_GotFocus() { validateDuration(); }

    // Option_MO/MN, Option_CO/CN, Option_RO/RN: applied to the screen at the close.
    void chooseMetronome(bool shown) { showMetronome_ = shown; }
    void chooseClock(bool shown) { showClock_ = shown; }
    void chooseScore(bool shown) { showScore_ = shown; }
    // "Hear my choice", the level screen's only: after a wrong answer, the chosen rhythm and then
    // the asked one. In force at once.
    void chooseEcho(bool on) { echo_ = on; }
    void setSoundTick(app::SoundTheme theme, Verdict verdict, bool ticked);
    // The games screen's additions: Option_bonus1/2 and player 2's sixteen boxes.
    void chooseBonus(bool used) { useBonus_ = used; }
    void setSoundTick2(app::SoundTheme theme, Verdict verdict, bool ticked);

    // A theme picture: the record's theme word at once, its two sounds ticked and no other.
    void Image_theme_Click(app::SoundTheme theme);
    // A preview picture: the sound once, as a preview.
    void Son_Click(app::SoundTheme theme, Verdict verdict);
    // Instrument picture n (0 <= n < 44): only that picture framed, band list position n.
    void Image_instrument_Click(int n);
    // The band list: select the band at `position`, and play its preview once the menu has
    // prepared a start (Label_instruments "ok").
    void LIST_Bands_Click(int position);
    // The record's instrument position back into the band list and its picture framed. A
    // position that is not one of the list's is replaced by the default band (the record keeps
    // it until the panel's choices are written) and told once per stored text while the screen
    // lives.
    void ApplyStoredInstrument();

    // PlayRightSound / PlayWrongSound.
    void playVerdictSound(Verdict verdict);

    const NumberBox& volume() const { return volume_; }
    const NumberBox& tempo() const { return tempo_; }
    const NumberBox& duration() const { return duration_; }
    bool metronomeChoice() const { return showMetronome_; }
    bool clockChoice() const { return showClock_; }
    bool scoreChoice() const { return showScore_; }
    bool echoChoice() const { return echo_; }
    bool metronomeShown() const { return metronomeShown_; } // Metronome_stop visible
    bool clockShown() const { return clockShown_; }         // Label_timer and Shape_chrono
    bool scoreShown() const { return scoreShown_; }         // Label_score and Label_scoreB
    const SoundChoice& sounds() const { return sounds_; }
    const SoundChoice& sounds2() const { return sounds2_; }
    bool bonusChoice() const { return useBonus_; }
    bool gameScreen() const { return context_.codes == CodeKind::Game; }
    const QStringList& bands() const { return bands_; }
    int bandPosition() const { return bandPosition_; } // -1 while no band is chosen
    bool instrumentFramed(int n) const { return framed_[static_cast<std::size_t>(n)]; }

private:
    void validateVolume(bool fromEnter);
    void validateTempo();
    void validateDuration();
    void sendTempo(qint16 tempo);

    OptionContext context_;
    NumberBox volume_{0, 100, 50, QStringLiteral("50")};
    NumberBox tempo_{1, 300, 100, QStringLiteral("100")};
    NumberBox duration_{1, 999, 100, QStringLiteral("200")};
    bool showMetronome_ = true;
    bool showClock_ = true;
    bool showScore_ = true;
    bool echo_ = false;
    bool metronomeShown_ = true;
    bool clockShown_ = true;
    bool scoreShown_ = true;
    SoundChoice sounds_;
    SoundChoice sounds2_;
    bool useBonus_ = true;
    QStringList bands_;
    std::optional<QString> toldInstrument_; // the stored text whose replacement was told
    int bandPosition_ = -1;
    std::array<bool, kInstrumentCount> framed_{};
};

} // namespace pulsadrome::play
