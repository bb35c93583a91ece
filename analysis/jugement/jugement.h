#pragma once

// Le jugement d'un champ de réponse, sans état : ce qu'est le champ (genre, attendu, lettres,
// tolérance, réponse tapée…) entre, le verdict et les lignes d'explication sortent. Le genre
// de réponse choisit, dans une table, le correcteur des nombres, des noms de points, des
// expressions, des listes, des inégalités ou des encadrements ; un genre sans correcteur
// propre est jugé comme un nombre.

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jugement {

// Un champ à juger, avec les valeurs d'une question neuve.
struct TchampAJuger {
    TgenreReponse genre = TgenreReponse::nombre;
    std::string attendu;       // réponse attendue, dans la syntaxe des réponses
    double valeurAttendue = 0; // valeur attendue (nombres, sens vrai/faux, genre de formule)
    std::string lettres;       // lettres de l'expression, ou nom du point des coordonnées
    double precision = 1e-9;   // tolérance ; 0 vaut 1e-9
    bool videPermis = false;   // une réponse vide a un sens (attendu vide : exacte)
    std::string lettresPoints; // noms des points de la figure
    std::string reponse;       // texte tapé, normalisé (normaliserReponse)
    int numero = 1;            // rang du champ (1 à 3), pour « La réponse a, b, c »
    int nombreChamps = 1;      // nombre de champs de la question
};

// Ce que le jugement rend.
struct TjugementChamp {
    Tverdict verdict = Tverdict::illisible;
    // Lignes à écrire sous le verdict, dans l'ordre.
    std::vector<std::string> messages;
    // Le nombre lu dans la réponse, quand un correcteur de nombres l'a lu.
    std::optional<double> valeurLue;
    // Le refus (verdict 6 ou 9) s'accompagne de l'image « incorrecte » et du bip, sauf
    // quand c'est l'attendu du professeur qui est illisible.
    bool refus = false;
};

// Une réponse tapée telle qu'elle se juge : au plus 120 caractères, sans espaces autour.
inline constexpr std::size_t longueurReponse = 120;
std::string normaliserReponse(std::string_view tapee);

// Juge le champ : une réponse vide permise est exacte si l'attendu est vide aussi, fausse
// si un seul des deux l'est ; sinon le correcteur du genre décide.
TjugementChamp jugerChamp(const TchampAJuger& champ);

} // namespace jugement
