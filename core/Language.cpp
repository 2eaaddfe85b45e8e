#include "core/Language.h"

#include "core/AddedSettings.h"
#include "core/Failure.h"
#include "core/SettingsFile.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace velmora {
namespace {

// The catalogues compiled into the program: ":/i18n/velmora_<language>*.qm".
const QString CatalogueFolder = QStringLiteral(":/i18n");

QString current = QString::fromUtf16(JapaneseLanguage);
std::vector<std::unique_ptr<QTranslator>> installed;

bool isOurs(const QString& language)
{
    return language == QString::fromUtf16(JapaneseLanguage) || language == QString::fromUtf16(EnglishLanguage);
}

// "en-US", "en_US.UTF-8" and "EN" all name English.
QString primaryLanguage(const QString& uiLanguage)
{
    QString name = uiLanguage.trimmed().toLower();
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
}

void install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed.push_back(std::move(translator));
}

} // namespace

QString ResolveLanguage(const QString& setting, const QStringList& uiLanguages)
{
    const QString chosen = primaryLanguage(setting);
    if (isOurs(chosen))
        return chosen;
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = primaryLanguage(uiLanguage);
        if (language == u"c" || language == u"posix")
            return QString::fromUtf16(JapaneseLanguage);
        if (isOurs(language))
            return language;
    }
    return uiLanguages.isEmpty() ? QString::fromUtf16(JapaneseLanguage) : QString::fromUtf16(EnglishLanguage);
}

QString ResolveLanguage(const QString& setting)
{
    return ResolveLanguage(setting, QLocale::system().uiLanguages());
}

void InstallLanguage(const QString& language)
{
    for (const std::unique_ptr<QTranslator>& translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();
    current = isOurs(language) ? language : QString::fromUtf16(JapaneseLanguage);

    // Ours: the source texts are Japanese, so Japanese needs none.
    const QString prefix = QStringLiteral("velmora_") + current;
    const QStringList catalogues = QDir(CatalogueFolder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& name : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(CatalogueFolder + QLatin1Char('/') + name))
            install(std::move(translator));
    }
    // Qt's own texts (standard buttons, the file dialog) are English in the source.
    if (current != QString::fromUtf16(EnglishLanguage)) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(current), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(std::move(translator));
    }
}

QString CurrentLanguage()
{
    return current;
}

QString StoredLanguage(const QString& programFolder)
{
    const QString path = programFolder + QString::fromUtf16(SettingsFileName);
    if (!QFileInfo(path).isFile())
        return {};
    const QString key = QString::fromUtf16(LanguageKey);
    try {
        for (const QString& line : SplitLines(DecodeText(ReadWholeFile(path))))
            if (line.startsWith(key))
                return line.sliced(key.size()).trimmed();
    } catch (const Failure&) {
    }
    return {};
}

} // namespace velmora
