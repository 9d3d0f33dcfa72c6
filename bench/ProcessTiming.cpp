// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProcessTiming.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace bench {

namespace {

std::vector<std::string> toStrings(const QStringList &list)
{
    std::vector<std::string> strings;
    for (const QString &item : list)
        strings.push_back(item.toStdString());
    return strings;
}

std::vector<char *> pointersTo(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (std::string &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ProcessRun runProcess(const QString &program, const QStringList &arguments,
                      const QString &directory, const QStringList &extraEnvironment)
{
    ProcessRun run;
    std::vector<std::string> argv = toStrings(QStringList{program} + arguments);
    // The extra variables first: the first of two equal names wins.
    std::vector<std::string> env = toStrings(extraEnvironment);
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    std::vector<char *> argvPointers = pointersTo(argv);
    std::vector<char *> envPointers = pointersTo(env);

    // The child's output goes to a temporary file, read back after it ends.
    char outputName[] = "/tmp/zandrel-bench-XXXXXX";
    const int outputFd = mkstemp(outputName);
    const std::string cwd = directory.toStdString();

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
        if (chdir(cwd.c_str()) == 0)
            execve(argvPointers[0], argvPointers.data(), envPointers.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child > 0)
        wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    run.exitCode = child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    QByteArray output;
    char buffer[4096];
    lseek(outputFd, 0, SEEK_SET);
    for (ssize_t n; (n = read(outputFd, buffer, sizeof buffer)) > 0;)
        output.append(buffer, n);
    run.output = QString::fromLocal8Bit(output);
    close(outputFd);
    unlink(outputName);
    return run;
}

double median(std::vector<double> values)
{
    return percentile(std::move(values), 0.5);
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

} // namespace bench
