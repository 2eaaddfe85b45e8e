// Build-time tool: makes the documents and pictures the package installs.
//   velmora-docbuild guide <guide.md> <guide.pdf>     (or guide.en.md, the English translation)
//   velmora-docbuild page <README.md> <page.html>
//   velmora-docbuild icon <icon.svg> <size> <icon.png>
#include "tools/docbuild/DocumentationPage.h"
#include "tools/docbuild/GuidePdf.h"
#include "tools/docbuild/IconRender.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace velmora::docbuild;

namespace {

int usage()
{
    std::fputs("usage: velmora-docbuild guide GUIDE.md OUT.pdf | page README.md OUT.html"
               " | icon ICON.svg SIZE OUT.png\n",
               stderr);
    return 2;
}

// Qt's notes about the missing runtime folder of a build machine are no news; the rest is shown.
void printMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts and painting need a GUI application, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(printMessage);
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();

    QString error;
    bool done = false;
    const QString& command = args.first();
    QStringList notes;
    if (command == QLatin1String("guide") && args.size() == 3)
        done = WriteGuidePdf(args[1], args[2], &error, &notes);
    else if (command == QLatin1String("page") && args.size() == 3)
        done = WriteDocumentationPage(args[1], args[2], &error);
    else if (command == QLatin1String("icon") && args.size() == 4)
        done = WriteIconPng(args[1], args[2].toInt(), args[3], &error);
    else
        return usage();
    for (const QString& note : std::as_const(notes))
        std::fprintf(stderr, "velmora-docbuild: %s\n", qPrintable(note));
    if (!done)
        std::fprintf(stderr, "velmora-docbuild: %s\n", qPrintable(error));
    return done ? 0 : 1;
}
