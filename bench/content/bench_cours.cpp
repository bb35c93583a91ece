// Mesure de l'onglet des cours : montrer une page, c'est-à-dire vider la zone, lire et
// décoder l'image JPEG de la page, poser ses zones cliquables et son bouton, puis peindre la
// zone entière à la taille de la fenêtre (cible : moins de 30 ms en médiane). La page 1006
// a une image, une zone cliquable et le bouton « S'exercer ».

#include "content/cours/pagescours.h"
#include "core/plateforme/sansfenetre.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void montrerEtPeindre(benchmark::State& etat, int page) {
    definirDossierImages(CALVANE_DOSSIER_PAGES);
    TsansFenetre environnement;
    TdonneesCommunes& d = environnement.d;
    d.zoneCours->boite->largeur = 767;
    d.hauteurCours = 499;
    QImage surface(782, 1400, QImage::Format_RGB32);
    for (auto _ : etat) {
        d.pageCours = 0;
        afficherPageCours(d, page);
        QPainter peintre(&surface);
        dessinerZone(*d.zoneCours, peintre);
        benchmark::DoNotOptimize(surface.bits());
    }
    etat.counters["hauteur_zone"] = d.zoneCours->boite->hauteur;
}

void BM_MontrerPage1006(benchmark::State& etat) {
    montrerEtPeindre(etat, 1006);
}
BENCHMARK(BM_MontrerPage1006)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
