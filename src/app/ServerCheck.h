// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "app/ServerTable.h"

namespace pulsadrome::app {

// What trying a players' server found: it can be used (its schema ready, or to be made or
// brought up to date at the first use), or why not, in the kinds of StoreFault (Unreachable,
// WrongPassword, NoDatabase, NoRights, NewerSchema ...).
struct ServerCheck {
    StoreStatus status;
    server_table::Readiness readiness = server_table::Readiness::Ready;

    bool ok() const { return status.ok(); }
};

// Logs in, then rehearses the schema's preparation and checks the login's rights on the
// player tables, changing nothing on the server; every wait ends within about `timeoutMs`.
// Blocks: meant for a worker thread (it uses a connection of its own).
ServerCheck checkServer(const ServerAddress& address, int timeoutMs);

} // namespace pulsadrome::app
