#include "content/cours/tablepages.h"

#include "core/arbres/arbrecours.h"
#include "core/identifiants.h"

#include <cmath>

namespace {

struct TlienExercice {
    int page;
    int exercice;
};

// Le bouton « S'exercer » des pages des savoir-faire : le nœud des exercices de même sorte.
constexpr TlienExercice liensExercices[] = {
    {1006, 13},  {1007, 32},  {1008, 40},  {1016, 107}, {1017, 78},  {1018, 91},  {1019, 114},
    {1027, 141}, {1028, 165}, {1029, 157}, {1030, 160}, {1038, 192}, {1039, 193}, {1048, 218},
    {1049, 225}, {1050, 227}, {1051, 230}, {1058, 258}, {1059, 263}, {1060, 264}, {1061, 265},
    {1067, 293}, {1068, 300}, {1069, 304}, {1075, 335}, {1083, 383}, {1084, 386}, {1085, 384},
    {1086, 380}, {1092, 408}, {1093, 414}, {1094, 416}, {1103, 448}, {1123, 528}, {1124, 533},
    {1125, 539}, {1126, 546}, {1135, 587}, {1136, 595}, {1138, 596},
};

struct TzoneDePage {
    int page;
    TzoneChaude zone;
};

constexpr TzoneDePage zonesPages[] = {
    {1006, {208, 149, 63, 1002}},  {1007, {144, 145, 56, 1004}},  {1008, {214, 126, 54, 1004}},
    {1018, {211, 126, 124, 1014}}, {1027, {255, 89, 202, 1003}},  {1036, {536, 129, 104, 1034}},
    {1038, {220, 141, 66, 1036}},  {1039, {259, 134, 66, 1036}},  {1048, {264, 147, 93, 1042}},
    {1049, {170, 176, 91, 1042}},  {1050, {328, 164, 90, 1042}},  {1051, {237, 182, 36, 1089}},
    {1054, {174, 427, 90, 1042}},  {1058, {256, 147, 82, 1054}},  {1059, {269, 148, 207, 1055}},
    {1060, {346, 146, 61, 1055}},  {1060, {144, 162, 105, 1055}}, {1061, {264, 149, 81, 1054}},
    {1068, {269, 167, 80, 1054}},  {1111, {330, 69, 182, 1153}},  {1118, {179, 116, 40, 1108}},
    {1119, {181, 130, 41, 1108}},  {1124, {180, 196, 94, 1151}},  {1133, {394, 396, 33, 2880}},
    {1138, {170, 165, 97, 1147}},  {1151, {193, 117, 73, 2880}},
};

struct TboutonDePage {
    int page;
    TboutonPage bouton;
};

constexpr TboutonDePage boutonsPages[] = {
    {1079, {" Illustration du cosinus", 120, 370, 175, 1510}},
    {1079, {" Illustration du sinus", 120, 410, 159, 1511}},
    {1079, {" Illustration de la tangente", 120, 450, 199, 1512}},
    {1108, {" Illustration de la translation", 440, 440, 213, 1503}},
    {1111, {" Illustration de la symétrie centrale", 120, 250, 259, 1502}},
    {1111, {" Illustration de la translation", 120, 300, 213, 1503}},
    {1129, {" Illustration de la rotation", 120, 270, 191, 1504}},
    {1130, {" Illustration de la rotation", 120, 360, 191, 1504}},
    {1131, {" Illustration de la rotation", 120, 300, 191, 1504}},
    {1147, {" Illustration des médiatrices et du cercle circonscrit.", 120, 330, 378, 1506}},
    {1147, {" Illustration des médianes et du cercle inscrit", 120, 370, 333, 1508}},
    {1147, {" Illustration des hauteurs et de l'orthocentre", 120, 410, 326, 1507}},
    {1147, {" Illustration des bissectrices et du cercle inscrit", 120, 450, 350, 1509}},
    {1153, {" Illustration de la rotation", 120, 300, 191, 1504}},
    {1153, {" Illustration de la symétrie axiale", 120, 350, 241, 1501}},
    {1153, {" Illustration de la symétrie centrale", 120, 400, 259, 1502}},
};

struct TdecalagePage {
    std::string_view nom;
    int colonne;
    int ligne;
};

constexpr TdecalagePage decalages[] = {{"02S2", 4, 0}, {"05SF4", 0, 1}};

std::string nomDePage(int chapitre, bool savoirFaire, int rang) {
    std::string nom = std::to_string(chapitre);
    if (chapitre < 10) {
        nom.insert(nom.begin(), '0');
    }
    nom += savoirFaire ? "SF" : "S";
    nom += std::to_string(rang);
    return nom;
}

// Parcourt l'arbre des cours : chaque racine est un chapitre (le quinzième, le formulaire,
// porte ses pages directement) ; sous un chapitre, la première section est « Le cours », la
// seconde « Les savoir-faire ».
std::vector<TentreePage> construireTable() {
    std::vector<TentreePage> table;
    const TarbreContenu& arbre = arbreCours();
    int chapitre = 0;
    int section = 0;
    int rang = 0;
    for (const TnoeudArbre& noeud : arbre.noeuds) {
        if (noeud.niveau == 0) {
            ++chapitre;
            section = 0;
            rang = 0;
        } else if (arbre.aDesEnfants(noeud.index)) {
            ++section;
            rang = 0;
        } else {
            ++rang;
            TentreePage entree;
            entree.identifiant = arbre.identifiant(noeud.index);
            entree.nom = nomDePage(chapitre, section == 2, rang);
            entree.titre = std::string(noeud.libelle);
            for (const TlienExercice& l : liensExercices) {
                if (l.page == entree.identifiant) {
                    entree.exercice = l.exercice;
                }
            }
            for (const TdecalagePage& dec : decalages) {
                if (dec.nom == entree.nom) {
                    entree.decalageColonne = dec.colonne;
                    entree.decalageLigne = dec.ligne;
                }
            }
            for (const TzoneDePage& z : zonesPages) {
                if (z.page == entree.identifiant) {
                    entree.zones.push_back(z.zone);
                }
            }
            for (const TboutonDePage& b : boutonsPages) {
                if (b.page == entree.identifiant) {
                    entree.boutons.push_back(b.bouton);
                }
            }
            table.push_back(std::move(entree));
        }
    }
    return table;
}

} // namespace

const std::vector<TentreePage>& tablePages() {
    static const std::vector<TentreePage> table = construireTable();
    return table;
}

const TentreePage* entreePage(int id) {
    for (const TentreePage& entree : tablePages()) {
        if (entree.identifiant == id) {
            return &entree;
        }
    }
    return nullptr;
}

std::string fichierImagePage(std::string_view nom) {
    return "Z03" + std::string(nom) + ".jpg";
}

bool estPageSavoirFaire(std::string_view nom) {
    return nom.find("SF") != std::string_view::npos;
}

double colonnePage(std::string_view nom, int decalageColonne) {
    double c = decalageColonne;
    if (estPageSavoirFaire(nom)) {
        c -= 2;
    }
    if (nom.find("15S") != std::string_view::npos) {
        c += 3;
    }
    return c;
}

TorigineImage origineImagePage(const TentreePage& entree) {
    const double colonne = colonnePage(entree.nom, entree.decalageColonne) - 5 + margeCours;
    const double ligne = entree.decalageLigne + 0.5;
    return {static_cast<int>(std::lround(colonne * 8)), static_cast<int>(std::lround(ligne * 18))};
}
