// Plays many whole scripted games in one process, cycling the three difficulties, headless and drawing
// every 61st frame, and checks that the process does not grow: the resident size and the open files after
// the first round of difficulties are the baseline, and the end may not exceed it by more than a small
// allowance for the allocator. Prints a digest of every result, so that runs in fresh processes can be
// compared: the digest of the first round is printed on its own line.
//   soak [games]      (default 1000); exit status 0 when nothing grew, 1 otherwise.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/GameDriver.h"
#include "support/ReplayScript.h"

namespace {

constexpr int kDifficulties = 3;
// Room for the allocator's own bookkeeping; a leak of a texture or a sound per game passes it quickly.
constexpr long kResidentAllowanceKiB = 2048;

long ResidentKiB() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return -1;
    }
    long sizePages = 0;
    long residentPages = 0;
    const int read = std::fscanf(statm, "%ld %ld", &sizePages, &residentPages);
    std::fclose(statm);
    return read == 2 ? residentPages * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int OpenFiles() {
    DIR* directory = opendir("/proc/self/fd");
    if (directory == nullptr) {
        return -1;
    }
    int count = 0;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] != '.') {
            ++count;
        }
    }
    closedir(directory);
    // The directory stream itself was one of them.
    return count - 1;
}

// FNV-1a over the text of each result, in order.
class Digest {
public:
    void Add(const std::string& text) {
        for (const char character : text) {
            value = (value ^ static_cast<unsigned char>(character)) * 0x100000001B3ull;
        }
    }
    std::uint64_t Value() const { return value; }

private:
    std::uint64_t value = 0xCBF29CE484222325ull;
};

}  // namespace

int main(int argumentCount, char** arguments) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const int games = argumentCount > 1 ? std::atoi(arguments[1]) : 1000;
    if (games < kDifficulties) {
        std::fprintf(stderr, "soak: give at least %d games, one round of the difficulties\n", kDifficulties);
        return 2;
    }

    testing_support::GameDriver driver;
    if (!driver.Initialize()) {
        std::fprintf(stderr, "soak: the game could not start (are the data directories built?)\n");
        return 2;
    }

    Digest digest;
    long baselineKiB = 0;
    int baselineFiles = 0;
    long peakKiB = 0;
    std::int64_t scoreTotal = 0;
    for (int game = 0; game < games; ++game) {
        const int difficulty = game % kDifficulties;
        const testing_support::ReplayResult result =
            testing_support::PlayScriptedGame(driver, difficulty, false);
        digest.Add(result.ToText());
        scoreTotal += result.score;
        const long residentKiB = ResidentKiB();
        peakKiB = residentKiB > peakKiB ? residentKiB : peakKiB;
        if (game == kDifficulties - 1) {
            baselineKiB = residentKiB;
            baselineFiles = OpenFiles();
            std::printf("first round digest %016llx\n", static_cast<unsigned long long>(digest.Value()));
            std::printf("after %d games: resident %ld KiB, open files %d\n", game + 1, baselineKiB,
                        baselineFiles);
        } else if ((game + 1) % 100 == 0) {
            std::printf("after %d games: resident %ld KiB, open files %d\n", game + 1, residentKiB,
                        OpenFiles());
        }
        std::fflush(stdout);
    }

    const long endKiB = ResidentKiB();
    const int endFiles = OpenFiles();
    std::printf("end after %d games: resident %ld KiB (peak %ld KiB), open files %d\n", games, endKiB,
                peakKiB, endFiles);
    std::printf("score total %lld\n", static_cast<long long>(scoreTotal));
    std::printf("digest %016llx\n", static_cast<unsigned long long>(digest.Value()));

    bool grew = false;
    if (endKiB < 0 || endFiles < 0) {
        std::fprintf(stderr, "soak: /proc/self cannot be read\n");
        return 2;
    }
    if (endKiB > baselineKiB + kResidentAllowanceKiB) {
        std::fprintf(stderr, "soak: resident size grew by %ld KiB after the first round\n",
                     endKiB - baselineKiB);
        grew = true;
    }
    if (endFiles > baselineFiles) {
        std::fprintf(stderr, "soak: %d more files open than after the first round\n",
                     endFiles - baselineFiles);
        grew = true;
    }
    return grew ? 1 : 0;
}
