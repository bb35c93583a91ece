#include "exercises/ch10/exo5ch10.h"

#include "exercises/ch10/calculsch10.h"
#include "exercises/ch10/exercicech10.h"
#include "exercises/ch10/placementsch10.h"
#include "exercises/ch10/problemesch10.h"
#include "exercises/ch10/rapportsch10.h"

namespace exo5ch10 {

void inscrireExercices() {
    for (const std::span<const Texercice> famille :
         {exercicesRapports(), exercicesCalculs(), exercicesPlacements(), exercicesProblemes()}) {
        ::inscrireExercices(famille);
    }
}

} // namespace exo5ch10
