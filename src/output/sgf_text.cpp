#include "output/sgf_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace output {
namespace {

constexpr int kSgfBoardSize = 19;

/// The line (from 1) on which the character at `pos` stands; CR LF, LF and a lone CR end one.
int LineAt(const QString& text, qsizetype pos) {
    int line = 1;
    for (qsizetype i = 0; i < pos && i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n'))))
            ++line;
    }
    return line;
}

/// Reads the tree from "(" on: nodes, properties, nested trees.
class TreeReader {
  public:
    explicit TreeReader(const QString& text) : text_(text) {}

    SgfReading Read() {
        SgfReading reading;
        const qsizetype start = text_.indexOf(QRegularExpression(QStringLiteral("\\(\\s*;")));
        if (start < 0)
            return reading;
        pos_ = int(start);
        SgfGame game;
        const bool whole = ReadTree(game);
        SkipBlanks();
        if (whole) {
            game.hadMoreGames = pos_ < text_.size() && text_.at(pos_) == QLatin1Char('(');
        } else {
            reading.cutShort = pos_ >= text_.size();
            // A file that just ends is said to break on its last line, not on the empty one
            // after its last line end.
            qsizetype at = pos_;
            while (reading.cutShort && at > 0 && text_.at(at - 1).isSpace())
                --at;
            reading.brokenAtLine = LineAt(text_, reading.cutShort ? at - 1 : at);
        }
        if (!game.nodes.isEmpty())
            reading.game = game;
        return reading;
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

bool LooksLikeSgf(const QString& text) {
    static const QRegularExpression start(
        QStringLiteral("\\(\\s*;\\s*(?:[A-Za-z]+\\s*\\[|[;()]|$)"));
    const QRegularExpressionMatch match = start.match(text);
    if (!match.hasMatch())
        return false;
    const QStringView before = QStringView(text).left(match.capturedStart());
    return std::none_of(before.begin(), before.end(), [](QChar c) {
        const char16_t code = c.unicode();
        const bool textControl = code == u'\t' || code == u'\n' || code == u'\r' || code == u'\f' ||
                                 code == 0x1b;  // ESC: ISO-2022-JP
        return (code < 0x20 && !textControl) || code == 0x7f;
    });
}

SgfReading ReadSgfText(const QString& text) {
    return TreeReader(text).Read();
}

std::optional<SgfGame> ParseSgf(const QString& text) {
    const SgfReading reading = ReadSgfText(text);
    if (reading.brokenAtLine > 0)
        return std::nullopt;
    return reading.game;
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

SgfDateReading ReadSgfDate(const QString& value) {
    SgfDateReading reading;
    const QList<QDate> days = ParseSgfDateList(value);
    if (!days.isEmpty()) {
        reading.first = days.first();
        reading.precision = SgfDatePrecision::Day;
        reading.days = int(days.size());
        reading.sgfForm = true;
        return reading;
    }
    // Year first, then month and day, joined by whatever the program chose.
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})(?!\\d)(?:\\s*[-/.年]\\s*(\\d{1,2})(?!\\d)(?:\\s*[-/"
                       ".月]\\s*(\\d{1,2})(?!\\d))?)?"));
    const QRegularExpressionMatch match = pattern.match(value.trimmed());
    if (!match.hasMatch())
        return reading;
    const bool hasMonth = !match.captured(2).isEmpty();
    const bool hasDay = !match.captured(3).isEmpty();
    const QDate date(match.captured(1).toInt(), hasMonth ? match.captured(2).toInt() : 1,
                     hasDay ? match.captured(3).toInt() : 1);
    if (!date.isValid())
        return reading;
    reading.first = date;
    reading.precision = hasDay     ? SgfDatePrecision::Day
                        : hasMonth ? SgfDatePrecision::Month
                                   : SgfDatePrecision::Year;
    return reading;
}

}  // namespace output
