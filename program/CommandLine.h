#pragma once
// The program's switches, found anywhere in the command line as plain text, letter case exact:
// "x-sy" holds "-s", while "-S" and "/s" do not.
#include <QString>
#include <QStringList>

namespace velmora {

struct CommandLine {
    bool hidden = false;  // "-ng": load the main window but do not show it
    bool oneShot = false; // "-s": change the wallpaper once and exit

    static CommandLine parse(const QStringList& arguments);
};

// True when a file or folder named "NOSPLASH" sits in the program folder.
bool SplashSuppressed(const QString& programFolder);

} // namespace velmora
