#pragma once

// Lecture d'une durée tapée par l'élève, « 1 h 2 min 3 s », « 2 min », « 3 h 55 min » ou
// « 45,5 s » : des heures entières, des minutes entières de 0 à 59 et des secondes
// décimales de moins de 60, chaque partie facultative mais dans cet ordre.

#include <string_view>

namespace jugement {

struct LectureDuree {
    bool lisible = false;
    double secondes = 0;
};

// Le texte est lu en capitales et sans blancs ; un reste non lu, une partie mal écrite ou
// un texte sans aucune des unités h, min, s le rendent illisible.
LectureDuree lireDuree(std::string_view texte);

} // namespace jugement
