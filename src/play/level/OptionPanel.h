// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerRecord.h"
#include "i18n/CaptionTable.h"
#include "play/level/FeedbackSounds.h"
#include "resources/Picture.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace pulsadrome::ui {
class BeatNote;
class ClickLabel;
class Form;
} // namespace pulsadrome::ui

namespace pulsadrome::play {

class LevelOptions;

// A number box with its arrows, drawn as "−", the box and "+". The three notifications are
// those of the options: the arrows' new value, Enter in the box, and the box losing the focus.
struct NumberField {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
    ui::ClickLabel* down = nullptr;
    ui::ClickLabel* up = nullptr;
};

// One player's game-pad controls on the panel: use it (yes / no), the attached pads, the test
// square and the three lists that show what the pad reads.
struct PadControls {
    QLabel* title = nullptr;        // the player's name in a two-player game
    QRadioButton* yes = nullptr;    // Option_joystick1 (Option_joystick1b)
    QRadioButton* no = nullptr;     // Option_joystick2 (Option_joystick2b)
    QListWidget* devices = nullptr; // lstJoySticks (lstJoySticksB)
    QLabel* testSquare = nullptr;   // Label_test1 (Label_test2)
    QListWidget* axes = nullptr;    // lstJoyAxis (lstJoyAxisB)
    QListWidget* buttons = nullptr; // lstButton (lstButtonB)
    QListWidget* hats = nullptr;    // lstHat (lstHatB)
};

// The options panel (Picture_option) of the level and games screens, laid over the whole screen
// on the theme's background. Its controls are children of the screen's form, so that they scale
// with it; the panel shows and hides them together. Every control forwards to LevelOptions
// through `act`, which also lets the screen draw itself again.
//
// The panel has two pages: the display, sound, theme and instrument choices, and the game-pads
// (with player 2's sounds on the games screen). The games screen's panel adds the bonus choice;
// its game length is the screen's own box.
class OptionPanel : public QObject {
    Q_OBJECT
public:
    using Act = std::function<void(const std::function<void()>&)>;
    enum class Page { Choices, Pads };

    OptionPanel(ui::Form& form, LevelOptions& options, const i18n::CaptionTable& captions, Act act);

    void show();
    void hide();
    bool isVisible() const;
    Page page() const { return page_; }
    void showPage(Page page);
    ui::ClickLabel* pageLabel() const { return pageSwitch_; }
    // A two-player game shows player 2's pad and sounds, under the players' names.
    void setPlayers(QString first, std::optional<QString> second);
    const PadControls& pad(int player) const { return pads_[static_cast<std::size_t>(player)]; }
    // The panel's background follows the theme.
    void setBackground(const resources::Picture& picture);
    // Draws the options' current choices into the controls.
    void refresh();

    ui::ClickLabel* closeLabel() const { return close_; }        // Image_cacher_options
    QRadioButton* metronomeYes() const { return metronome_[0]; } // Option_MO
    QRadioButton* metronomeNo() const { return metronome_[1]; }  // Option_MN
    QRadioButton* clockNo() const { return clock_[1]; }          // Option_CN
    QRadioButton* scoreNo() const { return score_[1]; }          // Option_RN
    QRadioButton* bonusNo() const { return bonus_[1]; }          // Option_bonus2 (games)
    QRadioButton* echoYes() const { return echo_[0]; }           // Option_EO (levels)
    QRadioButton* echoNo() const { return echo_[1]; }            // Option_EN (levels)
    ui::ClickLabel* themePicture(app::SoundTheme theme) const {
        return themes_[static_cast<std::size_t>(theme)];
    }
    QCheckBox* soundBox(app::SoundTheme theme, Verdict verdict) const;
    QCheckBox* soundBox2(app::SoundTheme theme, Verdict verdict) const; // Check_..._V2 / _F2
    ui::ClickLabel* preview(app::SoundTheme theme, Verdict verdict) const;
    ui::ClickLabel* instrument(int n) const { return instruments_[static_cast<std::size_t>(n)]; }
    QComboBox* bandList() const { return bands_; }
    const NumberField& volumeField() const { return volume_; }
    const NumberField& tempoField() const { return tempo_; }
    const NumberField& durationField() const { return duration_; }
    ui::ClickLabel* beatLabel() const { return beat_; } // Image_tempo
    // The tempo row's note, that of the present level's or game's series, before its "=".
    ui::BeatNote* tempoNote() const { return tempoNote_; }
    QLabel* tempoEquals() const { return tempoEquals_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename W>
    W* add(W* widget, int left, int top, int width, int height, double points = 0);
    // Further widgets go on `page`, and only for two players when `secondOnly`.
    void onPage(Page page, bool secondOnly = false) {
        building_ = page;
        buildingSecond_ = secondOnly;
    }
    void buildDisplayChoices();
    void buildPads();
    PadControls buildPadCard(int player, QRect card);
    void buildSecondSounds(QRect area);
    void buildNumbers();
    void buildThemes();
    void buildInstruments();
    NumberField addNumberField(const QString& name, const QString& caption, int top,
                               int captionWidth = 190);

    ui::Form& form_;
    LevelOptions& options_;
    const i18n::CaptionTable& captions_;
    Act act_;
    class OptionBackdrop* backdrop_ = nullptr;
    struct Placed {
        QWidget* widget;
        Page page;
        bool secondOnly;
    };
    std::vector<Placed> widgets_;
    Page building_ = Page::Choices;
    bool buildingSecond_ = false;
    Page page_ = Page::Choices;
    bool twoPlayers_ = false;
    std::array<QRadioButton*, 2> metronome_{};
    std::array<QRadioButton*, 2> clock_{};
    std::array<QRadioButton*, 2> score_{};
    std::array<QRadioButton*, 2> bonus_{};
    std::array<QRadioButton*, 2> echo_{};
    std::array<PadControls, 2> pads_{};
    std::array<QCheckBox*, 2 * app::kSoundThemeCount> soundBoxes2_{};
    ui::ClickLabel* pageSwitch_ = nullptr;
    QLabel* help_ = nullptr;              // how to use a pad, in a one-player screen
    QLabel* secondSoundsTitle_ = nullptr; // over player 2's sound boxes
    std::array<ui::ClickLabel*, app::kSoundThemeCount> themes_{};
    std::array<QCheckBox*, 2 * app::kSoundThemeCount> soundBoxes_{};
    std::array<ui::ClickLabel*, 2 * app::kSoundThemeCount> previews_{};
    std::vector<ui::ClickLabel*> instruments_;
    QComboBox* bands_ = nullptr;
    NumberField volume_;
    NumberField tempo_;
    NumberField duration_;
    ui::ClickLabel* close_ = nullptr;
    ui::ClickLabel* beat_ = nullptr;
    ui::BeatNote* tempoNote_ = nullptr;
    QLabel* tempoEquals_ = nullptr;
};

} // namespace pulsadrome::play
