#include "exercises/ch01/exercicech01.h"

#include "core/donneescommunes.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/enonce.h"

#include <algorithm>

namespace exo5ch01 {

namespace {

constexpr const char* reduire = "Réduire l'expression A.";
constexpr const char* developper = "Développer et réduire l'expression A.";
constexpr const char* formeDeveloppee = "Donner l'expression A sous forme développée réduite.";
constexpr const char* formeFactorisee = "Donner l'expression A sous forme factorisée.";
constexpr const char* sansCalculatrice = "Sans calculatrice et sans poser les opérations,";
constexpr const char* calculer = "calculer : ";

constexpr int developpement = 1002;
constexpr int identites = 1003;
constexpr int factorisation = 1004;
constexpr int facteurCommun = 1007;

constexpr ExerciceCh01 developpee(int index, const char* titre, int bareme, int page,
                                  double hauteur, double largeur, const char* consigne) {
    return {index,   Famille::expression,       titre,   bareme, page, hauteur,
            largeur, TgenreReponse::developpee, consigne};
}

constexpr ExerciceCh01 factorisee(int index, const char* titre, int bareme, int page) {
    return {index, Famille::expression,       titre,          bareme, page, 4,
            38,    TgenreReponse::factorisee, formeFactorisee};
}

constexpr ExerciceCh01 calculRapide(int index, const char* titre, int page) {
    return {index,
            Famille::calculRapide,
            titre,
            1,
            page,
            4,
            37,
            TgenreReponse::entier,
            sansCalculatrice,
            calculer,
            3};
}

constexpr ExerciceCh01 champs(int index, const char* titre, int bareme, double hauteur,
                              double largeur) {
    return {index, Famille::champs, titre, bareme, 0, hauteur, largeur};
}

constexpr ExerciceCh01 exercices[] = {
    {2, Famille::cases, "Reconnaître une somme, un produit", 1, 0, 3.5, 41},
    developpee(3, "Réduire une somme, une différence", 3, 0, 4, 31, reduire),
    developpee(4, "Réduire un produit", 3, 0, 4, 22, reduire),
    {5, Famille::expression, "Simplifier et réduire, série 1", 2, 0, 5.5, 30,
     TgenreReponse::developpee, "Supprimer les parenthèses, puis", "réduire l'expression A.", 3.3},
    developpee(6, "Développer k (a + b) ou k (a -b)", 3, 0, 4.5, 31, developper),
    developpee(7, "Développer (a+b)(c+d)", 3, 0, 4.5, 31, developper),
    developpee(9, "Développement d'expressions diverses, série 1", 3, developpement, 4.5, 31,
               developper),
    developpee(10, "Développement d'expressions diverses, série 2", 3, developpement, 4.5, 31,
               developper),
    developpee(11, "Développement de l'opposé d'un produit", 3, developpement, 4.5, 31, developper),
    {12, Famille::champs, "Développement avec 3 facteurs", 5, developpement, 7, 52},
    developpee(15, "Identités remarquables -Carré d'une somme -Développement, série 1", 2,
               identites, 4, 45, formeDeveloppee),
    developpee(16, "Identités remarquables -Carré d'une somme -Développement, série 2", 2,
               identites, 4, 45, formeDeveloppee),
    calculRapide(17, "Identités remarquables -Carré d'une somme -Calcul rapide", identites),
    developpee(19, "Identités remarquables -Carré d'une différence -Développement, série 1", 2,
               identites, 4, 45, formeDeveloppee),
    developpee(20, "Identités remarquables -Carré d'une différence -Développement, série 2", 2,
               identites, 4, 45, formeDeveloppee),
    calculRapide(21, "Identités remarquables -Carré d'une différence -Calcul rapide", identites),
    developpee(23, "Identités remarquables -Somme x Différence -Développement, série 1", 2,
               identites, 4, 45, formeDeveloppee),
    developpee(24, "Identités remarquables -Somme x Différence -Développement, série 2", 2,
               identites, 4, 45, formeDeveloppee),
    calculRapide(25, "Identités remarquables -Somme x Différence -Calcul rapide", identites),
    developpee(27, "Développement avec des identités remarquables, série 1", 3, identites, 4, 45,
               formeDeveloppee),
    developpee(28, "Développement avec des identités remarquables, série 2", 3, identites, 4, 45,
               formeDeveloppee),
    developpee(29, "Développement avec des identités remarquables, série 3", 3, identites, 4, 45,
               formeDeveloppee),
    developpee(30, "Développement avec des identités remarquables, série 4", 3, identites, 4, 45,
               formeDeveloppee),
    factorisee(33, "Factorisation d'une somme avec facteur commun, série 1", 2, facteurCommun),
    factorisee(34, "Factorisation d'une somme avec facteur commun, série 2", 2, facteurCommun),
    factorisee(35, "Factorisation d'une différence avec facteur commun, série 1", 3, factorisation),
    factorisee(36, "Factorisation d'une différence avec facteur commun, série 2", 3, factorisation),
    factorisee(37, "Factorisation d'une somme avec facteur commun et carré", 3, factorisation),
    factorisee(38, "Factorisation d'une différence avec facteur commun et carré", 3, factorisation),
    factorisee(39, "Factorisation avec un facteur commun : \"le coup du 1\"", 3, factorisation),
    factorisee(41, "Factorisation d'une identité remarquable -Carré d'une somme", 3, factorisation),
    factorisee(42, "Factorisation d'une identité remarquable -Carré d'une différence", 3,
               factorisation),
    factorisee(43, "Factorisation d'une différence de carrés simple", 3, factorisation),
    calculRapide(44, "Identités remarquables -Différence de deux carrés -Calcul rapide",
                 factorisation),
    factorisee(45, "Factorisation d'une différence de carrés dont une somme", 3, factorisation),
    factorisee(46, "Factorisation d'une différence de carrés de deux sommes", 4, factorisation),
    factorisee(48, "Factorisations diverses -Le \"coup du -1\"", 4, factorisation),
    factorisee(49, "Facteur commun masqué par multiplication, série 1", 4, factorisation),
    factorisee(50, "Facteur commun masqué par multiplication, série 2", 4, factorisation),
    champs(52, "Développer, factoriser, calculer, exercice 1", 5, 7, 34),
    champs(53, "Développer, factoriser, calculer, exercice 2", 5, 7, 34),
    champs(54, "Développer, factoriser, calculer, exercice 3", 5, 7, 34),
    champs(55, "Développer pour factoriser", 3, 5.5, 40),
    champs(57, "Problème - Avec des aires", 5, 6.5, 36),
    champs(58, "Problème - Avec des âges", 5, 8.5, 54),
    champs(60, "Brevet - Exercice 1", 5, 7, 38.5),
    champs(61, "Brevet - Exercice 2", 5, 7.5, 47),
    champs(62, "Brevet - Exercice 3", 5, 6.4, 28),
};

} // namespace

std::span<const ExerciceCh01> exercicesCh01() {
    return exercices;
}

const ExerciceCh01* exerciceCh01(int index) {
    const auto* e = std::find_if(std::begin(exercices), std::end(exercices),
                                 [index](const ExerciceCh01& x) { return x.index == index; });
    return e != std::end(exercices) ? e : nullptr;
}

void preparerSaisie(TdonneesCommunes& d, const ExerciceCh01& e, int nombreQuestions, int champs) {
    d.nombreQuestions = nombreQuestions;
    d.titreExercice = e.titre;
    d.bareme = e.bareme;
    d.pageCoursLiee = e.pageCours;
    encadrerConsigne(d, e.hauteurCadre, e.largeurCadre);
    preparerChampsReponse(d, champs);
    if (champs == 1) {
        etiquetterReponse(d);
    } else if (champs == 2) {
        etiquetterReponsesAB(d);
    } else {
        etiquetterReponsesABC(d);
    }
    placerBoutonAideSaisie(d);
}

} // namespace exo5ch01
