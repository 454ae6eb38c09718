"""Runs the label text tool as a user would and checks what it prints and how it ends.

usage: checkLabelText.py CASE EMULATOR PROGRAM
"""
import json
import os
import struct
import subprocess
import sys
import tempfile
import zlib

KEYS = {"id", "menuName", "titleWithQuid", "menuDesignation", "ingredientList", "fillQuantity",
        "meatText", "sweetenerNote"}

# Menu 101 of the sample data is the worked example of the labelling rules.
WORKED_EXAMPLE = {
    "titleWithQuid": "Hähnchenbrust_(40%), Reis",
    "menuDesignation": "Hähnchenbrust, Reis",
    "ingredientList": "Hähnchenbrust, Reis, Rahmsauce (Sahne, Champignons (40% in der "
                      "Rahmsauce), Wasser)",
    "fillQuantity": "400 g",
}


def run(command, *arguments, env=None):
    return subprocess.run(command + list(arguments), capture_output=True, env=env, timeout=50)


def fail(message, result=None):
    if result is not None:
        message += "\nexit code: %d\nstdout:\n%s\nstderr:\n%s" % (
            result.returncode, result.stdout.decode("utf-8", "replace"),
            result.stderr.decode("utf-8", "replace"))
    sys.exit(message)


def check_json_all(command):
    result = run(command, "--json", "--all")
    if result.returncode != 0:
        fail("--json --all must succeed", result)
    lines = result.stdout.decode("utf-8").splitlines()
    if not lines:
        fail("no menu was printed", result)
    menus = [json.loads(line) for line in lines]
    for menu in menus:
        if set(menu) != KEYS:
            fail("keys %s instead of %s" % (sorted(menu), sorted(KEYS)))
        if not isinstance(menu["id"], int) or not all(
                isinstance(menu[key], str) for key in KEYS - {"id"}):
            fail("wrong value types in %r" % menu)
    ids = [menu["id"] for menu in menus]
    if 0 in ids or ids != sorted(set(ids)):
        fail("menus must come once each in ascending order without menu 0: %r" % ids)
    example = next((menu for menu in menus if menu["id"] == 101), None)
    if example is None:
        fail("the sample database has no menu 101")
    for key, text in WORKED_EXAMPLE.items():
        if example[key] != text:
            fail("menu 101 %s is %r, not %r" % (key, example[key], text))


def check_unknown_menu(command):
    result = run(command, "101", "99999")
    if result.returncode == 0 or "Kein Menü mit der Art.-Nr. 99999." not in \
            result.stderr.decode("utf-8"):
        fail("an unknown menu must be reported and end with a non-zero code", result)
    if "Menü 101:" not in result.stdout.decode("utf-8"):
        fail("the known menu must still be printed", result)


def check_bad_argument(command):
    result = run(command, "12a")
    if result.returncode == 0 or "'12a'" not in result.stderr.decode("utf-8") or result.stdout:
        fail("a bad argument must be refused by name, with nothing printed", result)


def check_missing_data_source(command):
    with tempfile.TemporaryDirectory() as empty:
        env = dict(os.environ, ODBCSYSINI=empty)
        env.pop("ODBCINI", None)
        result = run(command, "101", env=env)
    if result.returncode == 0 or "nicht gefunden" not in result.stderr.decode("utf-8"):
        fail("a missing data source must be reported as not found", result)


def chunk_data(data, kind):
    position = 8
    while position < len(data):
        length, = struct.unpack(">I", data[position:position + 4])
        if data[position + 4:position + 8] == kind:
            yield data[position + 8:position + 8 + length]
        position += 12 + length


def unfiltered_rows(raw, stride, pixel, count):
    rows, previous = [], bytearray(stride)
    for start in range(0, min(len(raw), count * (stride + 1)), stride + 1):
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - pixel] if i >= pixel else 0
            up, corner = previous[i], previous[i - pixel] if i >= pixel else 0
            guess = left + up - corner
            paeth = min((abs(guess - left), left), (abs(guess - up), up),
                        (abs(guess - corner), corner), key=lambda pair: pair[0])[1]
            row[i] = (row[i] + [0, left, up, (left + up) // 2, paeth][kind]) & 0xFF
        rows.append(bytes(row))
        previous = row
    return rows


def check_png(command):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "etikett-101.png")
        result = run(command, "--png", path, "101")
        if result.returncode != 0 or not os.path.exists(path):
            fail("--png must write the label picture", result)
        with open(path, "rb") as picture:
            data = picture.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        fail("not a PNG file")
    width, height = struct.unpack(">II", data[16:24])
    # 605 x 454 label units of 1/96 inch at 300 dpi.
    if (width, height) != (1891, 1419):
        fail("a 300 dpi label is 1891 x 1419 pixels, not %d x %d" % (width, height))
    # The rows down to the designation (baseline 145 label units) hold the menu name.
    rows = unfiltered_rows(zlib.decompress(b"".join(chunk_data(data, b"IDAT"))), width * 3, 3,
                           460)
    dark = sum(1 for row in rows for value in row[::3] if value < 128)
    if data[24:26] != b"\x08\x02" or rows[0][:3] != b"\xff\xff\xff" or dark < width:
        fail("the label picture must be a white 24-bit page with dark text on it")


def check_png_unwritable(command):
    result = run(command, "--png", "/kein/solcher/ordner/etikett.png", "101")
    if result.returncode != 2 or "kann nicht geschrieben werden" not in \
            result.stderr.decode("utf-8"):
        fail("an unwritable picture path must end with code 2 and say so", result)


CASES = {
    "jsonAll": check_json_all,
    "unknownMenu": check_unknown_menu,
    "badArgument": check_bad_argument,
    "missingDataSource": check_missing_data_source,
    "png": check_png,
    "pngUnwritable": check_png_unwritable,
}

if __name__ == "__main__":
    if len(sys.argv) < 3 or sys.argv[1] not in CASES:
        sys.exit(__doc__)
    CASES[sys.argv[1]](sys.argv[2:])
