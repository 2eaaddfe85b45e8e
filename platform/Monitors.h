#pragma once
// The monitors as the program sees them: every screen's rectangle on the virtual screen in device
// pixels. Read afresh at each change, so monitors added, removed or resized count from the next one.
// Read on the window thread only; workers get the list in their requests.
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace velmora::platform {

struct Monitor {
    QString name;                // the output's name ("HDMI-1", a RandR monitor's name); may be empty
    QRect geometry;              // on the virtual screen, in device pixels
    double pixelsPerInch = 96.0; // physical pixels per inch
    bool primary = false;

    bool operator==(const Monitor&) const = default;
};

using MonitorList = std::vector<Monitor>;

// Every monitor from left to right (then top to bottom), exactly one of them primary. Without a
// screen, or with the primary screen fixed by a test, one monitor of the primary screen's size.
MonitorList CurrentMonitors();

// Tests fix the monitors; nullopt returns to the real ones.
void OverrideMonitors(std::optional<MonitorList> monitors);

// A screen's rectangle in device pixels. Qt keeps a scaled screen's top left corner in device
// pixels and divides only its size.
QRect DeviceGeometry(QRect logical, double devicePixelRatio);

// Left to right, then top to bottom; the first monitor becomes primary when none is.
void SortMonitors(MonitorList& monitors);

// The smallest rectangle holding every monitor; empty without monitors.
QRect MonitorBounds(const MonitorList& monitors);

// The primary monitor (the first when none is marked); monitors must not be empty.
const Monitor& PrimaryMonitor(const MonitorList& monitors);

} // namespace velmora::platform
