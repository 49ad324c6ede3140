"""A project through the real program: the shipped example opened from the command line
("termora PLANT.termora"), one line's tag typed into its cell, the project saved from its
window's menu, and the file opened again in a new run showing the edit."""
import json
import os
import shutil
import subprocess
import tempfile

from atspi_driver import Failure, click, descendants, one, poll

NEW_TAG = "E2E-101 edited"


def example_beside(program):
    """The shipped example: beside the program (a build) or in its data folder (installed)."""
    here = os.path.dirname(os.path.realpath(program))
    for folder in (here, os.path.join(here, "..", "share", "termora")):
        path = os.path.join(folder, "example.termora")
        if os.path.exists(path):
            return path
    raise Failure(f"no example.termora beside {program}")


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def edit_first_tag(window, old, new):
    cell = one(window, "table cell", old)
    click(cell)
    key("F2")
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "30", new], check=True)
    key("Return")
    poll(f'the cell to show "{new}"', lambda: descendants(window, "table cell", new))


def choose_menu(window, menu, item):
    one(window, "menu item", menu).queryAction().doAction(0)
    one(window, "menu item", item).queryAction().doAction(0)


def saved_tag(path):
    with open(path, encoding="utf-8") as file:
        return json.load(file)["lines"][0]["tag"]


def project_round_trip(program, make_run, step):
    """make_run(program, *arguments) starts the program with the arguments."""
    folder = tempfile.mkdtemp(prefix="termora-e2e-")
    run = None
    try:
        plant = os.path.join(folder, "plant.termora")
        shutil.copyfile(example_beside(program), plant)
        old = saved_tag(plant)
        run = make_run(program, plant)
        run.start(windows=2)
        window = run.app.window("plant.termora - Termora project")
        step("project opened from the command line")
        edit_first_tag(window, old, NEW_TAG)
        run.app.window("plant.termora* - Termora project")
        step(f'first tag typed in its cell: "{NEW_TAG}", the title shows "*"')
        choose_menu(window, "Project", "Save")
        run.app.window("plant.termora - Termora project")
        if saved_tag(plant) != NEW_TAG:
            raise Failure(f"the saved file holds the tag {saved_tag(plant)!r}")
        step("saved from the window's Project menu")
        run.finish()
        run = make_run(program, plant)
        run.start(windows=2)
        window = run.app.window("plant.termora - Termora project")
        one(window, "table cell", NEW_TAG)
        step("opened again: the edited tag is there")
        run.finish()
    except Exception:
        if run:
            run.process.kill()
        raise
    finally:
        shutil.rmtree(folder, ignore_errors=True)
