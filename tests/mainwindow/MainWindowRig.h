#pragma once
// A main window over a temporary program folder with a list and a settings file, loaded, its desktop
// a recording stand-in and its questions answered by a script.
#include "tests/support/RecordingBackend.h"
#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "mainwindow/MainWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora::test {

// A program folder with one list, the catalogue naming it, and a settings file of these lines.
inline void WriteProgramFolder(const TempFolder& program, const QStringList& entries,
                               const QByteArray& settingsLines)
{
    QByteArray list;
    for (const QString& entry : entries)
        list += entry.toUtf8() + "\r\n";
    WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(program.file(QStringLiteral("Velmora.lst")), list);
    WriteBytes(program.file(QStringLiteral("Velmora.INI")), "[Velmora]\r\n" + settingsLines);
}

struct Rig {
    TempFolder program;
    SettingsStore store;
    Settings& settings = store.values();
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    RecordingBackend* backend = nullptr;
    std::unique_ptr<MainWindow> window;

    Rig(const QStringList& entries, const QByteArray& settingsLines)
    {
        WriteProgramFolder(program, entries, settingsLines);
        auto recording = std::make_unique<RecordingBackend>();
        backend = recording.get();
        window = std::make_unique<MainWindow>(store, program.path(), std::move(recording));
        window->load();
        settle();
    }
    // Lets the background work of the window (loads, changes, the placement read) finish.
    void settle() { ASSERT_TRUE(WaitUntil([this] { return !window->working(); })); }
};

} // namespace velmora::test
