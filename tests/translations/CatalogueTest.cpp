// The English catalogue against the sources: every text the program shows is in it and translated,
// and no Japanese text reaches the user without going through the translation functions.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace Qt::StringLiterals;

// The program's folders; tests, benchmarks and build tools show nothing to a user.
const QStringList SourceFolders = {u"control"_s, u"platform"_s, u"core"_s,       u"engine"_s,  u"ui"_s,
                                   u"dialogs"_s, u"windows"_s,  u"mainwindow"_s, u"program"_s};

// Shown the same in every language on purpose: the language menu's caption and the names of the
// languages, so that anyone finds their way back.
const QSet<QString> SameInEveryLanguage = {u"言語 / Language"_s, u"日本語"_s};

QString sourceRoot()
{
    return QDir::cleanPath(QString::fromUtf8(VELMORA_TEST_DATA) + u"/.."_s);
}

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per numerus form
    bool finished = false;
};

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"context")
            context.clear();
        else if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            message = Message{context, {}, {}, false};
        else if (name == u"source")
            message.source = xml.readElementText();
        else if (name == u"translation") {
            const QString type = xml.attributes().value(u"type"_s).toString();
            message.finished = type.isEmpty();
            // Numerus messages hold their forms as children; others their text.
            xml.readNext();
            while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    message.translations << xml.readElementText();
                else if (xml.isCharacters() && !xml.isWhitespace())
                    message.translations << xml.text().toString();
                xml.readNext();
            }
            messages << message;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList committedCatalogues()
{
    QStringList paths;
    const QDir folder(sourceRoot() + u"/translations"_s);
    for (const QString& name : folder.entryList({u"velmora_en*.ts"_s}, QDir::Files))
        paths << folder.filePath(name);
    return paths;
}

// The messages lupdate finds in the sources now; one run serves every test.
QList<Message> runLupdate()
{
    const test::TempFolder work;
    const QString catalogue = work.file(u"sources.ts"_s);
    QStringList arguments{u"-silent"_s, u"-locations"_s, u"none"_s, u"-source-language"_s, u"ja"_s,
                          u"-target-language"_s, u"en"_s, u"-extensions"_s, u"cpp,h"_s,
                          // Without them lupdate misses the namespaces that tr() puts in its contexts.
                          u"-I"_s, sourceRoot(), u"-I"_s, sourceRoot() + u"/control/include"_s};
    for (const QString& folder : SourceFolders)
        arguments << sourceRoot() + u'/' + folder;
    arguments << u"-ts"_s << catalogue;
    QProcess lupdate;
    lupdate.start(QString::fromUtf8(VELMORA_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(240000)) << "lupdate did not finish";
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return readCatalogue(catalogue);
}

const QList<Message>& messagesInSources()
{
    static const QList<Message> messages = runLupdate();
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression pattern(u"%(\\d+|n)"_s);
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

bool hasMnemonic(const QString& text)
{
    static const QRegularExpression pattern(u"&[^& ]"_s);
    return text.contains(pattern);
}

bool hasJapanese(const QString& text)
{
    static const QRegularExpression pattern(u"[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"_s);
    return text.contains(pattern);
}

TEST(Catalogue, EveryTextOfTheSourcesHasAFinishedEnglishTranslationThatKeepsItsPlaceholdersAndMnemonic)
{
    const QList<Message>& inSources = messagesInSources();
    ASSERT_FALSE(inSources.isEmpty());

    QHash<QString, Message> translated;
    for (const QString& path : committedCatalogues())
        for (const Message& message : readCatalogue(path))
            translated.insert(message.context + u'\x1f' + message.source, message);

    QStringList faults;
    for (const Message& message : inSources) {
        const QString where = message.context + u": "_s + message.source;
        const auto found = translated.constFind(message.context + u'\x1f' + message.source);
        if (found == translated.cend()) {
            faults << u"not in the catalogue: "_s + where;
            continue;
        }
        if (!found->finished || found->translations.isEmpty()) {
            faults << u"not translated: "_s + where;
            continue;
        }
        for (const QString& english : found->translations) {
            if (english.trimmed().isEmpty() || hasJapanese(english))
                faults << u"no English: "_s + where + u" -> "_s + english;
            // A numerus form may spell out its number ("one picture") instead of %n.
            QSet<QString> wanted = placeholders(message.source);
            QSet<QString> given = placeholders(english);
            if (found->translations.size() > 1) {
                wanted.remove(u"%n"_s);
                given.remove(u"%n"_s);
            }
            if (wanted != given)
                faults << u"placeholders differ: "_s + where + u" -> "_s + english;
            if (hasMnemonic(message.source) != hasMnemonic(english))
                faults << u"mnemonic lost or added: "_s + where + u" -> "_s + english;
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

// A string literal with its prefix; concatenated pieces are checked one by one.
const QRegularExpression LiteralPattern(u"(?:u8|u|U|L)?\"((?:[^\"\\\\\\n]|\\\\.)*)\""_s);

QString withoutComments(const QString& code)
{
    QString kept;
    kept.reserve(code.size());
    enum { Code, Line, Block, String, Char } state = Code;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        const QChar next = i + 1 < code.size() ? code[i + 1] : QChar();
        switch (state) {
        case Code:
            if (c == u'/' && next == u'/') state = Line;
            else if (c == u'/' && next == u'*') state = Block, ++i;
            else {
                if (c == u'"') state = String;
                else if (c == u'\'') state = Char;
                kept += c;
            }
            break;
        case Line:
            if (c == u'\n') state = Code, kept += c;
            break;
        case Block:
            if (c == u'*' && next == u'/') state = Code, ++i;
            break;
        case String:
        case Char:
            kept += c;
            if (c == u'\\') kept += next, ++i;
            else if (c == (state == String ? u'"' : u'\'')) state = Code;
            break;
        }
    }
    return kept;
}

QString unescaped(const QString& literal)
{
    QString text = literal;
    text.replace(u"\\n"_s, u"\n"_s).replace(u"\\t"_s, u"\t"_s).replace(u"\\\""_s, u"\""_s);
    return text.replace(u"\\\\"_s, u"\\"_s);
}

TEST(Catalogue, NoJapaneseTextInTheProgramEscapesTheTranslationFunctions)
{
    QStringList sources;
    for (const Message& message : messagesInSources())
        sources << message.source;
    const QString known = sources.join(u'\x1f');

    QStringList escaped;
    for (const QString& folder : SourceFolders) {
        QDirIterator files(sourceRoot() + u'/' + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            const QString code = withoutComments(QString::fromUtf8(file.readAll()));
            for (const QRegularExpressionMatch& match : LiteralPattern.globalMatch(code)) {
                const QString text = unescaped(match.captured(1));
                if (hasJapanese(text) && !SameInEveryLanguage.contains(text) && !known.contains(text))
                    escaped << QDir(sourceRoot()).relativeFilePath(path) + u": "_s + text;
            }
        }
    }
    EXPECT_TRUE(escaped.isEmpty()) << "shown without translation:\n" << escaped.join(u'\n').toStdString();
}

} // namespace
} // namespace velmora
