#!/usr/bin/env python3
"""Composes the label texts of every menu straight from a meals database file, as
`labeltext --json --all` prints them, without storing anything: the yardstick the program's
timings are held against, and a second opinion on its texts.

usage: compose-label-texts.py DATABASE > texts.json
"""
import json
import math
import sqlite3
import sys

SUGAR, SWEETENER = "Zucker", "Süßstoff"
TITLE_PORTIONS = ("he", "ge", "be", None)


def german(text):
    return text.replace(".", ",")


def percent_text(percent):
    text = "%.2g" % percent
    if "e" in text:
        text = "%.0f" % percent
    return german(text) + "%"


class Item:
    """An occurrence, an entry (a copy of one) or a class group."""

    def __init__(self, **values):
        self.__dict__.update(values)
        self.components, self.quids = [], []

    @property
    def label_name(self):
        return self.sales_name or self.name

    def dative_plural(self):
        return self.dativ or self.label_name

    def dative_phrase(self):
        if self.is_menu:
            return ""
        article = "in den" if self.plural else "in der" if self.female else "im"
        return f" {article} {self.dative_plural()}"

    def variable_shares(self):
        if self.is_menu:
            return False
        return (self.parent is not None and self.parent.variable_shares()) or self.variable

    def copy(self):
        copied = Item(**{k: v for k, v in self.__dict__.items()
                         if k not in ("components", "quids")})
        copied.sales_name, copied.dativ = self.label_name, self.dative_plural()
        copied.variable = self.variable_shares()
        return copied


def insert_sorted(items, item):
    index = 0
    while index < len(items) and items[index].weight >= item.weight:
        index += 1
    items.insert(index, item)


class Database:
    def __init__(self, path):
        self.db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
        self.db.row_factory = sqlite3.Row
        self.ingredients = {row["ID"]: row for row in self.db.execute("SELECT * FROM Zutaten")}
        self.shares = {}
        for row in self.db.execute("SELECT * FROM Anteile ORDER BY Anteil DESC"):
            self.shares.setdefault(row["Eltern"], []).append(row)
        self.fills = {}
        for row in self.db.execute("SELECT * FROM Mengen ORDER BY Fuellmenge DESC"):
            self.fills.setdefault(row["Eltern"], []).append(row)

    def menus(self):
        return self.db.execute("SELECT * FROM Menues WHERE ID <> 0 ORDER BY ID")

    def occurrence(self, share, amount, parent, path):
        kind = share["Kind"]
        row = self.ingredients.get(kind)
        if kind is None or kind in path or row is None:
            return None
        flags = {key: bool(share[column]) if column in share.keys() else False
                 for key, column in (("own", "mengeAngeben"), ("value_giving", "wertgebend"),
                                     ("of_menu", "mengeAufMenueBeziehen"),
                                     ("in_title", "imTitel"),
                                     ("variable", "veraenderlicheAnteile"))}
        occurrence = Item(is_menu=False, id=kind, name=row["Name"] or "",
                          sales_name=row["Verkehrsbezeichnung"] or "",
                          dativ=row["DativPlural"] or row["Verkehrsbezeichnung"] or row["Name"] or "",
                          portion=row["Portion"] or "", additive_class=row["Klasse"] or "",
                          female=bool(row["weiblich"]), plural=bool(row["Plural"]),
                          labelled=bool(row["kennzPflichtig"]),
                          meat_share=row["Fleischanteil"] or 0.0,
                          meat_declared=bool(row["fleischanteilAngeben"]),
                          amount=amount, weight=amount, parent=parent, children=[], **flags)
        for child in self.shares.get(kind, []):
            below = self.occurrence(child, (child["Anteil"] or 0.0) * amount, occurrence,
                                    path | {kind})
            if below is not None:
                occurrence.children.append(below)
        return occurrence


class Composer:
    def __init__(self, menu, database):
        self.menu = Item(is_menu=True, name=menu["Name"] or "", children=[], parent=None)
        for fill in database.fills.get(menu["ID"], []):
            child = database.occurrence(fill, float(fill["Fuellmenge"] or 0), self.menu, set())
            if child is not None:
                self.menu.children.append(child)
        self.total = sum(child.amount for child in self.menu.children)
        self.title_items, self.sweetener = [], ""

    def meat(self, node):
        grams = 0.0
        for child in node.children:
            grams += (child.meat_share * child.amount if child.meat_declared
                      else self.meat(child))
        return grams

    def add_quid(self, quids, quid):
        summed = next((q for q in quids if q.of_menu), None) if quid.of_menu else None
        if summed is not None:
            summed.weight += quid.weight
        else:
            insert_sorted(quids, quid.copy())

    def flatten(self, node, entries):
        for child in node.children:
            if child.in_title:
                self.title_items.append(child)
            if child.children and not child.labelled and (not child.value_giving
                                                          or child.in_title):
                self.flatten(child, entries)
                continue
            entry = next((e for e in entries if e.id == child.id), None)
            if entry is not None:
                entry.weight += child.amount
                entries.remove(entry)
                insert_sorted(entries, entry)
            else:
                entry = child.copy()
                entry.weight = child.amount
                insert_sorted(entries, entry)
            if child.value_giving:
                self.add_quid(entry.quids, child)
            if child.children:
                self.flatten(child, entry.components)

    def merge_by_name(self, entries):
        i = 0
        while i < len(entries):
            first = entries[i]
            later = i + 1
            while later < len(entries):
                same = entries[later]
                if same.label_name != first.label_name:
                    later += 1
                    continue
                first.weight += same.weight
                first.components.extend(same.components)
                for quid in same.quids:
                    self.add_quid(first.quids, quid)
                first.value_giving = first.value_giving or same.value_giving
                del entries[later]
            for before in range(i):
                if entries[before].weight < first.weight:
                    del entries[i]
                    entries.insert(before, first)
                    break
            i += 1
        for entry in entries:
            self.merge_by_name(entry.components)

    def group_by_class(self, entries):
        groups = {}
        i = 0
        while i < len(entries):
            entry = entries[i]
            self.group_by_class(entry.components)
            if not entry.additive_class or entry.additive_class == SUGAR:
                i += 1
                continue
            if entry.additive_class == SWEETENER:
                self.sweetener = "Mit Süßungsmittel"
            group = groups.get(entry.additive_class)
            if group is None:
                group = Item(is_menu=False, id=0, name=entry.additive_class, sales_name="",
                             dativ="", portion="", additive_class="", class_valid=True,
                             female=False, plural=False, labelled=True, amount=0.0, weight=0.0,
                             parent=entry.parent, value_giving=False, in_title=False,
                             of_menu=False, variable=False, own=True)
                groups[entry.additive_class] = group
            member = entry.copy()
            member.parent = group
            group.weight += member.weight
            insert_sorted(group.components, member)
            del entries[i]
        for group in groups.values():
            insert_sorted(entries, group)

    def title(self):
        def taken(item, code):
            if code is None:
                return not item.portion
            return bool(item.portion) and item.portion.startswith(code)

        with_quid, plain, written = [], [], []
        for code in TITLE_PORTIONS:
            for item in self.title_items:
                if not taken(item, code) or item.label_name in written:
                    continue
                written.append(item.label_name)
                part = [i for i in self.title_items if i.label_name == item.label_name
                        and any(taken(i, c) for c in TITLE_PORTIONS)]
                weight = 0.0
                for i in part:
                    weight += i.weight
                percent = ""
                if any(i.value_giving for i in part):
                    p = weight * (1.0 / self.total) * 100.0 if self.total > 0 else 0.0
                    percent = "_(100%)" if p >= 100.0 else f"_({percent_text(p)})"
                with_quid.append(item.label_name + percent)
                plain.append(item.label_name)
        return ", ".join(with_quid), ", ".join(plain)

    def amount_of(self, item):
        return self.total if item.is_menu else item.amount

    def of_menu(self, weight):
        return weight / self.total * 100.0 if self.total > 0 else 0.0

    def declaration(self, entry):
        if not entry.value_giving or entry.in_title:
            return ""
        if not entry.quids:
            parent_amount = self.amount_of(entry.parent)
            p = entry.amount / parent_amount * 100.0 if parent_amount > 0 else 100.0
            if p < 100.0:
                return f" ({percent_text(p)}{entry.parent.dative_phrase()})"
            return f" ({percent_text(self.of_menu(entry.amount))})"
        texts = []
        for quid in entry.quids:
            parent_amount = self.amount_of(quid.parent)
            p = quid.weight / parent_amount * 100.0 if parent_amount > 0 else 100.0
            if p < 100.0 and not quid.of_menu:
                texts.append(percent_text(p) + quid.parent.dative_phrase())
            else:
                texts.append(percent_text(self.of_menu(quid.weight)))
        return " (" + ", ".join(texts) + ")"

    def write(self, entries):
        parts = []
        for entry in entries:
            text = entry.label_name + self.declaration(entry)
            if entry.components:
                brackets = not (is_class(entry) and len(entry.components) <= 1)
                inner = self.write(entry.components)
                if entry.variable_shares():
                    inner += " in veränderlichen Gewichtsanteilen"
                text += " (" + inner + ")" if brackets else " " + inner
            parts.append(text)
        return ", ".join(parts)

    def texts(self):
        meat_weight = self.meat(self.menu)
        meat_content = -math.floor(-meat_weight + 0.5)
        entries = []
        self.flatten(self.menu, entries)
        self.merge_by_name(entries)
        self.group_by_class(entries)
        with_quid, designation = self.title()
        meat = ("Fleischlos" if meat_weight == 0.0 else
                "< 1 g" if meat_content == 0 and meat_weight > 0.0 else f"{meat_content} g")
        return {"titleWithQuid": with_quid, "menuDesignation": designation,
                "ingredientList": self.write(entries),
                "fillQuantity": german("%G" % self.total) + " g", "meatText": meat,
                "sweetenerNote": self.sweetener}


def is_class(item):
    return bool(item.additive_class) or getattr(item, "class_valid", False)


def main():
    database = Database(sys.argv[1])
    out = sys.stdout
    for menu in database.menus():
        texts = {"id": menu["ID"], "menuName": menu["Name"] or ""}
        texts.update(Composer(menu, database).texts())
        out.write(json.dumps(texts, ensure_ascii=False, separators=(",", ":")) + "\n")


if __name__ == "__main__":
    main()
