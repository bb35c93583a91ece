#include "tools/banc/arguments.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

Arguments::Arguments(const std::vector<std::string>& brut,
                     const std::vector<std::string>& optionsAValeur,
                     const std::vector<std::string>& drapeaux) {
    const auto contient = [](const std::vector<std::string>& liste, const std::string& nom) {
        return std::find(liste.begin(), liste.end(), nom) != liste.end();
    };
    bool finDesOptions = false;
    for (std::size_t i = 0; i < brut.size(); ++i) {
        const std::string& a = brut[i];
        if (finDesOptions || a.size() < 3 || a.rfind("--", 0) != 0) {
            if (a == "--" && !finDesOptions) {
                finDesOptions = true;
                continue;
            }
            positionnels_.push_back(a);
            continue;
        }
        const std::string::size_type egal = a.find('=');
        if (egal != std::string::npos) {
            // « --nom=valeur » : la forme qui permet une valeur commençant par « - ».
            const std::string nom = a.substr(2, egal - 2);
            if (!contient(optionsAValeur, nom)) {
                throw ErreurArguments("option inconnue ou sans valeur : --" + nom);
            }
            options_[nom].push_back(a.substr(egal + 1));
            continue;
        }
        const std::string nom = a.substr(2);
        if (contient(drapeaux, nom)) {
            drapeaux_.push_back(nom);
        } else if (contient(optionsAValeur, nom)) {
            if (i + 1 >= brut.size()) {
                throw ErreurArguments("l'option --" + nom + " attend une valeur");
            }
            options_[nom].push_back(brut[++i]);
        } else {
            throw ErreurArguments("option inconnue : --" + nom);
        }
    }
}

std::optional<std::string> Arguments::valeur(const std::string& nom) const {
    const auto it = options_.find(nom);
    if (it == options_.end() || it->second.empty()) {
        return std::nullopt;
    }
    return it->second.back();
}

std::vector<std::string> Arguments::valeurs(const std::string& nom) const {
    const auto it = options_.find(nom);
    return it == options_.end() ? std::vector<std::string>{} : it->second;
}

bool Arguments::drapeau(const std::string& nom) const {
    return std::find(drapeaux_.begin(), drapeaux_.end(), nom) != drapeaux_.end();
}

long long Arguments::entier(const std::string& nom, const std::string& texte) {
    errno = 0;
    char* fin = nullptr;
    const long long v = std::strtoll(texte.c_str(), &fin, 10);
    if (texte.empty() || fin == nullptr || *fin != '\0' || errno == ERANGE) {
        throw ErreurArguments("--" + nom + " : entier attendu, pas « " + texte + " »");
    }
    return v;
}

double Arguments::reel(const std::string& nom, const std::string& texte) {
    std::string t = texte;
    std::replace(t.begin(), t.end(), ',', '.');
    errno = 0;
    char* fin = nullptr;
    const double v = std::strtod(t.c_str(), &fin);
    if (t.empty() || fin == nullptr || *fin != '\0' || errno == ERANGE) {
        throw ErreurArguments("--" + nom + " : nombre attendu, pas « " + texte + " »");
    }
    return v;
}
