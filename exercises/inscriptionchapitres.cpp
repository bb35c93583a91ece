#include "exercises/inscriptionchapitres.h"

#include "core/exercice/repartition.h"
#include "core/identifiants.h"
#include "exercises/ch01/exo5ch01.h"
#include "exercises/ch10/exo5ch10.h"
#include "exercises/commun/registre.h"

void inscrireChapitres() {
    effacerExercices();
    exo5ch01::inscrireExercices();
    exo5ch10::inscrireExercices();
    for (int code = premierCodeChapitre; code <= dernierCodeChapitre; ++code) {
        inscrireUniteChapitre(code, uniteDuRegistre());
    }
}
