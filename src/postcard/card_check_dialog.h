#pragma once

#include "cards/card_compare.h"
#include "common/app_state.h"
#include "common/platform.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace postcard {

/// "はがきの照合": checks the opponent's card against the records, from the check line or
/// code typed from it for the chosen game, or from an image of a card with its QR code.
/// Moves the card holds and a record lacks are added only when the player says so.
class CardCheckDialog : public QDialog {
    Q_OBJECT
  public:
    CardCheckDialog(common::AppState& state, common::Platform& platform, const QString& opponent,
                    const QStringList& games, QWidget* parent = nullptr);

    /// Compares the typed text with the chosen game's record and shows the outcome.
    void CheckTypedText();
    /// Reads the card image at `path` and compares each game its code carries.
    void CheckCardImage(const QString& path);
    /// What the last check said, one line each.
    QString Outcome() const;

  private:
    void ChooseCardImage();
    void ShowOutcome(const QStringList& lines);
    /// Offers the moves of a card that is ahead of the record, and adds them when accepted.
    void OfferMoves(const QString& game, const CardComparison& comparison);
    QString RecordPath(const QString& game) const;

    common::AppState& state_;
    common::Platform& platform_;
    QString opponent_;
    QStringList games_;
    QComboBox* gameList_ = nullptr;
    QLineEdit* typedText_ = nullptr;
    QPlainTextEdit* outcome_ = nullptr;
};

}  // namespace postcard
