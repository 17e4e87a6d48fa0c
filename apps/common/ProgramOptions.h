#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace aisset {

// The command line of one of the project's programs: Qt's parser with --help and
// --version, which answer without creating an application object (so without a
// display), and the exit code 2 for a malformed command line.
class ProgramOptions {
public:
    ProgramOptions(QString program, const QString &description);

    QCommandLineParser &parser() { return parser_; }

    // Parses the arguments (the program's own name first). Returns an exit code
    // when the program should end now: 0 after printing the help or the version,
    // 2 after printing the parser's error with the hint to --help.
    std::optional<int> parse(const QStringList &arguments);

    // --lang: the display language's code as given, empty to follow the locale.
    QString language() const { return parser_.value(language_); }
    // Makes the chosen language the display language; call once the
    // application object exists.
    void useLanguage(QCoreApplication &app) const;

    // The help text with the program's name in its usage line.
    QString helpText() const;
    // Prints "program: text" and the hint to --help on standard error; returns 2.
    int usageError(const QString &text) const;

private:
    QString program_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption language_;
};

// The arguments of main() as texts, before any application object exists.
QStringList argumentsOf(int argc, char **argv);

// The project's version, as set in CMake.
QString projectVersion();

} // namespace aisset
