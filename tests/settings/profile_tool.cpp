// A second process on the profile, for the tests: reads or writes one entry, or writes the same
// entries over and over until it is killed.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "shell/profile.h"

int main(int argc, char** argv) {
    using quintrick::CProfile;
    const bool ownFile = argc > 2 && std::string(argv[2]) != "-";
    auto owned = ownFile ? std::make_unique<CProfile>(QString::fromLocal8Bit(argv[2]))
                         : std::make_unique<CProfile>();
    CProfile& profile = *owned;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "read-int" && argc == 6) {
        std::printf("%d\n", profile.ReadInt(argv[3], argv[4], std::atoi(argv[5])));
    } else if (command == "read-string" && argc == 5) {
        std::printf("%s\n", profile.ReadString(argv[3], argv[4], "").c_str());
    } else if (command == "write-int" && argc == 6) {
        profile.WriteInt(argv[3], argv[4], std::atoi(argv[5]));
    } else if (command == "churn") {
        // Each round writes a counter and a long text that holds the same counter.
        for (int i = 1;; ++i) {
            profile.WriteInt("Churn", "Counter", i);
            profile.WriteString("Churn", "Text", std::to_string(i) + std::string(4000, 'x'));
            if (i == 1) {
                std::printf("started\n");
                std::fflush(stdout);
            }
        }
    } else {
        std::fprintf(stderr,
                     "usage: profile_tool read-int|read-string|write-int|churn FILE|- ...\n");
        return 2;
    }
    return 0;
}
