#include "output/sgf_text.h"

#include <QRegularExpression>

#include <iconv.h>
#include <algorithm>
#include <cerrno>
#include <vector>

namespace output {
namespace {

constexpr int kSgfBoardSize = 19;

/// The value of the first CA property, read from the raw bytes: the name itself is ASCII in
/// every character set the files use.
QString CharsetOf(const QByteArray& bytes) {
    static const QRegularExpression pattern(QStringLiteral("(?:^|[^A-Za-z])CA\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(bytes));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

/// Files labelled Shift_JIS or GB2312 are mostly written by Windows programs, whose code pages
/// hold more characters (circled numbers, rarer kanji) under the same bytes.
QString WiderCharset(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == QLatin1String("SHIFT_JIS") || upper == QLatin1String("SHIFT-JIS") ||
        upper == QLatin1String("SJIS") || upper == QLatin1String("X-SJIS"))
        return QStringLiteral("CP932");
    if (upper == QLatin1String("GB2312"))
        return QStringLiteral("GBK");
    return name;
}

std::optional<QString> ConvertWithIconv(const QByteArray& bytes, const QString& charset) {
    iconv_t converter = iconv_open("UTF-8", charset.toLatin1().constData());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray input = bytes;
    QByteArray output(bytes.size() * 4 + 16, '\0');
    char* in = input.data();
    size_t inLeft = size_t(input.size());
    char* out = output.data();
    size_t outLeft = size_t(output.size());
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == size_t(-1))
        return std::nullopt;
    output.truncate(output.size() - qsizetype(outLeft));
    return QString::fromUtf8(output);
}

/// Reads the tree from "(" on: nodes, properties, nested trees.
class TreeReader {
  public:
    explicit TreeReader(const QString& text) : text_(text) {}

    std::optional<SgfGame> Read() {
        const qsizetype start = text_.indexOf(QRegularExpression(QStringLiteral("\\(\\s*;")));
        if (start < 0)
            return std::nullopt;
        pos_ = int(start);
        SgfGame game;
        if (!ReadTree(game))
            return std::nullopt;
        SkipBlanks();
        game.hadMoreGames = pos_ < text_.size() && text_.at(pos_) == QLatin1Char('(');
        if (game.nodes.isEmpty())
            return std::nullopt;
        return game;
    }

  private:
    /// A tree whose ")" is still to come.
    struct OpenTree {
        bool mainLine = false;
        int children = 0;
    };

    void SkipBlanks() {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
    }
    bool At(char c) {
        SkipBlanks();
        return pos_ < text_.size() && text_.at(pos_) == QLatin1Char(c);
    }

    /// A tree: its sequence of nodes, then its continuations; only the first is kept. Read
    /// with a stack of its own rather than by recursion, so that however deeply a file nests
    /// its variations, reading it never runs out of the call stack.
    bool ReadTree(SgfGame& game) {
        std::vector<OpenTree> open;
        if (!At('(') || !OpenSequence(game, true, open))
            return false;
        while (!open.empty()) {
            if (At('(')) {
                OpenTree& parent = open.back();
                const bool mainLine = parent.mainLine && parent.children == 0;
                ++parent.children;
                if (!OpenSequence(game, mainLine, open))
                    return false;
                continue;
            }
            if (!At(')'))
                return false;
            ++pos_;
            if (open.back().children > 1)
                game.hadVariations = true;
            open.pop_back();
        }
        return true;
    }

    /// Steps over "(" and reads the tree's nodes; the main line keeps them.
    bool OpenSequence(SgfGame& game, bool mainLine, std::vector<OpenTree>& open) {
        ++pos_;
        open.push_back({mainLine, 0});
        while (At(';')) {
            ++pos_;
            SgfNode node;
            if (!ReadProperties(node))
                return false;
            if (mainLine)
                game.nodes.append(node);
        }
        return true;
    }

    bool ReadProperties(SgfNode& node) {
        while (true) {
            SkipBlanks();
            QString name;
            while (pos_ < text_.size() && text_.at(pos_).isLetter() &&
                   text_.at(pos_).unicode() < 128)
                name += text_.at(pos_++);
            if (name.isEmpty())
                return true;
            QStringList values;
            while (At('[')) {
                ++pos_;
                QString value;
                if (!ReadValue(value))
                    return false;
                values.append(value);
            }
            if (values.isEmpty())
                return false;
            node[PropertyName(name)].append(values);
        }
    }

    bool ReadValue(QString& value) {
        while (pos_ < text_.size()) {
            const QChar c = text_.at(pos_++);
            if (c == QLatin1Char(']'))
                return true;
            if (c == QLatin1Char('\\') && pos_ < text_.size()) {
                const QChar next = text_.at(pos_++);
                // An escaped line break is a soft break: it vanishes.
                if (next == QLatin1Char('\r') || next == QLatin1Char('\n')) {
                    if (pos_ < text_.size() && text_.at(pos_) != next &&
                        (text_.at(pos_) == QLatin1Char('\r') ||
                         text_.at(pos_) == QLatin1Char('\n')))
                        ++pos_;
                    continue;
                }
                value += next;
                continue;
            }
            value += c;
        }
        return false;
    }

    static QString PropertyName(const QString& name) {
        QString capitals;
        for (const QChar c : name) {
            if (c.isUpper())
                capitals += c;
        }
        return capitals.isEmpty() ? name.toUpper() : capitals;
    }

    QString text_;
    int pos_ = 0;
};

}  // namespace

std::optional<QString> DecodeSgfBytes(const QByteArray& bytes, QString* charset, bool* guessed) {
    const QString named = CharsetOf(bytes);
    QString name = named.isEmpty() ? QStringLiteral("UTF-8") : named;
    std::optional<QString> text = ConvertWithIconv(bytes, WiderCharset(name));
    // Many Japanese files from before CA existed are Shift_JIS without saying so.
    const bool guess = !text && named.isEmpty();
    if (guess) {
        name = QStringLiteral("CP932");
        text = ConvertWithIconv(bytes, name);
    }
    if (charset != nullptr)
        *charset = name;
    if (guessed != nullptr)
        *guessed = guess && text.has_value();
    return text;
}

std::optional<SgfGame> ParseSgf(const QString& text) {
    return TreeReader(text).Read();
}

QString EscapeSgfText(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(']'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QChar SgfCoordinate(int value) {
    return QChar(u'a' + (value - 1));
}

QString SgfPoint(int x, int y) {
    return QString(SgfCoordinate(x)) + SgfCoordinate(y);
}

bool IsSgfPass(const QString& value) {
    return value.trimmed().isEmpty() || value.trimmed() == QLatin1String("tt");
}

std::optional<SgfPointValue> ParseSgfPoint(const QString& value) {
    const QString point = value.trimmed();
    if (point.size() != 2)
        return std::nullopt;
    const int x = point.at(0).unicode() - u'a' + 1;
    const int y = point.at(1).unicode() - u'a' + 1;
    if (x < 1 || x > kSgfBoardSize || y < 1 || y > kSgfBoardSize)
        return std::nullopt;
    return SgfPointValue{x, y};
}

QList<SgfPointValue> ExpandSgfPoints(const QString& value) {
    const QStringList corners = value.split(QLatin1Char(':'));
    const auto first = ParseSgfPoint(corners.first());
    if (!first || corners.size() > 2)
        return {};
    if (corners.size() == 1)
        return {*first};
    const auto second = ParseSgfPoint(corners.last());
    if (!second)
        return {};
    QList<SgfPointValue> points;
    for (int x = std::min(first->x, second->x); x <= std::max(first->x, second->x); ++x) {
        for (int y = std::min(first->y, second->y); y <= std::max(first->y, second->y); ++y)
            points.append({x, y});
    }
    return points;
}

QString SgfDateList(QList<QDate> days) {
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    QStringList parts;
    QDate previous;
    for (const QDate& day : days) {
        if (previous.isValid() && previous.year() == day.year() && previous.month() == day.month())
            parts.append(day.toString(QStringLiteral("dd")));
        else if (previous.isValid() && previous.year() == day.year())
            parts.append(day.toString(QStringLiteral("MM-dd")));
        else
            parts.append(day.toString(QStringLiteral("yyyy-MM-dd")));
        previous = day;
    }
    return parts.join(QLatin1Char(','));
}

QList<QDate> ParseSgfDateList(const QString& value) {
    static const QRegularExpression full(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression monthDay(QStringLiteral("^(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression dayOnly(QStringLiteral("^(\\d{1,2})$"));
    QList<QDate> days;
    int year = 0;
    int month = 0;
    for (const QString& rawPart : value.split(QLatin1Char(','))) {
        const QString part = rawPart.trimmed();
        QRegularExpressionMatch match;
        int day = 0;
        if ((match = full.match(part)).hasMatch()) {
            year = match.captured(1).toInt();
            month = match.captured(2).toInt();
            day = match.captured(3).toInt();
        } else if (year > 0 && (match = monthDay.match(part)).hasMatch()) {
            month = match.captured(1).toInt();
            day = match.captured(2).toInt();
        } else if (year > 0 && month > 0 && (match = dayOnly.match(part)).hasMatch()) {
            day = match.captured(1).toInt();
        } else {
            continue;
        }
        const QDate date(year, month, day);
        if (date.isValid())
            days.append(date);
    }
    return days;
}

}  // namespace output
