// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>

#include <gmock/gmock.h>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace pulsadrome::testing {

namespace {

constexpr char kActionVariable[] = "PULSADROME_CHILD_ACTION";
constexpr char kArgumentsVariable[] = "PULSADROME_CHILD_ARGUMENTS";
// The line of the child's output that carries the action's text, base64 encoded so that
// nothing else the child prints can be taken for it.
constexpr char kResultMarker[] = "pulsadrome-child-result:";
constexpr char kChildTest[] = "ChildProcess.runsANamedActionInANewRunOfTheTestProgram";

QHash<QString, ChildAction>& actions() {
    static QHash<QString, ChildAction> registered;
    return registered;
}

QByteArray encoded(const QStringList& arguments) {
    QByteArrayList parts;
    for (const QString& argument : arguments) {
        parts << argument.toUtf8().toBase64();
    }
    return parts.join(',');
}

QStringList decoded(const QByteArray& text) {
    QStringList arguments;
    if (text.isEmpty()) {
        return arguments;
    }
    for (const QByteArray& part : text.split(',')) {
        arguments << QString::fromUtf8(QByteArray::fromBase64(part));
    }
    return arguments;
}

// The child's side: runs the action, prints its text, ends without unwinding anything.
[[noreturn]] void runAsChild(const QString& name) {
    const ChildAction action = actions().value(name);
    if (!action) {
        std::fprintf(stderr, "no child action named %s\n", qPrintable(name));
        std::_Exit(3);
    }
    const QString text = action(decoded(qgetenv(kArgumentsVariable)));
    const QByteArray line = QByteArray("\n") + kResultMarker + text.toUtf8().toBase64() + "\n";
    std::fflush(stdout);
    qsizetype done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, line.constData() + done, line.size() - done);
        if (n <= 0) {
            std::_Exit(2);
        }
        done += n;
    }
    std::_Exit(0);
}

const bool kEchoRegistered = registerChildAction("echo", [](const QStringList& arguments) {
    return QString::number(QCoreApplication::applicationPid()) + QLatin1Char(' ') +
           arguments.join(QLatin1Char('|'));
});

} // namespace

bool registerChildAction(const char* name, ChildAction action) {
    actions().insert(QString::fromLatin1(name), action);
    return true;
}

QString runInChild(const char* name, const QStringList& arguments, int timeoutMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kActionVariable), QString::fromLatin1(name));
    environment.insert(QString::fromLatin1(kArgumentsVariable),
                       QString::fromLatin1(encoded(arguments)));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1").arg(QLatin1String(kChildTest))});
    if (!child.waitForStarted(10000)) {
        return QStringLiteral("child: not started (%1)").arg(child.errorString());
    }
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return QStringLiteral("child: no answer within %1 ms").arg(timeoutMs);
    }
    const QByteArray output = child.readAllStandardOutput();
    const qsizetype at = output.lastIndexOf(kResultMarker);
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || at < 0) {
        return QStringLiteral("child: ended with code %1: %2")
            .arg(child.exitCode())
            .arg(QString::fromLocal8Bit(child.readAllStandardError().right(2000)));
    }
    const qsizetype start = at + qsizetype(sizeof kResultMarker) - 1;
    const qsizetype end = output.indexOf('\n', start);
    return QString::fromUtf8(QByteArray::fromBase64(output.mid(start, end - start)));
}

// Run by the test program itself, it checks the way there and back; run as a child, it runs the
// action it is named.
TEST(ChildProcess, runsANamedActionInANewRunOfTheTestProgram) {
    if (const QByteArray name = qgetenv(kActionVariable); !name.isEmpty()) {
        runAsChild(QString::fromUtf8(name));
    }
    const QStringList arguments{QStringLiteral("/tmp/un dossier, à virgule"), QString(),
                                QStringLiteral("Zoé")};
    const QString told = runInChild("echo", arguments);
    const qsizetype space = told.indexOf(u' ');
    ASSERT_GT(space, 0) << told.toStdString();
    EXPECT_NE(told.left(space).toLongLong(), QCoreApplication::applicationPid());
    EXPECT_EQ(told.mid(space + 1), arguments.join(QLatin1Char('|')));
    EXPECT_THAT(runInChild("no such action").toStdString(), ::testing::StartsWith("child:"));
}

} // namespace pulsadrome::testing
