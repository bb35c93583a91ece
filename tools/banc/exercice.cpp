// calvane-banc exercice : pose une question d'un exercice sans fenêtre, soumet au besoin
// des réponses ou des cases, et écrit l'énoncé, les champs, le verdict et la solution en
// JSON.

#include "core/exercice/exercice.h"
#include "analysis/jugement/verdict.h"
#include "analysis/nombres/hasard.h"
#include "core/arbres/arbreexercices.h"
#include "core/controles/champsaisie.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"
#include "tools/banc/environnementbanc.h"
#include "tools/banc/imageexercice.h"
#include "tools/banc/questionjson.h"

#include <nlohmann/json.hpp>

#include <array>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;

// Textes de la zone de solution déjà écrits quand la solution commence : ce sont les
// messages du jugement. Le jugement du chapitre est enveloppé pour les compter.
int textesAvantSolution = -1;
ProcedureChapitre jugementDuChapitre = nullptr;

int nombreTextes(const TzoneAffichage& zone) {
    int n = 0;
    for (const auto& objet : zone.objets) {
        n += dynamic_cast<const Ttexte*>(objet.get()) != nullptr ? 1 : 0;
    }
    return n;
}

void jugerEnComptant(TdonneesCommunes& d) {
    if (jugementDuChapitre != nullptr) {
        jugementDuChapitre(d);
    } else {
        jugerReponseStandard(d);
    }
    textesAvantSolution = d.zoneSolution ? nombreTextes(*d.zoneSolution) : 0;
}

std::vector<int> lireCases(const std::string& texte) {
    std::vector<int> cases;
    std::stringstream flux(texte);
    std::string morceau;
    while (std::getline(flux, morceau, ',')) {
        const long long n = Arguments::entier("cases", morceau);
        if (n < 1 || n > nombreMaxCases) {
            throw ErreurArguments("--cases : numéro de case hors de 1..30 : " + morceau);
        }
        cases.push_back(static_cast<int>(n));
    }
    return cases;
}

// Verdict de la question entière, tel que le noyau l'a compté (conclureQuestion est seule à
// l'écrire) : 3 quand l'essai est compté faux, même si un champ était mal écrit ; 6 ou 9
// quand il n'est pas compté ; 1 quand la question est finie juste ; 0 quand rien n'a été
// jugé (un champ laissé vide).
int verdictQuestion(const TdonneesCommunes& d) {
    return static_cast<int>(d.codeVerdict);
}

// Refuse ce qu'un élève ne peut pas faire dans la fenêtre : plus de réponses que de champs,
// une case qui n'existe pas, plusieurs cases dans un choix unique.
void verifierSaisiePossible(const TdonneesCommunes& d, const std::vector<std::string>& reponses,
                            const std::vector<int>& cases) {
    if (reponses.size() > static_cast<std::size_t>(d.nombreChamps)) {
        throw ErreurArguments("cette question n'a que " + std::to_string(d.nombreChamps) +
                              " champ(s) de réponse");
    }
    for (int n : cases) {
        if (!d.cases[n].active) {
            throw ErreurArguments("--cases : la case " + std::to_string(n) +
                                  " n'existe pas dans cette question");
        }
    }
    if (d.choixUnique && cases.size() > 1) {
        throw ErreurArguments("--cases : une seule case dans un choix unique");
    }
}

} // namespace

int commandeExercice(const std::vector<std::string>& brut) {
    const Arguments arguments(brut, {"graine", "question", "reponse", "cases", "png"},
                              {"solution"});
    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("un seul INDEX attendu");
    }
    const long long index = Arguments::entier("INDEX", arguments.positionnels()[0]);
    const TarbreContenu& arbre = arbreExercices();
    if (!arbre.contient(static_cast<int>(index)) || arbre.aDesEnfants(static_cast<int>(index))) {
        throw ErreurArguments("INDEX doit désigner un exercice (une feuille de 0 à 604)");
    }
    const long long question =
        Arguments::entier("question", arguments.valeur("question").value_or("1"));
    if (question < 1) {
        throw ErreurArguments("--question commence à 1");
    }
    const long long graine = Arguments::entier("graine", arguments.valeur("graine").value_or("1"));
    if (graine < 0) {
        throw ErreurArguments("--graine doit être un entier positif ou nul");
    }
    const std::vector<std::string> reponses = arguments.valeurs("reponse");
    if (reponses.size() > 3) {
        throw ErreurArguments("au plus trois --reponse");
    }
    const std::vector<int> cases = lireCases(arguments.valeur("cases").value_or(""));

    nombres::initialiserHasard(static_cast<std::uint64_t>(graine));
    EnvironnementBanc environnement;
    TdonneesCommunes& d = environnement.d;

    d.numeroExercice = static_cast<int>(index);
    lancerExercice(d, d.numeroExercice);
    while (d.numeroQuestion < question && d.numeroQuestion < d.nombreQuestions) {
        poserQuestion(d, true);
    }
    if (!questionPosee(d)) {
        std::cerr << "calvane-banc exercice : l'exercice " << index << " n'a pas encore d'énoncé\n";
        return 2;
    }
    if (question > d.nombreQuestions) {
        throw ErreurArguments("--question au-delà des " + std::to_string(d.nombreQuestions) +
                              " questions de la série");
    }

    json sortie{
        {"titre", d.titreExercice}, {"nombre_questions", d.nombreQuestions}, {"bareme", d.bareme}};
    sortie["enonce"] = enonceEnJson(d);
    sortie["champs"] = champsEnJson(d);
    sortie["cases"] = casesEnJson(d);

    const bool soumettre = !reponses.empty() || !cases.empty() || arguments.drapeau("solution");
    if (soumettre) {
        verifierSaisiePossible(d, reponses, cases);
        if (const TuniteChapitre* unite = uniteChapitre(d.codeChapitre)) {
            TuniteChapitre enveloppe = *unite;
            jugementDuChapitre = unite->jugerReponse;
            enveloppe.jugerReponse = jugerEnComptant;
            inscrireUniteChapitre(d.codeChapitre, enveloppe);
        }
        for (std::size_t k = 0; k < reponses.size(); ++k) {
            champReponse(d, static_cast<int>(k) + 1)->texte = reponses[k];
        }
        for (int n : cases) {
            d.cases[n].choisie = true;
        }
        if (arguments.drapeau("solution")) {
            d.solutionDemandee = true;
            d.solutionsDemandees += 1;
        }
        textesAvantSolution = -1;
        validerReponse(d);

        json messages = json::array();
        json solution = json::array();
        int rang = 0;
        for (const auto& objet : d.zoneSolution->objets) {
            if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
                const bool message = textesAvantSolution < 0 || rang < textesAvantSolution;
                if (message && !d.solutionDemandee) {
                    messages.push_back(t->texte);
                } else {
                    solution.push_back({{"ligne", t->y / 18}, {"texte", t->texte}});
                }
                ++rang;
            }
        }
        sortie["verdict"] = verdictQuestion(d);
        sortie["points"] = d.points;
        sortie["essai"] = d.essai;
        sortie["messages"] = messages;
        sortie["solution"] = solution;
    }
    if (const auto png = arguments.valeur("png")) {
        dessinerExercicePng(d, *png);
    }
    std::cout << sortie.dump() << "\n";
    return 0;
}
