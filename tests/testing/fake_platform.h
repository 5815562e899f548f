#pragma once

#include "common/platform.h"

#include <QList>
#include <QStringList>

/// Records every message box and editor start; answers message boxes from a script.
class FakePlatform : public common::Platform {
  public:
    struct Message {
        QString text;
        QString title;
        common::MessageButtons buttons;
    };

    common::MessageAnswer ShowMessage(const QString& text, const QString& title,
                                      common::MessageButtons buttons,
                                      common::MessageIcon icon) override;
    void OpenInEditor(const QString& path) override { editorStarts.append(path); }
    QDate Today() const override { return today; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }

    /// Answers for the next message boxes, in order; when empty, OK (or Yes) is given.
    QList<common::MessageAnswer> scriptedAnswers;
    QList<Message> messages;
    QStringList editorStarts;
    QDate today{2002, 12, 7};
    int screenWidth = 1280;
    int screenHeight = 1024;
};
