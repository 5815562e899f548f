#include "board/move_entry_dialog.h"

#include "common/platform.h"
#include "output/point_words.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace board {

namespace {

const QString kTitle = QStringLiteral("着手の入力");

}  // namespace

MoveEntryDialog::MoveEntryDialog(common::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("MoveEntryDialog"));
    setWindowTitle(kTitle);

    auto* label = new QLabel(QStringLiteral("着手（例：16の四、16-4）(&M)"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("MoveEntryText"));
    label->setBuddy(text_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("MoveEntryOk"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("MoveEntryCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &MoveEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

void MoveEntryDialog::accept() {
    const std::optional<QPoint> point = output::ParseMoveText(text_->text());
    if (!point) {
        const QString typed = text_->text().trimmed();
        const QString subject = typed.isEmpty() ? QString() : QStringLiteral("「%1」は").arg(typed);
        platform_.ShowMessage(subject + QStringLiteral("盤上の点として読めません。\n"
                                                       "「16の四」や「16-4」のように、列（1～19）と"
                                                       "行（一～十九）を入力してください。"),
                              kTitle, common::MessageButtons::Ok, common::MessageIcon::Warning);
        text_->selectAll();
        text_->setFocus();
        return;
    }
    point_ = *point;
    QDialog::accept();
}

}  // namespace board
