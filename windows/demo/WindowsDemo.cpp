// The patrol or the search window alone, over a list that only counts, to look at them.
// Usage: velmora-windows-demo patrol [folder] [program folder]   (the folder file is read from there)
//        velmora-windows-demo search [folder]                    (the search starts at once)
// With VELMORA_DEMO_QUIET set, messages go to the standard output instead of message boxes.
#include "ui/MessageBoxPrompter.h"
#include "windows/CurrentList.h"
#include "windows/patrol/PatrolWindow.h"
#include "windows/search/SearchWindow.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

// Answers every question with its first choice and prints it, so a screenshot shows the window.
class PrintingPrompter final : public velmora::Prompter {
public:
    velmora::Answer ask(const velmora::PromptRequest& request) override
    {
        std::printf("message: %s\n", qPrintable(request.text));
        std::fflush(stdout);
        return request.kind == velmora::PromptKind::AbortRetryIgnore ? velmora::Answer::Ignore
                                                                     : velmora::Answer::Ok;
    }
    std::optional<QString> askText(const velmora::TextRequest&) override { return std::nullopt; }
};

class CountingList final : public velmora::CurrentList {
public:
    int count() const override { return int(m_entries.size()); }
    void clear() override { m_entries.clear(); }
    void appendEntries(const QStringList& paths) override { add(paths); }
    void insertEntries(const QStringList& paths) override { add(paths); }

private:
    void add(const QStringList& paths)
    {
        m_entries += paths;
        std::printf("the list holds %lld entries\n", qlonglong(m_entries.size()));
        std::fflush(stdout);
    }
    QStringList m_entries;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    velmora::MessageBoxPrompter boxes;
    PrintingPrompter printing;
    velmora::PrompterScope prompts(qEnvironmentVariableIsSet("VELMORA_DEMO_QUIET")
                                       ? static_cast<velmora::Prompter&>(printing)
                                       : static_cast<velmora::Prompter&>(boxes));
    const QStringList args = app.arguments();
    const QString which = args.value(1, QStringLiteral("search"));
    QString folder = args.value(2, QDir::homePath());
    if (!folder.endsWith(u'/'))
        folder += u'/';
    CountingList list;
    if (which == u"patrol") {
        velmora::PatrolWindow window(args.value(3, QDir::currentPath()), velmora::TreeStart{folder, 0}, list);
        window.show();
        return app.exec();
    }
    velmora::SearchWindow window(folder, list);
    window.show();
    QTimer::singleShot(0, &window, &velmora::SearchWindow::cmdSearch_Click);
    return app.exec();
}
