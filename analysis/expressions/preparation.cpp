#include "analysis/expressions/preparation.h"

#include "analysis/expressions/marqueurs.h"
#include "analysis/texte/chaines.h"
#include "analysis/texte/texteutf8.h"

#include <array>

namespace analexpr {

namespace {

bool estChiffreOuPoint(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.';
}

bool estLettre(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool finitUnFacteur(char32_t c) {
    return c == U')' || estChiffreOuPoint(c) || estLettre(c) || c == marqueurPi;
}

bool commenceUnFacteur(char32_t c) {
    return c == U'(' || estChiffreOuPoint(c) || estLettre(c) || estMarqueur(c);
}

// Signes qu'un clavier ou un texte copié donne à la place de ceux de la syntaxe des
// réponses : chacun est lu comme ce que l'élève aurait tapé.
struct Tsubstitution {
    char32_t signe;
    std::u32string_view par;
};

constexpr std::array<Tsubstitution, 6> signesTypographiques{{
    {U'\u2212', U"-"},  // moins
    {U'\u00D7', U"*"},  // multiplié
    {U'\u00F7', U"/"},  // divisé
    {U'\u00B3', U"^3"}, // cube
    {U'\u2265', U">="}, // supérieur ou égal
    {U'\u2264', U"<="}, // inférieur ou égal
}};

// Ajoute c à sortie, remplacé s'il est un signe typographique.
void ajouterLu(std::u32string& sortie, char32_t c) {
    for (const Tsubstitution& s : signesTypographiques) {
        if (s.signe == c) {
            sortie += s.par;
            return;
        }
    }
    sortie.push_back(c);
}

void remplacerPartout(std::u32string& texte, std::u32string_view motif, std::u32string_view par) {
    std::size_t depart = 0;
    while ((depart = texte.find(motif, depart)) != std::u32string::npos) {
        texte.replace(depart, motif.size(), par);
        depart += par.size();
    }
}

} // namespace

std::u32string preparerTexte(std::string_view texte) {
    std::u32string resultat;
    for (char32_t c : texteutf8::versPointsDeCode(texte)) {
        if (nombres::estBlanc(c)) {
            continue;
        }
        ajouterLu(resultat, c == U',' ? U'.' : c);
    }
    return resultat;
}

std::string remplacerSignesTypographiques(std::string_view texte) {
    std::u32string resultat;
    for (char32_t c : texteutf8::versPointsDeCode(texte)) {
        ajouterLu(resultat, c);
    }
    return texteutf8::versUtf8(resultat);
}

int parenthesesDesequilibrees(std::u32string_view texte) {
    int profondeur = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == U'(') {
            ++profondeur;
        } else if (texte[i] == U')' && --profondeur < 0) {
            return static_cast<int>(i);
        }
    }
    return profondeur == 0 ? -1 : static_cast<int>(texte.size());
}

int positionMarqueur(std::u32string_view texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (estMarqueur(texte[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void remplacerMotsCles(std::u32string& texte) {
    // Aucun remplacement ne recrée son motif : un seul passage de gauche à droite donne le
    // même texte que la recherche répétée depuis le début.
    const char32_t pi[] = {marqueurPi, 0};
    const char32_t racine[] = {marqueurRacine, 0};
    const char32_t cosinus[] = {marqueurCosinus, 0};
    remplacerPartout(texte, U"pi", pi);
    remplacerPartout(texte, U"\u00B2", U"^2");
    remplacerPartout(texte, U"p", U"^");
    remplacerPartout(texte, U"rac", racine);
    remplacerPartout(texte, U"cos", cosinus);
}

void insererProduitsImplicites(std::u32string& texte) {
    std::u32string resultat;
    resultat.reserve(texte.size() * 2);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        resultat.push_back(texte[i]);
        if (i + 1 < texte.size()) {
            const char32_t c = texte[i];
            const char32_t d = texte[i + 1];
            if (finitUnFacteur(c) && commenceUnFacteur(d) &&
                !(estChiffreOuPoint(c) && estChiffreOuPoint(d))) {
                resultat.push_back(U'*');
            }
        }
    }
    texte = std::move(resultat);
}

} // namespace analexpr
