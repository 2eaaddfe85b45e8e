#include "mainwindow/folder/FileViewText.h"

namespace velmora {

QString SizeText(std::uint64_t size)
{
    const QString digits = QString::number(size);
    QString text;
    text.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += u',';
        text += digits.at(i);
    }
    return text;
}

QString SizeDmyText(std::uint64_t size)
{
    return QStringLiteral("%1").arg(size, 11, 10, QChar(u'0'));
}

QString DateText(const QDateTime& localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    return DateText(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

QString DateText(int year, int month, int day, int hour, int minute, int second)
{
    QString text = QString::number(year);
    text.reserve(text.size() + 15);
    auto two = [&text](QChar separator, int value) {
        text += separator;
        text += QChar(u'0' + value / 10 % 10);
        text += QChar(u'0' + value % 10);
    };
    two(u'/', month);
    two(u'/', day);
    two(u' ', hour);
    two(u':', minute);
    two(u':', second);
    return text;
}

} // namespace velmora
