#include "exercises/ch10/calculsch10.h"

#include "analysis/texte/texteutf8.h"
#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/exercice/enonce.h"
#include "exercises/ch10/outilsch10.h"
#include "exercises/ch10/thalesch10.h"

#include <string>

namespace exo5ch10 {

namespace {

constexpr int pageCalculs = 1092;
constexpr int pageReciproque = 1093;

// 407 : trois noms de segments (deux points distincts) dans une suite de rapports égaux.
void poserRapportsEgaux(TdonneesCommunes& d) {
    const auto table = rapportsEgaux();
    const RapportsEgaux& q = questionCourante(d, table);
    commencerEnonce(d, "Théorème de Thalès. Écrire les rapports égaux",
                    static_cast<int>(table.size()), 1);
    preparerChamps(d, 3, true);
    encadrerJusqua(d, 5, 52);
    phraseThales(d, "AMNBC", 2);
    ajouterLigneEnonce(d, "Remplacer a, b et c sachant que(MN)//(BC) :", 3.5);
    ajouterLigneEnonce(d, q.chaine, 5);
    d.lettresPoints = "ABCMN";
    for (int k = 1; k <= 3; ++k) {
        d.typeReponse[k] = TgenreReponse::deuxPoints;
        d.reponseAttendue[k] = q.attendues[k - 1];
    }
    figureThales(d, "AMNBC", q.k);
}

void solutionRapportsEgaux(TdonneesCommunes& d) {
    const RapportsEgaux& q = questionCourante(d, rapportsEgaux());
    solutionThales(d, "", "AMNBC", q.k < 0, 2, "");
    ajouterLigneSolution(d,
                         std::string("a = ") + q.attendues[0] + "  ;  b = " + q.attendues[1] +
                             "  ;  c = " + q.attendues[2],
                         5.5);
}

// 408 à 411 : deux longueurs par le théorème de Thalès.
const char* titreCalcul(int index) {
    switch (index) {
    case 408:
        return "Calculs de base avec le théorème de Thalès, série 1";
    case 409:
        return "Calculs de base avec le théorème de Thalès, série 2";
    case 410:
        return "Calculs complémentaires avec le théorème de Thalès, série 1";
    default:
        return "Calculs complémentaires avec le théorème de Thalès, série 2";
    }
}

void poserCalcul(TdonneesCommunes& d) {
    const auto table = calculsThales(d.numeroExercice);
    const CalculThales& q = questionCourante(d, table);
    commencerEnonce(d, titreCalcul(d.numeroExercice), static_cast<int>(table.size()), 4);
    preparerChamps(d, 2);
    encadrerJusqua(d, 4, 52);
    phraseThales(d, q.lettres, 2);
    ajouterLigneEnonce(d, q.donnees, 3);
    ajouterLigneEnonce(d, q.demande, 4);
    figureThales(d, q.lettresFigure, q.k);
    attendreNombre(d, 1, q.a);
    attendreNombre(d, 2, q.b);
    d.pageCoursLiee = pageCalculs;
}

void solutionCalcul(TdonneesCommunes& d) {
    const CalculThales& q = questionCourante(d, calculsThales(d.numeroExercice));
    solutionThales(d, "", q.lettres, q.k < 0, 2, q.finChaine);
    ecrireLignesSolution(d, q.solution);
}

// 414 : deux rapports et la question du parallélisme (O / N).
void poserReciproque(TdonneesCommunes& d) {
    const auto table = reciproqueCalculs();
    const ReciproqueCalculs& q = questionCourante(d, table);
    commencerEnonce(d, "Réciproque du théorème de Thalès, avec les calculs intermédiaires",
                    static_cast<int>(table.size()), 4);
    preparerChamps(d, 3);
    d.typeReponse[3] = TgenreReponse::ouiNon;
    d.premierFauxSeulement = true;
    encadrerJusqua(d, 7, 52);
    ajouterLigneEnonce(d, "Les points sont alignés dans l'ordre visible sur la figure.", 2);
    ajouterLigneEnonce(d, "Par contre le parallélisme apparent n'est pas garanti.", 3);
    ajouterLigneEnonce(d, q.donnees, 4);
    ajouterLigneEnonce(d, "a. Calculer $FAM;AB;     b. Calculer $FAN;AC;", 5.5);
    ajouterLigneEnonce(d, "c. (MN) et (BC) sont$-elles parallèles ? (O / N)", 7);
    figureThales(d, "AMNBC", q.k);
    attendreNombre(d, 1, q.a);
    attendreNombre(d, 2, q.b);
    // Le champ c se déduit des deux rapports : « O » (0) quand ils sont égaux.
    const bool egaux = q.a - q.b < 1e-9 && q.b - q.a < 1e-9;
    attendreNombre(d, 3, egaux ? 0 : 1);
    d.reponseAttendue[3] = egaux ? "O" : "N";
    d.pageCoursLiee = pageReciproque;
}

void solutionReciproqueCalculs(TdonneesCommunes& d) {
    const ReciproqueCalculs& q = questionCourante(d, reciproqueCalculs());
    ecrireLignesSolution(d, q.solution);
    if (q.a - q.b < 1e-9 && q.b - q.a < 1e-9) {
        solutionReciproque(d, q.k < 0, 6.5);
    } else {
        solutionNonParallele(d, 6.5);
    }
}

// 415 : trois cases, une seule juste.
constexpr const char* reponsesQcm[] = {
    "Les droites (MN) et (BC) sont parallèles",
    "Les droites (MN) et (BC) ne sont pas parallèles",
    "On ne peut pas savoir si les droites (MN) et (BC) sont parallèles",
};

void poserQcm(TdonneesCommunes& d) {
    const auto table = qcmParallelisme();
    const QcmParallelisme& q = questionCourante(d, table);
    commencerEnonce(d, "Réciproque du théorème de Thalès. Q. C. M.", static_cast<int>(table.size()),
                    2);
    encadrerJusqua(d, 4.5, 70);
    ajouterLigneEnonce(d, q.alignement, 2);
    ajouterLigneEnonce(d, std::string("On donne : ") + q.donnees, 3);
    ajouterLigneEnonce(d, "Choisir la bonne réponse :", 4.5);
    d.modeReponse = modeReponseCases;
    d.choixUnique = true;
    d.casesJustes.reset();
    disposerCasesPleineLargeur(d, 3, 1, 26);
    for (int n = 1; n <= 3; ++n) {
        // Demi-largeur en colonnes de 8 pixels : environ 0,38 colonne par caractère de la
        // police des cases, pour centrer le texte.
        const double demiLargeur =
            0.38 * static_cast<double>(texteutf8::longueur(reponsesQcm[n - 1]));
        ajouterCase(d, n, reponsesQcm[n - 1], demiLargeur);
    }
    d.caseJuste = static_cast<std::uint8_t>(q.caseJuste);
    d.casesJustes.set(d.caseJuste);
    d.nombreCases = 3;
}

void solutionQcm(TdonneesCommunes& d) {
    ecrireLignesSolution(d, questionCourante(d, qcmParallelisme()).solution);
}

constexpr Texercice exercices[] = {
    {.index = 407, .poserEnonce = &poserRapportsEgaux, .donnerSolution = &solutionRapportsEgaux},
    {.index = 408, .poserEnonce = &poserCalcul, .donnerSolution = &solutionCalcul},
    {.index = 409, .poserEnonce = &poserCalcul, .donnerSolution = &solutionCalcul},
    {.index = 410, .poserEnonce = &poserCalcul, .donnerSolution = &solutionCalcul},
    {.index = 411, .poserEnonce = &poserCalcul, .donnerSolution = &solutionCalcul},
    {.index = 414, .poserEnonce = &poserReciproque, .donnerSolution = &solutionReciproqueCalculs},
    {.index = 415, .poserEnonce = &poserQcm, .donnerSolution = &solutionQcm},
};

} // namespace

std::span<const Texercice> exercicesCalculs() {
    return exercices;
}

} // namespace exo5ch10
