// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "listening/ListeningSession.h"
#include "play/RhythmPort.h"
#include "ui/Form.h"

#include <QString>
#include <QTimer>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;

namespace pulsadrome::ui {
class BeatNote;
class ClickLabel;
} // namespace pulsadrome::ui

namespace pulsadrome::listening {

class NotationPlace;

// Form_ecouter: the 22 groups of notation pictures, a click on a picture plays its rhythm, with
// the band list, the tempo and volume boxes and the return picture. The screen loads when it is
// built (the player's stored volume, tempo and band, group 1). The return picture, like closing
// the window, stores the volume and tempo, emits returned() and closes the window.
class ListeningWindow : public ui::Form {
    Q_OBJECT
public:
    ListeningWindow(const i18n::CaptionTable& captions, play::RhythmPort& sound,
                    app::PlayerRecordStore& players, const QString& theme,
                    QWidget* parent = nullptr);

    const ListeningSession& session() const { return session_; }

signals:
    void returned();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildGroups();
    void buildPictures();
    void buildSettings();
    void chooseGroup(int g);
    void leave();
    void tick();
    // Shows the session's state: group marks, pictures, boxes, countdown, sound message.
    void render();

    const i18n::CaptionTable& captions_;
    app::PlayerRecordStore& players_;
    ListeningSession session_;
    QTimer timer1_;
    std::array<ui::ClickLabel*, kGroupCount> groupLabels_{};
    std::array<NotationPlace*, kPlaceCount> places_{};
    ui::BeatNote* beatNote_ = nullptr;
    QLineEdit* tempoBox_ = nullptr;
    QLineEdit* volumeBox_ = nullptr;
    QListWidget* bands_ = nullptr;
    QLabel* countdown_ = nullptr;
    QLabel* soundMessage_ = nullptr;
    int shownGroup_ = 0;
    bool left_ = false;
};

} // namespace pulsadrome::listening
