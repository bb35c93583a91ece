#include "analysis/jugement/verifierinegalite.h"

#include "analysis/expressions/preparation.h"
#include "analysis/expressions/solutions.h"
#include "analysis/jugement/messages.h"
#include "analysis/jugement/verifierliste.h"
#include "analysis/texte/chaines.h"
#include "analysis/texte/texteutf8.h"

#include <cmath>
#include <optional>
#include <string>

namespace jugement {

namespace {

using analexpr::Tsolution;

// Une borne lue par le lecteur des éléments de liste ; nullopt si elle est illisible (trop
// longue comprise : elle n'est jamais jugée sur son début).
std::optional<Tsolution> lireBorne(std::string_view texte) {
    Tsolution borne;
    borne.texte = std::string(texte);
    analexpr::analyserSolution(borne);
    if (borne.forme == Tsolution::illisible) {
        return std::nullopt;
    }
    return borne;
}

bool tropLongue(std::string_view borne) {
    return texteutf8::longueur(borne) > Tsolution::longueurMaximum;
}

// La ligne d'une borne illisible : trop longue, ou pas comprise.
std::string borneIllisible(const std::string& prefixe, std::string_view borne) {
    return prefixe + (tropLongue(borne) ? std::string(valeurTropLongue) : "n'a pas été comprise.");
}

// La réponse sans blancs, les signes d'un clavier ou d'un texte copié (« ≤ », « − »…) lus
// comme ceux de la syntaxe.
std::string reponseLue(std::string_view reponse) {
    return nombres::supprimerBlancs(analexpr::remplacerSignesTypographiques(reponse));
}

bool loin(const Tsolution& a, const Tsolution& b, double tol) {
    return !(std::abs(a.valeur - b.valeur) <= tol);
}

// Premier « > », sinon premier « < », sinon (si demandé) premier « = ».
std::size_t positionSigne(std::string_view texte, bool avecEgal) {
    std::size_t position = texte.find('>');
    if (position == std::string_view::npos) {
        position = texte.find('<');
    }
    if (position == std::string_view::npos && avecEgal) {
        position = texte.find('=');
    }
    return position;
}

// Un encadrement coupé : borne inférieure, signe, milieu, signe, borne supérieure.
struct Tencadrement {
    std::string inferieure;
    int signe1 = 0;
    std::string milieu;
    int signe2 = 0;
    std::string superieure;
};

// Coupe un texte sans blancs ; nullopt s'il n'a pas la forme « b < m < b ».
std::optional<Tencadrement> couperEncadrement(std::string_view t) {
    const std::size_t premier = t.find('<');
    if (premier == std::string_view::npos || premier == 0) {
        return std::nullopt;
    }
    Tencadrement e;
    e.inferieure = std::string(t.substr(0, premier));
    const SigneInegalite s1 = signeInegalite(t.substr(premier));
    e.signe1 = s1.signe;
    const std::string_view suite = t.substr(premier + s1.longueur);
    const std::size_t second = suite.find('<');
    if (second == std::string_view::npos || second == 0) {
        return std::nullopt;
    }
    e.milieu = std::string(suite.substr(0, second));
    const SigneInegalite s2 = signeInegalite(suite.substr(second));
    e.signe2 = s2.signe;
    e.superieure = std::string(suite.substr(second + s2.longueur));
    if (e.signe1 == 0 || e.signe2 == 0) {
        return std::nullopt;
    }
    return e;
}

} // namespace

SigneInegalite signeInegalite(std::string_view texte) {
    if (texte.starts_with("<=")) {
        return {2, 2};
    }
    if (texte.starts_with("<")) {
        return {1, 1};
    }
    if (texte.starts_with(">=")) {
        return {4, 2};
    }
    if (texte.starts_with(">")) {
        return {3, 1};
    }
    return {};
}

TjugementChamp verifierInegalite(const TchampAJuger& c) {
    const TgenreReponse code = c.genre;
    const std::string e = nombres::supprimerBlancs(c.attendu);
    const std::string p = reponseLue(c.reponse);
    const std::string prefixe = libelleReponse(c);

    const std::size_t coupeAttendue = positionSigne(e, false);
    if (coupeAttendue == std::string::npos) {
        return attenduIncorrect();
    }
    const std::string lettre = e.substr(0, coupeAttendue);
    std::size_t coupe = positionSigne(p, true);
    if (coupe != std::string::npos && p.substr(0, coupe) != lettre) {
        coupe = std::string::npos;
    }
    const std::string commencer = prefixe + "doit commencer par :  " + lettre + ">  ou  " + lettre +
                                  "<  ou  " + lettre + "Supégal  ou  " + lettre + "Infégal";
    if (code == TgenreReponse::inegaliteStricte && p.find('=') != std::string::npos) {
        return refuser(Tverdict::illisible,
                       {prefixe + "doit contenir une inégalité $LPstrilar;stricte;."});
    }
    if (coupe == std::string::npos) {
        return refuser(Tverdict::illisible, {commencer});
    }

    const std::string_view resteAttendu = std::string_view(e).substr(coupeAttendue);
    const SigneInegalite signeAttendu = signeInegalite(resteAttendu);
    const auto borneAttendue = signeAttendu.signe != 0
                                   ? lireBorne(resteAttendu.substr(signeAttendu.longueur))
                                   : std::nullopt;
    if (!borneAttendue) {
        return attenduIncorrect();
    }
    const std::string_view resteEleve = std::string_view(p).substr(coupe);
    const SigneInegalite signeEleve = signeInegalite(resteEleve);
    if (signeEleve.signe == 0) {
        return refuser(Tverdict::illisible, {commencer});
    }
    const std::string_view texteBorne = resteEleve.substr(signeEleve.longueur);
    const auto borneEleve = lireBorne(texteBorne);
    if (!borneEleve) {
        return refuser(Tverdict::illisible, {borneIllisible(prefixe, texteBorne)});
    }
    if (signeEleve.signe != signeAttendu.signe || loin(*borneEleve, *borneAttendue, tolerance(c))) {
        return verdictSeul(Tverdict::faux);
    }
    if (valeurSimplifiable(*borneEleve, *borneAttendue)) {
        return refuser(Tverdict::malEcrit,
                       {reponseSimplifiable, prefixe + "peut être simplifiée."});
    }
    return verdictSeul(Tverdict::exact);
}

TjugementChamp verifierEncadrement(const TchampAJuger& c) {
    const std::string prefixe = libelleReponse(c);
    const auto attendu = couperEncadrement(nombres::supprimerBlancs(c.attendu));
    const auto infAttendue = attendu ? lireBorne(attendu->inferieure) : std::nullopt;
    const auto supAttendue = attendu ? lireBorne(attendu->superieure) : std::nullopt;
    if (!infAttendue || !supAttendue) {
        return attenduIncorrect();
    }

    const std::string p = reponseLue(c.reponse);
    // Un signe « > » est signalé, mais la lecture continue pour dire aussi ce qui suit ; le
    // refus (image et bip) n'est donné qu'une fois.
    TjugementChamp refus = verdictSeul(Tverdict::illisible);
    refus.refus = true;
    const bool superieur = p.find('>') != std::string::npos;
    if (superieur) {
        ajouterLignes(refus,
                      {prefixe + "ne doit utiliser que les signes  <  ou  infEgal  (pour <=)"});
    }
    const auto eleve = couperEncadrement(p);
    if (!eleve || eleve->milieu != attendu->milieu) {
        ajouterLignes(refus, {prefixe + "n'est pas un encadrement de l'expression demandée."});
        return refus;
    }
    const auto inf = lireBorne(eleve->inferieure);
    const auto sup = lireBorne(eleve->superieure);
    if (!inf || !sup) {
        ajouterLignes(refus,
                      {borneIllisible(prefixe, inf ? eleve->superieure : eleve->inferieure)});
        return refus;
    }
    if (superieur) {
        return refus;
    }
    const double tol = tolerance(c);
    if (eleve->signe1 != attendu->signe1 || eleve->signe2 != attendu->signe2 ||
        loin(*inf, *infAttendue, tol) || loin(*sup, *supAttendue, tol)) {
        return verdictSeul(Tverdict::faux);
    }
    if (valeurSimplifiable(*inf, *infAttendue) || valeurSimplifiable(*sup, *supAttendue)) {
        return refuser(Tverdict::malEcrit,
                       {reponseSimplifiable, prefixe + "peut être simplifiée."});
    }
    return verdictSeul(Tverdict::exact);
}

} // namespace jugement
