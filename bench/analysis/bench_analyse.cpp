// Mesures de l'analyse des réponses : analyser et comparer une réponse typique, et calculer
// tous les attributs d'écriture d'une réponse de 78 caractères (la longueur d'un champ).

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/comparaison.h"
#include "analysis/texte/texteutf8.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string reponseLongue =
    "(3x+2)(5x-7)-(2x-1)(4x+3)+6x²-12x+5-(x+1)²+7(x-3)(x+3)-2,5x(x-4)+(x-9)(2x+1)+4";

// Réponse factorisée contre sa forme développée, une lettre, 11 points d'essai.
void comparerReponseTypique(benchmark::State& etat) {
    for (auto _ : etat) {
        benchmark::DoNotOptimize(analexpr::comparerExpressions("(2x+3)(5x-1)", "10x^2+13x-3", "x",
                                                               1e-9, TgenreReponse::factorisee));
    }
}
BENCHMARK(comparerReponseTypique);

// Préparation, analyse et toutes les règles d'écriture d'une réponse de 78 caractères.
void testsDeFormeReponse78(benchmark::State& etat) {
    if (texteutf8::longueur(reponseLongue) != 78) {
        etat.SkipWithError("la réponse mesurée doit compter 78 caractères");
        return;
    }
    const auto expression = std::make_unique<analexpr::Texpression>();
    for (auto _ : etat) {
        analexpr::analyserExpression(*expression, reponseLongue, "x");
        benchmark::DoNotOptimize(expression->simplifiable);
    }
}
BENCHMARK(testsDeFormeReponse78);

// La même réponse jugée en entier sous le code « développée, réduite, sans parenthèses » :
// deux analyses, les 11 points d'essai et tous les tests de forme.
void comparerReponse78(benchmark::State& etat) {
    for (auto _ : etat) {
        benchmark::DoNotOptimize(analexpr::comparerExpressions(
            reponseLongue, reponseLongue, "x", 1e-9, TgenreReponse::developpeeSansParentheses));
    }
}
BENCHMARK(comparerReponse78);

} // namespace

BENCHMARK_MAIN();
