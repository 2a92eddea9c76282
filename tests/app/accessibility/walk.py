# The work window as a screen reader sees it: names and roles of the controls, a line of
# the algorithm selected and read back, one step run and the field's description read.
import os, re, subprocess, sys, time
import pyatspi

program, folder = sys.argv[1:3]
shagaika = subprocess.Popen([program], cwd=folder, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
failures = []


def wait_for(find, what, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("not found: " + what)


def named(root, role, name):
    return wait_for(lambda: pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and n.name == name),
                    f"{role} '{name}'")


def press(node):
    node.queryAction().doAction(0)


def enabled(node, what):
    wait_for(lambda: node.getState().contains(pyatspi.STATE_ENABLED), what + " enabled")


def selected_line(algorithm):
    rows = algorithm.queryTable().getSelectedRows()
    return algorithm[rows[0]].name if len(rows) == 1 else None


def walk():
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a and a.get_process_id() == shagaika.pid), None), "the program")
    press(named(app, "push button", "Старт"))
    named(app, "text", "Ваша фамилия"), named(app, "text", "Ваше имя")
    named(app, "text", "Ваша команда").queryEditableText().setTextContents("Тест")
    press(named(app, "push button", "Готово"))
    work = wait_for(lambda: pyatspi.findDescendant(app, lambda n: "Ученик" in n.name), "the work window")
    controls = ("push button", "check box", "text", "list", "combo box", "menu item", "menu bar", "tool bar", "image")
    for node in pyatspi.findAllDescendants(work, lambda n: n.getRoleName() in controls):
        if not node.name.strip() or node.name != node.name.strip():
            failures.append(f"{node.getRoleName()} named '{node.name}' in {node.parent.name}")
    items = {item.name: item for item in named(work, "menu bar", "Этапы работы")}
    if list(items) != ["Начать", "Разработка", "Отладка", "Точки", "Размер поля", "Образец"]:
        failures.append(f"stage menu: {list(items)}")
    for role, name in (("push button", "Прервать выполнение (Ctrl+F2)"),
                       ("text", "Точка Б, Y"), ("list", "Статистика")):
        named(work, role, name)

    press(items["Начать"])
    enabled(items["Разработка"], "Разработка")
    field = named(work, "image", "Поле Шагайки")
    start = wait_for(lambda: re.search(r"клетке X=(\d+), Y=(\d+), смотрит (\w+)", field.description), "where")
    press(items["Разработка"])
    algorithm = named(work, "list", "Алгоритм")
    rows = [line.name for line in algorithm]
    for line in ("НАЧ", "КОН"):
        algorithm.queryTable().addRowSelection(rows.index(line))
        wait_for(lambda: selected_line(algorithm) == line, "the selected line " + line, 5)
    # Two turns: a step pauses before the second, as it does not before "КОН".
    turn = named(work, "push button", "ПОВОРОТ F4")
    press(turn)
    wait_for(lambda: algorithm.childCount == len(rows) + 1, "the first turn")
    press(turn)
    wait_for(lambda: algorithm.childCount == len(rows) + 2, "the second turn")
    enabled(items["Отладка"], "Отладка")
    press(items["Отладка"])
    step = named(work, "push button", "Один шаг (F9)")
    enabled(step, "Один шаг")
    # A turn, which no wall can stop: the same cell, the next heading counter-clockwise.
    headings = ["вправо", "вверх", "влево", "вниз", "вправо"]
    moved = f"клетке X={start[1]}, Y={start[2]}, смотрит {headings[headings.index(start[3]) + 1]}"
    pause = named(work, "check box", "Пауза (Ctrl+F9)")
    # The first step starts the run paused on its first line; then a line a step: the list
    # shows the next line when it begins, the pause button when it is done.
    for _ in range(len(rows) + 2):
        before = list(algorithm.queryTable().getSelectedRows())
        press(step)
        wait_for(lambda: list(algorithm.queryTable().getSelectedRows()) != before, "the next line", 20)
        wait_for(lambda: pause.getState().contains(pyatspi.STATE_CHECKED), "the pause", 20)
        if moved in field.description:
            break
    if moved not in field.description or selected_line(algorithm).strip() != "ПОВОРОТ":
        failures.append(f"after the step: '{field.description}', '{selected_line(algorithm)}' selected")


try:
    walk()
except Exception as error:  # any failure of the walk fails the test
    failures.append(repr(error))
finally:
    shagaika.kill()
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
