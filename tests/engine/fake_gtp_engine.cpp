// A stand-in GTP engine for the tests: answers as a real one would, or misbehaves as told
// by its first argument: "normal", "hang" (never answers the dead-stone question), "die"
// (ends at that question), "basic" (knows no final_status_list), "refuse" (refuses moves).
// The score modes answer estimate_score with "B+k².5" or "W+k².5", k the stones played since
// clear_board (Black after an even count): "score", "score-final" (final_score only),
// "score-hang" and "score-die" (misbehave at the estimate after two stones), "score-odd"
// (an answer that is no score). Arguments after the mode are the dead stones to name
// instead of the usual ones.
#include <cstdio>
#include <iostream>
#include <string>

namespace {

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

std::string CommandList(const std::string& mode) {
    std::string list = "= boardsize\nclear_board\nkomi\nplay\nquit";
    if (mode != "basic")
        list += "\nfinal_status_list";
    if (mode == "score-final")
        list += "\nfinal_score";
    else if (StartsWith(mode, "score"))
        list += "\nestimate_score";
    return list + "\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "normal";
    std::string line;
    int played = 0;
    while (std::getline(std::cin, line)) {
        if (StartsWith(line, "list_commands")) {
            std::cout << CommandList(mode);
        } else if (StartsWith(line, "final_status_list")) {
            if (mode == "hang")
                continue;
            if (mode == "die")
                return 3;
            // Dead stones as engines write them: several a line, in either case.
            std::string dead = argc > 2 ? "=" : "= D16 q4\r\nC3";
            for (int i = 2; i < argc; ++i)
                dead += std::string(" ") + argv[i];
            std::cout << dead << "\r\n\r\n";
        } else if (StartsWith(line, "estimate_score") || StartsWith(line, "final_score")) {
            if (played == 2 && mode == "score-hang")
                continue;
            if (played == 2 && mode == "score-die")
                return 3;
            if (mode == "score-odd")
                std::cout << "= W+Resign\n\n";
            else
                std::cout << "= " << (played % 2 == 0 ? 'B' : 'W') << '+' << played * played
                          << ".5 (upper bound: 1.0, lower: -1.0)\n\n";
        } else if (StartsWith(line, "play") && mode == "refuse") {
            std::cout << "? illegal move\n\n";
        } else if (line == "name" || line == "version") {
            std::cout << (line == "name" ? "= Fake Engine\n\n" : "= 1.0\n\n");
        } else if (line == "quit") {
            std::cout << "=\n\n";
            return 0;
        } else {
            played = StartsWith(line, "play") ? played + 1 : line == "clear_board" ? 0 : played;
            std::cout << "=\n\n";
        }
        std::cout.flush();
    }
    return 0;
}
