#include "core/exercice/cases.h"

#include "core/donneescommunes.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/zoneaffichage.h"

namespace {

double margeEnonce(const TdonneesCommunes& d) {
    return d.zoneEnonce ? d.zoneEnonce->marge : 0;
}

bool numeroValide(int n) {
    return n >= 1 && n <= nombreMaxCases;
}

} // namespace

void disposerCases(TdonneesCommunes& d, int lignes, int colonnes, double largeur, double hauteur) {
    for (TcaseChoix& c : d.cases) {
        c.etiquette = 0;
        c.active = false;
    }
    if (lignes < 1 || colonnes < 1) {
        return;
    }
    const double g = d.espacementCases;
    const double w = (largeur - (colonnes + 1) * g) / colonnes;
    for (int i = 1; i <= lignes; ++i) {
        for (int j = 1; j <= colonnes; ++j) {
            const int n = colonnes * (i - 1) + j;
            if (!numeroValide(n)) {
                return;
            }
            TcaseChoix& c = d.cases[n];
            c.xGauche = 8 * margeEnonce(d) + 30 + (j - 1) * g + (j - 1) * w;
            c.xDroite = c.xGauche + w;
            c.yBas = 260 - (lignes - i + 1) * g - (lignes - i) * hauteur;
            c.yHaut = c.yBas - hauteur;
            c.active = true;
            c.choisie = false;
        }
    }
}

void disposerCasesPleineLargeur(TdonneesCommunes& d, int lignes, int colonnes, double hauteur) {
    disposerCases(d, lignes, colonnes, 680 - 8 * margeEnonce(d), hauteur);
}

void etiquetterCase(TdonneesCommunes& d, int n, int k, std::string_view texte, double demiLargeur) {
    if (!numeroValide(n) || !numeroValide(k)) {
        return;
    }
    d.cases[n].etiquette = static_cast<std::uint8_t>(k);
    d.etiquettes[k].texte = texte;
    d.etiquettes[k].demiLargeur = demiLargeur;
}

void ajouterCase(TdonneesCommunes& d, int n, std::string_view texte, double demiLargeur) {
    etiquetterCase(d, n, n, texte, demiLargeur);
}

void ajouterCaseJuste(TdonneesCommunes& d, int n, std::string_view texte, double demiLargeur) {
    if (!numeroValide(n)) {
        return;
    }
    ajouterCase(d, n, texte, demiLargeur);
    d.casesJustes.set(static_cast<std::size_t>(n));
}

int caseSousSouris(const TdonneesCommunes& d) {
    const double x = d.sourisX;
    const double y = d.sourisY;
    for (int n = 1; n <= nombreMaxCases; ++n) {
        const TcaseChoix& c = d.cases[n];
        if (c.active && c.xGauche < x && x < c.xDroite && c.yHaut < y && y < c.yBas) {
            return n;
        }
    }
    return 0;
}

void basculerCase(TdonneesCommunes& d) {
    if (d.modeReponse != modeReponseCases || d.questionTerminee) {
        return;
    }
    const int n = caseSousSouris(d);
    if (n == 0) {
        return;
    }
    d.cases[n].choisie = !d.cases[n].choisie;
    if (d.choixUnique) {
        for (int autre = 1; autre <= nombreMaxCases; ++autre) {
            if (autre != n) {
                d.cases[autre].choisie = false;
            }
        }
    }
    redessinerZonesExercice(d);
    if (d.choixUnique && d.cases[n].choisie && !d.correctionVisible) {
        validerReponse(d);
    }
}

void dessinerCases(const TdonneesCommunes& d, Tcanevas& canevas) {
    constexpr int coin = 16;
    const auto cadre = [&](const TcaseChoix& c, Tcouleur couleur) {
        canevas.definirCrayon(couleur, 3);
        canevas.pinceauVide();
        canevas.rectangleArrondi(static_cast<int>(c.xGauche) - 2, static_cast<int>(c.yHaut) - 2,
                                 static_cast<int>(c.xDroite) + 2, static_cast<int>(c.yBas) + 2,
                                 coin);
    };
    const auto remplir = [&](const TcaseChoix& c, Tcouleur couleur) {
        canevas.definirCrayon(couleur, 1);
        canevas.definirPinceau(couleur);
        canevas.rectangleArrondi(static_cast<int>(c.xGauche), static_cast<int>(c.yHaut),
                                 static_cast<int>(c.xDroite), static_cast<int>(c.yBas), coin);
    };
    for (int n = 1; n <= nombreMaxCases; ++n) {
        const TcaseChoix& c = d.cases[n];
        if (!c.active) {
            continue;
        }
        remplir(c, 0xFFFFFF);
        if (c.choisie) {
            remplir(c, 0xFFFF80);
            cadre(c, 0x808000);
        }
        if (d.choixUnique && d.questionTerminee && n == d.caseJuste) {
            remplir(c, 0x00FF00);
            cadre(c, 0x008000);
        }
        canevas.definirCrayon(0x000000, 1);
        canevas.pinceauVide();
        canevas.rectangleArrondi(static_cast<int>(c.xGauche), static_cast<int>(c.yHaut),
                                 static_cast<int>(c.xDroite), static_cast<int>(c.yBas), coin);
        if (numeroValide(c.etiquette)) {
            const TetiquetteCase& e = d.etiquettes[c.etiquette];
            double x = (c.xGauche + c.xDroite) / 2 - 8 * e.demiLargeur;
            const double y = (c.yHaut + c.yBas) / 2 - 9;
            dessinerTexteMarque(canevas, e.texte.texte(), x, y, 0x000000, 11, 11);
        }
    }
}
