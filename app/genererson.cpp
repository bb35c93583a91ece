// Produit le son d'erreur de calvane : un fichier WAV (PCM 16 bits, mono, 22 050 Hz) de
// deux notes graves descendantes, écrit au chemin donné en argument.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

constexpr std::uint32_t frequence = 22050;

void ajouterNote(std::vector<std::int16_t>& pcm, double hauteur, double duree) {
    const auto n = static_cast<int>(duree * frequence);
    const int rampe = static_cast<int>(frequence / 100);
    for (int i = 0; i < n; ++i) {
        const double enveloppe =
            std::min({1.0, static_cast<double>(i) / rampe, static_cast<double>(n - i) / rampe});
        const double t = static_cast<double>(i) / frequence;
        // Une onde un peu riche (fondamentale et harmonique 3) : un « bzz » d'erreur.
        const double onde = std::sin(2 * std::numbers::pi * hauteur * t) +
                            0.3 * std::sin(6 * std::numbers::pi * hauteur * t);
        pcm.push_back(static_cast<std::int16_t>(9000.0 * enveloppe * onde));
    }
}

void ecrire32(std::ofstream& f, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void ecrire16(std::ofstream& f, std::uint16_t v) {
    f.put(static_cast<char>(v & 0xFF));
    f.put(static_cast<char>(v >> 8));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage : calvane-generer-son <fichier.wav>\n";
        return 2;
    }
    std::vector<std::int16_t> pcm;
    ajouterNote(pcm, 220.0, 0.12);
    ajouterNote(pcm, 165.0, 0.22);
    const auto octets = static_cast<std::uint32_t>(pcm.size() * sizeof(std::int16_t));
    std::ofstream f(argv[1], std::ios::binary);
    f.write("RIFF", 4);
    ecrire32(f, 36 + octets);
    f.write("WAVEfmt ", 8);
    ecrire32(f, 16);
    ecrire16(f, 1); // PCM
    ecrire16(f, 1); // mono
    ecrire32(f, frequence);
    ecrire32(f, frequence * 2);
    ecrire16(f, 2);
    ecrire16(f, 16);
    f.write("data", 4);
    ecrire32(f, octets);
    for (const std::int16_t e : pcm) {
        ecrire16(f, static_cast<std::uint16_t>(e));
    }
    return f.good() ? 0 : 1;
}
