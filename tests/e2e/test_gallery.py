"""The widget gallery on a real X server: each board is drawn in the window, the keys move
between boards and Escape ends the program cleanly."""

import os
import subprocess

from clavora_e2e import App, check, wait_for

TITLE = "LumoUI gallery"
BOARDS = 3


def start_gallery(e2e):
    e2e.start_display()
    output = os.path.join(e2e.root, "gallery.stderr")
    proc = e2e._spawn([os.path.join(e2e.bin_dir, "lumoui_gallery")], stdout=open(output, "ab"),
                      stderr=subprocess.STDOUT, cwd=e2e.root)
    app = App(e2e, proc, output, "lumoui_gallery", e2e.env)
    e2e.apps.append(app)
    # Keys go to the focused window.
    e2e.xdotool("windowfocus", "--sync", app.window_id(TITLE, timeout=40))
    return app


def test_every_board_draws_on_the_screen(e2e):
    app = start_gallery(e2e)
    _, _, width, height = app.geometry(TITLE)
    content = (0, 0, width, height - 30)  # above the hint line
    shots = []
    for board in range(BOARDS):
        if board:
            app.key("Next")
        # The hint line names the board; wait until the screen shows a board not seen yet.
        shot = None
        for _ in range(50):
            shot = app.screenshot(TITLE)
            if len(shot.colours(content, step=4)) > 40 and all(
                    shot.difference(seen, content) > 0.05 for seen in shots):
                break
        shot.save_png(e2e.artifact(f"board-{board}.png"))
        check(len(shot.colours(content, step=4)) > 40, f"board {board} is nearly empty")
        check(all(shot.difference(seen, content) > 0.05 for seen in shots),
              f"board {board} looks like an earlier one")
        shots.append(shot)
    app.key("Next")  # wraps around to the first board
    wait_for(lambda: app.screenshot(TITLE).difference(shots[0], content) < 0.02, "the boards to wrap around")
    app.key("Escape")
    check(app.wait_exit() == 0, "the gallery did not end cleanly")
