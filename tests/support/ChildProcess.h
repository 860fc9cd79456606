// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a piece of a test in a forked child, so that a process limit set there (a file size
// limit) never reaches the test program itself.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pulsadrome::testing {

// From here on, no file of this process grows beyond `bytes`: a write past it fails with EFBIG
// instead of killing the process with SIGXFSZ.
inline void limitFileSize(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// Runs `action` in a child process and returns the text it returned, or a text starting with
// "child:" when the child could not run it to its end.
inline QString runInChild(const std::function<QString()>& action) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return QStringLiteral("child: no pipe");
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        return QStringLiteral("child: no fork");
    }
    if (pid == 0) {
        ::close(fds[0]);
        const QByteArray text = action().toUtf8();
        qsizetype done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(fds[1], text.constData() + done, text.size() - done);
            if (n <= 0) {
                ::_exit(2);
            }
            done += n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return QStringLiteral("child: ended with status %1").arg(status);
    }
    return QString::fromUtf8(text);
}

} // namespace pulsadrome::testing
