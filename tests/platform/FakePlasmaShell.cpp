// Stand-in for plasmashell's scripting interface on a private session bus.
// Usage: velmora_fake_plasmashell <log file> <reply> [locked]
// Appends every script to the log (each followed by a line "----"), answers with the reply, or with
// Plasma's error while "locked". Prints "ready" once the name is owned.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QFile>

#include <cstdio>

class FakeShell : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PlasmaShell")
public:
    FakeShell(QString log, QString reply, bool locked)
        : m_log(std::move(log))
        , m_reply(std::move(reply))
        , m_locked(locked)
    {}

public slots:
    QString evaluateScript(const QString& script)
    {
        QFile log(m_log);
        if (log.open(QIODevice::Append))
            log.write(script.toUtf8() + "\n----\n");
        if (m_locked) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("Widgets are locked"));
            return {};
        }
        return m_reply;
    }

private:
    QString m_log;
    QString m_reply;
    bool m_locked;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    FakeShell shell(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                    argc > 3 && qstrcmp(argv[3], "locked") == 0);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/PlasmaShell"), &shell, QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.kde.plasmashell")))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "FakePlasmaShell.moc"
