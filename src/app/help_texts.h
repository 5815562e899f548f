#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

/// The language of --help: Japanese when the locale is, English otherwise. The options keep
/// their English descriptions where they are declared; the Japanese ones are in one table,
/// looked up by option name as each option goes into the parser.
namespace app {

/// Whether --help speaks Japanese: the first of LC_ALL, LC_MESSAGES and LANG that is set
/// (the order the C library reads them in) begins with "ja".
bool HelpSpeaksJapanese();

/// Gives Qt's own help options (--help, --help-all) Japanese descriptions; installed after
/// Qt's Japanese catalogue, before the parser is set up.
void TranslateHelpOptions(QCoreApplication& app);

/// The one-line description of the program at the top of --help.
QString HelpDescription();

/// Adds the option to the parser, described in the language --help speaks.
void DeclareOption(QCommandLineParser& parser, QCommandLineOption option);

}  // namespace app
