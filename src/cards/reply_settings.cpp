#include "cards/reply_settings.h"

#include "common/record_text.h"
#include "store/text_file.h"

namespace postcard {
namespace {

enum SettingsLine { FontLine, SizeLine, SendDateLine, LeftLine, TopLine, SpacingLine, LineCount };

QString FirstField(const QStringList& lines, int index) {
    QString field;
    if (index < lines.size())
        common::FieldReader(lines[index]).NextText(field);
    return field;
}

/// A stored number replaces the value only when it reads as a number within the range.
void ReadNumber(const QStringList& lines, int index, int minimum, int maximum, int& value) {
    if (index >= lines.size())
        return;
    qint32 stored = 0;
    if (common::FieldReader(lines[index]).NextInt32(stored) && stored >= minimum &&
        stored <= maximum) {
        value = stored;
    }
}

}  // namespace

std::optional<ReplySettings> ReadReplySettings(const QString& path) {
    QStringList lines;
    if (!store::ReadTextLines(path, lines))
        return std::nullopt;
    ReplySettings settings;
    settings.fontName = FirstField(lines, FontLine);
    ReadNumber(lines, SizeLine, kCharacterSizeMinimum, kCharacterSizeMaximum,
               settings.characterSize);
    settings.sendDateText = FirstField(lines, SendDateLine);
    ReadNumber(lines, LeftLine, kSpaceMinimum, kSpaceMaximum, settings.leftSpace);
    ReadNumber(lines, TopLine, kSpaceMinimum, kSpaceMaximum, settings.topSpace);
    ReadNumber(lines, SpacingLine, kLineSpacingMinimum, kLineSpacingMaximum, settings.lineSpacing);
    return settings;
}

bool WriteReplySettings(const QString& path, const ReplySettings& settings) {
    QStringList lines(LineCount);
    lines[FontLine] = settings.fontName;
    lines[SizeLine] = common::FileNumber(settings.characterSize);
    lines[SendDateLine] = settings.sendDateText;
    lines[LeftLine] = common::FileNumber(settings.leftSpace);
    lines[TopLine] = common::FileNumber(settings.topSpace);
    lines[SpacingLine] = common::FileNumber(settings.lineSpacing);
    return store::WriteTextLines(path, lines);
}

QString LineSpacingText(int lineSpacing) {
    return QString::number(lineSpacing / 10.0);
}

QPointF TextBoxPosition(const ReplySettings& settings) {
    return {kCardInsetTwips + common::kTwipsPerMillimetre * settings.leftSpace,
            kCardInsetTwips + common::kTwipsPerMillimetre * settings.topSpace};
}

QStringList LayoutTexts(const QString& text) {
    QStringList lines(kLayoutLineCount);
    QString current;
    int k = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r')) {
            current += text[i];
            continue;
        }
        ++i;  // the LF after the CR
        lines[k] = current;
        current.clear();
        if (k < kLayoutLineCount - 1)
            ++k;
    }
    if (!text.endsWith(QLatin1Char('\n')))
        lines[k] = current;
    return lines;
}

QColor LayoutLineColour(const QString& lineText) {
    return lineText.startsWith(QStringLiteral("○")) ? QColor(255, 0, 0) : QColor(Qt::black);
}

QList<LayoutLine> LayOutText(const QString& text, const ReplySettings& settings,
                             double lineHeight) {
    const QPointF box = TextBoxPosition(settings);
    const double pitch = lineHeight * settings.lineSpacing / 10;
    QList<LayoutLine> lines;
    const QStringList texts = LayoutTexts(text);
    for (int i = 0; i < kLayoutLineCount; ++i)
        lines.append({texts[i], LayoutLineColour(texts[i]), QPointF(box.x(), box.y() + i * pitch)});
    return lines;
}

void PrintReplyCard(common::PrintSurface& page, const QList<LayoutLine>& lines,
                    const ReplySettings& settings) {
    const QPointF box = TextBoxPosition(settings);
    const common::PrintFont font{settings.FontFamily(), double(settings.characterSize), false};
    for (const LayoutLine& line : lines) {
        if (line.text.isEmpty())
            continue;
        const double x =
            common::kTwipsPerMillimetre * settings.leftSpace + line.position.x() - box.x();
        const double y =
            common::kTwipsPerMillimetre * settings.topSpace + line.position.y() - box.y();
        page.DrawText(x, y, line.text, font, line.colour);
    }
}

}  // namespace postcard
