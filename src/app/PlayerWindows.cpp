// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerWindows.h"

#include "app/PasswordHash.h"
#include "app/PlayerChoice.h"
#include "app/ProblemTexts.h"
#include "common/NameLength.h"
#include "i18n/LanguageFile.h"
#include "ui/ClickLabel.h"
#include "ui/Flag.h"
#include "ui/MessageBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace pulsadrome::app {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

// The look of the three small windows.
constexpr const char* kWindowStyle = R"(
QLabel { color: #23395d; }
QLineEdit, QComboBox { border: 2px solid #f2a541; border-radius: 6px; padding: 0 4px;
  background: white; color: #23395d; lineedit-password-character: 42; }
QLineEdit:disabled { background: #eeeeee; border-color: #d5d8dc; }
QLabel:disabled { color: #a0a6ad; }
QPushButton, QLabel[kind="button"] { background: #fff6d5; color: #23395d;
  border: 2px solid #f2a541; border-radius: 8px; }
QLabel#Label_jouer, QPushButton#Command_save { background: #2ecc71; color: white;
  border-color: #27ae60; font-weight: bold; }
QLabel[kind="link"] { background: transparent; border: none; text-decoration: underline; }
QComboBox:disabled { background: #f6f6f6; border-color: #d5d8dc; }
QPushButton:disabled, QLabel[kind="button"]:disabled, QLabel#Label_jouer:disabled {
  background: #eeeeee; color: #a0a6ad; border-color: #d5d8dc; }
QLabel[pressed="true"], QPushButton:pressed { border-style: outset; background: #f0f0f0;
  color: #23395d; }
)";

} // namespace

QString smallWindowStyle() {
    return QString::fromLatin1(kWindowStyle);
}

MessageWindow::MessageWindow(const i18n::CaptionTable& captions, const QString& message,
                             QWidget* parent)
    : ui::Form(4395, 1650, parent), message_(new QLabel(message, this)) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    setBackgroundColour(QColor(0xff, 0xfb, 0xec));
    message_->setObjectName(QStringLiteral("Label_password"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    auto* again =
        ui::makeButton(QStringLiteral("Label_quitter"), captions.text(u"recommencer"), this);
    place(message_, px(10), px(10), px(273), px(56), 11);
    place(again, px(80), px(72), px(133), px(26), 11);
    connect(again, &ui::ClickLabel::clicked, this, &QWidget::close);
    setScale(screenScale());
}

void MessageWindow::closeEvent(QCloseEvent* event) {
    ui::Form::closeEvent(event);
    emit closed();
}

void showMessage(QWidget* over, const i18n::CaptionTable& captions, const QString& message) {
    MessageWindow window(captions, message, over ? over->window() : nullptr);
    window.setWindowFlags(Qt::Dialog);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&window, &MessageWindow::closed, &loop, &QEventLoop::quit);
    window.show();
    window.centreOnScreen();
    loop.exec();
}

PlayerChoiceWindow::PlayerChoiceWindow(PlayerStore& store, i18n::CaptionTable& captions,
                                       QString languageFile, bool waitForPlayers, QWidget* parent)
    : ui::Form(4395, 3210, parent), store_(store), captions_(captions),
      languageFile_(std::move(languageFile)), nameCaption_(new QLabel(this)),
      list_(new QComboBox(this)), passwordCaption_(new QLabel(this)),
      password_(new QLineEdit(this)), newPlayer_(new QPushButton(this)),
      next_(new ui::ClickLabel(QString(), this)), quit_(new ui::ClickLabel(QString(), this)),
      teacher_(new ui::ClickLabel(QString(), this)), network_(new ui::ClickLabel(QString(), this)) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    setBackgroundColour(QColor(0xff, 0xfb, 0xec));
    nameCaption_->setObjectName(QStringLiteral("Label_nom"));
    list_->setObjectName(QStringLiteral("DBCombo1"));
    passwordCaption_->setObjectName(QStringLiteral("Label_password"));
    password_->setObjectName(QStringLiteral("Text_password_test"));
    password_->setEchoMode(QLineEdit::Password);
    newPlayer_->setObjectName(QStringLiteral("Command_nouveau"));
    next_->setObjectName(QStringLiteral("Label_jouer"));
    quit_->setObjectName(QStringLiteral("Label_quitter"));
    next_->setProperty("kind", "button");
    quit_->setProperty("kind", "link");
    teacher_->setObjectName(QStringLiteral("Label_enseignant"));
    teacher_->setProperty("kind", "link");
    next_->setKeyboardFocusable(true);
    quit_->setKeyboardFocusable(true);
    teacher_->setKeyboardFocusable(true);
    network_->setObjectName(QStringLiteral("Label_reseau"));
    network_->setProperty("kind", "link");
    network_->setKeyboardFocusable(true);

    int left = 8;
    for (const auto& info : i18n::languages()) {
        auto* flag = new ui::Flag(info.language, this);
        place(flag, px(left), px(6), px(38), px(26));
        connect(flag, &ui::Flag::clicked, this,
                [this, language = info.language] { chooseLanguage(language); });
        flags_.push_back(flag);
        left += 47;
    }
    place(nameCaption_, px(10), px(38), px(273), px(18), 10);
    place(list_, px(10), px(57), px(273), px(28), 11);
    place(passwordCaption_, px(10), px(92), px(118), px(24), 10);
    place(password_, px(130), px(92), px(153), px(24), 11);
    place(newPlayer_, px(10), px(124), px(133), px(28), 10);
    place(next_, px(150), px(124), px(133), px(28), 12);
    place(teacher_, px(10), px(160), px(133), px(22), 10);
    place(network_, px(150), px(160), px(133), px(22), 10);
    place(quit_, px(80), px(184), px(133), px(22), 10);

    connect(list_, &QComboBox::activated, this, &PlayerChoiceWindow::pickName);
    connect(next_, &ui::ClickLabel::clicked, this, &PlayerChoiceWindow::Label_jouer_Click);
    connect(password_, &QLineEdit::returnPressed, this, &PlayerChoiceWindow::Label_jouer_Click);
    connect(newPlayer_, &QPushButton::clicked, this, &PlayerChoiceWindow::newPlayerRequested);
    connect(quit_, &ui::ClickLabel::clicked, this, &PlayerChoiceWindow::quitRequested);
    connect(teacher_, &ui::ClickLabel::clicked, this, &PlayerChoiceWindow::teacherRequested);
    connect(network_, &ui::ClickLabel::clicked, this, &PlayerChoiceWindow::networkRequested);
    retranslate();
    if (waitForPlayers) {
        showWaiting();
    } else {
        reload();
    }
    setScale(screenScale());
}

void PlayerChoiceWindow::retranslate() {
    list_->setPlaceholderText(waiting_ ? captions_.text(u"joueurs_recherche") : QString());
    nameCaption_->setText(captions_.text(u"nom_du_joueur"));
    passwordCaption_->setText(captions_.text(u"mot_de_passe"));
    newPlayer_->setText(captions_.text(u"nouveau_joueur"));
    next_->setText(captions_.text(u"suivant"));
    quit_->setText(captions_.text(u"quitter"));
    teacher_->setText(QStringLiteral("🔑 ") + captions_.text(u"enseignant"));
    network_->setText(QStringLiteral("🏫 ") + captions_.text(u"reseau_ecole"));
    const auto current =
        i18n::languageFromCode(captions_.currentCode()).value_or(i18n::Language::Francais);
    for (auto* flag : flags_) {
        flag->setCurrent(flag->language() == current);
    }
}

void PlayerChoiceWindow::reload() {
    auto players = store_.players();
    if (!players) {
        qWarning().noquote() << players.status.message;
    }
    showPlayers(players ? *players : std::vector<PlayerEntry>{});
}

void PlayerChoiceWindow::showWaiting() {
    waiting_ = true;
    list_->clear();
    players_.clear();
    list_->setPlaceholderText(captions_.text(u"joueurs_recherche"));
    list_->setCurrentIndex(-1);
    for (QWidget* control : std::initializer_list<QWidget*>{
             list_, password_, passwordCaption_, newPlayer_, next_, teacher_, network_}) {
        control->setEnabled(false);
    }
    password_->clear();
}

void PlayerChoiceWindow::showPlayers(const std::vector<PlayerEntry>& players) {
    waiting_ = false;
    list_->setPlaceholderText(QString());
    for (QWidget* control :
         std::initializer_list<QWidget*>{list_, newPlayer_, next_, teacher_, network_}) {
        control->setEnabled(true);
    }
    list_->clear();
    players_ = players;
    QStringList names;
    names.reserve(static_cast<qsizetype>(players_.size()));
    for (const auto& player : players_) {
        names << player.name;
    }
    list_->addItems(names); // one insertion into the list's model, however many players
    list_->setCurrentIndex(-1);
    if (!players_.empty() && store_.currentId() != players_.front().id) {
        store_.moveTo(players_.front().id);
    }
    password_->clear();
    password_->setEnabled(false);
    passwordCaption_->setEnabled(false);
}

void PlayerChoiceWindow::pickName(int index) {
    if (waiting_ || index < 0 || index >= static_cast<int>(players_.size())) {
        return;
    }
    if (list_->currentIndex() != index) {
        list_->setCurrentIndex(index);
    }
    if (!store_.moveTo(players_[static_cast<std::size_t>(index)].id)) {
        return;
    }
    const bool hasPassword = !store_.current().password.isEmpty();
    password_->setEnabled(hasPassword);
    passwordCaption_->setEnabled(hasPassword);
    if (hasPassword) {
        password_->setFocus();
    }
}

void PlayerChoiceWindow::Label_jouer_Click() {
    if (waiting_) {
        return;
    }
    // Before a name is picked the store stands on the first row, whose password counts.
    const QString stored = store_.currentId() ? store_.current().password : QString();
    switch (goOnCheck(password_->text(), stored, list_->currentText())) {
    case GoOnOutcome::WrongPassword:
        showMessage(this, captions_, captions_.text(u"passe_incorret"));
        return;
    case GoOnOutcome::NoNameChosen:
        showMessage(this, captions_, captions_.text(u"choisir_utilisateur"));
        return;
    case GoOnOutcome::Proceed:
        // A password an older record kept in clear is kept hashed from this first good login.
        if (const auto hash = hashAfterLogin(stored, password_->text())) {
            if (const StoreStatus status = store_.storePassword(*hash); !status) {
                qWarning().noquote()
                    << "The password stays in clear until the next login:" << status.message;
            }
        }
        emit goOn();
        return;
    }
}

void PlayerChoiceWindow::chooseLanguage(i18n::Language language) {
    WriteOutcome failure;
    const bool saved = i18n::chooseLanguage(captions_, language, languageFile_, &failure);
    retranslate();
    emit languageChanged();
    if (!saved) {
        ui::showMessage(this, captions_, ui::MessageTone::Warning,
                        captions_.text(u"langue_non_enregistree")
                            .arg(i18n::writeProblemText(captions_, failure)),
                        i18n::writeProblemDetail(captions_, failure, languageFile_));
    }
}

NewPlayerWindow::NewPlayerWindow(PlayerStore& store, const i18n::CaptionTable& captions,
                                 QWidget* parent)
    : ui::Form(4395, 2340, parent), store_(store), captions_(captions),
      nameCaption_(new QLabel(this)), name_(new QLineEdit(this)), question_(new QLabel(this)),
      yes_(new QRadioButton(this)), no_(new QRadioButton(this)), password_(new QLineEdit(this)),
      save_(new QPushButton(this)), cancel_(new ui::ClickLabel(QString(), this)) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    setBackgroundColour(QColor(0xff, 0xfb, 0xec));
    nameCaption_->setObjectName(QStringLiteral("Label_nom"));
    name_->setObjectName(QStringLiteral("Text_nom"));
    name_->setMaxLength(kMaxNameLength);
    question_->setObjectName(QStringLiteral("Label_passe"));
    yes_->setObjectName(QStringLiteral("Option1"));
    no_->setObjectName(QStringLiteral("Option2"));
    password_->setObjectName(QStringLiteral("Text_password"));
    password_->setEchoMode(QLineEdit::Password);
    save_->setObjectName(QStringLiteral("Command_save"));
    cancel_->setObjectName(QStringLiteral("Label_cancel"));
    cancel_->setProperty("kind", "button");
    cancel_->setKeyboardFocusable(true);
    no_->setChecked(true);
    password_->hide();

    place(nameCaption_, px(10), px(6), px(273), px(18), 10);
    place(name_, px(10), px(25), px(273), px(28), 12);
    place(question_, px(10), px(60), px(273), px(18), 10);
    place(yes_, px(10), px(80), px(70), px(24), 10);
    place(no_, px(82), px(80), px(70), px(24), 10);
    place(password_, px(155), px(80), px(128), px(24), 11);
    place(save_, px(10), px(116), px(133), px(30), 12);
    place(cancel_, px(150), px(116), px(133), px(30), 11);

    connect(yes_, &QRadioButton::toggled, password_, &QWidget::setVisible);
    connect(save_, &QPushButton::clicked, this, &NewPlayerWindow::Command_save_Click);
    connect(cancel_, &ui::ClickLabel::clicked, this, &NewPlayerWindow::cancelled);
    retranslate();
    setScale(screenScale());
}

void NewPlayerWindow::retranslate() {
    nameCaption_->setText(captions_.text(u"indiquez_votre_nom"));
    question_->setText(captions_.text(u"utiliser_un_mot_de_passe"));
    yes_->setText(captions_.text(u"oui"));
    no_->setText(captions_.text(u"non"));
    save_->setText(captions_.text(u"valider"));
    cancel_->setText(captions_.text(u"annuler"));
}

void NewPlayerWindow::Command_save_Click() {
    switch (saveNewPlayerCheck(yes_->isChecked(), password_->text(), name_->text())) {
    case SaveOutcome::PasswordMissing:
        showMessage(this, captions_, captions_.text(u"passe_incorret"));
        return;
    case SaveOutcome::Nothing:
        return;
    case SaveOutcome::Save:
        break;
    }
    PlayerRecord record = newPlayerRecord(name_->text());
    if (yes_->isChecked()) {
        const auto hashed = hashPassword(password_->text());
        if (!hashed) {
            showMessage(this, captions_,
                        captions_.text(u"enregistrement_impossible").arg(QString()));
            return;
        }
        record.password = *hashed;
    }
    const auto added = store_.add(record);
    if (!added) {
        showMessage(this, captions_,
                    storeFailureText(captions_, u"enregistrement_impossible", added.status));
        return;
    }
    emit saved();
}

} // namespace pulsadrome::app
