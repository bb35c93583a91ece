// calvane-banc questions : chaque question de chaque exercice qui a un énoncé, pour une ou
// plusieurs graines, en JSON — lignes de l'énoncé, champs (genre, attendu, valeur, lettres),
// cases et lignes de la solution — pour vérifier le contenu avec un calcul formel.

#include "analysis/nombres/hasard.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"
#include "tools/banc/environnementbanc.h"
#include "tools/banc/feuilles.h"
#include "tools/banc/questionjson.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;

// Pose la question de rang donné avec la graine dans un environnement neuf ; nul si
// l'exercice n'a pas d'énoncé.
json question(int index, int rang, int graine, int& nombreQuestions) {
    nombres::initialiserHasard(static_cast<std::uint64_t>(graine));
    EnvironnementBanc environnement;
    TdonneesCommunes& d = environnement.d;
    lancerExercice(d, index);
    while (d.numeroQuestion < rang && d.numeroQuestion < d.nombreQuestions) {
        poserQuestion(d, true);
    }
    if (!questionPosee(d)) {
        return nullptr;
    }
    nombreQuestions = d.nombreQuestions;
    json q{{"index", index},
           {"titre", d.titreExercice},
           {"question", d.numeroQuestion},
           {"graine", graine},
           {"bareme", d.bareme},
           {"enonce", enonceEnJson(d)},
           {"champs", champsEnJson(d)},
           {"cases", casesEnJson(d)}};
    // La solution telle que l'élève la demande.
    d.solutionDemandee = true;
    d.solutionsDemandees += 1;
    validerReponse(d);
    json solution = json::array();
    if (d.zoneSolution) {
        for (const auto& objet : d.zoneSolution->objets) {
            if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
                solution.push_back({{"ligne", t->y / 18}, {"texte", t->texte}});
            }
        }
    }
    q["solution"] = solution;
    return q;
}

} // namespace

int commandeQuestions(const std::vector<std::string>& brut) {
    const Arguments arguments = argumentsDeChapitres(brut);
    const int graines = lireGraines(arguments);
    json questions = json::array();
    json sansEnonce = json::array();
    for (const int index : feuillesDesChapitres(arguments)) {
        int nombre = 1;
        for (int rang = 1; rang <= nombre; ++rang) {
            for (int g = 1; g <= graines; ++g) {
                json q = question(index, rang, g, nombre);
                if (q.is_null()) {
                    sansEnonce.push_back(index);
                    rang = nombre + 1;
                    break;
                }
                questions.push_back(std::move(q));
            }
        }
    }
    std::cout
        << json{{"graines", graines}, {"questions", questions}, {"sans_enonce", sansEnonce}}.dump()
        << "\n";
    return 0;
}
