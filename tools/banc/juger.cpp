// calvane-banc juger : juge un champ de réponse (ou un lot de champs) sans fenêtre, exactement
// comme dans un exercice, et écrit le verdict, les messages et la réponse normalisée en JSON.

#include "analysis/texte/texteutf8.h"
#include "core/donneescommunes.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/plateforme/sansfenetre.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;

// Un champ à juger, avec les valeurs par défaut d'une question neuve.
struct TchampAJuger {
    long long type = 7;
    std::string attendu;
    double valeur = 0;
    std::string lettres;
    long long points = 1;
    double precision = 1e-9;
    bool videPermis = false;
    std::string reponse;
    // Extension : noms des points de la figure (lettresPoints), pour les noms de points.
    std::string pointsFigure;
};

void verifierGenre(long long type) {
    if (type < 0 || type > 255) {
        throw ErreurArguments("--type : genre de réponse de 0 à 255");
    }
}

// Comme la soumission : 120 caractères au plus, sans espaces autour.
std::string normaliser(const std::string& reponse) {
    const std::string coupee = texteutf8::couper(reponse, 120);
    const auto debut = coupee.find_first_not_of(' ');
    if (debut == std::string::npos) {
        return {};
    }
    return coupee.substr(debut, coupee.find_last_not_of(' ') - debut + 1);
}

// Un enregistrement sans fenêtre, ses contrôles, ses zones et une plateforme scriptée, qui
// sert à juger tous les champs d'un lot l'un après l'autre.
class TjugeSansFenetre {
public:
    json juger(const TchampAJuger& champ) {
        d_.nombreChamps = 1;
        d_.typeReponse[1] = static_cast<TgenreReponse>(champ.type);
        d_.reponseAttendue[1] = champ.attendu;
        d_.valeurAttendue[1] = champ.valeur;
        d_.lettresPermises[1] = champ.lettres;
        d_.bareme = static_cast<int>(champ.points);
        d_.precision[1] = champ.precision;
        d_.reponseVidePermise[1] = champ.videPermis;
        d_.lettresPoints = champ.pointsFigure;
        d_.reponseDonnee[1] = normaliser(champ.reponse);
        d_.valeurDonnee[1] = 0;
        d_.ligneMessage = 2.5;
        effacerSolution(d_);
        plateforme_.effacerJournal();

        const int verdict = static_cast<int>(jugerChamp(d_, 1));
        json messages = json::array();
        for (const auto& objet : d_.zoneSolution->objets) {
            if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
                messages.push_back(t->texte);
            }
        }
        return {{"verdict", verdict},
                {"messages", std::move(messages)},
                {"reponse", d_.reponseDonnee[1].texte()}};
    }

private:
    TsansFenetre monde_;
    TdonneesCommunes& d_ = monde_.d;
    TplateformeScriptee& plateforme_ = monde_.plateforme;
};

// Une valeur du lot, du type attendu, ou une erreur d'arguments qui cite la ligne.
template <typename T>
void lireCle(const json& objet, const char* cle, T& valeur, std::size_t numero) {
    const auto it = objet.find(cle);
    if (it == objet.end() || it->is_null()) {
        return;
    }
    try {
        valeur = it->get<T>();
    } catch (const json::exception&) {
        throw ErreurArguments("--lot : ligne " + std::to_string(numero) + ", clé « " + cle +
                              " » d'un mauvais type");
    }
}

std::vector<TchampAJuger> lireLot(const std::string& fichier) {
    std::ifstream flux(fichier);
    if (!flux) {
        throw ErreurArguments("--lot : impossible de lire « " + fichier + " »");
    }
    std::vector<TchampAJuger> lot;
    std::string ligne;
    std::size_t numero = 0;
    while (std::getline(flux, ligne)) {
        ++numero;
        if (ligne.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        const json objet = json::parse(ligne, nullptr, false);
        if (!objet.is_object()) {
            throw ErreurArguments("--lot : ligne " + std::to_string(numero) +
                                  " : objet JSON attendu");
        }
        TchampAJuger champ;
        lireCle(objet, "type", champ.type, numero);
        lireCle(objet, "attendu", champ.attendu, numero);
        lireCle(objet, "valeur", champ.valeur, numero);
        lireCle(objet, "lettres", champ.lettres, numero);
        lireCle(objet, "points", champ.points, numero);
        lireCle(objet, "precision", champ.precision, numero);
        lireCle(objet, "vide_permis", champ.videPermis, numero);
        lireCle(objet, "reponse", champ.reponse, numero);
        lireCle(objet, "points_figure", champ.pointsFigure, numero);
        verifierGenre(champ.type);
        lot.push_back(std::move(champ));
    }
    return lot;
}

// Une réponse tapée peut contenir des octets invalides : ils sont écrits U+FFFD.
std::string versJson(const json& objet) {
    return objet.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace

int commandeJuger(const std::vector<std::string>& brut) {
    const Arguments arguments(
        brut,
        {"type", "attendu", "valeur", "lettres", "points", "precision", "points-figure", "lot"},
        {"vide-permis"});
    if (const auto fichier = arguments.valeur("lot")) {
        if (!arguments.positionnels().empty()) {
            throw ErreurArguments("--lot ne prend pas de RÉPONSE");
        }
        const std::vector<TchampAJuger> lot = lireLot(*fichier);
        TjugeSansFenetre juge;
        std::string sortie;
        for (const TchampAJuger& champ : lot) {
            sortie += versJson(juge.juger(champ));
            sortie += '\n';
        }
        std::cout << sortie;
        return 0;
    }

    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("une seule RÉPONSE attendue (après « -- » si elle commence par -)");
    }
    const auto type = arguments.valeur("type");
    if (!type) {
        throw ErreurArguments("--type est obligatoire");
    }
    TchampAJuger champ;
    champ.type = Arguments::entier("type", *type);
    verifierGenre(champ.type);
    champ.attendu = arguments.valeur("attendu").value_or("");
    if (const auto v = arguments.valeur("valeur")) {
        champ.valeur = Arguments::reel("valeur", *v);
    }
    champ.lettres = arguments.valeur("lettres").value_or("");
    if (const auto p = arguments.valeur("points")) {
        champ.points = Arguments::entier("points", *p);
    }
    if (const auto e = arguments.valeur("precision")) {
        champ.precision = Arguments::reel("precision", *e);
    }
    champ.videPermis = arguments.drapeau("vide-permis");
    champ.pointsFigure = arguments.valeur("points-figure").value_or("");
    champ.reponse = arguments.positionnels()[0];

    TjugeSansFenetre juge;
    std::cout << versJson(juge.juger(champ)) << "\n";
    return 0;
}
