// Program entry.
#include "app/core/FileKinds.h"
#include "app/core/Settings.h"
#include "app/core/SettingsFile.h"
#include "app/ui/MessageBoxPrompter.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::MessageBoxPrompter prompter;
    velmora::PrompterScope scope(prompter);

    velmora::Settings settings;
    velmora::ResetSettings(settings, velmora::CurrentSettingsEnvironment());
    const QString iniPath =
        velmora::platform::ProgramFolder() + QString::fromUtf16(velmora::SettingsFileName);
    velmora::ReadSettingsFile(settings, iniPath);
    velmora::BuildFileKindTable();

    QLabel window(QStringLiteral("Velmora"));
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.resize(480, 320);
    window.show();
    const int status = QApplication::exec();
    velmora::WriteSettingsFile(settings, iniPath);
    return status;
}
