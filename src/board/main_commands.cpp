#include "board/main_commands.h"

#include "board/main_window.h"

#include <algorithm>

namespace board {

std::span<const MainCommand> MainCommands() {
    using W = MainWindow;
    using enum Panel;
    // Five rows of two menu entries; the panels' buttons in a grid of three columns.
    static const MainCommand commands[] = {
        {Menu, MenuRecording, "着手", 0, 0, false, &W::ShowRecordingMode},
        {Menu, MenuReview, "検討", 1, 0, false, &W::ShowReviewMode},
        {Menu, MenuPrinting, "印刷", 0, 1, false, &W::ShowPrintingMode},
        {Menu, MenuRegistration, "登録", 1, 1, false, &W::OpenRegistrationWindow},
        {Menu, MenuReply, "返信", 0, 2, false, &W::OpenReplyWindow},
        {Menu, MenuAddress, "宛名", 1, 2, false, &W::OpenAddressWindow},
        {Menu, MenuErase, "消去", 0, 3, false, &W::OpenEraseWindow},
        {Menu, MenuExit, "終了", 1, 3, false, &W::Exit},
        {Menu, MenuOverview, "一覧", 0, 4, false, &W::OpenOverviewWindow},
        {Menu, MenuResults, "成績", 1, 4, false, &W::OpenResultsWindow},

        {Recording, Redisplay, "再表示", 0, 0, true, &W::RedisplayGame},
        {Recording, RecordMoves, "着手記録", 1, 0, true, &W::SaveMoves},
        {Recording, OneMove, "一手", 2, 0, true, nullptr},
        {Recording, CutFromMove, "指定以降", 0, 1, true, &W::ToggleCutMode},
        {Recording, RestoreSave, "復 元", 1, 1, true, &W::RestoreLastSave},
        {Recording, CountAfterEnd, "終局後計算", 2, 1, true, &W::CountTerritory},
        {Recording, RecordingHelp, "操作説明", 0, 2, false, &W::OpenRecordingHelp},
        {Recording, ResultsRecord, "対戦記録", 1, 2, false, &W::RecordResult},
        {Recording, EditTerms, "用語編集", 2, 2, false, &W::EditTermList},
        {Recording, AskDeadStones, "死に石の提案", -1, -1, true, &W::ProposeDeadStones},

        {Review, FinalPosition, "最終形", 0, 0, true, &W::ShowFinalPosition},
        {Review, StartPosition, "開 始", 1, 0, true, &W::ShowFromMoveBox},
        {Review, NavigationHelp, "操作説明", 2, 0, false, &W::OpenNavigationHelp},
        {Review, StepBackButton, "後 退", 0, 1, true, &W::StepBack},
        {Review, StepForwardButton, "前 進", 1, 1, true, &W::StepForward},
        {Review, ScoreGraph, "形勢グラフ", -1, -1, true, &W::OpenScoreGraph},

        {Printing, FinalPosition, "最終形", 0, 0, true, &W::ShowFinalPosition},
        {Printing, StartPosition, "開 始", 1, 0, true, &W::ShowFromMoveBox},
        {Printing, NavigationHelp, "操作説明", 2, 0, false, &W::OpenNavigationHelp},
        {Printing, StepBackButton, "後 退", 0, 1, true, &W::StepBack},
        {Printing, StepForwardButton, "前 進", 1, 1, true, &W::StepForward},
        {Printing, PrintRecord, "印 字", 2, 1, true, &W::PrintRecord},
        {Printing, ScreenCopy, "画面コピー", 2, 2, true, &W::PrintScreenCopy},
        {Printing, KifuFigures, "棋譜図", -1, -1, true, &W::AskKifuFigures},
    };
    return commands;
}

const MainCommand* FindCommand(Panel panel, int index) {
    const std::span<const MainCommand> commands = MainCommands();
    const auto found = std::find_if(commands.begin(), commands.end(), [&](const MainCommand& c) {
        return c.panel == panel && c.index == index;
    });
    return found == commands.end() ? nullptr : &*found;
}

QString CommandObjectName(Panel panel, int index) {
    const QString stem = panel == Panel::Menu        ? QStringLiteral("Label1")
                         : panel == Panel::Recording ? QStringLiteral("Command1")
                         : panel == Panel::Review    ? QStringLiteral("Command2")
                                                     : QStringLiteral("Command3");
    return stem + '_' + QString::number(index);
}

}  // namespace board
