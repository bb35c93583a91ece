#include "core/arbres/arbrealphabetique.h"
#include "core/arbres/arbrecours.h"
#include "core/arbres/arbreexercices.h"
#include "core/arbres/arbreimagiciels.h"
#include "core/arbres/arbretheme.h"
#include "core/identifiants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CasArbre {
    const char* nom;
    const TarbreContenu& (*arbre)();
    int nombreNoeuds;
    int base;
    int nombreRacines;
    int nombreFeuilles; // -1 : non vérifié
};

class ArbreDeContenu : public testing::TestWithParam<CasArbre> {};

// Chaque arbre a son nombre de nœuds, ses indices absolus dans l'ordre de la table, et une
// structure préfixe cohérente : le parent d'un nœud est le dernier nœud rencontré un niveau
// plus haut.
TEST_P(ArbreDeContenu, StructurePrefixeEtIdentifiants) {
    const CasArbre& cas = GetParam();
    const TarbreContenu& arbre = cas.arbre();
    ASSERT_EQ(arbre.nombreNoeuds(), cas.nombreNoeuds);
    EXPECT_EQ(arbre.base, cas.base);

    std::vector<int> chemin;
    int racines = 0;
    int feuilles = 0;
    for (int i = 0; i < arbre.nombreNoeuds(); ++i) {
        const TnoeudArbre& n = arbre.noeuds[static_cast<std::size_t>(i)];
        EXPECT_EQ(n.index, i);
        EXPECT_FALSE(n.libelle.empty()) << i;
        ASSERT_GE(n.niveau, 0);
        ASSERT_LE(n.niveau, static_cast<int>(chemin.size())) << "saut de niveau au nœud " << i;
        chemin.resize(static_cast<std::size_t>(n.niveau));
        EXPECT_EQ(n.parent, chemin.empty() ? -1 : chemin.back()) << i;
        chemin.push_back(i);
        racines += n.niveau == 0 ? 1 : 0;
        feuilles += arbre.aDesEnfants(i) ? 0 : 1;
        EXPECT_EQ(arbre.identifiant(i), cas.base + i);
        EXPECT_EQ(arbre.indexDIdentifiant(cas.base + i), i);
    }
    EXPECT_EQ(racines, cas.nombreRacines);
    if (cas.nombreFeuilles >= 0) {
        EXPECT_EQ(feuilles, cas.nombreFeuilles);
    }
    EXPECT_EQ(arbre.identifiant(cas.nombreNoeuds), 0);
    EXPECT_EQ(arbre.indexDIdentifiant(cas.base - 1), -1);
    EXPECT_EQ(arbre.indexDIdentifiant(cas.base + cas.nombreNoeuds), -1);
}

INSTANTIATE_TEST_SUITE_P(Arbres, ArbreDeContenu,
                         testing::Values(CasArbre{"exercices", arbreExercices, 605, 0, 14, 460},
                                         CasArbre{"cours", arbreCours, 156, 1000, 15, 113},
                                         CasArbre{"imagiciels", arbreImagiciels, 25, 1500, 4, 21},
                                         CasArbre{"theme", arbreTheme, 145, 2000, 3, -1},
                                         CasArbre{"alphabetique", arbreAlphabetique, 375, 2500, 19,
                                                  -1}),
                         [](const auto& info) { return std::string(info.param.nom); });

struct CasLibelle {
    const TarbreContenu& (*arbre)();
    int index;
    const char* libelle;
};

class LibelleDeNoeud : public testing::TestWithParam<CasLibelle> {};

TEST_P(LibelleDeNoeud, Exact) {
    const CasLibelle& cas = GetParam();
    const TarbreContenu& arbre = cas.arbre();
    ASSERT_TRUE(arbre.contient(cas.index));
    EXPECT_EQ(arbre.noeuds[static_cast<std::size_t>(cas.index)].libelle, cas.libelle);
}

// Un échantillon par chapitre et par arbre, avec les libellés délicats (guillemets
// intérieurs, apostrophes doublées, fautes d'origine conservées).
INSTANTIATE_TEST_SUITE_P(
    Exercices, LibelleDeNoeud,
    testing::Values(
        CasLibelle{arbreExercices, 0, "1. Calcul littéral - Identités remarquables"},
        CasLibelle{arbreExercices, 39, "Le \"coup du 1\""},
        CasLibelle{arbreExercices, 48, "Le \"coup du - 1\""},
        CasLibelle{arbreExercices, 62, "Exercice 3"},
        CasLibelle{arbreExercices, 63, "2. Équations et inéquations, résolution de problèmes"},
        CasLibelle{arbreExercices, 113, "Devinette"},
        CasLibelle{arbreExercices, 123, "3. Racines carrées"},
        CasLibelle{arbreExercices, 157, "\"Sortir\" un carré parfait du radical"},
        CasLibelle{arbreExercices, 172, "4. Nombres entiers et rationnels"},
        CasLibelle{arbreExercices, 192, "Avec le PGCD (algorithme d'Euclide)"},
        CasLibelle{arbreExercices, 225,
                   "Lire sur la représentation graphique d''une fonction linéaire"},
        CasLibelle{arbreExercices, 242, "6. Fonctions affines"},
        CasLibelle{arbreExercices, 263, "sans la fonction linéaire associée"},
        CasLibelle{arbreExercices, 299, "Résolution 6"},
        CasLibelle{arbreExercices, 320, "Avec d'un tableau d'effectifs"},
        CasLibelle{arbreExercices, 346, "Vitesses"},
        CasLibelle{arbreExercices, 347, "9. Trigonométrie"},
        CasLibelle{arbreExercices, 387, "Calcul de base non précisé"},
        CasLibelle{arbreExercices, 415, "Q. C. M."},
        CasLibelle{arbreExercices, 451, "Section d'un pavé droit, d'un cylindre par une plan"},
        CasLibelle{arbreExercices, 502, "Somme de trois vecteurs"},
        CasLibelle{arbreExercices, 520, "13. Coordonnées et distances"},
        CasLibelle{arbreExercices, 552, "Exercice 2"},
        CasLibelle{arbreExercices, 553, "14. Rotations. Angles. Polygones réguliers"},
        CasLibelle{arbreExercices, 604, "Images de 2004"}));

INSTANTIATE_TEST_SUITE_P(
    Cours, LibelleDeNoeud,
    testing::Values(
        CasLibelle{arbreCours, 1, "Le cours"},
        CasLibelle{arbreCours, 2, "Développement (étudié en 4e)"},
        CasLibelle{arbreCours, 5, "Les savoir-faire"},
        CasLibelle{arbreCours, 19, "Mettre un problème en inéquation et le résoudre"},
        CasLibelle{arbreCours, 29, "Reconnaître et utiliser une écriture de la forme racine(a²b)"},
        CasLibelle{arbreCours, 39, "Rendre irréductible une fraction : calculatrice"},
        CasLibelle{arbreCours, 44, "Interprétation du coefficient a d'une fonction linéaire"},
        CasLibelle{arbreCours, 61,
                   "Déterminer une fonction affine à partir de la donnée de deux "
                   "nombres et de leurs images"},
        CasLibelle{arbreCours, 67, "Résoudre un système avec la méthode par substitution"},
        CasLibelle{arbreCours, 75, "Déterminer la médiane et la moyenne d'une série"},
        CasLibelle{arbreCours, 83,
                   "Calculer un côté connaissant l'angle opposé à ce côté et l'hypoténuse"},
        CasLibelle{arbreCours, 90, "La \"réciproque\" du théorème de Thalès"},
        CasLibelle{arbreCours, 104, "Calculer le rayon de la section d'un cône par un plan"},
        CasLibelle{arbreCours, 108, "Vecteurs et égalité vectorielle"},
        CasLibelle{arbreCours, 121, "Distance de deux points dans un repère orthonormé"},
        CasLibelle{arbreCours, 138,
                   "Calculer le côté d'un polygone régulier connaissant le rayon du "
                   "cercle circonscrit"},
        CasLibelle{arbreCours, 139, "Formulaire"},
        CasLibelle{arbreCours, 155, "Volumes et aires latérales"}));

INSTANTIATE_TEST_SUITE_P(
    Imagiciels, LibelleDeNoeud,
    testing::Values(CasLibelle{arbreImagiciels, 0, "Illustrations des transformations"},
                    CasLibelle{arbreImagiciels, 4, "Rotation"},
                    CasLibelle{arbreImagiciels, 5, "Autres illustrations"},
                    CasLibelle{arbreImagiciels, 13, "Du patron au cône"},
                    CasLibelle{arbreImagiciels, 14, "Constructions"},
                    CasLibelle{arbreImagiciels, 18, "Médiatrices et cercle circonscrit"},
                    CasLibelle{arbreImagiciels, 19, "Constructions au compas"},
                    CasLibelle{arbreImagiciels, 24, "Bissectrice avec un losange"}));

INSTANTIATE_TEST_SUITE_P(
    Index, LibelleDeNoeud,
    testing::Values(CasLibelle{arbreTheme, 0, "Numérique"},
                    CasLibelle{arbreTheme, 4, "Recherche du PGCD: l'algorithme d'Euclide"},
                    CasLibelle{arbreTheme, 33, "Produits \"en croix\" (info)"},
                    CasLibelle{arbreTheme, 76, "Bissectrice"},
                    CasLibelle{arbreTheme, 102, "Perpendiculaire et symétrique (axial)"},
                    CasLibelle{arbreTheme, 144, "Volume et aire latérale"},
                    CasLibelle{arbreAlphabetique, 0, "---------- A ----------"},
                    CasLibelle{arbreAlphabetique, 95, "Développer k (a + b)  ou  (a + b) (c + d)"},
                    CasLibelle{arbreAlphabetique, 148, "Théorême de Pythagore"},
                    CasLibelle{arbreAlphabetique, 217, "La \"réciproque\" du théorème de Thalès"},
                    CasLibelle{arbreAlphabetique, 365, "---------- V ----------"},
                    CasLibelle{arbreAlphabetique, 374, "Formulaire"}));

// Les feuilles de chaque chapitre de l'arbre des exercices, et le chapitre que donnent les
// seuils d'indice pour chaque nœud : celui de sa racine.
TEST(ArbreExercices, FeuillesEtChapitreDeChaqueNoeud) {
    const TarbreContenu& arbre = arbreExercices();
    const int feuillesAttendues[] = {48, 47, 40, 18, 36, 23, 28, 25, 43, 22, 31, 35, 25, 39};
    int feuilles[14] = {};
    std::vector<int> racines;
    for (int i = 0; i < arbre.nombreNoeuds(); ++i) {
        if (arbre.noeuds[static_cast<std::size_t>(i)].niveau == 0) {
            racines.push_back(i);
        }
        const int rang = static_cast<int>(racines.size()) - 1;
        EXPECT_EQ(chapitreDExercice(i), premierCodeChapitre + rang) << i;
        EXPECT_EQ(arbre.racine(i), racines.back());
        if (!arbre.aDesEnfants(i)) {
            ++feuilles[rang];
        }
    }
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(feuilles[c], feuillesAttendues[c]) << "chapitre " << c + 1;
    }
}

// Dans l'arbre des cours, chaque chapitre a une section « Le cours » puis une section « Les
// savoir-faire » ; les seuils de chapitreDePage et les premières et dernières pages
// s'accordent avec la position des nœuds.
TEST(ArbreCours, SectionsEtPagesDeChaqueChapitre) {
    const TarbreContenu& arbre = arbreCours();
    struct Chapitre {
        int racine;
        int cours;
        int savoirFaire;
    };
    const Chapitre chapitres[] = {{0, 3, 3},  {9, 4, 4},   {20, 4, 4},  {31, 4, 2}, {40, 5, 4},
                                  {52, 3, 4}, {62, 2, 3},  {70, 2, 1},  {76, 4, 4}, {87, 2, 3},
                                  {95, 5, 3}, {106, 4, 3}, {116, 4, 4}, {127, 5, 4}};
    for (int c = 0; c < 14; ++c) {
        const Chapitre& ch = chapitres[c];
        const int code = premierCodeChapitre + c;
        const auto libelle = [&](int i) {
            return arbre.noeuds[static_cast<std::size_t>(i)].libelle;
        };
        EXPECT_EQ(libelle(ch.racine + 1), "Le cours") << code;
        const int sf = ch.racine + 2 + ch.cours;
        EXPECT_EQ(libelle(sf), "Les savoir-faire") << code;
        const int derniere = sf + ch.savoirFaire;
        EXPECT_EQ(premierePageChapitre(code), 1000 + ch.racine + 2) << code;
        EXPECT_EQ(dernierePageChapitre(code), 1000 + derniere) << code;
        for (int i = ch.racine; i <= derniere; ++i) {
            EXPECT_EQ(chapitreDePage(1000 + i), code) << i;
            EXPECT_EQ(arbre.racine(i), ch.racine);
        }
    }
    for (int i = 139; i < arbre.nombreNoeuds(); ++i) {
        EXPECT_EQ(chapitreDePage(1000 + i), codeFormulaire);
    }
    EXPECT_EQ(premierePageChapitre(codeFormulaire), 1140);
    EXPECT_EQ(dernierePageChapitre(codeFormulaire), 1155);
}

} // namespace
