"""Meets the running program through its accessibility tree, as a screen reader user would.

Checks the tree's shape (each equation a named group of its four fields, no node for the drawn
x's, signs and brace, a grid of cells alone), finds every field, button and the tableau grid by
the names they are announced with, types the worked example through the editable text interface,
presses the buttons through their actions and reads the tableau back through the table interface,
cell by cell. Started by run.sh, which provides the display, the buses and the program.
"""

import argparse
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Metodo del simplesso, Simplesso didattico"
CALCULATE = "Calcola il simplesso"
NEXT_STEP = "Passo successivo"
PREVIOUS_STEP = "Passo precedente"
EXPLANATION = "Spiegazione"
GRID = "Tabella del Pivot"
VARIABLES = "Numero di variabili"
CONSTRAINTS_COUNT = "Numero di vincoli"
DUAL = "Simplesso duale"
ADD_CONSTRAINT = "Aggiungi vincolo"
INTEGER = "Variabili intere"
GOMORY_CUT = "Taglio di Gomory"
BRANCH = "Branch and bound"
ROWS, COLS = 10, 9
COLUMN_WIDTHS = {0: 700 // 15, 1: 1200 // 15}  # logical pixels, grid line included

# The worked example: objective 4 x1 + 6 x2 + 2 x3 + 0, three "less than" constraints.
OBJECTIVE = ("4", "6", "2", "0")
CONSTRAINTS = (("2", "1", "3", "18"), ("1", "2", "4", "8"), ("3", "1", "1", "15"))
# A first phase: the second row's negative known term turns it into a "greater than" row.
TWO_PHASE = ("1", "2", "3", "0", "1", "1", "1", "5", "1", "1", "1", "-5", "1", "1", "1", "5")


def equations():
    """(title, values) of the objective row and of each constraint row."""
    return [("Funzione economica", OBJECTIVE)] + [
        (f"Vincolo {r}", values) for r, values in enumerate(CONSTRAINTS, start=1)]


def field_names():
    """Accessible name of every field, with the text the example puts in it."""
    terms = [f"coefficiente di x{v}" for v in (1, 2, 3)] + ["termine noto"]
    return [(f"{row}, {term}", value)
            for row, values in equations() for term, value in zip(terms, values)]


def equation(title, values):
    """How a row of fields is announced: the equation it shows, "…" for a blank field."""
    a, b, c, known = (v or "…" for v in values)
    sides = f"{a} x1 più {b} x2 più {c} x3"
    if title == "Funzione economica":
        return f"{title}: Z uguale a {sides} più {known}"
    return f"{title}: {sides} minore di {known}"


def expected_shape(typed):
    """The window's tree as (role, name, children), the grid's cells left out."""
    def row(title, values):
        fields = [("text", name, []) for name, _ in field_names() if name.startswith(title + ",")]
        if title.startswith("Vincolo"):
            fields.insert(0, ("push button", f"Verso del vincolo {title[-1]}", []))
        return ("panel", equation(title, values if typed else ("",) * 4), fields)

    rows = [row(title, values) for title, values in equations()]
    return ("frame", TITLE, [
        ("panel", "Funzione economica", [
            ("label", "Inserire i valori della funzione economica :", []), rows[0]]),
        ("panel", "Vincoli", [("label", "Inserire le equazioni dei vincoli :", [])] + rows[1:]),
        ("push button", CALCULATE, []),
        ("panel", GRID, [("table", GRID, []), ("push button", NEXT_STEP, []),
                         ("push button", PREVIOUS_STEP, []),
                         ("push button", GOMORY_CUT, []),
                         ("push button", BRANCH, [])]),
        ("check box", "Frazioni", []),
        ("check box", "Esercitati", []),
        ("push button", "Salva la lezione…", []),
        ("label", EXPLANATION, []),
        ("check box", "Minimizza", []),
        ("push button", "Regione ammissibile", []),
        ("push button", "Analisi di sensitività", []),
        ("label", VARIABLES, []),
        ("spin button", VARIABLES, []),
        ("label", CONSTRAINTS_COUNT, []),
        ("spin button", CONSTRAINTS_COUNT, []),
        ("push button", "Apri esercizio…", []),
        ("push button", "Salva esercizio…", []),
        ("check box", DUAL, []),
        ("push button", ADD_CONSTRAINT, []),
        ("check box", INTEGER, []),
    ])


def shape(accessible):
    children = [] if accessible.getRole() == pyatspi.ROLE_TABLE else [
        shape(child) for child in accessible if child is not None]
    return (accessible.getRoleName(), accessible.name, children)


def check_shape(window, typed, when):
    def lines(node, depth=0):
        role, name, children = node
        yield f"{'  ' * depth}{role} {name!r}"
        for child in children:
            yield from lines(child, depth + 1)

    expected = list(lines(expected_shape(typed)))
    seen = wait_for(f"the tree's shape {when}",
                    lambda: (list(lines(shape(window))) == expected, list(lines(shape(window)))))
    return seen


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def check_table_shape(grid, table):
    """Cells only, child r * COLS + c being model cell (r, c), laid out as the grid shows them:
    each cell ends one grid line short of the next one."""
    roles = {child.getRoleName() for child in grid if child is not None}
    if grid.childCount != ROWS * COLS or roles != {"table cell"}:
        raise Failure(f"the grid has {grid.childCount} children of roles {sorted(roles)}, "
                      f"expected {ROWS * COLS} table cells")
    gx, gy, gw, gh = extents(grid)
    for r in range(ROWS):
        for c in range(COLS):
            at = (table.getIndexAt(r, c), table.getRowAtIndex(r * COLS + c),
                  table.getColumnAtIndex(r * COLS + c))
            if at != (r * COLS + c, r, c):
                raise Failure(f"cell ({r},{c}) has index, row and column {at}")
            x, y, w, h = extents(table.getAccessibleAt(r, c))
            right = extents(table.getAccessibleAt(r, c + 1))[0] if c + 1 < COLS else None
            below = extents(table.getAccessibleAt(r + 1, c))[1] if r + 1 < ROWS else None
            if (not (gx <= x and gy <= y and x + w <= gx + gw and y + h <= gy + gh)
                    or right not in (None, x + w + 1) or below not in (None, y + h + 1)
                    or w + 1 != COLUMN_WIDTHS.get(c, w + 1)):
                raise Failure(f"cell ({r},{c}) lies at {(x, y, w, h)} in a grid at "
                              f"{(gx, gy, gw, gh)}; the next cells start at x={right}, y={below}")


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=10.0):
    """Polls probe() until it returns (True, value); fails with what was last seen."""
    deadline = time.monotonic() + timeout
    seen = None
    while True:
        try:
            done, seen = probe()
            if done:
                return seen
        except GLib.GError as error:  # the object may be going away or not be there yet
            seen = f"error: {error.message}"
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}; "
                          f"last seen: {seen!r}")
        time.sleep(0.1)


def states(accessible):
    return accessible.getState()


def is_enabled(accessible):
    state = states(accessible)
    return state.contains(pyatspi.STATE_ENABLED) and state.contains(pyatspi.STATE_SENSITIVE)


def find_window(pid):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        titles = []
        for app in desktop:
            if app is None or app.get_process_id() != pid:
                continue
            for window in app:
                if window is not None:
                    titles.append(window.name)
                    if window.name == TITLE:
                        return True, (app, window)
        return False, titles
    return wait_for(f"a window titled {TITLE!r} from process {pid}", probe, timeout=20)


def named_descendants(window):
    """Every named object under the window, by name; the grid's cells are left out."""
    found = {}

    def walk(accessible):
        for child in accessible:
            if child is None:
                continue
            if child.name:
                found.setdefault(child.name, []).append(child)
            if child.getRole() != pyatspi.ROLE_TABLE:
                walk(child)

    walk(window)
    return found


def only(found, name, role):
    matches = [a for a in found.get(name, []) if a.getRole() == role]
    if len(matches) != 1:
        others = [a.getRoleName() for a in found.get(name, [])]
        kind = str(role).removeprefix("ROLE_").replace("_", " ").lower()
        raise Failure(f"expected one {kind} named {name!r}, found {len(matches)} "
                      f"(objects with that name: {others or 'none'})")
    return matches[0]


def press(button, name):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"{name!r} offers no Press action, only {names}")
    if not action.doAction(names.index("Press")):
        raise Failure(f"the Press action of {name!r} was refused")


def cell(table, row, col):
    return table.getAccessibleAt(row, col).name


def check_cells(table, expected, when):
    wrong = [f"({r},{c}) is {cell(table, r, c)!r}, expected {text!r}"
             for (r, c), text in expected.items() if cell(table, r, c) != text]
    if wrong:
        raise Failure(f"{when}: " + "; ".join(wrong))


def wait_for_cell(table, row, col, text, when):
    wait_for(f"cell ({row},{col}) to read {text!r} {when}",
             lambda: (cell(table, row, col) == text, cell(table, row, col)))


def app_window(app, title):
    """The application's one top-level window of that title, once it is there."""
    def probe():
        windows = [w for w in app if w is not None and w.name == title]
        if len(windows) == 1:
            return True, windows[0]
        return False, [(w.getRoleName(), w.name) for w in app if w is not None]
    return wait_for(f"a window titled {title!r}", probe)


def close_end_message(app, check):
    """Waits for the closing message "Fine", runs `check` while it is open, and presses its OK."""
    box = app_window(app, "Fine")
    check()
    ok_button = pyatspi.utils.findDescendant(
        box, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "OK")
    if ok_button is None:
        raise Failure("the closing message has no 'OK' button")
    press(ok_button, "OK")
    wait_for("the closing message to go away",
             lambda: (not any(w is not None and w.name == "Fine" for w in app), app.childCount))


def set_fields(fields, values):
    """Types each value into its field through the editable text interface."""
    for name, value in values.items():
        field = fields[name][0]
        if not field.queryEditableText().setTextContents(value):
            raise Failure(f"the field {name!r} refused the text {value!r}")
        wait_for(f"the field {name!r} to hold {value!r}",
                 lambda f=field, v=value: (f.queryText().getText(0, -1) == v,
                                          f.queryText().getText(0, -1)), timeout=5)


def run(pid):
    app, window = find_window(pid)
    if window.getRole() != pyatspi.ROLE_FRAME:
        raise Failure(f"the window is announced as a {window.getRoleName()}, not as a frame")
    print(f"ok - window {TITLE!r} found ({window.getRoleName()})")

    found = named_descendants(window)
    fields = {}
    for name, value in field_names():
        field = only(found, name, pyatspi.ROLE_TEXT)
        fields[name] = (field, value)
    calculate = only(found, CALCULATE, pyatspi.ROLE_PUSH_BUTTON)
    next_step = only(found, NEXT_STEP, pyatspi.ROLE_PUSH_BUTTON)
    previous_step = only(found, PREVIOUS_STEP, pyatspi.ROLE_PUSH_BUTTON)
    explanation = only(found, EXPLANATION, pyatspi.ROLE_LABEL)
    grid = only(found, GRID, pyatspi.ROLE_TABLE)
    table = grid.queryTable()
    if (table.nRows, table.nColumns) != (ROWS, COLS):
        raise Failure(f"the grid has {table.nRows} rows and {table.nColumns} columns, "
                      f"expected {ROWS} by {COLS}")
    print(f"ok - {len(fields)} fields, both buttons and the {ROWS}x{COLS} grid found by name")

    check_shape(window, False, "at start")
    print("ok - each equation is one group named by it, with no node for x's, signs or brace")
    check_table_shape(grid, table)
    print(f"ok - the grid holds its {ROWS * COLS} cells alone, at the model's coordinates")

    state = states(next_step)
    if state.contains(pyatspi.STATE_ENABLED) or state.contains(pyatspi.STATE_SENSITIVE):
        raise Failure(f"{NEXT_STEP!r} is announced as usable before any tableau exists: "
                      f"{state.getStates()}")
    print(f"ok - {NEXT_STEP!r} starts disabled")

    set_fields(fields, {name: value for name, (_, value) in fields.items()})
    check_shape(window, True, "once the example is typed")
    print("ok - the worked example typed into the fields, each row read as its equation")

    press(calculate, CALCULATE)
    wait_for_cell(table, 0, 2, "x1", f"after {CALCULATE!r}")
    expected = {(0, 2 + v): f"x{1 + v}" for v in range(6)}
    expected.update({(1, 1): "x4", (2, 1): "x5", (3, 1): "x6", (5, 1): "Cr:", (6, 1): "DELTA r:",
                     (8, 1): "Soluzione:", (9, 1): "Z =", (9, 2): "0"})
    check_cells(table, expected, f"after {CALCULATE!r}")
    first_tableau = expected
    print("ok - the first tableau is readable cell by cell")

    wait_for(f"{NEXT_STEP!r} to become enabled", lambda: (is_enabled(next_step),
                                                          states(next_step).getStates()))
    print(f"ok - {NEXT_STEP!r} enabled once the tableau is built")

    press(next_step, NEXT_STEP)
    wait_for_cell(table, 2, 1, "x2", "after the first pivot")
    check_cells(table, {(1, 1): "x4", (3, 1): "x6", (9, 2): " 24"}, "after the first pivot")
    print("ok - the first pivot brings x2 into the basis, Z = 24")

    wait_for("the explanation of the first pivot",
             lambda: (explanation.description.startswith("Entra x2:"), explanation.description))
    print(f"ok - {EXPLANATION!r} reads the pivot out: {explanation.description!r}")
    wait_for(f"{PREVIOUS_STEP!r} to become enabled",
             lambda: (is_enabled(previous_step), states(previous_step).getStates()))
    press(previous_step, PREVIOUS_STEP)
    wait_for_cell(table, 2, 1, "x5", "after going back")
    wait_for(f"{PREVIOUS_STEP!r} to be disabled at the initial tableau",
             lambda: (not is_enabled(previous_step), states(previous_step).getStates()))
    press(next_step, NEXT_STEP)
    wait_for_cell(table, 2, 1, "x2", "after the pivot made again")
    check_cells(table, {(9, 2): " 24"}, "after the pivot made again")
    print(f"ok - {PREVIOUS_STEP!r} goes back to the initial tableau and the pivot is made again")

    # The next step ends the computation with a modal message, which must reach the user too.
    press(next_step, NEXT_STEP)
    close_end_message(app, lambda: check_cells(table, {(9, 2): " 28.4"}, "at the end"))
    print("ok - the closing message is announced and dismissed, Z = 28.4")
    add = only(named_descendants(window), ADD_CONSTRAINT, pyatspi.ROLE_PUSH_BUTTON)
    wait_for(f"{ADD_CONSTRAINT!r} to become enabled at the optimum",
             lambda: (is_enabled(add), states(add).getStates()))
    print(f"ok - {ADD_CONSTRAINT!r} is offered once the lesson ends on an optimum")

    # A screen reader that has read every cell, then a tableau of another width: every cell must
    # still come through, and again once today's width is back.
    every_cell = [(r, c) for r in range(ROWS) for c in range(COLS)]
    for r, c in every_cell:
        cell(table, r, c)
    set_fields(fields, dict(zip((name for name, _ in field_names()), TWO_PHASE)))
    press(calculate, CALCULATE)
    wait_for("the grid to widen for the first phase",
             lambda: (table.nColumns > COLS, table.nColumns))
    wait_for_cell(table, 9, 1, "W =", "after setting up a first phase")
    header = [cell(table, 0, c) for c in range(2, table.nColumns - 1)]  # the known terms have none
    basis = [cell(table, r, 1) for r in (1, 2, 3)]
    if not all(header) or not all(basis):
        raise Failure(f"after the grid widened, cells read empty: header {header}, basis {basis}")
    print(f"ok - the widened grid of {table.nColumns} columns reads out: {' '.join(header)}")
    set_fields(fields, dict(field_names()))
    press(calculate, CALCULATE)
    wait_for("the grid to narrow again", lambda: (table.nColumns == COLS, table.nColumns))
    wait_for_cell(table, 9, 1, "Z =", "after setting up the example again")
    check_cells(table, first_tableau, "after the grid narrowed again")
    print("ok - back to today's width, the first tableau reads out cell by cell again")

    # The problem's size set through the spin buttons' values: the equations follow at once.
    for name, value in ((VARIABLES, 2), (CONSTRAINTS_COUNT, 4)):
        only(named_descendants(window), name, pyatspi.ROLE_SPIN_BUTTON).queryValue() \
            .currentValue = value

    def resized():
        found = named_descendants(window)
        present = [n for n in ("Vincolo 4, termine noto", "Vincolo 4, coefficiente di x2",
                               "Funzione economica, coefficiente di x3") if n in found]
        return present == ["Vincolo 4, termine noto", "Vincolo 4, coefficiente di x2"], present

    wait_for("the fields of two variables and four constraints", resized)
    print("ok - two variables and four constraints set by value, their fields found by name")


def run_opened(pid):
    """The program started on an exercise file that holds the worked example, its variables
    named sedie, tavoli and sgabelli: every field reads as typed, and the line says the names."""
    app, window = find_window(pid)
    wait_for("the exercise's fields", lambda: (
        shape(window) == expected_shape(True), shape(window)))
    explanation = only(named_descendants(window), EXPLANATION, pyatspi.ROLE_LABEL)
    names = "x1 = sedie, x2 = tavoli, x3 = sgabelli."
    if explanation.description != names:
        raise Failure(f"the explanation reads {explanation.description!r}, not {names!r}")
    print("ok - the exercise named on the command line fills every field, its names said")

    # Its variables are declared integer: at the fractional optimum, the branch and bound window
    # tells its tree in words through the outline and the drawing, shows the tree's end, and
    # gives the best node's tableau cell by cell.
    found = named_descendants(window)
    press(only(found, CALCULATE, pyatspi.ROLE_PUSH_BUTTON), CALCULATE)
    next_step = only(found, NEXT_STEP, pyatspi.ROLE_PUSH_BUTTON)
    for first in ("Entra x2:", "Entra x1:"):
        wait_for(f"{NEXT_STEP!r} to become enabled",
                 lambda: (is_enabled(next_step), states(next_step).getStates()))
        press(next_step, NEXT_STEP)
        wait_for(f"the explanation to begin {first!r}",
                 lambda: (explanation.description.startswith(first), explanation.description))
    close_end_message(app, lambda: None)
    branch = only(named_descendants(window), BRANCH, pyatspi.ROLE_PUSH_BUTTON)
    wait_for(f"{BRANCH!r} to become enabled", lambda: (is_enabled(branch),
                                                       states(branch).getStates()))
    press(branch, BRANCH)
    tree_window = app_window(app, BRANCH)
    found = named_descendants(tree_window)
    words = ("Nodo 1: Z = 142/5, x = (22/5; 9/5; 0), si dirama su x1. Nodo 2 (x1 ≤ 4): Z = 28, "
             "x = (4; 2; 0), intera, nuova soluzione migliore. Nodo 3 (x1 ≥ 5): Z = 20, "
             "x = (5; 0; 0), chiuso per limite. Ottimo intero: Z = 28, x = (4; 2; 0).")
    for name in ("Albero di branch and bound", "Disegno dell'albero"):
        told = [a.description for a in found.get(name, [])]
        if told != [words]:
            raise Failure(f"{name!r} tells {told!r}, not {words!r}")
    if "Ottimo intero: Z = 28, x = (4; 2; 0)." not in found:
        raise Failure(f"the tree's end is not among the window's texts: {sorted(found)}")
    node_table = only(found, "Tabella del nodo", pyatspi.ROLE_TABLE).queryTable()
    check_cells(node_table, {(10, 1): "Z =", (10, 2): "28"}, "in the best node's tableau")
    print("ok - the branch and bound tree is told in words, its end and its best node's tableau "
          "read out")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pid", type=int, required=True, help="process id of the program")
    parser.add_argument("--exercise", action="store_true",
                        help="the program was started on the worked example's exercise file")
    args = parser.parse_args()
    try:
        run_opened(args.pid) if args.exercise else run(args.pid)
    except (Failure, GLib.GError, NotImplementedError) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        return 1
    print("accessibility: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
