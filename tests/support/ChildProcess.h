// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a piece of a test in a child process, so that a process limit set there (a file size
// limit) never reaches the test program itself. The child is a new run of the same test program
// (never a fork of this one, whose threads may hold locks a fork would keep locked forever) that
// runs only the child-mode test ChildProcess.runsANamedActionInANewRunOfTheTestProgram; that
// test runs the action it is named and hands back its text.
#pragma once

#include <QString>
#include <QStringList>

#include <signal.h>
#include <sys/resource.h>

namespace pulsadrome::testing {

// From here on, no file of this process grows beyond `bytes`: a write past it fails with EFBIG
// instead of killing the process with SIGXFSZ.
inline void limitFileSize(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// An action a test runs in a child: what it finds, as text. Arguments carry what the test made
// (folders, names), since the child shares no memory with it.
using ChildAction = QString (*)(const QStringList& arguments);

// Makes `action` known under `name` to the child runs of the program; call it at static
// initialisation (`const bool registered = registerChildAction(...)`). The value is true.
bool registerChildAction(const char* name, ChildAction action);

// Runs action `name` with `arguments` in a new run of this test program and returns the text it
// returned, or a text starting with "child:" when the child could not run it to its end within
// `timeoutMs` (it is then killed). The child ends at once after the action, no destructor run,
// as a killed program does.
QString runInChild(const char* name, const QStringList& arguments = {}, int timeoutMs = 60000);

} // namespace pulsadrome::testing
