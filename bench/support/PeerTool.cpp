#include "bench/support/PeerTool.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace velmora::bench {
namespace {

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double TimeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

QString FindConvert()
{
    for (const QString& candidate :
         {QStringLiteral("/usr/bin/convert-im6.q16"), QStringLiteral("/usr/bin/convert")})
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    return QStandardPaths::findExecutable(QStringLiteral("convert"));
}

double RunPeer(const QString& tool, const QStringList& arguments, double* cpuMs)
{
    const double before = childrenCpuMs();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(tool, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "peer failed: %s %s\n", qPrintable(tool), qPrintable(arguments.join(u' ')));
        return -1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (cpuMs)
        *cpuMs = childrenCpuMs() - before;
    return ms;
}

} // namespace velmora::bench
