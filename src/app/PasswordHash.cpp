// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PasswordHash.h"

#include <QByteArray>
#include <QDebug>
#include <QRegularExpression>

#include <sodium.h>

namespace pulsadrome::app {

namespace {

constexpr unsigned long long kOpsLimit = 2;
constexpr std::size_t kMemLimit = 19u * 1024u * 1024u;

// sodium_init() once per process; 0 is a first start, 1 an earlier one, -1 a failure.
bool sodiumReady() {
    static const bool ready = [] {
        if (sodium_init() < 0) {
            qWarning("libsodium failed to start: passwords can be neither set nor checked");
            return false;
        }
        return true;
    }();
    return ready;
}

// A stored string names its own cost; one from a damaged or hostile record could ask for hours
// or gigabytes. Costs beyond these bounds are refused instead of computed.
bool costIsReasonable(const QString& storedField) {
    static const QRegularExpression cost(
        QStringLiteral(R"(^\$argon2id\$v=19\$m=(\d+),t=(\d+),p=1\$)"));
    const QRegularExpressionMatch match = cost.match(storedField);
    if (!match.hasMatch()) {
        return false;
    }
    bool okMemory = false;
    bool okPasses = false;
    const qulonglong kib = match.captured(1).toULongLong(&okMemory);
    const qulonglong passes = match.captured(2).toULongLong(&okPasses);
    return okMemory && okPasses && kib <= 256u * 1024u && passes <= 16u;
}

} // namespace

std::optional<QString> hashPassword(const QString& typed) {
    if (typed.isEmpty()) {
        return QStringLiteral("");
    }
    if (!sodiumReady()) {
        return std::nullopt;
    }
    const QByteArray bytes = typed.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          kOpsLimit, kMemLimit) != 0) {
        qWarning("Hashing a password failed: not enough memory");
        return std::nullopt;
    }
    return QString::fromLatin1(out);
}

bool isPasswordHash(const QString& storedField) {
    return storedField.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX));
}

bool isCheckablePasswordHash(const QString& text) {
    static const QRegularExpression whole(QStringLiteral(R"(^\$argon2id\$[A-Za-z0-9$=,+/]+$)"));
    return whole.match(text).hasMatch() && costIsReasonable(text);
}

bool passwordMatches(const QString& storedField, const QString& typed) {
    if (!isPasswordHash(storedField)) {
        return typed == storedField;
    }
    if (typed.isEmpty() || !costIsReasonable(storedField) || !sodiumReady()) {
        return false;
    }
    const QByteArray hash = storedField.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

std::optional<QString> hashAfterLogin(const QString& storedField, const QString& typed) {
    if (storedField.isEmpty() || isPasswordHash(storedField) || typed != storedField) {
        return std::nullopt;
    }
    return hashPassword(typed);
}

} // namespace pulsadrome::app
