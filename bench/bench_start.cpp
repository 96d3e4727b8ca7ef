// Start-up benchmark: starts the program window, a bare Qt Widgets window and that bare window
// with one label, each the same way (a new process, working directory beispiel/ with the example
// catalogue); takes two times from process start: until the window is mapped (its first expose,
// before it paints) and until it has painted; and the peak memory (maximum resident set) of each
// process. The order of the programs turns from run to run.
//
//   bench_start [runs]   (default 21, after 2 warm-up runs of each that are not counted)
//
// The platform is the offscreen one unless QT_QPA_PLATFORM names another: under Xvfb,
// "QT_QPA_PLATFORM=xcb xvfb-run -a bench_start" starts the windows as on a desktop, where a
// window is mapped by the X server.

#include "messung.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

extern char **environ;

namespace {

struct Lauf
{
    double msAbgebildet = 0; // process start until "abgebildet"
    double msGezeigt = 0; // process start until "gezeigt"
    double rssMiB = 0; // peak resident set
    bool ok = false;
};

double jetztMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

Lauf starte(const char *programm)
{
    Lauf lauf;
    int rohr[2];
    if (pipe(rohr) != 0)
        return lauf;
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    char *argumente[] = {const_cast<char *>(programm), nullptr};

    const double start = jetztMs();
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, programm, &aktionen, nullptr, argumente, environ);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    if (fehler != 0) {
        close(rohr[0]);
        return lauf;
    }

    std::string gelesen;
    bool abgebildet = false;
    bool gezeigt = false;
    char puffer[256];
    ssize_t n = 0;
    while ((n = read(rohr[0], puffer, sizeof puffer)) > 0) {
        gelesen.append(puffer, static_cast<std::size_t>(n));
        const double jetzt = jetztMs() - start;
        if (!abgebildet && gelesen.find("abgebildet\n") != std::string::npos) {
            lauf.msAbgebildet = jetzt;
            abgebildet = true;
        }
        if (!gezeigt && gelesen.find("gezeigt\n") != std::string::npos) {
            lauf.msGezeigt = jetzt;
            gezeigt = true;
        }
    }
    close(rohr[0]);

    int status = 0;
    rusage nutzung {};
    wait4(pid, &status, 0, &nutzung);
    lauf.rssMiB = static_cast<double>(nutzung.ru_maxrss) / 1024.0; // kB on Linux
    lauf.ok = abgebildet && gezeigt && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return lauf;
}

} // namespace

int main(int argc, char **argv)
{
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    constexpr int aufwaermen = 2;

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string plattform = std::getenv("QT_QPA_PLATFORM");
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    // Qt wants a private runtime folder; without one each start warns on stderr.
    char laufzeitOrdner[] = "/tmp/kalvomat-bench-XXXXXX";
    const bool eigenerOrdner = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(laufzeitOrdner);
    if (eigenerOrdner)
        setenv("XDG_RUNTIME_DIR", laufzeitOrdner, 1);
    struct Aufraeumen
    {
        bool an;
        const char *ordner;
        ~Aufraeumen()
        {
            if (an)
                rmdir(ordner);
        }
    } aufraeumen {eigenerOrdner, laufzeitOrdner};
    if (chdir(KALVOMAT_BEISPIEL) != 0) {
        std::fprintf(stderr, "Ordner %s fehlt\n", KALVOMAT_BEISPIEL);
        return 1;
    }

    constexpr int n = 3;
    const char *programme[n] = {PROG_KALVOMAT, PROG_LEER, PROG_TEXT};
    const char *namen[n] = {"Kalvomat (beispiel/)", "leeres QWidget", "QWidget mit einem QLabel"};
    std::vector<double> abgebildet[n], gezeigt[n], rss[n];
    for (int lauf = 0; lauf < aufwaermen + laeufe; ++lauf) {
        // The order turns with every run, so that no program always follows the same one.
        for (int k = 0; k < n; ++k) {
            const int p = (lauf + k) % n;
            const Lauf l = starte(programme[p]);
            if (!l.ok) {
                std::fprintf(stderr, "%s: Fenster nicht gezeigt\n", programme[p]);
                return 1;
            }
            if (lauf >= aufwaermen) {
                abgebildet[p].push_back(l.msAbgebildet);
                gezeigt[p].push_back(l.msGezeigt);
                rss[p].push_back(l.rssMiB);
            }
        }
    }

    Tabelle t({"Start bis Fenster", "abgebildet ms", "Min", "Max", "gemalt ms", "Min", "Max",
               "max RSS MiB", "Max"});
    for (int p = 0; p < n; ++p)
        t.zeile({namen[p], zahl(median(abgebildet[p])), zahl(minimum(abgebildet[p])),
                 zahl(maximum(abgebildet[p])), zahl(median(gezeigt[p])), zahl(minimum(gezeigt[p])),
                 zahl(maximum(gezeigt[p])), zahl(median(rss[p])), zahl(maximum(rss[p]))});
    t.drucken("Start-up, " + std::to_string(laeufe) + " runs each (platform " + plattform
              + ", medians)");

    auto verhaeltnis = [](const std::vector<double> &a, const std::vector<double> &b) {
        return median(a) / median(b);
    };
    auto erfuellt = [](double v, double ziel) { return std::string(v <= ziel ? "ja" : "nein"); };
    Tabelle v({"Verhältnis der Mediane", "gemessen", "Ziel", "erfüllt"});
    // The goals are set against the window with one label: any window that shows text pays for
    // the font set-up, and the program cannot start without it. The time goal is for the window
    // to be mapped; painting the designed window is shown beside it. Peak memory includes the
    // first painting.
    auto mitZiel = [&](const char *was, double wert, double ziel) {
        v.zeile({was, zahl(wert, 2) + "x", "<= " + zahl(ziel, 2) + "x", erfuellt(wert, ziel)});
    };
    auto ohneZiel = [&](const char *was, double wert) {
        v.zeile({was, zahl(wert, 2) + "x", "-", "-"});
    };
    mitZiel("bis abgebildet: Kalvomat / QWidget mit QLabel",
            verhaeltnis(abgebildet[0], abgebildet[2]), 1.25);
    mitZiel("max RSS: Kalvomat / QWidget mit QLabel", verhaeltnis(rss[0], rss[2]), 1.15);
    ohneZiel("bis gemalt: Kalvomat / QWidget mit QLabel", verhaeltnis(gezeigt[0], gezeigt[2]));
    ohneZiel("bis abgebildet: Kalvomat / leeres QWidget",
             verhaeltnis(abgebildet[0], abgebildet[1]));
    ohneZiel("bis gemalt: Kalvomat / leeres QWidget", verhaeltnis(gezeigt[0], gezeigt[1]));
    ohneZiel("max RSS: Kalvomat / leeres QWidget", verhaeltnis(rss[0], rss[1]));
    ohneZiel("bis abgebildet: QWidget mit QLabel / leeres QWidget",
             verhaeltnis(abgebildet[2], abgebildet[1]));
    ohneZiel("max RSS: QWidget mit QLabel / leeres QWidget", verhaeltnis(rss[2], rss[1]));
    v.drucken("Start-up ratios");
    return 0;
}
