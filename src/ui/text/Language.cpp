#include "ui/text/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace aisset::text {

namespace {

// The translations built from translations/aisset_<code>.ts, carried in the program.
const QString kTranslationFolder = QStringLiteral(":/i18n");

thread_local bool tSourceOnly = false;
QString gCurrent = QString::fromUtf16(kSourceLanguage);

QString translationFile(const QString &code)
{
    return kTranslationFolder + QStringLiteral("/aisset_") + code + QStringLiteral(".qm");
}

// A translator for `file`, installed and owned by the application; false when
// the file cannot be loaded.
bool install(QCoreApplication &app, const QString &file, const QString &folder = {})
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

QLocale localeOf(const QString &code)
{
    // Chinese as written on the mainland, whatever the region of the user.
    if (code == QString::fromUtf16(kSourceLanguage))
        return QLocale(QLocale::Chinese, QLocale::China);
    return QLocale(code);
}

} // namespace

QStringList availableLanguages()
{
    QStringList codes;
    const QStringList files =
        QDir(kTranslationFolder).entryList({QStringLiteral("aisset_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes.append(file.mid(7, file.size() - 10)); // between "aisset_" and ".qm"
    codes.removeAll(QString::fromUtf16(kSourceLanguage));
    codes.prepend(QString::fromUtf16(kSourceLanguage));
    return codes;
}

QString languageFor(const QLocale &locale)
{
    if (locale.language() == QLocale::Chinese)
        return QString::fromUtf16(kSourceLanguage);
    const QString code = QLocale::languageToCode(locale.language());
    return availableLanguages().contains(code) ? code : QString::fromUtf16(kSourceLanguage);
}

bool useLanguage(QCoreApplication &app, const QString &code)
{
    const QString chosen = code.isEmpty() ? languageFor(QLocale::system()) : code;
    if (!availableLanguages().contains(chosen))
        return false;
    const QLocale locale = localeOf(chosen);
    QLocale::setDefault(locale);
    if (chosen != QString::fromUtf16(kSourceLanguage))
        install(app, translationFile(chosen));
    // Qt's own texts are English in the source; any other language loads them,
    // when the system has them installed.
    if (locale.language() != QLocale::English)
        install(app, QStringLiteral("qtbase_") + locale.name(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    gCurrent = chosen;
    return true;
}

QString currentLanguage() { return gCurrent; }

QString translate(const char *context, const char *source)
{
    if (tSourceOnly)
        return QString::fromUtf8(source);
    return QCoreApplication::translate(context, source);
}

QString translate(const char *context, const char *source, const char *disambiguation, int n)
{
    if (tSourceOnly)
        return QString::fromUtf8(source).replace(QStringLiteral("%n"), QString::number(n));
    return QCoreApplication::translate(context, source, disambiguation, n);
}

QString translate(const char *context, QStringView source)
{
    if (tSourceOnly || gCurrent == QString::fromUtf16(kSourceLanguage))
        return source.toString();
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

SourceLanguage::SourceLanguage() : previous_(tSourceOnly) { tSourceOnly = true; }

SourceLanguage::~SourceLanguage() { tSourceOnly = previous_; }

} // namespace aisset::text
