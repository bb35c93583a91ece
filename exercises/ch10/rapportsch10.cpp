#include "exercises/ch10/rapportsch10.h"

#include "analysis/nombres/ecriturenombre.h"
#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "display/figures/figures.h"
#include "display/tableaux/objettableau.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/ch10/outilsch10.h"

#include <string>

namespace exo5ch10 {

namespace {

// 401 et 403 : une équation, un champ.
void poserEquation(TdonneesCommunes& d) {
    const auto table = equationsRapports(d.numeroExercice);
    const EquationRapports& q = questionCourante(d, table);
    const bool deuxFois = d.numeroExercice == 403;
    commencerEnonce(d,
                    deuxFois ? "Équations avec l'inconnue présente deux fois"
                             : "Équation avec deux rapports égaux",
                    static_cast<int>(table.size()), deuxFois ? 1 : 2);
    preparerChamps(d, 1);
    if (deuxFois) {
        encadrerJusqua(d, 3.5, 44);
        ajouterLigneEnonce(d, "Trouver le nombre inconnu x sachant que :", 2);
        ajouterLigneEnonce(d, q.enonce, 3.5);
    } else {
        encadrerJusqua(d, 2, 44);
        ajouterLigneEnonce(d, std::string("Calculer le nombre x tel que : ") + q.enonce, 2);
    }
    attendreNombre(d, 1, q.valeur);
}

void solutionEquation(TdonneesCommunes& d) {
    ecrireLignesSolution(d, questionCourante(d, equationsRapports(d.numeroExercice)).solution);
}

// 402 : x et y.
void poserTroisRapports(TdonneesCommunes& d) {
    const auto table = troisRapports();
    const TroisRapports& q = questionCourante(d, table);
    commencerEnonce(d, "Équations avec trois rapports égaux", static_cast<int>(table.size()), 2);
    preparerChamps(d, 2);
    encadrerJusqua(d, 3.5, 44);
    ajouterLigneEnonce(d, std::string("Calculer x et y sachant que :   ") + q.egalites, 2);
    ajouterLigneEnonce(d, "a. Donner x.     b. Donner y.", 3.5);
    attendreNombre(d, 1, q.x);
    attendreNombre(d, 2, q.y);
}

void solutionTroisRapports(TdonneesCommunes& d) {
    ecrireLignesSolution(d, questionCourante(d, troisRapports()).solution);
}

int nombreACompleter(const RapportsAlignes& q) {
    int n = 0;
    for (const char* t : q.aCompleter) {
        n += t != nullptr ? 1 : 0;
    }
    return n;
}

// 404 : B sur [AC], un à trois rapports à compléter ; la figure montre le segment.
void poserRapportsAlignes(TdonneesCommunes& d) {
    const auto table = rapportsAlignes();
    const RapportsAlignes& q = questionCourante(d, table);
    const int n = nombreACompleter(q);
    commencerEnonce(d, "Évaluer des rapports à partir de trois points alignés",
                    static_cast<int>(table.size()), q.bareme);
    preparerChamps(d, n, true);
    encadrerJusqua(d, 3.5 + n, 44);
    ajouterLigneEnonce(d, q.donnee, 2);
    ajouterLigneEnonce(d, "Compléter :", 3.5);
    for (int k = 1; k <= n; ++k) {
        ajouterLigneEnonce(d, q.aCompleter[k - 1], 3.5 + k);
        attendreNombre(d, k, q.valeurs[k - 1]);
    }
    if (d.zoneFigure) {
        placerFigureEnonce(d, 300, 60);
        TzoneAffichage& z = *d.zoneFigure;
        z.echelle = 25;
        pointEtiquete(z, "A", 0x000000, -5, 0, -0.5, -1.4);
        pointEtiquete(z, "C", 0x000000, 5, 0, -0.5, -1.4);
        pointEtiquete(z, "B", 0x0000FF, -5 + 10 * q.positionB, 0, -0.5, -1.4);
        segment(z, "A", "C", 0x000000, 1, 1);
    }
}

void solutionRapportsAlignes(TdonneesCommunes& d) {
    ecrireLignesSolution(d, questionCourante(d, rapportsAlignes()).solution);
}

std::string ligneTableau(const double (&valeurs)[3]) {
    std::string texte;
    for (double v : valeurs) {
        if (!texte.empty()) {
            texte += '\\';
        }
        texte += nombres::texteReelVirgule(v);
    }
    return texte;
}

// 405 : tableau de deux lignes, cases « Oui » et « Non ».
void poserProportionnalite(TdonneesCommunes& d) {
    const auto table = tableauxProportionnalite();
    const TableauProportionnalite& q = questionCourante(d, table);
    commencerEnonce(d, "Contrôler la proportionnalité", static_cast<int>(table.size()), 1);
    encadrerJusqua(d, 2, 52);
    ajouterLigneEnonce(d, "Ce tableau est$-il un tableau de proportionnalité ?", 2);
    if (d.zoneEnonce) {
        tableauRegulier(*d.zoneEnonce, "tableau", 2, 2, 4, 3, 8, 1.5);
        remplirTableau(*d.zoneEnonce, "tableau",
                       ligneTableau(q.ligneHaut) + "\\" + ligneTableau(q.ligneBas));
    }
    d.modeReponse = modeReponseCases;
    d.choixUnique = true;
    disposerCases(d, 1, 2, 240, 30);
    ajouterCase(d, 1, "Oui", 1.5);
    ajouterCase(d, 2, "Non", 1.5);
    d.caseJuste = q.proportionnel ? 1 : 2;
    d.casesJustes.reset();
    d.casesJustes.set(d.caseJuste);
    d.nombreCases = 2;
}

void solutionProportionnalite(TdonneesCommunes& d) {
    ecrireLignesSolution(d, questionCourante(d, tableauxProportionnalite()).solution);
}

constexpr Texercice exercices[] = {
    {.index = 401, .poserEnonce = &poserEquation, .donnerSolution = &solutionEquation},
    {.index = 402, .poserEnonce = &poserTroisRapports, .donnerSolution = &solutionTroisRapports},
    {.index = 403, .poserEnonce = &poserEquation, .donnerSolution = &solutionEquation},
    {.index = 404,
     .poserEnonce = &poserRapportsAlignes,
     .donnerSolution = &solutionRapportsAlignes},
    {.index = 405,
     .poserEnonce = &poserProportionnalite,
     .donnerSolution = &solutionProportionnalite},
};

} // namespace

std::span<const Texercice> exercicesRapports() {
    return exercices;
}

} // namespace exo5ch10
