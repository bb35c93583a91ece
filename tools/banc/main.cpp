// calvane-banc : outil sans fenêtre pour les tests, les mesures et la vérification des
// mathématiques. Chaque sous-commande écrit un objet JSON et sort avec 0, ou écrit une
// erreur claire sur la sortie d'erreur et sort avec 2 pour de mauvais arguments.

#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"

#include "analysis/nombres/hasard.h"

#include <array>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::array sousCommandes{
    SousCommande{"analyser", commandeAnalyser, "analyser [--lettres L] TEXTE"},
    SousCommande{"rendre", &commandeRendre,
                 "rendre --texte BALISE [--taille 12] [--style 11] [--couleur #000000] --png "
                 "FICHIER\n"
                 "  rendre --figure exemple --png FICHIER\n"
                 "      triangle rectangle, milieu, cercle, angle droit et codages, 500 × 360\n"
                 "  rendre --division DIVIDENDE/DIVISEUR [--decimales 0] --png FICHIER\n"
                 "      division posée, 400 × 300 → {\"quotient\", \"restes\"}\n"
                 "  rendre --exemple tableau|tableur|barres|secteurs [--glisser X1,Y1,X2,Y2] "
                 "--png FICHIER\n"
                 "      un tableau ou un diagramme d'exemple dessiné dans une zone ; --glisser "
                 "appuie en\n"
                 "      (X1, Y1), déplace et relâche en (X2, Y2) avant le dessin\n"
                 "      → {\"exemple\", \"largeur\", \"hauteur\", \"valeurs\" (diagrammes)}"},
    SousCommande{"juger", &commandeJuger,
                 "juger --type K [--attendu TEXTE] [--valeur V] [--lettres L] [--points P]\n"
                 "        [--precision E] [--vide-permis] [--points-figure L] [--] RÉPONSE\n"
                 "  juger --lot FICHIER\n"
                 "      un objet JSON par ligne (\"type\", \"attendu\", \"valeur\", \"lettres\", "
                 "\"points\",\n"
                 "      \"precision\", \"vide_permis\", \"reponse\", \"points_figure\") → un "
                 "résultat par ligne"},
    SousCommande{"exercice", &commandeExercice,
                 "exercice INDEX [--graine S] [--question Q] [--reponse R]... [--cases N,N] "
                 "[--solution] [--png FICHIER]\n"
                 "      --png : l'énoncé (cases, figure, champs) et la solution dessinés en PNG"},
    SousCommande{"questions", &commandeQuestions,
                 "questions [--chapitre N] [--graines N]\n"
                 "      chaque question de chaque exercice, N graines : lignes de l'énoncé,\n"
                 "      champs (genre, attendu, valeur, lettres), cases, lignes de la solution"},
    SousCommande{"parcours", &commandeParcours,
                 "parcours [--graines N] [--chapitre N]\n"
                 "      chaque question de chaque exercice, N graines : la réponse modèle doit\n"
                 "      être exacte, une réponse fausse ne doit pas l'être ; dernière ligne\n"
                 "      « N passed, M failed », code 1 en cas d'échec"},
};

void afficherAide(std::ostream& sortie) {
    sortie << "Usage : calvane-banc SOUS-COMMANDE [options]\n\nSous-commandes :\n";
    for (const auto& c : sousCommandes) {
        sortie << "  " << c.usage << "\n";
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        afficherAide(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    // Tirages reproductibles : la graine par défaut des sous-commandes est 1.
    nombres::initialiserHasard(1);
    const std::string nom = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const auto& c : sousCommandes) {
        if (nom == c.nom) {
            try {
                return c.executer(arguments);
            } catch (const ErreurArguments& e) {
                std::cerr << "calvane-banc " << nom << " : " << e.what() << "\n";
                return 2;
            }
        }
    }
    std::cerr << "calvane-banc : sous-commande inconnue « " << nom << " »\n";
    afficherAide(std::cerr);
    return 2;
}
