#pragma once

#include "cards/reply_settings.h"

#include <QFrame>

#include <array>

class QLabel;
class QPlainTextEdit;

namespace postcard {

/// The postcard at its real size: the editable reply text and the 32 lines it is laid out in,
/// placed in twips as they will be printed.
class ReplyCard : public QFrame {
    Q_OBJECT
  public:
    explicit ReplyCard(QWidget* parent = nullptr);

    /// The reply text with its lines ended by CR LF, as the card's files keep it.
    QString Text() const;
    void SetText(const QString& text);

    /// Moves the text box and the lines to the spaces and sets the font and its size.
    void ApplySettings(const ReplySettings& settings);
    /// Fills the lines from the text box, places and colours them, and returns them.
    QList<LayoutLine> LayoutLines(const ReplySettings& settings);
    /// Layout shows the pale green card with the laid-out lines; text input the white card
    /// with the text box.
    void SetLayoutMode(bool layout);

    /// The height in twips of one line of text in the font and size.
    static double LineHeightTwips(const QString& family, int points);

  private:
    void PlaceLines(const QList<LayoutLine>& lines, bool withTexts);

    QPlainTextEdit* textBox_ = nullptr;
    std::array<QLabel*, kLayoutLineCount> lineLabels_{};
    QList<LayoutLine> lines_;
};

}  // namespace postcard
