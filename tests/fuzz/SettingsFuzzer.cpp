// Velmora.INI as anyone may have edited it: keys in any order, lenient numbers, values out of range,
// any line ends, UTF-8 or Shift_JIS.
#include "tests/fuzz/FuzzTarget.h"

#include "core/Failure.h"
#include "core/SettingsFile.h"
#include "core/TextLines.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartProgramState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (static_cast<qint64>(size) > MaxTextFileBytes)
        return 0;
    Settings settings;
    try {
        ReadSettingsText(settings, DecodeText(fuzz::Bytes(data, size)));
    } catch (const Failure& failure) {
        // The reading stops at the bad line, keeping what came before, and says why.
        if (failure.text().isEmpty())
            fuzz::Broken("a settings failure without a text");
    }
    // Whatever was read is saved on exit and read at the next start: it must come back the same.
    const QByteArray written = SettingsFileBytes(settings);
    Settings again;
    try {
        ReadSettingsText(again, DecodeText(written));
    } catch (const Failure&) {
        fuzz::Broken("the program cannot read back the settings file it wrote");
    }
    if (SettingsFileBytes(again) != written)
        fuzz::Broken("the settings change when written and read back");
    return 0;
}
