// Stand-in for a desktop's command-line tool (gsettings, swaymsg ...), put on PATH under the tool's
// name. Appends its name and arguments as one JSON array per line to $VELMORA_RECORD_LOG, prints
// $VELMORA_RECORD_REPLY, and fails when an argument equals $VELMORA_RECORD_FAIL.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    QJsonArray call;
    call.append(QFileInfo(QFile::decodeName(argv[0])).fileName());
    for (int i = 1; i < argc; ++i)
        call.append(QString::fromLocal8Bit(argv[i]));
    QFile log(qEnvironmentVariable("VELMORA_RECORD_LOG"));
    if (log.open(QIODevice::Append))
        log.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
    const QString refused = qEnvironmentVariable("VELMORA_RECORD_FAIL");
    for (int i = 1; i < argc && !refused.isEmpty(); ++i) {
        if (QString::fromLocal8Bit(argv[i]) == refused) {
            std::fputs("refused by the stand-in\n", stderr);
            return 3;
        }
    }
    const QByteArray reply = qgetenv("VELMORA_RECORD_REPLY");
    std::fwrite(reply.constData(), 1, static_cast<size_t>(reply.size()), stdout);
    return 0;
}
