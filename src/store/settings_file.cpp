#include "store/settings_file.h"

#include "common/record_text.h"
#include "store/text_file.h"

#include <QStringList>

namespace store {
namespace {

/// The n-th value of a line, or 0 when it is missing or not a number.
template <typename Int>
Int ValueOf(const QStringList& lines, int lineIndex, int fieldIndex = 0) {
    if (lineIndex >= lines.size())
        return 0;
    common::FieldReader reader(lines[lineIndex]);
    qint32 value = 0;
    for (int i = 0; i <= fieldIndex; ++i) {
        if (!reader.NextInt32(value))
            return 0;
    }
    return Int(value);
}

}  // namespace

bool ReadSettings(const QString& path, common::Settings& settings) {
    QStringList lines;
    if (!ReadTextLines(path, lines))
        return false;
    settings.reservedOption = ValueOf<qint16>(lines, 0);
    settings.numbersWhileRecording = ValueOf<qint16>(lines, 1);
    settings.showNumerals = ValueOf<qint16>(lines, 2);
    settings.numeralPitch = ValueOf<qint16>(lines, 3);
    settings.showGuide = ValueOf<qint16>(lines, 4);
    settings.keepRemovedStones = ValueOf<qint16>(lines, 5);
    settings.red = ValueOf<qint16>(lines, 6, 0);
    settings.green = ValueOf<qint16>(lines, 6, 1);
    settings.blue = ValueOf<qint16>(lines, 6, 2);
    settings.boardColour = ValueOf<qint32>(lines, 7);
    settings.printPosition1 = ValueOf<qint16>(lines, 8);
    settings.printPosition2 = ValueOf<qint16>(lines, 9);
    return true;
}

bool WriteSettings(const QString& path, const common::Settings& settings) {
    using common::FileNumber;
    QStringList lines{
        FileNumber(settings.reservedOption),
        FileNumber(settings.numbersWhileRecording),
        FileNumber(settings.showNumerals),
        FileNumber(settings.numeralPitch),
        FileNumber(settings.showGuide),
        FileNumber(settings.keepRemovedStones),
        FileNumber(settings.red) + ',' + FileNumber(settings.green) + ',' +
            FileNumber(settings.blue),
        FileNumber(settings.boardColour),
        FileNumber(settings.printPosition1),
        FileNumber(settings.printPosition2),
    };
    for (int i = 0; i < 5; ++i)
        lines.append(QString());
    return WriteTextLines(path, lines);
}

}  // namespace store
