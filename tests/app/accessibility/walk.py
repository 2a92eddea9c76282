# The work window as a screen reader sees it: names and roles of the controls, a line of
# the algorithm selected and read back, one step run and the field's description read.
import os, re, subprocess, sys, time
import pyatspi

program, folder = sys.argv[1:3]
shagaika = subprocess.Popen([program], cwd=folder, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
failures = []

def wait_for(find, what, seconds=30):
    end = time.monotonic() + seconds
    while not (found := find()) and time.monotonic() < end:
        time.sleep(0.1)
    return found or sys.exit(f"FAIL: not found: {what} {failures}")

def named(root, role, name):
    return wait_for(lambda: pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and n.name == name), name)

def press(node):
    node.queryAction().doAction(0)

def has(node, state, what):
    return wait_for(lambda: node.getState().contains(state), what, 20)

def walk():
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == shagaika.pid), None), "the program")
    press(named(app, "push button", "Старт"))
    named(app, "text", "Ваша фамилия"), named(app, "text", "Ваше имя"), named(app, "text", "Ваша команда").queryEditableText().setTextContents("Тест")
    press(named(app, "push button", "Готово"))
    work = wait_for(lambda: pyatspi.findDescendant(app, lambda n: "Ученик" in n.name), "the work window")
    controls = ("push button", "check box", "text", "list", "combo box", "menu item", "menu bar", "tool bar", "image")
    for node in pyatspi.findAllDescendants(work, lambda n: n.getRoleName() in controls):
        if not node.name.strip() or node.name != node.name.strip():
            failures.append(f"{node.getRoleName()} named '{node.name}' in {node.parent.name}")
    items = {item.name: item for item in named(work, "menu bar", "Этапы работы")}
    if list(items) != ["Начать", "Разработка", "Отладка", "Точки", "Размер поля", "Образец", "Справка"]:
        failures.append(f"stage menu: {list(items)}")
    named(work, "push button", "Прервать выполнение (Ctrl+F2)"), named(work, "text", "Точка Б, Y")

    press(items["Начать"])
    has(items["Разработка"], pyatspi.STATE_ENABLED, "Разработка")
    field = named(work, "image", "Поле Шагайки")
    start = wait_for(lambda: re.search(r"клетке X=(\d+), Y=(\d+), смотрит (\w+)", field.description), "where")
    press(items["Разработка"])
    algorithm = named(work, "list", "Алгоритм")
    table = algorithm.queryTable()
    rows = [line.name for line in algorithm]
    for line in ("НАЧ", "КОН"):
        table.addRowSelection(rows.index(line))
        wait_for(lambda: list(table.getSelectedRows()) == [rows.index(line)], "the selected line " + line, 5)
    # Two turns, which no wall stops: a step pauses before the second, as it does not before "КОН".
    turn = named(work, "push button", "ПОВОРОТ F4")
    for count in (1, 2):
        press(turn)
        wait_for(lambda: algorithm.childCount == len(rows) + count, "a turn inserted")
    has(items["Отладка"], pyatspi.STATE_ENABLED, "Отладка")
    press(items["Отладка"])
    step, pause = named(work, "push button", "Один шаг (F9)"), named(work, "check box", "Пауза (Ctrl+F9)")
    has(step, pyatspi.STATE_ENABLED, "Один шаг")
    headings = ["вправо", "вверх", "влево", "вниз", "вправо"]
    turned = f"клетке X={start[1]}, Y={start[2]}, смотрит {headings[headings.index(start[3]) + 1]}"
    # The first step starts the run paused on its first line; then a line a step: the list
    # shows the next line when it begins, the pause button when it is done.
    for _ in range(len(rows) + 2):
        if turned in field.description:
            break
        before = list(table.getSelectedRows())
        press(step)
        wait_for(lambda: list(table.getSelectedRows()) != before, "the next line", 20)
        has(pause, pyatspi.STATE_CHECKED, "the pause")
    selected = algorithm[table.getSelectedRows()[0]].name
    if turned not in field.description or selected.strip() != "ПОВОРОТ":
        failures.append(f"after the turn: '{field.description}', the list shows '{selected}'")

try:
    walk()
finally:
    shagaika.kill()
print("\n".join("FAIL: " + failure for failure in failures))
sys.exit(1 if failures else 0)
