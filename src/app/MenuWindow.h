// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MenuModel.h"
#include "ui/Form.h"

#include <QHash>

class QLineEdit;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::app {

// The main menu: the progressive levels of the three series, the games for one and two
// players, the high-score tables, listening, help, the web site, change player and quit.
class MenuWindow : public ui::Form {
    Q_OBJECT
public:
    MenuWindow(MenuModel& model, const i18n::CaptionTable& captions, QWidget* parent = nullptr);

    // The label of a level, game or score by its name (Niveau7, Label15a, Label_score3 ...).
    ui::ClickLabel* label(const QString& name) const { return labels_.value(name); }
    // Shows the enabled states of the model's level labels again (after a result).
    void refreshLevels();
    QLineEdit* nameBox(int index) const; // 1, 2 or 3

signals:
    void changePlayerRequested();
    void quitRequested();
    void helpRequested();
    void webRequested();
    void listenRequested();
    // The Progress label: the current player's Progress screen.
    void progressRequested();
    // An open level's label was clicked (Label_1a, Niveau7, Niveau07T ...).
    void levelRequested(const QString& menuLabel);
    // A game's label was clicked (Label15a, LabelB1, LabelT6 ...).
    void gameRequested(const QString& menuLabel);
    // A high-score label was clicked: table 1 ... 14.
    void scoresRequested(int table);

private:
    ui::ClickLabel* addLabel(const QString& name, const QString& caption, const QString& kind,
                             int left, int top, int width, int height, double points = 11);
    void addSeriesHeading(const QString& captionKey, int left, int top, int width);
    int addLevels(int top);
    void addGames(int players, int top);
    void addScores(int top);
    void addCommands();

    MenuModel& model_;
    const i18n::CaptionTable& captions_;
    QHash<QString, ui::ClickLabel*> labels_;
    QLineEdit* names_[3] = {nullptr, nullptr, nullptr};
};

} // namespace pulsadrome::app
