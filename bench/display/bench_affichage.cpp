// Mesures du moteur d'affichage : une ligne d'énoncé de 60 caractères (fraction, exposant,
// racine) mise en page et peinte sur une QImage, le dessin d'une zone de 40 textes, et le
// glisser d'un point dont dépendent 40 objets de figure (recalcul et dessin de la zone).

#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
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

const std::string ligneEnonce = "Calculer A = $F2,5 * 100;4; + 3 x\u00b2 - $453$4 pour x = 7,5 cm.";

void BM_LigneEnonce(benchmark::State& etat) {
    QImage image(800, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    for (auto _ : etat) {
        double x = 10;
        dessinerTexteMarque(canevas, ligneEnonce, x, 20, 0x000000, 11, 12);
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_LigneEnonce)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_Zone40Textes(benchmark::State& etat) {
    TboitePeinture boite;
    boite.largeur = 800;
    boite.hauteur = 600;
    std::unique_ptr<TzoneAffichage> zone;
    creerZone(boite, zone);
    const char* lignes[] = {
        "Calculer A = $F2,5 * 100;4; et B = 3 * 5 * x * x = 15 x\u00b2.",
        "$gR\u00e9soudre$N l'\u00e9quation 3 x - 7 = 2 x + 5.",
        "BC = $453$4 cm ; AB >= 2 ; $kvoir $LC02_SF3;la page;",
        "$s2\\1.1\\-0.7\\0.7\\x + y = 81\\2 x + 3 y = 200$s  Angle $3ABC$  = 45\u00b0",
    };
    for (int i = 0; i < 40; ++i) {
        ecrire(*zone, lignes[i % 4], 2, 1 + i * 0.8);
    }
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter peintre(&image);
        dessinerZone(*zone, peintre);
    }
    libererZone(zone);
}
BENCHMARK(BM_Zone40Textes)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Une figure dont tout dépend du point déplaçable A : triangle, milieux, droites,
// perpendiculaire, intersection, cercles, points tournés, angle droit et codage.
void construireFigure(TzoneAffichage& zone) {
    pointDeplacable(zone, "A", 0xFF0000, -3, -2);
    pointEtiquete(zone, "B", 0, 4, -2, 0.5, 0);
    pointEtiquete(zone, "C", 0, -3, 3, -1.5, -1);
    segmentSimple(zone, "A", "B", 0);
    segmentSimple(zone, "A", "C", 0);
    segmentSimple(zone, "B", "C", 0);
    droiteParPoints(zone, "A", "B", 0x808080, 2, 1);
    perpendiculaire(zone, "h", "C", "(AB)", 0x808080, 3, 1);
    pointIntersectionDroites(zone, "H", "h", "(AB)", 0.5, 0, 0x0000FF);
    milieu(zone, "I", "A", "B", 0, 0.2, 0x0000FF);
    milieu(zone, "J", "A", "C", -1.5, 0, 0x0000FF);
    cercle(zone, "c", "I", "A", 0xFF0000, 1, 1);
    mediatrice(zone, "m", "A", "C", 0x00A000, 1, 1);
    mesureLongueur(zone, "l", "A", "B", 2, 0, 0.3, 0);
    angleDroit(zone, "d", "H", "C", "B", 0.3, 0, 0);
    codageSegment(zone, "k", "A", "I", 0.2, 0x0000FF, 2);
    for (int i = 0; i < 8; ++i) {
        std::string p(1, 'R');
        p += std::to_string(i);
        pointTourne(zone, p, "A", "J", 20.0 * (i + 1), 0, 0, 0x800080);
        segmentSimple(zone, "A", p, 0x800080);
    }
}

void BM_GlisserPointFigure(benchmark::State& etat) {
    QImage image(500, 360, QImage::Format_RGB32);
    TboitePeinture boite;
    boite.largeur = 500;
    boite.hauteur = 360;
    std::unique_ptr<TzoneAffichage> zone;
    creerZone(boite, zone);
    boite.repeindre = [&] {
        QPainter peintre(&image);
        dessinerZone(*zone, peintre);
    };
    construireFigure(*zone);
    sourisZone(*zone, xEcran(*zone, -3), yEcran(*zone, -2), 1);
    if (zone->objetSaisi != 1) {
        etat.SkipWithError("le point A n'est pas saisi");
    }
    int pas = 0;
    for (auto _ : etat) {
        // Va-et-vient sur un cercle autour de la position de départ.
        const double a = 0.1 * (pas++ % 60);
        sourisZone(*zone, xEcran(*zone, -3 + 0.5 * std::cos(a)),
                   yEcran(*zone, -2 + 0.5 * std::sin(a)), 3);
    }
    sourisZone(*zone, 0, 0, 2);
    // Tous les objets sauf A, B et C dépendent de A.
    etat.counters["objets_dependants"] = zone->nombreObjets() - 3;
    libererZone(zone);
}
BENCHMARK(BM_GlisserPointFigure)
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
