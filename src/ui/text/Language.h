#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QCoreApplication;
class QLocale;

// The display language. Chinese is the source language: every text a person
// reads is written in Chinese in the code, marked for the translation tools,
// and looked up in the chosen language's translation when shown. Stored data,
// the wire and the command line's JSON never go through here.
namespace aisset::text {

// The code of the source language; every other language needs a translation.
inline constexpr char16_t kSourceLanguage[] = u"zh";

// The languages that can be chosen: the source language, then every language
// whose translation the program carries ("en"), sorted.
QStringList availableLanguages();

// The language for a locale: Chinese for a Chinese locale, the locale's own
// language when a translation for it exists, else Chinese.
QString languageFor(const QLocale &locale);

// Chooses the display language: loads its translation and Qt's own texts for
// it (message-box buttons, the file dialog), and makes it the default locale.
// An empty code follows the system's locale. Returns false for a code that is
// not available. Call once, after the application object exists.
bool useLanguage(QCoreApplication &app, const QString &code = {});

// The language chosen by useLanguage(): "zh" before any was chosen.
QString currentLanguage();

// A text in the display language: the translation of `source` (UTF-8) in
// `context`, or `source` itself when there is none. The translation tools
// find every call by its name, so the arguments must be literals.
QString translate(const char *context, const char *source);
// The same for a text that counts something ("%n"): the translation's form
// for n.
QString translate(const char *context, const char *source, const char *disambiguation, int n);
// The same for a text held in a table of the model (a UTF-16 literal marked
// with AISSET_TEXT where it stands).
QString translate(const char *context, QStringView source);

// While one lives, translate() on this thread gives the source texts: the
// command line's JSON carries the same values whatever the display language.
class SourceLanguage {
public:
    SourceLanguage();
    ~SourceLanguage();
    SourceLanguage(const SourceLanguage &) = delete;
    SourceLanguage &operator=(const SourceLanguage &) = delete;

private:
    bool previous_;
};

} // namespace aisset::text
