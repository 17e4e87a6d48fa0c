#include "ProgramOptions.h"

#include "ui/text/Language.h"

#include <QCoreApplication>

#include <cstdio>

namespace aisset {

namespace {

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

ProgramOptions::ProgramOptions(QString program, const QString &description)
    : program_(std::move(program)),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")),
      language_(QStringLiteral("lang"),
                QStringLiteral("The language of the texts a person reads: %1 (the default follows the locale).")
                    .arg(text::availableLanguages().join(QStringLiteral(", "))),
                QStringLiteral("CODE"))
{
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOption(language_);
}

std::optional<int> ProgramOptions::parse(const QStringList &arguments)
{
    if (!parser_.parse(arguments))
        return usageError(parser_.errorText());
    if (parser_.isSet(language_) && !text::availableLanguages().contains(language()))
        return usageError(QStringLiteral("--lang takes one of %1").arg(text::availableLanguages().join(QStringLiteral(", "))));
    if (parser_.isSet(help_)) {
        print(stdout, helpText());
        return 0;
    }
    if (parser_.isSet(version_)) {
        print(stdout, program_ + u' ' + projectVersion() +
                          QStringLiteral("\nCopyright (C) 2026 the aisset authors.\n"
                                         "MIT licence: free to use, copy, change and hand on; no warranty.\n"));
        return 0;
    }
    return std::nullopt;
}

void ProgramOptions::useLanguage(QCoreApplication &app) const { text::useLanguage(app, language()); }

QString ProgramOptions::helpText() const
{
    // Qt names the program by its first argument as invoked (a path), or by a
    // placeholder when no application object exists yet.
    QString text = parser_.helpText();
    const QString invoked =
        QCoreApplication::instance() ? QCoreApplication::arguments().value(0) : QStringLiteral("<executable_name>");
    if (const qsizetype at = text.indexOf(invoked); at >= 0 && !invoked.isEmpty())
        text.replace(at, invoked.size(), program_);
    return text;
}

int ProgramOptions::usageError(const QString &text) const
{
    print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program_, text));
    return 2;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out.append(QString::fromLocal8Bit(argv[i]));
    return out;
}

QString projectVersion() { return QStringLiteral(AISSET_VERSION); }

} // namespace aisset
