#!/usr/bin/env python3
"""Writes a large meals database for benchmarks: the real schema filled with a kitchen's worth of
generated ingredients, composed ingredients and menus. The same seed gives the same file.

usage: generate-large-database.py TARGET [--seed N] [--ingredients N] [--menus N]
"""
import argparse
import functools
import os
import random
import sqlite3

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

ADDITIVE_CLASSES = ["Konservierungsstoff", "Verdickungsmittel", "Antioxidationsmittel",
                    "Säuerungsmittel", "Geschmacksverstärker", "Farbstoff", "Emulgator",
                    "Süßstoff", "Stabilisator", "Backtriebmittel", "Zucker"]
WORDS = ["Kartoffel", "Karotte", "Erbse", "Bohne", "Zwiebel", "Lauch", "Sellerie", "Tomate",
         "Paprika", "Reis", "Nudel", "Spätzle", "Sahne", "Butter", "Käse", "Quark", "Ei", "Mehl",
         "Kräuter", "Pfeffer", "Salz", "Apfel", "Birne", "Kohl", "Spinat", "Pilz", "Linse"]
MEATS = ["Hähnchen", "Pute", "Schwein", "Rind", "Kalb", "Speck", "Wurst"]
PORTIONS = [None, None, None, "he", "ge", "be"]
# Levels of composed ingredients: level 1 is made of plain ones, level k of levels below k.
COMPOSED_LEVELS = 3
MIN_OCCURRENCES, MAX_OCCURRENCES = 10, 60


def shares(rng, count):
    """Fractions of a parent's weight, in descending order, adding up to 1."""
    raw = sorted((rng.uniform(0.05, 1.0) for _ in range(count)), reverse=True)
    total = sum(raw)
    return [round(value / total, 4) for value in raw]


class Generator:
    def __init__(self, seed, ingredients, menus):
        self.rng = random.Random(seed)
        self.ingredient_count = ingredients
        self.menu_count = menus
        self.ingredients = []
        self.anteile = []
        self.children = {}
        self.levels = [[] for _ in range(COMPOSED_LEVELS + 1)]

    def name(self, number):
        words = self.rng.sample(WORDS, 2)
        return f"{words[0]}-{words[1].lower()} {number}"

    def plain_ingredient(self, ingredient_id):
        rng = self.rng
        kind = rng.random()
        klasse, meat, declare = None, 0.0, 0
        if kind < 0.08:
            klasse = rng.choice(ADDITIVE_CLASSES)
            name = f"Zusatzstoff {ingredient_id}"
        elif kind < 0.2:
            name = f"{rng.choice(MEATS)}fleisch {ingredient_id}"
            meat, declare = round(rng.uniform(0.5, 1.0), 2), 1
        else:
            name = self.name(ingredient_id)
        sales = name.split(" ")[0] if rng.random() < 0.3 else None
        return (ingredient_id, name, sales, None, rng.choice(PORTIONS), klasse,
                rng.randint(0, 1), rng.randint(0, 1), int(klasse is not None), meat, declare)

    def composed_ingredient(self, ingredient_id, level):
        rng = self.rng
        row = (ingredient_id, f"Zubereitung {ingredient_id}", None, None, rng.choice(PORTIONS),
               None, rng.randint(0, 1), 0, rng.randint(0, 1), 0.0, 0)
        below = [i for lower in self.levels[:level] for i in lower[-4000:]]
        components = rng.sample(below, rng.randint(2, 4))
        self.children[ingredient_id] = components
        for kind, share in zip(components, shares(rng, len(components))):
            value_giving = int(rng.random() < 0.1)
            self.anteile.append((ingredient_id, kind, share, 1, int(rng.random() < 0.1),
                                 value_giving, int(value_giving and rng.random() < 0.3), 0))
        return row

    def make_ingredients(self):
        composed = self.ingredient_count // 10
        plain = self.ingredient_count - composed
        for n in range(plain):
            ingredient_id = 10000 + n
            self.ingredients.append(self.plain_ingredient(ingredient_id))
            self.levels[0].append(ingredient_id)
        for n in range(composed):
            ingredient_id = 10000 + plain + n
            level = 1 + n * COMPOSED_LEVELS // composed
            self.ingredients.append(self.composed_ingredient(ingredient_id, level))
            self.levels[level].append(ingredient_id)

    @functools.lru_cache(maxsize=None)
    def occurrences(self, ingredient_id):
        """How many tree nodes one use of the ingredient expands to, itself included."""
        return 1 + sum(self.occurrences(kind) for kind in self.children.get(ingredient_id, []))

    def menu_components(self):
        rng = self.rng
        everything = [i for level in self.levels for i in level]
        target = rng.randint(MIN_OCCURRENCES, MAX_OCCURRENCES)
        components, total = [], 0
        while total < MIN_OCCURRENCES or (total < target and len(components) < 20):
            kind = rng.choice(everything)
            size = self.occurrences(kind)
            if kind in components or total + size > MAX_OCCURRENCES:
                continue
            components.append(kind)
            total += size
        return components

    def make_menus(self):
        menus, mengen = [(0, "Arbeitsbereich für zusammengesetzte Zutaten", None) + (0,) * 9], []
        rng = self.rng
        for n in range(self.menu_count):
            menu_id = 100000 + n
            nutrition = tuple(round(rng.uniform(0, upper), 1)
                              for upper in (900, 20, 30, 10, 15, 8, 5, 1, 3))
            menus.append((menu_id, f"Menü {menu_id} mit {rng.choice(WORDS)}", None) + nutrition)
            for kind in self.menu_components():
                value_giving = int(rng.random() < 0.15)
                mengen.append((menu_id, kind, rng.randint(5, 250), 1,
                               int(rng.random() < 0.3), value_giving, 0))
        return menus, mengen


def write(target, generator):
    menus, mengen = generator.make_menus()
    partial = target + ".partial"
    if os.path.exists(partial):
        os.remove(partial)
    database = sqlite3.connect(partial)
    with open(os.path.join(ROOT, "data", "schema.sql"), encoding="utf-8") as schema:
        database.executescript(schema.read())
    database.executemany("INSERT INTO Zutaten VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                         generator.ingredients)
    database.executemany("INSERT INTO Anteile VALUES (?,?,?,?,?,?,?,?)", generator.anteile)
    database.executemany("INSERT INTO Menues VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", menus)
    database.executemany("INSERT INTO Mengen VALUES (?,?,?,?,?,?,?)", mengen)
    database.commit()
    database.close()
    os.replace(partial, target)
    print(f"{target}: {len(generator.ingredients)} ingredients, {len(menus) - 1} menus, "
          f"{len(mengen)} menu rows, {len(generator.anteile)} share rows")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("target")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--ingredients", type=int, default=20000)
    parser.add_argument("--menus", type=int, default=5000)
    arguments = parser.parse_args()
    generator = Generator(arguments.seed, arguments.ingredients, arguments.menus)
    generator.make_ingredients()
    write(arguments.target, generator)


if __name__ == "__main__":
    main()
