// Temps de démarrage de calvane : de l'exec du programme à la fenêtre affichée (MapNotify
// sur la racine) sous un Xvfb lancé pour la mesure. Une répétition = un démarrage ; la
// médiane des répétitions est la mesure à suivre.

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

pid_t lancer(std::vector<std::string> arguments, const std::vector<std::string>& ajouts) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        if (v.rfind("DISPLAY=", 0) != 0 && v.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.push_back(v);
        }
    }
    env.insert(env.end(), ajouts.begin(), ajouts.end());
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (auto& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void arreter(pid_t pid) {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

// Un Xvfb sur le premier numéro d'écran libre, pour toute la durée du programme.
struct TserveurX {
    pid_t pid = -1;
    std::string ecran;
    Display* connexion = nullptr;

    TserveurX() {
        for (int n = 140; n < 240 && ecran.empty(); ++n) {
            if (!std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock") &&
                !std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n))) {
                ecran = ":" + std::to_string(n);
            }
        }
        pid = lancer({"Xvfb", ecran, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, {});
        for (int essai = 0; essai < 100 && connexion == nullptr; ++essai) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            connexion = XOpenDisplay(ecran.c_str());
        }
    }
    ~TserveurX() {
        if (connexion != nullptr) {
            XCloseDisplay(connexion);
        }
        arreter(pid);
    }
};

void demarrage(benchmark::State& etat) {
    static TserveurX serveur;
    if (serveur.connexion == nullptr) {
        etat.SkipWithError("Xvfb indisponible");
        return;
    }
    Display* x = serveur.connexion;
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    for (auto _ : etat) {
        while (XPending(x) > 0) {
            XEvent vieux;
            XNextEvent(x, &vieux);
        }
        const auto debut = std::chrono::steady_clock::now();
        const pid_t pid = lancer({CALVANE_PROGRAMME}, {"DISPLAY=" + serveur.ecran});
        bool affichee = false;
        while (!affichee && pid > 0) {
            XEvent e;
            XNextEvent(x, &e);
            if (e.type == MapNotify) {
                // Seule compte la fenêtre principale de 800 × 600.
                XWindowAttributes a;
                affichee = XGetWindowAttributes(x, e.xmap.window, &a) != 0 && a.width == 800 &&
                           a.height == 600;
            }
        }
        const auto fin = std::chrono::steady_clock::now();
        etat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
        arreter(pid);
        if (pid <= 0) {
            etat.SkipWithError("calvane introuvable");
            return;
        }
    }
}

} // namespace

BENCHMARK(demarrage)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
