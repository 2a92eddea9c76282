#!/usr/bin/env bash
# Draws docs/collection/<task>.png for every task folder of collection/ and writes the
# contents page docs/collection.md from the tasks' notes. Run it after adding or changing a
# task; the collection test checks that every task has its picture and its entry.
#
#   scripts/collection-contents.sh [path/to/shagaika-check]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
checker=${1:-$root/build/src/shagaika-check}
pictures=$root/docs/collection
page=$root/docs/collection.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An algorithm without commands: its pass leaves the field as the pupil first sees it.
printf 'АЛГОРИТМ ПУТЬ_0\r\n    Дано: Исполнитель в т.А\r\n    Надо: Исполнитель в т.Б\r\nНАЧ\r\nКОН\r\n' |
    iconv -f UTF-8 -t CP1251 >"$work/field.txt"

# The value of a "Key: value" line of a note.
noted() { sed -n "s/^$2: //p" "$1" | head -n 1; }

mkdir -p "$pictures"
rm -f "$pictures"/*.png
{
    cat <<'HEAD'
# The task collection

Graded tasks to start a course or an olympiad round with, from the first ШАГ to olympiad
tasks with three variable walls. They lie in [`collection/`](../collection) and are installed
beside the examples, in `share/shagaika/collection` (`/usr/share/shagaika/collection` from the
package).

**Giving a task to a pupil.** Start the pupil's program in a folder without a task file and
choose "Начать": the program asks for the task's folder, and its dialog opens in the installed
collection. Pick the task's folder; the task opens. The task editor's "Открыть папку задачи…"
(Ctrl+O) begins there too.

**A task folder** holds the task file `Zerid.txt`, the reference solution `solution.txt`, a
typical wrong solution `wrong.txt`, the teacher's note `note.md` (what the task teaches, a hint
to give, the typical mistake and the verdict the jury gives it) and, for a drawing task, the
pattern picture `zerid.bmp`, made by the task editor from the reference.

The pictures show the field of 12 × 12 as the pupil first sees it (variable walls at their
first places); for a drawing task, the reference drawing that the pattern shows. They are drawn
by `shagaika-check --render` in [`scripts/collection-contents.sh`](../scripts/collection-contents.sh),
which also writes this page; run it after changing the collection.

**Adding a task** takes its folder only: the task saved by the task editor, the three files
beside it and a note with the lines of the others (the line `Вердикт:` holds the verdict
`shagaika-check --jury` gives `wrong.txt`); then run the script. The collection test
(`tests/cli/collection`) checks every folder: the task file is as the editor saves it,
`--validate` with the reference finds nothing, the jury gives the reference OK and `wrong.txt`
the noted verdict, and this page shows the task's picture and entry.
HEAD
    topic=
    for folder in "$root"/collection/*/; do
        name=$(basename "$folder")
        note=$folder/note.md
        title=$(head -n 1 "$note" | sed 's/^# //')
        if [ "$(noted "$note" Тема)" != "$topic" ]; then
            topic=$(noted "$note" Тема)
            printf '\n## %s\n\n| | task | field sizes | variable walls |\n|---|---|---|---|\n' "$topic"
        fi
        algorithm=$work/field.txt
        if grep -q '^Задание: рисунок' "$note"; then
            algorithm=$folder/solution.txt
        fi
        "$checker" --task "$folder" --unit 5 --render "$work/$name" "$algorithm" >/dev/null
        mv "$work/$name-$(basename "$algorithm" .txt)-1.png" "$pictures/$name.png"
        printf '| ![%s](collection/%s.png) | [%s](../collection/%s/note.md) — %s | %s | %s |\n' \
            "$title" "$name" "$title" "$name" "$(noted "$note" Задание)" \
            "$(noted "$note" 'Размеры поля')" "$(noted "$note" 'Подвижные стенки')"
    done
} >"$page"
echo "$page: $(ls "$pictures" | wc -l) pictures"
