// Mesures du moteur d'affichage : une ligne d'énoncé de 60 caractères (fraction, exposant,
// racine) mise en page et peinte sur une QImage, et le dessin d'une zone de 40 textes.

#include "boitepeinture.h"
#include "canevas.h"
#include "textemarque.h"
#include "zoneaffichage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

const std::string ligneEnonce =
    "Calculer A = $F2,5 * 100;4; + 3 x\u00b2 - $453$4 pour x = 7,5 cm.";

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
