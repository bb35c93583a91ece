// Mesures des correcteurs : juger un champ de chaque famille (nombre, expression, liste,
// inégalité) par jugerChamp, sur un enregistrement sans fenêtre, messages compris.

#include "core/donneescommunes.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/plateforme/sansfenetre.h"
#include "core/verificateurs/verificateurs.h"

#include <benchmark/benchmark.h>

namespace {

struct ChampMesure {
    int type;
    const char* attendu;
    double valeur;
    const char* lettres;
    const char* reponse;
};

void jugerUnChamp(benchmark::State& etat, ChampMesure champ) {
    TsansFenetre monde;
    TdonneesCommunes& d = monde.d;
    TplateformeScriptee& plateforme = monde.plateforme;
    inscrireVerificateurs();
    d.nombreChamps = 1;
    d.typeReponse[1] = static_cast<TgenreReponse>(champ.type);
    d.reponseAttendue[1] = champ.attendu;
    d.valeurAttendue[1] = champ.valeur;
    d.lettresPermises[1] = champ.lettres;
    d.reponseDonnee[1] = champ.reponse;
    for (auto _ : etat) {
        d.ligneMessage = 2.5;
        effacerSolution(d);
        plateforme.effacerJournal();
        benchmark::DoNotOptimize(jugerChamp(d, 1));
    }
}

BENCHMARK_CAPTURE(jugerUnChamp, fractionSimplifiable, ChampMesure{7, "", 0.5, "", "2/4"});
BENCHMARK_CAPTURE(jugerUnChamp, expressionNonDeveloppee,
                  ChampMesure{17, "x^2+6x+9", 0, "x", "(x+3)^2"});
BENCHMARK_CAPTURE(jugerUnChamp, listeDeSolutions, ChampMesure{39, "2;-3", 0, "", "-3;2"});
BENCHMARK_CAPTURE(jugerUnChamp, inegalite, ChampMesure{40, "x>=-1/2", 0, "", "x>=-2/4"});
BENCHMARK_CAPTURE(jugerUnChamp, encadrement,
                  ChampMesure{42, "1,4<rac(2)<1,5", 0, "", "1,4<rac(2)<1,5"});

} // namespace

BENCHMARK_MAIN();
