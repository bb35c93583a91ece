#include "analysis/nombres/hasard.h"

#include <chrono>

namespace nombres {

namespace {

// xoshiro256** amorcé par splitmix64 : rapide, bien réparti, reproductible.
struct Generateur {
    std::uint64_t etat[4] = {0x9E3779B97F4A7C15ull, 0xBF58476D1CE4E5B9ull, 0x94D049BB133111EBull,
                             0x2545F4914F6CDD1Dull};

    static std::uint64_t rotation(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    void amorcer(std::uint64_t graine) {
        for (std::uint64_t& mot : etat) {
            graine += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = graine;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            mot = z ^ (z >> 31);
        }
    }

    std::uint64_t suivant() {
        const std::uint64_t resultat = rotation(etat[1] * 5, 7) * 9;
        const std::uint64_t t = etat[1] << 17;
        etat[2] ^= etat[0];
        etat[3] ^= etat[1];
        etat[1] ^= etat[2];
        etat[0] ^= etat[3];
        etat[2] ^= t;
        etat[3] = rotation(etat[3], 45);
        return resultat;
    }
};

Generateur& generateur() {
    static Generateur g;
    return g;
}

} // namespace

std::uint64_t initialiserHasard() {
    const auto graine =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    initialiserHasard(graine);
    return graine;
}

void initialiserHasard(std::uint64_t graine) {
    generateur().amorcer(graine);
}

std::int64_t hasardEntier(std::int64_t n) {
    if (n < 1) {
        return 0;
    }
    // Tirage par rejet : aucun biais de modulo.
    const auto borne = static_cast<std::uint64_t>(n);
    const std::uint64_t limite = UINT64_MAX - UINT64_MAX % borne;
    std::uint64_t x;
    do {
        x = generateur().suivant();
    } while (x >= limite);
    return static_cast<std::int64_t>(x % borne);
}

std::int64_t hasardEntre(std::int64_t m, std::int64_t n) {
    if (n < m) {
        return m;
    }
    return m + hasardEntier(n - m + 1);
}

double hasardReel() {
    return static_cast<double>(generateur().suivant() >> 11) * 0x1.0p-53;
}

} // namespace nombres
