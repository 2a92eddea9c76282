# The work window as a screen reader sees it: names and roles of the controls, a line of
# the algorithm selected and read back, one step run and the field's description read.
import os
import re
import subprocess
import sys
import time

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
    return wait_for(lambda: pyatspi.findDescendant(
        root, lambda n: n.getRoleName() == role and n.name == name), f"{role} '{name}'")


def press(node):
    node.queryAction().doAction(0)


def selected_line(algorithm):
    rows = algorithm.queryTable().getSelectedRows()
    return algorithm[rows[0]].name if len(rows) == 1 else None


def walk():
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a and a.get_process_id() == shagaika.pid), None), "the program")
    press(wait_for(lambda: pyatspi.findDescendant(app, lambda n: n.name == " Старт"), "Старт"))
    for field in ("Ваша фамилия", "Ваше имя"):
        named(app, "text", field)
    named(app, "text", "Ваша команда").queryEditableText().setTextContents("Тест")
    press(named(app, "push button", "Готово"))
    work = wait_for(lambda: pyatspi.findDescendant(
        app, lambda n: n.getRoleName() == "frame" and "Ученик" in n.name), "the work window")

    controls = ("push button", "check box", "text", "list", "combo box", "menu item", "menu bar",
                "tool bar", "image")
    for node in pyatspi.findAllDescendants(work, lambda n: n.getRoleName() in controls):
        if not node.name.strip() or node.name != node.name.strip():
            failures.append(f"{node.getRoleName()} named '{node.name}' in {node.parent.name}")
    menu = named(work, "menu bar", "Этапы работы")
    items = {item.name: item for item in menu}
    if list(items) != ["Начать", "Разработка", "Отладка", "Точки", "Размер поля", "Образец"]:
        failures.append(f"stage menu: {list(items)}")
    for role, name in (("push button", "Один шаг (F9)"), ("check box", "Пауза (Ctrl+F9)"),
                       ("push button", "Прервать выполнение (Ctrl+F2)"), ("text", "Точка Б, Y"),
                       ("list", "Статистика"), ("image", "Поле Шагайки")):
        named(work, role, name)

    press(items["Начать"])
    wait_for(lambda: items["Разработка"].getState().contains(pyatspi.STATE_ENABLED), "Разработка")
    field = named(work, "image", "Поле Шагайки")
    start = wait_for(lambda: re.search(r"клетке X=(\d+), Y=(\d+), смотрит (\w+)", field.description),
                     "the field's description")
    press(items["Разработка"])
    algorithm = named(work, "list", "Алгоритм")
    rows = [line.name for line in algorithm]
    for line in ("НАЧ", "КОН"):
        algorithm.queryTable().addRowSelection(rows.index(line))
        wait_for(lambda: selected_line(algorithm) == line, "the selected line " + line, 5)

    press(named(work, "push button", "ШАГ F2"))
    wait_for(lambda: items["Отладка"].getState().contains(pyatspi.STATE_ENABLED), "Отладка")
    press(items["Отладка"])
    step = named(work, "push button", "Один шаг (F9)")
    wait_for(lambda: step.getState().contains(pyatspi.STATE_ENABLED), "Один шаг enabled")
    column, row = int(start[1]), int(start[2])
    dx, dy = {"вправо": (1, 0), "вверх": (0, -1), "влево": (-1, 0), "вниз": (0, 1)}[start[3]]
    moved = f"клетке X={column + dx}, Y={row + dy}"
    # The first step starts the run paused on its first line; then a line a step.
    for _ in range(4):
        press(step)
        time.sleep(1)
        if moved in field.description:
            break
    if moved not in field.description:
        failures.append(f"after the step: '{field.description}', expected {moved}")
    if selected_line(algorithm) != "КОН":
        failures.append(f"after the step the list shows '{selected_line(algorithm)}'")


try:
    walk()
except Exception as error:  # noqa: BLE001 - any failure of the walk is the test's failure
    failures.append(repr(error))
finally:
    shagaika.kill()
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
