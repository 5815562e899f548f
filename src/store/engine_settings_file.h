#pragma once

#include <QString>

#include <optional>

namespace store {

/// The Go engine's command line lives in a file of its own in the data root, a line
/// "エンジン=katago gtp -model …". Players may write it with any editor, so it is read as
/// CP932 or UTF-8; other lines in it are theirs and are kept when the program writes it.
inline const QString kEngineSettingsName = QStringLiteral("思考エンジン.dat");

/// The command line of the first "エンジン=" line that names one; none without such a line
/// or file.
std::optional<QString> ReadEngineCommandLine(const QString& path);

/// Sets the command line, replacing the file atomically: the first "エンジン=" line takes
/// it (the file's later ones go), every other line stays as it was; an empty command
/// removes the line, so that the default engine is used. CP932 with CR LF, unless the
/// command holds a character CP932 has no code for (a folder named in another script):
/// then UTF-8 with a byte order mark, which is read back the same. False, with the file as
/// it was, when it could not be written.
bool WriteEngineCommandLine(const QString& path, const QString& commandLine);

}  // namespace store
