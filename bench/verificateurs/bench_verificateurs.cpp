// Mesures du jugement d'un champ : un champ de chaque famille (nombre, expression, liste,
// inégalité, encadrement) par jugement::jugerChamp, messages compris.

#include "analysis/jugement/jugement.h"

#include <benchmark/benchmark.h>

namespace {

struct ChampMesure {
    TgenreReponse genre;
    const char* attendu;
    double valeur;
    const char* lettres;
    const char* reponse;
};

void jugerUnChamp(benchmark::State& etat, ChampMesure mesure) {
    jugement::TchampAJuger champ;
    champ.genre = mesure.genre;
    champ.attendu = mesure.attendu;
    champ.valeurAttendue = mesure.valeur;
    champ.lettres = mesure.lettres;
    champ.reponse = mesure.reponse;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(jugement::jugerChamp(champ));
    }
}

BENCHMARK_CAPTURE(jugerUnChamp, fractionSimplifiable,
                  ChampMesure{TgenreReponse::nombre, "", 0.5, "", "2/4"});
BENCHMARK_CAPTURE(jugerUnChamp, expressionNonDeveloppee,
                  ChampMesure{TgenreReponse::developpee, "x^2+6x+9", 0, "x", "(x+3)^2"});
BENCHMARK_CAPTURE(jugerUnChamp, listeDeSolutions,
                  ChampMesure{TgenreReponse::solutions, "2;-3", 0, "", "-3;2"});
BENCHMARK_CAPTURE(jugerUnChamp, inegalite,
                  ChampMesure{TgenreReponse::inegalite, "x>=-1/2", 0, "", "x>=-2/4"});
BENCHMARK_CAPTURE(jugerUnChamp, encadrement,
                  ChampMesure{TgenreReponse::encadrement, "1,4<rac(2)<1,5", 0, "",
                              "1,4<rac(2)<1,5"});

} // namespace

BENCHMARK_MAIN();
