"""What the window probe reports, parsed: windows with their rectangles and the rows, columns,
tree items, tabs and combo-box entries of the controls among them."""

from dataclasses import dataclass, field

_ESCAPES = {"\\": "\\", "t": "\t", "r": "\r", "n": "\n"}


def _unescape(text):
    result, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            result.append(_ESCAPES.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            result.append(text[i])
            i += 1
    return "".join(result)


def _plain(text):
    """A label as read, without the mnemonic ampersands."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


@dataclass
class Rectangle:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def centre(self):
        return (self.left + self.right) // 2, (self.top + self.bottom) // 2

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top


@dataclass
class Column:
    index: int
    width: int
    title: str


@dataclass
class Row:
    index: int
    checked: object  # True, False, or None without a check box
    selected: bool
    label: Rectangle
    check_box: tuple  # the point to click, or None
    texts: list


@dataclass
class TreeItem:
    depth: int
    selected: bool
    expanded: bool
    label: Rectangle
    text: str


@dataclass
class Tab:
    index: int
    selected: bool
    bounds: Rectangle
    text: str


@dataclass
class Window:
    depth: int
    handle: str
    class_name: str
    bounds: Rectangle
    visible: bool
    enabled: bool
    text: str
    columns: list = field(default_factory=list)
    rows: list = field(default_factory=list)
    items: list = field(default_factory=list)
    tabs: list = field(default_factory=list)
    entries: list = field(default_factory=list)

    @property
    def label(self):
        return _plain(self.text)

    def row_named(self, name):
        return next((row for row in self.rows if row.texts[0] == name), None)

    def item_named(self, name):
        """The tree item showing that item name, with or without its weight in brackets."""
        return next((item for item in self.items
                     if item.text == name or item.text.startswith(name + " (")), None)

    def item_texts(self):
        return [(item.depth, item.text) for item in self.items]

    def tab_named(self, text):
        return next((tab for tab in self.tabs if _plain(tab.text) == text), None)


class Snapshot:
    """All windows the probe printed, top-level ones at depth 0, in the probe's order."""

    def __init__(self, output):
        self.windows = []
        by_handle = {}
        for line in output.splitlines():
            fields = [_unescape(f) for f in line.split("\t")]
            kind = fields[0]
            if kind == "window":
                # Multi-line labels keep their Windows line breaks; the tests compare line feeds.
                text = fields[10].replace("\r\n", "\n")
                window = Window(int(fields[1]), fields[2], fields[3], _rectangle(fields[4:8]),
                                fields[8] == "1", fields[9] == "1", text)
                self.windows.append(window)
                by_handle[window.handle] = window
            elif kind in _CONTENT_PARSERS:
                owner = by_handle.get(fields[1])
                if owner is not None:
                    _CONTENT_PARSERS[kind](owner, fields[2:])

    def __bool__(self):
        return bool(self.windows)

    @property
    def tops(self):
        return [window for window in self.windows if window.depth == 0]

    @property
    def title(self):
        return self.tops[0].text if self.windows else None

    def find_all(self, class_name=None, text=None, visible=True):
        """Windows of that class (case-insensitive) and that label (without ampersands)."""
        return [w for w in self.windows
                if (class_name is None or w.class_name.lower() == class_name.lower())
                and (text is None or w.label == text)
                and (visible is None or w.visible == visible)]

    def find(self, class_name=None, text=None, visible=True):
        found = self.find_all(class_name, text, visible)
        return found[0] if found else None

    def field(self, label):
        """The visible edit field on the same line as, and right of, the label "label"."""
        caption = self.find("Static", label)
        if caption is None:
            return None
        middle = caption.bounds.centre[1]
        fields = [w for w in self.find_all("Edit")
                  if w.bounds.top <= middle <= w.bounds.bottom
                  and w.bounds.left >= caption.bounds.right]
        return min(fields, key=lambda w: w.bounds.left, default=None)

    def table(self, *titles):
        """The visible list view whose columns have exactly these titles."""
        return next((w for w in self.find_all("SysListView32")
                     if [c.title for c in w.columns] == list(titles)), None)


def _rectangle(fields):
    return Rectangle(*(int(f) for f in fields))


def _add_column(owner, f):
    owner.columns.append(Column(int(f[0]), int(f[1]), f[2]))


def _add_row(owner, f):
    checked = {"-1": None, "0": False, "1": True}[f[1]]
    check_box = (int(f[7]), int(f[8])) if f[7] != "-1" else None
    owner.rows.append(Row(int(f[0]), checked, f[2] == "1", _rectangle(f[3:7]), check_box, f[9:]))


def _add_item(owner, f):
    owner.items.append(TreeItem(int(f[0]), f[1] == "1", f[2] == "1", _rectangle(f[3:7]), f[7]))


def _add_tab(owner, f):
    owner.tabs.append(Tab(int(f[0]), f[1] == "1", _rectangle(f[2:6]), f[6]))


def _add_entry(owner, f):
    owner.entries.append(f[1])


_CONTENT_PARSERS = {"column": _add_column, "row": _add_row, "item": _add_item, "tab": _add_tab,
                    "entry": _add_entry}
