// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TeacherPassword.h"

#include "app/PasswordHash.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace pulsadrome::app {

namespace {

// The longest file that may hold a password string; anything longer is not ours.
constexpr qint64 kLongestFile = 512;

} // namespace

TeacherPassword::TeacherPassword(const DataDirectory& data) : file_(data.file(fileName())) {}

TeacherPassword::State TeacherPassword::state() {
    stored_.clear();
    readProblem_ = {};
    const QFileInfo info(file_);
    if (!info.exists() && !info.isSymLink()) {
        return State::NotSet;
    }
    QFile file(file_);
    if (info.isDir()) {
        readProblem_ = {ReadProblem::IsAFolder, QString()};
        return State::Unreadable;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        readProblem_ = readFailure(file_, file);
        return State::Unreadable;
    }
    const QByteArray bytes = file.read(kLongestFile + 1);
    // An older file may have been readable by others: it is kept by its owner alone from now on.
    constexpr QFileDevice::Permissions kOwnerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    if ((file.permissions() & kOthers) && !file.setPermissions(kOwnerOnly)) {
        qWarning("%s stays readable by others: %s", qUtf8Printable(file_),
                 qUtf8Printable(file.errorString()));
    }
    QString text = QString::fromLatin1(bytes);
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    if (bytes.size() > kLongestFile || !isCheckablePasswordHash(text)) {
        return State::Damaged;
    }
    stored_ = text;
    return State::Set;
}

TeacherPassword::Refusal TeacherPassword::choose(const QString& first, const QString& second) {
    written_ = {};
    if (state() != State::NotSet) {
        return Refusal::AlreadySet;
    }
    if (first.isEmpty()) {
        return Refusal::Empty;
    }
    if (first != second) {
        return Refusal::Different;
    }
    const auto hash = hashPassword(first);
    if (!hash || hash->isEmpty()) {
        return Refusal::HashFailed;
    }
    written_ = writeFileAtomically(file_, hash->toLatin1() + '\n', FileAccess::OwnerOnly);
    return written_ ? Refusal::None : Refusal::NotWritten;
}

TeacherPassword::Refusal TeacherPassword::check(const QString& typed) {
    if (typed.isEmpty()) {
        return Refusal::Empty;
    }
    if (state() != State::Set || !passwordMatches(stored_, typed)) {
        return Refusal::Wrong;
    }
    return Refusal::None;
}

QString TeacherPassword::setAside() {
    const QString aside =
        file_ + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QFile file(file_);
    if (!file.rename(aside)) {
        readProblem_ = {ReadProblem::Other, file.errorString()};
        return {};
    }
    return aside;
}

} // namespace pulsadrome::app
