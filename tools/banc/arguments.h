#pragma once

// Lecture des arguments d'une sous-commande de calvane-banc : options « --nom valeur » ou
// « --nom=valeur », drapeaux « --nom » et arguments positionnels ; après « -- » tout est
// positionnel.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Erreur d'arguments : la sous-commande l'écrit sur la sortie d'erreur et sort avec 2.
struct ErreurArguments : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // optionsAValeur : les options qui prennent une valeur (sans « -- ») ; drapeaux : les
    // options sans valeur. Toute autre option lève ErreurArguments.
    Arguments(const std::vector<std::string>& brut, const std::vector<std::string>& optionsAValeur,
              const std::vector<std::string>& drapeaux);

    // Dernière valeur donnée à l'option, s'il y en a une.
    std::optional<std::string> valeur(const std::string& nom) const;
    // Toutes les valeurs données à une option répétable, dans l'ordre.
    std::vector<std::string> valeurs(const std::string& nom) const;
    bool drapeau(const std::string& nom) const;
    const std::vector<std::string>& positionnels() const { return positionnels_; }

    // Lecture stricte d'un entier ou d'un réel (ErreurArguments si le texte n'en est pas un).
    static long long entier(const std::string& nom, const std::string& texte);
    static double reel(const std::string& nom, const std::string& texte);

private:
    std::map<std::string, std::vector<std::string>> options_;
    std::vector<std::string> drapeaux_;
    std::vector<std::string> positionnels_;
};
