#pragma once

#include "app/batch_mode.h"
#include "common/print_surface.h"
#include "output/printed_game.h"
#include "store/record_file.h"

#include <functional>

/// What the modes that write a game to PDF share: naming the game, the --pdf option, the
/// messages and the writing itself.
namespace app {

inline const QString kPdfOptionName = QStringLiteral("pdf");

/// Adds an option unless another mode has added it already.
void AddOption(QCommandLineParser& parser, const QCommandLineOption& option);
/// Adds --pdf FILE.
void AddPdfOption(QCommandLineParser& parser);
/// The record file of the game the option `trigger` names, or empty after telling why there
/// is none.
QString RecordFileOf(const BatchContext& context, const QString& trigger, output::GameName& name);
/// The --pdf path, or empty after asking for one.
QString PdfPathOf(const BatchContext& context);
/// Whether the record was read whole; tells when not.
bool LoadedWhole(const BatchContext& context, store::LoadOutcome outcome, const QString& path);
/// Writes the pages to the PDF file; the exit status.
int WritePdf(const BatchContext& context, const QString& pdf, const QString& title,
             const std::function<void(common::PrintSurface&)>& draw);

}  // namespace app
