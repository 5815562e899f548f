#pragma once

#include "common/platform.h"

#include <QList>
#include <QStringList>

/// Writes every drawing on a page as one readable line, for example
/// "text 420,0 ＭＳ Ｐ明朝 13 bold #000000 対局名 : No.第3  ［ 0 手まで ］",
/// "line 720,1927.8 930.3,1927.8 w9.6", "circle 510.3,1927.8 r210 w9.6 #ffffff",
/// "rect 0,0 100x50 w2.4", "image 0,0 12000x9000 800x600". A transparent fill is left out.
class RecordingPrintSurface : public common::PrintSurface {
  public:
    explicit RecordingPrintSurface(const QSizeF& pageSize) : pageSize_(pageSize) {}

    QSizeF PageSize() const override { return pageSize_; }
    void DrawText(double x, double y, const QString& text, const common::PrintFont& font,
                  const QColor& colour) override;
    void DrawLine(double x1, double y1, double x2, double y2, double width,
                  const QColor& ink) override;
    void DrawCircle(double centreX, double centreY, double radius, double width,
                    const QColor& fill) override;
    void DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                       const QColor& ink) override;
    void DrawImage(const QRectF& rect, const QImage& image) override;
    /// Recorded as "new page".
    bool NewPage() override;

    QStringList operations;
    /// Every text drawn, unrounded, for checks that measure it.
    struct Text {
        double x = 0;
        double y = 0;
        QString text;
        common::PrintFont font;
    };
    QList<Text> texts;

  private:
    QSizeF pageSize_;
};

/// A number as the recorded operations write it: at most two decimals, no trailing zeros.
QString OperationNumber(double value);

/// Records every message box, editor start and print; answers message boxes from a script.
class FakePlatform : public common::Platform {
  public:
    struct Message {
        QString text;
        QString title;
        common::MessageButtons buttons;
        common::DefaultButton defaultButton = common::DefaultButton::Affirmative;
    };
    struct Print {
        QString documentName;
        common::PageOrientation orientation;
        QStringList operations;
    };

    /// The printable area of A4 in twips, portrait.
    static constexpr double kA4Width = 210 * common::kTwipsPerMillimetre;
    static constexpr double kA4Height = 297 * common::kTwipsPerMillimetre;

    common::MessageAnswer ShowMessage(
        const QString& text, const QString& title, common::MessageButtons buttons,
        common::MessageIcon icon,
        common::DefaultButton defaultButton = common::DefaultButton::Affirmative) override;
    /// Records the notice; nothing waits for it.
    void ShowNotice(const QString& text, const QString& title) override {
        notices.append({text, title, common::MessageButtons::Ok});
    }
    /// Records the start; with `cannotOpen` it behaves as a desktop without a launcher.
    void OpenInEditor(const QString& path) override {
        editorStarts.append(path);
        if (cannotOpen)
            OpenWithoutDesktop(path);
    }
    /// Records the request; the desktop's editor is never started by a test.
    void OpenInDesktopEditor(const QString& path) override { desktopEditorStarts.append(path); }
    /// Records the folder; no file manager is started by a test.
    void ShowFolder(const QString& path) override { shownFolders.append(path); }
    QDate Today() const override { return today; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
    /// Draws the page on a RecordingPrintSurface and keeps it; fails when `failPrints` is set.
    bool PrintPage(const QString& documentName, common::PageOrientation orientation,
                   const std::function<void(common::PrintSurface&)>& drawPage) override;
    QStringList PrinterFontFamilies() const override { return fontFamilies; }

    /// Answers for the next message boxes, in order; when empty, OK (or Yes) is given.
    QList<common::MessageAnswer> scriptedAnswers;
    QList<Message> messages;
    QList<Message> notices;
    QStringList editorStarts;
    QStringList desktopEditorStarts;
    QStringList shownFolders;
    QList<Print> prints;
    bool failPrints = false;
    bool cannotOpen = false;
    QStringList fontFamilies{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ Ｐ明朝")};
    QDate today{2002, 12, 7};
    int screenWidth = 1280;
    int screenHeight = 1024;
};
