// calvane-banc juger : juge un champ de réponse (ou un lot de champs) par le jugement d'un
// champ, sans enregistrement ni fenêtre, avec les textes bornés et la réponse normalisée
// comme dans un exercice, et écrit le verdict, les messages et la réponse en JSON.

#include "analysis/jugement/jugement.h"
#include "analysis/texte/texteutf8.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;
using jugement::TchampAJuger;

void verifierGenre(long long type) {
    if (type < 0 || type > 255) {
        throw ErreurArguments("--type : genre de réponse de 0 à 255");
    }
}

// Les textes d'un champ, bornés comme dans l'enregistrement commun ; la réponse normalisée
// comme à la soumission.
TchampAJuger borner(TchampAJuger champ) {
    champ.attendu = texteutf8::couper(champ.attendu, jugement::longueurReponse);
    champ.lettres = texteutf8::couper(champ.lettres, jugement::longueurReponse);
    champ.lettresPoints = texteutf8::couper(champ.lettresPoints, jugement::longueurReponse);
    champ.reponse = jugement::normaliserReponse(champ.reponse);
    return champ;
}

json juger(const TchampAJuger& brut) {
    const TchampAJuger champ = borner(brut);
    const jugement::TjugementChamp j = jugement::jugerChamp(champ);
    return {{"verdict", static_cast<int>(j.verdict)},
            {"messages", j.messages},
            {"reponse", champ.reponse}};
}

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

// Une ligne du lot ; « type » et « points » sont des entiers, « points » (le barème) ne
// change pas le jugement d'un champ.
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
        long long type = static_cast<long long>(champ.genre);
        long long points = 1;
        lireCle(objet, "type", type, numero);
        lireCle(objet, "attendu", champ.attendu, numero);
        lireCle(objet, "valeur", champ.valeurAttendue, numero);
        lireCle(objet, "lettres", champ.lettres, numero);
        lireCle(objet, "points", points, numero);
        lireCle(objet, "precision", champ.precision, numero);
        lireCle(objet, "vide_permis", champ.videPermis, numero);
        lireCle(objet, "reponse", champ.reponse, numero);
        lireCle(objet, "points_figure", champ.lettresPoints, numero);
        verifierGenre(type);
        champ.genre = static_cast<TgenreReponse>(type);
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
        std::string sortie;
        for (const TchampAJuger& champ : lot) {
            sortie += versJson(juger(champ));
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
    const long long genre = Arguments::entier("type", *type);
    verifierGenre(genre);
    champ.genre = static_cast<TgenreReponse>(genre);
    champ.attendu = arguments.valeur("attendu").value_or("");
    if (const auto v = arguments.valeur("valeur")) {
        champ.valeurAttendue = Arguments::reel("valeur", *v);
    }
    champ.lettres = arguments.valeur("lettres").value_or("");
    if (const auto p = arguments.valeur("points")) {
        Arguments::entier("points", *p);
    }
    if (const auto e = arguments.valeur("precision")) {
        champ.precision = Arguments::reel("precision", *e);
    }
    champ.videPermis = arguments.drapeau("vide-permis");
    champ.lettresPoints = arguments.valeur("points-figure").value_or("");
    champ.reponse = arguments.positionnels()[0];

    std::cout << versJson(juger(champ)) << "\n";
    return 0;
}
