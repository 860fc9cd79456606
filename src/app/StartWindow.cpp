// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartWindow.h"

#include "i18n/LanguageFile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pulsadrome::app {

namespace {

constexpr const char* kButtonStyle =
    "QPushButton { background: #fff6d5; color: #23395d; border: 3px solid #f2a541;"
    " border-radius: 14px; padding: 10px 18px; font-size: 18pt; }"
    "QPushButton:hover, QPushButton:focus { background: #ffe08a; border-color: #e07a1f; }"
    "QPushButton[current=\"true\"] { background: #ffd23f; border-color: #c0392b; }";

} // namespace

StartWindow::StartWindow(i18n::CaptionTable& captions, QString languageFile, QWidget* parent)
    : QWidget(parent), captions_(captions), languageFile_(std::move(languageFile)),
      title_(new QLabel(this)), prompt_(new QLabel(this)), version_(new QLabel(this)),
      copyright_(new QLabel(this)), quit_(new QPushButton(this)) {
    setMinimumSize(800, 600);
    setStyleSheet(QString::fromLatin1(kButtonStyle));

    title_->setAlignment(Qt::AlignCenter);
    title_->setStyleSheet(QStringLiteral("color: #c0392b; font-size: 54pt; font-weight: bold;"));
    prompt_->setAlignment(Qt::AlignCenter);
    prompt_->setStyleSheet(QStringLiteral("color: #23395d; font-size: 22pt;"));
    for (auto* label : {version_, copyright_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: #23395d; font-size: 11pt;"));
    }

    auto* grid = new QGridLayout;
    grid->setSpacing(18);
    int index = 0;
    for (const auto& info : i18n::languages()) {
        auto* button = new QPushButton(QString::fromUtf8(info.autonym), this);
        button->setObjectName(QString::fromLatin1(info.flagControl));
        button->setMinimumSize(220, 64);
        const auto language = info.language;
        connect(button, &QPushButton::clicked, this,
                [this, language] { chooseLanguage(language); });
        grid->addWidget(button, index / 3, index % 3);
        languageButtons_.push_back(button);
        ++index;
    }

    quit_->setObjectName(QStringLiteral("quitter"));
    connect(quit_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 30);
    layout->addWidget(title_);
    layout->addSpacing(10);
    layout->addWidget(prompt_);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(quit_, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(version_);
    layout->addWidget(copyright_);
    retranslate();
}

void StartWindow::retranslate() {
    setWindowTitle(captions_.text(u"Label_titre"));
    title_->setText(captions_.text(u"Label_titre"));
    prompt_->setText(captions_.text(u"choisir_langue"));
    version_->setText(captions_.text(u"Label_version"));
    copyright_->setText(captions_.text(u"Label_copyright"));
    quit_->setText(captions_.text(u"quitter"));
    // Until a language is chosen the texts are French.
    const auto current =
        i18n::languageFromCode(captions_.currentCode()).value_or(i18n::Language::Francais);
    for (std::size_t i = 0; i < languageButtons_.size(); ++i) {
        const bool isCurrent = i18n::languages()[i].language == current;
        languageButtons_[i]->setProperty("current", isCurrent);
        languageButtons_[i]->style()->unpolish(languageButtons_[i]);
        languageButtons_[i]->style()->polish(languageButtons_[i]);
    }
}

void StartWindow::chooseLanguage(i18n::Language language) {
    QString error;
    const bool saved = i18n::chooseLanguage(captions_, language, languageFile_, &error);
    retranslate();
    if (!saved) {
        QMessageBox::warning(this, captions_.text(u"Label_titre"),
                             captions_.text(u"langue_non_enregistree").arg(error));
    }
}

void StartWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(0x8e, 0xd1, 0xfc));
    sky.setColorAt(1.0, QColor(0xff, 0xf1, 0xc1));
    painter.fillRect(rect(), sky);
    QWidget::paintEvent(event);
}

} // namespace pulsadrome::app
