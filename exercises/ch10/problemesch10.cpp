#include "exercises/ch10/problemesch10.h"

#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/ecriturenombre.h"
#include "analysis/nombres/hasard.h"
#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/ch10/outilsch10.h"
#include "exercises/ch10/thalesch10.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace exo5ch10 {

namespace {

constexpr Tcouleur noir = 0x000000;
constexpr Tcouleur bleu = 0x0000FF;

// Titre et barème de chaque problème à données fixes, et sa figure éventuelle.
struct ProblemeFixe {
    int index;
    const char* titre;
    int bareme;
    void (*figure)(TdonneesCommunes&);
};

// 421 : trapèze ABCD de diagonales perpendiculaires en O (OA = 20, OB = 15, OC = 36,
// OD = 27), au septième, centré dans la vue pour que les noms des sommets y tiennent.
void figureTrapeze(TdonneesCommunes& d) {
    if (!d.zoneFigure) {
        return;
    }
    placerFigureEnonceCarree(d);
    TzoneAffichage& z = *d.zoneFigure;
    constexpr double echelle = 7;
    constexpr double dx = -8 / echelle;
    constexpr double dy = 6 / echelle;
    pointEtiquete(z, "O", noir, dx, dy, 0.3, 0.1);
    pointEtiquete(z, "A", noir, dx - 20 / echelle, dy, -1.6, -0.5);
    pointEtiquete(z, "B", noir, dx, dy + 15 / echelle, -0.5, -1.4);
    pointEtiquete(z, "C", noir, dx + 36 / echelle, dy, 0.6, -0.5);
    pointEtiquete(z, "D", noir, dx, dy - 27 / echelle, -0.5, 0.3);
    for (const char* nom : {"O", "A", "B", "C", "D"}) {
        rendreFixe(z, nom);
    }
    segment(z, "A", "B", noir, 1, 1);
    segment(z, "B", "C", noir, 1, 1);
    segment(z, "C", "D", noir, 1, 1);
    segment(z, "D", "A", noir, 1, 1);
    segment(z, "A", "C", bleu, 1, 1);
    segment(z, "B", "D", bleu, 1, 1);
    angleDroit(z, "droit", "O", "C", "B", 0.35, noir, 0);
}

// 426 : (AC) et (BD) sécantes en O, OA = 4 OC.
void figureDeuxSecantes(TdonneesCommunes& d) {
    figureThales(d, "OABCD", -4);
}

// 427 : AM = $F1;3; AB.
void figureDoubleInconnue(TdonneesCommunes& d) {
    figureThales(d, "AMNBC", 1.0 / 3);
}

constexpr ProblemeFixe problemes[] = {
    {421, "Problème - Pythagore, aire et périmètre", 8, &figureTrapeze},
    {422, "Problème - Réciproques", 6, nullptr},
    {425, "Problème - Avec un parallélogramme", 3, nullptr},
    {426, "Problème - Avec deux sécantes", 3, &figureDeuxSecantes},
    {427, "Problème - Avec une double inconnue", 5, &figureDoubleInconnue},
};

const ProblemeFixe* problemeFixe(int index) {
    for (const ProblemeFixe& p : problemes) {
        if (p.index == index) {
            return &p;
        }
    }
    return nullptr;
}

void poserProbleme(TdonneesCommunes& d) {
    const ProblemeFixe* fixe = problemeFixe(d.numeroExercice);
    const auto table = probleme(d.numeroExercice);
    if (fixe == nullptr || table.empty()) {
        return;
    }
    const Probleme& p = questionCourante(d, table);
    int champs = 0;
    while (champs < 3 && p.champs[champs].typeReponse != TgenreReponse::aucun) {
        ++champs;
    }
    commencerEnonce(d, fixe->titre, static_cast<int>(table.size()), fixe->bareme);
    preparerChamps(d, champs);
    d.premierFauxSeulement = champs > 1;
    double derniere = 2;
    for (const LigneTexte& l : p.enonce) {
        derniere = l.texte != nullptr ? l.ligne : derniere;
    }
    encadrerJusqua(d, derniere, 52);
    ecrireLignesEnonce(d, p.enonce);
    for (int k = 1; k <= champs; ++k) {
        const ChampProbleme& c = p.champs[k - 1];
        d.typeReponse[k] = c.typeReponse;
        if (c.attendue != nullptr) {
            d.reponseAttendue[k] = c.attendue;
            d.valeurAttendue[k] = c.valeur;
        } else {
            attendreNombre(d, k, c.valeur);
        }
    }
    if (fixe->figure != nullptr) {
        fixe->figure(d);
    }
}

void solutionProbleme(TdonneesCommunes& d) {
    const auto table = probleme(d.numeroExercice);
    if (!table.empty()) {
        ecrireLignesSolution(d, questionCourante(d, table).solution);
    }
}

// 423 : r et q tirés, r < q premiers entre eux ; BM/BA = e/s.
struct Rapports {
    std::int64_t r, q, d, s, e;
};

Rapports rapports(std::int64_t r, std::int64_t q) {
    const std::int64_t g = nombres::pgcd(q - r, 2 * q);
    const std::int64_t dd = (q - r) / g;
    const std::int64_t s = 2 * q / g;
    return {r, q, dd, s, s - dd};
}

Rapports rapportsZone(const TdonneesCommunes& d) {
    if (!d.zoneFigure || d.zoneFigure->entiers[2] <= d.zoneFigure->entiers[1] ||
        d.zoneFigure->entiers[1] < 1) {
        return rapports(1, 3);
    }
    return rapports(d.zoneFigure->entiers[1], d.zoneFigure->entiers[2]);
}

std::string fraction(std::int64_t a, std::int64_t b) {
    return nombres::texteFraction(a, b, true);
}

void poserRapports(TdonneesCommunes& d) {
    std::int64_t r = 0, q = 0;
    do {
        r = 1 + nombres::hasardEntier(6);
        q = 3 + nombres::hasardEntier(10);
    } while (r >= q || nombres::pgcd(r, q) != 1);
    const Rapports x = rapports(r, q);
    commencerEnonce(d, "Problème - Rapports", 1, 8);
    preparerChamps(d, 3);
    d.premierFauxSeulement = true;
    // La première phrase, trop longue pour passer à gauche de la figure, tient sur deux
    // lignes ; les suivantes descendent d'autant.
    encadrerJusqua(d, 7, 52);
    ajouterLigneEnonce(d, "Dans le triangle ABC, I est le milieu de [BC].", 2);
    ajouterLigneEnonce(d, "N appartient à [IC]. M appartient à [BA]. (MN)//(AC).", 3);
    ajouterLigneEnonce(d, "On donne :  $FBM;BA; = " + fraction(x.e, x.s), 4.3);
    ajouterLigneEnonce(d, "Calculer les valeurs exactes des rapports :", 5.5);
    ajouterLigneEnonce(d, "a. $FCN;CB;        b. $FCN;CI;        c. $FIN;IC;", 7);
    ajouterRemarqueHasard(d, 8.5);
    attendreNombre(d, 1, static_cast<double>(x.d) / static_cast<double>(x.s));
    attendreNombre(d, 2, static_cast<double>(q - r) / static_cast<double>(q));
    attendreNombre(d, 3, static_cast<double>(r) / static_cast<double>(q));
    if (!d.zoneFigure) {
        return;
    }
    placerFigureEnonceCarree(d);
    TzoneAffichage& z = *d.zoneFigure;
    z.entiers[1] = static_cast<int>(r);
    z.entiers[2] = static_cast<int>(q);
    const double t = static_cast<double>(x.e) / static_cast<double>(x.s);
    pointEtiquete(z, "A", noir, 1, 3.5, -0.5, -1.4);
    pointEtiquete(z, "B", noir, -3.5, -3.5, -1.5, -0.2);
    pointEtiquete(z, "C", noir, 3.5, -3.5, 0.5, -0.2);
    for (const char* nom : {"A", "B", "C"}) {
        rendreFixe(z, nom);
    }
    const int triangle = polygone(z, "ABC", "A B C", 0xFFFFC0);
    if (triangle != 0) {
        changerRemplissage(z, "ABC", 1);
    }
    segment(z, "A", "B", noir, 1, 1);
    segment(z, "B", "C", noir, 1, 1);
    segment(z, "C", "A", noir, 1, 1);
    milieu(z, "I", "B", "C", -0.5, 0.2, noir);
    pointSurDroite(z, "M", "B", "A", t, -1.6, -0.7, noir);
    pointSurDroite(z, "N", "B", "C", t, -0.5, 0.2, noir);
    segment(z, "M", "N", bleu, 1, 1);
}

void solutionRapports(TdonneesCommunes& d) {
    const Rapports x = rapportsZone(d);
    ajouterLigneSolution(d,
                         "(MN)//(AC), M sur [BA], N sur [BC] : d'après le théorème de Thalès  "
                         "$FBN;BC; = $FBM;BA; = " +
                             fraction(x.e, x.s),
                         2.5);
    ajouterLigneSolution(d, "a. $FCN;CB; = 1 -" + fraction(x.e, x.s) + " = " + fraction(x.d, x.s),
                         4.2);
    ajouterLigneSolution(d,
                         "b. CI = $F1;2;*CB  donc  $FCN;CI; = 2 * " + fraction(x.d, x.s) + " = " +
                             fraction(x.q - x.r, x.q),
                         5.9);
    ajouterLigneSolution(d,
                         "c. IN = CI -CN  donc  $FIN;IC; = 1 -" + fraction(x.q - x.r, x.q) + " = " +
                             fraction(x.r, x.q),
                         7.6);
}

constexpr Texercice exercices[] = {
    {.index = 421, .poserEnonce = &poserProbleme, .donnerSolution = &solutionProbleme},
    {.index = 422, .poserEnonce = &poserProbleme, .donnerSolution = &solutionProbleme},
    {.index = 423, .poserEnonce = &poserRapports, .donnerSolution = &solutionRapports},
    {.index = 425, .poserEnonce = &poserProbleme, .donnerSolution = &solutionProbleme},
    {.index = 426, .poserEnonce = &poserProbleme, .donnerSolution = &solutionProbleme},
    {.index = 427, .poserEnonce = &poserProbleme, .donnerSolution = &solutionProbleme},
};

} // namespace

std::span<const Texercice> exercicesProblemes() {
    return exercices;
}

} // namespace exo5ch10
