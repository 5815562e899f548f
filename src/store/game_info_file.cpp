#include "store/game_info_file.h"

#include "common/cp932_codec.h"
#include "store/hand_edited_text.h"
#include "store/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace store {
namespace {

const QString kTextSuffix = QStringLiteral(".txt");
/// The file holds a few short lines; anything far larger is not one of ours.
constexpr qint64 kMaxGameInfoBytes = 64 * 1024;

QString FileSafeValue(const QString& value) {
    QString safe = value;
    safe.replace(QLatin1Char('\r'), QLatin1Char(' '));
    safe.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return safe.trimmed().left(kMaxGameInfoValue);
}

const GameInfoField* FieldOf(QStringView key) {
    for (const GameInfoField& field : GameInfoFields()) {
        if (key == QLatin1String(field.key))
            return &field;
    }
    return nullptr;
}

}  // namespace

const std::array<GameInfoField, 9>& GameInfoFields() {
    static const std::array<GameInfoField, 9> fields{{
        {"PB", &GameInfo::blackPlayer},
        {"BR", &GameInfo::blackRank},
        {"PW", &GameInfo::whitePlayer},
        {"WR", &GameInfo::whiteRank},
        {"EV", &GameInfo::event},
        {"GN", &GameInfo::gameName},
        {"PC", &GameInfo::place},
        {"DT", &GameInfo::date},
        {"RE", &GameInfo::result},
    }};
    return fields;
}

QString GameInfoPath(const QString& recordPath) {
    const QString base =
        recordPath.endsWith(kTextSuffix) ? recordPath.chopped(kTextSuffix.size()) : recordPath;
    return base + kGameInfoSuffix;
}

std::optional<GameInfo> ReadGameInfo(const QString& recordPath) {
    QByteArray bytes;
    if (ReadFileBytes(GameInfoPath(recordPath), bytes, kMaxGameInfoBytes) != ReadStatus::Ok)
        return std::nullopt;
    GameInfo info;
    QList<const GameInfoField*> seen;
    // Read as the hand-edited files are, in case someone saved it from another editor.
    const QString text = common::DecodeTextFile(bytes);
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const std::optional<KeyedLine> keyed = SplitKeyedLine(line);
        const GameInfoField* field = keyed ? FieldOf(keyed->key) : nullptr;
        if (field == nullptr || seen.contains(field))
            continue;
        seen.append(field);
        info.*(field->member) = FileSafeValue(keyed->value);
    }
    return info;
}

bool WriteGameInfo(const QString& recordPath, const GameInfo& info) {
    QStringList lines;
    for (const GameInfoField& field : GameInfoFields()) {
        const QString value = FileSafeValue(info.*(field.member));
        if (!value.isEmpty())
            lines.append(QLatin1String(field.key) + QLatin1Char('=') + value);
    }
    return WriteTextLines(GameInfoPath(recordPath), lines);
}

bool RemoveGameInfo(const QString& recordPath) {
    const QString path = GameInfoPath(recordPath);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

}  // namespace store
