#pragma once

// Vérification de la mise en page d'une question posée, à partir des rectangles que peignent
// les objets de ses zones : aucun texte sur la figure, un tableau, un diagramme ou un champ
// de réponse ; rien hors de sa zone ; deux lignes de texte qui ne se chevauchent pas ; un
// texte commencé dans un cadre qui s'y termine.

#include <nlohmann/json_fwd.hpp>

#include <string_view>

struct TdonneesCommunes;

// Les manquements de l'état présent de la zone de l'énoncé et de sa figure (`enonce`), ou de
// la zone de la solution, de sa figure et de la figure de l'énoncé après la réponse ; chacun nomme
// le moment donné, la zone, l'objet, son rectangle, la règle et le rectangle qu'il enfreint.
nlohmann::json verifierDisposition(TdonneesCommunes& d, std::string_view moment, bool enonce);
