#include "exercises/ch01/problemesch01.h"

#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "display/figures/figures.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/ch01/exercicech01.h"
#include "exercises/ch01/questionsch01.h"

#include <algorithm>
#include <string>

namespace exo5ch01 {

namespace {

// Ce qu'une ligne de consigne écrit après son texte : rien, l'expression de la question, ou
// la valeur de x du champ c.
enum class Ajout { rien, expression, valeurX };

struct LigneConsigne {
    double ligne;
    const char* avant;
    Ajout ajout = Ajout::rien;
    const char* apres = "";
};

struct ConsigneChamps {
    int index;
    LigneConsigne lignes[7];
};

constexpr LigneConsigne developperFactoriserCalculer[] = {
    {2, "On pose : A = ", Ajout::expression},
    {3.5, "a. Développer et réduire l'expression A."},
    {5, "b. Factoriser l'expression A."},
    {6.5, "c. Calculer la valeur de A pour x = ", Ajout::valeurX, "."},
};

constexpr ConsigneChamps consignes[] = {
    {12,
     {{2, "On donne l'expression A = ", Ajout::expression},
      {3.5, "a. Développer et réduire le produit des deux premiers facteurs."},
      {5, "b. Utiliser la question a pour développer et réduire le produit"},
      {6.5, "    des trois facteurs."}}},
    {52,
     {developperFactoriserCalculer[0], developperFactoriserCalculer[1],
      developperFactoriserCalculer[2], developperFactoriserCalculer[3]}},
    {53,
     {developperFactoriserCalculer[0], developperFactoriserCalculer[1],
      developperFactoriserCalculer[2], developperFactoriserCalculer[3]}},
    {54,
     {developperFactoriserCalculer[0], developperFactoriserCalculer[1],
      developperFactoriserCalculer[2], developperFactoriserCalculer[3]}},
    {55,
     {{2, "On pose : A = ", Ajout::expression},
      {3.5, "a. Développer et réduire l'expression A."},
      {5, "b. En déduire la factorisation de l'expression A."}}},
    {57,
     {{2, "D'un terrain carré de côté 2 x, on a retiré un"},
      {3, "carré de côté x + 1. Déterminer en fonction"},
      {4, "de x l'aire A du terrain restant :"},
      {5, "a. sous forme développée réduite ;"},
      {6, "b. sous forme factorisée."}}},
    {58,
     {{2, "Nous sommes x enfants qui avons tous le même âge."},
      {3, "Si nous étions deux de plus, notre nombre serait égal à notre âge."},
      {4, "Justement deux nouveaux enfants de notre âge nous rejoignent."},
      {5, "a. Donner en fonction de x la somme de nos âges, avec les deux"},
      {6, "   nouveaux, sous forme développée réduite."},
      {7, "b. L'un des nouveaux a en réalité un an de moins, que devient"},
      {8, "   alors la somme de nos âges, sous forme factorisée ?"}}},
    {60,
     {{2, "On considère l'expression : E = ", Ajout::expression},
      {3.5, "a. Calculer la valeur de E lorsque x = 0."},
      {5, "b. Calculer la valeur de E lorsque x = $F10; 3;."},
      {6.5, "c. Factoriser E."}}},
    {61,
     {{2, "On donne l'expression E = ", Ajout::expression, "."},
      {3.5, "a. Développer et réduire E."},
      {5, "b. Factoriser E."},
      {6.5, "c. Calculer E pour x = $F2;3;."}}},
    {62,
     {{2, "Soit E = ", Ajout::expression},
      {3.3, "a. Développer et réduire E."},
      {4.6, "b. Factoriser E."},
      {5.9, "c. Calculer E lorsque x = -1."}}},
};

int nombreChampsQuestion(const QuestionChamps& q) {
    int n = 0;
    for (const ChampAttendu& c : q.champs) {
        n += c.typeReponse != TgenreReponse::aucun ? 1 : 0;
    }
    return n;
}

const QuestionChamps* questionPosee(const TdonneesCommunes& d, const ExerciceCh01& e) {
    const auto questions = questionsChamps(e.index);
    return questions.empty() ? nullptr : &questions[rangQuestion(d, questions.size())];
}

void ecrireConsigne(TdonneesCommunes& d, const ExerciceCh01& e, const QuestionChamps& q) {
    const auto* c = std::find_if(std::begin(consignes), std::end(consignes),
                                 [&e](const ConsigneChamps& x) { return x.index == e.index; });
    if (c == std::end(consignes)) {
        return;
    }
    for (const LigneConsigne& l : c->lignes) {
        if (l.avant == nullptr) {
            return;
        }
        std::string texte = l.avant;
        if (l.ajout == Ajout::expression) {
            texte += q.expression;
        } else if (l.ajout == Ajout::valeurX && q.champs[2].pourX != nullptr) {
            texte += q.champs[2].pourX;
        }
        ajouterLigneEnonce(d, texte + l.apres, l.ligne);
    }
}

// Le terrain carré de côté 2 x dont on a retiré un carré de côté x + 1 (indice 57).
void figureAires(TdonneesCommunes& d) {
    placerFigureEnonceCarree(d);
    if (!d.zoneFigure) {
        return;
    }
    TzoneAffichage& z = *d.zoneFigure;
    struct Sommet {
        const char* nom;
        double x;
        double y;
    };
    constexpr Sommet sommets[] = {{"A", -4, 4}, {"B", 4, 4},   {"C", 4, 1},
                                  {"D", -1, 1}, {"E", -1, -4}, {"F", -4, -4}};
    for (const Sommet& s : sommets) {
        pointCache(z, s.nom, 0x000000, s.x, s.y);
        cacherObjet(z, s.nom);
    }
    polygone(z, "terrain", "A B C D E F", 0xFFFFE0);
    changerRemplissage(z, "terrain", 1);
    polygone(z, "bord", "A B C D E F", 0x000000);
    point(z, "cote1", "2 x", 0, 4, -1.5, -1.5, 0x0000FF, 1);
    point(z, "cote2", "x + 1", 1.5, 1, -2, 0.2, 0x0000FF, 1);
    pointCache(z, "G", 0x000000, 4, -4);
    cacherObjet(z, "G");
    segmentPointille(z, "E", "G", 0x000000);
    segmentPointille(z, "C", "G", 0x000000);
}

} // namespace

void poserChamps(TdonneesCommunes& d, const ExerciceCh01& e) {
    const QuestionChamps* q = questionPosee(d, e);
    if (q == nullptr) {
        return;
    }
    const int champs = nombreChampsQuestion(*q);
    preparerSaisie(d, e, static_cast<int>(questionsChamps(e.index).size()), champs);
    for (int k = 1; k <= champs; ++k) {
        const ChampAttendu& c = q->champs[k - 1];
        d.typeReponse[k] = c.typeReponse;
        if (c.attendue != nullptr) {
            d.reponseAttendue[k] = c.attendue;
            d.lettresPermises[k] = c.lettres != nullptr ? c.lettres : "";
        } else {
            d.valeurAttendue[k] = c.valeur;
        }
    }
    ecrireConsigne(d, e, *q);
    if (e.index == 57) {
        figureAires(d);
    }
}

void donnerSolutionChamps(TdonneesCommunes& d, const ExerciceCh01& e) {
    const QuestionChamps* q = questionPosee(d, e);
    if (q == nullptr) {
        return;
    }
    ecrireLignesSolution(d, q->solution);
}

void donnerReponseModeleChamps(TdonneesCommunes& d, const ExerciceCh01& e) {
    const QuestionChamps* q = questionPosee(d, e);
    if (q == nullptr) {
        return;
    }
    for (int k = 1; k <= std::min(nombreChampsQuestion(*q), 3); ++k) {
        const char* modele = q->champs[k - 1].modele;
        TchampSaisie* champ = champReponse(d, k);
        if (modele != nullptr && champ != nullptr) {
            champ->texte = modele;
        }
    }
}

} // namespace exo5ch01
