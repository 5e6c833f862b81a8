#include "saved_run.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace quintrick {

bool WriteSavedMatchFile(const std::string& path, const SavedMatch& match, std::string& why) {
    const std::string text = WriteSavedMatch(match, &why);
    if (text.empty()) return false;
    // A new file of our own beside the target (never an existing path), then renamed over it.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        why = "cannot create a file beside " + path;
        return false;
    }
    std::FILE* out = ::fdopen(fd, "wb");
    bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
    written = out && std::fflush(out) == 0 && ::fsync(fd) == 0 && written;
    if (out ? std::fclose(out) != 0 : ::close(fd) != 0) written = false;
    if (!written) {
        std::remove(temp.c_str());
        why = "cannot write " + temp;
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        why = "cannot replace " + path;
        return false;
    }
    return true;
}

std::optional<SavedMatch> ReadSavedMatchFile(const std::string& path, RunnerState& runner,
                                             std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot read " + path;
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kSavedMatchMaxBytes) break;  // the reader refuses it
    }
    std::optional<SavedMatch> match = ReadSavedMatch(text, &why);
    if (!match) return std::nullopt;
    if (!match->runner) {
        why = "the saved match has no runner clock";
        return std::nullopt;
    }
    std::optional<RunnerState> read = ReadRunnerState(*match->runner, &why);
    if (!read) return std::nullopt;
    runner = *read;
    return match;
}

}  // namespace quintrick
