// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Picture benchmark, run by hand (bench/README.md):
//
//   bench_picture PROJECT.PO1 [KEY [RUNS]]
//
// Headless (offscreen platform), each the median of RUNS runs (default 5):
// building the picture of value column 1 of list KEY (default 140: the
// values read through the list's reader, the nodes and elements, bands,
// outline and indexes), painting the whole slab into a 1600 x 1000 image,
// painting after a zoom onto a quarter of the slab (half its width and
// height) and onto a sixteenth (with PICTURE_BENCH_SAVE=DIR the three
// images are saved there), and 10,000 look-ups of the nearest node and
// of the value under the pointer.

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/picture/ResultPicture.h"
#include "lists/run/ListRequests.h"
#include "printing/PagePrinter.h"
#include "project/opening/OpenProject.h"
#include "suite/Host.h"
#include "viewer/picture/PicturePainter.h"

using namespace teska;

namespace {

// Wall-clock and CPU time (the process's, all threads) of one step; the
// machine is shared, so the CPU time is the steadier figure.
struct Stopwatch {
    QElapsedTimer wall;
    double cpu0 = 0;
    static double Cpu()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    Stopwatch()
    {
        wall.start();
        cpu0 = Cpu();
    }
    std::pair<double, double> Ms() const
    {
        return {static_cast<double>(wall.nsecsElapsed()) / 1e6, Cpu() - cpu0};
    }
};

struct Times {
    std::vector<double> wall, cpu;
    void Add(std::pair<double, double> t)
    {
        wall.push_back(t.first);
        cpu.push_back(t.second);
    }
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The last painted image of each view, kept for a look (PICTURE_BENCH_SAVE).
QImage g_last;

std::pair<double, double> PaintMs(const ResultPicture& picture, const PictureRect& world)
{
    QImage image(1600, 1000, QImage::Format_RGB32);
    const Stopwatch timer;
    QPainter painter(&image);
    PicturePainter(picture).Paint(painter, QRectF(0, 0, 1600, 1000), world);
    painter.end();
    const std::pair<double, double> ms = timer.Ms();
    g_last = image;
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_picture PROJECT.PO1 [KEY [RUNS]]\n");
        return 2;
    }
    const long key = argc > 2 ? std::atol(argv[2]) : 140;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    EnsureGuiApplication();

    RecordingHost host;
    SessionOptions options;
    options.language = "en";
    Session session(host, options);
    ProjectState project;
    const std::filesystem::path path = std::filesystem::absolute(argv[1]);
    project.ProjectPath = path.string();
    project.ProjectDirectory = path.parent_path().string() + "/";
    project.ProjectBaseName = path.stem().string();
    OpeningContext context(host);
    if (OpenProject(project, context, false).Outcome != OpenOutcome::Opened) {
        std::fprintf(stderr, "bench_picture: %s does not open\n", argv[1]);
        return 1;
    }
    NumberFormats formats;
    ListProject p{session, project, formats, 90065L};

    Times build, whole, quarter, sixteenth;
    std::optional<ResultPicture> picture;
    for (int run = 0; run < runs; ++run) {
        const Stopwatch timer;
        PictureBuild made = BuildResultPicture(p, ListKey(key), 1);
        build.Add(timer.Ms());
        if (!made.Picture) {
            std::fprintf(stderr, "bench_picture: %s\n", made.Reason.c_str());
            return 1;
        }
        picture = std::move(made.Picture);
    }
    const PictureRect b = picture->Bounds();
    const PictureRect q{
        b.Left + b.Width() / 4, b.Bottom + b.Height() / 4, b.Right - b.Width() / 4, b.Top - b.Height() / 4};
    const PictureRect s{b.Left + b.Width() * 3 / 8, b.Bottom + b.Height() * 3 / 8,
        b.Right - b.Width() * 3 / 8, b.Top - b.Height() * 3 / 8};
    const char* save = std::getenv("PICTURE_BENCH_SAVE"); // a folder for the three images
    for (int run = 0; run < runs; ++run) {
        whole.Add(PaintMs(*picture, {}));
        if (save && run == 0)
            g_last.save(QString::fromUtf8(save) + "/whole.png");
        quarter.Add(PaintMs(*picture, q));
        if (save && run == 0)
            g_last.save(QString::fromUtf8(save) + "/quarter.png");
        sixteenth.Add(PaintMs(*picture, s));
        if (save && run == 0)
            g_last.save(QString::fromUtf8(save) + "/sixteenth.png");
    }
    const Stopwatch timer;
    std::int64_t sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double x = b.Left + b.Width() * ((i * 7919) % 10000) / 10000.0;
        const double y = b.Bottom + b.Height() * ((i * 104729) % 10000) / 10000.0;
        sum += picture->NearestNode(x, y);
        sum += picture->ValueAt(x, y).has_value();
    }
    const auto [lookupWall, lookupCpu] = timer.Ms();

    std::printf("nodes %d, elements %d, triangles %zu, bands %zu\n", picture->NodeCount(),
        picture->ElementCount(), picture->Triangles().size(), picture->Bands().size());
    auto line = [](const char* what, const Times& t) {
        std::printf("%-26s %8.1f ms wall %8.1f ms CPU\n", what, Median(t.wall), Median(t.cpu));
    };
    line("build (read + picture)", build);
    line("paint whole 1600x1000", whole);
    Times first;
    first.Add({Median(build.wall) + Median(whole.wall), Median(build.cpu) + Median(whole.cpu)});
    line("first picture", first);
    line("paint zoom 1/4 (area)", quarter);
    line("paint zoom 1/16 (area)", sixteenth);
    std::printf("%-26s %8.1f ms wall %8.1f ms CPU (%lld)\n", "10,000 look-ups", lookupWall, lookupCpu,
        static_cast<long long>(sum % 10));
    return 0;
}
