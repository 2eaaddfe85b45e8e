#pragma once
// What the benchmarks share around timing and the peer tool they time beside Velmora.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora::bench {

double Median(std::vector<double> values);
double TimeMs(const std::function<void()>& work);

// ImageMagick's convert itself, not a wrapper script in front of it; empty when not installed.
QString FindConvert();
// Runs the tool to its end and returns its wall time in ms, -1 when it failed; cpuMs, when given,
// gets the processor time it used.
double RunPeer(const QString& tool, const QStringList& arguments, double* cpuMs = nullptr);

} // namespace velmora::bench
