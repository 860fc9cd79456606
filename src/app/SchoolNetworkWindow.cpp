// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SchoolNetworkWindow.h"

#include "app/PlayerWindows.h"
#include "app/ProblemTexts.h"
#include "ui/ClickLabel.h"
#include "ui/MessageBox.h"

#include <QDebug>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QtConcurrent/QtConcurrentRun>

namespace pulsadrome::app {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

// Beside the small windows' look: the title, the answer's colours, the main choice in green.
constexpr const char* kPageStyle = R"(
QLabel#Label_titre { color: #c0392b; font-weight: bold; }
QLabel#Label_actuel { color: #5d6d7e; }
QLabel#Label_resultat { font-weight: bold; }
QLabel#Label_resultat[tone="good"] { color: #1e8449; }
QLabel#Label_resultat[tone="bad"] { color: #c0392b; }
QLabel#Command_utiliser { background: #2ecc71; color: white; border-color: #27ae60;
  font-weight: bold; }
QLabel#Command_utiliser, QLabel#Command_ordinateur { padding: 0 10px; }
QLabel[kind="button"]:disabled, QLabel#Command_utiliser:disabled { background: #eeeeee; color: #a0a6ad; border-color: #d5d8dc; }
QLabel[kind="button"]:focus { border: 3px solid #e67e22; }
)";

} // namespace

SchoolNetworkWindow::SchoolNetworkWindow(const i18n::CaptionTable& captions,
                                         const ServerSettings& shown, const QString& inUse,
                                         int checkTimeoutMs, QWidget* parent)
    : ui::Form(px(500), px(500), parent), captions_(captions), checkTimeoutMs_(checkTimeoutMs),
      host_(new QLineEdit(this)), port_(new QLineEdit(this)), database_(new QLineEdit(this)),
      user_(new QLineEdit(this)), password_(new QLineEdit(this)),
      test_(ui::makeButton(QStringLiteral("Command_essayer"), captions.text(u"reseau_essayer"),
                           this)),
      result_(new QLabel(this)),
      useServer_(ui::makeButton(QStringLiteral("Command_utiliser"),
                                captions.text(u"reseau_utiliser"), this)),
      useComputer_(ui::makeButton(QStringLiteral("Command_ordinateur"),
                                  captions.text(u"reseau_cet_ordinateur"), this)),
      cancel_(ui::makeButton(QStringLiteral("Label_cancel"), captions.text(u"annuler"), this)),
      copy_(
          ui::makeButton(QStringLiteral("Command_copier"), captions.text(u"reseau_copier"), this)) {
    setObjectName(QStringLiteral("Form_reseau"));
    setWindowTitle(QStringLiteral("Pulsadrome — ") + captions_.text(u"reseau_ecole"));
    setStyleSheet(smallWindowStyle() + QString::fromLatin1(kPageStyle));
    setBackgroundColour(QColor(0xff, 0xfb, 0xec));

    auto* title = new QLabel(QStringLiteral("🏫 ") + captions_.text(u"reseau_ecole"), this);
    title->setObjectName(QStringLiteral("Label_titre"));
    place(title, px(14), px(8), px(472), px(28), 15);
    auto* intro = new QLabel(captions_.text(u"reseau_intro"), this);
    intro->setObjectName(QStringLiteral("Label_intro"));
    intro->setWordWrap(true);
    place(intro, px(14), px(38), px(472), px(38), 10);
    auto* now = new QLabel(inUse.isEmpty() ? captions_.text(u"reseau_actuel_ordinateur")
                                           : captions_.text(u"reseau_actuel_serveur").arg(inUse),
                           this);
    now->setObjectName(QStringLiteral("Label_actuel"));
    now->setWordWrap(true);
    place(now, px(14), px(78), px(472), px(20), 9);

    struct Field {
        const char16_t* caption;
        QLineEdit* box;
        const char* name;
        int width;
    };
    const Field fields[] = {
        {u"reseau_serveur", host_, "Text_serveur", 316},
        {u"reseau_port", port_, "Text_port", 100},
        {u"reseau_base", database_, "Text_base", 316},
        {u"reseau_utilisateur", user_, "Text_utilisateur", 316},
        {u"reseau_mot_de_passe", password_, "Text_mot_de_passe", 316},
    };
    int top = 104;
    for (const Field& field : fields) {
        auto* caption = new QLabel(captions_.text(field.caption), this);
        caption->setBuddy(field.box);
        place(caption, px(14), px(top), px(150), px(28), 11);
        field.box->setObjectName(QString::fromLatin1(field.name));
        place(field.box, px(170), px(top), px(field.width), px(28), 11);
        connect(field.box, &QLineEdit::returnPressed, this, &SchoolNetworkWindow::test);
        top += 34;
    }
    port_->setValidator(new QIntValidator(1, 65535, port_));
    port_->setPlaceholderText(QString::number(ServerAddress::kDefaultPort));
    password_->setEchoMode(QLineEdit::Password);
    host_->setText(shown.address.host);
    if (!shown.address.host.isEmpty() || shown.address.port != ServerAddress::kDefaultPort) {
        port_->setText(QString::number(shown.address.port));
    }
    database_->setText(shown.address.database.isEmpty() ? QStringLiteral("pulsadrome")
                                                        : shown.address.database);
    user_->setText(shown.address.user);
    password_->setText(shown.address.password);

    place(test_, px(170), px(276), px(316), px(30), 11);
    result_->setObjectName(QStringLiteral("Label_resultat"));
    result_->setWordWrap(true);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(result_, px(14), px(310), px(472), px(48), 10);
    useServer_->setWordWrap(true);
    useComputer_->setWordWrap(true);
    place(useServer_, px(14), px(362), px(230), px(46), 10);
    place(useComputer_, px(256), px(362), px(230), px(46), 10);
    // The one-time copy, under the two choices, as wide as both.
    copy_->setWordWrap(true);
    place(copy_, px(14), px(416), px(472), px(36), 10);
    place(cancel_, px(336), px(460), px(150), px(30), 11);
    copy_->hide();

    connect(test_, &ui::ClickLabel::clicked, this, &SchoolNetworkWindow::test);
    connect(useServer_, &ui::ClickLabel::clicked, this, &SchoolNetworkWindow::chooseServer);
    connect(useComputer_, &ui::ClickLabel::clicked, this, &SchoolNetworkWindow::chooseComputer);
    connect(cancel_, &ui::ClickLabel::clicked, this, &SchoolNetworkWindow::cancelled);
    connect(copy_, &ui::ClickLabel::clicked, this, &SchoolNetworkWindow::copyToServer);
    connect(&watcher_, &QFutureWatcher<ServerCheck>::finished, this,
            &SchoolNetworkWindow::showCheck);
    connect(&copyWatcher_, &QFutureWatcher<ServerCopyOutcome>::finished, this,
            &SchoolNetworkWindow::showCopy);
    setScale(screenScale());
    host_->setFocus();
}

SchoolNetworkWindow::~SchoolNetworkWindow() {
    // A try still running ends on its own (within its timeout); its answer is not wanted.
    watcher_.disconnect(this);
    // A copy is not cut short: the page waits for it, so that its outcome is whole.
    copyWatcher_.disconnect(this);
    copyWatcher_.waitForFinished();
}

void SchoolNetworkWindow::offerCopy(Copier copier) {
    copier_ = std::move(copier);
    copy_->setVisible(static_cast<bool>(copier_));
}

void SchoolNetworkWindow::copyToServer() {
    if (!copier_ || checking()) {
        return;
    }
    const ServerAddress address = typedAddress();
    if (address.host.isEmpty()) {
        say(captions_.text(u"reseau_serveur_manquant"), "bad");
        host_->setFocus();
        return;
    }
    if (!ui::askQuestion(this, captions_, ui::Question::YesNo,
                         captions_.text(u"copie_serveur_question"), address.shown())) {
        return;
    }
    checking_ = address;
    setBusy(true);
    say(captions_.text(u"copie_serveur_en_cours"), "");
    copyWatcher_.setFuture(QtConcurrent::run(copier_, address));
}

void SchoolNetworkWindow::showCopy() {
    setBusy(false);
    const ServerCopyOutcome outcome = copyWatcher_.result();
    if (outcome.ok()) {
        say(captions_.text(u"copie_serveur_finie"), "good");
    } else {
        qWarning().noquote() << outcome.status.message;
        say(storeProblemText(captions_, outcome.status), "bad");
    }
    const QPointer<QMessageBox> box = copyOutcomeBox(outcome, checking_);
    box->exec();
    delete box.data();
    emit copied(outcome.ok());
}

QMessageBox* SchoolNetworkWindow::copyOutcomeBox(const ServerCopyOutcome& outcome,
                                                 const ServerAddress& server) {
    return ui::makeMessageBox(
        this, captions_,
        outcome.ok() && outcome.scoreFilesSkipped.isEmpty() ? ui::MessageTone::Information
                                                            : ui::MessageTone::Warning,
        std::nullopt, copyOutcomeText(captions_, outcome),
        outcome.ok() ? server.shown()
                     : storeProblemDetail(captions_, outcome.status, server.shown()));
}

ServerAddress SchoolNetworkWindow::typedAddress() const {
    ServerAddress address;
    address.host = host_->text().trimmed();
    bool numeric = false;
    const int port = port_->text().trimmed().toInt(&numeric);
    address.port = numeric && port > 0 && port <= 65535 ? port : ServerAddress::kDefaultPort;
    address.database = database_->text().trimmed().isEmpty() ? QStringLiteral("pulsadrome")
                                                             : database_->text().trimmed();
    address.user = user_->text().trimmed();
    address.password = password_->text();
    return address;
}

bool SchoolNetworkWindow::checking() const {
    return busy_;
}

void SchoolNetworkWindow::test() {
    startCheck(false);
}

void SchoolNetworkWindow::chooseServer() {
    const ServerAddress address = typedAddress();
    if (lastCheck_ && lastCheck_->ok() && lastChecked_ == address) {
        emit useServerChosen({true, address});
        return;
    }
    startCheck(true);
}

void SchoolNetworkWindow::chooseComputer() {
    if (checking()) {
        return;
    }
    emit useThisComputerChosen({false, typedAddress()});
}

void SchoolNetworkWindow::startCheck(bool thenUse) {
    if (checking()) {
        return;
    }
    checking_ = typedAddress();
    if (checking_.host.isEmpty()) {
        say(captions_.text(u"reseau_serveur_manquant"), "bad");
        host_->setFocus();
        return;
    }
    useAfterCheck_ = thenUse;
    setBusy(true);
    say(captions_.text(u"reseau_essai"), "");
    watcher_.setFuture(QtConcurrent::run(&checkServer, checking_, checkTimeoutMs_));
}

void SchoolNetworkWindow::showCheck() {
    setBusy(false);
    const ServerCheck check = watcher_.result();
    lastCheck_ = check;
    lastChecked_ = checking_;
    if (check.ok()) {
        say(captions_.text(check.readiness == server_table::Readiness::Ready
                               ? u"reseau_pret"
                               : u"reseau_a_preparer"),
            "good");
        result_->setToolTip(QString());
    } else {
        qWarning().noquote() << check.status.message;
        say(storeProblemText(captions_, check.status), "bad");
        result_->setToolTip(storeProblemDetail(captions_, check.status, checking_.shown()));
    }
    emit checked(check.ok());
    if (useAfterCheck_ && check.ok()) {
        useAfterCheck_ = false;
        emit useServerChosen({true, checking_});
    }
    useAfterCheck_ = false;
}

void SchoolNetworkWindow::setBusy(bool busy) {
    busy_ = busy;
    test_->setEnabled(!busy);
    useServer_->setEnabled(!busy);
    useComputer_->setEnabled(!busy);
    copy_->setEnabled(!busy);
}

void SchoolNetworkWindow::say(const QString& text, const char* tone) {
    result_->setText(text);
    result_->setProperty("tone", tone);
    result_->style()->unpolish(result_);
    result_->style()->polish(result_);
}

void SchoolNetworkWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit cancelled();
        return;
    }
    ui::Form::keyPressEvent(event);
}

} // namespace pulsadrome::app
