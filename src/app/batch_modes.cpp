#include "app/batch_backup.h"
#include "app/batch_check_record.h"
#include "app/batch_engine.h"
#include "app/batch_figures.h"
#include "app/batch_import_data.h"
#include "app/batch_list_games.h"
#include "app/batch_mode.h"
#include "app/batch_print_record.h"
#include "app/batch_reply_card.h"
#include "app/batch_results_summary.h"
#include "app/batch_sgf.h"

#include <cstring>

namespace app {

namespace {

/// Marks a mode that draws nothing, so that it starts as a plain command-line program.
BatchMode DrawingNothing(BatchMode mode) {
    mode.drawsNothing = true;
    return mode;
}

}  // namespace

const std::vector<BatchMode>& BatchModes() {
    // Each mode is made in its own file; this list is the one place that names them all.
    // Only the three that write PDF pages draw.
    static const std::vector<BatchMode> modes = {
        MakePrintRecordMode(),
        MakeFiguresMode(),
        DrawingNothing(MakeSgfImportMode()),
        DrawingNothing(MakeSgfExportMode()),
        DrawingNothing(MakeBackupMode()),
        DrawingNothing(MakeRestoreBackupMode()),
        DrawingNothing(MakeListGamesMode()),
        DrawingNothing(MakeResultsSummaryMode()),
        DrawingNothing(MakeImportDataMode()),
        DrawingNothing(MakeCheckRecordMode()),
        MakePrintReplyMode(),
        DrawingNothing(MakeReadCardMode()),
        DrawingNothing(MakeEstimateDeadMode()),
        DrawingNothing(MakeScoreGraphMode()),
    };
    return modes;
}

const BatchMode* RequestedBatchMode(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const BatchMode& mode : BatchModes()) {
            const QByteArray option = "--" + mode.trigger.toUtf8();
            if (std::strcmp(argv[i], option.constData()) == 0 ||
                std::strncmp(argv[i], (option + "=").constData(), option.size() + 1) == 0)
                return &mode;
        }
    }
    return nullptr;
}

}  // namespace app
