#include "analysis/expressions/solutions.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/preparation.h"
#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"
#include "analysis/texte/texteutf8.h"

#include <cmath>
#include <memory>
#include <utility>

namespace analexpr {

namespace {

std::int64_t entierDe(double x) {
    return std::abs(x) < 9e15 ? std::llround(x) : 0;
}

} // namespace

void analyserSolution(Tsolution& solution) {
    solution.simplifiable = false;
    // Un élément trop long n'est jamais jugé sur son début : il est illisible.
    solution.tropLong = texteutf8::longueur(solution.texte) > Tsolution::longueurMaximum;
    if (solution.tropLong) {
        solution.forme = Tsolution::illisible;
        return;
    }
    const std::string texte = remplacerSignesTypographiques(solution.texte);
    const auto expression = std::make_unique<Texpression>();
    analyserExpression(*expression, texte, "");
    if (expression->erreur != TcodeErreur::aucune || !expression->constante ||
        expression->erreurCalcul) {
        solution.forme = Tsolution::illisible;
        return;
    }
    solution.valeur = expression->resultat;
    const nombres::LectureNombre lu = nombres::lireNombre(texte);
    if (lu.estIllisible()) {
        solution.forme = Tsolution::expression;
        return;
    }
    solution.forme = lu.genre;
    solution.simplifiable =
        lu.genre == nombres::LectureNombre::fractionDecimale ||
        (lu.genre == nombres::LectureNombre::fraction &&
         (lu.denominateur == 1 ||
          nombres::reductible(entierDe(lu.numerateur), entierDe(lu.denominateur))));
}

void lireListeSolutions(TlisteSolutions& liste, std::string_view texte, bool trier) {
    liste.nombreSolutions = 0;
    liste.etatListe = 0;
    liste.doublon = false;
    liste.texte = nombres::remplacerTout(
        nombres::supprimerBlancs(remplacerSignesTypographiques(texte)), ";;", ";");
    std::string reste = liste.texte;
    if (reste.empty() || reste == ";" || nombres::majuscules(reste) == "PASDESOLUTION") {
        return;
    }
    if (reste.front() == ';') {
        reste.erase(0, 1);
    }
    if (reste.back() != ';') {
        reste.push_back(';');
    }
    std::size_t debut = 0;
    while (debut < reste.size()) {
        if (liste.nombreSolutions == TlisteSolutions::solutionsMaximum) {
            liste.etatListe = 2;
            break;
        }
        const std::size_t fin = reste.find(';', debut);
        Tsolution& s = liste.solutions[++liste.nombreSolutions];
        s = Tsolution{};
        s.texte = reste.substr(debut, fin - debut);
        analyserSolution(s);
        if (s.forme == Tsolution::illisible) {
            liste.etatListe = s.tropLong ? TlisteSolutions::elementTropLong : 2;
            break;
        }
        debut = fin + 1;
    }
    if (!trier || liste.etatListe != 0) {
        return;
    }
    for (int i = 1; i < liste.nombreSolutions; ++i) {
        for (int j = i + 1; j <= liste.nombreSolutions; ++j) {
            Tsolution& a = liste.solutions[i];
            Tsolution& b = liste.solutions[j];
            if (nombres::presqueEgaux(a.valeur, b.valeur)) {
                liste.doublon = true;
                return;
            }
            if (a.valeur > b.valeur) {
                std::swap(a, b);
            }
        }
    }
}

} // namespace analexpr
