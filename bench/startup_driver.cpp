// Launch-to-main-window time of the program against a bare Qt window, run
// alternately in one session; prints medians, the ratio and peak memory.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Sample {
    double ms;
    long rssKb;
};

bool runOnce(const QString& exe, Sample* out) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(exe, {});
    if (!p.waitForStarted(10000)) return false;
    QByteArray line;
    while (!line.contains('\n')) {
        if (!p.waitForReadyRead(20000)) return false;
        line += p.readAllStandardOutput();
    }
    out->ms = t.nsecsElapsed() / 1e6;
    out->rssKb = line.split(' ').value(1).trimmed().toLong();
    p.waitForFinished(5000);
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    std::vector<double> prog, bare;
    long rss = 0, bareRss = 0;
    Sample s{};
    // One warm-up each, then alternate so both see the same machine.
    runOnce(dir + "/bench_startup_app", &s);
    runOnce(dir + "/bench_bare_window", &s);
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(dir + "/bench_startup_app", &s)) { std::fprintf(stderr, "program did not start\n"); return 1; }
        prog.push_back(s.ms);
        rss = std::max(rss, s.rssKb);
        if (!runOnce(dir + "/bench_bare_window", &s)) { std::fprintf(stderr, "bare window did not start\n"); return 1; }
        bare.push_back(s.ms);
        bareRss = std::max(bareRss, s.rssKb);
    }
    const double p = median(prog), b = median(bare);
    std::printf("start-up to main window: %.1f ms (bare Qt window %.1f ms), ratio %.3f (budget 1.15)\n", p, b, p / b);
    std::printf("peak RSS at main window: %.1f MB (bare Qt window %.1f MB; budget 45 MB)\n", rss / 1024.0, bareRss / 1024.0);
    return 0;
}
