#pragma once

// Le bilan des exercices : les compteurs et le pourcentage de réussite que la fenêtre
// d'information affiche pour l'entrée « Bilan ». Ce module en donne les textes et leurs
// places ; la fenêtre d'information les dessine.

#include <string>
#include <vector>

struct TdonneesCommunes;

struct TligneBilan {
    double colonne;
    double ligne;
    std::string texte;
};

// La ligne de la barre de score : 24 espaces, « Score : », puis les points de la série
// et les points possibles (« 3 / 4 ») quand une question de la série est finie.
std::string ligneScore();
std::string ligneScore(int serie, int possibles);

// 100 × obtenus / possibles arrondi à l'entier le plus proche, les moitiés vers l'entier
// pair ; 0 quand rien n'est possible.
int pourcentageReussite(int obtenus, int possibles);

// Le titre puis les lignes du bilan ; la ligne du pourcentage n'existe que si des points
// étaient possibles.
std::vector<TligneBilan> lignesBilan(const TdonneesCommunes& d);
