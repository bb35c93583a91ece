// Le glisser le plus chargé de chaque imagiciel : à chaque mouvement de la souris, le point
// bleu dont dépend le plus d'objets se déplace, toute la figure est recalculée et la zone de
// figure repeinte sur une QImage de sa taille. Objectif : médiane sous 4 ms par mouvement.

#include "content/imagiciels/etapes.h"
#include "content/imagiciels/imagiciels.h"
#include "core/plateforme/sansfenetre.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

// Le point mobile visible créé le plus tôt : c'est celui dont dépend le plus d'objets.
int premierMobile(const TzoneAffichage& z) {
    for (int i = 1; i <= z.nombreObjets(); ++i) {
        const TobjetZone& o = *z.objet(i);
        if (o.mobile && o.visible && o.classe == Tclasse::point) {
            return i;
        }
    }
    return 0;
}

void BM_GlisserImagiciel(benchmark::State& etat) {
    TsansFenetre s;
    inscrireImagiciels();
    s.d.numeroImagiciel = static_cast<int>(etat.range(0));
    ouvrirImagiciel(s.d);
    while (s.d.etapeImagiciel < s.d.nombreEtapes) {
        etapeSuivante(s.d);
    }
    TzoneAffichage& z = *s.d.zoneFigureImagiciel;
    QImage image(z.largeur, z.hauteur, QImage::Format_RGB32);
    z.boite->repeindre = [&] {
        image.fill(Qt::white);
        QPainter peintre(&image);
        dessinerZone(z, peintre);
    };
    const int i = premierMobile(z);
    if (i == 0) {
        etat.SkipWithError("aucun point déplaçable");
        return;
    }
    int px = 0;
    int py = 0;
    z.objet(i)->positionEcran(z, px, py);
    sourisZone(z, px, py, 1);
    int pas = 0;
    for (auto _ : etat) {
        // Un petit cercle autour de la position de départ : chaque mouvement déplace le point.
        const double a = 0.3 * ++pas;
        sourisZone(z, px + static_cast<int>(std::lround(12 * std::cos(a))),
                   py + static_cast<int>(std::lround(12 * std::sin(a))), 3);
    }
    sourisZone(z, px, py, 2);
}

void identifiants(benchmark::internal::Benchmark* b) {
    for (const auto& f : imagiciels::catalogue()) {
        if (f.identifiant != 1516 && f.identifiant != 1522) {
            b->Arg(f.identifiant);
        }
    }
}

BENCHMARK(BM_GlisserImagiciel)
    ->Apply(identifiants)
    ->Repetitions(5)
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
