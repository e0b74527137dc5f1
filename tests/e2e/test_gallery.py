"""The widget gallery on a real X server: each board is drawn in the window, the keys move
between boards and Escape ends the program cleanly."""

from clavora_e2e import check, wait_for

TITLE = "LumoUI gallery"
BOARDS = 3


def test_every_board_draws_on_the_screen(e2e):
    app = e2e.start_tool("lumoui_gallery", TITLE)
    _, _, width, height = app.geometry(TITLE)
    content = (0, 0, width, height - 30)  # above the hint line
    shots = []

    def new_board():
        shot = app.screenshot(TITLE)
        drawn = len(shot.colours(content, step=4)) > 40
        return shot if drawn and all(shot.difference(seen, content) > 0.05 for seen in shots) else None

    for board in range(BOARDS):
        if board:
            app.key("Next")
        shot = wait_for(new_board, f"board {board}, drawn and unlike the boards before it")
        shot.save_png(e2e.artifact(f"board-{board}.png"))
        shots.append(shot)
    app.key("Next")  # wraps around to the first board
    wait_for(lambda: app.screenshot(TITLE).difference(shots[0], content) < 0.02, "the boards to wrap around")
    app.key("Escape")
    check(app.wait_exit() == 0, "the gallery did not end cleanly")
