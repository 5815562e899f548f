// A stand-in GTP engine for the tests: answers as a real one would, or misbehaves as told
// by its first argument: "normal", "hang" (never answers the dead-stone question), "die"
// (ends at that question), "basic" (knows no final_status_list), "refuse" (refuses moves).
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "normal";
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.rfind("list_commands", 0) == 0) {
            std::cout << "= boardsize\nclear_board\nplay\nquit"
                      << (mode == "basic" ? "" : "\nfinal_status_list") << "\n\n";
        } else if (line.rfind("final_status_list", 0) == 0) {
            if (mode == "hang")
                continue;
            if (mode == "die")
                return 3;
            // Dead stones as engines write them: several a line, in either case.
            std::cout << "= D16 q4\r\nC3\r\n\r\n";
        } else if (line.rfind("play", 0) == 0 && mode == "refuse") {
            std::cout << "? illegal move\n\n";
        } else if (line == "quit") {
            std::cout << "=\n\n";
            return 0;
        } else {
            std::cout << "=\n\n";
        }
        std::cout.flush();
    }
    return 0;
}
