// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerRecord.h"

#include <cassert>

namespace pulsadrome::app {

namespace {

using TickSet = std::array<SoundTicks, kSoundThemeCount>;

// A column and the field that holds it: either one of the plain fields, or one tick of one of
// the two tick sets.
struct Column {
    const char* name;
    QString PlayerRecord::*plain = nullptr;
    TickSet PlayerRecord::*tickSet = nullptr;
    SoundTheme theme = SoundTheme::Prof;
    QString SoundTicks::*answer = nullptr;
};

Column plain(const char* name, QString PlayerRecord::*field) {
    return {name, field};
}

Column tick(const char* name, TickSet PlayerRecord::*set, SoundTheme theme,
            QString SoundTicks::*answer) {
    return {name, nullptr, set, theme, answer};
}

using enum SoundTheme;
constexpr auto kFirst = &PlayerRecord::sounds;
constexpr auto kSecond = &PlayerRecord::sounds2;
constexpr auto kRight = &SoundTicks::right;
constexpr auto kWrong = &SoundTicks::wrong;

// The one list of the table's column names.
const std::array<Column, kColumnCount> kColumns = {
    plain("Nom", &PlayerRecord::nom),
    plain("password", &PlayerRecord::password),
    plain("jeu_binaire", &PlayerRecord::jeuBinaire),
    plain("jeu_binaire2", &PlayerRecord::jeuBinaire2),
    plain("jeu_ternaire", &PlayerRecord::jeuTernaire),
    plain("fond", &PlayerRecord::fond),
    plain("chrono", &PlayerRecord::chrono),
    plain("volume", &PlayerRecord::volume),
    plain("tempo", &PlayerRecord::tempo),
    plain("instruments", &PlayerRecord::instruments),
    plain("tictac", &PlayerRecord::tictac),
    plain("compteur", &PlayerRecord::compteur),
    plain("reponse", &PlayerRecord::reponse),
    plain("bonus", &PlayerRecord::bonus),
    tick("prof_v", kFirst, Prof, kRight),
    tick("prof_f", kFirst, Prof, kWrong),
    tick("espace_v", kFirst, Espace, kRight),
    tick("espace_f", kFirst, Espace, kWrong),
    tick("cowboy_v", kFirst, Cowboy, kRight),
    tick("cowboy_f", kFirst, Cowboy, kWrong),
    tick("voiture_v", kFirst, Voiture, kRight),
    tick("voiture_f", kFirst, Voiture, kWrong),
    tick("ordinateur_v", kFirst, Ordinateur, kRight),
    tick("ordinateur_f", kFirst, Ordinateur, kWrong),
    tick("cheval_v", kFirst, Cheval, kRight),
    tick("cheval_f", kFirst, Cheval, kWrong),
    tick("train_v", kFirst, Train, kRight),
    tick("train_f", kFirst, Train, kWrong),
    tick("coq_v", kFirst, Coq, kRight),
    tick("coq_f", kFirst, Coq, kWrong),
    tick("prof_v2", kSecond, Prof, kRight),
    tick("prof_f2", kSecond, Prof, kWrong),
    tick("espace_v2", kSecond, Espace, kRight),
    tick("espace_f2", kSecond, Espace, kWrong),
    tick("cowboy_v2", kSecond, Cowboy, kRight),
    tick("cowboy_f2", kSecond, Cowboy, kWrong),
    tick("voiture_v2", kSecond, Voiture, kRight),
    tick("voiture_f2", kSecond, Voiture, kWrong),
    tick("ordinateur_v2", kSecond, Ordinateur, kRight),
    tick("ordinateur_f2", kSecond, Ordinateur, kWrong),
    tick("cheval_v2", kSecond, Cheval, kRight),
    tick("cheval_f2", kSecond, Cheval, kWrong),
    tick("train_v2", kSecond, Train, kRight),
    tick("train_f2", kSecond, Train, kWrong),
    tick("cog_v2", kSecond, Coq, kRight), // spelled so in every stored database
    tick("coq_f2", kSecond, Coq, kWrong),
    plain("ecoute_choix", &PlayerRecord::ecouteChoix),
};

} // namespace

void PlayerRecord::setProgress(const catalogue::ProgressFields& progress) {
    jeuBinaire = progress.binaire1;
    jeuBinaire2 = progress.binaire2;
    jeuTernaire = progress.ternaire;
}

QString& PlayerRecord::text(int column) {
    assert(column >= 0 && column < kColumnCount);
    const Column& c = kColumns[static_cast<std::size_t>(column)];
    if (c.plain) {
        return this->*c.plain;
    }
    return (this->*c.tickSet)[static_cast<std::size_t>(c.theme)].*c.answer;
}

const QString& PlayerRecord::text(int column) const {
    return const_cast<PlayerRecord*>(this)->text(column);
}

QString columnName(int column) {
    assert(column >= 0 && column < kColumnCount);
    return QString::fromLatin1(kColumns[static_cast<std::size_t>(column)].name);
}

std::optional<int> columnIndex(const QString& name) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (name.compare(QLatin1String(kColumns[static_cast<std::size_t>(i)].name),
                         Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

PlayerRecord newPlayerRecord(const QString& name) {
    PlayerRecord record;
    record.nom = name;
    record.password = QStringLiteral("");
    record.setProgress(catalogue::newPlayerProgress());
    record.fond = QStringLiteral("jaune");
    record.chrono = QStringLiteral("300");
    record.volume = QStringLiteral("100");
    record.tempo = QStringLiteral("100");
    record.instruments = QStringLiteral("23");
    record.tictac = QStringLiteral("1");
    record.compteur = QStringLiteral("1");
    record.reponse = QStringLiteral("1");
    record.bonus = QStringLiteral("1");
    record.ecouteChoix = QStringLiteral("0");
    for (SoundTicks& ticks : record.sounds) {
        ticks = {QStringLiteral("0"), QStringLiteral("0")};
    }
    record.ticks(SoundTheme::Prof) = {QStringLiteral("1"), QStringLiteral("1")};
    return record;
}

} // namespace pulsadrome::app
