#!/usr/bin/env python3
"""Écrit un lot de champs à juger pour « calvane-banc juger --lot » : des nombres, des
expressions et des listes mêlés, justes, faux et mal écrits, tirés avec une graine fixe.

Usage : generer_lot.py [NOMBRE_DE_LIGNES] > lot.jsonl   (10 000 lignes par défaut)
"""

import json
import random
import sys


def nombre(h):
    a, b = h.randint(1, 9), h.randint(2, 12)
    k = h.choice([1, 1, 2, 3])
    return {"type": h.choice([6, 7]), "valeur": a / b,
            "reponse": h.choice([f"{a * k}/{b * k}", f"{a}/{b}", f"{a + 1}/{b}",
                                 str(round(a / b, 3)).replace(".", ",")])}


def decimal(h):
    x = h.randint(-9999, 9999) / 100
    return {"type": h.choice([1, 2, 12, 13]), "valeur": x,
            "reponse": h.choice([str(x).replace(".", ","), str(x + 1), "1/2", "75%"])}


def expression(h):
    a, b = h.randint(1, 9), h.randint(1, 9)
    developpee = f"x^2+{2 * a}x+{a * a}"
    return {"type": h.choice([14, 16, 17, 18]), "attendu": h.choice([developpee, f"(x+{a})^2"]),
            "lettres": "x",
            "reponse": h.choice([f"(x+{a})^2", developpee, f"(x+{a})(x+{a})",
                                 f"{b}x+{a}-{b}x+x^2+{2 * a - 1}x+x+{a * a - a}", "2y+1"])}


def liste(h):
    v = h.sample(range(-20, 21), 2)
    attendu = f"{v[0]};{v[1]}"
    return {"type": h.choice([39, 44, 45, 46]), "attendu": attendu, "lettres": "A",
            "reponse": h.choice([f"{v[1]};{v[0]}", attendu, f"{v[0]}", f"{v[0]};{v[0]}",
                                 f"{2 * v[0]}/2;{v[1]}", "pas de solution"])}


def inegalite(h):
    a = h.randint(-9, 9)
    return {"type": h.choice([40, 41]), "attendu": f"x<{a}",
            "reponse": h.choice([f"x<{a}", f"x<={a}", f"x<{2 * a}/2", f"{a}>x"])}


def main():
    lignes = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    h = random.Random(20261210)
    genres = [nombre, decimal, expression, liste, inegalite]
    for _ in range(lignes):
        print(json.dumps(h.choice(genres)(h), ensure_ascii=False))


if __name__ == "__main__":
    main()
