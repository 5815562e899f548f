#include "views/reminder_dialog.h"

#include "widgets/layout_scale.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace views {

ReminderDialog::ReminderDialog(const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(text, this)) {
    setObjectName(QStringLiteral("Reminder"));
    setWindowTitle(QStringLiteral("督促文"));
    text_->setAccessibleName(QStringLiteral("督促文"));
    auto* hint = new QLabel(QStringLiteral("「コピー」を押してから、返信はがきの文面に貼り付けて"
                                           "お使いください。"),
                            this);
    auto* copy = new QPushButton(QStringLiteral("コピー"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    for (QPushButton* button : {copy, close})
        button->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &ReminderDialog::CopyText);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(widgets::Scaled(QSize(560, 300)));
    copy->setFocus();
}

void ReminderDialog::CopyText() {
    QGuiApplication::clipboard()->setText(text_->toPlainText());
}

}  // namespace views
