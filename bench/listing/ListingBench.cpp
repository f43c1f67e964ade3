// One listing of a folder of 100,000 WAV files and 1,000 subdirectories,
// both passes into a sorted list, against `ls -f DIR | sort` on the same
// folder in the same run. Prints the median of several runs and the ratio.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "browser/SearchSpec.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/Window.h"

namespace {

constexpr int kFiles = 100000;
constexpr int kDirectories = 1000;
constexpr int kRuns = 7;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    char pattern[] = "/tmp/brisola-bench-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    const std::string root = pattern;
    const std::string dir = root + "/many";
    mkdir(dir.c_str(), 0755);
    for (int i = 0; i < kFiles; ++i) {
        char name[64];
        // Mixed case and a shuffled order, as real sample folders have.
        std::snprintf(name, sizeof name, "/%s_%07d.%s", (i % 3) ? "kick" : "Snare", (i * 7919) % kFiles,
                      (i % 5) ? "wav" : "WAV");
        int fd = open((dir + name).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            close(fd);
    }
    for (int i = 0; i < kDirectories; ++i)
        mkdir((dir + "/dir" + std::to_string(i)).c_str(), 0755);

    DriveMap::Install({{'c', root}});
    HWND dialog = CreateWindowModel("dialog", "", 0, 0, nullptr, RECT{});
    HWND list = CreateWindowModel("listbox", "", LBS_SORT | LBS_NOTIFY, 3004, dialog, RECT{});
    const CString spec = "c:\\many\\*.wav";

    std::vector<double> ours, peer;
    size_t items = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        RelistSearchSpec(list, spec);
        ours.push_back(Seconds(std::chrono::steady_clock::now() - t0));
        items = list->list->items.size();

        std::string cmd = "ls -f '" + dir + "' | sort > /dev/null";
        t0 = std::chrono::steady_clock::now();
        if (std::system(cmd.c_str()) != 0)
            std::fprintf(stderr, "the peer pipeline failed\n");
        peer.push_back(Seconds(std::chrono::steady_clock::now() - t0));
    }
    DestroyWindow(dialog);

    double a = Median(ours), b = Median(peer);
    std::printf("listing %d files + %d folders: %zu entries\n", kFiles, kDirectories, items);
    std::printf("  brisola LB_DIR x2 (sorted list): %.1f ms (median of %d)\n", a * 1e3, kRuns);
    std::printf("  ls -f | sort                   : %.1f ms (median of %d)\n", b * 1e3, kRuns);
    std::printf("  ratio brisola / (ls -f | sort) : %.2f (goal: within 2.00)\n", a / b);

    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
