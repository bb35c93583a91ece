// Expressions tirées au hasard (graine fixe) et leurs développements exacts, calculés ici
// par arithmétique entière sur les polynômes : le développement juste doit être accepté,
// un développement faussé (un coefficient, un signe, un terme de trop ou de moins) refusé.

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/comparaison.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Un monôme : l'exposant de chaque lettre ; un polynôme : ses coefficients non nuls, sur
// 128 bits pour que les produits ne débordent jamais (un coefficient de plus de 15 chiffres
// ne s'écrit pas dans une réponse : la forme qui en a un est écartée).
__extension__ typedef __int128 Entier;
using Monome = std::array<int, 4>;
using Polynome = std::map<Monome, Entier>;

constexpr Entier coefficientMaximum = 999'999'999'999'999;

bool ecrivable(const Polynome& p) {
    for (const auto& [m, c] : p) {
        if (c > coefficientMaximum || c < -coefficientMaximum) {
            return false;
        }
    }
    return true;
}

Polynome constante(Entier c) {
    Polynome p;
    if (c != 0) {
        p[Monome{}] = c;
    }
    return p;
}

void ajouter(Polynome& p, const Polynome& q, Entier signe) {
    for (const auto& [m, c] : q) {
        if ((p[m] += signe * c) == 0) {
            p.erase(m);
        }
    }
}

Polynome multiplier(const Polynome& p, const Polynome& q) {
    Polynome r;
    for (const auto& [m1, c1] : p) {
        for (const auto& [m2, c2] : q) {
            Monome m{};
            for (std::size_t k = 0; k < m.size(); ++k) {
                m[k] = m1[k] + m2[k];
            }
            if ((r[m] += c1 * c2) == 0) {
                r.erase(m);
            }
        }
    }
    return r;
}

// Suite pseudo-aléatoire fixe (la même sur toutes les machines).
class Hasard {
public:
    explicit Hasard(std::uint64_t graine) : etat_(graine) {}

    int entre(int a, int b) {
        etat_ = etat_ * 6364136223846793005u + 1442695040888963407u;
        return a + static_cast<int>((etat_ >> 33) % static_cast<std::uint64_t>(b - a + 1));
    }

    int nonNul(int borne) {
        const int v = entre(1, borne);
        return entre(0, 1) == 0 ? v : -v;
    }

private:
    std::uint64_t etat_;
};

// « 3x^2y », « -x », « 7 » : un terme écrit comme un élève l'écrirait, sans « 1 » inutile.
std::string ecrireTerme(const Monome& m, Entier c, std::string_view lettres) {
    std::string t;
    const bool sansLettre = m == Monome{};
    const long long a = static_cast<long long>(c < 0 ? -c : c);
    if (a != 1 || sansLettre) {
        t += std::to_string(a);
    }
    for (std::size_t k = 0; k < lettres.size(); ++k) {
        if (m[k] > 0) {
            t += lettres[k];
            if (m[k] > 1) {
                t += '^';
                t += std::to_string(m[k]);
            }
        }
    }
    return t;
}

// Le polynôme écrit terme à terme, dans l'ordre des monômes ou dans l'ordre inverse.
std::string ecrire(const Polynome& p, std::string_view lettres, bool inverse = false) {
    if (p.empty()) {
        return "0";
    }
    std::vector<std::pair<Monome, Entier>> termes(p.begin(), p.end());
    if (inverse) {
        termes.assign(p.rbegin(), p.rend());
    }
    std::string t;
    for (const auto& [m, c] : termes) {
        if (c < 0) {
            t += '-';
        } else if (!t.empty()) {
            t += '+';
        }
        t += ecrireTerme(m, c, lettres);
    }
    return t;
}

struct Forme {
    std::string texte;
    Polynome polynome;
};

// Un facteur « (ax+by+c) » sur une ou deux des lettres, sans coefficient nul écrit.
Polynome tirerFacteur(Hasard& h, int lettres, int borne) {
    Polynome p;
    const int premiere = h.entre(0, lettres - 1);
    Monome m{};
    m[static_cast<std::size_t>(premiere)] = 1;
    p[m] = h.nonNul(borne);
    if (lettres > 1 && h.entre(0, 1) == 0) {
        const int seconde = (premiere + h.entre(1, lettres - 1)) % lettres;
        Monome m2{};
        m2[static_cast<std::size_t>(seconde)] = 1;
        p[m2] = h.nonNul(borne);
    }
    // Un facteur d'une seule lettre a toujours un terme constant : « (-3x)^2 » serait
    // simplifiable.
    if (p.size() == 1 || h.entre(0, 3) != 0) {
        p[Monome{}] = h.nonNul(borne);
    }
    return p;
}

// Un produit « k(…)(…)^2 » d'au plus trois facteurs, de degré au plus 6.
Forme tirerProduit(Hasard& h, const std::string& lettres, int borne) {
    const int n = static_cast<int>(lettres.size());
    Forme f{"", constante(1)};
    if (h.entre(0, 2) == 0) {
        const int k = h.entre(2, 5);
        f.texte = std::to_string(k);
        f.polynome = constante(k);
    }
    const int facteurs = h.entre(1, 3);
    int degre = 0;
    for (int i = 0; i < facteurs; ++i) {
        const Polynome facteur = tirerFacteur(h, n, borne);
        const int exposant = degre < 4 && h.entre(0, 2) == 0 ? h.entre(2, 3) : 1;
        degre += exposant;
        f.texte += '(';
        f.texte += ecrire(facteur, lettres);
        f.texte += ')';
        if (exposant > 1) {
            f.texte += '^';
            f.texte += std::to_string(exposant);
        }
        for (int e = 0; e < exposant; ++e) {
            f.polynome = multiplier(f.polynome, facteur);
        }
    }
    return f;
}

// Un produit, ou la somme ou la différence de deux produits.
Forme tirerForme(Hasard& h, const std::string& lettres, int borne) {
    Forme f = tirerProduit(h, lettres, borne);
    if (h.entre(0, 1) == 0) {
        const Forme g = tirerProduit(h, lettres, borne);
        const bool moins = h.entre(0, 1) == 0;
        f.texte += (moins ? "-" : "+") + g.texte;
        ajouter(f.polynome, g.polynome, moins ? -1 : 1);
    }
    return f;
}

// Un développement faux : un coefficient changé d'une unité, un signe changé, un terme
// oublié ou un terme en trop. Avec de grands coefficients, seules les fautes qui changent
// la valeur au-delà de l'arrondi (signe, terme oublié) sont tirées.
Polynome fausser(Hasard& h, const Polynome& p, bool grands) {
    Polynome q = p;
    const int faute = grands ? h.entre(1, 2) : h.entre(0, 3);
    if (q.empty() || faute == 3) {
        Monome m{};
        m[static_cast<std::size_t>(h.entre(0, 1))] = h.entre(0, 3);
        ajouter(q, Polynome{{m, h.nonNul(3)}}, 1);
        return q == p ? constante(1) : q;
    }
    auto terme = std::next(q.begin(), h.entre(0, static_cast<int>(q.size()) - 1));
    switch (faute) {
    case 0:
        terme->second += h.nonNul(1);
        if (terme->second == 0) {
            q.erase(terme);
        }
        break;
    case 1:
        terme->second = -terme->second;
        break;
    default:
        q.erase(terme);
        break;
    }
    return q;
}

// Vrai quand le texte tient dans l'enregistrement d'une expression (50 nœuds au plus).
bool lisible(const std::string& texte, const std::string& lettres) {
    const auto e = std::make_unique<analexpr::Texpression>();
    analexpr::analyserExpression(*e, texte, lettres);
    return e->erreur == TcodeErreur::aucune;
}

TEST(Developpements, JustesAcceptesFauxRefuses) {
    Hasard h(20261211);
    int justesRefuses = 0;
    int fauxAcceptes = 0;
    int paires = 0;
    for (int i = 0; paires < 3000; ++i) {
        const std::string lettres = std::string("xyzt").substr(0, 1 + i % 4);
        // Une forme sur dix à une lettre a des coefficients jusqu'à 999 : de grandes valeurs.
        const bool grands = lettres.size() == 1 && i % 10 == 8;
        const Forme forme = tirerForme(h, lettres, grands ? 999 : 9);
        if (!ecrivable(forme.polynome)) {
            continue;
        }
        const std::string developpee = ecrire(forme.polynome, lettres);
        const Polynome faux = fausser(h, forme.polynome, grands);
        const std::string ecritFaux = ecrire(faux, lettres);
        // Un développement de plus de 50 nœuds ne tient pas dans un champ de réponse.
        if (!lisible(forme.texte, lettres) || !lisible(developpee, lettres) ||
            !lisible(ecritFaux, lettres)) {
            continue;
        }
        ++paires;

        using R = TresultatComparaison;
        const R justeValeur = analexpr::comparerExpressions(developpee, forme.texte, lettres, 1e-9,
                                                            TgenreReponse::expression);
        const R justeForme =
            analexpr::comparerExpressions(ecrire(forme.polynome, lettres, true), developpee,
                                          lettres, 1e-9, TgenreReponse::developpee);
        const R formeJuste = analexpr::comparerExpressions(forme.texte, developpee, lettres, 1e-9,
                                                           TgenreReponse::expressionDenominateurs);
        if (justeValeur != R::acceptee || justeForme != R::acceptee || formeJuste != R::acceptee) {
            ++justesRefuses;
            ADD_FAILURE() << forme.texte << " = " << developpee << " [" << lettres
                          << "] : " << static_cast<int>(justeValeur) << " "
                          << static_cast<int>(justeForme) << " " << static_cast<int>(formeJuste);
        }

        const R codeFaux = analexpr::comparerExpressions(ecritFaux, forme.texte, lettres, 1e-9,
                                                         TgenreReponse::expression);
        if (codeFaux != R::valeurDifferente) {
            ++fauxAcceptes;
            ADD_FAILURE() << forme.texte << " ≠ " << ecritFaux << " [" << lettres
                          << "] : " << static_cast<int>(codeFaux);
        }
        if (justesRefuses + fauxAcceptes > 10) {
            break;
        }
    }
    EXPECT_EQ(justesRefuses, 0);
    EXPECT_EQ(fauxAcceptes, 0);
}

} // namespace
