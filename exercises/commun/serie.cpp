#include "exercises/commun/serie.h"

#include "core/donneescommunes.h"

#include <algorithm>

std::size_t rangQuestion(const TdonneesCommunes& d, std::size_t n) {
    if (n == 0 || d.numeroQuestion < 1) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(d.numeroQuestion) - 1, n - 1);
}
