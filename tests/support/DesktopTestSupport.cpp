#include "tests/support/DesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <stdexcept>

namespace velmora::test {

ScopedEnv::ScopedEnv(const char* name, const QString& value)
    : m_name(name)
    , m_had(qEnvironmentVariableIsSet(name))
    , m_old(qgetenv(name))
{
    qputenv(name, value.toLocal8Bit());
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

PrivateXServer::PrivateXServer(int width, int height)
{
    // -displayfd: the server takes the first free display number and writes it to its output.
    // -noreset: like a desktop's server, it keeps the root background a program left when its last
    // client goes, rather than starting afresh.
    m_process.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(width).arg(height),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_process.waitForStarted(10000))
        return;
    QByteArray number;
    while (!number.contains('\n') && m_process.waitForReadyRead(20000))
        number += m_process.readAllStandardOutput();
    if (!number.trimmed().isEmpty())
        m_display = u':' + QString::fromLatin1(number.trimmed());
}

PrivateXServer::~PrivateXServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(2000);
}

PrivateSessionBus::PrivateSessionBus(const QProcessEnvironment& serviceEnvironment)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& key : serviceEnvironment.keys())
        environment.insert(key, serviceEnvironment.value(key));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address=1")});
    if (!m_process.waitForStarted(10000))
        return;
    QByteArray line;
    while (!line.contains('\n') && m_process.waitForReadyRead(20000))
        line += m_process.readAllStandardOutput();
    m_address = QString::fromLatin1(line.trimmed());
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(2000);
}

StandInTools::StandInTools()
    : m_path("PATH", m_folder.file(QStringLiteral("bin")) + u':' + qEnvironmentVariable("PATH"))
    , m_log("VELMORA_RECORD_LOG", m_folder.file(QStringLiteral("calls.log")))
{
    QDir().mkpath(m_folder.file(QStringLiteral("bin")));
}

void StandInTools::install(const QString& name)
{
    if (!QFile::link(QStringLiteral(VELMORA_RECORDING_TOOL), m_folder.file(QStringLiteral("bin/")) + name))
        throw std::runtime_error("cannot install the stand-in " + name.toStdString());
}

void StandInTools::reply(const QString& text)
{
    m_reply.reset();
    m_reply = std::make_unique<ScopedEnv>("VELMORA_RECORD_REPLY", text);
}

void StandInTools::failOn(const QString& argument)
{
    m_fail.reset();
    m_fail = std::make_unique<ScopedEnv>("VELMORA_RECORD_FAIL", argument);
}

QList<QStringList> StandInTools::calls() const
{
    QList<QStringList> calls;
    QFile log(m_folder.file(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly))
        return calls;
    while (!log.atEnd()) {
        QStringList call;
        for (const QJsonValue& part : QJsonDocument::fromJson(log.readLine()).array())
            call << part.toString();
        calls << call;
    }
    return calls;
}

} // namespace velmora::test
