#include "postcard/reply_card.h"

#include "widgets/layout_scale.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace postcard {
namespace {

// The card is shown at its real size: 15 twips to a pixel, as at 96 dots per inch.
constexpr double kTwipsPerPixel = 15;
constexpr double kTwipsPerPoint = 20;
const QColor kInputBackground(Qt::white);
const QColor kLayoutBackground(232, 253, 232);

/// At the display size: the card shrinks with the window.
int Pixels(double twips) {
    return qRound(twips * widgets::LayoutScale() / kTwipsPerPixel);
}

/// The font sized for the card's scale rather than the screen's, so that the card shows the
/// text as large as the paper will.
QFont CardFont(const ReplySettings& settings) {
    QFont font(settings.FontFamily());
    font.setPixelSize(qMax(1, Pixels(settings.characterSize * kTwipsPerPoint)));
    return font;
}

void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

ReplyCard::ReplyCard(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Pixels(kCardSizeTwips.width()), Pixels(kCardSizeTwips.height()));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    for (int i = 0; i < kLayoutLineCount; ++i) {
        lineLabels_[i] = new QLabel(this);
        lineLabels_[i]->setObjectName(QStringLiteral("Label7_%1").arg(i));
        lineLabels_[i]->setAttribute(Qt::WA_TranslucentBackground);
        lineLabels_[i]->setTextFormat(Qt::PlainText);
        lines_.append({QString(), QColor(Qt::black), QPointF()});
    }
    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("Text1"));
    textBox_->setAccessibleName(QStringLiteral("返信の文面"));
    textBox_->resize(Pixels(kTextBoxSizeTwips.width()), Pixels(kTextBoxSizeTwips.height()));
    // A card line is printed as one line however long, so the box does not wrap either.
    textBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
    textBox_->document()->setDocumentMargin(1);
    SetLayoutMode(false);
}

QString ReplyCard::Text() const {
    QString text = textBox_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void ReplyCard::SetText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textBox_->setPlainText(plain);
}

void ReplyCard::ApplySettings(const ReplySettings& settings) {
    const QPointF box = TextBoxPosition(settings);
    textBox_->move(Pixels(box.x()), Pixels(box.y()));
    textBox_->setFont(CardFont(settings));
    // The lines keep their texts; only where they stand follows the new values.
    const QList<LayoutLine> placed = LayOutText(
        QString(), settings, LineHeightTwips(settings.FontFamily(), settings.characterSize));
    for (int i = 0; i < kLayoutLineCount; ++i) {
        lines_[i].position = placed[i].position;
        lineLabels_[i]->setFont(CardFont(settings));
    }
    PlaceLines(lines_, false);
}

QList<LayoutLine> ReplyCard::LayoutLines(const ReplySettings& settings) {
    lines_ = LayOutText(Text(), settings,
                        LineHeightTwips(settings.FontFamily(), settings.characterSize));
    for (QLabel* label : lineLabels_)
        label->setFont(CardFont(settings));
    PlaceLines(lines_, true);
    return lines_;
}

void ReplyCard::PlaceLines(const QList<LayoutLine>& lines, bool withTexts) {
    for (int i = 0; i < kLayoutLineCount; ++i) {
        QLabel* label = lineLabels_[i];
        if (withTexts) {
            label->setText(lines[i].text);
            Colour(label, QPalette::WindowText, lines[i].colour);
        }
        label->adjustSize();
        label->move(Pixels(lines[i].position.x()), Pixels(lines[i].position.y()));
    }
}

void ReplyCard::SetLayoutMode(bool layout) {
    Colour(this, QPalette::Window, layout ? kLayoutBackground : kInputBackground);
    textBox_->setVisible(!layout);
    // Under the opaque text box the lines would only show where it ends, so they go with it.
    for (QLabel* label : lineLabels_)
        label->setVisible(layout);
}

double ReplyCard::LineHeightTwips(const QString& family, int points) {
    QFont font(family);
    font.setPixelSize(qRound(points * kTwipsPerPoint));
    return QFontMetricsF(font).height();
}

}  // namespace postcard
