#pragma once
// The texts a user can see in a window, for the language tests.
#include <QString>
#include <QStringList>

class QWidget;

namespace velmora::test {

// Every caption, title, tooltip, menu and action text, combo box item, tab text, header and list
// item text of the widget and all its descendants (menus included), each prefixed with the object's
// name so that a failure says where.
QStringList VisibleTexts(const QWidget& root);

// True when the text holds a Japanese character (kana, kanji or a full-width form).
bool HasJapanese(const QString& text);

// The texts of VisibleTexts that hold a Japanese character.
QStringList JapaneseTexts(const QWidget& root);

// Installs the language for the scope and Japanese again afterwards.
class LanguageScope {
public:
    explicit LanguageScope(const QString& language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

} // namespace velmora::test
