// Mesures du noyau : le jugement d'une réponse à trois champs de bout en bout, sans fenêtre,
// de validerReponse jusqu'à terminerQuestion (comparaison des trois expressions, solution
// écrite, score, boutons).

#include "analysis/jugement/genresreponse.h"
#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/enonce.h"
#include "core/exercice/exercice.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/plateforme/sansfenetre.h"

#include <benchmark/benchmark.h>

namespace {

void poserTroisChamps(TdonneesCommunes& d) {
    d.titreExercice = "Trois champs";
    d.bareme = 6;
    preparerChampsReponse(d, 3);
    etiquetterABC(d);
    for (int k = 1; k <= 3; ++k) {
        d.reponseAttendue[k] = "x^2+6x+" + std::to_string(k);
        d.lettresPermises[k] = "x";
        d.typeReponse[k] = TgenreReponse::developpee;
    }
    d.texte1 = "$nLa solution : $5x$1 ...";
    ajouterLigneEnonce(d, "Développer et réduire :", 2);
}

void BM_JugerTroisChamps(benchmark::State& etat) {
    TsansFenetre monde;
    TdonneesCommunes& d = monde.d;
    TplateformeScriptee& plateforme = monde.plateforme;
    inscrireUniteChapitre(
        2, {poserTroisChamps, jugerReponseStandard, ecrireSolutionPreparee, nullptr});
    d.numeroExercice = 30;
    for (auto _ : etat) {
        etat.PauseTiming();
        poserQuestion(d, false);
        for (int k = 1; k <= 3; ++k) {
            champReponse(d, k)->texte = "  x^2+6x+" + std::to_string(k) + " ";
        }
        plateforme.effacerJournal();
        etat.ResumeTiming();
        validerReponse(d);
        benchmark::DoNotOptimize(d.points);
    }
    if (!d.questionTerminee || d.points != 6) {
        etat.SkipWithError("la réponse devait être exacte");
    }
    effacerUnitesChapitre();
}
BENCHMARK(BM_JugerTroisChamps)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
