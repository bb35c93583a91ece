#!/usr/bin/env bash
# Installe les paquets Debian 12 manquants pour construire, lancer et tester calvane.
# Idempotent : ne lance apt-get que s'il manque quelque chose.
# CALVANE_FUZZ=1 ajoute le compilateur et la bibliothèque d'exécution du fuzzer.
set -euo pipefail

paquets=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl1-mesa-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    fonts-liberation2 fonts-liberation fonts-dejavu-core
    xvfb xdotool imagemagick x11-utils libx11-dev
    python3 python3-sympy
)
if [ "${CALVANE_FUZZ:-0}" = "1" ]; then
    paquets+=(clang libclang-rt-14-dev)
fi

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ]; then
    exit 0
fi

sudo_si_besoin=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_si_besoin=(sudo)
fi
echo "Installation de : ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_si_besoin[@]}" apt-get update -q
"${sudo_si_besoin[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}"
