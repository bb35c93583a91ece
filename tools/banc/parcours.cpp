// calvane-banc parcours : pose chaque question de chaque exercice qui a un énoncé, pour
// plusieurs graines, y soumet la réponse modèle (elle doit être jugée exacte et terminer la
// question) puis, sur la même question posée de nouveau, une réponse fausse (elle ne doit
// pas l'être). Après l'énoncé, la solution et les messages, vérifie aussi la mise en page
// (disposition.h) : un manquement fait échouer le cas. Écrit un rapport JSON puis, en dernière
// ligne, « N passed, M failed » ; sort avec 1 si un cas a échoué.

#include "analysis/jugement/verdict.h"
#include "analysis/nombres/hasard.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/exercice/exercice.h"
#include "core/exercice/reponsemodele.h"
#include "core/exercice/soumission.h"
#include "tools/banc/applicationqt.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"
#include "tools/banc/disposition.h"
#include "tools/banc/environnementbanc.h"
#include "tools/banc/feuilles.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;

// Ce qu'une soumission a donné.
struct Soumission {
    json reponses = json::array();
    json cases = json::array();
    Tverdict verdict = Tverdict::aucun;
    int points = 0;
    bool jugee = false;
    bool terminee = false;
    // Manquements de mise en page : de l'énoncé posé, puis de la solution ou des messages.
    json disposition = json::array();
};

json enJson(const Soumission& s) {
    return {{"reponses", s.reponses}, {"cases", s.cases}, {"verdict", static_cast<int>(s.verdict)},
            {"points", s.points},     {"jugee", s.jugee}, {"terminee", s.terminee}};
}

// Pose la question de rang donné de l'exercice avec la graine, dans un environnement neuf,
// et y soumet la réponse modèle ou une réponse fausse.
Soumission soumettre(int index, int question, std::uint64_t graine, bool juste) {
    nombres::initialiserHasard(graine);
    Soumission s;
    EnvironnementBanc environnement;
    TdonneesCommunes& d = environnement.d;
    lancerExercice(d, index);
    while (d.numeroQuestion < question && d.numeroQuestion < d.nombreQuestions) {
        poserQuestion(d, true);
    }
    if (juste) {
        s.disposition = verifierDisposition(d, "enonce", true);
    }
    if (juste) {
        donnerReponseModele(d);
    } else {
        donnerReponseFausse(d);
    }
    for (int k = 1; k <= d.nombreChamps && k <= 3; ++k) {
        s.reponses.push_back(champReponse(d, k)->texte);
    }
    for (int n = 1; n <= nombreMaxCases; ++n) {
        if (d.cases[n].active && d.cases[n].choisie) {
            s.cases.push_back(n);
        }
    }
    validerReponse(d);
    s.verdict = d.codeVerdict;
    s.points = d.points;
    // Une soumission refusée (champ requis vide) laisse le bouton Correction visible.
    s.jugee = d.BoutonCorrection == nullptr || !d.BoutonCorrection->visible;
    s.terminee = d.questionTerminee;
    for (json& m : verifierDisposition(d, juste ? "solution" : "messages", false)) {
        s.disposition.push_back(std::move(m));
    }
    return s;
}

struct Bilan {
    int reussis = 0;
    int echecs = 0;
    int manquements = 0;
};

json parcourirExercice(int index, int graines, Bilan& bilan) {
    nombres::initialiserHasard(1);
    int nombreQuestions = 0;
    std::string titre;
    {
        EnvironnementBanc environnement;
        lancerExercice(environnement.d, index);
        if (!questionPosee(environnement.d)) {
            return nullptr;
        }
        nombreQuestions = environnement.d.nombreQuestions;
        titre = environnement.d.titreExercice;
    }
    json cas = json::array();
    int echecs = 0;
    for (int q = 1; q <= nombreQuestions; ++q) {
        for (int g = 1; g <= graines; ++g) {
            const auto graine = static_cast<std::uint64_t>(g);
            const Soumission modele = soumettre(index, q, graine, true);
            const Soumission fausse = soumettre(index, q, graine, false);
            const bool modeleExact = modele.verdict == Tverdict::exact && modele.terminee;
            const bool fausseRefusee =
                fausse.jugee && !(fausse.verdict == Tverdict::exact && fausse.terminee);
            json disposition = modele.disposition;
            for (const json& m : fausse.disposition) {
                disposition.push_back(m);
            }
            const bool reussi = modeleExact && fausseRefusee && disposition.empty();
            (reussi ? bilan.reussis : bilan.echecs) += 1;
            bilan.manquements += static_cast<int>(disposition.size());
            echecs += reussi ? 0 : 1;
            if (!reussi) {
                json echec{{"question", q}, {"graine", g}};
                if (!(modeleExact && fausseRefusee)) {
                    echec["modele"] = enJson(modele);
                    echec["fausse"] = enJson(fausse);
                }
                if (!disposition.empty()) {
                    echec["disposition"] = std::move(disposition);
                }
                cas.push_back(std::move(echec));
            }
        }
    }
    return {{"index", index},
            {"titre", titre},
            {"questions", nombreQuestions},
            {"cas", nombreQuestions * graines},
            {"echecs", echecs},
            {"detail_echecs", cas}};
}

} // namespace

int commandeParcours(const std::vector<std::string>& brut) {
    const Arguments arguments = argumentsDeChapitres(brut);
    const int graines = lireGraines(arguments);
    const std::vector<int> feuilles = feuillesDesChapitres(arguments);

    // Les mesures de la mise en page demandent les polices.
    assurerApplication();
    Bilan bilan;
    json exercices = json::array();
    json sansEnonce = json::array();
    for (const int index : feuilles) {
        json rapport = parcourirExercice(index, graines, bilan);
        if (rapport.is_null()) {
            sansEnonce.push_back(index);
        } else {
            exercices.push_back(std::move(rapport));
        }
    }
    const json sortie{{"graines", graines},        {"exercices", exercices},
                      {"sans_enonce", sansEnonce}, {"reussis", bilan.reussis},
                      {"echecs", bilan.echecs},    {"manquements_disposition", bilan.manquements}};
    std::cout << sortie.dump() << "\n";
    std::cout << bilan.reussis << " passed, " << bilan.echecs << " failed\n";
    return bilan.echecs == 0 ? 0 : 1;
}
