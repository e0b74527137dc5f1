"""Keys of the stand-in keyboard reaching the virtual keyboard through the key filter, and key
assignment and profiles as a user does them: clicks on the key page, then keys typed on the
stand-in keyboard and read back from the stand-in virtual device."""

from clavora_e2e import check, ctl, virtual_states, wait_for

KEY_A, KEY_B, KEY_C, KEY_D, KEY_N, KEY_Q, KEY_Z = 0x04, 5, 6, 7, 17, 20, 29
SPACE, LEFT_ALT, LEFT_SHIFT = 44, 226, 0xE1
VOLUME_UP = 234

# The key menu's commands.
RESTORE, DISABLE, SHORTCUT = 606, 607, 609
MENU = "Menu Window"
DIALOG = "CustomKeyDlg"
CHOICES, OK = 37, 44


def test_unassigned_keys_pass_through_to_the_virtual_keyboard(e2e):
    app = e2e.start()
    app.emulator("clear")
    app.emulator(f"press {LEFT_SHIFT}")
    app.tap(KEY_A)
    app.emulator(f"release {LEFT_SHIFT}")
    dump = app.wait_dump(lambda d: len(virtual_states(d)) >= 4, "four keyboard reports")
    expected = [frozenset({LEFT_SHIFT}), frozenset({LEFT_SHIFT, KEY_A}), frozenset({LEFT_SHIFT}), frozenset()]
    check(virtual_states(dump) == expected, f"the virtual keyboard went through {virtual_states(dump)}")
    check(not virtual_states(dump, 3), "a consumer report came out of plain keys")


# --- Helpers of the key page ----------------------------------------------------------------------

def key_page(e2e):
    app = e2e.start()
    app.wait_ui(lambda u: u.shown(ctl.kKeyLayout) and len(u.items(ctl.kProfileList)) == 3, "the key page with profiles")
    return app


def release_all(reports, i):
    """Whether reports[i:i + 4] are the four empty reports of letting go of everything (which
    every re-arming of the key filter writes, and every shortcut at its end)."""
    run = reports[i:i + 4]
    return [r["id"] for r in run] == [1, 2, 3, 4] and all(not any(bytes.fromhex(r["hex"])) for r in run)


def armed(app, action):
    """Runs a UI action that changes what the keys do and waits until the key filter took it
    (re-arming lets go of every virtual report)."""
    app.emulator("clear")
    action()
    app.wait_dump(lambda d: any(release_all(d["virtual_reports"], i) for i in range(len(d["virtual_reports"]))),
                  "the key filter re-armed")
    app.emulator("clear")


def click_key(app, code, button=1):
    app.click_rect(app.ui().item(ctl.kKeyPicture, code=code)["rect"], button=button)


def choose(app, key, code):
    """Selects a key on the picture and gives it a key chooser item."""
    click_key(app, key)
    app.wait_ui(lambda u: u.control(ctl.kKeyPicture)["selected"] == u.item(ctl.kKeyPicture, code=key)["index"],
                f"key {key} selected")
    armed(app, lambda: app.click_rect(app.ui().item(ctl.kKeyChooser, data=code)["rect"]))
    app.wait_ui(lambda u: u.item(ctl.kKeyPicture, code=key)["checked"], f"key {key} marked")


def menu(app, key, command):
    """Right-clicks a key and picks a command of its menu."""
    click_key(app, key, button=3)
    app.wait_ui(lambda u: u.has_window(MENU), "the key menu")
    app.click_control(command, title=MENU)


def expect_a_types(app, usage):
    """A tap of A gives a press and a release of `usage` and nothing else."""
    app.emulator("clear")
    app.tap(KEY_A)
    dump = app.wait_dump(lambda d: len(virtual_states(d)) >= 2, f"A typing {usage}")
    check(virtual_states(dump) == [frozenset({usage}), frozenset()], f"A typed {virtual_states(dump)}")
    check(not virtual_states(dump, 2) and not virtual_states(dump, 3), f"A moved more than keys: {dump}")


def store_row(app, key):
    """The active profile's function of a key: (type, value, description), or None."""
    with app.store() as db:
        return db.execute("SELECT macro_type, macro_value, macro_desc FROM t_key_macro_data "
                          "WHERE profile = (SELECT profile FROM t_profile_data WHERE status = 1) "
                          "AND fn_layer = 0 AND key_code = ?", (key,)).fetchone()


def click_profile(app, row):
    app.click_rect(app.ui().item(ctl.kProfileList, index=row)["rect"])
    app.wait_ui(lambda u: u.control(ctl.kProfileList)["selected"] == row, f"profile row {row}")


def assign_shortcut(app, key, number):
    """The custom key dialog in shortcut mode, the `number`th of its fifteen choices, OK."""
    menu(app, key, SHORTCUT)
    app.wait_ui(lambda u: u.has_window(DIALOG) and len(u.items(CHOICES, title=DIALOG)) == 15, "the custom key dialog")
    app.click_control(CHOICES, title=DIALOG)
    app.wait_ui(lambda u: u.has_window("ComboWnd"), "the choices")
    app.key("End")
    for _ in range(15 - number):
        app.key("Up")
    app.key("Return")
    app.wait_ui(lambda u: u.control(CHOICES, title=DIALOG)["selected"] == number - 1, f"choice {number}")
    armed(app, lambda: app.click_control(OK, title=DIALOG))
    app.wait_ui(lambda u: not u.has_window(DIALOG, visible=False), "the dialog closed")


# --- Key assignment ---------------------------------------------------------------------------

def test_chooser_gives_a_the_b_key(e2e):
    app = key_page(e2e)
    expect_a_types(app, KEY_A)
    choose(app, KEY_A, KEY_B)
    check(store_row(app, KEY_A) == (2, KEY_B, "B"), f"stored {store_row(app, KEY_A)}")
    app.screenshot().save_png(e2e.artifact("a-is-b.png"))
    expect_a_types(app, KEY_B)


def test_disabled_key_types_nothing(e2e):
    app = key_page(e2e)
    # D types C: its events reach the key handler after A's, so its report shows A's are done.
    choose(app, KEY_D, KEY_C)
    armed(app, lambda: menu(app, KEY_A, DISABLE))
    check(store_row(app, KEY_A) == (1, 1, ""), f"stored {store_row(app, KEY_A)}")
    app.tap(KEY_A)
    app.tap(KEY_D)
    dump = app.wait_dump(lambda d: len(virtual_states(d)) >= 2, "D's reports")
    check(virtual_states(dump) == [frozenset({KEY_C}), frozenset()], f"typed {virtual_states(dump)}")
    check(len(dump["virtual_reports"]) == 2, f"A wrote reports: {dump['virtual_reports']}")


def test_volume_up_while_held(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, VOLUME_UP)
    check(store_row(app, KEY_A) == (2, VOLUME_UP, e2e.text(234)), f"stored {store_row(app, KEY_A)}")
    app.emulator(f"press {KEY_A}")
    dump = app.wait_dump(lambda d: virtual_states(d, 3), "the consumer report")
    check(virtual_states(dump, 3) == [0xE9] and not virtual_states(dump), f"on press: {dump['virtual_reports']}")
    app.emulator(f"release {KEY_A}")
    dump = app.wait_dump(lambda d: len(virtual_states(d, 3)) >= 2, "the consumer release")
    check(virtual_states(dump, 3) == [0xE9, 0], f"on release: {dump['virtual_reports']}")


def test_shortcut_14_from_the_custom_key_dialog(e2e):
    app = key_page(e2e)
    assign_shortcut(app, KEY_A, 14)
    check(store_row(app, KEY_A) == (7, 14, e2e.text(714)), f"stored {store_row(app, KEY_A)}")
    app.tap(KEY_A)
    # The six strokes, then everything let go.
    dump = app.wait_dump(lambda d: len(d["virtual_reports"]) >= 10, "the shortcut")
    want = [{LEFT_ALT}, {LEFT_ALT, SPACE}, {LEFT_ALT, SPACE, KEY_N}, {LEFT_ALT, SPACE}, {LEFT_ALT}, set()]
    check(virtual_states(dump) == [frozenset(s) for s in want], f"strokes {virtual_states(dump)}")
    reports = dump["virtual_reports"]
    check(all(r["id"] == 1 for r in reports[:6]) and release_all(reports, 6), f"reports {reports}")


def test_restore_default_types_a_again(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, KEY_B)
    expect_a_types(app, KEY_B)
    armed(app, lambda: menu(app, KEY_A, RESTORE))
    check(store_row(app, KEY_A) is None, f"A still has {store_row(app, KEY_A)}")
    app.wait_ui(lambda u: not u.item(ctl.kKeyPicture, code=KEY_A)["checked"], "A's mark gone")
    expect_a_types(app, KEY_A)


# --- Profiles -----------------------------------------------------------------------------------

def test_switching_profiles_switches_the_keys(e2e):
    app = key_page(e2e)
    choose(app, KEY_A, KEY_B)
    armed(app, lambda: click_profile(app, 1))
    expect_a_types(app, KEY_A)
    choose(app, KEY_A, KEY_C)
    expect_a_types(app, KEY_C)
    armed(app, lambda: click_profile(app, 0))
    expect_a_types(app, KEY_B)
    with app.store() as db:
        active = db.execute("SELECT name FROM t_profile_data WHERE status = 1").fetchall()
    check(active == [("Profile 1",)], f"active: {active}")
    armed(app, lambda: click_profile(app, 1))
    expect_a_types(app, KEY_C)


def test_deleting_a_profile_writes_the_current_one_into_the_keyboard(e2e):
    app = key_page(e2e)
    armed(app, lambda: click_profile(app, 1))
    choose(app, KEY_A, KEY_B)
    armed(app, lambda: menu(app, KEY_Z, DISABLE))
    assign_shortcut(app, KEY_Q, 14)
    armed(app, lambda: click_profile(app, 2))

    app.click_control(ctl.kProfileDelete)
    app.wait_ui(lambda u: u.has_window("MessageBox"), "the question")
    app.click_control(33, title="MessageBox")

    def slots():
        keyboard = app.emulator("dump")["keyboard"]
        remaps = [(s["key"], s["value"]) for s in keyboard["remap_slots"] if s["key"]]
        macros = [(s["key"], [(e["usage"], e["release"]) for e in s["events"]]) for s in keyboard["macro_slots"]
                  if s["key"]]
        return (remaps, macros) if len(remaps) + len(macros) >= 3 else None
    remaps, macros = wait_for(slots, "the keyboard's slots written")
    check(remaps == [(KEY_A, KEY_B), (KEY_Z, 1)], f"remap slots {remaps}")
    sequence = [(LEFT_ALT, False), (SPACE, False), (KEY_N, False), (KEY_N, True), (SPACE, True), (LEFT_ALT, True)]
    check(macros == [(KEY_Q, sequence)], f"macro slots {macros}")
    ui = app.settle()
    check([i["text"] for i in ui.items(ctl.kProfileList)] == ["Profile 1", "Profile 2"], "profile 3 still listed")
    check(ui.control(ctl.kProfileList)["selected"] == 1, "the row before the deleted one is not selected")
    app.screenshot().save_png(e2e.artifact("after-delete.png"))
    expect_a_types(app, KEY_B)
