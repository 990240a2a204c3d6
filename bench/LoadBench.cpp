// Loading a generated 100 MiB Shift_JIS HTML document (about 46 bytes per
// line) into the editor model: the wall time of NimbetSetText's work, and
// what the loaded document costs in resident memory.
//
//   bench_load [MiB] [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Editor.h"
#include "HtmlDocument.h"

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// A field of /proc/self/status in MiB ("VmRSS", "VmHWM").
double StatusMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::atof(line.c_str() + field.size() + 1) / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const double mib = argc > 1 ? std::atof(argv[1]) : 100;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const nimbet::bench::HtmlDocument doc =
        nimbet::bench::MakeHtmlDocument(static_cast<size_t>(mib * 1048576.0));
    const double docMiB = static_cast<double>(doc.text.size()) / 1048576.0;
    std::printf("document: %.1f MiB, %d lines, %.1f bytes per line\n", docMiB, doc.lines,
                static_cast<double>(doc.text.size()) / doc.lines);

    nimbet::NoEvents events;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        auto editor = std::make_unique<nimbet::Editor>(events);
        const double before = StatusMiB("VmRSS");
        const double start = NowMs();
        const NimbetResult result = editor->setText(doc.text.c_str());
        times.push_back(NowMs() - start);
        if (result != NIMBET_OK || editor->lineCount() != doc.lines) {
            std::printf("FAILED: the document did not load whole\n");
            return 1;
        }
        if (run == 0) {
            // The first load happens in a fresh process: its peak is the load's.
            const double after = StatusMiB("VmRSS"), peak = StatusMiB("VmHWM");
            std::printf("resident: %.1f MiB before loading, %.1f MiB loaded, %.1f MiB at the peak\n", before,
                        after, peak);
            std::printf(
                "the loaded document costs %.1f MiB (%.2f x its size), %.1f MiB at the peak (%.2f x)\n",
                after - before, (after - before) / docMiB, peak - before, (peak - before) / docMiB);
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("load: median %.1f ms wall (min %.1f, max %.1f) over %d runs, %.0f MB/s\n",
                times[times.size() / 2], times.front(), times.back(), runs,
                static_cast<double>(doc.text.size()) / 1e3 / times[times.size() / 2]);
    return 0;
}
