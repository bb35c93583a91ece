#include "exercises/inscriptionchapitres.h"

#include "core/exercice/repartition.h"
#include "exercises/ch01/exo5ch01.h"
#include "exercises/ch10/exo5ch10.h"
#include "exercises/exo5ch02.h"
#include "exercises/exo5ch03.h"
#include "exercises/exo5ch04.h"
#include "exercises/exo5ch05.h"
#include "exercises/exo5ch06.h"
#include "exercises/exo5ch07.h"
#include "exercises/exo5ch08.h"
#include "exercises/exo5ch09.h"
#include "exercises/exo5ch11.h"
#include "exercises/exo5ch12.h"
#include "exercises/exo5ch13.h"
#include "exercises/exo5ch14.h"

void inscrireChapitres() {
    // Le code de chapitre vaut le numéro du chapitre + 1.
    inscrireUniteChapitre(2, {.poserEnonce = &exo5ch01::poserEnonce,
                              .jugerReponse = &exo5ch01::jugerReponse,
                              .donnerSolution = &exo5ch01::donnerSolution,
                              .donnerReponseModele = &exo5ch01::donnerReponseModele});
    inscrireUniteChapitre(
        3, {&exo5ch02::poserEnonce, &exo5ch02::jugerReponse, &exo5ch02::donnerSolution, nullptr});
    inscrireUniteChapitre(
        4, {&exo5ch03::poserEnonce, &exo5ch03::jugerReponse, &exo5ch03::donnerSolution, nullptr});
    inscrireUniteChapitre(
        5, {&exo5ch04::poserEnonce, &exo5ch04::jugerReponse, &exo5ch04::donnerSolution, nullptr});
    inscrireUniteChapitre(
        6, {&exo5ch05::poserEnonce, &exo5ch05::jugerReponse, &exo5ch05::donnerSolution, nullptr});
    inscrireUniteChapitre(
        7, {&exo5ch06::poserEnonce, &exo5ch06::jugerReponse, &exo5ch06::donnerSolution, nullptr});
    inscrireUniteChapitre(
        8, {&exo5ch07::poserEnonce, &exo5ch07::jugerReponse, &exo5ch07::donnerSolution, nullptr});
    inscrireUniteChapitre(
        9, {&exo5ch08::poserEnonce, &exo5ch08::jugerReponse, &exo5ch08::donnerSolution, nullptr});
    inscrireUniteChapitre(
        10, {&exo5ch09::poserEnonce, &exo5ch09::jugerReponse, &exo5ch09::donnerSolution, nullptr});
    inscrireUniteChapitre(11, {&exo5ch10::poserEnonce, &exo5ch10::jugerReponse,
                               &exo5ch10::donnerSolution, nullptr, &exo5ch10::donnerReponseModele,
                               &exo5ch10::donnerReponseFausse});
    inscrireUniteChapitre(
        12, {&exo5ch11::poserEnonce, &exo5ch11::jugerReponse, &exo5ch11::donnerSolution, nullptr});
    inscrireUniteChapitre(13, {&exo5ch12::poserEnonce, &exo5ch12::jugerReponse,
                               &exo5ch12::donnerSolution, &exo5ch12::reprendreEnonce});
    inscrireUniteChapitre(
        14, {&exo5ch13::poserEnonce, &exo5ch13::jugerReponse, &exo5ch13::donnerSolution, nullptr});
    inscrireUniteChapitre(15, {&exo5ch14::poserEnonce, &exo5ch14::jugerReponse,
                               &exo5ch14::donnerSolution, &exo5ch14::reprendreEnonce});
}
