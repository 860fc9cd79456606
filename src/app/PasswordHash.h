// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pulsadrome::app {

// A child's password is kept as an Argon2id string (libsodium's crypto_pwhash_str), salted
// afresh on every call. The cost is OWASP's Argon2id minimum (19 MiB, 2 passes): about 12 ms
// here, so a login feels instant. Stored strings carry their own cost, so it can change
// without touching stored records.
//
// Empty in, empty out: an empty password means "no password" and stays an empty text. Nothing
// when hashing is impossible (libsodium failed to start, or no memory); the caller must not
// store the password then.
std::optional<QString> hashPassword(const QString& typed);

// The login comparison: exact, letter case counts.
// - No stored password (empty): only an empty typed text passes.
// - A stored Argon2id string: the typed text must verify against it; an empty typed text never
//   does.
// - Any other stored text (a database written elsewhere with the password in clear) is compared
//   with the typed text exactly.
bool passwordMatches(const QString& storedField, const QString& typed);

// True when the stored text is one of our password strings rather than a password in clear.
bool isPasswordHash(const QString& storedField);
// True when `text` is a whole password string of a cost this program would check: an Argon2id
// string with nothing before or after it.
bool isCheckablePasswordHash(const QString& text);

// What to store after a login that passed: the hash of the typed password when the record held
// it in clear, so that it is never kept in clear again; nothing when there is nothing to change
// (a hash already, no password) or hashing is impossible just now (then the next login tries).
std::optional<QString> hashAfterLogin(const QString& storedField, const QString& typed);

} // namespace pulsadrome::app
